#include "interp/VariableStore.h"

#include "base/MessageLog.h"

VariableStore::VariableStore(MessageLog *log, QObject *parent)
    : QObject(parent), m_log(log)
{
    clearVars();
}

QString VariableStore::fold(const QString &name)
{
    return Numbers::locale().toLower(name);
}

void VariableStore::announce()
{
    m_announced = true;
    Q_EMIT changed();
}

int VariableStore::findVar(const QString &name) const
{
    return m_index.value(fold(name), -1);
}

int VariableStore::addVar(const QString &name, Value value)
{
    m_columns.push_back({name, std::move(value)});
    const int column = int(m_columns.size()) - 1;
    m_index.insert(fold(name), column);
    ++m_addGeneration;
    touch();
    return column;
}

void VariableStore::appendAt(int column, const QString &tail)
{
    m_columns[std::size_t(column)].value.appendText(tail);
    touch();
}

int VariableStore::setValue(const QString &sName, Value value)
{
    const int column = findVar(sName);
    if (column == -1)
        return addVar(sName, std::move(value));
    setValueAt(column, std::move(value));
    return column;
}

void VariableStore::truncate(int count)
{
    if (count < 1 || count >= columnCount())
        return;
    while (columnCount() > count) {
        m_index.remove(fold(m_columns.back().name));
        m_columns.pop_back();
    }
    ++m_addGeneration;
    touch();
}

void VariableStore::setVar(const QString &sName, const QString &sValue)
{
    setValue(sName, Value(sValue));
}

QString VariableStore::getVar(const QString &sName)
{
    const int column = findVar(sName);
    if (column == -1) {
        m_log->mBox(MessageText::of(QT_TRANSLATE_NOOP("Message", "Değişken: %1 - tanımlanmamış!"), {sName}));
        return QStringLiteral("0");
    }
    return valueAt(column).text();
}

QString VariableStore::ifVarGetValue(const QString &text)
{
    const int column = findVar(text);
    return column == -1 ? text : valueAt(column).text();
}

void VariableStore::clearVars()
{
    m_columns.clear();
    m_index.clear();
    m_columns.push_back({QString(), Value()});
    m_index.insert(QString(), 0);
    ++m_addGeneration;
    addVar(QStringLiteral("RETURN"), Value());
}
