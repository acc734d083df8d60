#pragma once

#include "model/LineChange.h"

class cLine;

// What a line needs of the collection that holds it: somewhere to announce its changes. The
// line collection is it; a line knows nothing else of collections.
class LineOwner {
public:
    // Lines call this from their setters.
    virtual void announceChanged(cLine *line, LineChanges what) = 0;

protected:
    ~LineOwner() = default;
};
