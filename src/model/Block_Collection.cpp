#include "model/Block_Collection.h"

#include "model/Line_Collection.h"
#include "model/VarnelError.h"

#include <limits>
#include <utility>

static VarnelError missingItem()
{
    return VarnelError(VarnelError::InvalidCall, QStringLiteral("Block_Collection"),
                       MessageText::of(QT_TRANSLATE_NOOP("Message", "Koleksiyonda böyle bir öğe yok")));
}

Block_Collection::Block_Collection(ModelContext *context, Line_Collection *lines, QObject *parent)
    : QObject(parent), m_context(context), m_lines(lines)
{
    m_lines->attachBlocks(this);
}

Block_Collection::~Block_Collection()
{
    m_lines->attachBlocks(nullptr);
}

QString Block_Collection::foldKey(const QString &key)
{
    QString folded = key.toCaseFolded();
    for (QChar &c : folded) {
        if (c == u'\u0130' || c == u'\u0131')
            c = u'i';
    }
    return folded;
}

static VarnelError duplicateKey(const QString &key)
{
    return VarnelError(VarnelError::DuplicateKey, QStringLiteral("Block_Collection"),
                       MessageText::of(QT_TRANSLATE_NOOP("Message", "Bu anahtar koleksiyonda zaten var: %1"), {key}));
}

// A key that is already there is refused before anything is made, so that a failed add leaves
// no element behind (an element carrying the tag of another block would show a ghost of it).
cBlock *Block_Collection::AddShape(qint16 ShapeType, const QString &sKey, float iLeft, float iTop)
{
    if (m_byFoldedKey.contains(foldKey(sKey)))
        throw duplicateKey(sKey);
    auto block = std::make_unique<cBlock>(m_context);
    m_context->setProjectModified(true);
    if (m_context->trackCurrentBlock) {
        block->setTheObjectShape(m_context->newShapeElement());
        block->setShapePosition(iLeft, iTop);
        block->setShape(ShapeType);
        block->setBGColor(16777215);
        block->setTextColor(0);
        block->setBorderColor(0);
        block->setVisible(true);
    }
    block->setTagID(sKey);
    cBlock *raw = block.get();
    insert(Count() + 1, std::move(block));
    // Selected once it is in the collection, so that a view following the selection finds it.
    if (raw->hasElement())
        m_context->setSelection(raw->theObjectShape(), m_context->selectedIndex());
    return raw;
}

void Block_Collection::insert(int position, std::unique_ptr<cBlock> block)
{
    const QString key = block->TagID();
    const QString folded = foldKey(key);
    if (m_byFoldedKey.contains(folded))
        throw duplicateKey(key);
    cBlock *raw = block.get();
    raw->setOwner(this);
    m_blocks.insert(m_blocks.begin() + std::ptrdiff_t(position - 1), std::move(block));
    m_byKey.insert(key, raw);
    m_byFoldedKey.insert(folded, raw);
    ++m_actionRevision;
    m_context->bumpTags();
    if (!m_context->replacing())
        Q_EMIT blockAdded(raw);
}

std::unique_ptr<cBlock> Block_Collection::take(int position)
{
    if (position < 1 || position > Count())
        throw missingItem();
    return removeAt(std::size_t(position - 1));
}

int Block_Collection::positionOf(const cBlock *block) const
{
    for (std::size_t i = 0; i < m_blocks.size(); ++i) {
        if (m_blocks[i].get() == block)
            return int(i) + 1;
    }
    return 0;
}

