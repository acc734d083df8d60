#include "ui/main/ProjectCommands.h"

#include "base/MessageLog.h"
#include "base/Paths.h"
#include "interp/RunControl.h"
#include "model/cBlock.h"
#include "project/ExampleCatalog.h"
#include "project/OpenChart.h"
#include "project/Project.h"
#include "ui/main/ExamplesMenu.h"
#include "ui/main/RecentMenu.h"
#include "ui/main/RecoveryCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QAction>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

namespace {

QString firstLocalFile(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().isEmpty())
        return QString();
    const QUrl first = data->urls().constFirst();
    return first.isLocalFile() ? first.toLocalFile() : QString();
}

bool canWriteIn(const QString &folder)
{
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isWritable();
}

// An untitled chart is proposed in the program's folder when the user may write there (a copy
// in the user's own folder); an installed program's folder is not the user's, so then the
// documents folder, else the home folder.
QString untitledFolder(const QString &programFolder)
{
    if (canWriteIn(programFolder))
        return Paths::AddSlash(programFolder);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return Paths::AddSlash(canWriteIn(documents) ? documents : QDir::homePath());
}

} // namespace

ProjectCommands::Places ProjectCommands::Places::standard()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return Places{Paths::AddSlash(programFolder), DataLocator(programFolder),
                  RecentProjects::defaultSettingsFile(), RecoveryStore::defaultFolder()};
}

ProjectCommands::ProjectCommands(Project &project, RunControl &run, QWidget *window,
                                 const MainActions::File &entries, std::unique_ptr<ProjectDialogs> dialogs,
                                 Places places, QObject *parent)
    : QObject(parent),
      m_project(project),
      m_run(run),
      m_window(window),
      m_dialogs(std::move(dialogs)),
      m_places(std::move(places)),
      m_recent(m_places.recentSettingsFile),
      m_recovery(new RecoveryCommands(
          project, run,
          RecoveryCommands::Opener{
              [this](const QString &title, const QString &text) { return m_dialogs->askRestore(title, text); },
              [this] { return confirmDiscardChanges(); },
              [this](const QString &path) { return load(path); },
              [this](const QString &path) {
                  setPath(path);
                  if (m_undoStack)
                      m_undoStack->resetClean();
              }},
          m_places.recoveryFolder, this))
{
    connect(&m_project, &Project::projectReplaced, this, [this] { ++m_replacements; });
    connectEntries(entries);
}

ProjectCommands::~ProjectCommands() = default;

void ProjectCommands::connectEntries(const MainActions::File &entries)
{
    connect(entries.newChart, &QAction::triggered, this, &ProjectCommands::newProject);
    connect(entries.open, &QAction::triggered, this, &ProjectCommands::openProject);
    connect(entries.save, &QAction::triggered, this, &ProjectCommands::save);
    connect(entries.saveAs, &QAction::triggered, this, &ProjectCommands::saveAs);
    connect(new ExamplesMenu(entries.examples, this), &ExamplesMenu::exampleChosen, this,
            &ProjectCommands::openExample);

    m_recentMenu = new RecentMenu(m_recent, entries.recent, this);
    connect(entries.menu, &QMenu::aboutToShow, m_recentMenu, &RecentMenu::rebuild);
    connect(m_recentMenu, &RecentMenu::fileChosen, this, &ProjectCommands::openRecent);

    if (m_window) {
        m_window->setAcceptDrops(true);
        m_window->installEventFilter(this);
    }
}

bool ProjectCommands::refusedWhileRunning()
{
    if (!m_run.runInProgress())
        return false;
    m_dialogs->notify(refusalText());
    return true;
}

bool ProjectCommands::confirmDiscardChanges()
{
    if (!SaveQuestion::needed(m_project.projectModified()))
        return true;
    const SaveQuestion::Answer answer =
        m_dialogs->askSave(SaveQuestion::title(), SaveQuestion::text(m_project.projectPath()));
    switch (SaveQuestion::stepFor(answer)) {
    case SaveQuestion::Step::Proceed:
        return true;
    case SaveQuestion::Step::SaveFirst:
        return SaveQuestion::proceedAfterSave(m_project.projectPath().isEmpty() ? saveAs()
                                                                               : saveTo(m_project.projectPath()));
    case SaveQuestion::Step::Stop:
        break;
    }
    return false;
}

// Loads a file the way every open command does: the selection frame goes, and the selection
// is empty afterwards, whether the file was read or not.
bool ProjectCommands::load(const QString &path)
{
    const quint64 before = m_replacements;
    Q_EMIT selectorHideRequested();
    const bool complete = m_project.load_FILE(path);
    afterLoad(before);
    return complete;
}

