#pragma once

#include "model/Block_Collection.h"
#include "model/Line_Collection.h"
#include "model/ModelContext.h"

#include <QStringList>

// Writes down every announcement of the model, in order, as short texts such as
// "block id1 Size" or "selection 2,1".
class ChangeRecorder {
public:
    ChangeRecorder(ModelContext &ctx, Block_Collection &blocks, Line_Collection &lines)
    {
        QObject::connect(&ctx, &ModelContext::selectionChanged, [this](qint16 s, qint16 p) {
            log << QStringLiteral("selection %1,%2").arg(s).arg(p);
        });
        QObject::connect(&ctx, &ModelContext::projectModifiedChanged,
                         [this](bool m) { log << QStringLiteral("modified %1").arg(int(m)); });
        QObject::connect(&ctx, &ModelContext::aboutToReplace, [this] { log << "aboutToReplace"; });
        QObject::connect(&ctx, &ModelContext::replaced, [this] { log << "replaced"; });
        QObject::connect(&blocks, &Block_Collection::blockAdded,
                         [this](cBlock *b) { log << "blockAdded " + b->TagID(); });
        QObject::connect(&blocks, &Block_Collection::blockAboutToBeRemoved,
                         [this](cBlock *b) { log << "blockAboutToBeRemoved " + b->TagID(); });
        QObject::connect(&blocks, &Block_Collection::blockRemoved, [this](const QString &tag, qint16 e) {
            log << QStringLiteral("blockRemoved %1 %2").arg(tag).arg(e);
        });
        QObject::connect(&blocks, &Block_Collection::blockChanged, [this](cBlock *b, BlockChanges what) {
            log << "block " + b->TagID() + u' ' + blockNames(what);
        });
        QObject::connect(&blocks, &Block_Collection::aboutToClear, [this] { log << "blocksAboutToClear"; });
        QObject::connect(&blocks, &Block_Collection::cleared, [this] { log << "blocksCleared"; });
        QObject::connect(&lines, &Line_Collection::lineAdded, [this](cLine *l) {
            log << "lineAdded " + l->sFrom() + u'>' + l->sTo();
        });
        QObject::connect(&lines, &Line_Collection::lineRemoved,
                         [this](qint16 e) { log << QStringLiteral("lineRemoved %1").arg(e); });
        QObject::connect(&lines, &Line_Collection::lineChanged, [this](cLine *l, LineChanges what) {
            log << "line " + l->sFrom() + u'>' + l->sTo() + u' ' + lineNames(what);
        });
        QObject::connect(&lines, &Line_Collection::cleared, [this] { log << "linesCleared"; });
    }

    QStringList take() { return std::exchange(log, QStringList()); }

    QStringList log;

private:
    static QString blockNames(BlockChanges what)
    {
        static const std::pair<BlockChange, const char *> names[] = {
            {BlockChange::Action, "Action"}, {BlockChange::Params, "Params"},
            {BlockChange::Caption, "Caption"}, {BlockChange::Colours, "Colours"},
            {BlockChange::Position, "Position"}, {BlockChange::Size, "Size"},
            {BlockChange::Visibility, "Visibility"}, {BlockChange::Tag, "Tag"},
            {BlockChange::Shape, "Shape"}};
        QStringList out;
        for (const auto &[flag, name] : names) {
            if (what.testFlag(flag))
                out << QString::fromLatin1(name);
        }
        return out.join(u'|');
    }

    static QString lineNames(LineChanges what)
    {
        QStringList out;
        if (what.testFlag(LineChange::Ends))
            out << QStringLiteral("Ends");
        if (what.testFlag(LineChange::Caption))
            out << QStringLiteral("Caption");
        if (what.testFlag(LineChange::Route))
            out << QStringLiteral("Route");
        return out.join(u'|');
    }
};