void Block_Collection::announceChanged(cBlock *block, BlockChanges what)
{
    if (what & BlockChange::Action)
        ++m_actionRevision;
    if (!m_context->replacing())
        Q_EMIT blockChanged(block, what);
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

std::unique_ptr<cBlock> Block_Collection::removeAt(std::size_t position)
{
    cBlock *block = m_blocks[position].get();
    const bool announce = !m_context->replacing();
    if (announce)
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
    std::unique_ptr<cBlock> taken = std::move(m_blocks[position]);
    m_blocks.erase(m_blocks.begin() + std::ptrdiff_t(position));
    taken->setOwner(nullptr);
    ++m_actionRevision;
    m_context->bumpTags();
    if (announce)
        Q_EMIT blockRemoved(tag, element);
    return taken;
}

void Block_Collection::Remove(const QString &key)
{
    cBlock *block = item(key);
    for (std::size_t i = 0; block && i < m_blocks.size(); ++i) {
        if (m_blocks[i].get() == block)
            return void(removeAt(i));
    }
    throw missingItem();
}

void Block_Collection::Remove(int position)
{
    take(position);
}

void Block_Collection::clear()
{
    Q_EMIT aboutToClear();
    m_blocks.clear();
    m_byKey.clear();
    m_byFoldedKey.clear();
    ++m_actionRevision;
    m_context->bumpTags();
    Q_EMIT cleared();
}

void Block_Collection::takeContents(Contents &into)
{
    Q_EMIT aboutToClear();
    into.blocks = std::move(m_blocks);
    into.byKey = std::move(m_byKey);
    into.byFoldedKey = std::move(m_byFoldedKey);
    into.byTag = std::move(m_byTag);
    into.tagIndexGeneration = std::exchange(m_tagIndexGeneration, 0);
    into.actionRevision = m_actionRevision++;
    into.firstActionCode = std::move(m_firstActionCode);
    into.firstAction = std::exchange(m_firstAction, nullptr);
    into.firstActionRevision = std::exchange(m_firstActionRevision, ~quint64(0));
    m_blocks.clear();
    m_byKey.clear();
    m_byFoldedKey.clear();
    m_byTag.clear();
    m_firstActionCode.clear();
    Q_EMIT cleared();
}

void Block_Collection::putContents(Contents &from)
{
    m_blocks = std::move(from.blocks);
    m_byKey = std::move(from.byKey);
    m_byFoldedKey = std::move(from.byFoldedKey);
    m_byTag = std::move(from.byTag);
    m_tagIndexGeneration = from.tagIndexGeneration;
    m_actionRevision = from.actionRevision;
    m_firstActionCode = std::move(from.firstActionCode);
    m_firstAction = from.firstAction;
    m_firstActionRevision = from.firstActionRevision;
    from.blocks.clear();
}

cBlock *Block_Collection::firstWithAction(const QString &code) const
{
    if (m_firstActionRevision == m_actionRevision && m_firstActionCode == code)
        return m_firstAction;
    m_firstAction = nullptr;
    for (const auto &block : m_blocks) {
        if (block->zAction() == code) {
            m_firstAction = block.get();
            break;
        }
    }
    m_firstActionCode = code;
    m_firstActionRevision = m_actionRevision;
    return m_firstAction;
}

void Block_Collection::removeShape(qint16 index)
{
    if (index == -1)
        return;
    const QString tag = m_context->shape(index).tag;
    for (const auto &line : *m_lines) {
        if (line->sFrom() == tag || line->sTo() == tag) {
            Q_EMIT linkError(MessageText::of(QT_TRANSLATE_NOOP("Message", "Bağlı nesneler silinemez.")));
            return;
        }
    }
    ShapeElement &element = m_context->shape(index);
    element.visible = false;
    element.tag = tag + QStringLiteral("-DELETED");
    Remove(tag);
    Q_EMIT selectorHidden();
    m_context->setSelection(-1, m_context->previousSelectedIndex());
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
            Q_EMIT linkError(MessageText::of(QT_TRANSLATE_NOOP("Message", "Satır #%1 da yanlış FROM"), {number}));
        else if (getIndexFromTag(line->sTo()) == -1)
            Q_EMIT linkError(MessageText::of(QT_TRANSLATE_NOOP("Message", "Satır #%1 da yanlış TO"), {number}));
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
