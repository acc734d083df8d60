#include "interp/Interpreter.h"

#include "base/MessageLog.h"
#include "interp/Arithmetic.h"
#include "interp/BuiltIns.h"
#include "interp/CallStack.h"
#include "base/CoarseClock.h"
#include "interp/ConsoleScreen.h"
#include "interp/FunctionCalls.h"
#include "interp/RunEnded.h"
#include "interp/RunHost.h"
#include "interp/TextRules.h"
#include "interp/VariableStore.h"
#include "model/VarnelError.h"
#include "project/Project.h"

#include <type_traits>

namespace {

const QString tickSource = QStringLiteral("timerRunner_Timer");

// Restores the flag however the scope is left, so a thrown error never leaves it set.
class FlagGuard {
public:
    explicit FlagGuard(bool &flag) : m_flag(flag) { m_flag = true; }
    ~FlagGuard() { m_flag = false; }
    FlagGuard(const FlagGuard &) = delete;
    FlagGuard &operator=(const FlagGuard &) = delete;

private:
    bool &m_flag;
};

bool isQuoted(const QString &text)
{
    return text.startsWith(QLatin1Char('"'));
}

bool isObjectPath(const QString &text)
{
    return text.contains(QLatin1Char('.')) && !isQuoted(text);
}

// Blocks that neither wait for the user nor call out to the screen beyond showing the console:
// a slice runs them back to back.
bool isPlain(ActionCode code)
{
    if (Arithmetic::isArithmetic(code) || Arithmetic::isCondition(code))
        return true;
    switch (code) {
    case ActionCode::Intersection:
    case ActionCode::Output:
    case ActionCode::Definition:
    case ActionCode::Join:
    case ActionCode::Comp:
        return true;
    default:
        return false;
    }
}

} // namespace

Interpreter::Interpreter(RunParts parts, RunState &state, QObject *parent)
    : QObject(parent),
      m_parts(parts),
      m_state(state),
      m_walk(parts.project, parts.log),
      m_builtIns(std::make_unique<BuiltIns>(parts.vars, parts.console, parts.host,
                                            [this] { return m_parts.project.projectFolder(); })),
      m_calls(std::make_unique<FunctionCalls>(parts, state, m_walk)),
      m_debugger(parts)
{
}

Interpreter::~Interpreter() = default;

// Waits in a nested event loop (or calls out to the screen, which may): the run may end
// meanwhile, but nothing may unwind through the wait itself.
template<typename Wait>
auto Interpreter::waitFor(Wait wait)
{
    // However fast the run went, the screen shows the block that waits.
    Q_EMIT waiting();
    FlagGuard waitingFlag(m_state.waiting);
    if constexpr (std::is_void_v<decltype(wait())>) {
        wait();
        resumeAfterWait();
    } else {
        auto result = wait();
        resumeAfterWait();
        return result;
    }
}

void Interpreter::resumeAfterWait()
{
    if (!m_state.stillRunning(m_serial))
        throw RunEnded{};
}

MessageText Interpreter::caughtErrorMessage(const QString &source, const MessageText &description, int number)
{
    return MessageText::of(QT_TRANSLATE_NOOP("Message", "timerRunner_Timer(). YAKALANAN HATA: \r\nKaynak: %1\r\n"
                                                        "Açıklama: %2\r\nHata numarası: %3"),
                           {source, description, QString::number(number)});
}

void Interpreter::showError(const VarnelError &error)
{
    m_parts.log.mBox(caughtErrorMessage(error.source(), error.message(), error.number()));
}

