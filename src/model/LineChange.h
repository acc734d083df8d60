#pragma once

#include <QFlags>

// What changed in a line, as Line_Collection::lineChanged announces it.
enum class LineChange : unsigned {
    Ends = 0x1,    // sFrom, sTo
    Caption = 0x2, // sCaption with its label's text, size and place
    Route = 0x4,   // the line element's ends, arrow head and label place
};
Q_DECLARE_FLAGS(LineChanges, LineChange)
Q_DECLARE_OPERATORS_FOR_FLAGS(LineChanges)
