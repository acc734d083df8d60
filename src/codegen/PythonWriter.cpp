#include "codegen/PythonWriter.h"

#include "codegen/FlowProgram.h"
#include "codegen/PythonRuntime.h"
#include "interp/BuiltIns.h"

#include <QFileInfo>

namespace {

const CodeWriter::Spelling &pythonSpelling()
{
    static const CodeWriter::Spelling python{RuntimePieces::Language::Python, NameTable::AnyLetters,
                                             PythonRuntime::names(), "%1 = %2", "print(%1)", "# %1"};
    return python;
}

} // namespace

PythonWriter::PythonWriter(const FlowProgram &program)
    : CodeWriter(program, pythonSpelling())
{
}

void PythonWriter::closeBlock()
{
    if (m_blockStart.back() == currentLineCount())
        line(QStringLiteral("pass"));
    m_blockStart.pop_back();
    dedent();
}

void PythonWriter::openIf(const QString &condition, bool chained)
{
    if (chained) {
        closeBlock();
        line(QStringLiteral("elif ") + condition + u':');
    } else {
        line(QStringLiteral("if ") + condition + u':');
    }
    indent();
    m_blockStart.push_back(currentLineCount());
}

void PythonWriter::openElse()
{
    closeBlock();
    line(QStringLiteral("else:"));
    indent();
    m_blockStart.push_back(currentLineCount());
}

void PythonWriter::close()
{
    closeBlock();
}

void PythonWriter::openWhile(const QString &condition)
{
    line(QStringLiteral("while ") + condition + u':');
    indent();
    m_blockStart.push_back(currentLineCount());
}

void PythonWriter::openForever()
{
    openWhile(QStringLiteral("True"));
}

void PythonWriter::closeDoWhile(const QString &)
{
}

void PythonWriter::openMachine(const QString &state, int first, bool exits)
{
    line(state + QStringLiteral(" = ") + QString::number(first));
    openWhile(exits ? state + QStringLiteral(" != -1") : QStringLiteral("True"));
}

void PythonWriter::openState(const QString &state, int node, bool firstState)
{
    line((firstState ? QStringLiteral("if ") : QStringLiteral("elif ")) + state + QStringLiteral(" == ")
         + QString::number(node) + u':');
    indent();
    m_blockStart.push_back(currentLineCount());
}

void PythonWriter::closeState(bool)
{
    closeBlock();
}

void PythonWriter::closeMachine()
{
    closeBlock();
}

void PythonWriter::writeJump(const QString &state, int node)
{
    line(state + QStringLiteral(" = ") + QString::number(node));
}

QStringList PythonWriter::globalsOf(int chart) const
{
    QStringList out;
    const auto add = [&](const QString &name) {
        const QString identifier = variable(name);
        if (!out.contains(identifier))
            out.append(identifier);
    };
    for (const FlowNode &node : program().chart(chart).nodes()) {
        for (const QString &name : program().assigned(node))
            add(name);
    }
    for (const QString &local : program().chart(chart).locals())
        add(local);
    return out;
}

void PythonWriter::openChart(int chart)
{
    line(QString());
    line(QString());
    line(QStringLiteral("def ") + functionName(chart) + QStringLiteral("(argument):"));
    indent();
    line(QStringLiteral("\"\"\"") + program().chart(chart).fileName() + QStringLiteral("\"\"\""));
    const QStringList globals = globalsOf(chart);
    if (!globals.isEmpty())
        line(QStringLiteral("global ") + globals.join(QStringLiteral(", ")));
    m_blockStart.push_back(currentLineCount());
}

void PythonWriter::closeChart(int)
{
    closeBlock();
}

QStringList PythonWriter::entryLines(int chart)
{
    use(QStringLiteral("enter"));
    const FlowChart &flow = program().chart(chart);
    QStringList lines{QStringLiteral("caller_param = ") + variable(QStringLiteral("PARAM")),
                      variable(QStringLiteral("PARAM")) + QStringLiteral(" = argument"),
                      QStringLiteral("enter(") + QString::number(flow.locals().size()) + u')'};
    for (int i = 0; i < flow.locals().size(); ++i) {
        lines.append(savedName(chart, i) + QStringLiteral(" = ")
                     + textOperand(program().operand(chart, flow.entry(), flow.locals()[i])));
    }
    return lines;
}

QStringList PythonWriter::exitLines(int chart)
{
    use(QStringLiteral("leave"));
    const FlowChart &flow = program().chart(chart);
    QStringList lines;
    for (int i = int(flow.locals().size()) - 1; i >= 0; --i)
        lines.append(variable(flow.locals()[i]) + QStringLiteral(" = ") + savedName(chart, i));
    lines.append(QStringLiteral("leave(") + QString::number(flow.locals().size()) + u')');
    lines.append(variable(QStringLiteral("PARAM")) + QStringLiteral(" = caller_param"));
    lines.append(QStringLiteral("return ") + variable(QStringLiteral("RETURN")));
    return lines;
}

QString PythonWriter::prologue()
{
    QString text = QStringLiteral("#!/usr/bin/env python3\n# ") + headerLines(QStringLiteral("Python 3")).join(QStringLiteral("\n# "))
        + QStringLiteral("\n\n");
    text += PythonRuntime::text(features());
    text += QStringLiteral("\n\n# Şemaların değişkenleri (None: değişken henüz yok)\n");
    for (const QString &name : program().variables()) {
        const QString key = program().keyOf(name);
        const std::optional<QString> initial = initialText(key);
        text += variableKeyName(key) + QStringLiteral(" = ") + (initial ? stringLiteral(*initial) : QStringLiteral("None"))
            + u'\n';
    }
    return text;
}

QString PythonWriter::epilogue()
{
    return QStringLiteral("\n\nif __name__ == \"__main__\":\n    run(") + functionName(0) + QStringLiteral(")\n");
}
