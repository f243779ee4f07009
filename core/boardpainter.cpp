#include "boardpainter.h"

#include <cstdio>

#include "clues.h"
#include "spritesheets.h"

const int maxHints = 3;

static void line(const Surface& s, Ink ink, int x1, int y1, int x2, int y2)
{
    s.drawLine(s.target, ink, {x1, y1, x2, y2});
}

// Ring k (0, 1, 2) of a frame three pixels thick.
static void paintFrameRing(const Surface& s, const Frame& f, int k)
{
    const Ink lit = f.raised ? whiteInk : grayInk;
    const Ink shade = f.raised ? grayInk : whiteInk;
    const int left = f.left + k, top = f.top + k, right = f.right - k, bottom = f.bottom - k;
    line(s, lit, left, top, right, top);
    line(s, lit, left, top, left, bottom);
    line(s, shade, right, top, right, bottom);
    line(s, shade, left, bottom, right, bottom);
}

static void paintFrames(const Surface& s, const Layout& layout)
{
    Frame frames[3];
    const int count = framesOf(layout, frames);
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < count; ++i)
            paintFrameRing(s, frames[i], k);
}

// The corner box that holds the seconds counter looks raised.
static void paintCornerBevel(const Surface& s, const Layout& layout)
{
    const Box box = cornerBox(layout);
    const int left = box.x, top = box.y;
    const int right = box.x + box.width - 1, bottom = box.y + box.height - 1;
    line(s, whiteInk, left, top, right, top);
    line(s, whiteInk, left, top, left, bottom + 1);
    line(s, grayInk, right - 1, top, right - 1, bottom - 1);
    line(s, grayInk, right, bottom - 1, left, bottom - 1);
    line(s, blackInk, right, top, right, bottom);
    line(s, blackInk, right, bottom, left, bottom);
}

static void paintStripPieces(const Surface& s, const Layout& layout)
{
    for (int i = 0; i < layout.size; ++i) {
        s.copyTile(s.target, stripSheet, rowStripPiece(layout, i), layout.rowStripX, layout.rowStripY);
        s.copyTile(s.target, stripSheet, columnStripPiece(layout, i), layout.colStripX, layout.colStripY);
    }
}

void paintBlock(const Surface& s, const Layout& layout, int col, int row, int cellState)
{
    s.copyTile(s.target, blockSheet, blockBox(layout, col, row), 0, blockEdge * tileForCell(cellState));
}

static void paintBlocks(const Surface& s, const Layout& layout, const Grid& cells)
{
    for (int col = 0; col < layout.size; ++col)
        for (int row = 0; row < layout.size; ++row)
            paintBlock(s, layout, col, row, cells[col][row]);
}

void paintGroupLines(const Surface& s, const Layout& layout)
{
    for (int i = 0; i < layout.size; i += groupEvery)
        s.drawLine(s.target, blackInk, rowGroupLine(layout, i));
    for (int i = 0; i < layout.size; i += groupEvery)
        s.drawLine(s.target, blackInk, columnGroupLine(layout, i));
}

// Blue below 10, red from 10.
static void paintClue(const Surface& s, Box box, int run)
{
    char text[12];
    std::snprintf(text, sizeof text, "%d", run);
    s.drawText(s.target, run < 10 ? blueInk : redInk, box, text);
}

// The runs of bombs of a line of the solution, nearest the board first; a line
// without any gives one 0.
static int runsFromBoard(const int* first, int step, int size, int* runs)
{
    int inOrder[maxRuns];
    int count = lineRuns(first, step, size, isBomb, inOrder);
    if (count == 0) {
        runs[0] = 0;
        return 1;
    }
    for (int i = 0; i < count; ++i)
        runs[i] = inOrder[count - 1 - i];
    return count;
}

