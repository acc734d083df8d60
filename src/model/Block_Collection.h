#pragma once

#include "model/cBlock.h"

#include <QHash>
#include <QLocale>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class Line_Collection;

// The only owner of the blocks: insertion order, keyed by tag ID. Keys are unique without
// regard to case; lookups by tag compare exactly. Rule violations are reported by linkError.
class Block_Collection : public QObject {
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

    void removeShape(qint16 index);
    QString getFreeTagID() const;
    qint16 getIndexFromTag(const QString &sTag) const;
    void checkLinks();
    bool objectNameExists(const QString &sName) const;

    // Range-for in insertion order (the collection's enumeration).
    auto begin() const { return m_blocks.begin(); }
    auto end() const { return m_blocks.end(); }

    // Views call this after changing a block's fields so that they repaint it.
    void notifyChanged(cBlock *block) { Q_EMIT blockChanged(block); }

Q_SIGNALS:
    void linkError(const QString &sERROR);
    void blockAdded(cBlock *block);
    void blockAboutToBeRemoved(cBlock *block);
    void blockRemoved(const QString &tag, qint16 element);
    void blockChanged(cBlock *block);
    void aboutToClear();
    void cleared();
    void selectorHidden();

private:
    // Keys pair letters the way the user's language does (Turkish İ/i and I/ı).
    static QString foldKey(const QString &key) { return QLocale().toLower(key); }
    void removeAt(std::size_t position);
    const QHash<QString, cBlock *> &tagIndex() const;

    ModelContext *m_context;
    Line_Collection *m_lines;
    std::vector<std::unique_ptr<cBlock>> m_blocks;
    QHash<QString, cBlock *> m_byKey;       // exact key
    QHash<QString, cBlock *> m_byFoldedKey; // uniqueness without regard to case
    mutable QHash<QString, cBlock *> m_byTag; // first block per TagID, rebuilt when tags change
    mutable quint64 m_tagIndexGeneration = 0;
};
