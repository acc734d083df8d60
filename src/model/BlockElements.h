#pragma once

#include <QString>
#include <QtGlobal>

// What lines need of the blocks they join: the element a block's tag stands for. The block
// collection answers it; lines know nothing else of blocks.
class BlockElements {
public:
    // The element of the block with exactly this tag; -1 when there is none.
    virtual qint16 elementOfTag(const QString &tag) const = 0;

protected:
    ~BlockElements() = default;
};
