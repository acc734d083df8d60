#pragma once

#include "model/ActionFields.h"
#include "model/EditDispatch.h"

#include <QString>
#include <QtGlobal>

#include <optional>

// One of the nine block tools of the drawing surface: the block it places (shape code, size,
// initial action fields) and the property dialog that must confirm a new block of its kind.
struct BlockTool {
    QString word;
    qint16 shape = 0;
    int width = 0;
    int height = 0;
    ActionFields fields;                // the fields a tool without a dialog gives its block
    EditDispatch::Dialog dialog = EditDispatch::Dialog::None;
    bool rebuildsCaption = false;       // INTERSECTION blocks keep no caption

    bool needsDialog() const { return dialog != EditDispatch::Dialog::None; }

    // The tool of a tool word (exact, case included); nothing for any other word.
    static std::optional<BlockTool> find(const QString &word);
};
