#include "ui/editor/ChartEditor.h"

#include "base/ChartWords.h"
#include "model/LineRouter.h"
#include "model/cBlock.h"
#include "project/Project.h"
#include "render/BlockItem.h"
#include "render/ChartScene.h"
#include "render/LineItem.h"
#include "render/SurfaceFonts.h"
#include "ui/editor/DrawingSurface.h"
#include "ui/editor/SurfaceAccessible.h"

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
      m_groupEdits(project.context(), project.theBlockCollection(), project.theLineCollection()),
      m_scene(nullptr),
      m_undoAction(new QAction(tr("Geri Al"), this)),
      m_redoAction(new QAction(tr("Yinele"), this))
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
    SurfaceAccessible::install(&surface, this);
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
    connect(m_surface.data(), &DrawingSurface::emptySurfacePressed, this,
            [this](const QPointF &point, Qt::MouseButton button) {
                if (button == Qt::LeftButton)
                    pressEmpty(point);
            });
    connect(m_surface.data(), &DrawingSurface::blockToggled, this, &ChartEditor::toggleBlock);
    connect(m_surface.data(), &DrawingSurface::bandSelected, this, &ChartEditor::selectInRect);
    connect(m_surface.data(), &DrawingSurface::connectDragged, this, &ChartEditor::connectBlocks);
    connect(m_surface.data(), &DrawingSurface::toolDropped, this, &ChartEditor::placeBlock);
}

void ChartEditor::connectModel()
{
    ModelContext &context = m_project.context();
    connect(&context, &ModelContext::projectModifiedChanged, this, &ChartEditor::modifiedChanged);
    // Records name blocks and lines of the drawing they were made on: a new drawing starts a
    // new history, and a drag under way ends with the drawing it moved in.
    connect(&context, &ModelContext::aboutToReplace, this, [this] {
        m_dragElement = -1;
        m_group.clear();
        m_line = -1;
    });
    connect(&context, &ModelContext::replaced, this, [this] {
        ++m_replaying;
        m_stack.clear();
        --m_replaying;
    });
    connect(&m_project.theBlockCollection(), &Block_Collection::selectorHidden, this, &ChartEditor::hideSelector);
    // Whatever changes the selection (a press, a paused or ended run, a deletion), the frame
    // goes with it.
    connect(&context, &ModelContext::selectionChanged, this, &ChartEditor::modelSelectionChanged);
    connect(&m_project.theLineCollection(), &Line_Collection::lineRemoved, this, [this](qint16 element) {
        if (element == m_line)
            selectLine(-1);
    });
    connect(&m_project.theBlockCollection(), &Block_Collection::blockRemoved, this,
            [this](const QString &, qint16 element) {
                if (m_group.removeAll(element) > 0)
                    Q_EMIT selectionChanged();
            });
}

void ChartEditor::modelSelectionChanged()
{
    if (!m_settingGroup) {
        const qint16 selected = m_project.context().selectedIndex();
        m_group = selected == -1 ? QVector<qint16>() : QVector<qint16>{selected};
        m_line = -1;
        Q_EMIT selectionChanged();
    }
    refreshSelector();
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
    routeBackLines();
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
    routeBackLines();
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
    routeBackLines();
    m_project.setProjectModified(!m_stack.isClean());
    refreshSelector();
}

// A line back up goes around the blocks beside its lane, wherever the edit moved or put them.
// Its route follows from the blocks alone, so an undone edit leaves it as it was before.
void ChartEditor::routeBackLines()
{
    m_project.theLineCollection().updateBackLines();
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
    if (m_surface)
        m_surface->cancelBand();
    if (const qint16 line = m_surface ? m_surface->lineAt(point) : qint16(-1); line != -1)
        return insertOnLine(toolWord, line, point);
    ActionFields fields;
    if (tool->needsDialog() && m_placementDialog) {
        if (const std::optional<ActionFields> confirmed = m_placementDialog(*tool))
            fields = *confirmed;
    }
    const float x = snapped(point.x());
    const float y = snapped(point.y());
    apply(tr("Nesne Ekle"), [&](EditOperations &operations) {
        return operations.placeBlock(toolWord, x, y, fields);
    });
    if (m_autoConnect)
        connectSelected(false);
    // A block placed at the surface's edge reaches past it: the view follows it.
    keepSelectionInSight();
    return true;
}

