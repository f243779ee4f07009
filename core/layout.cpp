#include "layout.h"

#include "game.h"
#include "spritesheets.h"

// The strips are as wide as the longest clue list of the size needs; BLOCK2
// holds one bar of each length, the largest board's first.
struct StripWidths {
    int size, boardLeft, boardTop, bar;
};
const StripWidths stripWidths[] = {{10, 44, 53, 2}, {15, 68, 88, 1}, {20, 84, 94, 0}};

Layout plainLayout(int size, int left, int top, int rowStripX, int rowStripY, int colStripX, int colStripY)
{
    return {size, left, top, top + blockPixels * size, false, rowStripX, rowStripY, colStripX, colStripY};
}

Layout layoutFor(int size)
{
    StripWidths widths = stripWidths[0];
    for (const StripWidths& w : stripWidths)
        if (w.size == size)
            widths = w;
    Layout layout = plainLayout(widths.size, widths.boardLeft, widths.boardTop, rowBarsLeft,
                                blockEdge * widths.bar, blockEdge * widths.bar, 0);
    layout.hasPanel = true;
    return layout;
}

void setLayout(int size)
{
    Layout layout = layoutFor(size);
    game.boardLeft = layout.boardLeft;
    game.boardTop = layout.boardTop;
    game.panelTop = layout.panelTop;
}

Layout paintedLayout(int size)
{
    Layout layout = layoutFor(size);
    layout.size = size;
    layout.boardLeft = game.boardLeft;
    layout.boardTop = game.boardTop;
    layout.panelTop = game.panelTop;
    return layout;
}

static int boardRight(const Layout& l) { return l.boardLeft + blockPixels * l.size; }

int clientWidth(const Layout& l) { return boardRight(l) + 24; }
int clientHeight(const Layout& l) { return l.panelTop + (l.hasPanel ? 60 : 24); }

int blockLeft(const Layout& l, int col) { return l.boardLeft + cellAreaInset + blockPixels * col; }
int blockTop(const Layout& l, int row) { return l.boardTop + cellAreaInset + blockPixels * row; }

Box blockBox(const Layout& l, int col, int row)
{
    return {blockLeft(l, col), blockTop(l, row), blockPixels, blockPixels};
}

Box cellArea(const Layout& l)
{
    return {blockLeft(l, 0), blockTop(l, 0), blockPixels * l.size, blockPixels * l.size};
}

Box rowStripPiece(const Layout& l, int row) { return {12, blockTop(l, row), l.boardLeft, blockPixels}; }
Box columnStripPiece(const Layout& l, int col) { return {blockLeft(l, col), 12, blockPixels, l.boardTop}; }
Box cornerBox(const Layout& l) { return {12, 12, l.boardLeft, l.boardTop}; }

int framesOf(const Layout& l, Frame frames[3])
{
    const int right = boardRight(l), p = l.panelTop;
    frames[0] = {0, 0, clientWidth(l) - 1, clientHeight(l) - 1, true};
    frames[1] = {9, 9, right + 14, p + 14, false};
    frames[2] = {9, p + 20, right + 14, p + 50, false};
    return l.hasPanel ? 3 : 2;
}

Line rowGroupLine(const Layout& l, int index)
{
    return {12, blockTop(l, index), boardRight(l) + 12, blockTop(l, index)};
}

Line columnGroupLine(const Layout& l, int index)
{
    return {blockLeft(l, index), 12, blockLeft(l, index), l.panelTop + 12};
}

const int clueWidth = 15;
const int clueHeight = 20;

Box columnClueBox(const Layout& l, int col, int k)
{
    return {blockLeft(l, col), l.boardTop + 8 - 9 * (k + 1), clueWidth, clueHeight};
}

Box rowClueBox(const Layout& l, int row, int k)
{
    return {l.boardLeft + 6 - 8 * (k + 1), blockTop(l, row), clueWidth, clueHeight};
}

Box secondsDigitBox(int place) { return {14 + scoreCellWidth * place, 14, scoreCellWidth, scoreCellHeight}; }
Box hourglassBox(const Layout& l) { return {13, l.panelTop + 24, timerFrameEdge, timerFrameEdge}; }
int barTop(const Layout& l) { return l.panelTop + 23; }
int barAreaEnd(int timeMax) { return barLeft + timeMax + 4; }
int hintAreaEnd(int timeMax) { return barLeft + timeMax + 64; }

Box hintIconBox(const Layout& l, int timeMax, int k)
{
    return {barLeft + timeMax + 5 + hintIconEdge * (k - 1), l.panelTop + 25, hintIconEdge, hintIconEdge};
}
