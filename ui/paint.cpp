// The full paint of the main window and the repaint of one block, both by
// the board painter on a GDI surface. The full paint draws the whole client
// area into a memory bitmap first and copies it to the window at once.
#include "paint.h"
#include "gdisurface.h"
#include "sprites.h"
#include "window.h"
#include "game.h"
#include "layout.h"
#include "outward.h"

int paintedSize() { return playableSize(boardSize); }

static void paintOnto(HDC dc, const Layout& layout)
{
    GdiSurface gdi;
    Surface surface = openGdiSurface(gdi, dc);
    paintBoardArea(surface, layout, cells, cells);
    closeGdiSurface(gdi);
}

// The picture starts as the window background, as the window's own erase
// leaves it; only the invalid part of it is copied to the window.
static bool paintThroughMemory(HDC dc, const RECT& invalid, const Layout& layout)
{
    const int width = clientWidth(layout), height = clientHeight(layout);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP picture = memory ? CreateCompatibleBitmap(dc, width, height) : nullptr;
    if (!picture) {
        if (memory)
            DeleteDC(memory);
        return false;
    }
    HGDIOBJ previous = SelectObject(memory, picture);
    RECT all = {0, 0, width, height};
    FillRect(memory, &all, reinterpret_cast<HBRUSH>(GetClassLongPtrA(mainWindow, GCLP_HBRBACKGROUND)));
    paintOnto(memory, layout);
    BitBlt(dc, invalid.left, invalid.top, invalid.right - invalid.left, invalid.bottom - invalid.top, memory,
           invalid.left, invalid.top, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(picture);
    DeleteDC(memory);
    return true;
}

void paintBoard()
{
    const int size = paintedSize();
    setLayout(size);
    const Layout layout = paintedLayout(size);
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
    paintBlock(surface, layout, col, row, cells[col][row]);
    paintGroupLines(surface, layout);
    closeGdiSurface(gdi);
    ReleaseDC(mainWindow, dc);
}

void requestFullRepaint()
{
    if (mainWindow)
        InvalidateRect(mainWindow, nullptr, TRUE);
}
