#include "project/Project.h"

#include "base/MessageLog.h"
#include "base/Paths.h"
#include "model/VarnelError.h"
#include "project/ProjectFileReader.h"
#include "project/ProjectFileWriter.h"

Project::Project(MessageLog *log, QObject *parent)
    : QObject(parent),
      m_log(log),
      m_lines(&m_context),
      m_blocks(&m_context, &m_lines),
      m_windowTitle(baseTitle())
{
    connect(&m_blocks, &Block_Collection::linkError, m_log, &MessageLog::mBox);
    connect(&m_lines, &Line_Collection::linkError, m_log, &MessageLog::mBox);
}

Project::~Project() = default;

QString Project::baseTitle()
{
    return QStringLiteral("Varnel 3.01");
}

void Project::setWindowTitle(const QString &title)
{
    m_windowTitle = title;
    Q_EMIT windowTitleChanged(title);
}

void Project::clearDrawing()
{
    m_context.unloadShapeElements();
    m_blocks.clear();
    m_context.unloadLineElements();
    m_lines.clear();
    // The indexes named elements that are gone; the blocks read next select themselves.
    m_context.setSelection(-1, -1);
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
    m_projectPath.clear();
    setWindowTitle(baseTitle());
    m_context.beginReplace();
    clearDrawing();

    bool complete = false;
    const std::shared_ptr<const ParsedProject> parsed = m_fileCache.read(sFILE);
    if (parsed->outcome == ParsedProject::Outcome::NotAProject) {
        m_log->mBox(QStringLiteral("Bu Bir Flow Chart Dosyası Değil!"));
    } else {
        try {
            applyParsed(*parsed);
            if (parsed->error)
                throw *parsed->error;
            m_lines.updateAllLines();
            complete = true;
        } catch (const VarnelError &error) {
            m_log->mBox(QStringLiteral("Açma hatası: ") + sFILE + QStringLiteral("\r\n")
                        + error.description());
        }
    }

    if (complete) {
        m_projectPath = sFILE;
        setWindowTitle(baseTitle() + QStringLiteral(" - ") + Paths::fileNameOf(sFILE));
        m_projectFolder = Paths::folderOf(sFILE);
    }
    setProjectModified(false);
    m_context.endReplace();
    Q_EMIT projectReplaced();
    return complete;
}

bool Project::saveProjectFile(const QString &path)
{
    try {
        // Everything is formatted before the file is touched.
        ProjectFileWriter::writeFile(path, ProjectFileWriter::serialize(m_blocks, m_lines));
    } catch (const VarnelError &error) {
        m_log->showModal(QStringLiteral("SAVE_FILE işleminde hata: ") + error.description());
        return false;
    }
    setProjectModified(false);
    return true;
}
