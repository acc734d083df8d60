#pragma once

#include <QFlags>

// What changed in a block, as Block_Collection::blockChanged announces it.
enum class BlockChange : unsigned {
    Action = 0x1,     // zAction
    Params = 0x2,     // zParam1 to zParam3
    Caption = 0x4,    // sCaption and sCaptionUp
    Colours = 0x8,    // BGColor, TextColor, BorderColor
    Position = 0x10,  // shapeLeft, shapeTop
    Size = 0x20,      // shapeWidth, shapeHeight
    Visibility = 0x40,
    Tag = 0x80,
    Shape = 0x100,    // the shape code
};
Q_DECLARE_FLAGS(BlockChanges, BlockChange)
Q_DECLARE_OPERATORS_FOR_FLAGS(BlockChanges)
