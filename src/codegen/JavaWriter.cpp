#include "codegen/JavaWriter.h"

#include "codegen/FlowProgram.h"
#include "codegen/JavaRuntime.h"
#include "interp/Numbers.h"

JavaWriter::JavaWriter(const FlowProgram &program, const QString &className)
    : BraceWriter(program, NameTable::AnyLetters)
{
    for (const QString &name : JavaRuntime::names())
        names().reserve(name);
    // The public class must be named as its file; a file name that is no identifier gets a
    // class of its own name that is not public, which javac takes from any file.
    m_className = names().fresh(className.isEmpty() ? QStringLiteral("Program") : className);
    m_public = m_className == className;
}

QString JavaWriter::stringLiteral(const QString &text) const
{
    return JavaRuntime::quoted(text);
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

QString JavaWriter::assignment(const QString &target, const QString &expression) const
{
    return target + QStringLiteral(" = ") + expression + u';';
}

QString JavaWriter::output(const QString &expression) const
{
    return QStringLiteral("printLine(") + expression + QStringLiteral(");");
}

QString JavaWriter::stopCall(const QStringList &messages) const
{
    return QStringLiteral("throw ") + CodeWriter::stopCall(messages);
}

void JavaWriter::openForever()
{
    openWhile(QStringLiteral("true"));
}

void JavaWriter::writeComment(const QString &text)
{
    line(QStringLiteral("// ") + text);
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
    QString text = QStringLiteral("// ") + program().chart(0).fileName()
        + QStringLiteral(": Varnel akış şemasından Java koduna aktarıldı.\n// Sayılar ") + Numbers::locale().name()
        + QStringLiteral(" bölgesel ayarlarıyla okunur ve yazılır; her değer bir metindir.\n\n");
    text += (m_public ? QStringLiteral("public class ") : QStringLiteral("class ")) + m_className + QStringLiteral(" {\n");
    text += JavaRuntime::text(features());
    text += QStringLiteral("\n    // Şemaların değişkenleri (null: değişken henüz yok)\n");
    for (const QString &name : program().variables()) {
        const QString key = program().keyOf(name);
        QString initial;
        if (key == program().keyOf(QStringLiteral("PARAM")))
            initial = QStringLiteral(" = \"PARAM\"");
        else if (key.isEmpty() || key == program().keyOf(QStringLiteral("RETURN")))
            initial = QStringLiteral(" = \"\"");
        text += QStringLiteral("    static String ") + variableKeyName(key) + initial + QStringLiteral(";\n");
    }
    return text;
}

QString JavaWriter::epilogue()
{
    return QStringLiteral("\n    public static void main(String[] args) {\n        try {\n            ") + functionName(0)
        + QStringLiteral("(\"PAR-OS\");\n        } catch (RunEnded ended) {\n            finish(1);\n        }\n"
                         "        finish(0);\n    }\n}\n");
}
