#pragma once

#include "model/ChangeOwner.h"
#include "model/LineChange.h"

class cLine;

// The line collection is a line's owner.
using LineOwner = ChangeOwner<cLine, LineChanges>;
