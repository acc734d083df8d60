#include "guiwin/ObjectStatement.h"

#include "base/MessageLog.h"
#include "guiwin/VariableAccess.h"
#include "support/LocaleScope.h"

#include <QHash>
#include <QTemporaryDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// A window at 15 twips per pixel with a button b1, a text area t and a picture p.
class FakeWindow : public GuiObjectAccess {
public:
    struct Object {
        GuiKind::Kind kind;
        QString text;
        int geometry[4];
        bool visible = true;
    };
    QHash<QString, Object> objects{
        {"b1", {GuiKind::Button, "OK", {240, 360, 1215, 495}}},
        {"t", {GuiKind::TextArea, "a\r\nb", {0, 0, 1500, 700}}},
        {"p", {GuiKind::Picture, "", {-20, 0, 1020, 945}}},
    };
    int outer[4] = {0, 0, 6000, 4500};
    QStringList drawn;
    QString image;
    QString imageError;

    double twipsPerPixelX() const override { return 15; }
    double twipsPerPixelY() const override { return 15; }
    int windowOuter(Field f) const override { return outer[f]; }
    void setWindowOuter(Field f, int twips) override { outer[f] = twips; }
    const Object *find(const QString &name) const
    {
        for (auto it = objects.begin(); it != objects.end(); ++it)
            if (it.key().compare(name, Qt::CaseInsensitive) == 0)
                return &it.value();
        return nullptr;
    }
    Object &at(const QString &name) { return const_cast<Object &>(*find(name)); }
    GuiKind::Kind objectKind(const QString &name) const override
    {
        return find(name) ? find(name)->kind : GuiKind::Unknown;
    }
    QString objectText(const QString &name) const override { return find(name)->text; }
    void setObjectText(const QString &name, const QString &text) override { at(name).text = text; }
    int objectGeometry(const QString &name, Field f) const override { return find(name)->geometry[f]; }
    void setObjectGeometry(const QString &name, Field f, int twips) override { at(name).geometry[f] = twips; }
    void setObjectVisible(const QString &name, bool visible) override { at(name).visible = visible; }
    QString setObjectImage(const QString &, const QString &file) override
    {
        image = file;
        return imageError;
    }
    void drawObjectLine(const QString &name, double x1, double y1, double x2, double y2) override
    {
        drawn << QStringLiteral("%1:%2,%3,%4,%5").arg(name).arg(x1).arg(y1).arg(x2).arg(y2);
    }
    void setObjectDrawMode(const QString &name, bool invert) override
    {
        drawn << name + (invert ? ":invert" : ":normal");
    }
};

class FakeVariables : public VariableAccess {
public:
    QHash<QString, QString> values{{"ad", "Ayşe"}, {"yol", "\"q\""}};
    QString ifVarGetValue(const QString &text) override { return values.value(text, text); }
    void setVar(const QString &name, const QString &value) override { values[name] = value; }
};

class ObjectStatementTest : public ::testing::Test {
protected:
    FakeWindow window;
    FakeVariables variables;
    MessageLog log;
    ObjectStatement statement{window, variables, log, QString()};

    bool run(const QString &target, const QString &source) { return statement.processObjectDefinition(target, source); }
};

const QString crlf = "\r\n";

} // namespace

TEST_F(ObjectStatementTest, ReadsPropertiesInPixels)
{
    struct Case {
        QString source;
        QString value;
    } cases[] = {
        {"b1.TEXT", "OK"}, {"B1.text", "OK"}, {"t.TEXT", "a\r\nb"}, {"p.TEXT", ""}, {"b1.X", "16"},
        {"b1.Y", "24"}, {"b1.W", "81"}, {"b1.H", "33"}, {"p.X", "-2"}, {"window.W", "400"}, {"WINDOW.H", "300"},
    };
    for (const Case &c : cases) {
        EXPECT_TRUE(run("v", c.source)) << c.source.toStdString();
        EXPECT_EQ(variables.values.value("v"), c.value) << c.source.toStdString();
    }
    EXPECT_EQ(log.text(), "");
}

TEST_F(ObjectStatementTest, WritesResolveQuotesAndVariables)
{
    EXPECT_TRUE(run("b1.TEXT", "\"a\\nb\""));
    EXPECT_EQ(window.objects["b1"].text, "a\r\nb");
    EXPECT_TRUE(run("t.TEXT", "ad"));
    EXPECT_EQ(window.objects["t"].text, "Ayşe");
    EXPECT_TRUE(run("t.TEXT", "\"ad\"")); // a quoted variable name still gives its value
    EXPECT_EQ(window.objects["t"].text, "Ayşe");
    EXPECT_TRUE(run("t.TEXT", "yol")); // a value in quotes loses them too
    EXPECT_EQ(window.objects["t"].text, "q");
    EXPECT_FALSE(run("a.TEXT", "\"b.c\"")); // no object a, but the quoted dot is accepted
    EXPECT_TRUE(run("b1.TEXT", "\"b.c\""));
    EXPECT_EQ(window.objects["b1"].text, "b.c");
}

