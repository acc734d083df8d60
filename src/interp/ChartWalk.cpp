#include "interp/ChartWalk.h"

#include "base/MessageLog.h"
#include "base/MessageText.h"
#include "base/tranLng.h"
#include "interp/VariableStore.h"
#include "project/Project.h"

namespace {

// `folded` is `label` as VariableStore::fold gives it; the fold is the costly part, so it is
// left for captions that are neither equal nor empty.
bool sameCaption(const QString &caption, const QString &label, const QString &folded)
{
    if (caption == label)
        return true;
    return !caption.isEmpty() && VariableStore::fold(caption) == folded;
}

} // namespace

ChartWalk::ChartWalk(Project &project, MessageLog &log)
    : m_project(project),
      m_context(project.context()),
      m_log(log),
      m_yes(tranLng(QStringLiteral("YES"))),
      m_no(tranLng(QStringLiteral("NO")))
{
}

cBlock *ChartWalk::nextBlock(cBlock *block, const QString &label)
{
    if (!block)
        return nullptr;
    const int slot = label.isEmpty() ? Unlabelled : (label == m_yes ? Yes : (label == m_no ? No : -1));
    const quint64 generation = m_context.linkGeneration();
    // Captions match the way variable names do, so Turkish I/ı and İ/i pair in a Turkish locale.
    const QString wanted = label.isEmpty() ? QString() : VariableStore::fold(label);
    for (const cLine *line : m_project.theLineCollection().outgoing(block->TagID())) {
        if (!label.isEmpty() && !sameCaption(line->sCaption(), label, wanted))
            continue;
        cBlock *target = m_project.theBlockCollection().item(line->sTo());
        if (slot >= 0)
            block->runCache().next[slot] = {target, true, generation};
        return target;
    }
    if (label.isEmpty())
        m_log.mBox(MessageText::of(QT_TRANSLATE_NOOP("Message", "Nesne: %1 - BAĞLI DEĞİL!"), {block->TagID()}));
    else
        m_log.mBox(MessageText::of(QT_TRANSLATE_NOOP("Message", "Nesne: %1 - %2 ile bağlı değil."),
                                   {block->TagID(), MessageText::chartWord(label)}));
    return nullptr;
}

cBlock *ChartWalk::findBlockByAction(const QString &code)
{
    // Kept by the collection, so that every call and return does not search the chart again.
    if (cBlock *block = m_project.theBlockCollection().firstWithAction(code))
        return block;
    m_log.mBox(MessageText::of(QT_TRANSLATE_NOOP("Message", "Nesne: %1 - bulunamadı!"), {code}));
    return nullptr;
}
