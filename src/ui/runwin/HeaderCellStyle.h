#pragma once

#include <QVariant>

// The look of a grid's fixed cells (header row and columns), as the run windows draw them.
class HeaderCellStyle {
public:
    // The value of a styling role for a fixed (header) or an ordinary cell.
    static QVariant data(bool header, int role);
};
