#pragma once

#include "model/cLine.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

// The only owner of the lines: insertion order, addressed by 1-based position. The order
// matters, since the interpreter follows the first matching line.
class Line_Collection : public QObject {
    Q_OBJECT
public:
    explicit Line_Collection(ModelContext *context, QObject *parent = nullptr);
    ~Line_Collection() override;

    cLine *AddLine(const QString &sFrom, const QString &sTo, const QString &sCaption);
    cLine *item(int position) const; // an error when out of range
    int Count() const { return int(m_lines.size()); }
    void Remove(int position);
    void clear();

    void deleteLine(qint16 xFrom, qint16 xTo);
    void AddCaptionToLine(const QString &sFrom, const QString &sTo, const QString &sCaption);

    // Routing is the drawing surface's business: it installs the router; without one (no
    // display, or tracking off) these do nothing.
    void setRouter(std::function<void(cLine &)> router) { m_router = std::move(router); }
    void updateLine(cLine &line);
    void updateAllLines();
    void updateConntectedLines(const QString &sTag);

    // The lines leaving a block, in collection order; kept in step with the collection so the
    // interpreter never scans every line.
    const QVector<cLine *> &outgoing(const QString &tag) const;

    auto begin() const { return m_lines.begin(); }
    auto end() const { return m_lines.end(); }

Q_SIGNALS:
    void linkError(const QString &sERROR);
    void lineAdded(cLine *line);
    void lineRemoved(qint16 element);
    void lineChanged(cLine *line);
    void cleared();

private:
    void removeAt(std::size_t position);

    ModelContext *m_context;
    std::vector<std::unique_ptr<cLine>> m_lines;
    std::function<void(cLine &)> m_router;
    mutable QHash<QString, QVector<cLine *>> m_outgoing;
    mutable quint64 m_outgoingGeneration = 0;
};
