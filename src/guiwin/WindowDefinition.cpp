#include "guiwin/WindowDefinition.h"

#include "guiwin/DefinitionFields.h"
#include "guiwin/GuiKind.h"

using DefinitionFields::nextField;

namespace {
qint16 nextNumber(QString &text)
{
    return DefinitionFields::toInt16(DefinitionFields::number(nextField(text)));
}

// nextField over a text that stays as it is: a definition of many records is read in one pass
// instead of being shortened record by record.
class FieldCursor {
public:
    explicit FieldCursor(QStringView text) : m_text(text) {}

    QString next()
    {
        const qsizetype at = m_text.indexOf(DefinitionFields::separator, m_pos);
        if (at < 0)
            return QString();
        const QStringView field = m_text.sliced(m_pos, at - m_pos);
        m_pos = at + 1;
        return field.toString();
    }
    qint16 nextNumber() { return DefinitionFields::toInt16(DefinitionFields::number(next())); }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

GuiObjectRecord nextObject(FieldCursor &records)
{
    GuiObjectRecord record;
    record.type = records.next();
    record.id = records.next();
    record.text = records.next();
    record.x = records.nextNumber();
    record.y = records.nextNumber();
    record.w = records.nextNumber();
    record.h = records.nextNumber();
    record.function1 = records.next();
    record.function2 = records.next();
    return record;
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

QList<GuiObjectRecord> WindowDefinition::parseObjects(const QString &records)
{
    QList<GuiObjectRecord> objects;
    FieldCursor cursor(records);
    for (;;) {
        GuiObjectRecord record = nextObject(cursor);
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