static void paintClueNumbers(const Surface& s, const Layout& layout, const Grid& solution)
{
    int runs[maxRuns];
    for (int col = 0; col < layout.size; ++col) {
        int count = runsFromBoard(&solution[col][0], 1, layout.size, runs);
        for (int k = 0; k < count; ++k)
            paintClue(s, columnClueBox(layout, col, k), runs[k]);
    }
    for (int row = 0; row < layout.size; ++row) {
        int count = runsFromBoard(&solution[0][row], gridRoom, layout.size, runs);
        for (int k = 0; k < count; ++k)
            paintClue(s, rowClueBox(layout, row, k), runs[k]);
    }
}

void paintBoardArea(const Surface& s, const Layout& layout, const Grid& cells, const Grid& solution)
{
    paintFrames(s, layout);
    paintCornerBevel(s, layout);
    paintStripPieces(s, layout);
    paintBlocks(s, layout, cells);
    paintGroupLines(s, layout);
    paintClueNumbers(s, layout, solution);
}

static int clamped(int value, int low, int high)
{
    return value < low ? low : value > high ? high : value;
}

// Empty bar from x over width pixels. Past the sprite's width it goes on with
// the plain part of the empty bar, without a second edge line.
static void paintEmptyBar(const Surface& s, const Layout& layout, int x, int width)
{
    const int top = barTop(layout);
    const int first = width < barSpriteWidth ? width : barSpriteWidth;
    if (first > 0)
        s.copyTile(s.target, timeSheet, {x, top, first, barRowHeight}, 0, barRowHeight);
    const int plainWidth = barSpriteWidth - emptyBarEdge;
    for (int done = first; done < width; done += plainWidth) {
        int piece = width - done < plainWidth ? width - done : plainWidth;
        s.copyTile(s.target, timeSheet, {x + done, top, piece, barRowHeight}, emptyBarEdge, barRowHeight);
    }
}

void paintTimeBar(const Surface& s, const Layout& layout, int timeLeft, int timeMax)
{
    const int length = clamped(timeLeft, 0, timeMax);
    if (length > 0)
        s.copyTile(s.target, timeSheet, {barLeft, barTop(layout), length, barRowHeight}, 0, 0);
    paintEmptyBar(s, layout, barLeft + length, barAreaEnd(timeMax) - barLeft - length);
}

void paintHintArea(const Surface& s, const Layout& layout, int timeLeft, int timeMax, int hintsLeft)
{
    const int length = clamped(timeLeft, 0, timeMax);
    paintEmptyBar(s, layout, barLeft + length, hintAreaEnd(timeMax) - barLeft - length);
    const int books = clamped(hintsLeft, 0, maxHints);
    for (int k = 1; k <= books; ++k)
        s.copyTile(s.target, hintSheet, hintIconBox(layout, timeMax, k), hintIconEdge * bookIcon, 0);
}

void paintSeconds(const Surface& s, int seconds)
{
    int digits[3];
    secondsDigits(seconds, digits);
    for (int i = 0; i < 3; ++i)
        s.copyTile(s.target, scoreSheet, secondsDigitBox(i), scoreCellWidth * digits[i], 0);
}

void paintHourglass(const Surface& s, const Layout& layout, int frame)
{
    s.copyTile(s.target, timerSheet, hourglassBox(layout), timerFrameEdge * clamped(frame, 0, timerFrames - 1), 0);
}

void paintStatusPanel(const Surface& s, const Layout& layout, const StatusView& status)
{
    paintTimeBar(s, layout, status.timeLeft, status.timeMax);
    paintSeconds(s, status.seconds);
    paintHintArea(s, layout, status.timeLeft, status.timeMax, status.hintsLeft);
    paintHourglass(s, layout, status.tickPhase);
}

void secondsDigits(int seconds, int digits[3])
{
    const int blank = 10;
    int e = seconds;
    if (e > 999)
        e = 999;  // the counter has three digits; longer games show 999
    if (e < 0)
        e = 0;
    int h = e / 100;
    int t = e / 10 - 10 * (e / 100);
    if (h == 0)
        h = blank;
    if (t == 0 && h == blank)
        t = blank;
    digits[0] = h;
    digits[1] = t;
    digits[2] = e % 10;
}
