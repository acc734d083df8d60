#pragma once

#include "model/ModelContext.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

#include <variant>

// What one edit operation did, step by step, with everything needed to take it back and to do
// it again exactly: EditOperations makes it, EditOperations::undo and redo replay it. A record
// is a plain value (copyable, no pointers into the model), so an undo command can keep it for
// as long as it likes; replaying finds blocks by tag ID and lines by position.
struct EditRecord {
    enum class Outcome {
        Applied,   // the model changed; steps say how
        Refused,   // a rule refused the edit (its message went to the message log)
        Unchanged, // nothing to do (no selection, tracking off, an unknown tool word)
    };

    // Everything of a block that the model keeps, its picture element included.
    struct BlockState {
        QString tagID;
        QString zAction;
        QString zParam[3];
        qint32 textColor = 0;
        qint32 bgColor = 0;
        qint32 borderColor = 0;
        qint16 shape = 0;
        QString captionUp;
        QString caption;
        qint16 element = -1; // -1 for a block without element
        ShapeElement shapeElement;

        friend bool operator==(const BlockState &, const BlockState &) = default;
    };
    // Everything of a line that the model keeps, its elements included.
    struct LineState {
        QString from;
        QString to;
        QString caption;
        qint16 element = -1;
        LineElement lineElement;

        friend bool operator==(const LineState &, const LineState &) = default;
    };

    // A new element index taken from the context's counter (a placed block, a new line), with
    // the state the operation left it in.
    struct ElementCreated {
        bool isLine = false;
        qint16 index = -1;
        ShapeElement shapeElement;
        LineElement lineElement;
    };
    // A block put into, or taken out of, the block collection at a 1-based position. A block
    // taken out leaves its element hidden, its tag marked "-DELETED".
    struct BlockInserted {
        int position = 0;
        BlockState block;
    };
    struct BlockRemoved {
        int position = 0;
        BlockState block;
    };
    // A line put into, or taken out of, the line collection at a 1-based position. A line taken
    // out leaves its elements hidden.
    struct LineInserted {
        int position = 0;
        LineState line;
    };
    struct LineRemoved {
        int position = 0;
        LineState line;
    };
    // A block (found by tag ID) or a line (found by position) changed from one state to another.
    struct BlockChanged {
        BlockState before;
        BlockState after;
    };
    struct LineChanged {
        int position = 0;
        LineState before;
        LineState after;
    };
    struct SelectionChanged {
        qint16 selectedBefore = -1;
        qint16 previousBefore = -1;
        qint16 selectedAfter = -1;
        qint16 previousAfter = -1;
    };
    struct ModifiedChanged {
        bool before = false;
        bool after = false;
    };

    using Step = std::variant<ElementCreated, BlockInserted, BlockRemoved, LineInserted, LineRemoved,
                              BlockChanged, LineChanged, SelectionChanged, ModifiedChanged>;

    Outcome outcome = Outcome::Unchanged;
    QVector<Step> steps; // in the order they were done; undo replays them backwards

    // True when there is something to undo: an undo command is worth keeping.
    bool changedModel() const { return !steps.isEmpty(); }

    // Folds a later record into this one when both only change existing blocks, lines and the
    // flag (a drag's many moves become one undo step): the earliest "before" and the latest
    // "after" of each block, line and flag are kept. False, with nothing changed, otherwise.
    bool mergeWith(const EditRecord &later);
};
