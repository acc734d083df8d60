#pragma once

#include "model/EditOperations.h"
#include "ui/main/PropertyDialogs.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>

class ChartEditor;
class Project;
class QWidget;
class cBlock;
class frmSize;
struct BlockTool;

// The editor commands that ask the user before they change a block: the property dialog of a
// new block, the edit command, the three colour commands and the size window. It plugs into
// the chart editor (its placement dialog and its double click) and makes every change through
// the editor, so each is one undo step.
class BlockEditing : public QObject {
    Q_OBJECT
public:
    // window owns the dialogs and the size window.
    BlockEditing(Project &project, ChartEditor &editor, QWidget *window);
    ~BlockEditing() override;

    PropertyDialogs &dialogs() { return m_dialogs; }
    frmLists &lists() { return m_dialogs.lists(); }
    // The size window once shown.
    frmSize *sizeWindow() const;

    // The answer of the dialog that confirms a new block of the tool; nothing when it was
    // closed without confirming or the tool has no dialog.
    std::optional<ActionFields> placementDialog(const BlockTool &tool);
    // The edit command (cmdEdit and a double click): the dialog that fits the selected block,
    // or the message why there is none; then every line re-routed and the frame on the block.
    void cmdEdit_Click();
    // The colour picker for the selected block's fill, text or border; nothing without one.
    void changeColour(EditOperations::ColourRole role);
    // Shows the size window for the selected block; nothing without one.
    void mnuChangeSize_Click();

    static QString colourCaption(EditOperations::ColourRole role);

private:
    cBlock *selectedBlock() const;
    void editSelected(EditDispatch::Dialog kind, const cBlock &block);
    bool stillThere(qint16 element, const QString &tag, quint64 replacements) const;
    frmSize *ensureSizeWindow();
    void showSelectedSize();
    void resizeSelected(int width, int height);

    Project &m_project;
    ChartEditor &m_editor;
    QWidget *m_window;
    PropertyDialogs m_dialogs;
    QPointer<frmSize> m_size;
    quint64 m_replacements = 0;
    int m_sizeSession = 0;
};
