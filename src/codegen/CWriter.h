#pragma once

#include "codegen/BraceWriter.h"

// A program as C11: variables are file-scope texts (NULL while a variable does not exist yet),
// each chart a function returning the caller's result.
class CWriter : public BraceWriter {
public:
    explicit CWriter(const FlowProgram &program);

protected:
    QString concatenation(const QString &literal, const QString &expression) const override;
    QString stopCall(const QStringList &messages) const override;

    void openForever() override;

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
