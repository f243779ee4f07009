// The board: three bevelled frames, the corner box, the clue strips, the
// blocks and the dark lines that group every five rows and columns.
#include "paint.h"
#include "cluenumbers.h"
#include "sprites.h"
#include "window.h"
#include "game.h"
#include "layout.h"
#include "outward.h"
#include "spritesheets.h"

const COLORREF white = 0xFFFFFF;
const COLORREF gray = 0x808080;
const COLORREF black = 0x000000;

int paintedSize() { return playableSize(boardSize); }

// Top of a block's sprite in BLOCK.
static int spriteTop(int state) { return blockEdge * tileForCell(state); }

static void line(HDC dc, int x1, int y1, int x2, int y2)
{
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// One pixel line of a frame: each frame is three such rings thick.
struct FrameLine {
    int pen;  // 0 white, 1 gray
    int x1, y1, x2, y2;
};

// The twelve lines of ring k (0, 1, 2) of the outer, board and panel frames.
static void drawFrameRing(HDC dc, HPEN pens[2], int k, int right, int panel)
{
    const int R = right, P = panel;
    const FrameLine lines[12] = {
        {0, k, k, R + 23 - k, k},
        {0, k, k, k, P + 59 - k},
        {1, R + 23 - k, k, R + 23 - k, P + 59 - k},
        {1, k, P + 59 - k, R + 23 - k, P + 59 - k},
        {1, 9 + k, 9 + k, R + 14 - k, 9 + k},
        {1, 9 + k, 9 + k, 9 + k, P + 14 - k},
        {0, R + 14 - k, 9 + k, R + 14 - k, P + 14 - k},
        {0, 9 + k, P + 14 - k, R + 14 - k, P + 14 - k},
        {1, 9 + k, P + 20 + k, R + 14 - k, P + 20 + k},
        {1, 9 + k, P + 20 + k, 9 + k, P + 50 - k},
        {0, R + 14 - k, P + 20 + k, R + 14 - k, P + 50 - k},
        {0, 9 + k, P + 50 - k, R + 14 - k, P + 50 - k},
    };
    for (const FrameLine& l : lines) {
        SelectObject(dc, pens[l.pen]);
        line(dc, l.x1, l.y1, l.x2, l.y2);
    }
}

// The corner box that holds the seconds counter looks raised.
static void drawCornerBevel(HDC dc, HPEN whiteLine, HPEN grayLine, HPEN blackLine)
{
    const int L = boardLeft, T = boardTop;
    SelectObject(dc, whiteLine);
    line(dc, 12, 12, L + 11, 12);
    line(dc, 12, 12, 12, T + 12);
    SelectObject(dc, grayLine);
    line(dc, L + 10, 12, L + 10, T + 10);
    line(dc, L + 11, T + 10, 12, T + 10);
    SelectObject(dc, blackLine);
    line(dc, L + 11, 12, L + 11, T + 11);
    line(dc, L + 11, T + 11, 12, T + 11);
}

static void drawFrames(HDC dc, int size)
{
    HPEN whiteLine = CreatePen(PS_SOLID, 1, white);
    HPEN grayLine = CreatePen(PS_SOLID, 1, gray);
    HPEN blackLine = CreatePen(PS_SOLID, 1, black);
    HGDIOBJ previous = SelectObject(dc, whiteLine);
    HPEN pens[2] = {whiteLine, grayLine};
    for (int k = 0; k < 3; ++k)
        drawFrameRing(dc, pens, k, boardLeft + blockPixels * size, panelTop);
    drawCornerBevel(dc, whiteLine, grayLine, blackLine);
    SelectObject(dc, previous);
    DeleteObject(whiteLine);
    DeleteObject(grayLine);
    DeleteObject(blackLine);
}

static void drawStripPieces(HDC dc, HDC memory, int size)
{
    const Layout layout = layoutFor(size);
    SelectObject(memory, block2Bitmap);
    for (int i = 0; i < size; ++i) {
        BitBlt(dc, 12, boardTop + 12 + blockPixels * i, boardLeft, blockPixels, memory, layout.rowStripX,
               layout.rowStripY, SRCCOPY);
        BitBlt(dc, boardLeft + 12 + blockPixels * i, 12, blockPixels, boardTop, memory, layout.colStripX,
               layout.colStripY, SRCCOPY);
    }
}

static void drawBlock(HDC dc, HDC memory, int col, int row)
{
    BitBlt(dc, boardLeft + cellAreaInset + blockPixels * col, boardTop + cellAreaInset + blockPixels * row,
           blockPixels, blockPixels, memory, 0, spriteTop(cells[col][row]), SRCCOPY);
}

static void drawBlocks(HDC dc, HDC memory, int size)
{
    SelectObject(memory, blockBitmap);
    for (int col = 0; col < size; ++col)
        for (int row = 0; row < size; ++row)
            drawBlock(dc, memory, col, row);
}

// The dark lines on the first pixels of blocks 0, 5, 10 and 15, running
// across the clue strips too so the numbers are grouped in fives.
static void drawGridLines(HDC dc, int size)
{
    const int right = boardLeft + blockPixels * size;
    HPEN blackLine = CreatePen(PS_SOLID, 1, black);
    HGDIOBJ previous = SelectObject(dc, blackLine);
    for (int i = 0; i < size; i += 5)
        line(dc, 12, boardTop + 12 + blockPixels * i, right + 12, boardTop + 12 + blockPixels * i);
    for (int i = 0; i < size; i += 5)
        line(dc, boardLeft + 12 + blockPixels * i, 12, boardLeft + 12 + blockPixels * i, panelTop + 12);
    SelectObject(dc, previous);
    DeleteObject(blackLine);
}

static void drawSprites(HDC dc, int size)
{
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, block2Bitmap);
    if (block2Bitmap)
        drawStripPieces(dc, memory, size);
    if (blockBitmap)
        drawBlocks(dc, memory, size);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

void paintBoard()
{
    const int size = paintedSize();
    setLayout(size);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(mainWindow, &paint);
    drawFrames(dc, size);
    drawSprites(dc, size);
    drawGridLines(dc, size);
    drawClueNumbers(dc, size);
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
    HDC dc = GetDC(mainWindow);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, blockBitmap);
    if (blockBitmap)
        drawBlock(dc, memory, col, row);
    SelectObject(memory, previous);
    DeleteDC(memory);
    drawGridLines(dc, size);
    ReleaseDC(mainWindow, dc);
}

void requestFullRepaint()
{
    if (mainWindow)
        InvalidateRect(mainWindow, nullptr, TRUE);
}
