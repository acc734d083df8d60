#pragma once

#include <QtGlobal>

// A block's size in pixels, and how it follows one edited side: circles stay as wide as they
// are high.
struct BlockSize {
    int width = 0;
    int height = 0;

    static bool keepsSquare(qint16 shape) { return shape == 3 || shape == 1; }
    BlockSize withWidth(qint16 shape, int newWidth) const;
    BlockSize withHeight(qint16 shape, int newHeight) const;

    friend bool operator==(const BlockSize &, const BlockSize &) = default;
};
