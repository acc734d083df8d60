#pragma once

#include <QObject>
#include <QTimer>

class Breakpoints;
class ChartScene;
class Debugger;
class Project;

// Keeps the debugger's marks on the chart's items: the red dot of each breakpoint and, while
// counts are shown, how often each block ran and each condition line was taken. It follows
// the scene's rebuilds and the debugger's changes, and refreshes at most a few times a second
// while a run goes on.
class DebugOverlay : public QObject {
    Q_OBJECT
public:
    DebugOverlay(ChartScene &scene, Project &project, Debugger &debugger, Breakpoints &breakpoints,
                 QObject *parent = nullptr);

    void setCountsShown(bool shown);
    bool countsShown() const { return m_countsShown; }
    // Marks every item again from the breakpoints and the counts.
    void refresh();
    // While a run goes on, counts are refreshed now and then.
    void setRunning(bool running);

private:
    void refreshSoon();
    void markBlocks(const QString &chartKey);
    void markLines();

    ChartScene &m_scene;
    Project &m_project;
    Debugger &m_debugger;
    Breakpoints &m_breakpoints;
    bool m_countsShown = false;
    QTimer m_runTimer;
};
