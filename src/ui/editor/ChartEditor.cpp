#include "ui/editor/ChartEditor.h"

#include "model/cBlock.h"
#include "project/Project.h"
#include "ui/editor/ChartScene.h"
#include "ui/editor/DrawingSurface.h"
#include "ui/editor/SurfaceFonts.h"

#include <QAction>
#include <QInputDialog>
#include <cmath>
#include <utility>

namespace {

// Room kept around the block a run has come to when the view scrolls to it.
constexpr int followMargin = 40;

} // namespace

ChartEditor::ChartEditor(Project &project, DrawingSurface &surface, QObject *parent)
    : QObject(parent),
      m_project(project),
      m_surface(&surface),
      m_operations(project.context(), project.theBlockCollection(), project.theLineCollection(), &project.log()),
      m_scene(nullptr),
      m_undoAction(new QAction(QStringLiteral("Geri Al"), this)),
      m_redoAction(new QAction(QStringLiteral("Yinele"), this))
{
    // Captions are laid out in the fonts they are drawn in, from the very first load on.
    project.context().setTextMeasure(&SurfaceFonts::measure());
    m_scene = new ChartScene(project.context(), project.theBlockCollection(), project.theLineCollection(),
                             &project.log(), this);
    m_surface->setChartScene(m_scene);
    m_undoAction->setObjectName(QStringLiteral("mnuUndo"));
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_redoAction->setObjectName(QStringLiteral("mnuRedo"));
    m_redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(m_undoAction, &QAction::triggered, this, &ChartEditor::undo);
    connect(m_redoAction, &QAction::triggered, this, &ChartEditor::redo);
    connect(&m_stack, &QUndoStack::indexChanged, this, &ChartEditor::updateUndoActions);
    updateUndoActions();
    m_captionPrompt = [this] { return askCaption(); };
    connectSurface();
    connectModel();
}

ChartEditor::~ChartEditor()
{
    if (m_surface)
        m_surface->setChartScene(nullptr);
}

void ChartEditor::connectSurface()
{
    connect(m_surface.data(), &DrawingSurface::blockPressed, this, &ChartEditor::pressBlock);
    connect(m_surface.data(), &DrawingSurface::blockDragged, this, &ChartEditor::dragTo);
    connect(m_surface.data(), &DrawingSurface::blockReleased, this, &ChartEditor::release);
    connect(m_surface.data(), &DrawingSurface::blockDoubleClicked, this, &ChartEditor::editRequested);
}

void ChartEditor::connectModel()
{
    ModelContext &context = m_project.context();
    connect(&context, &ModelContext::projectModifiedChanged, this, &ChartEditor::modifiedChanged);
    // Records name blocks and lines of the drawing they were made on: a new drawing starts a
    // new history, and a drag under way ends with the drawing it moved in.
    connect(&context, &ModelContext::aboutToReplace, this, [this] { m_dragElement = -1; });
    connect(&context, &ModelContext::replaced, this, [this] {
        ++m_replaying;
        m_stack.clear();
        --m_replaying;
    });
    connect(&m_project.theBlockCollection(), &Block_Collection::selectorHidden, this, &ChartEditor::hideSelector);
    // Whatever changes the selection (a press, a paused or ended run, a deletion), the frame
    // goes with it.
    connect(&context, &ModelContext::selectionChanged, this, &ChartEditor::refreshSelector);
}

EditRecord ChartEditor::apply(const QString &text, const EditCommand::Operation &operation, int mergeKey)
{
    EditRecord record;
    auto *command = new EditCommand(m_operations, text, [&record, &operation](EditOperations &operations) {
        record = operation(operations);
        return record;
    }, mergeKey);
    ++m_replaying;
    m_stack.push(command);
    --m_replaying;
    if (!dragging())
        refreshSelector();
    return record;
}

void ChartEditor::undo()
{
    if (m_running || !m_stack.canUndo())
        return;
    ++m_replaying;
    m_stack.undo();
    --m_replaying;
    m_project.setProjectModified(!m_stack.isClean());
    refreshSelector();
}

void ChartEditor::redo()
{
    if (m_running || !m_stack.canRedo())
        return;
    ++m_replaying;
    m_stack.redo();
    --m_replaying;
    m_project.setProjectModified(!m_stack.isClean());
    refreshSelector();
}

void ChartEditor::modifiedChanged(bool modified)
{
    // A save (or a load) makes the drawing as it stands the one on disk.
    if (!modified && !m_replaying)
        m_stack.setClean();
}

void ChartEditor::updateUndoActions()
{
    m_undoAction->setEnabled(!m_running && m_stack.canUndo());
    m_redoAction->setEnabled(!m_running && m_stack.canRedo());
}

void ChartEditor::setRunInProgress(bool running)
{
    m_running = running;
    m_scene->setCoalesceReplacements(running);
    updateUndoActions();
    // After a run the frame is back on the selection, which the run left on its last block, and
    // that block is in sight.
    if (running)
        return;
    refreshSelector();
    if (const cBlock *last = m_operations.blockAt(m_project.context().selectedIndex()); last && m_surface
        && m_surface->selectorVisible())
        keepInSight(*last);
}

