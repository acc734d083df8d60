#pragma once

#include "codegen/CodeWriter.h"

// A program as one Java class: variables are static texts (null while a variable does not exist
// yet), each chart a static method returning the caller's result.
class JavaWriter : public CodeWriter {
public:
    JavaWriter(const FlowProgram &program, const QString &className);

protected:
    QString stringLiteral(const QString &text) const override;
    QString numberLiteral(double value) const override;
    QString helper(const QString &name) const override;
    QString assignment(const QString &target, const QString &expression) const override;
    QString expressionStatement(const QString &expression) const override { return expression + u';'; }
    QString output(const QString &expression) const override;
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
    QString m_className;
    bool m_public = true;
};
