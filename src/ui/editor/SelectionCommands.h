#pragma once

#include <QObject>

class ChartEditor;
class QAction;

// The editing commands on the selection: cut, copy, paste (the clipboard carries blocks between
// running copies of the program), select all, and the grid moves snap to (a checkable action,
// remembered per user). The window makes the actions; this class runs them and enables them
// with the selection.
class SelectionCommands : public QObject {
    Q_OBJECT
public:
    struct Actions {
        QAction *cut;
        QAction *copy;
        QAction *paste;
        QAction *selectAll;
        QAction *grid;
    };

    SelectionCommands(ChartEditor &editor, const Actions &actions, QObject *parent = nullptr);

    void copy();
    void cut();
    void paste();

private:
    void updateEnabled();

    ChartEditor &m_editor;
    Actions m_actions;
    int m_pastes = 0; // pastes since the last copy: each lands a step further along
};
