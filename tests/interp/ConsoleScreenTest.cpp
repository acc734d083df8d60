#include "interp/ConsoleScreen.h"

#include "interp/ChartBuilder.h"

#include <QSet>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace {

class ConsoleScreenTest : public ::testing::Test {
protected:
    ConsoleScreenTest()
    {
        QObject::connect(&console, &ConsoleScreen::rowFinished, &console,
                         [this](const QString &row) { rows.append(row); });
    }

    // Runs once the console waits for the line: inputLine waits in a nested event loop, so
    // whatever the user would do arrives as events.
    void whileWaiting(std::function<void()> action)
    {
        QTimer::singleShot(0, &console, std::move(action));
    }
    void typeWhileWaiting(std::vector<int> keys)
    {
        whileWaiting([this, keys] {
            for (const int key : keys)
                console.processKey(key);
        });
    }

    QString input(const QString &prompt)
    {
        // Only a broken console would still wait after this; the test then fails instead of
        // hanging.
        QTimer::singleShot(20000, &console, [this] {
            timedOut = true;
            console.cancelInput();
        });
        const QString typed = console.inputLine(prompt);
        EXPECT_FALSE(timedOut);
        return typed;
    }

    void printNumbers(int from, int to)
    {
        for (int i = from; i <= to; ++i)
            console.printLine(QString::number(i));
    }

    ConsoleScreen console;
    QStringList rows;
    bool timedOut = false;
};

TEST_F(ConsoleScreenTest, EnterAtOnceGivesAnEmptyLineAndThePromptRow)
{
    typeWhileWaiting({13});
    EXPECT_EQ(input(QStringLiteral("Adınız")), QString());
    EXPECT_FALSE(console.inputPending());
    EXPECT_EQ(console.line(0), QStringLiteral("Adınız >"));
    EXPECT_EQ(console.currentLine(), 1);
    EXPECT_EQ(rows, QStringList{QStringLiteral("Adınız >")});
}

TEST_F(ConsoleScreenTest, TypedKeysBuildTheLineAndBackspaceRemovesTheLastCharacter)
{
    console.printLine(QStringLiteral("önce"));
    bool redrawn = false;
    whileWaiting([&] {
        EXPECT_TRUE(console.inputPending());
        EXPECT_EQ(console.inputRow(), 1);
        console.processKey('a');
        redrawn = console.lastInputDrawn() == QStringLiteral("Ad >a") + console.inputCursor();
        console.processKey('b');
        console.processKey(8);
        console.processKey(0xE7); // ç
        console.processKey(13);
    });
    EXPECT_EQ(input(QStringLiteral("Ad")), QStringLiteral("aç"));
    EXPECT_TRUE(redrawn) << "every key redraws the pending input";
    EXPECT_EQ(console.line(0), QStringLiteral("önce"));
    EXPECT_EQ(console.line(1), QStringLiteral("Ad >aç"));
    EXPECT_EQ(console.currentLine(), 2);
    EXPECT_EQ(rows, (QStringList{QStringLiteral("önce"), QStringLiteral("Ad >aç")}));
}

TEST_F(ConsoleScreenTest, BackspaceOnAnEmptyInputDoesNothing)
{
    typeWhileWaiting({8, 8, 'x', 8, 8, 'y', 13});
    EXPECT_EQ(input(QStringLiteral("P")), QStringLiteral("y"));
    EXPECT_EQ(console.line(0), QStringLiteral("P >y"));
}

TEST_F(ConsoleScreenTest, KeysAreTakenOnlyWhileAnInputIsPending)
{
    console.processKey('a');
    console.processKey(13);
    EXPECT_EQ(console.inputText(), QString());
    EXPECT_FALSE(console.inputPending());
    EXPECT_TRUE(rows.isEmpty());

    typeWhileWaiting({'b', 13, 'c', 13});
    EXPECT_EQ(input(QStringLiteral("P")), QStringLiteral("b"));
    console.processKey('d');
    EXPECT_EQ(console.inputText(), QStringLiteral("b"));
    EXPECT_EQ(console.line(0), QStringLiteral("P >b"));
    EXPECT_EQ(console.line(1), QString());
    EXPECT_EQ(console.currentLine(), 1);
}

