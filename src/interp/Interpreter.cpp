#include "interp/Interpreter.h"

#include "interp/Arithmetic.h"
#include "interp/BuiltIns.h"
#include "interp/CallStack.h"
#include "interp/ConsoleScreen.h"
#include "interp/FunctionCalls.h"
#include "interp/RunControl.h"
#include "interp/RunHost.h"
#include "interp/TextRules.h"
#include "interp/VariableStore.h"
#include "model/VarnelError.h"
#include "project/Project.h"
#include "base/MessageLog.h"
#include "base/tranLng.h"

#include <chrono>

namespace {

const QString tickSource = QStringLiteral("timerRunner_Timer");

// Restores the flag however the tick is left, so a thrown error never leaves ticks blocked.
class TickGuard {
public:
    explicit TickGuard(bool &flag) : m_flag(flag) { m_flag = true; }
    ~TickGuard() { m_flag = false; }
    TickGuard(const TickGuard &) = delete;
    TickGuard &operator=(const TickGuard &) = delete;

private:
    bool &m_flag;
};

bool isQuoted(const QString &text)
{
    return text.startsWith(QLatin1Char('"'));
}

} // namespace

Interpreter::Interpreter(RunParts parts, RunControl &run, QObject *parent)
    : QObject(parent),
      m_p(parts),
      m_run(run),
      m_builtIns(std::make_unique<BuiltIns>(parts.vars, parts.console, parts.host,
                                            [this] { return m_p.project.projectFolder(); })),
      m_calls(std::make_unique<FunctionCalls>(*this, parts, run))
{
    m_yes = tranLng(QStringLiteral("YES"));
    m_no = tranLng(QStringLiteral("NO"));
}

Interpreter::~Interpreter() = default;

QString Interpreter::caughtErrorMessage(const QString &source, const QString &description, int number)
{
    return QStringLiteral("timerRunner_Timer(). YAKALANAN HATA: ") + QStringLiteral("\r\nKaynak: ") + source
        + QStringLiteral("\r\nAçıklama: ") + description + QStringLiteral("\r\nHata numarası: ")
        + QString::number(number);
}

void Interpreter::endWithError(const VarnelError &error)
{
    m_p.log.mBox(caughtErrorMessage(error.source(), error.description(), error.number()));
    m_run.TerminateExecution();
}

void Interpreter::timerRunner_Timer()
{
    if (m_inTick || !m_run.runInProgress())
        return;
    {
        TickGuard guard(m_inTick);
        try {
            runOneBlock();
        } catch (const VarnelError &error) {
            endWithError(error);
        } catch (const std::exception &) {
            endWithError(VarnelError(VarnelError::InvalidCall, tickSource, QStringLiteral("Beklenmeyen hata")));
        }
    }
    m_run.tickFinished();
}

void Interpreter::runOneBlock()
{
    cBlock *block = m_run.currentBlock();
    if (!block) {
        m_run.TerminateExecution();
        return;
    }
    const quint64 serial = m_run.runSerial();
    if (m_blockLimit > 0 && blockLimitReached(serial)) {
        m_p.log.mBox(QStringLiteral("Çalıştırma sınırı aşıldı: program ") + QString::number(m_blockLimit)
                     + QStringLiteral(" bloktan fazlasını çalıştırdı."));
        m_run.TerminateExecution();
        return;
    }
    selectBlock(block);
    const int label = execute(*block, serial);
    if (!m_run.stillRunning(serial))
        return;
    if (label != Stay)
        m_run.setCurrentBlock(followLine(block, label));
    cBlock *now = m_run.currentBlock();
    if (m_p.project.context().trackCurrentBlock)
        m_p.host.setSelector(now);
    if (now && m_run.stepMode())
        m_run.setPauseChecked(true);
}

bool Interpreter::blockLimitReached(quint64 serial)
{
    if (m_countedRun != serial) {
        m_countedRun = serial;
        m_executed = 0;
    }
    return ++m_executed > m_blockLimit;
}

void Interpreter::selectBlock(cBlock *block)
{
    ModelContext &context = m_p.project.context();
    if (!context.trackCurrentBlock)
        return;
    m_p.host.setSelector(block);
    if (block->hasElement()) {
        context.selectedIndex = block->theObjectShape();
        context.previousSelectedIndex = -1;
    }
}

