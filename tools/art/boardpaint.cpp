#include "boardpaint.h"

#include <cstdio>

#include "clues.h"
#include "layout.h"
#include "pixelfont.h"
#include "sprites.h"

BoardView gameView(int size)
{
    Layout layout = layoutFor(size);
    return {size, layout.boardLeft, layout.boardTop, true, true,
            layout.rowStripX, layout.rowStripY, layout.colStripX, layout.colStripY};
}

static int cellsEdge(const BoardView& view) { return blockPixels * view.size; }

int viewWidth(const BoardView& view) { return view.boardLeft + cellsEdge(view) + 24; }
int viewHeight(const BoardView& view)
{
    return view.boardTop + cellsEdge(view) + (view.withPanel ? 60 : 24);
}

int blockX(const BoardView& view, int col)
{
    return view.boardLeft + cellAreaInset + blockPixels * col;
}
int blockY(const BoardView& view, int row)
{
    return view.boardTop + cellAreaInset + blockPixels * row;
}

// One sunken or raised frame of three pixels; `lit` draws the top and left.
static void paintFrame(Canvas& canvas, int left, int top, int right, int bottom, Rgb lit, Rgb shade)
{
    for (int k = 0; k < 3; ++k) {
        drawLine(canvas, left + k, top + k, right - k, top + k, lit);
        drawLine(canvas, left + k, top + k, left + k, bottom - k, lit);
        drawLine(canvas, right - k, top + k, right - k, bottom - k, shade);
        drawLine(canvas, left + k, bottom - k, right - k, bottom - k, shade);
    }
}

static void paintFrames(Canvas& canvas, const BoardView& view)
{
    int right = view.boardLeft + cellsEdge(view);
    int panelTop = view.boardTop + cellsEdge(view);
    paintFrame(canvas, 0, 0, canvas.width - 1, canvas.height - 1, white, gray);
    paintFrame(canvas, 9, 9, right + 14, panelTop + 14, gray, white);
    if (view.withPanel)
        paintFrame(canvas, 9, panelTop + 20, right + 14, panelTop + 50, gray, white);
}

static void paintCornerBox(Canvas& canvas, const BoardView& view)
{
    int l = view.boardLeft, t = view.boardTop;
    drawLine(canvas, 12, 12, l + 11, 12, white);
    drawLine(canvas, 12, 12, 12, t + 12, white);
    drawLine(canvas, l + 10, 12, l + 10, t + 10, gray);
    drawLine(canvas, l + 11, t + 10, 12, t + 10, gray);
    drawLine(canvas, l + 11, 12, l + 11, t + 11, black);
    drawLine(canvas, l + 11, t + 11, 12, t + 11, black);
}

static void paintStrips(Canvas& canvas, const BoardView& view)
{
    Canvas bars = drawStripBars();
    for (int i = 0; i < view.size; ++i) {
        int rowY = blockY(view, i), colX = blockX(view, i);
        if (view.stripsFromSheet) {
            copyRect(canvas, 12, rowY, bars, view.rowStripX, view.rowStripY, view.boardLeft, blockPixels);
            copyRect(canvas, colX, 12, bars, view.colStripX, view.colStripY, blockPixels, view.boardTop);
        } else {
            paintRaisedBox(canvas, 12, rowY, view.boardLeft, blockPixels);
            paintRaisedBox(canvas, colX, 12, blockPixels, view.boardTop);
        }
    }
}

static void paintBlocks(Canvas& canvas, const BoardView& view, const Grid& cells)
{
    Canvas sheet = drawBlockSheet();
    for (int col = 0; col < view.size; ++col)
        for (int row = 0; row < view.size; ++row)
            copyRect(canvas, blockX(view, col), blockY(view, row), sheet, 0,
                     blockEdge * tileForCell(cells[col][row]), blockEdge, blockEdge);
}

