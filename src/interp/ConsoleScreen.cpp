#include "interp/ConsoleScreen.h"

#include <QEventLoop>

#include <algorithm>
#include <utility>

ConsoleScreen::ConsoleScreen(QObject *parent)
    : QObject(parent)
{
    m_timerInput.setInterval(220);
    connect(&m_timerInput, &QTimer::timeout, this, &ConsoleScreen::onCursorTick);
}

void ConsoleScreen::touch()
{
    ++m_revision;
    if (m_announced)
        return;
    m_announced = true;
    Q_EMIT changed();
}

ConsoleScreen::State ConsoleScreen::state() const
{
    State state;
    std::copy(std::begin(m_screenLines), std::end(m_screenLines), std::begin(state.lines));
    state.firstSlot = m_firstSlot;
    state.currentLine = m_currentLine;
    state.inputPrompt = m_inputPrompt;
    state.inputText = m_inputText;
    state.lastInputDrawn = m_lastInputDrawn;
    state.inputRow = m_inputRow;
    return state;
}

void ConsoleScreen::restore(const State &state)
{
    std::copy(std::begin(state.lines), std::end(state.lines), std::begin(m_screenLines));
    m_firstSlot = state.firstSlot;
    m_currentLine = state.currentLine;
    m_inputPrompt = state.inputPrompt;
    m_inputText = state.inputText;
    m_lastInputDrawn = state.lastInputDrawn;
    m_inputRow = state.inputRow;
    touch();
}

void ConsoleScreen::setVisibleRows(int rows)
{
    m_visibleRows = qMax(1, rows);
}

void ConsoleScreen::scrollIfFull()
{
    // The next row would fall below the drawing area, or the buffer is used up: one row up.
    if (m_currentLine < m_visibleRows && m_currentLine < LineCount)
        return;
    m_firstSlot = slot(1);
    row(LineCount - 1).clear();
    m_currentLine = qMax(0, m_currentLine - 1);
    touch();
}

void ConsoleScreen::printLine(const QString &text, bool b_NOT_TerminateWithNewLine)
{
    scrollIfFull();
    row(m_currentLine) += text;
    if (!b_NOT_TerminateWithNewLine) {
        const QString finished = row(m_currentLine);
        ++m_currentLine;
        Q_EMIT rowFinished(finished);
    }
    touch();
}

QString ConsoleScreen::inputLine(const QString &message)
{
    scrollIfFull();
    m_inputRow = m_currentLine;
    m_inputPrompt = message;
    m_inputText.clear();
    m_inputCursor = QStringLiteral("_");
    m_lastInputDrawn.clear();
    if (m_replay) {
        m_inputText = *std::exchange(m_replay, std::nullopt);
    } else if (m_lineSource) {
        m_waitingForSource = true;
        drawInputLine();
        const std::optional<QString> line = m_lineSource(message);
        m_waitingForSource = false;
        m_inputExhausted = !line.has_value();
        if (line)
            m_inputText = *line;
    } else {
        QEventLoop loop;
        connect(this, &ConsoleScreen::inputEnded, &loop, &QEventLoop::quit);
        m_timerInput.start();
        drawInputLine();
        loop.exec();
    }
    m_inputCursor.clear();
    drawInputLine();
    row(m_currentLine) = m_lastInputDrawn;
    ++m_currentLine;
    Q_EMIT rowFinished(m_lastInputDrawn);
    return m_inputText;
}

void ConsoleScreen::drawInputLine()
{
    m_lastInputDrawn = m_inputPrompt + QStringLiteral(" >") + m_inputText + m_inputCursor;
    touch();
}

void ConsoleScreen::onCursorTick()
{
    drawInputLine();
    m_inputCursor = m_inputCursor == QStringLiteral("_") ? QStringLiteral(" ") : QStringLiteral("_");
}

void ConsoleScreen::cancelInput()
{
    if (!m_timerInput.isActive())
        return;
    m_timerInput.stop();
    Q_EMIT inputEnded();
}

void ConsoleScreen::processKey(int KeyAscii)
{
    if (KeyAscii == 13) {
        cancelInput();
        return;
    }
    if (KeyAscii == 8) {
        if (!m_inputText.isEmpty())
            m_inputText.chop(1);
    } else if (m_timerInput.isActive() && KeyAscii >= 0 && KeyAscii <= 0x10FFFF) {
        const char32_t character = char32_t(KeyAscii);
        m_inputText += QString::fromUcs4(&character, 1);
    }
    if (m_timerInput.isActive())
        drawInputLine();
}

void ConsoleScreen::clearScreen()
{
    for (QString &line : m_screenLines)
        line.clear();
    m_currentLine = 0;
    touch();
}
