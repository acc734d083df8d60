#include "codegen/JavaWriter.h"

#include "codegen/FlowProgram.h"
#include "codegen/JavaRuntime.h"

namespace {

const CodeWriter::Spelling &javaSpelling()
{
    static const CodeWriter::Spelling java{RuntimePieces::Language::Java, NameTable::AnyLetters, JavaRuntime::names(),
                                           "%1 = %2;", "printLine(%1);", "// %1"};
    return java;
}

} // namespace

JavaWriter::JavaWriter(const FlowProgram &program, const QString &className)
    : BraceWriter(program, javaSpelling())
{
    // The public class must be named as its file; a file name that is no identifier gets a
    // class of its own name that is not public, which javac takes from any file.
    m_className = names().fresh(className.isEmpty() ? QStringLiteral("Program") : className);
    m_public = m_className == className;
}

// The runtime's helpers in Java's spelling: input_line is inputLine.
QString JavaWriter::helper(const QString &name) const
{
    const QStringList parts = name.split(u'_');
    QString out = parts.front();
    for (qsizetype i = 1; i < parts.size(); ++i)
        out += parts[i].left(1).toUpper() + parts[i].mid(1);
    return out;
}

QString JavaWriter::stopCall(const QStringList &messages) const
{
    return QStringLiteral("throw ") + CodeWriter::stopCall(messages);
}

void JavaWriter::openForever()
{
    openWhile(QStringLiteral("true"));
}

void JavaWriter::openChart(int chart)
{
    const FlowChart &flow = program().chart(chart);
    indent();
    line(QString());
    line(QStringLiteral("/** ") + flow.fileName() + QStringLiteral(" */"));
    line(QStringLiteral("static String ") + functionName(chart) + QStringLiteral("(String argument) {"));
    indent();
    if (flow.node(flow.entry()).kind == FlowNode::Fail)
        return;
    QString locals = QStringLiteral("String callerParam = null");
    for (int i = 0; i < flow.locals().size(); ++i)
        locals += QStringLiteral(", ") + savedName(chart, i) + QStringLiteral(" = null");
    line(locals + u';');
}

void JavaWriter::closeChart(int)
{
    close();
    dedent();
}

QStringList JavaWriter::entryLines(int chart)
{
    use(QStringLiteral("enter"));
    const FlowChart &flow = program().chart(chart);
    const QString param = variable(QStringLiteral("PARAM"));
    QStringList lines{QStringLiteral("callerParam = ") + param + u';', param + QStringLiteral(" = argument;"),
                      QStringLiteral("enter(") + QString::number(flow.locals().size()) + QStringLiteral(");")};
    for (int i = 0; i < flow.locals().size(); ++i) {
        lines.append(savedName(chart, i) + QStringLiteral(" = ")
                     + textOperand(program().operand(chart, flow.entry(), flow.locals()[i])) + u';');
    }
    return lines;
}

QStringList JavaWriter::exitLines(int chart)
{
    use(QStringLiteral("leave"));
    const FlowChart &flow = program().chart(chart);
    QStringList lines;
    for (int i = int(flow.locals().size()) - 1; i >= 0; --i)
        lines.append(variable(flow.locals()[i]) + QStringLiteral(" = ") + savedName(chart, i) + u';');
    lines.append(QStringLiteral("leave(") + QString::number(flow.locals().size()) + QStringLiteral(");"));
    lines.append(variable(QStringLiteral("PARAM")) + QStringLiteral(" = callerParam;"));
    lines.append(QStringLiteral("return ") + variable(QStringLiteral("RETURN")) + u';');
    return lines;
}

QString JavaWriter::prologue()
{
    QString text = QStringLiteral("// ") + headerLines(QStringLiteral("Java")).join(QStringLiteral("\n// "))
        + QStringLiteral("\n\n");
    text += (m_public ? QStringLiteral("public class ") : QStringLiteral("class ")) + m_className + QStringLiteral(" {\n");
    text += JavaRuntime::text(features());
    text += QStringLiteral("\n    // Şemaların değişkenleri (null: değişken henüz yok)\n");
    for (const QString &name : program().variables()) {
        const QString key = program().keyOf(name);
        const std::optional<QString> initial = initialText(key);
        text += QStringLiteral("    static String ") + variableKeyName(key)
            + (initial ? QStringLiteral(" = ") + stringLiteral(*initial) : QString()) + QStringLiteral(";\n");
    }
    return text;
}

QString JavaWriter::epilogue()
{
    return QStringLiteral("\n    public static void main(String[] args) {\n        try {\n            ") + functionName(0)
        + QStringLiteral("(\"PAR-OS\");\n        } catch (RunEnded ended) {\n            finish(1);\n        }\n"
                         "        finish(0);\n    }\n}\n");
}
