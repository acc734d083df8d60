#include "codegen/FlowProgram.h"

#include "base/MessageLog.h"
#include "interp/Arithmetic.h"
#include "interp/FunctionCalls.h"
#include "interp/Numbers.h"
#include "interp/VariableStore.h"
#include "project/Project.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <optional>

namespace {
// Exist from the start of every run: the header column's empty name, RETURN, and PARAM, which
// the main chart's START sets before anything else runs.
const QStringList alwaysDefined{QString(), QStringLiteral("RETURN"), QStringLiteral("PARAM")};

// Why a chart did not load, as the interface says it.
QString shownText(const MessageLog &log)
{
    QStringList lines;
    for (const MessageText &message : log.messages())
        lines << message.translated();
    return lines.join(u'\n').trimmed().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
}

QString FlowProgram::keyOf(const QString &name) const
{
    return VariableStore::fold(name);
}

bool FlowProgram::load(const QString &path, QString &error)
{
    const QFileInfo info(path);
    m_charts.clear();
    m_paths.clear();
    if (!info.isFile()) {
        error = QCoreApplication::translate("CodeExport", "Dosya bulunamadı: %1").arg(path);
        return false;
    }
    if (chartIndex(info.absolutePath() + u'/', info.fileName(), error) != 0) {
        if (error.isEmpty())
            error = QCoreApplication::translate("CodeExport", "Açma hatası: %1").arg(path);
        return false;
    }
    if (!error.isEmpty())
        return false;
    collectVariables();
    for (FlowChart &chart : m_charts)
        findDefined(chart);
    return true;
}

// The index of the chart file `name` in `folder`, loading it (and what it calls) when first met;
// -1 when it cannot be loaded. A refusal is kept in `error`.
int FlowProgram::chartIndex(const QString &folder, const QString &name, QString &error)
{
    const QFileInfo info(FunctionCalls::chartPath(folder, name));
    if (!info.isFile())
        return -1;
    const QString path = info.absoluteFilePath();
    const qsizetype known = m_paths.indexOf(path);
    if (known >= 0)
        return int(known);
    MessageLog log;
    Project project(&log);
    project.setTrackCurrentBlock(false);
    if (!project.load_FILE(path)) {
        if (m_charts.empty())
            error = shownText(log);
        return -1;
    }
    const int index = int(m_charts.size());
    m_paths.append(path);
    m_charts.emplace_back();
    const QString chartFolder = info.absolutePath() + u'/';
    QString refusal;
    FlowChart chart = FlowChart::fromProject(
        project, info.fileName(),
        [&](const QString &callee) { return chartIndex(chartFolder, callee + QStringLiteral(".vnp"), error); },
        refusal);
    if (!refusal.isEmpty() && error.isEmpty())
        error = info.fileName() + QStringLiteral(": ") + refusal;
    m_charts[std::size_t(index)] = std::move(chart);
    return index;
}

QStringList FlowProgram::assigned(const FlowNode &node) const
{
    if (node.kind == FlowNode::Fail)
        return {};
    switch (node.code) {
    case ActionCode::Start:
        return {QStringLiteral("PARAM")};
    case ActionCode::Input:
        return {node.param[1]};
    case ActionCode::Definition:
        return {node.param[0]};
    case ActionCode::Function: {
        QStringList names = node.callee >= 0 ? chart(node.callee).locals() : QStringList();
        if (!node.param[2].isEmpty())
            names.append(node.param[2]);
        return names;
    }
    case ActionCode::Join:
    case ActionCode::Comp:
        return {node.param[2]};
    default:
        return Arithmetic::isArithmetic(node.code) ? QStringList{node.param[2]} : QStringList();
    }
}

void FlowProgram::addVariable(const QString &name)
{
    const QString key = keyOf(name);
    if (m_variableKeys.contains(key))
        return;
    m_variableKeys.insert(key);
    m_variableNames.append(name);
}

void FlowProgram::collectVariables()
{
    m_variableNames.clear();
    m_variableKeys.clear();
    // The empty name is the header cell, "" until a block writes it: a variable only then.
    for (const QString &name : alwaysDefined) {
        if (!name.isEmpty())
            addVariable(name);
    }
    for (const FlowChart &chart : m_charts) {
        for (const QString &local : chart.locals())
            addVariable(local);
        for (const FlowNode &node : chart.nodes()) {
            for (const QString &name : assigned(node))
                addVariable(name);
        }
    }
}

// What exists on every way into each node: a forward pass that meets by intersection.
void FlowProgram::findDefined(FlowChart &chart)
{
    const std::size_t count = chart.nodes().size();
    std::vector<std::optional<QSet<QString>>> in(count);
    QSet<QString> start;
    for (const QString &name : alwaysDefined)
        start.insert(keyOf(name));
    if (chart.entry() >= 0)
        in[std::size_t(chart.entry())] = start;
    bool changed = true;
    while (changed) {
        changed = false;
        for (std::size_t i = 0; i < count; ++i) {
            if (!in[i])
                continue;
            QSet<QString> out = *in[i];
            for (const QString &name : assigned(chart.node(int(i))))
                out.insert(keyOf(name));
            for (int next : chart.successors(int(i))) {
                std::optional<QSet<QString>> &target = in[std::size_t(next)];
                const QSet<QString> met = target ? (*target & out) : out;
                if (!target || met.size() != target->size()) {
                    target = met;
                    changed = true;
                }
            }
        }
    }
    std::vector<QSet<QString>> &defined = chart.definedBefore();
    defined.assign(count, start);
    for (std::size_t i = 0; i < count; ++i) {
        if (in[i])
            defined[i] = *in[i];
    }
}

FlowOperand FlowProgram::operand(int chartIndex, int node, const QString &text, bool reported) const
{
    FlowOperand operand;
    operand.text = text;
    operand.key = keyOf(text);
    if (m_variableKeys.contains(operand.key)) {
        operand.kind = chart(chartIndex).definedBefore(node).contains(operand.key) ? FlowOperand::Variable
                                                                                    : FlowOperand::MaybeVariable;
    } else if (reported) {
        operand.kind = FlowOperand::Undefined;
    } else if (Numbers::parse(text, operand.number)) {
        operand.kind = FlowOperand::Number;
    }
    return operand;
}
