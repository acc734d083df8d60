#include "ui/main/frmMain.h"

#include "model/cBlock.h"
#include "project/RecentProjects.h"
#include "shell/WebLinks.h"
#include "ui/run/RunControlPanel.h"
#include "ui/main/LayoutCommand.h"
#include "ui/main/MainStatusBar.h"
#include "ui/main/ToolColumn.h"
#include "ui/editor/EditorKeyboard.h"
#include "ui/editor/SelectionCommands.h"
#include "ui/editor/EmptySurfaceHint.h"
#include "ui/main/ProjectCommands.h"
#include "shell/DataLocator.h"
#include "ui/codegen/CodeCommands.h"
#include "ui/exercise/ExerciseCommands.h"
#include "ui/main/RecoveryCommands.h"
#include "ui/main/ScrollingStrip.h"
#include "ui/main/QtProjectDialogs.h"
#include "ui/main/MainWindowCommands.h"
#include "ui/editor/ChartEditor.h"
#include "ui/editor/DrawingSurface.h"
#include "ui/export/ChartExportCommands.h"
#include "ui/help/HandbookHelp.h"
#include "ui/runwin/RunWindowPlacement.h"
#include "ui/runwin/frmScreen.h"
#include "ui/runwin/frmStack.h"
#include "ui/runwin/frmVars.h"
#include "ui/main/DebugCommands.h"
#include "ui/run/RunMenuCommands.h"
#include "ui/runwin/frm_mBox.h"
#include "ui/shell/openURL.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>

namespace {

// A button of the bottom bar: it runs its action and is enabled with it.
QPushButton *addButton(QWidget *parent, QLayout *layout, const char *name, const QString &caption, QAction *action)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(action->toolTip());
    button->setEnabled(action->isEnabled());
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
    layout->addWidget(button);
    return button;
}

void keepSpaceWhenHidden(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

frmMain::frmMain()
    : m_project(&m_log),
      m_host(*this, m_project.theBlockCollection()),
      m_runtime(m_project, m_log, m_host),
      m_actions(this),
      m_geometry(*this, RecentProjects::defaultSettingsFile())
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(m_project.windowTitle());
    setFocusPolicy(Qt::StrongFocus);
    buildMenus();
    auto *pictures = new ChartExportCommands(m_project, this, m_actions.file.saveImage, m_actions.file.print, this);
    setCentralWidget(buildCentralArea());
    m_placement = new RunWindowPlacement(*this, *m_surface, RecentProjects::defaultSettingsFile(), this);
    connectEditor();
    m_editingCommands = new MainWindowCommands(*this, *m_editor, m_actions);
    connectRunControl();
    m_commands = new ProjectCommands(m_project, m_runtime.run, this, m_actions.file,
                                     std::make_unique<QtProjectDialogs>(this), ProjectCommands::Places::standard(), this);
    m_commands->setUndoStack(undoStack());
    connect(m_commands, &ProjectCommands::selectorHideRequested, this, &frmMain::hideSelector);
    new LayoutCommand(m_project, *m_editor, m_log, m_actions.edit.autoLayout, this);
    const MainActions::File &f = m_actions.file;
    new ExerciseCommands(*this, m_project, m_editor->undoStack(), m_runtime.run,
                         {f.openExercise, f.checkExercise, f.exerciseEditor, f.examples},
                         DataLocator().dataFolder() + QStringLiteral("Exercises/"));
    m_code = new CodeCommands(*this, m_project, *m_editor, m_runtime.run, f.exportCode, f.codeView);
    const MainActions::Run &r = m_actions.run;
    new RunMenuCommands(m_runtime.run, *m_runControls, {r.run, r.stop, r.pause, r.nextStep, r.fast, r.slow, r.stepMode},
                        this);
    m_debugCommands = new DebugCommands(*this, r, this);
    pictures->showBreakpointsWith(m_actions.file.pictureBreakpoints, m_debugCommands->breakpoints());
    m_runControls->addCommandButtons({r.stepInto, r.stepOver, r.stepOut, r.stepBack});
    showTitle(m_project.windowTitle());
    connect(&m_project, &Project::windowTitleChanged, this, &frmMain::showTitle);
    connect(&m_project.context(), &ModelContext::projectModifiedChanged, this, &QWidget::setWindowModified);
    // A load changes the flag without announcing it: its end tells.
    connect(&m_project.context(), &ModelContext::replaced, this,
            [this] { setWindowModified(m_project.context().projectModified()); });
    setStatusBar(new MainStatusBar(m_project, *m_surface, *m_tools, this));
    new EmptySurfaceHint(m_project.context(), m_project.theBlockCollection(), m_surface->viewport());
    connect(&m_log, &MessageLog::messageAdded, this, &frmMain::showMessageWindow);
    m_log.setModalSink([this](const MessageText &text, const QString &title) { showModal(text.translated(), title); });
    m_geometry.restore();
}

