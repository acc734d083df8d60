#include "model/BlockSize.h"

BlockSize BlockSize::withWidth(qint16 shape, int newWidth) const
{
    return {newWidth, keepsSquare(shape) ? newWidth : height};
}

BlockSize BlockSize::withHeight(qint16 shape, int newHeight) const
{
    return {keepsSquare(shape) ? newHeight : width, newHeight};
}
