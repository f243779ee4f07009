// The full paint of the main window and the repaint of one block, both by
// the board painter on a GDI surface. The full paint draws the whole client
// area into a memory bitmap and copies it to the window at once.
#include "paint.h"
#include "gdisurface.h"
#include "sprites.h"
#include "window.h"
#include "game.h"
#include "layout.h"
#include "outward.h"

#include <cstring>

int paintedSize() { return playableSize(game.boardSize); }

static void paintOnto(HDC dc, const Layout& layout)
{
    GdiSurface gdi;
    Surface surface = openGdiSurface(gdi, dc);
    paintBoardArea(surface, layout, game.cells, game.solution);
    closeGdiSurface(gdi);
}

// The picture of the last full paint, kept so that repainting an unchanged
// board (the window uncovered, a dialog closed) is a single copy. It is what
// the paint would draw again: the same layout, the same cells, the same
// sheets. Made at the first paint, remade for a new size, deleted by shutDown;
// it stays selected into a memory device context of its own.
struct KeptPicture {
    HBITMAP bitmap;
    HDC memory;
    HGDIOBJ memoryPrevious;
    int width, height;
    bool drawn;  // holds the paint of `cells` below at its size (one layout a size)
    Grid cells;
};
static KeptPicture kept;

static bool keptPictureShows()
{
    return kept.drawn && std::memcmp(kept.cells, game.cells, sizeof game.cells) == 0;
}

void releaseKeptPicture()
{
    if (kept.memory) {
        SelectObject(kept.memory, kept.memoryPrevious);
        DeleteDC(kept.memory);
    }
    if (kept.bitmap)
        DeleteObject(kept.bitmap);
    kept = KeptPicture();
}

static bool makeKeptPicture(HDC dc, int width, int height)
{
    if (kept.memory && kept.width == width && kept.height == height)
        return true;
    releaseKeptPicture();
    kept.bitmap = CreateCompatibleBitmap(dc, width, height);
    kept.memory = kept.bitmap ? CreateCompatibleDC(dc) : nullptr;
    if (!kept.memory) {
        releaseKeptPicture();
        return false;
    }
    kept.memoryPrevious = SelectObject(kept.memory, kept.bitmap);
    kept.width = width;
    kept.height = height;
    return true;
}

// The picture starts as the window background, as the window's own erase
// leaves it. Only a paint with every sheet loaded is kept for later.
static void drawKeptPicture(HDC memory, const Layout& layout)
{
    RECT all = {0, 0, kept.width, kept.height};
    FillRect(memory, &all, reinterpret_cast<HBRUSH>(GetClassLongPtrA(mainWindow, GCLP_HBRBACKGROUND)));
    paintOnto(memory, layout);
    kept.drawn = sheetContext(blockSheet) && sheetContext(stripSheet);
    std::memcpy(kept.cells, game.cells, sizeof game.cells);
}

// The whole client area is drawn into the kept picture, unless it shows the
// board already, and the invalid part of it copied to the window.
static bool paintThroughMemory(HDC dc, const RECT& invalid, const Layout& layout)
{
    if (drawingReleased() || !makeKeptPicture(dc, clientWidth(layout), clientHeight(layout)))
        return false;
    if (!keptPictureShows())
        drawKeptPicture(kept.memory, layout);
    BitBlt(dc, invalid.left, invalid.top, invalid.right - invalid.left, invalid.bottom - invalid.top, kept.memory,
           invalid.left, invalid.top, SRCCOPY);
    return true;
}

void paintBoard()
{
    const int size = paintedSize();
    setLayout(size);
    const Layout layout = layoutFor(size);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(mainWindow, &paint);
    if (!paintThroughMemory(dc, paint.rcPaint, layout))
        paintOnto(dc, layout);
    EndPaint(mainWindow, &paint);
    // The paint cleared the panel strip: the bar and the book icons come back
    // as they stand, without a charge; statusUpdate then does its own work.
    drawTimeBar();
    drawHintArea();
    statusUpdate();
}

void repaintBlock(int col, int row)
{
    const int size = paintedSize();
    if (drawingReleased() || col < 0 || row < 0 || col >= size || row >= size)
        return;
    const Layout layout = paintedLayout(size);
    HDC dc = GetDC(mainWindow);
    GdiSurface gdi;
    Surface surface = openGdiSurface(gdi, dc);
    paintBlock(surface, layout, col, row, game.cells[col][row]);
    paintGroupLines(surface, layout);
    closeGdiSurface(gdi);
    ReleaseDC(mainWindow, dc);
}

void requestFullRepaint()
{
    if (mainWindow)
        InvalidateRect(mainWindow, nullptr, TRUE);
}
