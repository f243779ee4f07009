#pragma once
// Pixel comparisons the picture tests share.
#include "canvas.h"

inline bool sameBlock(const Canvas& a, int ax, int ay, const Canvas& b, int bx, int by, int w, int h)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (pixelAt(a, ax + x, ay + y) != pixelAt(b, bx + x, by + y))
                return false;
    return true;
}

inline int countColour(const Canvas& c, int x0, int y0, int w, int h, Rgb colour)
{
    int n = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            n += pixelAt(c, x, y) == colour;
    return n;
}
