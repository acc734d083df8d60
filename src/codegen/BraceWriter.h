#pragma once

#include "codegen/CodeWriter.h"

// What C and Java write alike: blocks in braces, statements ending in a semicolon, whole
// numbers written as doubles, the state machine as a switch in an endless loop.
class BraceWriter : public CodeWriter {
public:
    using CodeWriter::CodeWriter;

protected:
    QString numberLiteral(double value) const override;
    QString expressionStatement(const QString &expression) const override { return expression + u';'; }

    void openIf(const QString &condition, bool chained) override;
    void openElse() override;
    void close() override;
    void openWhile(const QString &condition) override;
    void openDoWhile() override;
    void closeDoWhile(const QString &condition) override;
    void writeBreak() override { line(QStringLiteral("break;")); }
    void writeContinue() override { line(QStringLiteral("continue;")); }
    void openMachine(const QString &state, int first, bool exits) override;
    void openState(const QString &state, int node, bool firstState) override;
    void closeState(bool lastState) override;
    void closeMachine() override;
    void writeJump(const QString &state, int node) override;
};
