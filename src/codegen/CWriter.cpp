#include "codegen/CWriter.h"

#include "codegen/CRuntime.h"
#include "codegen/FlowProgram.h"

namespace {

const CodeWriter::Spelling &cSpelling()
{
    static const CodeWriter::Spelling c{RuntimePieces::Language::C, NameTable::AsciiLetters, CRuntime::names(),
                                        "set(&%1, %2);", "print_line(%1);", "/* %1 */"};
    return c;
}

} // namespace

CWriter::CWriter(const FlowProgram &program)
    : BraceWriter(program, cSpelling())
{
}

QString CWriter::stopCall(const QStringList &messages) const
{
    return QStringLiteral("stop_run(") + (messages + QStringList{QStringLiteral("NULL")}).join(QStringLiteral(", ")) + u')';
}

QString CWriter::concatenation(const QString &literal, const QString &expression) const
{
    return QStringLiteral("concat(") + stringLiteral(literal) + QStringLiteral(", ") + expression + u')';
}

void CWriter::openForever()
{
    line(QStringLiteral("for (;;) {"));
    indent();
}

// Whether the chart can reach its END: only then does it keep the caller's PARAM to give back.
bool CWriter::returns(int chart) const
{
    for (const FlowNode &node : program().chart(chart).nodes()) {
        if (node.kind == FlowNode::Block && node.code == ActionCode::Stop)
            return true;
    }
    return false;
}

bool CWriter::callsItself() const
{
    for (int i = 0; i < int(program().charts().size()); ++i) {
        for (const FlowNode &node : program().chart(i).nodes()) {
            if (node.callee == i)
                return true;
        }
    }
    return false;
}

QString CWriter::signature(int chart) const
{
    // A chart without a reachable END never returns: the run ends inside it.
    return (returns(chart) ? QStringLiteral("static char *") : QStringLiteral("static _Noreturn char *"))
        + functionName(chart) + QStringLiteral("(const char *argument)");
}

void CWriter::openChart(int chart)
{
    const FlowChart &flow = program().chart(chart);
    line(QString());
    line(QStringLiteral("/* ") + flow.fileName() + QStringLiteral(" */"));
    line(signature(chart));
    line(QStringLiteral("{"));
    indent();
    const bool started = flow.node(flow.entry()).kind == FlowNode::Block;
    if (!started)
        line(QStringLiteral("(void)argument;"));
    if (started && returns(chart)) {
        line(QStringLiteral("char *caller_param = NULL;"));
        for (int i = 0; i < flow.locals().size(); ++i)
            line(QStringLiteral("char *") + savedName(chart, i) + QStringLiteral(" = NULL;"));
    }
}

void CWriter::closeChart(int)
{
    close();
}

QStringList CWriter::entryLines(int chart)
{
    use(QStringLiteral("enter"));
    const FlowChart &flow = program().chart(chart);
    const QString param = variable(QStringLiteral("PARAM"));
    QStringList lines;
    if (returns(chart)) {
        lines.append(QStringLiteral("caller_param = ") + param + u';');
        lines.append(param + QStringLiteral(" = text_copy(argument);"));
    } else {
        lines.append(assign(param, QStringLiteral("argument")));
    }
    lines.append(QStringLiteral("enter(") + QString::number(flow.locals().size()) + QStringLiteral(");"));
    if (!returns(chart))
        return lines;
    for (int i = 0; i < flow.locals().size(); ++i) {
        lines.append(savedName(chart, i) + QStringLiteral(" = text_copy(")
                     + textOperand(program().operand(chart, flow.entry(), flow.locals()[i])) + QStringLiteral(");"));
    }
    return lines;
}

QStringList CWriter::exitLines(int chart)
{
    use(QStringLiteral("leave"));
    use(QStringLiteral("temp"));
    const FlowChart &flow = program().chart(chart);
    QStringList lines;
    for (int i = int(flow.locals().size()) - 1; i >= 0; --i)
        lines.append(QStringLiteral("restore(&") + variable(flow.locals()[i]) + QStringLiteral(", ") + savedName(chart, i) + QStringLiteral(");"));
    lines.append(QStringLiteral("leave(") + QString::number(flow.locals().size()) + QStringLiteral(");"));
    lines.append(QStringLiteral("restore(&") + variable(QStringLiteral("PARAM")) + QStringLiteral(", caller_param);"));
    lines.append(QStringLiteral("return temp(text_copy(") + variable(QStringLiteral("RETURN")) + QStringLiteral("));"));
    return lines;
}

QString CWriter::prologue()
{
    QString text = QStringLiteral("/* ") + headerLines(QStringLiteral("C")).join(QStringLiteral("\n   "))
        + QStringLiteral("\n   Derleme: cc -std=c11 program.c -lm */\n\n");
    text += CRuntime::text(features());
    if (callsItself()) {
        text += QStringLiteral("\n/* A chart that calls itself ends when the call stack is full. */\n"
                               "#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ >= 12\n"
                               "#pragma GCC diagnostic ignored \"-Winfinite-recursion\"\n#endif\n");
    }
    text += QStringLiteral("\n/* Şemaların değişkenleri (NULL: değişken henüz yok) */\n");
    for (const QString &name : program().variables())
        text += QStringLiteral("static char *") + variableKeyName(program().keyOf(name)) + QStringLiteral(";\n");
    text += u'\n';
    for (int i = 0; i < int(program().charts().size()); ++i)
        text += signature(i) + QStringLiteral(";\n");
    return text;
}

QString CWriter::epilogue()
{
    QString text = QStringLiteral("\nint main(void)\n{\n");
    for (const QString &name : program().variables()) {
        const QString key = program().keyOf(name);
        if (const std::optional<QString> initial = initialText(key))
            text += QStringLiteral("    ") + variableKeyName(key) + QStringLiteral(" = text_copy(") + stringLiteral(*initial)
                + QStringLiteral(");\n");
    }
    text += QStringLiteral("    ") + functionName(0) + QStringLiteral("(\"PAR-OS\");\n    finish(0);\n}\n");
    return text;
}
