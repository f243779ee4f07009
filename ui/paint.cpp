// The full paint of the main window and the repaint of one block, both by
// the board painter on a GDI surface.
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

void paintBoard()
{
    const int size = paintedSize();
    setLayout(size);
    const Layout layout = paintedLayout(size);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(mainWindow, &paint);
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
