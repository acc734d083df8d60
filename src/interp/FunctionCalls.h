#pragma once

#include "interp/Interpreter.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// Calls of one chart file from another, made the way a small processor calls a subroutine:
// a frame of five entries on the visible stack, the called file shown in place of the caller,
// and the caller shown again on return, each read from disk unless its file is unchanged since
// it was read in this run. Local variables are saved on the stack.
// They run inside a tick: a full or empty stack, like every other end of the run, unwinds to it.
class FunctionCalls {
public:
    FunctionCalls(Interpreter &interpreter, RunParts parts, RunControl &run);

    // `argument` is what the block's second parameter reads (a variable's value, or the text).
    void callProject(cBlock &block, const QString &argument);
    void startBlock(const cBlock &block);
    void stopBlock();

    // folder + name, or the one file in the folder whose name matches it without regard to
    // case when the exact name is missing (charts written on case-insensitive systems).
    static QString chartPath(const QString &folder, const QString &fileName);

private:
    // A variable every call reads or writes, looked up again only when the store has added or
    // dropped columns since.
    struct KnownVariable {
        QString name;
        int column = -1;
        quint64 generation = 0;
    };
    int columnOf(KnownVariable &variable);
    QString valueOf(KnownVariable &variable);
    void setValue(KnownVariable &variable, const QString &value);
    const QStringList &localsOf(const QString &list);
    int localColumn(qsizetype index);
    const QString &callerFileName();
    const QString &pathOf(QHash<QString, QString> &paths, const QString &name, QLatin1StringView suffix);

    bool loadChart(QHash<QString, QString> &paths, const QString &name, QLatin1StringView suffix);
    void saveLocals(const QString &list);
    void restoreLocals(const QString &list);
    void returnToCaller(const QString &CS, const QString &IP);
    [[noreturn]] void endRun(const QString &message);

    Interpreter &m_interpreter;
    RunParts m_p;
    RunControl &m_run;
    KnownVariable m_param{QStringLiteral("PARAM")};
    KnownVariable m_return{QStringLiteral("RETURN")};
    // The last local-variable list split into its items (a recursive chart lists the same), with
    // their columns as of an add generation of the store (0: not looked up).
    QString m_localsText;
    QStringList m_locals;
    std::vector<int> m_localColumns;
    quint64 m_localsGeneration = 0;
    // The file name of the chart on show, pushed by every call, as of its path.
    bool m_callerKnown = false;
    QString m_callerPath;
    QString m_callerName;
    // Chart paths in the project folder, by called name and by returned-to file name, so that a
    // call and its return build no path.
    static constexpr qsizetype MaxPaths = 256;
    QString m_pathsFolder;
    QHash<QString, QString> m_callPaths;
    QHash<QString, QString> m_returnPaths;
};
