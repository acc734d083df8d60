#include "base/MessageLog.h"
#include "guiwin/ObjectStatement.h"
#include "guiwin/VariableAccess.h"
#include "ui/guiwin/GUI_Collection.h"
#include "ui/guiwin/GuiCollectionAccess.h"
#include "ui/guiwin/GuiLoaders.h"
#include "ui/guiwin/GuiPicture.h"
#include "ui/guiwin/GuiTestPrinting.h"

#include <QHash>
#include <gtest/gtest.h>

namespace {
class Variables : public VariableAccess {
public:
    QHash<QString, QString> values;
    QString ifVarGetValue(const QString &text) override { return values.value(text, text); }
    void setVar(const QString &name, const QString &value) override { values[name] = value; }
};
}

// Statements reach real widgets through the collection, as the run-time window will use them.
TEST(GuiCollectionAccess, StatementsDriveTheWidgets)
{
    QWidget window;
    MessageLog log;
    GUI_Collection gui(&window, &log, TwipsScale(96, 96), GuiTemplates::runtime());
    GuiLoaders::loadObjectRecords(gui, "BUTTON|b1|OK|240|360|1215|495|||PIC|p||0|0|1500|1500|||", true);
    GuiCollectionAccess access(&window, gui);
    Variables variables;
    ObjectStatement statement(access, variables, log, QString());

    EXPECT_TRUE(statement.processObjectDefinition("B1.text", "\"Kaydet\\nÇık\""));
    EXPECT_EQ(gui.item("b1")->sText(), "Kaydet\r\nÇık");
    EXPECT_TRUE(statement.processObjectDefinition("b1.W", "100"));
    EXPECT_EQ(gui.item("b1")->objGUI()->width(), 100);
    EXPECT_TRUE(statement.processObjectDefinition("genislik", "b1.W"));
    EXPECT_EQ(variables.values["genislik"], "100");
    EXPECT_TRUE(statement.processObjectDefinition("b1.VISIBLE", "false"));
    EXPECT_TRUE(gui.item("b1")->objGUI()->isHidden());
    EXPECT_TRUE(statement.processObjectDefinition("p.LINE", "0,5,99,5"));
    auto *picture = static_cast<GuiPicture *>(gui.item("p")->objGUI());
    EXPECT_EQ(colorAt(picture->surface().toImage(), 50, 5), picture->palette().color(QPalette::WindowText));
    EXPECT_TRUE(statement.processObjectDefinition("WINDOW.W", "400"));
    EXPECT_TRUE(statement.processObjectDefinition("w", "WINDOW.W"));
    EXPECT_EQ(variables.values["w"], "400");
    EXPECT_EQ(log.text(), "");
}
