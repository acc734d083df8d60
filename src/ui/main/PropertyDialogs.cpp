#include "ui/main/PropertyDialogs.h"

#include "base/MessageLog.h"
#include "guiwin/WindowLimits.h"
#include "ui/guiwin/frmDlgWindow.h"

using Dialog = EditDispatch::Dialog;

PropertyDialogs::PropertyDialogs(QWidget *parent, MessageLog &log, std::function<QString()> projectFolder)
    : m_parent(parent),
      m_log(log),
      m_projectFolder(std::move(projectFolder)),
      m_general(m_lists, parent),
      m_action(m_lists, parent),
      m_input(m_lists, parent),
      m_output(m_lists, parent),
      m_condition(m_lists, parent),
      m_function(m_lists, parent)
{
}

std::optional<ActionFields> PropertyDialogs::place(Dialog kind)
{
    const ActionFields newBlock;
    switch (kind) {
    case Dialog::General: return m_general.place(newBlock);
    case Dialog::Action: return m_action.place(newBlock);
    case Dialog::Input: return m_input.place(newBlock);
    case Dialog::Output: return m_output.place(newBlock);
    case Dialog::Condition: return m_condition.place(newBlock);
    case Dialog::Function: return m_function.place(newBlock);
    case Dialog::Window: return runDesigner(newBlock);
    case Dialog::None: break;
    }
    return std::nullopt;
}

std::optional<ActionFields> PropertyDialogs::edit(Dialog kind, const ActionFields &block)
{
    switch (kind) {
    case Dialog::General: return m_general.edit(block);
    case Dialog::Action: return m_action.edit(block);
    case Dialog::Input: return m_input.edit(block);
    case Dialog::Output: return m_output.edit(block);
    case Dialog::Condition: return m_condition.edit(block);
    case Dialog::Function: return m_function.edit(block);
    case Dialog::Window: return runDesigner(block);
    case Dialog::None: break;
    }
    return std::nullopt;
}

QWidget *PropertyDialogs::keptDialog(Dialog kind) const
{
    switch (kind) {
    case Dialog::General: return m_general.keptDialog();
    case Dialog::Action: return m_action.keptDialog();
    case Dialog::Input: return m_input.keptDialog();
    case Dialog::Output: return m_output.keptDialog();
    case Dialog::Condition: return m_condition.keptDialog();
    case Dialog::Function: return m_function.keptDialog();
    case Dialog::Window:
    case Dialog::None: break;
    }
    return nullptr;
}

std::optional<ActionFields> PropertyDialogs::runDesigner(const ActionFields &block)
{
    if (const MessageText refusal = WindowLimits::refusal(block.zParam2); !refusal.isEmpty()) {
        m_log.mBox(refusal);
        return std::nullopt;
    }
    DesignerContext context;
    context.log = &m_log;
    context.fillCombo_func = [this](QComboBox *box) { m_lists.fillCombo_func(box); };
    context.addRecentFunc = [this](const QString &name) { m_lists.addRecentFunc(name); };
    context.projectFolder = m_projectFolder ? m_projectFolder() : QString();
    frmDlgWindow designer({block.zParam1, block.zParam2, block.zParam3}, context, m_parent);
    if (designer.exec() != QDialog::Accepted)
        return std::nullopt;
    const WindowParams &result = designer.result();
    return ActionFields{QStringLiteral("WINDOW"), result.zParam1, result.zParam2, result.zParam3};
}