bool ChartEditor::insertOnLine(const QString &toolWord, qint16 lineElement, const QPointF &point)
{
    const std::optional<BlockTool> tool = BlockTool::find(toolWord);
    const int position = linePosition(lineElement);
    if (!tool || !m_project.trackCurrentBlock() || position == 0)
        return false;
    const std::optional<ActionFields> fields = askFields(*tool);
    if (!fields)
        return true; // closed without confirming: the line stays as it was
    const float x = snapped(point.x() - tool->width / 2.0);
    const float y = snapped(point.y() - tool->height / 2.0);
    apply(tr("Nesne Ekle"), [&](EditOperations &operations) {
        return operations.spliceBlock(linePosition(lineElement), toolWord, x, y, *fields);
    });
    return true;
}

std::optional<ActionFields> ChartEditor::askFields(const BlockTool &tool)
{
    if (!tool.needsDialog())
        return tool.fields;
    return m_placementDialog ? m_placementDialog(tool) : std::nullopt;
}

bool ChartEditor::addAfterSelected(const QString &toolWord)
{
    const std::optional<BlockTool> tool = BlockTool::find(toolWord);
    if (!tool || !m_project.trackCurrentBlock() || m_running)
        return false;
    const cBlock *block = m_operations.blockAt(m_project.context().selectedIndex());
    const Line_Collection &lines = m_project.theLineCollection();
    if (block && !lines.outgoing(block->TagID()).isEmpty()) {
        const qint16 line = lines.outgoing(block->TagID()).first()->theObjectLine();
        const LinePoint middle = LineRouter::middle(m_project.context().line(line));
        return insertOnLine(toolWord, line, QPointF(middle.x, middle.y));
    }
    const std::optional<ActionFields> fields = askFields(*tool);
    if (!fields)
        return false;
    constexpr double gap = 40;
    const QRectF drawn = m_scene->chartBounds();
    const QPointF at = block ? QPointF(block->shapeLeft() + (block->shapeWidth() - tool->width) / 2.0,
                                       block->shapeTop() + block->shapeHeight() + gap)
                             : QPointF(gap, drawn.isEmpty() ? gap / 2 : drawn.bottom() + gap);
    const bool join = block != nullptr;
    apply(tr("Nesne Ekle"), [&](EditOperations &operations) {
        EditRecord record = operations.placeBlock(toolWord, snapped(at.x()), snapped(at.y()), *fields);
        // The new block is selected, the old one before it: the pair "Bağla" joins.
        if (join && record.changedModel())
            record.steps += operations.connectSelected(false).steps;
        return record;
    });
    keepSelectionInSight();
    return true;
}

void ChartEditor::keepSelectionInSight()
{
    if (const cBlock *block = m_operations.blockAt(m_project.context().selectedIndex()); block && m_surface)
        keepInSight(*block);
}

int ChartEditor::linePosition(qint16 element) const
{
    const Line_Collection &lines = m_project.theLineCollection();
    for (int p = 1; p <= lines.Count(); ++p) {
        if (lines.item(p)->theObjectLine() == element)
            return p;
    }
    return 0;
}

float ChartEditor::snapped(double value) const
{
    return m_grid ? float(std::round(value / gridStep) * gridStep) : float(std::round(value));
}

void ChartEditor::connectBlocks(qint16 from, qint16 to)
{
    if (m_running || !m_operations.blockAt(from) || !m_operations.blockAt(to))
        return;
    m_operations.pressBlock(from);
    m_operations.pressBlock(to);
    connectSelected(true);
}

void ChartEditor::connectSelected(bool reportAlreadyJoined)
{
    apply(tr("Bağla"), [reportAlreadyJoined](EditOperations &operations) {
        return operations.connectSelected(reportAlreadyJoined);
    });
}

