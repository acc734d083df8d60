#include "ui/guiwin/GuiLoaders.h"

#include "guiwin/DefinitionFields.h"
#include "guiwin/WindowDefinition.h"
#include "guiwin/WindowLimits.h"
#include "ui/guiwin/GUI_Collection.h"
#include "ui/guiwin/ScreenTwips.h"

#include <QWidget>

void GuiLoaders::applyWindowSize(QWidget *window, const QString &sizeRecord)
{
    QString fields = sizeRecord;
    const TwipsScale scale = ScreenTwips::of(window);
    const int w = scale.toPixelsX(DefinitionFields::toInt16(DefinitionFields::number(DefinitionFields::nextField(fields))));
    const int h = scale.toPixelsY(DefinitionFields::toInt16(DefinitionFields::number(DefinitionFields::nextField(fields))));
    window->resize(WindowLimits::side(w), WindowLimits::side(h));
}

void GuiLoaders::loadObjectRecords(GUI_Collection &theGUI, const QString &objectRecords, bool useKeys)
{
    for (const GuiObjectRecord &record : WindowDefinition::parseObjects(objectRecords)) {
        cGUI_obj *object = theGUI.Add(record.id, record.type, useKeys ? record.id : QString());
        if (!object)
            continue;
        object->setSText(record.text);
        object->setX(record.x);
        object->setY(record.y);
        object->setW(record.w);
        object->setH(record.h);
        object->setSFunction1(record.function1);
        object->setSFunction2(record.function2);
    }
}
