#pragma once

#include "base/MessageText.h"
#include "model/ActionCode.h"

#include <QString>

class VariableStore;

// The condition of a breakpoint, written the way a condition block's two operands and its
// operator are ("i = 50", "toplam >= 100"); an empty text always holds. It compares the way a
// condition block does, and a failed comparison raises the same error.
class BreakpointCondition {
public:
    BreakpointCondition() = default;
    // An unreadable text gives a condition whose isValid() is false.
    explicit BreakpointCondition(const QString &text);

    bool isValid() const { return m_valid; }
    bool isEmpty() const { return m_text.isEmpty(); }
    const QString &text() const { return m_text; }
    // Throws VarnelError when an operand is not a number.
    bool holds(const VariableStore &vars) const;

    // The message that refuses an unreadable text.
    static MessageText unreadable(const QString &text);

private:
    static double operand(const VariableStore &vars, const QString &text);

    QString m_text;
    QString m_left;
    QString m_right;
    ActionCode m_code = ActionCode::Unknown;
    bool m_valid = true;
};
