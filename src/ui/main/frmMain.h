#pragma once

#include "base/MessageLog.h"
#include "interp/Runtime.h"
#include "project/Project.h"
#include "ui/run/GuiRunHost.h"
#include "ui/run/MainWindowSide.h"
#include "ui/editor/EditCommand.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainWindowGeometry.h"

#include <QMainWindow>
#include <QPointer>

class ChartEditor;
class CodeCommands;
class DrawingSurface;
class MainWindowCommands;
class ProjectCommands;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QUndoStack;
class RunControlPanel;
class RunWindowPlacement;
class ToolColumn;
class frmScreen;
class frmStack;
class frmVars;
class frm_mBox;
class DebugCommands;

// The main window: it owns the message log, the project (model) and the interpreter for the
// whole life of the program, and holds the menus, the tool column, the run controls, the
// bottom tool groups and the drawing surface. It shows core state and forwards user actions.
class frmMain : public QMainWindow, public MainWindowSide {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    QWidget *widget() override { return this; }
    MessageLog &log() override { return m_log; }
    Project &project() override { return m_project; }
    Runtime &runtime() override { return m_runtime; }
    GuiRunHost &host() { return m_host; }

    // The central area that shows the flowchart.
    DrawingSurface *surface() const { return m_surface; }
    // The editor behind the surface; its undo stack holds every edit of the drawing.
    ChartEditor *editor() const { return m_editor; }
    QUndoStack *undoStack() const;
    // Runs an edit operation as one undoable step named text (dialogs, colours and sizes too).
    EditRecord applyEdit(const QString &text, const EditCommand::Operation &operation, int mergeKey = -1);
    ToolColumn *fraToolBar1() const { return m_tools; }
    RunControlPanel *runControls() const { return m_runControls; }
    QGroupBox *fraToolBar2() const { return m_fraToolBar2; }
    QGroupBox *fraToolBar3() const { return m_fraToolBar3; }
    QLabel *lblID() const { return m_lblID; }
    QLabel *webLink() const { return m_lblWeb; }
    // The menus and commands of the window, each under its own name.
    const MainActions &actions() const { return m_actions; }
    // Look-ups by object name, for tests.
    QAction *action(const QString &objectName) const;
    QMenu *menu(const QString &objectName) const;

    // The run windows, created on first use and kept.
    frmScreen *screen();
    frmVars *vars();
    frmStack *stack();
    // The message window while it exists.
    frm_mBox *messageWindow() const;

    // The three start modes after the main window has loaded.
    void openStartFile(const QString &path);
    void runStartUpFlow(const QString &path);

    // Moves the selection frame around the block's shape (2 out, 5 larger) and scrolls it into
    // sight, when blocks are tracked and the block has a shape on the surface.
    void setSelector(const cBlock *block) override;
    void hideSelector() override;
    void showScreen(bool restore) override;
    void restoreScreen() override;
    // The file menu's commands: New, Open, examples, recent charts, Save, drop, recovery.
    ProjectCommands *projectCommands() const { return m_commands; }
    // Editing, appearance and program commands: "Düzenle", colours, size, "EXE Yap...", about.
    MainWindowCommands *editingCommands() const { return m_editingCommands; }
    // The debugger's commands of the "Çalıştır" menu, with the user's breakpoints.
    DebugCommands *debugCommands() const { return m_debugCommands; }
    // The unsaved-changes question; false when the user cancelled (or the save failed).
    bool confirmDiscardChanges() override;
    void endApplication() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    QWidget *buildCentralArea();
    QWidget *buildBottomBar();
    void connectRunControl();
    void connectEditor();
    void enableEditing(bool flag);
    void showMessageWindow();
    void showTitle(const QString &title);
    // The console, the grids and the message window go with the main window.
    void hideRunWindows();
    void showModal(const QString &text, const QString &title);
    void openHelp();
    void openWebLink(const QString &url);

    MessageLog m_log;
    Project m_project;
    GuiRunHost m_host;
    Runtime m_runtime;
    MainActions m_actions;

    DrawingSurface *m_surface = nullptr;
    ChartEditor *m_editor = nullptr;
    ToolColumn *m_tools = nullptr;
    RunControlPanel *m_runControls = nullptr;
    QGroupBox *m_fraToolBar2 = nullptr;
    QGroupBox *m_fraToolBar3 = nullptr;
    QLabel *m_lblID = nullptr;
    QLabel *m_lblWeb = nullptr;
    QCheckBox *m_autoConnect = nullptr;
    frmScreen *m_screen = nullptr;
    frmVars *m_vars = nullptr;
    frmStack *m_stack = nullptr;
    MainWindowGeometry m_geometry;
    RunWindowPlacement *m_placement = nullptr;
    QPointer<frm_mBox> m_messageWindow;
    ProjectCommands *m_commands = nullptr;
    MainWindowCommands *m_editingCommands = nullptr;
    CodeCommands *m_code = nullptr;
    DebugCommands *m_debugCommands = nullptr;
};
