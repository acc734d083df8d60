#pragma once

#include "base/MessageText.h"
#include "interp/RunParts.h"
#include "interp/RunState.h"
#include "interp/Value.h"

#include <QString>
#include <QStringList>

#include <vector>

class ChartWalk;
class cBlock;

// Calls of one chart file from another, made the way a small processor calls a subroutine:
// a frame of five entries on the visible stack, the called file shown in place of the caller,
// and the caller shown again on return, each read from disk unless its file is unchanged since
// it was read in this run. Local variables are saved on the stack. Values pass through the
// stack as variables hold them, so a number is neither written out nor read back on the way.
// They run inside a tick: a full or empty stack, like every other end of the run, unwinds to it.
class FunctionCalls {
public:
    FunctionCalls(RunParts parts, RunState &state, ChartWalk &walk);

    // `argument` is what the block's second parameter reads (a variable's value, or the text).
    void callProject(cBlock &block, const Value &argument);
    void startBlock(const cBlock &block);
    void stopBlock();

    // folder + name, or the one file in the folder whose name matches it without regard to
    // case when the exact name is missing (charts written on case-insensitive systems).
    static QString chartPath(const QString &folder, const QString &fileName);

private:
    // A variable every call reads or writes, looked up again only when the store has added or
    // dropped columns since, or when another name is asked for.
    struct KnownVariable {
        QString name;
        int column = -1;
        quint64 generation = 0;
    };
    int columnOf(KnownVariable &variable);
    Value valueOf(KnownVariable &variable);
    void setValue(KnownVariable &variable, const Value &value);
    KnownVariable &resultVariable(const QString &name);
    const QStringList &localsOf(const QString &list);
    int localColumn(qsizetype index);

    bool enterCalled(const cBlock &block);
    bool enterChart(const QString &path);
    void saveLocals(const QString &list);
    void restoreLocals(const QString &list);
    void returnToCaller(const QString &CS, QString path, const QString &IP);
    [[noreturn]] void endRun(const MessageText &message);

    RunParts m_parts;
    RunState &m_state;
    ChartWalk &m_walk;
    KnownVariable m_param{QStringLiteral("PARAM")};
    KnownVariable m_return{QStringLiteral("RETURN")};
    KnownVariable m_result; // the caller's variable for the result, by the last name asked for
    // The last local-variable list split into its items (a recursive chart lists the same), with
    // their columns as of an add generation of the store (0: not looked up).
    QString m_localsText;
    QStringList m_locals;
    std::vector<int> m_localColumns;
    quint64 m_localsGeneration = 0;
};
