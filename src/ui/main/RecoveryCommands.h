#pragma once

#include "project/RecoveryStore.h"

#include <QObject>
#include <QTimer>
#include <functional>

class Project;
class RunControl;

// The recovery copies of unsaved changes: written every minute while the chart has unsaved
// changes, removed once they are saved or discarded or the window closes with the user's
// consent, and offered at the next start when a crashed session left them.
class RecoveryCommands : public QObject {
    Q_OBJECT
public:
    // What bringing a copy back needs from the file commands.
    struct Opener {
        std::function<bool(const QString &title, const QString &text)> askRestore;
        std::function<bool()> confirmDiscardChanges;
        // Loads a chart as every open command does; true when it was read completely.
        std::function<bool(const QString &path)> load;
        // The loaded chart is now the one of this path, not yet saved.
        std::function<void(const QString &path)> adoptUnsaved;
    };

    RecoveryCommands(Project &project, const RunControl &run, Opener opener, const QString &folder,
                     QObject *parent = nullptr);

    // At start in the editor: offers the copies crashed sessions left, newest first.
    void offerRecovery();
    // Writes this session's recovery copy now (the timer does it every minute).
    void writeRecoveryCopy();
    // The main window is closing with the user's consent: the recovery copy goes.
    void closeAccepted();

    RecoveryStore &store() { return m_store; }
    bool timerActive() const { return m_timer.isActive(); }

private:
    void followModified();
    void restore(const RecoveryCopy &copy);

    Project &m_project;
    const RunControl &m_run;
    Opener m_opener;
    RecoveryStore m_store;
    QTimer m_timer;
    bool m_failureShown = false;
};
