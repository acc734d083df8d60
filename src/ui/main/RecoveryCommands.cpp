#include "ui/main/RecoveryCommands.h"

#include "base/MessageLog.h"
#include "interp/RunControl.h"
#include "project/Project.h"

RecoveryCommands::RecoveryCommands(Project &project, const RunControl &run, Opener opener, const QString &folder,
                                   QObject *parent)
    : QObject(parent),
      m_project(project),
      m_run(run),
      m_opener(std::move(opener)),
      m_store(folder)
{
    m_timer.setInterval(RecoveryStore::IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryCommands::writeRecoveryCopy);
    ModelContext &context = m_project.context();
    connect(&context, &ModelContext::projectModifiedChanged, this, &RecoveryCommands::followModified);
    // A load resets the flag inside its bracket, where the change is not announced.
    connect(&context, &ModelContext::replaced, this, &RecoveryCommands::followModified);
}

void RecoveryCommands::followModified()
{
    if (m_project.projectModified()) {
        if (!m_timer.isActive())
            m_timer.start();
        return;
    }
    m_timer.stop();
    m_store.discard();
}

void RecoveryCommands::writeRecoveryCopy()
{
    // A running program may have put a called chart in place of the user's.
    if (!m_project.projectModified() || m_run.runInProgress())
        return;
    if (m_store.write(m_project.theBlockCollection(), m_project.theLineCollection(), m_project.projectPath())) {
        m_failureShown = false;
        return;
    }
    if (m_failureShown)
        return;
    m_failureShown = true;
    m_project.log().mBox(tr("Kurtarma kopyası yazılamadı: ") + m_store.errorText());
}

void RecoveryCommands::closeAccepted()
{
    m_timer.stop();
    m_store.discard();
}

void RecoveryCommands::offerRecovery()
{
    QList<RecoveryCopy> copies = m_store.claimOrphans();
    while (!copies.isEmpty()) {
        const RecoveryCopy copy = copies.takeFirst();
        if (!m_opener.askRestore(RecoveryStore::questionTitle(), RecoveryStore::questionText(copy))) {
            m_store.remove(copy);
            continue;
        }
        if (m_opener.confirmDiscardChanges())
            restore(copy);
        else
            m_store.release(copy);
        break;
    }
    for (const RecoveryCopy &left : copies)
        m_store.release(left);
}

// The copy comes back under the project's own name and folder, still unsaved; it becomes this
// session's copy before the crashed session's one goes.
void RecoveryCommands::restore(const RecoveryCopy &copy)
{
    if (!m_opener.load(copy.chartPath)) {
        m_project.log().mBox(tr("Kurtarma kopyası açılamadı: ") + copy.chartPath);
        m_store.release(copy);
        return;
    }
    m_opener.adoptUnsaved(copy.originalPath);
    m_project.setProjectModified(true);
    if (m_store.write(m_project.theBlockCollection(), m_project.theLineCollection(), copy.originalPath))
        m_store.remove(copy);
    else
        m_store.release(copy);
}
