#include "guiwin/WindowLimits.h"

#include "guiwin/WindowDefinition.h"

QString WindowLimits::objectCountRefusal(qsizetype count)
{
    if (count <= MaxObjects)
        return QString();
    return QStringLiteral("Pencere açılamıyor:\r\ntanımında ") + QString::number(count)
        + QStringLiteral(" nesne var, en fazla ") + QString::number(MaxObjects) + QStringLiteral(" olabilir.");
}

QString WindowLimits::refusal(const QString &objectRecords)
{
    return objectCountRefusal(WindowDefinition::parseObjects(objectRecords).size());
}