int Interpreter::execute(cBlock &block, quint64 serial)
{
    const ActionCode code = block.actionCode();
    if (Arithmetic::isArithmetic(code)) {
        doArithmetic(block);
        return EmptyLabel;
    }
    if (Arithmetic::isCondition(code)) {
        const double left = numericOperand(block, 0);
        const double right = numericOperand(block, 1);
        return Arithmetic::compare(code, left, right) ? YesLabel : NoLabel;
    }
    switch (code) {
    case ActionCode::Start:
        m_calls->startBlock(block, serial);
        return EmptyLabel;
    case ActionCode::Stop:
        m_calls->stopBlock(serial);
        return Stay;
    case ActionCode::Input:
        return doInput(block, serial);
    case ActionCode::Output:
        doOutput(block);
        return EmptyLabel;
    case ActionCode::Definition:
        return doDefinition(block);
    case ActionCode::Join:
        doJoin(block);
        return EmptyLabel;
    case ActionCode::Comp:
        doComp(block);
        return EmptyLabel;
    case ActionCode::Sql:
        m_p.log.showModal(QStringLiteral("SQL artık desteklenmiyor! Üzgünüz! Sorularınız için e-posta adresi: ")
                              + QStringLiteral("destek@varnel.org") + QStringLiteral("!"),
                          QStringLiteral("Varnel"));
        return EmptyLabel;
    case ActionCode::Intersection:
        return EmptyLabel;
    case ActionCode::Function:
        if (m_builtIns->callBuiltIn(block.zParam1(), block.zParam2(), block.zParam3()))
            return EmptyLabel;
        m_calls->callProject(block, serial);
        return Stay;
    case ActionCode::Window:
        doWindow(block);
        return Stay;
    default:
        m_p.log.mBox(QStringLiteral("timerRunner_Timer(). BİLİNMEYEN İŞLEM!: ") + block.zAction());
        m_run.TerminateExecution();
        return Stay;
    }
}

// Operands are read on every tick of every loop: kept inline, they cost a few instructions.
[[gnu::always_inline]] inline int Interpreter::operandColumn(const cBlock &block, int slot)
{
    RunCache::Operand &cache = block.runCache().operand[slot];
    if (cache.revision == block.revision() && cache.generation == m_p.vars.addGeneration())
        return cache.column;
    cache.revision = block.revision();
    cache.column = m_p.vars.findVar(block.zParam(slot));
    cache.generation = m_p.vars.addGeneration();
    return cache.column;
}

QString Interpreter::textOperand(const cBlock &block, int slot)
{
    const int column = operandColumn(block, slot);
    return column >= 0 ? m_p.vars.valueAt(column).text() : block.zParam(slot);
}

[[gnu::always_inline]] inline double Interpreter::numericOperand(const cBlock &block, int slot)
{
    double number = 0;
    const int column = operandColumn(block, slot);
    if (column >= 0) {
        if (!m_p.vars.valueAt(column).toNumber(number))
            throw VarnelError::typeMismatch(tickSource);
        return number;
    }
    RunCache::Operand &cache = block.runCache().operand[slot];
    if (cache.literalRevision != block.revision()) {
        cache.literalRevision = block.revision();
        cache.literalIsNumber = Numbers::parse(block.zParam(slot), cache.literal);
    }
    if (!cache.literalIsNumber)
        throw VarnelError::typeMismatch(tickSource);
    return cache.literal;
}

void Interpreter::setResult(const cBlock &block, int slot, Value value)
{
    const int column = operandColumn(block, slot);
    if (column >= 0) {
        m_p.vars.setValueAt(column, std::move(value));
        return;
    }
    RunCache::Operand &cache = block.runCache().operand[slot];
    cache.column = m_p.vars.setValue(block.zParam(slot), std::move(value));
    cache.revision = block.revision();
    cache.generation = m_p.vars.addGeneration();
}

void Interpreter::doArithmetic(cBlock &block)
{
    const double left = numericOperand(block, 0);
    const double right = numericOperand(block, 1);
    const double result = Arithmetic::apply(block.actionCode(), left, right);
    const int column = operandColumn(block, 2);
    if (column >= 0)
        m_p.vars.setNumberAt(column, result);
    else
        setResult(block, 2, Value::fromNumber(result));
}

void Interpreter::doJoin(cBlock &block)
{
    const int target = operandColumn(block, 2);
    const QString tail = TextRules::stripQuotes(textOperand(block, 1));
    if (target >= 0 && target == operandColumn(block, 0)) {
        const QString &head = m_p.vars.valueAt(target).text();
        if (TextRules::stripQuotes(head).size() == head.size()) {
            m_p.vars.appendAt(target, tail);
            return;
        }
    }
    const QString head = TextRules::stripQuotes(textOperand(block, 0));
    setResult(block, 2, Value(head + tail));
}

