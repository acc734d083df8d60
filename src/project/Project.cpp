#include "project/Project.h"

#include "base/CoarseClock.h"
#include "base/MessageLog.h"
#include "base/Paths.h"
#include "model/VarnelError.h"
#include "project/OpenChart.h"
#include "project/ProjectFileReader.h"
#include "project/ProjectFileWriter.h"

#include <QCoreApplication>
#include <QFile>

#include <utility>

Project::Project(MessageLog *log, QObject *parent)
    : QObject(parent),
      m_log(log),
      m_lines(&m_context),
      m_blocks(&m_context, &m_lines),
      m_windowTitle(baseTitle()),
      m_live(std::make_unique<KeptChart>())
{
    connect(&m_blocks, &Block_Collection::linkError, m_log, &MessageLog::mBox);
    connect(&m_lines, &Line_Collection::linkError, m_log, &MessageLog::mBox);
    // An edited chart is no longer what a load of its file gives; it is never put aside.
    connect(&m_blocks, &Block_Collection::blockAdded, this, &Project::forgetOrigin);
    connect(&m_blocks, &Block_Collection::blockAboutToBeRemoved, this, &Project::forgetOrigin);
    connect(&m_blocks, &Block_Collection::blockChanged, this, &Project::forgetOrigin);
    connect(&m_lines, &Line_Collection::lineAdded, this, &Project::forgetOrigin);
    connect(&m_lines, &Line_Collection::lineRemoved, this, &Project::forgetOrigin);
    connect(&m_lines, &Line_Collection::lineChanged, this, &Project::forgetOrigin);
}

Project::~Project() = default;

QString Project::baseTitle()
{
    return QStringLiteral("Varnel 3.01");
}

void Project::setProjectPath(const QString &path)
{
    m_projectPath = path;
    m_projectFileName = Paths::fileNameOf(path);
}

void Project::setWindowTitle(const QString &title)
{
    m_windowTitle = title;
    Q_EMIT windowTitleChanged(title);
}

bool Project::liveIsKeepable() const
{
    const ChartOrigin &origin = m_live->origin;
    return origin.known() && origin.isFrom(m_projectPath) && !projectModified();
}

ChartOrigin Project::originOf(const QString &path, const FileStamp &stamp) const
{
    ChartOrigin origin;
    origin.path = path;
    origin.nativePath = QFile::encodeName(path);
    origin.folder = m_projectFolder;
    origin.fileName = m_projectFileName;
    origin.title = m_windowTitle;
    origin.stamp = stamp;
    origin.tracked = m_context.trackCurrentBlock;
    origin.measure = &m_context.textMeasure();
    origin.selected = m_context.selectedIndex();
    origin.previousSelected = m_context.previousSelectedIndex();
    return origin;
}

// Announced as clearing the collections, as a load starts. The record keeps its origin.
void Project::takeLive(KeptChart &into)
{
    m_context.takeElements(into.elements);
    m_blocks.takeContents(into.blocks);
    m_lines.takeContents(into.lines);
}

void Project::putLive(KeptChart &from)
{
    m_context.putElements(from.elements);
    m_blocks.putContents(from.blocks);
    m_lines.putContents(from.lines);
    m_context.setSelection(from.origin.selected, from.origin.previousSelected);
}

void Project::clearDrawing(bool keepLive)
{
    std::unique_ptr<KeptChart> live = std::exchange(m_live, std::make_unique<KeptChart>());
    takeLive(*live);
    if (keepLive)
        m_shelf.put(std::move(live));
    // The indexes named elements that are gone; the blocks read next select themselves.
    m_context.setSelection(-1, -1);
}

// Shows a kept chart (none: the chart on show, again) with the announcements of a load.
void Project::switchTo(std::unique_ptr<KeptChart> incoming, bool keepLive)
{
    m_projectPath.clear();
    m_projectFileName.clear();
    m_context.beginReplace();
    takeLive(*m_live);
    std::unique_ptr<KeptChart> outgoing; // a chart not kept goes when the switch is over
    if (incoming) {
        putLive(*incoming);
        outgoing = std::exchange(m_live, std::move(incoming));
        if (keepLive)
            m_shelf.put(std::move(outgoing));
    } else {
        putLive(*m_live);
    }
    setProjectModified(false);
    // Where the chart came from is known before the bracket closes, as after a load.
    const ChartOrigin &origin = m_live->origin;
    m_projectPath = origin.path;
    m_projectFileName = origin.fileName;
    m_projectFolder = origin.folder;
    if (m_windowTitle != origin.title)
        setWindowTitle(origin.title);
    m_context.endReplace();
    Q_EMIT projectReplaced();
}

