#include "interp/BreakpointCondition.h"

#include "interp/Arithmetic.h"
#include "interp/Numbers.h"
#include "interp/VariableStore.h"
#include "model/OperationList.h"
#include "model/VarnelError.h"

namespace {

const QString conditionSource = QStringLiteral("Kesme noktası");

} // namespace

BreakpointCondition::BreakpointCondition(const QString &text) : m_text(text.trimmed())
{
    if (m_text.isEmpty())
        return;
    m_valid = false;
    const OperationList &operators = OperationList::comparison();
    // Two-character operators first, so that "<=" is not read as "<" followed by "= ...".
    int best = -1;
    qsizetype at = -1;
    for (int index = 0; index < operators.items().size(); ++index) {
        const QString &sign = operators.items()[index];
        const qsizetype found = m_text.indexOf(sign);
        if (found < 0)
            continue;
        if (best < 0 || found < at || (found == at && sign.size() > operators.items()[best].size())) {
            best = index;
            at = found;
        }
    }
    if (best < 0)
        return;
    const QString &sign = operators.items()[best];
    m_left = m_text.left(at).trimmed();
    m_right = m_text.mid(at + sign.size()).trimmed();
    m_code = actionCodeOf(operators.codeAt(best));
    m_valid = !m_left.isEmpty() && !m_right.isEmpty();
}

MessageText BreakpointCondition::unreadable(const QString &text)
{
    return MessageText::of(
        QT_TRANSLATE_NOOP("Message", "Kesme noktası koşulu okunamadı: %1\r\nKoşul, bir koşul bloğu gibi yazılır: i = 50"), {text});
}

double BreakpointCondition::operand(const VariableStore &vars, const QString &text)
{
    double number = 0;
    const int column = vars.findVar(text);
    const bool numeric = column >= 0 ? vars.valueAt(column).toNumber(number) : Numbers::parse(text, number);
    if (!numeric)
        throw VarnelError::typeMismatch(conditionSource);
    return number;
}

bool BreakpointCondition::holds(const VariableStore &vars) const
{
    if (m_text.isEmpty())
        return true;
    return Arithmetic::compare(m_code, operand(vars, m_left), operand(vars, m_right));
}
