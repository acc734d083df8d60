#pragma once

#include "model/ActionFields.h"
#include "model/BlockTool.h"
#include "model/ChartFragment.h"
#include "model/EditOperations.h"
#include "model/GroupEdits.h"
#include "ui/editor/EditCommand.h"

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QUndoStack>
#include <QVector>
#include <functional>
#include <optional>

class ChartScene;
class DrawingSurface;
class Project;
class QAction;
class cBlock;

// The editor behind the drawing surface: it turns the surface's gestures and the editor's
// commands into edit operations, each wrapped in an undo command on one stack, and keeps the
// selection frame where the rules put it. It never changes the model any other way.
//
// Property dialogs plug in through two hooks: the placement dialog answers for a new block of
// a tool that needs one, and editRequested() asks for the edit command of the selected block
// (a double click). A dialog's own edits go through apply(), like every other edit.
class ChartEditor : public QObject {
    Q_OBJECT
public:
    // The confirmed fields of a new block of the tool, or nothing when the dialog was closed
    // without confirming (the block is then placed and removed again, as the rules say).
    using PlacementDialog = std::function<std::optional<ActionFields>(const BlockTool &tool)>;
    // The one-line prompt of the label command; an empty text when cancelled.
    using CaptionPrompt = std::function<QString()>;

    ChartEditor(Project &project, DrawingSurface &surface, QObject *parent = nullptr);
    ~ChartEditor() override;

    ChartScene &scene() { return *m_scene; }
    Project &project() { return m_project; }
    QUndoStack &undoStack() { return m_stack; }
    EditOperations &operations() { return m_operations; }
    GroupEdits &groupEdits() { return m_groupEdits; }

    // Runs an edit operation as one undoable step named text, and returns its record. A refused
    // or empty edit leaves no step behind.
    EditRecord apply(const QString &text, const EditCommand::Operation &operation, int mergeKey = -1);
    void undo();
    void redo();
    // "Geri Al" (Ctrl+Z) and "Yinele" (Ctrl+Y, Ctrl+Shift+Z), enabled while there is something
    // to take back or do again and no program runs.
    QAction *undoAction() const { return m_undoAction; }
    QAction *redoAction() const { return m_redoAction; }

    void setPlacementDialog(PlacementDialog dialog) { m_placementDialog = std::move(dialog); }
    void setCaptionPrompt(CaptionPrompt prompt) { m_captionPrompt = std::move(prompt); }
    // "Otomatik Bağla": connect after each placement and each release on a block.
    void setAutoConnect(bool on) { m_autoConnect = on; }
    bool autoConnect() const { return m_autoConnect; }
    // While a program runs, replaced charts are redrawn at screen rate and nothing is undone;
    // when it has ended, the frame goes back to the selected block, scrolled into sight.
    void setRunInProgress(bool running);

    // Places a block of the tool with its top-left corner at point (surface coordinates).
    // True when the word named a tool and blocks are tracked: the tool is then used up.
    bool placeBlock(const QString &toolWord, const QPointF &point);
    // Places a block of the tool into the line (its element) with the block centred on point:
    // the line A→B becomes A→new→B. True when the word named a tool and blocks are tracked.
    bool insertOnLine(const QString &toolWord, qint16 lineElement, const QPointF &point);
    // Adds a block of the tool after the selected one: into its first outgoing line, or below
    // it joined by a new line when it has none; with nothing selected, below the drawing. One
    // undo step; false when the word names no tool or the dialog was closed.
    bool addAfterSelected(const QString &toolWord);
    void connectSelected(bool reportAlreadyJoined = true);
    // "Bağla" from the first block to the second, with its rules and messages (a line dragged
    // from a block's handle).
    void connectBlocks(qint16 from, qint16 to);
    void labelSelectedLines();
    void deleteSelectedLines();
    void deleteSelectedBlock();

    // The selection beyond the Parts' pair: several blocks (the selected block among them) or
    // one line. Any other change of the selected block makes it that block alone.
    QVector<qint16> selectedBlocks() const { return m_group; }
    qint16 selectedLine() const { return m_line; }
    void selectLine(qint16 element);
    void selectBlocks(const QVector<qint16> &elements);
    void toggleBlock(qint16 element);
    void selectInRect(const QRectF &rect, bool add);
    void selectAll();
    // The Delete key: the selected line, else the selected blocks with their lines (one block
    // alone follows "Nesne Sil" and its rule about connected blocks).
    void deleteSelection();
    // The selected blocks with every line touching them, as one step named text (a cut).
    void deleteSelectedBlocks(const QString &text);
    // Moves the selected blocks by whole surface pixels, one undo step.
    void moveSelectionBy(int dx, int dy);
    // The selected blocks and the lines between them; pasting adds them under new tags, moved
    // by offset, and selects them.
    ChartFragment selectionFragment();
    void pasteFragment(const ChartFragment &fragment, const QPointF &offset);

    // Moves snap to a grid of gridStep surface pixels while on.
    static constexpr int gridStep = 10;
    void setGridEnabled(bool on) { m_grid = on; }
    bool gridEnabled() const { return m_grid; }
    bool running() const { return m_running; }

    // The selection frame around the selected block, or hidden when none is selected.
    void refreshSelector();
    // The frame around the block a run has come to, scrolled into sight; nothing while blocks
    // are not tracked, for a block without a shape, or while a block is held.
    void followRun(const cBlock &block);
    void hideSelector();
    // Scrolls the selected block into sight.
    void keepSelectionInSight();
    // The frame the rules draw around a block: 2 out, 5 larger.
    static QRectF selectorFrame(const cBlock &block);

    bool dragging() const { return m_dragElement != -1; }

Q_SIGNALS:
    // A block was pressed: the ID label shows its tag.
    void blockPressed(const QString &tag);
    // A block was double-clicked: the edit command runs for the selected block.
    void editRequested();
    // The blocks or line chosen changed (the frames are redrawn; readers are told).
    void selectionChanged();

private:
    void connectSurface();
    void connectModel();
    void pressBlock(qint16 element, const QPointF &offset);
    void pressEmpty(const QPointF &point);
    void modelSelectionChanged();
    void setGroup(const QVector<qint16> &elements, qint16 current);
    void showMarks();
    int linePosition(qint16 element) const;
    float snapped(double value) const;
    std::optional<ActionFields> askFields(const BlockTool &tool);
    void dragTo(const QPointF &point);
    void release();
    void showFrame(const cBlock *block);
    void keepInSight(const cBlock &block);
    void modifiedChanged(bool modified);
    void routeBackLines();
    void updateUndoActions();
    QString askCaption() const;

    Project &m_project;
    QPointer<DrawingSurface> m_surface; // the window may take it down before the editor
    EditOperations m_operations;
    GroupEdits m_groupEdits;
    QUndoStack m_stack;
    ChartScene *m_scene;
    QAction *m_undoAction;
    QAction *m_redoAction;
    PlacementDialog m_placementDialog;
    CaptionPrompt m_captionPrompt;
    bool m_autoConnect = false;
    bool m_running = false;
    int m_replaying = 0; // inside an edit, an undo or a redo: the flag follows the record
    qint16 m_dragElement = -1;
    QPointF m_pressOffset;
    int m_dragSerial = 0;
    QVector<qint16> m_group; // the selected blocks, the model's selected one among them
    qint16 m_line = -1;      // the selected line's element
    bool m_settingGroup = false;
    bool m_grid = false;
};
