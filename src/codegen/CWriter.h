#pragma once

#include "codegen/CodeWriter.h"

// A program as C11: variables are file-scope texts (NULL while a variable does not exist yet),
// each chart a function returning the caller's result.
class CWriter : public CodeWriter {
public:
    explicit CWriter(const FlowProgram &program);

protected:
    QString stringLiteral(const QString &text) const override;
    QString numberLiteral(double value) const override;
    QString assignment(const QString &target, const QString &expression) const override;
    QString expressionStatement(const QString &expression) const override { return expression + u';'; }
    QString output(const QString &expression) const override;
    QString concatenation(const QString &literal, const QString &expression) const override;
    QString stopCall(const QStringList &messages) const override;

    void openIf(const QString &condition, bool chained) override;
    void openElse() override;
    void close() override;
    void openWhile(const QString &condition) override;
    void openForever() override;
    void openDoWhile() override;
    void closeDoWhile(const QString &condition) override;
    void writeBreak() override { line(QStringLiteral("break;")); }
    void writeContinue() override { line(QStringLiteral("continue;")); }
    void openMachine(const QString &state, int first) override;
    void openState(const QString &state, int node, bool firstState) override;
    void closeState(bool lastState) override;
    void closeMachine() override;
    void writeJump(const QString &state, int node) override;
    void writeComment(const QString &text) override;

    QString prologue() override;
    QString epilogue() override;
    void openChart(int chart) override;
    void closeChart(int chart) override;
    QStringList entryLines(int chart) override;
    QStringList exitLines(int chart) override;

private:
    bool returns(int chart) const;
    bool callsItself() const;
    QString signature(int chart) const;
};
