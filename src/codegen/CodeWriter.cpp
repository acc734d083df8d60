#include "codegen/CodeWriter.h"

#include "codegen/FlowProgram.h"
#include "codegen/Structurer.h"
#include "interp/Arithmetic.h"
#include "interp/BuiltIns.h"
#include "interp/Numbers.h"
#include "interp/TextRules.h"

#include <charconv>
#include <cmath>

namespace {

const char *comparison(ActionCode code, bool negate)
{
    switch (code) {
    case ActionCode::IfEqual:
        return negate ? "!=" : "==";
    case ActionCode::IfNotEqual:
        return negate ? "==" : "!=";
    case ActionCode::IfLess:
        return negate ? ">=" : "<";
    case ActionCode::IfLessEqual:
        return negate ? ">" : "<=";
    case ActionCode::IfGreater:
        return negate ? "<=" : ">";
    default:
        return negate ? "<" : ">=";
    }
}

// A quoted literal loses its quotes when the program is written; a lone quote cannot.
bool strippable(const QString &text)
{
    return text.size() != 1 || text != QStringLiteral("\"");
}

const QStringList builtInNames = QStringLiteral(
    "CLEAR E PI ASC CHR HEX OCT ISDATE ISNUMERIC LTRIM RTRIM TRIM FACTORIAL ABS ATN COS EXP INT FIX ROUND "
    "LN LOG RND SGN SIN SQR TAN LEN LCASE UCASE SPACE DATE TIME NOW YEAR MONTH DAY HOUR MINUTE SECOND "
    "WEEKDAY FILEDIALOG EXTRACTFILENAME").split(u' ');

} // namespace

CodeWriter::CodeWriter(const FlowProgram &program, const Spelling &spelling)
    : m_program(program), m_spelling(spelling), m_names(spelling.letters)
{
    for (const QString &name : builtInNames)
        m_names.reserve(name);
    for (const QString &name : spelling.reserved)
        m_names.reserve(name);
}

QString CodeWriter::stringLiteral(const QString &text) const
{
    return RuntimePieces::quoted(text, m_spelling.language);
}

QString CodeWriter::assignment(const QString &target, const QString &expression) const
{
    return QString::fromLatin1(m_spelling.assignment).arg(target, expression);
}

QString CodeWriter::output(const QString &expression) const
{
    return QString::fromLatin1(m_spelling.output).arg(expression);
}

void CodeWriter::writeComment(const QString &text)
{
    line(QString::fromLatin1(m_spelling.comment).arg(text));
}

std::optional<QString> CodeWriter::initialText(const QString &key) const
{
    if (key == m_program.keyOf(QStringLiteral("PARAM")))
        return QStringLiteral("PARAM");
    if (key.isEmpty() || key == m_program.keyOf(QStringLiteral("RETURN")))
        return QString();
    return std::nullopt;
}

QStringList CodeWriter::headerLines(const QString &languageName) const
{
    return {m_program.chart(0).fileName() + QStringLiteral(": Varnel akış şemasından ") + languageName
                + QStringLiteral(" koduna aktarıldı."),
            QStringLiteral("Sayılar ") + Numbers::locale().name()
                + QStringLiteral(" bölgesel ayarlarıyla okunur ve yazılır; her değer bir metindir.")};
}

CodeWriter::~CodeWriter() = default;

