#pragma once

#include "interp/Value.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <vector>

class MessageLog;

// Every variable of a run, in one global store with no scopes. Column 0 is the grid's header
// column and takes part in lookups (the empty name finds it); variables follow in order of
// creation. Names match without regard to case by the regional settings, through an index
// beside the ordered columns.
class VariableStore : public QObject {
    Q_OBJECT
public:
    explicit VariableStore(MessageLog *log, QObject *parent = nullptr);

    void setVar(const QString &sName, const QString &sValue);
    QString getVar(const QString &sName);
    QString ifVarGetValue(const QString &text);
    void clearVars();

    // Column of a name, -1 when there is none.
    int findVar(const QString &name) const;
    static QString fold(const QString &name);

    // The grid's view: columns in order (0 is the header column).
    int columnCount() const { return int(m_columns.size()); }
    const QString &nameAt(int column) const { return m_columns[std::size_t(column)].name; }
    const Value &valueAt(int column) const { return m_columns[std::size_t(column)].value; }

    // Fast paths for the interpreter, which caches columns per block operand.
    void setValueAt(int column, Value value)
    {
        m_columns[std::size_t(column)].value = std::move(value);
        touch();
    }
    void setNumberAt(int column, double number)
    {
        m_columns[std::size_t(column)].value.setNumber(number);
        touch();
    }
    void appendAt(int column, const QString &tail);
    int setValue(const QString &sName, Value value); // returns the column
    // Drops the columns from `count` on, the newest first: a step back undoes their creation.
    void truncate(int count);
    // Changes whenever a column is added or the store is cleared: a name looked up (found or
    // not) keeps its column while this is unchanged.
    quint64 addGeneration() const { return m_addGeneration; }

    // Changes with every write. changed() is emitted only on the first write after the view
    // last called acknowledge(), so a fast run costs the view one signal per repaint.
    quint64 revision() const { return m_revision; }
    void acknowledge() { m_announced = false; }

Q_SIGNALS:
    void changed();

private:
    void touch()
    {
        ++m_revision;
        if (!m_announced) [[unlikely]]
            announce();
    }
    void announce();

    struct Column {
        QString name;
        Value value;
    };
    int addVar(const QString &name, Value value);

    MessageLog *m_log;
    std::vector<Column> m_columns;
    QHash<QString, int> m_index;
    quint64 m_addGeneration = 1;
    quint64 m_revision = 0;
    bool m_announced = false;
};