void ChartEditor::labelSelectedLines()
{
    const ModelContext &context = m_project.context();
    // Without two selected blocks the edit refuses with its message; nothing to ask for.
    const bool pair = context.selectedIndex() != -1 && context.previousSelectedIndex() != -1;
    // A branch typed in the interface's language is stored in the chart's: "YES" becomes "EVET".
    const QString caption = pair && m_captionPrompt ? ChartWords::stored(m_captionPrompt()) : QString();
    apply(tr("Çizgiye Açıklama Ekle"), [&caption](EditOperations &operations) {
        return operations.labelSelectedLines(caption);
    });
}

void ChartEditor::deleteSelectedLines()
{
    apply(tr("Çizgi Sil"), [](EditOperations &operations) { return operations.deleteSelectedLines(); });
}

void ChartEditor::deleteSelectedBlock()
{
    apply(tr("Nesne Sil"), [](EditOperations &operations) { return operations.deleteSelectedBlock(); });
}

QString ChartEditor::askCaption() const
{
    QInputDialog dialog(m_surface->window());
    dialog.setObjectName(QStringLiteral("dlgLineCaption")); // F1 finds its handbook section by the name
    dialog.setWindowTitle(Project::baseTitle());
    dialog.setLabelText(tr("Açıklamayı giriniz"));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
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
    // A selected line stands alone: no block is framed meanwhile.
    showFrame(m_line == -1 ? m_operations.blockAt(m_project.context().selectedIndex()) : nullptr);
    showMarks();
}

void ChartEditor::showMarks()
{
    if (!m_surface)
        return;
    QVector<QRectF> frames;
    const qint16 selected = m_project.context().selectedIndex();
    for (const qint16 element : m_group) {
        const cBlock *block = m_operations.blockAt(element);
        if (block && element != selected && !dragging())
            frames.append(selectorFrame(*block));
    }
    m_surface->setGroupFrames(frames);
    std::optional<QPolygonF> highlight;
    if (const ModelContext &context = m_project.context(); m_line != -1 && context.hasLine(m_line)) {
        const LineElement &route = context.line(m_line);
        if (route.visible)
            highlight = LineItem::pathOf(route);
    }
    m_surface->setLineHighlight(highlight);
}

void ChartEditor::setGroup(const QVector<qint16> &elements, qint16 current)
{
    m_settingGroup = true;
    if (current != -1)
        m_operations.pressBlock(current);
    m_group = elements;
    m_line = -1;
    m_settingGroup = false;
    refreshSelector();
    Q_EMIT selectionChanged();
}

void ChartEditor::selectLine(qint16 element)
{
    const Line_Collection &lines = m_project.theLineCollection();
    const int position = element == -1 ? 0 : linePosition(element);
    m_settingGroup = true;
    // The line's two ends become the selected pair, so the line commands act on it too.
    if (position != 0) {
        const cLine *line = lines.item(position);
        const cBlock *from = m_project.theBlockCollection().item(line->sFrom());
        const cBlock *to = m_project.theBlockCollection().item(line->sTo());
        if (from && to && from->hasElement() && to->hasElement())
            m_project.context().setSelection(to->theObjectShape(), from->theObjectShape());
        m_group.clear();
    }
    m_line = position == 0 ? qint16(-1) : element;
    m_settingGroup = false;
    refreshSelector();
    Q_EMIT selectionChanged();
}

void ChartEditor::pressEmpty(const QPointF &point)
{
    const qint16 line = m_surface ? m_surface->lineAt(point) : qint16(-1);
    if (line != -1) {
        selectLine(line);
        return;
    }
    const qint16 selected = m_project.context().selectedIndex();
    setGroup(selected == -1 ? QVector<qint16>() : QVector<qint16>{selected}, -1);
}

void ChartEditor::selectBlocks(const QVector<qint16> &elements)
{
    QVector<qint16> found;
    for (const qint16 element : elements) {
        if (m_operations.blockAt(element) && !found.contains(element))
            found.append(element);
    }
    if (!found.isEmpty())
        setGroup(found, found.contains(m_project.context().selectedIndex()) ? qint16(-1) : found.last());
}

void ChartEditor::toggleBlock(qint16 element)
{
    if (!m_operations.blockAt(element))
        return;
    QVector<qint16> group = m_group;
    const qint16 selected = m_project.context().selectedIndex();
    if (!group.contains(element)) {
        group.append(element);
        setGroup(group, element);
    } else if (group.size() > 1) {
        group.removeAll(element);
        setGroup(group, element == selected ? group.last() : qint16(-1));
    }
}