TEST_F(ConsoleScreenTest, AnUnterminatedLineIsContinuedByTheNextOutput)
{
    console.printLine(QStringLiteral("a"), true);
    EXPECT_EQ(console.currentLine(), 0);
    EXPECT_TRUE(rows.isEmpty());
    console.printLine(QStringLiteral("b"));
    EXPECT_EQ(console.line(0), QStringLiteral("ab"));
    EXPECT_EQ(console.currentLine(), 1);
    EXPECT_EQ(rows, QStringList{QStringLiteral("ab")});
}

TEST_F(ConsoleScreenTest, TheThirtyEighthLineScrollsByOneRowInATallWindow)
{
    console.setVisibleRows(50);
    printNumbers(1, 37);
    EXPECT_EQ(console.line(0), QStringLiteral("1"));
    EXPECT_EQ(console.line(36), QStringLiteral("37"));
    EXPECT_EQ(console.currentLine(), 37);

    console.printLine(QStringLiteral("38"));
    EXPECT_EQ(console.line(0), QStringLiteral("2"));
    EXPECT_EQ(console.line(35), QStringLiteral("37"));
    EXPECT_EQ(console.line(36), QStringLiteral("38"));
    EXPECT_EQ(console.currentLine(), 37);

    console.printLine(QStringLiteral("39"));
    EXPECT_EQ(console.line(0), QStringLiteral("3"));
    EXPECT_EQ(console.line(36), QStringLiteral("39"));
    EXPECT_EQ(rows.size(), 39);
}

TEST_F(ConsoleScreenTest, RowsStayInOrderAfterScrollingPastTheBufferManyTimes)
{
    printNumbers(1, 100);
    for (int row = 0; row < ConsoleScreen::LineCount; ++row)
        ASSERT_EQ(console.line(row), QString::number(64 + row)) << row;

    // Fewer visible rows: the rows below the window are empty, and stay so as it scrolls.
    console.clearScreen();
    console.setVisibleRows(5);
    printNumbers(1, 80);
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(console.line(row), QString::number(76 + row)) << row;
    for (int row = 5; row < ConsoleScreen::LineCount; ++row)
        ASSERT_EQ(console.line(row), QString()) << row;
}

TEST_F(ConsoleScreenTest, ASmallWindowScrollsEachOutputAtTheBottomByOneRow)
{
    console.setVisibleRows(3);
    printNumbers(1, 3);
    EXPECT_EQ(console.currentLine(), 3);
    for (int next = 4; next <= 6; ++next) {
        console.printLine(QString::number(next));
        EXPECT_EQ(console.line(0), QString::number(next - 2));
        EXPECT_EQ(console.line(1), QString::number(next - 1));
        EXPECT_EQ(console.line(2), QString::number(next));
        EXPECT_EQ(console.line(3), QString());
        EXPECT_EQ(console.currentLine(), 3);
    }

    // An input at the bottom scrolls the same way before it is shown.
    typeWhileWaiting({'x', 13});
    EXPECT_EQ(input(QStringLiteral("P")), QStringLiteral("x"));
    EXPECT_EQ(console.line(0), QStringLiteral("5"));
    EXPECT_EQ(console.line(1), QStringLiteral("6"));
    EXPECT_EQ(console.line(2), QStringLiteral("P >x"));
    EXPECT_EQ(console.currentLine(), 3);
}