TEST_F(ObjectStatementTest, WritesGeometryVisibilityAndDrawing)
{
    LocaleScope locale{QLocale(QLocale::Turkish, QLocale::Turkey)};
    EXPECT_TRUE(run("b1.X", "\"10.5\"")); // unquoted, the dot would make it an object-to-object statement
    EXPECT_EQ(window.objects["b1"].geometry[GuiObjectAccess::X], 158); // 157.5, halves to even
    EXPECT_TRUE(run("b1.W", "0"));
    EXPECT_EQ(window.objects["b1"].geometry[GuiObjectAccess::W], 1215);
    EXPECT_TRUE(run("b1.H", "-3"));
    EXPECT_EQ(window.objects["b1"].geometry[GuiObjectAccess::H], 495);
    EXPECT_TRUE(run("WINDOW.W", "500"));
    EXPECT_EQ(window.outer[GuiObjectAccess::W], 7500);
    EXPECT_TRUE(run("b1.VISIBLE", "false"));
    EXPECT_FALSE(window.objects["b1"].visible);
    EXPECT_TRUE(run("b1.VISIBLE", "True"));
    EXPECT_TRUE(window.objects["b1"].visible);
    EXPECT_TRUE(run("p.LINE", "10,10, 50 ,50"));
    EXPECT_TRUE(run("p.DRAWMODE", "invert"));
    EXPECT_TRUE(run("p.DRAWMODE", "x"));
    EXPECT_EQ(window.drawn, QStringList({"p:10,10,50,50", "p:invert", "p:normal"}));
    EXPECT_TRUE(run("p.TEXT", "ignored"));
    EXPECT_EQ(window.objects["p"].text, "");
}

TEST_F(ObjectStatementTest, EveryFailureHasItsMessage)
{
    const QString cannot = "İşlem yapılamıyor: ";
    struct Case {
        QString target;
        QString source;
        QString message;
    } cases[] = {
        {"a.TEXT", "b.TEXT", "Nesneden nesneye atama henüz desteklenmiyor!"},
        {"v", "WINDOW.X", cannot + "v = WINDOW.X" + crlf + "Bu pencerenin özelliği" + crlf + "okumaya müsait değil!"},
        {"WINDOW.TITLE", "\"x\"", cannot + "WINDOW.TITLE = x" + crlf + "Bu pencerenin özelliği" + crlf
                                      + "okumaya müsait değil!"},
        {"v", "zz.TEXT", cannot + "v = zz.TEXT" + crlf + "zz nesnesi" + crlf + "aktif pencerede bulunamadı."},
        {"v", "b1.FOO", cannot + "v = b1.FOO" + crlf + "Özellik okumaya müsait değil!"},
        {"b1.FOO", "\"1\"", cannot + "b1.FOO = 1" + crlf + "Özellik bulunamadı!"},
        {"p.LINE", "10,10,50", "Nesne tanımında hata: " + crlf + "p.LINE = 10,10,50" + crlf + "Tür uyuşmazlığı"},
        {"t.IMAGE", "\"x.png\"", "Nesne tanımında hata: " + crlf + "t.IMAGE = x.png" + crlf
                                 + "Nesne bu özelliği desteklemiyor"},
        {"b1.LINE", "1,1,2,2", "Nesne tanımında hata: " + crlf + "b1.LINE = 1,1,2,2" + crlf
                                   + "Nesne bu özelliği desteklemiyor"},
        {"t.DRAWMODE", "INVERT", "Nesne tanımında hata: " + crlf + "t.DRAWMODE = INVERT" + crlf
                                     + "Nesne bu özelliği desteklemiyor"},
        {"b1.X", "3000", "Nesne tanımında hata: " + crlf + "b1.X = 3000" + crlf + "Taşma"},
        {"b1.TEXT", "\"", "Nesne tanımında hata: " + crlf + "b1.TEXT = \"" + crlf},
    };
    for (const Case &c : cases) {
        log.dismiss();
        EXPECT_FALSE(run(c.target, c.source)) << c.target.toStdString();
        EXPECT_TRUE(log.text().startsWith(c.message)) << c.target.toStdString() << ": " << log.text().toStdString();
    }
}

TEST_F(ObjectStatementTest, ImageNamesAFileOfTheProjectFolder)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("resim.png"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ObjectStatement inFolder{window, variables, log, dir.path() + "/"};
    EXPECT_TRUE(inFolder.processObjectDefinition("p.IMAGE", "\"resim.png\""));
    EXPECT_EQ(window.image, dir.filePath("resim.png"));
    EXPECT_TRUE(inFolder.processObjectDefinition("b1.IMAGE", "\"" + dir.filePath("resim.png") + "\""));
    EXPECT_EQ(window.image, dir.filePath("resim.png"));
    EXPECT_TRUE(inFolder.processObjectDefinition("p.IMAGE", "\"yok.png\""));
    EXPECT_EQ(window.image, ""); // no file clears the picture
    EXPECT_TRUE(inFolder.processObjectDefinition("p.IMAGE", "\"\""));
    EXPECT_EQ(window.image, "");
    window.imageError = "bozuk";
    EXPECT_FALSE(inFolder.processObjectDefinition("p.IMAGE", "\"resim.png\""));
    EXPECT_TRUE(log.text().endsWith("bozuk\r\n"));
}
