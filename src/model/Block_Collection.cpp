#include "model/Block_Collection.h"

#include "model/Line_Collection.h"
#include "model/VarnelError.h"

#include <limits>

Block_Collection::Block_Collection(ModelContext *context, Line_Collection *lines, QObject *parent)
    : QObject(parent), m_context(context), m_lines(lines)
{
    m_lines->attachBlocks(this);
}

Block_Collection::~Block_Collection()
{
    m_lines->attachBlocks(nullptr);
}

cBlock *Block_Collection::AddShape(qint16 ShapeType, const QString &sKey, float iLeft, float iTop)
{
    auto block = std::make_unique<cBlock>(m_context);
    m_context->projectModified = true;
    if (m_context->trackCurrentBlock) {
        const qint16 index = m_context->newShapeElement();
        block->setTheObjectShape(index);
        m_context->previousSelectedIndex = m_context->selectedIndex;
        m_context->selectedIndex = index;
        block->setShapeLeft(iLeft);
        block->setShapeTop(iTop);
        block->setShape(ShapeType);
        block->setBGColor(16777215);
        block->setTextColor(0);
        block->setBorderColor(0);
        block->setVisible(true);
    }
    block->setTagID(sKey);
    const QString folded = foldKey(sKey);
    if (m_byFoldedKey.contains(folded))
        throw VarnelError(VarnelError::DuplicateKey, QStringLiteral("Block_Collection"),
                          QStringLiteral("Bu anahtar koleksiyonda zaten var: ") + sKey);
    cBlock *raw = block.get();
    m_blocks.push_back(std::move(block));
    m_byKey.insert(sKey, raw);
    m_byFoldedKey.insert(folded, raw);
    m_context->bumpTags();
    Q_EMIT blockAdded(raw);
    return raw;
}

cBlock *Block_Collection::item(const QString &key) const
{
    return m_byKey.value(key, nullptr);
}

cBlock *Block_Collection::item(int position) const
{
    if (position < 1 || position > Count())
        return nullptr;
    return m_blocks[std::size_t(position - 1)].get();
}

void Block_Collection::removeAt(std::size_t position)
{
    cBlock *block = m_blocks[position].get();
    Q_EMIT blockAboutToBeRemoved(block);
    for (auto it = m_byKey.begin(); it != m_byKey.end(); ++it) {
        if (it.value() == block) {
            m_byFoldedKey.remove(foldKey(it.key()));
            m_byKey.erase(it);
            break;
        }
    }
    const QString tag = block->TagID();
    const qint16 element = block->theObjectShape();
    m_blocks.erase(m_blocks.begin() + std::ptrdiff_t(position));
    m_context->bumpTags();
    Q_EMIT blockRemoved(tag, element);
}

static VarnelError missingItem()
{
    return VarnelError(VarnelError::InvalidCall, QStringLiteral("Block_Collection"),
                       QStringLiteral("Koleksiyonda böyle bir öğe yok"));
}

void Block_Collection::Remove(const QString &key)
{
    cBlock *block = item(key);
    for (std::size_t i = 0; block && i < m_blocks.size(); ++i) {
        if (m_blocks[i].get() == block)
            return removeAt(i);
    }
    throw missingItem();
}

void Block_Collection::Remove(int position)
{
    if (position < 1 || position > Count())
        throw missingItem();
    removeAt(std::size_t(position - 1));
}

void Block_Collection::clear()
{
    Q_EMIT aboutToClear();
    m_blocks.clear();
    m_byKey.clear();
    m_byFoldedKey.clear();
    m_context->bumpTags();
    Q_EMIT cleared();
}

void Block_Collection::removeShape(qint16 index)
{
    if (index == -1)
        return;
    const QString tag = m_context->shape(index).tag;
    for (const auto &line : *m_lines) {
        if (line->sFrom() == tag || line->sTo() == tag) {
            Q_EMIT linkError(QStringLiteral("Bağlı nesneler silinemez."));
            return;
        }
    }
    ShapeElement &element = m_context->shape(index);
    element.visible = false;
    element.tag = tag + QStringLiteral("-DELETED");
    Remove(tag);
    Q_EMIT selectorHidden();
    m_context->selectedIndex = -1;
}

QString Block_Collection::getFreeTagID() const
{
    // Tags that exist in another letter case are skipped too, so that the new key never
    // collides with an existing one.
    for (qint32 n = 1; n <= std::numeric_limits<qint16>::max(); ++n) {
        const QString candidate = QStringLiteral("id") + QString::number(n);
        if (getIndexFromTag(candidate) == -1 && !m_byFoldedKey.contains(foldKey(candidate)))
            return candidate;
    }
    throw VarnelError::overflow(QStringLiteral("getFreeTagID"));
}

const QHash<QString, cBlock *> &Block_Collection::tagIndex() const
{
    if (m_tagIndexGeneration != m_context->tagGeneration()) {
        m_byTag.clear();
        for (const auto &block : m_blocks) {
            if (!m_byTag.contains(block->TagID()))
                m_byTag.insert(block->TagID(), block.get());
        }
        m_tagIndexGeneration = m_context->tagGeneration();
    }
    return m_byTag;
}

qint16 Block_Collection::getIndexFromTag(const QString &sTag) const
{
    const cBlock *block = tagIndex().value(sTag, nullptr);
    return block ? block->theObjectShape() : qint16(-1);
}

void Block_Collection::checkLinks()
{
    for (const auto &line : *m_lines) {
        const QString number = QString::number(line->theObjectLine());
        if (getIndexFromTag(line->sFrom()) == -1)
            Q_EMIT linkError(QStringLiteral("Satır #") + number + QStringLiteral(" da yanlış FROM"));
        else if (getIndexFromTag(line->sTo()) == -1)
            Q_EMIT linkError(QStringLiteral("Satır #") + number + QStringLiteral(" da yanlış TO"));
    }
}

bool Block_Collection::objectNameExists(const QString &sName) const
{
    const QString folded = foldKey(sName);
    for (const auto &block : m_blocks) {
        if (foldKey(block->TagID()) == folded)
            return true;
    }
    return false;
}
