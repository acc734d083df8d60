#include "guiwin/WindowLimits.h"

#include "guiwin/WindowDefinition.h"

MessageText WindowLimits::objectCountRefusal(qsizetype count)
{
    if (count <= MaxObjects)
        return MessageText();
    return MessageText::of(
        QT_TRANSLATE_NOOP("Message", "Pencere açılamıyor:\r\ntanımında %1 nesne var, en fazla %2 olabilir."),
        {QString::number(count), QString::number(MaxObjects)});
}

MessageText WindowLimits::refusal(const QString &objectRecords)
{
    return objectCountRefusal(WindowDefinition::parseObjects(objectRecords).size());
}
