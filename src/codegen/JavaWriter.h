#pragma once

#include "codegen/BraceWriter.h"

// A program as one Java class: variables are static texts (null while a variable does not exist
// yet), each chart a static method returning the caller's result.
class JavaWriter : public BraceWriter {
public:
    JavaWriter(const FlowProgram &program, const QString &className);

protected:
    QString helper(const QString &name) const override;
    QString stopCall(const QStringList &messages) const override;

    void openForever() override;

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