Interpreter::Tick Interpreter::runBlocks(int count)
{
    if (m_state.inTick || !m_state.running)
        return Tick::Skipped;
    FlagGuard guard(m_state.inTick);
    m_serial = m_state.serial;
    try {
        // The one check debugging costs when unused.
        if (m_debugger.active()) [[unlikely]]
            return runSlice<true>(count);
        return runSlice<false>(count);
    } catch (const RunEnded &) {
        // Whoever ended the run while the block waited has terminated it already.
        return m_state.stillRunning(m_serial) ? Tick::Ended : Tick::Over;
    } catch (const VarnelError &error) {
        showError(error);
    } catch (const std::exception &) {
        showError(VarnelError(VarnelError::InvalidCall, tickSource,
                              MessageText::of(QT_TRANSLATE_NOOP("Message", "Beklenmeyen hata"))));
    }
    return Tick::Failed;
}

template<bool Debug>
Interpreter::Tick Interpreter::runSlice(int count)
{
    // The block limit changes only through events, which a slice of plain blocks never
    // processes: it is read once per slice. Which block is current is run control's to tell the
    // screen, between ticks and slices, never per block.
    const int blocks = m_blockLimit > 0 ? int(qMin<qint64>(count, blocksAllowed())) : count;
    for (int i = 0; i < blocks; ++i) {
        cBlock *block = m_state.currentBlock;
        if (!block)
            throw RunEnded{};
        if constexpr (Debug) {
            if (!m_debugger.countedQuietly(*block) && m_debugger.beforeBlock(*block, m_state.depth))
                return Tick::Paused;
        }
        ++m_executed;
        const ActionCode code = block->actionCode();
        if (!isPlain(code))
            return runCallingBlock(block);
        const int label = executePlain(*block, code);
        if constexpr (Debug) {
            if (label != EmptyLabel)
                Debugger::conditionTaken(*block, label == YesLabel);
        }
        m_state.currentBlock = m_walk.followLine(block, label);
    }
    if (blocks < count)
        limitReached();
    return Tick::Ran;
}

// The block the run has come to would be one more than the limit allows.
void Interpreter::limitReached()
{
    if (!m_state.currentBlock)
        throw RunEnded{};
    m_parts.log.mBox(MessageText::of(
        QT_TRANSLATE_NOOP("Message", "Çalıştırma sınırı aşıldı: program %1 bloktan fazlasını çalıştırdı."),
        {QString::number(m_blockLimit)}));
    throw RunEnded{};
}

qint64 Interpreter::blocksAllowed()
{
    if (m_countedRun != m_serial) {
        m_countedRun = m_serial;
        m_executed = 0;
    }
    return qMax<qint64>(0, m_blockLimit - m_executed);
}

// A block that may have waited or called out ends the slice; the screen may have stopped the
// run, or changed the tracking or the controls, meanwhile.
Interpreter::Tick Interpreter::runCallingBlock(cBlock *block)
{
    const int label = execute(*block);
    if (!m_state.stillRunning(m_serial))
        return Tick::Over;
    if (label != Stay)
        m_state.currentBlock = m_walk.followLine(block, label);
    return Tick::Ran;
}

// Kept inline: a counting loop is nothing but these blocks.
[[gnu::always_inline]] inline int Interpreter::executePlain(cBlock &block, ActionCode code)
{
    if (code == ActionCode::Intersection)
        return EmptyLabel;
    const RunCache &cache = resolved(block);
    if (Arithmetic::isArithmetic(code)) {
        doArithmetic(block, cache, code);
        return EmptyLabel;
    }
    if (Arithmetic::isCondition(code))
        return Arithmetic::compare(code, numericOperand(cache, 0), numericOperand(cache, 1)) ? YesLabel : NoLabel;
    switch (code) {
    case ActionCode::Output:
        doOutput(block, cache);
        break;
    case ActionCode::Definition:
        doDefinition(block, cache);
        break;
    case ActionCode::Join:
        doJoin(block, cache);
        break;
    case ActionCode::Comp:
        doComp(block, cache);
        break;
    default:
        break;
    }
    return EmptyLabel;
}

