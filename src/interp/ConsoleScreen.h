#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

// The console's text buffer and input state: 37 lines, the line being written, and one pending
// input at a time. The window draws what this holds; the terminal runner feeds it lines.
class ConsoleScreen : public QObject {
    Q_OBJECT
public:
    static constexpr int LineCount = 37;

    explicit ConsoleScreen(QObject *parent = nullptr);

    // What a step back puts back: the rows, where the next one goes and the last input.
    struct State {
        QString lines[LineCount];
        int firstSlot = 0;
        int currentLine = 0;
        QString inputPrompt;
        QString inputText;
        QString lastInputDrawn;
        int inputRow = 0;
    };
    State state() const;
    void restore(const State &state);
    // The next input takes this line without waiting: a step forward again replays what was typed.
    void replayNextInput(const QString &line) { m_replay = line; }

    void printLine(const QString &text, bool b_NOT_TerminateWithNewLine = false);
    // Waits (processing events) until Enter or cancelInput; returns what was typed.
    QString inputLine(const QString &message);
    void processKey(int KeyAscii);
    void clearScreen();
    // The run ended: a pending input ends with what was typed so far.
    void cancelInput();

    bool inputPending() const { return m_timerInput.isActive() || m_waitingForSource; }
    // How many rows the view can show; output at the bottom scrolls one row.
    void setVisibleRows(int rows);
    int visibleRows() const { return m_visibleRows; }

    const QString &line(int index) const { return m_screenLines[slot(index)]; }
    int currentLine() const { return m_currentLine; }
    const QString &inputPrompt() const { return m_inputPrompt; }
    const QString &inputText() const { return m_inputText; }
    const QString &inputCursor() const { return m_inputCursor; }
    const QString &lastInputDrawn() const { return m_lastInputDrawn; }
    int inputRow() const { return m_inputRow; }

    // Without a display, lines come from here instead of keys: nullopt means no more input
    // (end of standard input), which cancels the input like the stop button.
    using LineSource = std::function<std::optional<QString>(const QString &prompt)>;
    void setLineSource(LineSource source) { m_lineSource = std::move(source); }
    bool inputExhausted() const { return m_inputExhausted; }

    // Changes with every change of the buffer or the input line. changed() is emitted only on
    // the first change after the view last called acknowledge(), so a fast run costs the view
    // one signal per repaint.
    quint64 revision() const { return m_revision; }
    void acknowledge() { m_announced = false; }

Q_SIGNALS:
    // A row left the console: an output line, or an input row as typed.
    void rowFinished(const QString &row);
    // The buffer changed since the view last acknowledged.
    void changed();
    void inputEnded();

private:
    void scrollIfFull();
    // The buffer is a ring: scrolling moves where row 0 is instead of moving every row.
    int slot(int index) const { return (m_firstSlot + index) % LineCount; }
    QString &row(int index) { return m_screenLines[slot(index)]; }
    void drawInputLine();
    void onCursorTick();
    void touch();

    QString m_screenLines[LineCount];
    int m_firstSlot = 0;
    int m_currentLine = 0;
    int m_visibleRows = LineCount;
    QString m_inputPrompt;
    QString m_inputText;
    QString m_inputCursor;
    QString m_lastInputDrawn;
    int m_inputRow = 0;
    QTimer m_timerInput;
    LineSource m_lineSource;
    std::optional<QString> m_replay;
    bool m_waitingForSource = false;
    bool m_inputExhausted = false;
    quint64 m_revision = 0;
    bool m_announced = false;
};