TEST_F(ConsoleScreenTest, ClearScreenEmptiesEveryLine)
{
    printNumbers(1, 10);
    console.clearScreen();
    for (int i = 0; i < ConsoleScreen::LineCount; ++i)
        EXPECT_EQ(console.line(i), QString()) << i;
    EXPECT_EQ(console.currentLine(), 0);
    console.printLine(QStringLiteral("yeni"));
    EXPECT_EQ(console.line(0), QStringLiteral("yeni"));
}

TEST_F(ConsoleScreenTest, ClearScreenDuringAnInputKeepsTheInputPending)
{
    printNumbers(1, 2);
    bool pendingAfterClear = false;
    int rowAfterClear = -1;
    int currentAfterClear = -1;
    QString lineAfterClear = QStringLiteral("<unset>");
    whileWaiting([&] {
        console.processKey('a');
        console.clearScreen();
        pendingAfterClear = console.inputPending();
        rowAfterClear = console.inputRow();
        currentAfterClear = console.currentLine();
        lineAfterClear = console.line(0) + console.line(1) + console.line(2);
        console.processKey('b');
        console.processKey(13);
    });
    EXPECT_EQ(input(QStringLiteral("P")), QStringLiteral("ab"));
    EXPECT_TRUE(pendingAfterClear);
    EXPECT_EQ(rowAfterClear, 2) << "the input keeps its old position";
    EXPECT_EQ(currentAfterClear, 0);
    EXPECT_EQ(lineAfterClear, QString());
    // The finished input is written to the line now being written, which the clear reset.
    EXPECT_EQ(console.line(0), QStringLiteral("P >ab"));
    EXPECT_EQ(console.currentLine(), 1);
}

TEST_F(ConsoleScreenTest, ThePendingInputBlinksItsCursor)
{
    // The cursor ticks run inside the input's own wait; the line is ended once both cursor
    // states have been drawn.
    QSet<QString> drawn;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &console, [&] {
        drawn.insert(console.lastInputDrawn());
        if (drawn.contains(QStringLiteral("P >a_")) && drawn.contains(QStringLiteral("P >a ")))
            console.processKey(13);
    });
    whileWaiting([&] {
        console.processKey('a');
        poll.start();
    });
    EXPECT_EQ(input(QStringLiteral("P")), QStringLiteral("a"));
    EXPECT_EQ(console.line(0), QStringLiteral("P >a")) << "the finished row has no cursor";
    EXPECT_EQ(console.inputCursor(), QString());
}

TEST_F(ConsoleScreenTest, CancellingEndsThePendingInputWithWhatWasTyped)
{
    whileWaiting([this] {
        console.processKey('a');
        console.processKey('b');
        console.cancelInput();
    });
    EXPECT_EQ(input(QStringLiteral("P")), QStringLiteral("ab"));
    EXPECT_FALSE(console.inputPending());
    EXPECT_EQ(rows, QStringList{QStringLiteral("P >ab")});

    // Cancelling with nothing pending changes nothing.
    console.cancelInput();
    EXPECT_EQ(console.currentLine(), 1);
}

TEST_F(ConsoleScreenTest, LinesFromASourceAnswerInputsWithoutKeys)
{
    QStringList prompts;
    std::vector<std::optional<QString>> answers{QStringLiteral("satır"), std::nullopt};
    std::size_t next = 0;
    console.setLineSource([&](const QString &prompt) {
        prompts.append(prompt);
        EXPECT_TRUE(console.inputPending());
        return answers[next++];
    });
    EXPECT_EQ(console.inputLine(QStringLiteral("Bir")), QStringLiteral("satır"));
    EXPECT_FALSE(console.inputExhausted());
    EXPECT_EQ(console.inputLine(QStringLiteral("İki")), QString());
    EXPECT_TRUE(console.inputExhausted());
    EXPECT_FALSE(console.inputPending());
    EXPECT_EQ(prompts, (QStringList{QStringLiteral("Bir"), QStringLiteral("İki")}));
    EXPECT_EQ(rows, (QStringList{QStringLiteral("Bir >satır"), QStringLiteral("İki >")}));
}

} // namespace
