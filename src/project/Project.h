#pragma once

#include "model/Block_Collection.h"
#include "model/Line_Collection.h"
#include "model/ModelContext.h"
#include "project/ChartOrigin.h"
#include "project/ChartShelf.h"
#include "project/ProjectFileCache.h"

#include <QObject>
#include <QString>

#include <memory>

class MessageLog;

// The open project as the main window owns it: the two collections, the model's context and
// the project state, with the reader and writer of project files. The link errors of both
// collections are shown in the message log.
class Project : public QObject {
    Q_OBJECT
public:
    explicit Project(MessageLog *log, QObject *parent = nullptr);
    ~Project() override;

    ModelContext &context() { return m_context; }
    const ModelContext &context() const { return m_context; }
    Block_Collection &theBlockCollection() { return m_blocks; }
    const Block_Collection &theBlockCollection() const { return m_blocks; }
    Line_Collection &theLineCollection() { return m_lines; }
    const Line_Collection &theLineCollection() const { return m_lines; }
    MessageLog &log() { return *m_log; }

    // Reads a project file into the collections, replacing the whole drawing; true when the
    // file was read completely. Failures are reported through the message log. A missing file
    // changes nothing; otherwise the load is one replacement bracket of the context
    // (aboutToReplace ... replaced, with no announcement of single blocks, lines, selection or
    // flag in between), then projectReplaced() follows, whether the file was read or not (a
    // failed load leaves an empty or partly read drawing, which views must show too).
    // An unchanged file is parsed only once (see fileCache()).
    bool load_FILE(const QString &sFILE);
    // What a function call and its return do: makes the chart file current, as load_FILE does
    // and with the same announcements, but a chart read earlier whose file is unchanged on disk
    // is shown again as the load left it instead of being read once more. The chart on show is
    // put aside when it came unchanged from a load, and dropped otherwise.
    // Whether the file is unchanged is one stat, made at most once per tick of the coarse clock
    // for each chart: a change is seen by every entry from the next tick on (a few milliseconds),
    // while a run that switches charts millions of times a second is not bound by the stats.
    bool enterChart(const QString &path);
    // Writes the model to path atomically; false when it failed, after the modal message or,
    // when failure is given, with the message's text put there for the caller to show.
    bool saveProjectFile(const QString &path, QString *failure = nullptr);

    const QString &projectPath() const { return m_projectPath; }
    void setProjectPath(const QString &path);
    // The file name of projectPath, without its folder.
    const QString &projectFileName() const { return m_projectFileName; }
    const QString &projectFolder() const { return m_projectFolder; }
    void setProjectFolder(const QString &folder) { m_projectFolder = folder; }
    bool projectModified() const { return m_context.projectModified(); }
    void setProjectModified(bool modified) { m_context.setProjectModified(modified); }
    bool trackCurrentBlock() const { return m_context.trackCurrentBlock; }
    void setTrackCurrentBlock(bool on) { m_context.trackCurrentBlock = on; }

    // "Varnel 3.01", and the caption the main window shows.
    static QString baseTitle();
    const QString &windowTitle() const { return m_windowTitle; }
    void setWindowTitle(const QString &title);

    const ProjectFileCache &fileCache() const { return m_fileCache; }
    const ChartShelf &shelf() const { return m_shelf; }

Q_SIGNALS:
    void windowTitleChanged(const QString &title);
    // A load replaced the model; views rebuild.
    void projectReplaced();

private:
    void clearDrawing(bool keepLive);
    void applyParsed(const ParsedProject &parsed);
    bool liveIsKeepable() const;
    void forgetOrigin() { m_live->origin = ChartOrigin(); }
    ChartOrigin originOf(const QString &path, const FileStamp &stamp) const;
    void takeLive(KeptChart &into);
    void putLive(KeptChart &from);
    void switchTo(std::unique_ptr<KeptChart> incoming, bool keepLive);
    enum class OnDisk { Unchanged, Changed, Missing };
    OnDisk lookAtFile(ChartOrigin &origin);

    MessageLog *m_log;
    ModelContext m_context;
    Line_Collection m_lines;
    Block_Collection m_blocks;
    QString m_projectPath;
    QString m_projectFileName;
    QString m_projectFolder;
    QString m_windowTitle;
    ProjectFileCache m_fileCache;
    // The record of the chart on show: its origin, its containers empty while the collections
    // hold what they held. A switch fills it and trades it for the incoming chart's record, so
    // that nothing is built or copied.
    std::unique_ptr<KeptChart> m_live;
    ChartShelf m_shelf;
};
