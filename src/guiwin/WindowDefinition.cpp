#include "guiwin/WindowDefinition.h"

#include "guiwin/DefinitionFields.h"
#include "guiwin/GuiKind.h"

using DefinitionFields::nextField;

namespace {
qint16 nextNumber(QString &text)
{
    return DefinitionFields::toInt16(DefinitionFields::number(nextField(text)));
}

void appendField(QString &out, const QString &field)
{
    out += field;
    out += DefinitionFields::separator;
}
}

WindowDefinition WindowDefinition::fromParams(const QString &zParam1, const QString &zParam2, const QString &zParam3)
{
    WindowDefinition definition;
    QString size = zParam1;
    definition.width = nextNumber(size);
    definition.height = nextNumber(size);
    definition.objects = parseObjects(zParam2);
    QString events = zParam3;
    definition.onLoad = nextField(events);
    definition.onResize = nextField(events);
    return definition;
}

GuiObjectRecord WindowDefinition::nextObject(QString &records)
{
    GuiObjectRecord record;
    record.type = nextField(records);
    record.id = nextField(records);
    record.text = nextField(records);
    record.x = nextNumber(records);
    record.y = nextNumber(records);
    record.w = nextNumber(records);
    record.h = nextNumber(records);
    record.function1 = nextField(records);
    record.function2 = nextField(records);
    return record;
}

QList<GuiObjectRecord> WindowDefinition::parseObjects(QString records)
{
    QList<GuiObjectRecord> objects;
    for (;;) {
        GuiObjectRecord record = nextObject(records);
        if (record.type.isEmpty())
            return objects;
        objects.append(std::move(record));
    }
}

QString WindowDefinition::sizeRecord(int w, int h)
{
    QString out;
    appendField(out, QString::number(w));
    appendField(out, QString::number(h));
    return out;
}

QString WindowDefinition::objectRecord(const GuiObjectRecord &record)
{
    QString out;
    appendField(out, record.type);
    appendField(out, record.id);
    appendField(out, record.text);
    for (const qint16 n : {record.x, record.y, record.w, record.h})
        appendField(out, QString::number(n));
    appendField(out, record.function1);
    appendField(out, record.function2);
    return out;
}

QString WindowDefinition::eventRecord(const QString &onLoad, const QString &onResize)
{
    QString out;
    appendField(out, onLoad);
    appendField(out, onResize);
    return out;
}

QString WindowDefinition::sizeRecord() const
{
    return sizeRecord(width, height);
}

QString WindowDefinition::objectRecords() const
{
    QString out;
    for (const GuiObjectRecord &record : objects)
        if (record.id != GuiKind::deletedId)
            out += objectRecord(record);
    return out;
}

QString WindowDefinition::eventRecord() const
{
    return eventRecord(onLoad, onResize);
}