// A load that replaced the drawing (a missing file replaces nothing) ends the undo history.
void ProjectCommands::afterLoad(quint64 replacementsBefore)
{
    m_project.context().setSelection(-1, -1);
    if (m_replacements != replacementsBefore && m_undoStack)
        m_undoStack->clear();
}

void ProjectCommands::setPath(const QString &path)
{
    OpenChart::adopt(m_project, path, m_places.programFolder);
}

void ProjectCommands::newProject()
{
    if (refusedWhileRunning() || !confirmDiscardChanges())
        return;
    const QString templatePath = m_places.locator.newTemplatePath();
    if (!QFileInfo(templatePath).isFile()) {
        // Without its template, New would leave the old drawing under no name.
        m_project.log().mBox(tr("Yeni proje şablonu bulunamadı: ") + templatePath);
        return;
    }
    load(templatePath);
    setPath(QString());
    selectStartBlock();
}

void ProjectCommands::selectStartBlock()
{
    if (const cBlock *start = m_run.interpreter().findBlockByAction(QStringLiteral("START")))
        m_project.context().setSelection(start->theObjectShape(), -1);
}

void ProjectCommands::openProject()
{
    if (refusedWhileRunning() || !confirmDiscardChanges())
        return;
    const QString path = m_dialogs->openFile(m_places.locator.dataFolder());
    if (path.isEmpty())
        return;
    if (load(path))
        m_recent.add(path);
}

void ProjectCommands::openExample(int index)
{
    if (refusedWhileRunning() || !confirmDiscardChanges())
        return;
    const QString path = ExampleCatalog::pathOf(m_places.locator.examplesFolder(), index);
    if (!load(path))
        m_project.log().mBox(ExampleCatalog::failureMessage(path));
}

void ProjectCommands::openRecent(const QString &path)
{
    if (refusedWhileRunning())
        return;
    if (!QFileInfo(path).isFile()) {
        m_recent.remove(path);
        m_project.log().mBox(RecentProjects::missingMessage(path));
        return;
    }
    openFile(path);
}

bool ProjectCommands::openFile(const QString &path)
{
    if (!confirmDiscardChanges())
        return false;
    const bool complete = load(path);
    if (complete)
        m_recent.add(path);
    return complete;
}

void ProjectCommands::openStartFile(const QString &path)
{
    if (load(path))
        m_recent.add(path);
}

bool ProjectCommands::save()
{
    if (refusedWhileRunning())
        return false;
    const QString path = m_project.projectPath();
    return path.isEmpty() ? saveAs() : saveTo(path);
}

bool ProjectCommands::saveAs()
{
    if (refusedWhileRunning())
        return false;
    const QString path = m_dialogs->saveFile(proposedSavePath());
    return !path.isEmpty() && saveTo(path);
}

QString ProjectCommands::proposedSavePath() const
{
    const QString current = m_project.projectPath();
    if (!current.isEmpty())
        return current;
    return untitledFolder(m_places.programFolder) + QStringLiteral("MyProject.vnp");
}

// The project takes the new name only once its file is written: a failed save leaves the old
// file, the old name and the unsaved-changes mark as they were.
bool ProjectCommands::saveTo(const QString &path)
{
    // One message in the message window, with the cause, rather than a box and a line.
    QString failure;
    if (!m_project.saveProjectFile(path, &failure)) {
        m_project.log().mBox(tr("Proje kaydedilemedi: ") + path + QStringLiteral("\r\n") + failure
                             + tr("\r\nDosyanın önceki hâli olduğu gibi duruyor; "
                                  "değişiklikler henüz kaydedilmedi."));
        return false;
    }
    setPath(path);
    m_recent.add(path);
    if (m_undoStack)
        m_undoStack->setClean();
    return true;
}

bool ProjectCommands::carriesFiles(const QMimeData *data)
{
    return !firstLocalFile(data).isEmpty();
}

void ProjectCommands::dropFiles(const QMimeData *data)
{
    if (refusedWhileRunning())
        return;
    const QString path = firstLocalFile(data);
    if (!path.isEmpty())
        openFile(path);
}

bool ProjectCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (carriesFiles(drag->mimeData()))
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!carriesFiles(drop->mimeData()))
            return true;
        drop->acceptProposedAction();
        // The questions wait for the user; the drag source should not wait with them.
        const QString path = firstLocalFile(drop->mimeData());
        QMetaObject::invokeMethod(this, [this, path] {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            dropFiles(&data);
        }, Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}