bool ChartEditor::placeBlock(const QString &toolWord, const QPointF &point)
{
    const std::optional<BlockTool> tool = BlockTool::find(toolWord);
    if (!tool || !m_project.trackCurrentBlock())
        return false;
    ActionFields fields;
    if (tool->needsDialog() && m_placementDialog) {
        if (const std::optional<ActionFields> confirmed = m_placementDialog(*tool))
            fields = *confirmed;
    }
    const auto x = float(std::round(point.x()));
    const auto y = float(std::round(point.y()));
    apply(QStringLiteral("Nesne Ekle"), [&](EditOperations &operations) {
        return operations.placeBlock(toolWord, x, y, fields);
    });
    if (m_autoConnect)
        connectSelected(false);
    return true;
}

void ChartEditor::connectSelected(bool reportAlreadyJoined)
{
    apply(QStringLiteral("Bağla"), [reportAlreadyJoined](EditOperations &operations) {
        return operations.connectSelected(reportAlreadyJoined);
    });
}

void ChartEditor::labelSelectedLines()
{
    const ModelContext &context = m_project.context();
    // Without two selected blocks the edit refuses with its message; nothing to ask for.
    const bool pair = context.selectedIndex() != -1 && context.previousSelectedIndex() != -1;
    const QString caption = pair && m_captionPrompt ? m_captionPrompt() : QString();
    apply(QStringLiteral("Çizgiye Açıklama Ekle"), [&caption](EditOperations &operations) {
        return operations.labelSelectedLines(caption);
    });
}

void ChartEditor::deleteSelectedLines()
{
    apply(QStringLiteral("Çizgi Sil"), [](EditOperations &operations) { return operations.deleteSelectedLines(); });
}

void ChartEditor::deleteSelectedBlock()
{
    apply(QStringLiteral("Nesne Sil"), [](EditOperations &operations) { return operations.deleteSelectedBlock(); });
}

QString ChartEditor::askCaption() const
{
    return QInputDialog::getText(m_surface->window(), Project::baseTitle(), QStringLiteral("Açıklamayı giriniz"));
}

QRectF ChartEditor::selectorFrame(const cBlock &block)
{
    return QRectF(block.shapeLeft() - 2, block.shapeTop() - 2, block.shapeWidth() + 5, block.shapeHeight() + 5);
}

// The one place the frame is drawn: around the block, or nowhere.
void ChartEditor::showFrame(const cBlock *block)
{
    if (!m_surface)
        return;
    if (block && block->hasElement() && m_project.trackCurrentBlock() && !dragging())
        m_surface->showSelector(selectorFrame(*block));
    else
        m_surface->hideSelector();
}

void ChartEditor::refreshSelector()
{
    showFrame(m_operations.blockAt(m_project.context().selectedIndex()));
}

void ChartEditor::hideSelector()
{
    showFrame(nullptr);
}

void ChartEditor::followRun(const cBlock &block)
{
    if (!block.hasElement() || !m_project.trackCurrentBlock() || dragging() || !m_surface)
        return;
    showFrame(&block);
    keepInSight(block);
}

void ChartEditor::keepInSight(const cBlock &block)
{
    const QRectF frame = selectorFrame(block);
    // A chart a call has just brought in may lie beyond the scrollable area as it stands.
    if (!m_surface->sceneRect().contains(frame))
        m_surface->fitSceneToContents();
    m_surface->ensureVisible(frame, followMargin, followMargin);
}

void ChartEditor::pressBlock(qint16 element, const QPointF &offset)
{
    const cBlock *block = m_operations.blockAt(element);
    if (!block)
        return;
    m_dragElement = element;
    m_pressOffset = offset;
    ++m_dragSerial;
    m_operations.pressBlock(element);
    Q_EMIT blockPressed(block->TagID());
    m_scene->bringToFront(element);
    hideSelector();
}

void ChartEditor::dragTo(const QPointF &point)
{
    const cBlock *block = m_operations.blockAt(m_dragElement);
    if (!block)
        return;
    // Whole surface pixels at every zoom, so the stored positions stay plain numbers.
    const auto left = float(std::round(point.x() - m_pressOffset.x()));
    const auto top = float(std::round(point.y() - m_pressOffset.y()));
    if (left == block->shapeLeft() && top == block->shapeTop())
        return;
    const qint16 element = m_dragElement;
    apply(QStringLiteral("Taşı"), [element, left, top](EditOperations &operations) {
        return operations.moveBlock(element, left, top);
    }, m_dragSerial);
}

void ChartEditor::release()
{
    if (const qint16 released = std::exchange(m_dragElement, -1); released != -1)
        showFrame(m_operations.blockAt(released));
    if (m_autoConnect)
        connectSelected(false);
}
