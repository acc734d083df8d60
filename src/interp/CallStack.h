#pragma once

#include "interp/Value.h"

#include <QObject>
#include <QString>

class MessageLog;
class RunEnding;

// The visible stack of call frames: 250 rows growing toward row 0, SP on the top entry, row 249
// never holding a value (so at most 249 entries). Popped rows keep their last value on show.
// An entry is a value as variables hold it, so a number passed through the stack is written as
// text only when the stack is shown. Beside each entry that names a calling chart's file lies the
// path of that chart, unseen, so that a return finds the caller in whatever folder it lives.
class CallStack : public QObject {
    Q_OBJECT
public:
    static constexpr int RowCount = 250;

    // Overflow and underflow end the run through `run`.
    CallStack(MessageLog *log, RunEnding &run, QObject *parent = nullptr);

    void clearStack();
    void PUSH(const QString &sValue) { PUSH(Value(sValue)); }
    void PUSH(const Value &value);
    // Pushes the calling chart's file name, with its path beside it.
    void pushCaller(const QString &fileName, const QString &path);
    QString POP() { return popValue().text(); }
    Value popValue();

    int SP() const { return m_SP; }
    bool isEmpty() const { return m_SP + 1 == RowCount; }
    const QString &valueAt(int row) const { return m_values[row].text(); }
    const Value &entryAt(int row) const { return m_values[row]; }
    // The path beside the top entry when it is a caller's file name; empty otherwise.
    QString callerPathOnTop() const { return m_SP >= 0 && m_SP < RowCount ? m_callerPaths[m_SP] : QString(); }
    // The row that shows the marker, -1 when none does.
    int markerRow() const { return m_markerRow; }
    const QString &callerPathAt(int row) const { return m_callerPaths[row]; }
    // A step back puts rows and pointers back as they were.
    void restoreRow(int row, const Value &value, const QString &callerPath);
    void restorePointers(int sp, int markerRow);

    // Changes with every push, pop and clear. changed() is emitted only on the first change
    // after the view last called acknowledge(), so a fast run costs one signal per repaint.
    quint64 revision() const { return m_revision; }
    void acknowledge() { m_announced = false; }

Q_SIGNALS:
    void changed();

private:
    void setMarker(int row);
    void touch();
    bool makeRoom();

    MessageLog *m_log;
    Value m_values[RowCount];
    QString m_callerPaths[RowCount];
    int m_SP = RowCount - 1;
    int m_markerRow = RowCount - 1;
    quint64 m_revision = 0;
    bool m_announced = false;
    RunEnding &m_run;
};
