#pragma once

#include "base/MessageText.h"
#include "model/BlockElements.h"
#include "model/cBlock.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class Line_Collection;

// The only owner of the blocks: insertion order, keyed by tag ID. Keys are unique without
// regard to case; lookups by tag compare exactly. Rule violations are reported by linkError.
// Every addition, removal and change of a block is announced by the signals below, except
// while the context is replacing the drawing (a load), which views follow as one replacement.
class Block_Collection : public QObject, public BlockElements, public BlockOwner {
    Q_OBJECT
public:
    Block_Collection(ModelContext *context, Line_Collection *lines, QObject *parent = nullptr);
    ~Block_Collection() override;

    cBlock *AddShape(qint16 ShapeType, const QString &sKey, float iLeft, float iTop);
    cBlock *item(const QString &key) const;
    cBlock *item(int position) const;
    int Count() const { return int(m_blocks.size()); }
    void Remove(const QString &key);
    void Remove(int position);
    void clear();

    // Position-keeping removal and insertion for the edit operations (1-based positions). take
    // hands the block over without the rules of removeShape; insert puts a block back at a
    // position (Count() + 1 appends) under its TagID, a duplicate key being an error.
    std::unique_ptr<cBlock> take(int position);
    void insert(int position, std::unique_ptr<cBlock> block);
    // The 1-based position of the block; 0 when it is not in the collection.
    int positionOf(const cBlock *block) const;

    // Everything the collection holds, with what it has looked up, so that a chart can be put
    // aside whole and brought back (a function call switches charts). Blocks put aside keep
    // this collection as their owner and must not change meanwhile.
    struct Contents {
        std::vector<std::unique_ptr<cBlock>> blocks;
        QHash<QString, cBlock *> byKey;
        QHash<QString, cBlock *> byFoldedKey;
        QHash<QString, cBlock *> byTag;
        quint64 tagIndexGeneration = 0;
        quint64 actionRevision = 0;
        QString firstActionCode;
        cBlock *firstAction = nullptr;
        quint64 firstActionRevision = ~quint64(0);
    };
    // Hands every block over into `into` (whose earlier contents are dropped), announced as
    // clear() announces it. Filling a kept record in place spares building a new one per switch.
    void takeContents(Contents &into);
    // Installs contents taken earlier, leaving `from` empty and announcing nothing: it belongs
    // inside the context's replacement bracket, whose end tells the views.
    void putContents(Contents &from);

    // The first block, in collection order, whose action code is exactly `code`; none when no
    // block has it. The answer is kept until an action code or the set of blocks changes.
    cBlock *firstWithAction(const QString &code) const;

    void removeShape(qint16 index);
    QString getFreeTagID() const;
    qint16 getIndexFromTag(const QString &sTag) const;
    qint16 elementOfTag(const QString &tag) const override { return getIndexFromTag(tag); }
    void checkLinks();
    bool objectNameExists(const QString &sName) const;

    // Range-for in insertion order (the collection's enumeration).
    auto begin() const { return m_blocks.begin(); }
    auto end() const { return m_blocks.end(); }

    void announceChanged(cBlock *block, BlockChanges what) override;

Q_SIGNALS:
    void linkError(const MessageText &sERROR);
    void blockAdded(cBlock *block);
    void blockAboutToBeRemoved(cBlock *block);
    void blockRemoved(const QString &tag, qint16 element);
    void blockChanged(cBlock *block, BlockChanges what);
    void aboutToClear();
    void cleared();
    void selectorHidden();

private:
    // Keys are folded the same way in every locale, so that whether a file loads never depends
    // on the user's language: "ID1" and "id1" are one key everywhere, and so are the Turkish
    // letter pairs (all of I, ı, İ and i count as one letter).
    static QString foldKey(const QString &key);
    std::unique_ptr<cBlock> removeAt(std::size_t position);
    const QHash<QString, cBlock *> &tagIndex() const;

    ModelContext *m_context;
    Line_Collection *m_lines;
    std::vector<std::unique_ptr<cBlock>> m_blocks;
    QHash<QString, cBlock *> m_byKey;       // exact key
    QHash<QString, cBlock *> m_byFoldedKey; // uniqueness without regard to case
    mutable QHash<QString, cBlock *> m_byTag; // first block per TagID, rebuilt when tags change
    mutable quint64 m_tagIndexGeneration = 0;
    // Changes with every action code and every addition or removal.
    quint64 m_actionRevision = 0;
    mutable QString m_firstActionCode;
    mutable cBlock *m_firstAction = nullptr;
    mutable quint64 m_firstActionRevision = ~quint64(0);
};
