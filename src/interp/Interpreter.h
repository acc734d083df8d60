#pragma once

#include "interp/RunParts.h"
#include "interp/Value.h"
#include "model/cBlock.h"

#include <QCollator>
#include <QObject>
#include <QString>
#include <memory>

class BuiltIns;
class FunctionCalls;
class RunControl;
class VarnelError;

// One tick executes one block: the current block's action, then along the first matching line
// to the next block. Every run-time error inside a tick is caught here and ends the run.
class Interpreter : public QObject {
    Q_OBJECT
public:
    Interpreter(RunParts parts, RunControl &run, QObject *parent = nullptr);
    ~Interpreter() override;

    void timerRunner_Timer();
    cBlock *nextBlock(cBlock *block, const QString &label);
    cBlock *findBlockByAction(const QString &code);
    bool inTick() const { return m_inTick; }

    // Ends a run that executes more blocks than this (0: no limit), for grading charts that
    // loop forever.
    void setBlockLimit(qint64 limit) { m_blockLimit = limit; }
    BuiltIns &builtIns() { return *m_builtIns; }

    static QString caughtErrorMessage(const QString &source, const QString &description, int number);

private:
    // What a block's action asks of the tick: follow the line with this label, or stay (the
    // action has set the current block itself, or the run is over).
    enum Label { EmptyLabel = 0, YesLabel = 1, NoLabel = 2, Stay = -1 };
    void runOneBlock();
    int execute(cBlock &block, quint64 serial);
    cBlock *followLine(cBlock *block, int label);
    void selectBlock(cBlock *block);
    bool blockLimitReached(quint64 serial);

    int operandColumn(const cBlock &block, int slot);
    QString textOperand(const cBlock &block, int slot);
    double numericOperand(const cBlock &block, int slot);
    void setResult(const cBlock &block, int slot, Value value);

    int doInput(cBlock &block, quint64 serial);
    void doOutput(cBlock &block);
    int doDefinition(cBlock &block);
    void doArithmetic(cBlock &block);
    void doJoin(cBlock &block);
    void doComp(cBlock &block);
    void doWindow(cBlock &block);
    void bringConsoleForward();
    void endWithError(const VarnelError &error);

    RunParts m_p;
    RunControl &m_run;
    std::unique_ptr<BuiltIns> m_builtIns;
    std::unique_ptr<FunctionCalls> m_calls;
    QCollator m_collator;
    QString m_yes;
    QString m_no;
    bool m_inTick = false;
    qint64 m_blockLimit = 0;
    qint64 m_executed = 0;
    quint64 m_countedRun = 0;
};