// Whether the file is still what was read: one stat decides, unless one already found it
// unchanged within this tick of the coarse clock.
Project::OnDisk Project::lookAtFile(ChartOrigin &origin)
{
    const qint64 nowMs = CoarseClock::nowMs();
    if (origin.checkedAtMs == nowMs)
        return OnDisk::Unchanged;
    const std::optional<FileStamp> now = FileStamp::of(origin.nativePath);
    if (!now)
        return OnDisk::Missing;
    if (!origin.sameFile(*now))
        return OnDisk::Changed;
    origin.checkedAtMs = nowMs;
    return OnDisk::Unchanged;
}

bool Project::enterChart(const QString &path)
{
    const bool keepLive = liveIsKeepable();
    const bool again = keepLive && m_live->origin.isFrom(path);
    std::unique_ptr<KeptChart> kept = again ? nullptr : m_shelf.take(path);
    if (!again && !kept)
        return load_FILE(path);
    ChartOrigin &origin = again ? m_live->origin : kept->origin;
    const OnDisk file = lookAtFile(origin);
    if (file == OnDisk::Missing)
        return false; // a missing file changes nothing, as with load_FILE
    if (file == OnDisk::Changed || !origin.drawnAlike(m_context))
        return load_FILE(path);
    switchTo(std::move(kept), keepLive);
    return true;
}

// Builds the drawing from the records read, in file order, the way reading line by line would
// have: a block is created once its tag ID and shape code are read and gets each further field
// as it was read. Errors of the collections (a tag ID that is already there) reach the caller.
void Project::applyParsed(const ParsedProject &parsed)
{
    const bool track = m_context.trackCurrentBlock;
    for (const ParsedBlock &record : parsed.blocks) {
        cBlock *block = m_blocks.AddShape(record.shape, record.tagID, 0, 0);
        if (track) {
            if (record.has(3))
                block->setShapeLeft(record.left);
            if (record.has(4))
                block->setShapeTop(record.top);
            if (record.has(5))
                block->setShapeWidth(record.width);
            if (record.has(6))
                block->setShapeHeight(record.height);
            if (record.has(7))
                block->setBGColor(record.bgColor);
            if (record.has(8))
                block->setBorderColor(record.borderColor);
            if (record.has(9))
                block->setTextColor(record.textColor);
        }
        if (record.has(12))
            block->setZAction(record.zAction);
        for (int slot = 0; slot < 3; ++slot) {
            if (record.has(13 + slot))
                block->setZParam(slot, record.zParam[slot]);
        }
        if (record.complete() && track) {
            block->setVisible(true);
            block->setCaptionToAction();
        }
    }
    for (const ParsedLine &record : parsed.lines)
        m_lines.AddLine(record.sFrom, record.sTo, record.sCaption);
}

bool Project::load_FILE(const QString &sFILE)
{
    if (!Paths::fileExists(sFILE))
        return false;
    // The chart on show is put aside unless this load replaces it with its own file.
    const bool keepLive = liveIsKeepable() && !m_live->origin.isFrom(sFILE);
    OpenChart::adopt(*this, QString());
    m_context.beginReplace();
    clearDrawing(keepLive);
    m_shelf.drop(sFILE);

    bool complete = false;
    ProjectFileCache::Source source;
    const std::shared_ptr<const ParsedProject> parsed = m_fileCache.read(sFILE, &source);
    if (parsed->outcome == ParsedProject::Outcome::NotAProject) {
        m_log->mBox(MessageText::of(QT_TRANSLATE_NOOP("Message", "Bu Bir Flow Chart Dosyası Değil!")));
    } else {
        try {
            applyParsed(*parsed);
            if (parsed->error)
                throw *parsed->error;
            m_lines.updateAllLines();
            complete = true;
        } catch (const VarnelError &error) {
            m_log->mBox(MessageText::of(QT_TRANSLATE_NOOP("Message", "Açma hatası: %1\r\n%2"), {sFILE, error.message()}));
        }
    }

    if (complete)
        OpenChart::adopt(*this, sFILE);
    setProjectModified(false);
    // Only a stamp that can tell a later change lets the chart be shown again unread.
    if (complete && source.settled)
        m_live->origin = originOf(sFILE, source.stamp);
    m_context.endReplace();
    Q_EMIT projectReplaced();
    return complete;
}

bool Project::saveProjectFile(const QString &path, QString *failure)
{
    try {
        ProjectFileWriter::save(path, m_blocks, m_lines, *m_log);
    } catch (const VarnelError &error) {
        const QString text =
            QCoreApplication::translate("Project", "SAVE_FILE işleminde hata: ") + error.description();
        if (failure)
            *failure = text;
        else
            m_log->showModal(text);
        return false;
    }
    // The file now holds this drawing, but a load of it could number the elements otherwise.
    forgetOrigin();
    setProjectModified(false);
    return true;
}
