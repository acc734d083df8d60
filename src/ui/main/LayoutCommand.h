#pragma once

#include <QObject>

class ChartEditor;
class MessageLog;
class Project;
class QAction;

// "Düzen > Otomatik Yerleştir": lays the chart out again as one undo step.
class LayoutCommand : public QObject {
    Q_OBJECT
public:
    LayoutCommand(Project &project, ChartEditor &editor, MessageLog &log, QAction *action, QObject *parent = nullptr);

    void run();

private:
    Project &m_project;
    ChartEditor &m_editor;
    MessageLog &m_log;
};
