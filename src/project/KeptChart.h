#pragma once

#include "model/Block_Collection.h"
#include "model/Line_Collection.h"
#include "model/ModelContext.h"
#include "project/ChartOrigin.h"

// A whole chart put aside: its blocks and lines with their indexes, its elements, and where it
// came from. Moving one in or out of the project's collections moves containers, never items.
struct KeptChart {
    Block_Collection::Contents blocks;
    Line_Collection::Contents lines;
    ModelContext::Elements elements;
    ChartOrigin origin;
};