void ChartEditor::selectInRect(const QRectF &rect, bool add)
{
    QVector<qint16> group = add ? m_group : QVector<qint16>();
    qint16 last = -1;
    for (const auto &block : m_project.theBlockCollection()) {
        const BlockItem *item = m_scene->blockItem(block->theObjectShape());
        if (item && item->isVisible() && rect.contains(item->sceneBoundingRect())) {
            last = item->element();
            if (!group.contains(last))
                group.append(last);
        }
    }
    if (group.isEmpty()) {
        pressEmpty(rect.topLeft());
        return;
    }
    setGroup(group, last);
}

void ChartEditor::selectAll()
{
    QVector<qint16> all;
    for (const auto &block : m_project.theBlockCollection()) {
        if (block->hasElement() && m_scene->blockItem(block->theObjectShape()))
            all.append(block->theObjectShape());
    }
    selectBlocks(all);
}

void ChartEditor::deleteSelection()
{
    if (m_running)
        return;
    if (m_line != -1) {
        const int position = linePosition(m_line);
        apply(tr("Çizgi Sil"), [position](EditOperations &operations) {
            return operations.deleteLineAt(position);
        });
        return;
    }
    if (m_group.size() < 2)
        deleteSelectedBlock();
    else
        deleteSelectedBlocks(tr("Nesneleri Sil"));
}

void ChartEditor::deleteSelectedBlocks(const QString &text)
{
    if (m_running)
        return;
    const QVector<qint16> group = m_group;
    apply(text, [this, &group](EditOperations &) { return m_groupEdits.deleteBlocks(group); });
}

void ChartEditor::moveSelectionBy(int dx, int dy)
{
    if (m_running || m_group.isEmpty())
        return;
    const QVector<qint16> group = m_group;
    apply(tr("Taşı"), [this, &group, dx, dy](EditOperations &) {
        return m_groupEdits.moveBlocks(group, float(dx), float(dy));
    });
}

ChartFragment ChartEditor::selectionFragment()
{
    return m_groupEdits.fragmentOf(m_group);
}

void ChartEditor::pasteFragment(const ChartFragment &fragment, const QPointF &offset)
{
    if (m_running)
        return;
    QVector<qint16> added;
    apply(tr("Yapıştır"), [this, &fragment, &offset, &added](EditOperations &) {
        return m_groupEdits.insertFragment(fragment, float(offset.x()), float(offset.y()), &added);
    });
    if (!added.isEmpty())
        setGroup(added, -1);
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
    // A block of a multi-selection carries the others along.
    m_settingGroup = m_group.size() > 1 && m_group.contains(element);
    m_operations.pressBlock(element);
    m_settingGroup = false;
    Q_EMIT blockPressed(block->TagID());
    m_scene->bringToFront(element);
    hideSelector();
    showMarks();
}

void ChartEditor::dragTo(const QPointF &point)
{
    const cBlock *block = m_operations.blockAt(m_dragElement);
    if (!block)
        return;
    // Whole surface pixels at every zoom, so the stored positions stay plain numbers.
    const float left = snapped(point.x() - m_pressOffset.x());
    const float top = snapped(point.y() - m_pressOffset.y());
    if (left == block->shapeLeft() && top == block->shapeTop())
        return;
    const qint16 element = m_dragElement;
    if (m_group.size() > 1 && m_group.contains(element)) {
        const QVector<qint16> group = m_group;
        const float dx = left - block->shapeLeft();
        const float dy = top - block->shapeTop();
        apply(tr("Taşı"), [this, &group, dx, dy](EditOperations &) {
            return m_groupEdits.moveBlocks(group, dx, dy);
        }, m_dragSerial);
        return;
    }
    apply(tr("Taşı"), [element, left, top](EditOperations &operations) {
        return operations.moveBlock(element, left, top);
    }, m_dragSerial);
}

void ChartEditor::release()
{
    if (const qint16 released = std::exchange(m_dragElement, -1); released != -1) {
        showFrame(m_operations.blockAt(released));
        showMarks();
    }
    if (m_autoConnect)
        connectSelected(false);
}
