#pragma once

// Helpers shared by the project file tests (and the fuzz target): fixtures, a model dump to
// compare loads, and the checks every load must pass whatever the file holds.

#include "model/cBlock.h"
#include "model/cLine.h"
#include "project/FileStamp.h"
#include "project/Project.h"
#include "project/ProjectFileReader.h"
#include "project/ProjectFileWriter.h"
#include "base/MessageLog.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QThread>

#include <ostream>

// Readable failure output for texts.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace ProjectTest {

// Until a load of the file may keep the chart: its times lie far enough back.
inline void waitUntilSettled(const QString &path)
{
    for (;;) {
        const std::optional<FileStamp> stamp = FileStamp::of(QFile::encodeName(path));
        if (!stamp || stamp->settledAt(FileStamp::nowNs()))
            return;
        QThread::msleep(5);
    }
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

#ifdef VARNEL_TEST_DATA
inline QString dataPath(const QString &name)
{
    return QStringLiteral(VARNEL_TEST_DATA "/") + name;
}

// The example project: START, an OUTPUT block printing "Merhaba Dünya", END and two lines.
inline QByteArray helloBytes()
{
    return readBytes(dataPath(QStringLiteral("hello.vnp")));
}
#endif

// The bytes with the first occurrence of `from` replaced; empty when `from` is not there.
inline QByteArray replaceOnce(QByteArray bytes, const QByteArray &from, const QByteArray &to)
{
    const qsizetype at = bytes.indexOf(from);
    if (at < 0)
        return QByteArray();
    return bytes.replace(at, from.size(), to);
}

// One text line per record and field, so that two models compare as texts and a difference
// shows where it is.
inline QStringList dumpModel(const Project &project)
{
    QStringList out;
    const QChar bar = u'|';
    for (const auto &b : project.theBlockCollection()) {
        QString row = QStringLiteral("block|") + b->TagID() + bar + QString::number(b->Shape()) + bar
            + QString::number(b->BGColor()) + bar + QString::number(b->BorderColor()) + bar
            + QString::number(b->TextColor()) + bar + b->zAction() + bar + b->zParam1() + bar
            + b->zParam2() + bar + b->zParam3();
        if (b->hasElement())
            row += QStringLiteral("|at ") + QString::number(double(b->shapeLeft()), 'g', 9) + u' '
                + QString::number(double(b->shapeTop()), 'g', 9) + QStringLiteral(" size ")
                + QString::number(b->shapeWidth()) + u' ' + QString::number(b->shapeHeight())
                + (b->Visible() ? QStringLiteral(" visible") : QStringLiteral(" hidden"));
        out << row;
    }
    for (const auto &l : project.theLineCollection())
        out << QStringLiteral("line|") + l->sFrom() + bar + l->sTo() + bar + l->sCaption();
    return out;
}

// What must hold after any load, whatever bytes the file held. Returns an empty text when all
// is well, else what went wrong.
inline QString checkLoadOutcome(const Project &project, bool loaded, const QString &log,
                                const QString &path)
{
    if (project.projectModified())
        return QStringLiteral("projectModified after a load");
    if (loaded) {
        if (project.projectPath() != path)
            return QStringLiteral("projectPath not set");
        if (!project.windowTitle().startsWith(Project::baseTitle() + QStringLiteral(" - ")))
            return QStringLiteral("title without the file name");
        // Only link errors (a line with an empty end) may be reported by a complete load.
        for (const QString &message : log.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            if (message != QStringLiteral("Bağlantı yapılamıyor!!!!"))
                return QStringLiteral("unexpected message after a complete load: ") + message;
        }
        return QString();
    }
    if (!project.projectPath().isEmpty())
        return QStringLiteral("projectPath set by a failed load");
    if (project.windowTitle() != Project::baseTitle())
        return QStringLiteral("title changed by a failed load");
    const QString notProject = QStringLiteral("Bu Bir Flow Chart Dosyası Değil!\r\n");
    if (log.endsWith(notProject)) {
        if (project.theBlockCollection().Count() != 0 || project.theLineCollection().Count() != 0)
            return QStringLiteral("a not-a-project load left records");
        return QString();
    }
    const QString openError = QStringLiteral("Açma hatası: ") + path + QStringLiteral("\r\n");
    if (!log.contains(openError))
        return QStringLiteral("failed load without its message: ") + log;
    return QString();
}

// Every check a file of any content must pass: it is loaded with and without picture elements
// (same outcome, same records), the reader alone agrees, and a complete load saves to a file
// that loads to the same drawing and saves to the same bytes. `scratch` is a file the check may
// write; with viaSave the save goes through saveProjectFile (which syncs the disk, so slowly).
// Returns what went wrong, or an empty text.
inline QString checkProjectFile(const QString &file, const QString &scratch, bool viaSave)
{
    const QByteArray bytes = readBytes(file);
    MessageLog log;
    Project project(&log);
    const bool loaded = project.load_FILE(file);
    QString problem = checkLoadOutcome(project, loaded, log.text(), file);
    if (!problem.isEmpty())
        return problem;

    const ParsedProject parsed = ProjectFileReader::parse(bytes);
    if (loaded && parsed.outcome != ParsedProject::Outcome::Complete)
        return QStringLiteral("loaded, but the reader says it is incomplete");
    if (parsed.outcome == ParsedProject::Outcome::NotAProject
        && log.text() != QStringLiteral("Bu Bir Flow Chart Dosyası Değil!\r\n"))
        return QStringLiteral("not a project, but the message is: ") + log.text();

    MessageLog untrackedLog;
    Project untracked(&untrackedLog);
    untracked.setTrackCurrentBlock(false);
    if (untracked.load_FILE(file) != loaded || untrackedLog.text() != log.text())
        return QStringLiteral("a load without picture elements ends otherwise: ") + untrackedLog.text();
    if (untracked.theBlockCollection().Count() != project.theBlockCollection().Count()
        || untracked.theLineCollection().Count() != project.theLineCollection().Count())
        return QStringLiteral("a load without picture elements reads other records");

    if (!loaded)
        return QString();
    const QStringList model = dumpModel(project);
    if (viaSave) {
        if (!project.saveProjectFile(scratch))
            return QStringLiteral("the loaded drawing does not save: ") + log.text();
    } else if (!writeBytes(scratch, ProjectFileWriter::serialize(project.theBlockCollection(),
                                                                 project.theLineCollection()))) {
        return QStringLiteral("cannot write ") + scratch;
    }
    MessageLog secondLog;
    Project second(&secondLog);
    if (!second.load_FILE(scratch))
        return QStringLiteral("the saved drawing does not load: ") + secondLog.text();
    if (dumpModel(second) != model)
        return QStringLiteral("the saved drawing loads otherwise:\n") + model.join(u'\n')
            + QStringLiteral("\n--- became ---\n") + dumpModel(second).join(u'\n');
    if (ProjectFileWriter::serialize(second.theBlockCollection(), second.theLineCollection())
        != readBytes(scratch))
        return QStringLiteral("the saved drawing saves otherwise");
    return QString();
}

} // namespace ProjectTest
