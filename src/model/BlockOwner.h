#pragma once

#include "model/BlockChange.h"

class cBlock;

// What a block needs of the collection that holds it: somewhere to announce its changes. The
// block collection is it; a block knows nothing else of collections.
class BlockOwner {
public:
    // Blocks call this from their setters.
    virtual void announceChanged(cBlock *block, BlockChanges what) = 0;

protected:
    ~BlockOwner() = default;
};