// Dark lines on the first pixels of every fifth row and column, across the strips too.
static void paintGridLines(Canvas& canvas, const BoardView& view)
{
    int right = view.boardLeft + cellsEdge(view);
    int panelTop = view.boardTop + cellsEdge(view);
    for (int i = 0; i < view.size; i += 5)
        drawLine(canvas, 12, blockY(view, i), right + 12, blockY(view, i), black);
    for (int i = 0; i < view.size; i += 5)
        drawLine(canvas, blockX(view, i), 12, blockX(view, i), panelTop + 12, black);
}

int columnClueTop(const BoardView& view, int k, int n) { return view.boardTop + 8 - 9 * (n - k); }
int rowClueLeft(const BoardView& view, int k, int n) { return view.boardLeft + 6 - 8 * (n - k); }

static void paintClueNumber(Canvas& canvas, int left, int top, int run)
{
    char text[12];
    std::snprintf(text, sizeof text, "%d", run);
    drawCentredText(canvas, left, top, clueBoxWidth, text, 1, run < 10 ? blue : red);
}

// A line without a covered bomb shows one "0" in the place nearest the board.
static void paintLineClues(Canvas& canvas, const BoardView& view, const int* first, int step,
                           bool column, int index)
{
    int runs[maxRuns];
    int n = lineRuns(first, step, view.size, isCoveredBomb, runs);
    if (n == 0) {
        runs[0] = 0;
        n = 1;
    }
    for (int k = 0; k < n; ++k) {
        if (column)
            paintClueNumber(canvas, blockX(view, index), columnClueTop(view, k, n), runs[k]);
        else
            paintClueNumber(canvas, rowClueLeft(view, k, n), blockY(view, index), runs[k]);
    }
}

static void paintClues(Canvas& canvas, const BoardView& view, const Grid& clueCells)
{
    for (int col = 0; col < view.size; ++col)
        paintLineClues(canvas, view, &clueCells[col][0], 1, true, col);
    for (int row = 0; row < view.size; ++row)
        paintLineClues(canvas, view, &clueCells[0][row], gridRoom, false, row);
}

Canvas paintBoard(const BoardView& view, const Grid& cells, const Grid& clueCells)
{
    Canvas canvas = makeCanvas(viewWidth(view), viewHeight(view), lightGray);
    paintFrames(canvas, view);
    paintCornerBox(canvas, view);
    paintStrips(canvas, view);
    paintBlocks(canvas, view, cells);
    paintGridLines(canvas, view);
    paintClues(canvas, view, clueCells);
    return canvas;
}

// The bar, the seconds, the hint icons and the hourglass, as a status update
// after a charge and a hint request draws them.
void paintStatus(Canvas& canvas, const BoardView& view, const StatusView& status)
{
    int panelTop = view.boardTop + cellsEdge(view);
    int barTop = panelTop + 23;
    int left = status.timeLeft < 0 ? 0 : status.timeLeft;
    Canvas bar = drawTimeBar();
    copyRect(canvas, barLeft, barTop, bar, 0, 0, left, barRowHeight);
    copyRect(canvas, barLeft + left, barTop, bar, 0, barRowHeight, status.timeMax + 4 - left, barRowHeight);
    Canvas digits = drawScoreDigits();
    int shown[3];
    secondsDigits(status.seconds, shown);
    for (int i = 0; i < 3; ++i)
        copyRect(canvas, 14 + scoreCellWidth * i, 14, digits, scoreCellWidth * shown[i], 0,
                 scoreCellWidth, scoreCellHeight);
    copyRect(canvas, barLeft + left, barTop, bar, 0, barRowHeight, status.timeMax + 64 - left, barRowHeight);
    Canvas icons = drawHintIcons();
    for (int k = 1; k <= status.hintsLeft; ++k)
        copyRect(canvas, hintIconX(status.timeMax, k), panelTop + 25, icons, hintIconEdge * bookIcon, 0,
                 hintIconEdge, hintIconEdge);
    Canvas glasses = drawHourglasses();
    copyRect(canvas, 13, panelTop + 24, glasses, timerFrameEdge * status.tickPhase, 0, timerFrameEdge,
             timerFrameEdge);
}
