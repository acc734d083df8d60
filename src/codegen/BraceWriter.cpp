#include "codegen/BraceWriter.h"

// Whole numbers too are written as doubles: the arithmetic is the double arithmetic of the chart.
QString BraceWriter::numberLiteral(double value) const
{
    QString text = CodeWriter::numberLiteral(value);
    if (!text.contains(u'.') && !text.contains(u'e'))
        text += QStringLiteral(".0");
    return text;
}

void BraceWriter::openIf(const QString &condition, bool chained)
{
    if (chained) {
        dedent();
        line(QStringLiteral("} else if (") + condition + QStringLiteral(") {"));
    } else {
        line(QStringLiteral("if (") + condition + QStringLiteral(") {"));
    }
    indent();
}

void BraceWriter::openElse()
{
    dedent();
    line(QStringLiteral("} else {"));
    indent();
}

void BraceWriter::close()
{
    dedent();
    line(QStringLiteral("}"));
}

void BraceWriter::openWhile(const QString &condition)
{
    line(QStringLiteral("while (") + condition + QStringLiteral(") {"));
    indent();
}

void BraceWriter::openDoWhile()
{
    line(QStringLiteral("do {"));
    indent();
}

void BraceWriter::closeDoWhile(const QString &condition)
{
    dedent();
    line(QStringLiteral("} while (") + condition + QStringLiteral(");"));
}

void BraceWriter::openMachine(const QString &state, int first, bool exits)
{
    line(QStringLiteral("int ") + state + QStringLiteral(" = ") + QString::number(first) + u';');
    if (exits)
        openWhile(state + QStringLiteral(" != -1"));
    else
        openForever();
    line(QStringLiteral("switch (") + state + QStringLiteral(") {"));
}

void BraceWriter::openState(const QString &, int node, bool)
{
    line(QStringLiteral("case ") + QString::number(node) + QStringLiteral(": {"));
    indent();
}

void BraceWriter::closeState(bool)
{
    close();
}

void BraceWriter::closeMachine()
{
    line(QStringLiteral("default:"));
    line(QStringLiteral("    break;"));
    line(QStringLiteral("}"));
    close();
}

void BraceWriter::writeJump(const QString &state, int node)
{
    line(state + QStringLiteral(" = ") + QString::number(node) + u';');
    line(QStringLiteral("break;"));
}
