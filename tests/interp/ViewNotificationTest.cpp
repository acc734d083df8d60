#include "base/MessageLog.h"
#include "interp/CallStack.h"
#include "interp/ConsoleScreen.h"
#include "interp/RunEnding.h"
#include "interp/VariableStore.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// The three stores the run windows show announce changes alike: a revision that moves with
// every change, and one changed() until the view acknowledges.
template <typename Store>
void expectCoalesced(Store &store, const std::function<void()> &change)
{
    int signals = 0;
    const QMetaObject::Connection counter =
        QObject::connect(&store, &Store::changed, [&signals] { ++signals; });
    const quint64 before = store.revision();
    store.acknowledge();
    for (int i = 0; i < 100; ++i)
        change();
    EXPECT_EQ(signals, 1);
    EXPECT_GE(store.revision(), before + 100);
    store.acknowledge();
    change();
    EXPECT_EQ(signals, 2);
    QObject::disconnect(counter);
}

} // namespace

TEST(ViewNotification, VariablesAnnounceOncePerAcknowledge)
{
    MessageLog log;
    VariableStore vars(&log);
    int i = 0;
    expectCoalesced(vars, [&] { vars.setVar(QStringLiteral("x"), QString::number(++i)); });
    expectCoalesced(vars, [&] { vars.setNumberAt(vars.findVar(QStringLiteral("x")), ++i); });
    expectCoalesced(vars, [&] { vars.appendAt(vars.findVar(QStringLiteral("x")), QStringLiteral("a")); });
}

// No run: these pushes and pops never end one.
class NoRun : public RunEnding {
public:
    bool runInProgress() const override { return false; }
    void endRun() override {}
};

TEST(ViewNotification, StackAnnouncesOncePerAcknowledge)
{
    MessageLog log;
    NoRun run;
    CallStack stack(&log, run);
    expectCoalesced(stack, [&] { stack.PUSH(QStringLiteral("v")); });
    expectCoalesced(stack, [&] { stack.POP(); });
}

TEST(ViewNotification, ConsoleAnnouncesOncePerAcknowledge)
{
    ConsoleScreen console;
    expectCoalesced(console, [&] { console.printLine(QStringLiteral("satır")); });
    expectCoalesced(console, [&] { console.clearScreen(); });
}