void Interpreter::doComp(cBlock &block)
{
    const QString left = TextRules::stripQuotes(textOperand(block, 0));
    const QString right = TextRules::stripQuotes(textOperand(block, 1));
    m_collator.setLocale(Numbers::locale());
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    const int order = m_collator.compare(left, right);
    setResult(block, 2, Value(QString::number(order < 0 ? -1 : (order > 0 ? 1 : 0))));
}

int Interpreter::doInput(cBlock &block, quint64 serial)
{
    m_p.host.showConsole(true);
    const QString prompt = block.zParam1();
    const QString target = block.zParam2();
    const QString typed = m_p.console.inputLine(prompt);
    // The wait processed events: the run may have been stopped, or the drawing replaced.
    if (!m_run.stillRunning(serial) || m_run.currentBlock() != &block)
        return Stay;
    m_p.vars.setVar(target, typed);
    return EmptyLabel;
}

void Interpreter::bringConsoleForward()
{
    m_p.host.restoreConsole();
    // A steady clock: the time of day costs a time-zone check per call and jumps at midnight.
    const qint64 now = std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::steady_clock::now().time_since_epoch())
                           .count();
    if (m_run.lastScreenShow < 0 || now - m_run.lastScreenShow > 1000) {
        m_p.host.showConsole(false);
        m_run.lastScreenShow = now;
    }
}

void Interpreter::doOutput(cBlock &block)
{
    bringConsoleForward();
    const QString &text = block.zParam1();
    const QString &variable = block.zParam2();
    if (variable.isEmpty()) {
        m_p.console.printLine(text);
        return;
    }
    const QString value = m_p.vars.getVar(variable);
    m_p.console.printLine(text.isEmpty() ? value : text + QStringLiteral(" ") + value);
}

int Interpreter::doDefinition(cBlock &block)
{
    const QString &target = block.zParam1();
    const QString &source = block.zParam2();
    const bool objectTarget = target.contains(QLatin1Char('.')) && !isQuoted(target);
    const bool objectSource = source.contains(QLatin1Char('.')) && !isQuoted(source);
    if (!objectTarget && !objectSource) {
        const int column = operandColumn(block, 1);
        setResult(block, 0, column >= 0 ? m_p.vars.valueAt(column) : Value(source));
        return EmptyLabel;
    }
    if (!m_p.host.windowLoaded()) {
        m_p.log.mBox(QStringLiteral("Bu işlem pencerenin\r\naçık olmasını gerektiriyor!"));
        m_run.TerminateExecution();
        return Stay;
    }
    if (m_p.host.processObjectDefinition(target, source))
        return EmptyLabel;
    m_run.TerminateExecution();
    return Stay;
}

void Interpreter::doWindow(cBlock &block)
{
    m_run.stopTicking();
    if (!m_p.host.openWindow(&block))
        m_run.TerminateExecution();
}

cBlock *Interpreter::followLine(cBlock *block, int label)
{
    const RunCache::Next &cached = block->runCache().next[label];
    if (cached.found && cached.linkGeneration == m_p.project.context().linkGeneration())
        return cached.block;
    return nextBlock(block, label == YesLabel ? m_yes : (label == NoLabel ? m_no : QString()));
}

cBlock *Interpreter::nextBlock(cBlock *block, const QString &label)
{
    if (!block)
        return nullptr;
    const int slot = label.isEmpty() ? EmptyLabel : (label == m_yes ? YesLabel : (label == m_no ? NoLabel : Stay));
    const quint64 generation = m_p.project.context().linkGeneration();
    for (const cLine *line : m_p.project.theLineCollection().outgoing(block->TagID())) {
        if (!label.isEmpty() && line->sCaption().compare(label, Qt::CaseInsensitive) != 0)
            continue;
        cBlock *target = m_p.project.theBlockCollection().item(line->sTo());
        if (slot != Stay)
            block->runCache().next[slot] = {target, true, generation};
        return target;
    }
    if (label.isEmpty())
        m_p.log.mBox(QStringLiteral("Nesne: ") + block->TagID() + QStringLiteral(" - BAĞLI DEĞİL!"));
    else
        m_p.log.mBox(QStringLiteral("Nesne: ") + block->TagID() + QStringLiteral(" - ") + label
                     + QStringLiteral(" ile bağlı değil."));
    return nullptr;
}

cBlock *Interpreter::findBlockByAction(const QString &code)
{
    for (const auto &block : m_p.project.theBlockCollection()) {
        if (block->zAction() == code)
            return block.get();
    }
    m_p.log.mBox(QStringLiteral("Nesne: ") + code + QStringLiteral(" - bulunamadı!"));
    return nullptr;
}