QString CodeWriter::numberLiteral(double value) const
{
    if (std::fabs(value) < 1e15 && value == std::trunc(value))
        return QString::number(qint64(value));
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString CodeWriter::concatenation(const QString &literal, const QString &expression) const
{
    return stringLiteral(literal) + QStringLiteral(" + ") + expression;
}

QString CodeWriter::callChart(const QString &function, const QString &argument) const
{
    return function + u'(' + argument + u')';
}

QString CodeWriter::stopCall(const QStringList &messages) const
{
    return helper(QStringLiteral("stop_run")) + u'(' + messages.join(QStringLiteral(", ")) + u')';
}

QString CodeWriter::assign(const QString &target, const QString &expression)
{
    use(QStringLiteral("set"));
    return assignment(target, expression);
}

QString CodeWriter::functionName(int chart) const
{
    return m_functionNames[chart];
}

QString CodeWriter::variable(const QString &name) const
{
    return m_names.of(m_program.keyOf(name));
}

QString CodeWriter::savedName(int chart, int local) const
{
    return m_savedNames[std::size_t(chart)][local];
}

void CodeWriter::nameEverything()
{
    for (const QString &name : m_program.variables()) {
        const QString key = m_program.keyOf(name);
        m_names.add(key, name);
    }
    for (const FlowChart &chart : m_program.charts()) {
        QString base = chart.fileName();
        if (base.endsWith(QStringLiteral(".vnp"), Qt::CaseInsensitive))
            base.chop(4);
        m_functionNames.append(m_names.fresh(base));
    }
    for (const FlowChart &chart : m_program.charts()) {
        QStringList saved;
        for (const QString &local : chart.locals())
            saved.append(m_names.fresh(QStringLiteral("saved_") + variable(local)));
        m_savedNames.push_back(saved);
    }
}

void CodeWriter::line(const QString &text)
{
    m_lines.append(text.isEmpty() ? text : QString(m_depth * 4, u' ') + text);
}

QString CodeWriter::takeLines()
{
    QString text = m_lines.join(u'\n');
    if (!text.isEmpty())
        text += u'\n';
    m_lines.clear();
    return text;
}

QString CodeWriter::write()
{
    nameEverything();
    QString charts;
    QList<QPair<int, QString>> mainLines;
    for (int i = 0; i < int(m_program.charts().size()); ++i) {
        m_blockLines.clear();
        writeChart(i);
        if (i == 0)
            mainLines = m_blockLines;
        charts += takeLines();
    }
    const QString epilog = epilogue();
    const QString start = prologue();
    const int offset = int(start.count(u'\n'));
    m_blockLines.clear();
    for (const auto &[lineIndex, tag] : mainLines)
        m_blockLines.append({lineIndex + offset, tag});
    return start + charts + epilog;
}

void CodeWriter::markBlock(int node)
{
    const FlowNode &flow = m_program.chart(m_chart).node(node);
    if (flow.kind == FlowNode::Block)
        m_blockLines.append({int(m_lines.size()), flow.tag});
}

// A block's action in a few words, for the comments that name a state's block.
QString CodeWriter::summary(const FlowNode &node)
{
    QString text;
    for (const QString &param : node.param) {
        if (!param.isEmpty())
            text += (text.isEmpty() ? QString() : QStringLiteral(", ")) + QString(param).replace(u'\n', u' ').replace(u'\r', u' ');
    }
    static const char *const names[] = {"?", "START", "STOP", "INPUT", "OUTPUT", "DEFINITION", "ADD", "SUBTRACT",
                                        "MULTIPLY", "DIVIDE", "DIVINT", "MODULE", "POWER", "PERCENT", "JOIN", "COMP",
                                        "SQL", "IF_EQUAL", "IF_NOT_EQUAL", "IF_LESS", "IF_LESS_EQUAL", "IF_GREATER",
                                        "IF_GREATER_EQUAL", "FUNCTION", "WINDOW", "INTERSECTION"};
    const QString action = QLatin1String(names[int(node.code)]);
    return text.isEmpty() ? action : action + u' ' + text.left(60);
}

void CodeWriter::writeChart(int chart)
{
    m_chart = chart;
    Structurer structurer(m_program.chart(chart));
    const std::vector<CodeStatement> code = structurer.structure();
    m_structured = m_structured && structurer.structured();
    openChart(chart);
    writeStatements(code);
    closeChart(chart);
}

void CodeWriter::writeStatements(const std::vector<CodeStatement> &list)
{
    for (const CodeStatement &s : list)
        writeStatement(s);
}

void CodeWriter::writeStatement(const CodeStatement &s)
{
    if (!s.note.isEmpty())
        writeComment(s.note);
    switch (s.kind) {
    case CodeStatement::Do:
        markBlock(s.node);
        for (const QString &text : statementLines(s.node))
            line(text);
        break;
    case CodeStatement::If:
        markBlock(s.node);
        writeIf(s, false);
        close();
        break;
    case CodeStatement::Loop:
        openForever();
        writeStatements(s.body);
        close();
        break;
    case CodeStatement::While:
        markBlock(s.node);
        openWhile(condition(m_chart, s.node, s.negate));
        writeStatements(s.body);
        close();
        break;
    case CodeStatement::DoWhile:
        if (hasDoWhile()) {
            openDoWhile();
            writeStatements(s.body);
            closeDoWhile(condition(m_chart, s.node, s.negate));
        } else {
            openForever();
            writeStatements(s.body);
            openIf(condition(m_chart, s.node, !s.negate), false);
            writeBreak();
            close();
            close();
        }
        break;
    case CodeStatement::Break:
        writeBreak();
        break;
    case CodeStatement::Continue:
        writeContinue();
        break;
    case CodeStatement::Machine:
        writeMachine(s);
        break;
    case CodeStatement::Jump:
        writeJump(m_state, s.node);
        break;
    case CodeStatement::Case:
        break;
    }
}

// An else holding nothing but another if reads as "else if".
void CodeWriter::writeIf(const CodeStatement &s, bool chained)
{
    if (chained)
        markBlock(s.node);
    openIf(condition(m_chart, s.node, s.negate), chained);
    writeStatements(s.body);
    if (s.orElse.size() == 1 && s.orElse.front().kind == CodeStatement::If && s.orElse.front().note.isEmpty()) {
        writeIf(s.orElse.front(), true);
        return;
    }
    if (!s.orElse.empty() || (s.body.empty() && needsElseForEmptyIf())) {
        openElse();
        writeStatements(s.orElse);
    }
}

void CodeWriter::writeMachine(const CodeStatement &s)
{
    // Each machine its own state variable: two in one function must not be declared twice.
    const QString state = m_names.fresh(QStringLiteral("state"));
    m_state = state;
    openMachine(state, s.node, s.exit >= 0);
    for (std::size_t i = 0; i < s.body.size(); ++i) {
        const FlowNode &flow = m_program.chart(m_chart).node(s.body[i].node);
        if (flow.kind == FlowNode::Block)
            writeComment(flow.tag + QStringLiteral(": ") + summary(flow));
        openState(state, s.body[i].node, i == 0);
        writeStatements(s.body[i].body);
        closeState(i + 1 == s.body.size());
    }
    closeMachine();
}

QString CodeWriter::condition(int chart, int node, bool negate)
{
    const FlowNode &flow = m_program.chart(chart).node(node);
    const FlowOperand left = m_program.operand(chart, node, flow.param[0]);
    const FlowOperand right = m_program.operand(chart, node, flow.param[1]);
    return numberOperand(left) + u' ' + QLatin1String(comparison(flow.code, negate)) + u' ' + numberOperand(right);
}

QString CodeWriter::textOperand(const FlowOperand &operand)
{
    switch (operand.kind) {
    case FlowOperand::Variable:
        return variable(operand.text);
    case FlowOperand::MaybeVariable:
        use(QStringLiteral("value"));
        return helper(QStringLiteral("value")) + u'(' + variable(operand.text) + QStringLiteral(", ")
            + stringLiteral(operand.text) + u')';
    default:
        return stringLiteral(operand.text);
    }
}

QString CodeWriter::reportedOperand(const FlowOperand &operand)
{
    switch (operand.kind) {
    case FlowOperand::MaybeVariable:
        use(QStringLiteral("get"));
        return helper(QStringLiteral("get")) + u'(' + variable(operand.text) + QStringLiteral(", ")
            + stringLiteral(operand.text) + u')';
    case FlowOperand::Undefined:
        use(QStringLiteral("undefined"));
        return helper(QStringLiteral("undefined")) + u'(' + stringLiteral(operand.text) + u')';
    default:
        return textOperand(operand);
    }
}

QString CodeWriter::numberOperand(const FlowOperand &operand)
{
    if (operand.kind == FlowOperand::Number)
        return numberLiteral(operand.number);
    use(QStringLiteral("num"));
    return helper(QStringLiteral("num")) + u'(' + textOperand(operand) + u')';
}

QString CodeWriter::unquotedOperand(const FlowOperand &operand)
{
    if (!operand.isVariable() && strippable(operand.text))
        return stringLiteral(TextRules::stripQuotes(operand.text));
    use(QStringLiteral("unquote"));
    return helper(QStringLiteral("unquote")) + u'(' + textOperand(operand) + u')';
}

QStringList CodeWriter::statementLines(int index)
{
    const FlowNode &node = m_program.chart(m_chart).node(index);
    const auto operand = [&](int slot) { return m_program.operand(m_chart, index, node.param[slot]); };
    if (node.kind == FlowNode::Fail) {
        use(QStringLiteral("stop_run"));
        QStringList messages;
        for (const QString &message : node.messages)
            messages.append(stringLiteral(message));
        return {expressionStatement(stopCall(messages))};
    }
    if (Arithmetic::isArithmetic(node.code))
        return arithmeticLines(node, index);
    switch (node.code) {
    case ActionCode::Start:
        return entryLines(m_chart);
    case ActionCode::Stop:
        return exitLines(m_chart);
    case ActionCode::Input:
        use(QStringLiteral("input_line"));
        return {assign(variable(node.param[1]),
                           helper(QStringLiteral("input_line")) + u'(' + stringLiteral(node.param[0]) + u')')};
    case ActionCode::Output: {
        use(QStringLiteral("output"));
        if (node.param[1].isEmpty())
            return {output(stringLiteral(node.param[0]))};
        const QString value = reportedOperand(m_program.operand(m_chart, index, node.param[1], true));
        if (node.param[0].isEmpty())
            return {output(value)};
        use(QStringLiteral("concat"));
        return {output(concatenation(node.param[0] + u' ', value))};
    }
    case ActionCode::Definition:
        return {assign(variable(node.param[0]), textOperand(operand(1)))};
    case ActionCode::Join:
        use(QStringLiteral("join"));
        return {assign(variable(node.param[2]), helper(QStringLiteral("join")) + u'(' + unquotedOperand(operand(0))
                                                       + QStringLiteral(", ") + unquotedOperand(operand(1)) + u')')};
    case ActionCode::Comp:
        use(QStringLiteral("compare"));
        return {assign(variable(node.param[2]), helper(QStringLiteral("compare")) + u'('
                                                       + unquotedOperand(operand(0)) + QStringLiteral(", ")
                                                       + unquotedOperand(operand(1)) + u')')};
    case ActionCode::Sql:
        use(QStringLiteral("message"));
        return {expressionStatement(helper(QStringLiteral("message")) + u'('
                                    + stringLiteral(QStringLiteral("SQL artık desteklenmiyor! Üzgünüz! Sorularınız "
                                                                   "için e-posta adresi: destek@varnel.org!"))
                                    + u')')};
    case ActionCode::Function:
        return functionLines(node, index);
    default:
        return {};
    }
}

QStringList CodeWriter::arithmeticLines(const FlowNode &node, int index)
{
    const QString a = numberOperand(m_program.operand(m_chart, index, node.param[0]));
    const QString b = numberOperand(m_program.operand(m_chart, index, node.param[1]));
    const auto call = [&](const char *name) {
        use(QLatin1String(name));
        return helper(QLatin1String(name)) + u'(' + a + QStringLiteral(", ") + b + u')';
    };
    QString value;
    switch (node.code) {
    case ActionCode::Add:
        value = a + QStringLiteral(" + ") + b;
        break;
    case ActionCode::Subtract:
        value = a + QStringLiteral(" - ") + b;
        break;
    case ActionCode::Multiply:
        value = a + QStringLiteral(" * ") + b;
        break;
    case ActionCode::Divide:
        value = call("divide");
        break;
    case ActionCode::DivInt:
        value = call("div_int");
        break;
    case ActionCode::Module:
        value = call("modulo");
        break;
    case ActionCode::Power:
        value = call("power");
        break;
    default:
        value = call("percent");
        break;
    }
    use(QStringLiteral("fmt"));
    return {assign(variable(node.param[2]), helper(QStringLiteral("fmt")) + u'(' + value + u')')};
}

QString CodeWriter::builtInCall(const FlowNode &node, int index)
{
    const QString name = node.param[0].toUpper();
    use(QStringLiteral("BI_") + name);
    if (BuiltIns::namesWithoutArgument().contains(name))
        return helper(name) + QStringLiteral("()");
    return helper(name) + u'(' + unquotedOperand(m_program.operand(m_chart, index, node.param[1])) + u')';
}

QStringList CodeWriter::functionLines(const FlowNode &node, int index)
{
    const QString &result = node.param[2];
    if (node.builtIn) {
        if (node.param[0].isEmpty())
            return result.isEmpty() ? QStringList() : QStringList{assign(variable(result), stringLiteral(QString()))};
        const QString call = builtInCall(node, index);
        return {result.isEmpty() ? expressionStatement(call) : assign(variable(result), call)};
    }
    const QString call = callChart(functionName(node.callee), textOperand(m_program.operand(m_chart, index, node.param[1])));
    // The caller's PARAM comes back after the result is stored: a result meant for PARAM is lost.
    if (result.isEmpty() || m_program.keyOf(result) == m_program.keyOf(QStringLiteral("PARAM")))
        return {expressionStatement(call)};
    return {assign(variable(result), call)};
}
