#pragma once
// The board painter's drawing surface on a window device context: sprite
// copies through a memory device context, pens and the clue font made when
// first needed. Everything it makes is released by closeGdiSurface.
#include <windows.h>

#include "boardpainter.h"

struct GdiSurface {
    HDC dc;
    HDC memory;              // holds the sheet being copied from
    HGDIOBJ memoryPrevious;  // the memory context's first bitmap
    HPEN pens[3];            // white, gray and black, made on first use
    int selectedPen;         // -1 before the first line
    HGDIOBJ penPrevious;
    HFONT font;              // the clue numbers' 12-pixel Arial
    HGDIOBJ fontPrevious;
};

Surface openGdiSurface(GdiSurface& gdi, HDC dc);
void closeGdiSurface(GdiSurface& gdi);

// A line of the current pen, its start pixel drawn and its end pixel not.
void drawPenLine(HDC dc, int x1, int y1, int x2, int y2);
