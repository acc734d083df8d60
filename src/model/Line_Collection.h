#pragma once

#include "base/MessageText.h"
#include "model/BlockElements.h"
#include "model/LineOwner.h"
#include "model/cLine.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QVector>
#include <memory>
#include <vector>

// The only owner of the lines: insertion order, addressed by 1-based position. The order
// matters, since the interpreter follows the first matching line. Every addition, removal and
// change of a line is announced by the signals below, except while the context is replacing
// the drawing (a load).
class Line_Collection : public QObject, public LineOwner {
    Q_OBJECT
public:
    explicit Line_Collection(ModelContext *context, QObject *parent = nullptr);
    ~Line_Collection() override;

    cLine *AddLine(const QString &sFrom, const QString &sTo, const QString &sCaption);
    cLine *item(int position) const; // an error when out of range
    int Count() const { return int(m_lines.size()); }
    void Remove(int position);
    void clear();

    // Position-keeping removal and insertion for the edit operations (1-based positions; insert
    // at Count() + 1 appends). Neither touches the line's elements.
    std::unique_ptr<cLine> take(int position);
    void insert(int position, std::unique_ptr<cLine> line);
    // The positions (1-based, ascending) of the lines that join the two tags in either direction.
    QVector<int> linesBetween(const QString &first, const QString &second) const;

    void deleteLine(qint16 xFrom, qint16 xTo);
    void AddCaptionToLine(const QString &sFrom, const QString &sTo, const QString &sCaption);

    // Routes lines between the blocks' elements into the lines' elements (nothing while
    // tracking is off, or for a line whose end names no block). lineChanged (Route) tells of
    // each line that moved.
    void updateLine(cLine &line);
    void updateAllLines();
    void updateConntectedLines(const QString &sTag);
    // Lines back up to a block above keep clear of every block between, so any edit may move
    // them, not only a change of their own two blocks: routes each of them again.
    void updateBackLines();

    // The lines leaving a block, in collection order; kept in step with the collection so the
    // interpreter never scans every line.
    const QVector<cLine *> &outgoing(const QString &tag) const;

    // Everything the collection holds, with its indexes, so that a chart can be put aside whole
    // and brought back (a function call switches charts). Lines put aside keep this collection
    // as their owner and must not change meanwhile.
    struct Contents {
        std::vector<std::unique_ptr<cLine>> lines;
        QHash<QString, QVector<cLine *>> outgoing;
        QHash<QString, QVector<cLine *>> connected;
        quint64 indexGeneration = 0;
    };
    // Hands every line over into `into` (whose earlier contents are dropped), announced as
    // clear() announces it.
    void takeContents(Contents &into);
    // Installs contents taken earlier, leaving `from` empty and announcing nothing (inside the
    // replacement bracket).
    void putContents(Contents &from);

    // The block collection attaches itself here, so that lines find their blocks' elements.
    void attachBlocks(const BlockElements *blocks) { m_blocks = blocks; }

    void announceChanged(cLine *line, LineChanges what) override;

    auto begin() const { return m_lines.begin(); }
    auto end() const { return m_lines.end(); }

Q_SIGNALS:
    void linkError(const MessageText &sERROR);
    void lineAdded(cLine *line);
    void lineRemoved(qint16 element);
    void lineChanged(cLine *line, LineChanges what);
    void cleared();

private:
    std::unique_ptr<cLine> removeAt(std::size_t position);
    bool routeLine(cLine &line);
    void refreshIndexes() const;

    ModelContext *m_context;
    std::vector<std::unique_ptr<cLine>> m_lines;
    const BlockElements *m_blocks = nullptr;
    mutable QHash<QString, QVector<cLine *>> m_outgoing;
    mutable QHash<QString, QVector<cLine *>> m_connected; // leaving or entering, each line once
    mutable quint64 m_indexGeneration = 0;
};