int Interpreter::execute(cBlock &block)
{
    switch (block.actionCode()) {
    case ActionCode::Start:
        m_calls->startBlock(block);
        return EmptyLabel;
    case ActionCode::Stop:
        m_calls->stopBlock();
        return Stay;
    case ActionCode::Input:
        return doInput(block);
    case ActionCode::Sql:
        waitFor([this] {
            m_parts.log.showModal(
                MessageText::of(
                    QT_TRANSLATE_NOOP("Message", "SQL artık desteklenmiyor! Üzgünüz! Sorularınız için e-posta adresi: %1!"),
                    {QStringLiteral("destek@varnel.org")}),
                QStringLiteral("Varnel"));
        });
        return EmptyLabel;
    case ActionCode::Function:
        if (runBuiltIn(block))
            return EmptyLabel;
        m_calls->callProject(block, chartArgument(block));
        return Stay;
    case ActionCode::Window:
        doWindow(block);
        return Stay;
    default:
        m_parts.log.mBox(
            MessageText::of(QT_TRANSLATE_NOOP("Message", "timerRunner_Timer(). BİLİNMEYEN İŞLEM!: %1"), {block.zAction()}));
        throw RunEnded{};
    }
}

// Runs the built-in a FUNCTION block names; false when it names none, and so calls a chart. A
// block found to name none names none until it changes, so its calls skip the look-up.
bool Interpreter::runBuiltIn(const cBlock &block)
{
    RunCache &cache = block.runCache();
    if (cache.chartCallRevision == block.revision())
        return false;
    if (m_builtIns->callBuiltIn(block.zParam1(), block.zParam2(), block.zParam3()))
        return true;
    cache.chartCallRevision = block.revision();
    return false;
}

// What a chart call passes: the second parameter, read as the variable it names where it names
// one. Kept out of line, so that the slice loop, which inlines the operand look-up, stays as it
// is without it.
[[gnu::noinline]] Value Interpreter::chartArgument(const cBlock &block)
{
    const int column = resolved(block).operand[1].column;
    return column >= 0 ? m_parts.vars.valueAt(column) : Value(block.zParam2());
}

[[gnu::always_inline]] inline RunCache &Interpreter::resolved(const cBlock &block)
{
    RunCache &cache = block.runCache();
    if (cache.revision != block.revision() || cache.generation != m_parts.vars.addGeneration()) [[unlikely]]
        resolve(block, cache);
    return cache;
}

void Interpreter::resolve(const cBlock &block, RunCache &cache)
{
    for (int slot = 0; slot < 3; ++slot) {
        RunCache::Operand &operand = cache.operand[slot];
        operand.column = m_parts.vars.findVar(block.zParam(slot));
        operand.isNumber = operand.column < 0 && Numbers::parse(block.zParam(slot), operand.number);
    }
    cache.revision = block.revision();
    cache.generation = m_parts.vars.addGeneration();
}

QString Interpreter::textOperand(const cBlock &block, const RunCache &cache, int slot)
{
    const int column = cache.operand[slot].column;
    return column >= 0 ? m_parts.vars.valueAt(column).text() : block.zParam(slot);
}

[[gnu::always_inline]] inline double Interpreter::numericOperand(const RunCache &cache, int slot)
{
    const RunCache::Operand &operand = cache.operand[slot];
    if (operand.column >= 0) {
        double number = 0;
        if (!m_parts.vars.valueAt(operand.column).toNumber(number))
            throw VarnelError::typeMismatch(tickSource);
        return number;
    }
    if (!operand.isNumber)
        throw VarnelError::typeMismatch(tickSource);
    return operand.number;
}

void Interpreter::setResult(const cBlock &block, int slot, Value value)
{
    RunCache::Operand &operand = resolved(block).operand[slot];
    if (operand.column >= 0)
        m_parts.vars.setValueAt(operand.column, std::move(value));
    else
        operand.column = m_parts.vars.setValue(block.zParam(slot), std::move(value));
}

