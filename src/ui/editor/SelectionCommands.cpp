#include "ui/editor/SelectionCommands.h"

#include "ui/editor/ChartClipboard.h"
#include "ui/editor/ChartEditor.h"

#include <QAction>
#include <QSettings>

namespace {

// How far each paste lands from where the blocks were copied.
constexpr int pasteStep = 20;

const QString &gridKey()
{
    static const QString key = QStringLiteral("editor/grid");
    return key;
}

} // namespace

SelectionCommands::SelectionCommands(ChartEditor &editor, const Actions &actions, QObject *parent)
    : QObject(parent),
      m_editor(editor),
      m_actions(actions)
{
    actions.grid->setCheckable(true);
    actions.grid->setChecked(QSettings().value(gridKey(), false).toBool());
    editor.setGridEnabled(actions.grid->isChecked());
    connect(actions.cut, &QAction::triggered, this, &SelectionCommands::cut);
    connect(actions.copy, &QAction::triggered, this, &SelectionCommands::copy);
    connect(actions.paste, &QAction::triggered, this, &SelectionCommands::paste);
    connect(actions.selectAll, &QAction::triggered, &editor, &ChartEditor::selectAll);
    connect(actions.grid, &QAction::toggled, this, [this](bool on) {
        m_editor.setGridEnabled(on);
        QSettings().setValue(gridKey(), on);
    });
    connect(&editor, &ChartEditor::selectionChanged, this, &SelectionCommands::updateEnabled);
    updateEnabled();
}

void SelectionCommands::updateEnabled()
{
    const bool blocks = !m_editor.selectedBlocks().isEmpty();
    m_actions.cut->setEnabled(blocks);
    m_actions.copy->setEnabled(blocks);
}

void SelectionCommands::copy()
{
    const ChartFragment fragment = m_editor.selectionFragment();
    if (fragment.isEmpty())
        return;
    ChartClipboard::put(fragment);
    m_pastes = 0;
}

void SelectionCommands::cut()
{
    if (m_editor.running())
        return;
    copy();
    m_editor.deleteSelectedBlocks(tr("Kes"));
}

void SelectionCommands::paste()
{
    const ChartFragment fragment = ChartClipboard::take();
    if (fragment.isEmpty())
        return;
    ++m_pastes;
    m_editor.pasteFragment(fragment, QPointF(pasteStep * m_pastes, pasteStep * m_pastes));
}
