#include "ui/main/BlockEditing.h"

#include "base/MessageLog.h"
#include "model/BlockTool.h"
#include "model/cBlock.h"
#include "project/Project.h"
#include "render/BlockPainter.h"
#include "ui/dialogs/frmSize.h"
#include "ui/editor/ChartEditor.h"

#include <QColorDialog>

using Dialog = EditDispatch::Dialog;
using ColourRole = EditOperations::ColourRole;

namespace {

// Size edits that follow each other on one selected block fold into one undo step; the keys
// stay clear of the small keys other edits use.
constexpr int sizeMergeKeyBase = 1 << 20;

ActionFields fieldsOf(const cBlock &block)
{
    return {block.zAction(), block.zParam1(), block.zParam2(), block.zParam3()};
}

qint32 colourOf(const cBlock &block, ColourRole role)
{
    switch (role) {
    case ColourRole::Fill: return block.BGColor();
    case ColourRole::Text: return block.TextColor();
    case ColourRole::Border: return block.BorderColor();
    }
    return 0;
}

// 0x00BBGGRR, as blocks keep their colours.
qint32 storedColour(const QColor &colour)
{
    return qint32(colour.red()) | qint32(colour.green()) << 8 | qint32(colour.blue()) << 16;
}

} // namespace

BlockEditing::BlockEditing(Project &project, ChartEditor &editor, QWidget *window)
    : m_project(project),
      m_editor(editor),
      m_window(window),
      m_dialogs(window, project.log(), [&project] { return project.projectFolder(); })
{
    editor.setPlacementDialog([this](const BlockTool &tool) { return placementDialog(tool); });
    connect(&editor, &ChartEditor::editRequested, this, &BlockEditing::cmdEdit_Click);
    ModelContext &context = project.context();
    connect(&context, &ModelContext::aboutToReplace, this, [this] { ++m_replacements; });
    connect(&context, &ModelContext::replaced, this, &BlockEditing::showSelectedSize);
    connect(&context, &ModelContext::selectionChanged, this, [this] {
        ++m_sizeSession;
        showSelectedSize();
    });
    connect(&project.theBlockCollection(), &Block_Collection::blockChanged, this,
            [this](cBlock *block, BlockChanges what) {
                if (what.testFlag(BlockChange::Size) && block == selectedBlock())
                    showSelectedSize();
            });
}

BlockEditing::~BlockEditing()
{
    delete m_size.data();
}

cBlock *BlockEditing::selectedBlock() const
{
    return m_editor.operations().blockAt(m_project.context().selectedIndex());
}

std::optional<ActionFields> BlockEditing::placementDialog(const BlockTool &tool)
{
    return m_dialogs.place(tool.dialog);
}

void BlockEditing::cmdEdit_Click()
{
    const cBlock *block = selectedBlock();
    const EditDispatch dispatch = EditDispatch::forSelection(block != nullptr, block ? block->zAction() : QString());
    if (dispatch.dialog == Dialog::None)
        m_project.log().mBox(dispatch.message);
    else
        editSelected(dispatch.dialog, *block);
    // Refused or not, the drawing is brought up to date around the block.
    m_project.theLineCollection().updateAllLines();
    m_editor.refreshSelector();
}

void BlockEditing::editSelected(Dialog kind, const cBlock &block)
{
    ModelContext &context = m_project.context();
    const qint16 element = context.selectedIndex();
    const QString tag = block.TagID();
    const quint64 replacements = m_replacements;
    const std::optional<ActionFields> answer = m_dialogs.edit(kind, fieldsOf(block));
    if (!answer)
        return;
    // A running program may have moved the selection or replaced the drawing meanwhile; the
    // answer belongs to the block the dialog was opened for.
    if (!stillThere(element, tag, replacements)) {
        m_project.log().mBox(tr("Düzenlenen nesne artık çizimde yok; değişiklik uygulanmadı."));
        return;
    }
    if (context.selectedIndex() != element)
        context.setSelection(element, context.selectedIndex());
    m_editor.apply(tr("Nesneyi Düzenle"), [fields = *answer](EditOperations &operations) {
        return operations.setSelectedActionFields(fields);
    });
}

bool BlockEditing::stillThere(qint16 element, const QString &tag, quint64 replacements) const
{
    const cBlock *block = m_editor.operations().blockAt(element);
    return replacements == m_replacements && block && block->TagID() == tag;
}

QString BlockEditing::colourCaption(ColourRole role)
{
    switch (role) {
    case ColourRole::Fill: return tr("Zemin Rengini Değiştir");
    case ColourRole::Text: return tr("Yazı Rengini Değiştir");
    case ColourRole::Border: return tr("Kenarlık Rengini Değiştir");
    }
    return QString();
}

void BlockEditing::changeColour(ColourRole role)
{
    const cBlock *block = selectedBlock();
    if (!block)
        return;
    const QColor chosen =
        QColorDialog::getColor(BlockPainter::colorOf(colourOf(*block, role)), m_window, colourCaption(role));
    if (!chosen.isValid())
        return;
    const qint32 colour = storedColour(chosen);
    m_editor.apply(colourCaption(role), [role, colour](EditOperations &operations) {
        return operations.setSelectedColour(role, colour);
    });
}

void BlockEditing::mnuChangeSize_Click()
{
    if (!selectedBlock())
        return;
    frmSize *window = ensureSizeWindow();
    showSelectedSize();
    window->show();
    window->raise();
    window->activateWindow();
}

frmSize *BlockEditing::sizeWindow() const
{
    return m_size;
}

frmSize *BlockEditing::ensureSizeWindow()
{
    if (m_size)
        return m_size;
    m_size = new frmSize(m_window);
    m_size->setObjectName(QStringLiteral("frmSize"));
    connect(m_size, &frmSize::activated, this, &BlockEditing::showSelectedSize);
    connect(m_size, &frmSize::sizeChanged, this, &BlockEditing::resizeSelected);
    return m_size;
}

void BlockEditing::showSelectedSize()
{
    // Without a size window there is nothing to show, and no block to look up.
    if (!m_size)
        return;
    if (const cBlock *block = selectedBlock())
        m_size->showBlock({block->shapeWidth(), block->shapeHeight()}, block->Shape());
}

void BlockEditing::resizeSelected(int width, int height)
{
    const cBlock *block = selectedBlock();
    if (!block)
        return;
    const bool widthEdited = width != block->shapeWidth();
    const auto resize = [widthEdited, width, height](EditOperations &operations) {
        return widthEdited ? operations.setSelectedWidth(width) : operations.setSelectedHeight(height);
    };
    m_editor.apply(tr("Boyutu Değiştir"), resize, sizeMergeKeyBase + (m_sizeSession & (sizeMergeKeyBase - 1)));
}
