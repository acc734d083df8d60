#pragma once

#include <QStringList>

// varnel-run --code python|c|java OUT chart.vnp [--locale L]: writes the chart, with the charts
// it calls, as one program in the language. Numbers follow tr_TR unless --locale names others.
class CodeCommand {
public:
    explicit CodeCommand(QStringList arguments) : m_arguments(std::move(arguments)) {}

    // 0 when the program was written; 2 with a message otherwise.
    int exec();

private:
    int fail(const QString &message) const;

    QStringList m_arguments;
};
