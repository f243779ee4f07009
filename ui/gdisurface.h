#pragma once
// The board painter's drawing surface on a device context. The sprite sheets
// and the clue font it draws with are loaded and made once at start-up
// (holdDrawingTools) and kept until shutDown (releaseDrawingTools): each sheet
// stays selected into a memory device context of its own, so a copy needs no
// context made and no bitmap selected. The lines use the shared pens.
#include <windows.h>

#include "boardpainter.h"

struct GdiSurface {
    HDC dc;
    HGDIOBJ pen;           // the pen of the last line
    HGDIOBJ penPrevious;   // what dc held before the first line's pen
    HGDIOBJ fontPrevious;  // and before the first text's font
};

// Loads the sheets; one that fails to load gets no context and is not drawn.
void holdDrawingTools(HINSTANCE instance);
// Deletes them; later calls do nothing.
void releaseDrawingTools();
// The memory device context holding the sheet, or null (BLOCK's also draws
// the dialogs' thumbnail cells).
HDC sheetContext(Sheet sheet);

Surface openGdiSurface(GdiSurface& gdi, HDC dc);
// Puts back what the surface selected into the device context.
void closeGdiSurface(GdiSurface& gdi);

// A line of the current pen, its start pixel drawn and its end pixel not.
void drawPenLine(HDC dc, int x1, int y1, int x2, int y2);
