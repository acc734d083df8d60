#include "model/BlockCaption.h"

#include "base/tranLng.h"
#include "model/Rounding.h"

#include <limits>

namespace {

const QChar Q = u'"';

QString quotedPrompt(const QString &text)
{
    return Q + text + Q;
}

QString outputCaption(const QString &p1, const QString &p2)
{
    if (p2.isEmpty())
        return quotedPrompt(p1);
    if (!p1.isEmpty())
        return quotedPrompt(p1) + QStringLiteral(", ") + p2;
    return p2;
}

QString inputCaption(const QString &p1, const QString &p2)
{
    return p1.isEmpty() ? p2 : quotedPrompt(p1) + QStringLiteral(", ") + p2;
}

// The operator shown between the operands of an arithmetic or text operation; empty for
// every other code.
QString operatorOf(ActionCode code)
{
    switch (code) {
    case ActionCode::Add: return QStringLiteral(" + ");
    case ActionCode::Subtract: return QStringLiteral(" - ");
    case ActionCode::Multiply: return QStringLiteral(" * ");
    case ActionCode::Divide: return QStringLiteral(" / ");
    case ActionCode::DivInt: return QStringLiteral(" \\ ");
    case ActionCode::Module: return QStringLiteral(" MOD ");
    case ActionCode::Power: return QStringLiteral(" ^ ");
    case ActionCode::Percent: return QStringLiteral(" % ");
    case ActionCode::Join: return QStringLiteral(" & ");
    case ActionCode::Comp: return QStringLiteral(" COMP ");
    default: return QString();
    }
}

QString comparisonOf(ActionCode code)
{
    switch (code) {
    case ActionCode::Definition:
    case ActionCode::IfEqual: return QStringLiteral(" = ");
    case ActionCode::IfNotEqual: return QStringLiteral(" <> ");
    case ActionCode::IfLess: return QStringLiteral(" < ");
    case ActionCode::IfLessEqual: return QStringLiteral(" <= ");
    case ActionCode::IfGreater: return QStringLiteral(" > ");
    case ActionCode::IfGreaterEqual: return QStringLiteral(" >= ");
    default: return QString();
    }
}

QString functionCaption(const QString &p1, const QString &p2, const QString &p3)
{
    const QString call = p1 + u'(' + p2 + u')';
    return p3.isEmpty() ? call : p3 + QStringLiteral(" = ") + call;
}

QString mainCaption(const BlockCaption::Source &b)
{
    const QString &p1 = b.p1;
    const QString &p2 = b.p2;
    const QString &p3 = b.p3;
    switch (b.code) {
    case ActionCode::Start: return tranLng(QStringLiteral("start"));
    case ActionCode::Stop: return tranLng(QStringLiteral("stop"));
    case ActionCode::Output: return outputCaption(p1, p2);
    case ActionCode::Input: return inputCaption(p1, p2);
    case ActionCode::Sql: return QStringLiteral("SQL");
    case ActionCode::Function: return functionCaption(p1, p2, p3);
    case ActionCode::Window: return tranLng(QStringLiteral("window"));
    case ActionCode::Intersection:
    case ActionCode::Unknown: return b.current.main;
    default: break;
    }
    const QString comparison = comparisonOf(b.code);
    if (!comparison.isEmpty())
        return p1 + comparison + p2;
    return p3 + QStringLiteral(" = ") + p1 + operatorOf(b.code) + p2;
}

} // namespace

BlockCaption::Texts BlockCaption::textsFor(const Source &block)
{
    Texts texts{block.current.up, mainCaption(block)};
    if (block.code == ActionCode::Output)
        texts.up = tranLng(QStringLiteral("output"));
    else if (block.code == ActionCode::Input)
        texts.up = tranLng(QStringLiteral("input"));
    return texts;
}

qint16 BlockCaption::widthFor(qint16 currentWidth, qint16 shape, const QString &caption,
                              const TextMeasure &measure)
{
    const float margin = shape == 92 ? 40 : 20;
    const float needed = float(measure.width(TextMeasure::Font::BlockCaption, caption)) + margin;
    if (!(needed > currentWidth))
        return currentWidth;
    // A caption too long for any element makes the block as wide as it can be rather than
    // failing (a load would otherwise refuse the whole file).
    constexpr float widest = std::numeric_limits<qint16>::max();
    return needed >= widest ? qint16(widest) : qint16(Rounding::halfEven(needed));
}

QVector<BlockCaption::Line> BlockCaption::layout(const Texts &texts, double innerWidth,
                                                 double innerHeight, const TextMeasure &measure)
{
    const double w = innerWidth - 1;
    const double h = innerHeight - 1;
    const auto font = TextMeasure::Font::BlockCaption;
    const auto left = [&](const QString &text) { return w / 2 - measure.width(font, text) / 2; };
    QVector<Line> lines;
    if (texts.up.isEmpty()) {
        if (!texts.main.isEmpty())
            lines.append({texts.main, {left(texts.main), h / 2 - measure.height(font, texts.main) / 2}});
        return lines;
    }
    lines.append({texts.up, {left(texts.up), h / 2 - measure.height(font, texts.up)}});
    if (!texts.main.isEmpty())
        lines.append({texts.main, {left(texts.main), h / 2}});
    return lines;
}
