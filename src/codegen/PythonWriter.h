#pragma once

#include "codegen/CodeWriter.h"

// A program as Python 3: variables are module globals holding texts (None while a variable does
// not exist yet), each chart a function.
class PythonWriter : public CodeWriter {
public:
    explicit PythonWriter(const FlowProgram &program);

protected:
    QString expressionStatement(const QString &expression) const override { return expression; }

    void openIf(const QString &condition, bool chained) override;
    void openElse() override;
    void close() override;
    void openWhile(const QString &condition) override;
    void openForever() override;
    void closeDoWhile(const QString &condition) override;
    void writeBreak() override { line(QStringLiteral("break")); }
    void writeContinue() override { line(QStringLiteral("continue")); }
    void openMachine(const QString &state, int first, bool exits) override;
    void openState(const QString &state, int node, bool firstState) override;
    void closeState(bool lastState) override;
    void closeMachine() override;
    void writeJump(const QString &state, int node) override;
    bool hasDoWhile() const override { return false; }

    QString prologue() override;
    QString epilogue() override;
    void openChart(int chart) override;
    void closeChart(int chart) override;
    QStringList entryLines(int chart) override;
    QStringList exitLines(int chart) override;

private:
    // Python has no empty block: `pass` goes where nothing was written.
    void closeBlock();
    QStringList globalsOf(int chart) const;

    std::vector<int> m_blockStart; // line count when each open block began
};
