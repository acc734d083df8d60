#pragma once

#include "model/BlockChange.h"
#include "model/ChangeOwner.h"

class cBlock;

// The block collection is a block's owner.
using BlockOwner = ChangeOwner<cBlock, BlockChanges>;
