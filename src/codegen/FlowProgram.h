#pragma once

#include "codegen/FlowChart.h"
#include "codegen/FlowOperand.h"

#include <QString>
#include <QStringList>
#include <vector>

// A chart and every chart it calls, found as a run finds them (the caller's folder, the exact
// file name first), with what is known before the run about each variable.
class FlowProgram {
public:
    // Loads `path` and the charts it calls; false with `error` set when the main chart cannot be
    // loaded or a chart uses a window.
    bool load(const QString &path, QString &error);

    const std::vector<FlowChart> &charts() const { return m_charts; }
    const FlowChart &chart(int index) const { return m_charts[std::size_t(index)]; }

    // Every variable some block assigns, by folded name, with the spelling first met.
    const QStringList &variables() const { return m_variableNames; }
    QString keyOf(const QString &name) const;

    // The reading of `text` as an operand of node `node` of chart `chart`; `reported` for the
    // variable OUTPUT prints, which reports a missing variable instead of printing its name.
    FlowOperand operand(int chart, int node, const QString &text, bool reported = false) const;

    // The names a node assigns (folded).
    QStringList assigned(const FlowNode &node) const;

private:
    int chartIndex(const QString &folder, const QString &name, QString &error);
    void collectVariables();
    void addVariable(const QString &name);
    void findDefined(FlowChart &chart);

    std::vector<FlowChart> m_charts;
    QStringList m_paths;
    QStringList m_variableNames;
    QSet<QString> m_variableKeys;
};
