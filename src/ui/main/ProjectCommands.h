#pragma once

#include "project/RecentProjects.h"
#include "shell/DataLocator.h"
#include "ui/main/MainActions.h"
#include "ui/main/ProjectDialogs.h"

#include <QObject>
#include <QPointer>
#include <QUndoStack>
#include <memory>

class Project;
class QMenu;
class QMimeData;
class QWidget;
class RecentMenu;
class RecoveryCommands;
class RunControl;

// The file menu's project commands: New, Open, the examples, the recent charts, Save, Save As,
// opening a dropped file, and the unsaved-changes question that guards every command which
// replaces or closes the drawing; they keep the recovery copies of unsaved changes. While a
// program runs, every command is refused with "Önce şu anki işlemi durdurun!".
class ProjectCommands : public QObject {
    Q_OBJECT
public:
    // Where the commands find and keep their files; the defaults suit the desktop program.
    struct Places {
        QString programFolder;      // an untitled project's folder
        DataLocator locator;        // the new-project template and the examples
        QString recentSettingsFile; // the recent charts
        QString recoveryFolder;     // the recovery copies
        static Places standard();
    };

    // Connects the file menu's entries and fills its examples and recent charts; the window
    // takes dropped files.
    ProjectCommands(Project &project, RunControl &run, QWidget *window, const MainActions::File &entries,
                    std::unique_ptr<ProjectDialogs> dialogs, Places places = Places::standard(),
                    QObject *parent = nullptr);
    ~ProjectCommands() override;
    // After New, Open, a drop and a restore the history is cleared; a save marks it clean.
    void setUndoStack(QUndoStack *stack) { m_undoStack = stack; }
    // Tests answer the dialogs in place of the user.
    void setDialogs(std::unique_ptr<ProjectDialogs> dialogs) { m_dialogs = std::move(dialogs); }

    // true when the caller may replace or close the drawing: nothing unsaved, "No", or "Yes"
    // with a save that went through. Cancel, a cancelled Save As or a failed save: false.
    bool confirmDiscardChanges();

    void newProject();
    void openProject();
    void openExample(int index);
    // Opens a recent chart; one that is gone is dropped from the list with a message.
    void openRecent(const QString &path);
    // Asks about unsaved changes, then loads the file; true when it was read completely.
    bool openFile(const QString &path);
    // The file named on the command line (nothing to ask yet).
    void openStartFile(const QString &path);
    bool save();
    bool saveAs();

    // Whether a drag carries files to open, and the drop itself (the first file is opened).
    static bool carriesFiles(const QMimeData *data);
    void dropFiles(const QMimeData *data);

    // The recovery copies of unsaved changes.
    RecoveryCommands &recovery() { return *m_recovery; }
    RecentProjects &recentProjects() { return m_recent; }
    RecentMenu *recentMenu() const { return m_recentMenu; }
    static QString refusalText() { return tr("Önce şu anki işlemi durdurun!"); }

Q_SIGNALS:
    // The drawing was replaced or is about to be: the selection frame goes.
    void selectorHideRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool refusedWhileRunning();
    bool saveTo(const QString &path);
    QString proposedSavePath() const;
    bool load(const QString &path);
    void afterLoad(quint64 replacementsBefore);
    void setPath(const QString &path);
    void selectStartBlock();
    void connectEntries(const MainActions::File &entries);

    Project &m_project;
    RunControl &m_run;
    QPointer<QWidget> m_window;
    std::unique_ptr<ProjectDialogs> m_dialogs;
    Places m_places;
    RecentProjects m_recent;
    RecoveryCommands *m_recovery;
    quint64 m_replacements = 0;
    QPointer<QUndoStack> m_undoStack;
    RecentMenu *m_recentMenu = nullptr;
};