frmMain::~frmMain()
{
    // The placement keeps the docks' places as they hide; while the window is taken apart
    // there is nothing left to keep.
    delete m_placement;
    // The windows hold references into the runtime; they go first.
    delete m_messageWindow;
    delete m_screen;
    delete m_vars;
    delete m_stack;
}

QAction *frmMain::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

QMenu *frmMain::menu(const QString &objectName) const
{
    return findChild<QMenu *>(objectName);
}

void frmMain::buildMenus()
{
    for (QMenu *menu : m_actions.menus())
        menuBar()->addMenu(menu);
    new HandbookHelp(m_actions.help.handbook, [this]() -> const cBlock * {
        return m_editor ? m_editor->operations().blockAt(m_project.context().selectedIndex()) : nullptr;
    }, this);
    connect(m_actions.help.topics, &QAction::triggered, this, &frmMain::openHelp);
    connect(m_actions.file.exit, &QAction::triggered, this, &QWidget::close);
}

QWidget *frmMain::buildCentralArea()
{
    auto *central = new QWidget(this);
    auto *grid = new QGridLayout(central);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(4);
    m_tools = new ToolColumn(central);
    m_runControls = new RunControlPanel(m_runtime.run, m_project, central);
    m_surface = new DrawingSurface(central);
    // The strips of controls scroll where a small screen has no room for them.
    grid->addWidget(new ScrollingStrip(m_runControls, Qt::Horizontal, central), 0, 1);
    grid->addWidget(new ScrollingStrip(m_tools, Qt::Vertical, central), 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(m_surface, 1, 1);
    grid->addWidget(new ScrollingStrip(buildBottomBar(), Qt::Horizontal, central), 2, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
    connect(m_tools, &ToolColumn::armedChanged, this,
            [this](const QString &, const QCursor &cursor) { m_surface->setToolCursor(cursor); });
    return central;
}

QWidget *frmMain::buildBottomBar()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("bottomBar"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(5);

    m_fraToolBar2 = new QGroupBox(tr("Bağla ve Düzenle"), bar);
    m_fraToolBar2->setObjectName(QStringLiteral("fraToolBar2"));
    auto *connectRow = new QHBoxLayout(m_fraToolBar2);
    addButton(m_fraToolBar2, connectRow, "cmdConnect", tr("Bağla"), m_actions.bar.connect);
    addButton(m_fraToolBar2, connectRow, "cmdEdit", tr("Düzenle"), m_actions.bar.edit);
    m_autoConnect = new QCheckBox(tr("Otomatik Bağla"), m_fraToolBar2);
    m_autoConnect->setObjectName(QStringLiteral("chkCONTINUED_CONNECTION"));
    m_autoConnect->setFocusPolicy(Qt::NoFocus);
    connectRow->addWidget(m_autoConnect);

    m_fraToolBar3 = new QGroupBox(tr("Sil"), bar);
    m_fraToolBar3->setObjectName(QStringLiteral("fraToolBar3"));
    auto *deleteRow = new QHBoxLayout(m_fraToolBar3);
    addButton(m_fraToolBar3, deleteRow, "cmdDeleteLine", tr("Çizgi"), m_actions.remove.line);
    addButton(m_fraToolBar3, deleteRow, "cmdDeleteBlock", tr("Nesne"), m_actions.remove.block);

    m_lblID = new QLabel(QStringLiteral("id#"), bar);
    m_lblID->setObjectName(QStringLiteral("lblID"));
    const QString home = WebLinks::homePage();
    m_lblWeb = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(home.toHtmlEscaped()), bar);
    m_lblWeb->setObjectName(QStringLiteral("lblWeb"));
    m_lblWeb->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(m_lblWeb, &QLabel::linkActivated, this, &frmMain::openWebLink);

    for (QWidget *w : {static_cast<QWidget *>(m_fraToolBar2), static_cast<QWidget *>(m_fraToolBar3)})
        keepSpaceWhenHidden(w);
    row->addWidget(m_fraToolBar2, 0, Qt::AlignBottom);
    row->addWidget(m_fraToolBar3, 0, Qt::AlignBottom);
    row->addWidget(m_lblID, 0, Qt::AlignBottom);
    row->addStretch(1);
    row->addWidget(m_lblWeb, 0, Qt::AlignBottom);
    return bar;
}

void frmMain::connectRunControl()
{
    RunControl &run = m_runtime.run;
    connect(&run, &RunControl::editingEnabledChanged, this, &frmMain::enableEditing);
    connect(&run, &RunControl::runEnded, &m_host, &GuiRunHost::forgetRecorded);
    connect(m_runControls, &RunControlPanel::screenRequested, this, [this] { showScreen(true); });
    connect(m_runControls, &RunControlPanel::stackRequested, this, [this] {
        stack()->show();
        stack()->raise();
    });
    connect(m_runControls, &RunControlPanel::varsRequested, this, [this] {
        vars()->show();
        vars()->raise();
    });
    connect(m_runControls->chk_LOAD_GUI, &QCheckBox::toggled, m_tools, &ToolColumn::setToolsActive);
}

void frmMain::enableEditing(bool flag)
{
    m_tools->setVisible(flag);
    m_fraToolBar2->setVisible(flag);
    m_fraToolBar3->setVisible(flag);
    for (QMenu *menu : {m_actions.file.menu, m_actions.edit.menu, m_actions.remove.menu})
        menu->setEnabled(flag);
}

void frmMain::connectEditor()
{
    // Made before anything is loaded: it installs the fonts captions are measured in.
    m_editor = new ChartEditor(m_project, *m_surface, this);
    connect(m_surface, &DrawingSurface::emptySurfacePressed, this, [this](const QPointF &point) {
        if (m_editor->placeBlock(m_tools->armedWord(), point))
            m_tools->disarm();
    });
    connect(m_editor, &ChartEditor::blockPressed, m_lblID, &QLabel::setText);
    connect(m_autoConnect, &QCheckBox::toggled, m_editor, &ChartEditor::setAutoConnect);
    connect(&m_runtime.run, &RunControl::runStarted, m_editor, [this] { m_editor->setRunInProgress(true); });
    connect(&m_runtime.run, &RunControl::runEnded, m_editor, [this] { m_editor->setRunInProgress(false); });
    const auto wire = [this](QAction *action, auto command) { connect(action, &QAction::triggered, m_editor, command); };
    wire(m_actions.bar.connect, [this] { m_editor->connectSelected(); });
    wire(m_actions.remove.line, [this] { m_editor->deleteSelectedLines(); });
    wire(m_actions.remove.block, [this] { m_editor->deleteSelection(); });
    wire(m_actions.edit.captionToLine, [this] { m_editor->labelSelectedLines(); });
    const MainActions::Edit &e = m_actions.edit;
    new SelectionCommands(*m_editor, {e.cut, e.copy, e.paste, e.selectAll, e.grid}, m_editor);
    QVector<EditorKeyboard::Kind> kinds;
    for (const ToolColumn::Tool &tool : ToolColumn::tools())
        kinds.append({tool.word, tool.label});
    auto *keyboard = new EditorKeyboard(*m_editor, *m_surface, kinds);
    connect(e.insertBlock, &QAction::triggered, keyboard, &EditorKeyboard::insertBlock);
    QMenu *edit = m_actions.edit.menu;
    QAction *first = edit->actions().value(0);
    edit->insertActions(first, {m_editor->undoAction(), m_editor->redoAction()});
    edit->insertSeparator(first);
}

QUndoStack *frmMain::undoStack() const
{
    return &m_editor->undoStack();
}

EditRecord frmMain::applyEdit(const QString &text, const EditCommand::Operation &operation, int mergeKey)
{
    return m_editor->apply(text, operation, mergeKey);
}

frmScreen *frmMain::screen()
{
    if (!m_screen) {
        m_screen = new frmScreen(m_runtime.console, m_runtime.flags, m_log, [this] { endApplication(); }, this);
        // The rows the console shows follow its height; docked, it keeps at least ten.
        m_screen->setMinimumHeight(m_screen->rowHeight() * 10 + 4);
        m_placement->dock(m_screen, Qt::RightDockWidgetArea);
    }
    return m_screen;
}

frmVars *frmMain::vars()
{
    if (!m_vars) {
        m_vars = new frmVars(m_runtime.vars, this);
        m_placement->dock(m_vars, Qt::BottomDockWidgetArea);
    }
    return m_vars;
}

frmStack *frmMain::stack()
{
    if (!m_stack) {
        m_stack = new frmStack(m_runtime.stack, this);
        m_placement->dock(m_stack, Qt::BottomDockWidgetArea);
    }
    return m_stack;
}

frm_mBox *frmMain::messageWindow() const
{
    return m_messageWindow;
}

void frmMain::showScreen(bool restore)
{
    if (restore) {
        screen()->showRestored();
        return;
    }
    screen()->show();
    screen()->raise();
}

void frmMain::restoreScreen()
{
    if (m_screen && m_screen->isMinimized())
        m_screen->setWindowState(m_screen->windowState() & ~Qt::WindowMinimized);
}

// The title marks unsaved changes the way the desktop does.
void frmMain::showTitle(const QString &title)
{
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(m_project.context().projectModified());
}

void frmMain::showMessageWindow()
{
    if (!m_messageWindow)
        m_messageWindow = new frm_mBox(m_log, m_runtime.flags, [this] { endApplication(); }, this);
    m_messageWindow->showLog();
}

void frmMain::showModal(const QString &text, const QString &title)
{
    QMessageBox::information(isVisible() ? this : nullptr,
                             title.isEmpty() ? Project::baseTitle() : title, text);
}

void frmMain::setSelector(const cBlock *block)
{
    if (block)
        m_editor->followRun(*block);
    m_code->showRunBlock(block);
}

void frmMain::hideSelector()
{
    m_editor->hideSelector();
}

void frmMain::openStartFile(const QString &path)
{
    m_commands->openStartFile(path);
}

void frmMain::runStartUpFlow(const QString &path)
{
    m_runtime.flags.startUpFlowMode = true;
    m_runControls->chk_LOAD_GUI->setChecked(false);
    m_project.load_FILE(path);
    m_runControls->scroll_ExecutionDelay->setValue(0);
    m_runtime.run.cmdRun_ClickP();
}

bool frmMain::confirmDiscardChanges()
{
    return m_commands->confirmDiscardChanges();
}

void frmMain::endApplication()
{
    // From the event loop: the run that ends it is still unwinding. exit() rather than quit(),
    // which would first ask every window to close: a run window only hides when asked, and a
    // refusal would leave the program running with no window to show for it.
    QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void frmMain::hideRunWindows()
{
    for (QWidget *window : {static_cast<QWidget *>(m_screen), static_cast<QWidget *>(m_vars),
                            static_cast<QWidget *>(m_stack), static_cast<QWidget *>(m_messageWindow.data())}) {
        if (window)
            window->hide();
    }
}

void frmMain::openHelp()
{
    openWebLink(WebLinks::helpPage());
}

void frmMain::openWebLink(const QString &url)
{
    openURLOrWarn(url, this);
}

void frmMain::keyPressEvent(QKeyEvent *event)
{
    const int code = frmScreen::keyAsciiOf(event);
    if (code < 0) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    m_runtime.console.processKey(code);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (!confirmDiscardChanges()) {
        event->ignore();
        return;
    }
    event->accept();
    m_commands->recovery().closeAccepted();
    m_geometry.keep();
    m_placement->keepForNextStart();
    // A run waiting for an input ends its wait here; the run unwinds before the program ends.
    if (m_runtime.run.runInProgress())
        m_runtime.run.TerminateExecution();
    hideRunWindows();
    endApplication();
}
