#pragma once

#include "model/ActionFields.h"
#include "model/BlockTool.h"
#include "model/EditOperations.h"
#include "ui/editor/EditCommand.h"

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QUndoStack>
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
    QUndoStack &undoStack() { return m_stack; }
    EditOperations &operations() { return m_operations; }

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
    void connectSelected(bool reportAlreadyJoined = true);
    void labelSelectedLines();
    void deleteSelectedLines();
    void deleteSelectedBlock();

    // The selection frame around the selected block, or hidden when none is selected.
    void refreshSelector();
    // The frame around the block a run has come to, scrolled into sight; nothing while blocks
    // are not tracked, for a block without a shape, or while a block is held.
    void followRun(const cBlock &block);
    void hideSelector();
    // The frame the rules draw around a block: 2 out, 5 larger.
    static QRectF selectorFrame(const cBlock &block);

    bool dragging() const { return m_dragElement != -1; }

Q_SIGNALS:
    // A block was pressed: the ID label shows its tag.
    void blockPressed(const QString &tag);
    // A block was double-clicked: the edit command runs for the selected block.
    void editRequested();

private:
    void connectSurface();
    void connectModel();
    void pressBlock(qint16 element, const QPointF &offset);
    void dragTo(const QPointF &point);
    void release();
    void showFrame(const cBlock *block);
    void keepInSight(const cBlock &block);
    void modifiedChanged(bool modified);
    void updateUndoActions();
    QString askCaption() const;

    Project &m_project;
    QPointer<DrawingSurface> m_surface; // the window may take it down before the editor
    EditOperations m_operations;
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
};
