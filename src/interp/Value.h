#pragma once

#include "interp/Numbers.h"

#include <QString>
#include <cmath>

// A variable's value. To the program every value is text; a number computed by arithmetic
// keeps its double and writes its text only when someone reads it, and a text read as a
// number keeps the parsed double, so counting loops never format or parse twice.
class Value {
public:
    Value() = default;
    explicit Value(const QString &text) : m_text(text), m_hasText(true) {}
    // The cached double must be what reading the text back would give. Whole numbers below
    // 10^15 survive the 15-digit text unchanged, so their text can wait; any other number is
    // written at once and read back.
    static Value fromNumber(double number)
    {
        Value v;
        v.setNumber(number);
        return v;
    }

    void setNumber(double number)
    {
        m_numberState = Parsed;
        if (isShortWhole(number)) [[likely]] {
            m_number = number + 0.0; // no negative zero
            m_hasText = false;
            if (!m_text.isNull())
                m_text = QString();
            return;
        }
        m_text = Numbers::format(number);
        m_hasText = true;
        if (!Numbers::parse(m_text, m_number))
            m_numberState = NotANumber;
    }

    const QString &text() const
    {
        if (!m_hasText) {
            m_text = Numbers::format(m_number);
            m_hasText = true;
        }
        return m_text;
    }

    // The numeric reading of the text; false when it is not a number.
    // Kept inline: the compiler otherwise gives up on it in the debugger's copy of the run loop.
    [[gnu::always_inline]] bool toNumber(double &out) const
    {
        if (m_numberState == Unknown) {
            m_numberState = Numbers::parse(m_text, m_number) ? Parsed : NotANumber;
        }
        out = m_number;
        return m_numberState == Parsed;
    }

    // JOIN into the same variable grows its text in place instead of copying it each time.
    void appendText(const QString &tail)
    {
        text();
        m_text += tail;
        m_numberState = Unknown;
    }

private:
    // A whole number below 10^15 in magnitude. The conversion to an integer is one instruction
    // where std::trunc may be a library call; the magnitude test comes first, so the
    // conversion never overflows (and NaN fails it).
    static bool isShortWhole(double number)
    {
        return std::fabs(number) < 1e15 && double(qint64(number)) == number;
    }

    enum NumberState : unsigned char { Unknown, Parsed, NotANumber };
    mutable QString m_text;
    mutable double m_number = 0;
    mutable NumberState m_numberState = Unknown;
    mutable bool m_hasText = true;
};
