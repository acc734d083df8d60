#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <random>

class ConsoleScreen;
class RunHost;
class VariableStore;

// The built-in functions a FUNCTION block (or a window event) may name. Each takes at most one
// argument and gives one text result. Errors are raised as VarnelError for the caller's
// error handler to report.
class BuiltIns {
public:
    using FolderSource = std::function<QString()>;

    BuiltIns(VariableStore &vars, ConsoleScreen &console, RunHost &host, FolderSource projectFolder);

    // False when the name is no built-in function (nor empty): the caller then calls a project
    // file of that name.
    bool callBuiltIn(const QString &name, const QString &argument, const QString &resultVariable);

    static bool isBuiltIn(const QString &upperName);
    // Every name, upper case, sorted.
    static QStringList names();
    // The functions that take no argument, as the function-call dialog lists them.
    static const QStringList &namesWithoutArgument();
    // "gif, bmp files|*.gif;*.bmp" from "gif, bmp"; empty when the list has no items.
    static QString buildFileFilter(const QString &argument);

private:
    struct Function;
    static const QHash<QString, Function> &functions();

    QString evaluate(const Function &function, const QString &upperName, const QString &argument);
    QString clear();
    QString random(const QString &name, const QString &argument);
    QString fileDialog(const QString &argument);

    VariableStore &m_vars;
    ConsoleScreen &m_console;
    RunHost &m_host;
    FolderSource m_projectFolder;
    // Never seeded from the clock: every start gives the same RND sequence.
    std::mt19937 m_generator;
};