[[gnu::always_inline]] inline void Interpreter::doArithmetic(const cBlock &block, const RunCache &cache,
                                                             ActionCode code)
{
    const double result = Arithmetic::apply(code, numericOperand(cache, 0), numericOperand(cache, 1));
    const int column = cache.operand[2].column;
    if (column >= 0)
        m_parts.vars.setNumberAt(column, result);
    else
        setResult(block, 2, Value::fromNumber(result));
}

void Interpreter::doJoin(const cBlock &block, const RunCache &cache)
{
    const int target = cache.operand[2].column;
    const QString tail = TextRules::stripQuotes(textOperand(block, cache, 1));
    if (target >= 0 && target == cache.operand[0].column) {
        const QString &head = m_parts.vars.valueAt(target).text();
        if (TextRules::stripQuotes(head).size() == head.size()) {
            TextRules::checkLength(head.size() + tail.size(), tickSource);
            m_parts.vars.appendAt(target, tail);
            return;
        }
    }
    const QString head = TextRules::stripQuotes(textOperand(block, cache, 0));
    TextRules::checkLength(head.size() + tail.size(), tickSource);
    setResult(block, 2, Value(head + tail));
}

void Interpreter::doComp(const cBlock &block, const RunCache &cache)
{
    const QString left = TextRules::stripQuotes(textOperand(block, cache, 0));
    const QString right = TextRules::stripQuotes(textOperand(block, cache, 1));
    m_collator.setLocale(Numbers::locale());
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    const int order = m_collator.compare(left, right);
    setResult(block, 2, Value(QString::number(order < 0 ? -1 : (order > 0 ? 1 : 0))));
}

int Interpreter::doInput(cBlock &block)
{
    m_parts.host.showConsole(true);
    const QString typed = waitFor([&] { return m_parts.console.inputLine(block.zParam1()); });
    // The wait processed events: the drawing may have been replaced.
    if (m_state.currentBlock != &block)
        return Stay;
    TextRules::checkLength(typed.size(), tickSource);
    setResult(block, 1, Value(typed));
    return EmptyLabel;
}

void Interpreter::bringConsoleForward()
{
    m_parts.host.restoreConsole();
    const qint64 now = CoarseClock::nowMs();
    if (m_lastScreenShow < 0 || now - m_lastScreenShow > 1000) {
        m_parts.host.showConsole(false);
        m_lastScreenShow = now;
    }
}

void Interpreter::doOutput(const cBlock &block, const RunCache &cache)
{
    bringConsoleForward();
    const QString &text = block.zParam1();
    const QString &variable = block.zParam2();
    if (variable.isEmpty()) {
        m_parts.console.printLine(text);
        return;
    }
    const int column = cache.operand[1].column;
    // A missing variable goes through the named lookup, which reports it.
    const QString value = column >= 0 ? m_parts.vars.valueAt(column).text() : m_parts.vars.getVar(variable);
    m_parts.console.printLine(text.isEmpty() ? value : text + QStringLiteral(" ") + value);
}

void Interpreter::doDefinition(const cBlock &block, const RunCache &cache)
{
    const QString &target = block.zParam1();
    const QString &source = block.zParam2();
    if (!isObjectPath(target) && !isObjectPath(source)) {
        const int column = cache.operand[1].column;
        setResult(block, 0, column >= 0 ? m_parts.vars.valueAt(column) : Value(source));
        return;
    }
    if (!m_parts.host.windowLoaded()) {
        m_parts.log.mBox(MessageText::of(QT_TRANSLATE_NOOP("Message", "Bu işlem pencerenin\r\naçık olmasını gerektiriyor!")));
        throw RunEnded{};
    }
    if (!waitFor([&] { return m_parts.host.processObjectDefinition(target, source); }))
        throw RunEnded{};
}

void Interpreter::doWindow(cBlock &block)
{
    Q_EMIT windowOpening();
    if (!waitFor([&] { return m_parts.host.openWindow(&block); }))
        throw RunEnded{};
}
