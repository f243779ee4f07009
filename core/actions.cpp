// Single block actions, strokes along one row or column, hints, and the
// mapping of the window's mouse messages onto them.
#include "actions.h"

#include <cstdlib>

#include "game.h"
#include "layout.h"
#include "outward.h"

const int bothButtons = keyLeft | keyRight;
const int hintBombReward = 2;

// The cell area where the last full paint put it.
static Box paintedCellArea() { return cellArea(paintedLayout(game.boardSize)); }

// Mouse positions arrive as the two 16-bit words of the message.
static int word16(int value) { return value & 0xFFFF; }

BlockPos blockAt(int x, int y)
{
    // Truncation toward zero: up to 14 pixels left of or above the cell area
    // still gives column or row 0.
    const Box area = paintedCellArea();
    return {(word16(x) - area.x) / blockPixels, (word16(y) - area.y) / blockPixels};
}

bool onBoard(BlockPos block)
{
    return block.col >= 0 && block.col < game.boardSize && block.row >= 0 && block.row < game.boardSize;
}

bool insideCellArea(int x, int y)
{
    const Box area = paintedCellArea();
    int px = word16(x);
    int py = word16(y);
    return px >= area.x && px < area.x + area.width && py >= area.y && py < area.y + area.height;
}

static void clearVisited()
{
    for (int col = 0; col < visitedRoom; ++col)
        for (int row = 0; row < visitedRoom; ++row)
            game.stroke.visited[col][row] = false;
}

static bool breakBomb(BlockPos b)
{
    game.cells[b.col][b.row] = Checked;  // a broken bomb shows as checked
    if (game.soundEnabled)
        playErrorSound();
    game.timeLeft -= game.profile.sizeFactor * game.profile.bombPenalty;
    endStroke();
    return true;
}

static bool breakBlock(BlockPos b)
{
    int& cell = game.cells[b.col][b.row];
    bool bomb = game.solution[b.col][b.row] == 1;
    if (cell == CoveredBomb || (cell == Checked && bomb))
        return breakBomb(b);
    if (cell != Covered && cell != Checked)
        return false;
    cell = Broken;
    if (game.soundEnabled)
        playBreakSound(b.col, b.row);
    game.timeLeft += game.profile.sizeFactor * game.profile.breakReward;
    clampTime();
    return true;
}

static bool toggleCheck(BlockPos b)
{
    int& cell = game.cells[b.col][b.row];
    if (cell == Broken)
        return false;
    if (cell == Checked)
        cell = game.solution[b.col][b.row] == 1 ? CoveredBomb : Covered;
    else
        cell = Checked;
    if (game.soundEnabled)
        playCheckSound(b.col, b.row);
    game.timeLeft += game.profile.sizeFactor * game.profile.checkReward;  // unchecking earns the same
    clampTime();
    return true;
}

static void blockChanged(BlockPos b)
{
    repaintBlock(b.col, b.row);
    game.barRequest = true;
    if (isSolved())
        game.gameState = Solved;
}

// Every action starts the clock, but one that changes nothing after the
// solving action must not hold back the win.
static void keepSolved(bool wasSolved, bool changed)
{
    if (wasSolved && !changed)
        game.gameState = Solved;
}

static void actOnBlock(BlockPos b, int word)
{
    bool wasSolved = game.gameState == Solved;
    game.gameState = Playing;
    bool changed = false;
    if (onBoard(b) && word == keyLeft)
        changed = breakBlock(b);
    else if (onBoard(b) && word == keyRight)
        changed = toggleCheck(b);
    if (changed)
        blockChanged(b);
    keepSolved(wasSolved, changed);
}

void cellAction(int x, int y, int word) { actOnBlock(blockAt(x, y), word); }

void beginStroke(int x, int y, int word)
{
    BlockPos b = blockAt(x, y);
    if (!onBoard(b))
        return;
    game.stroke.strokeAnchor.x = word16(x);
    game.stroke.strokeAnchor.y = word16(y);
    game.stroke.strokeButton = word;
    game.stroke.visited[b.col][b.row] = true;
    cellAction(x, y, word);
}

static void confineToLine(BlockPos b, int x, int y)
{
    int dx = std::abs(word16(x) - game.stroke.strokeAnchor.x);
    int dy = std::abs(word16(y) - game.stroke.strokeAnchor.y);
    const Box area = paintedCellArea();
    if (dy > dx) {
        int left = area.x + blockPixels * b.col;
        confineCursor(left, area.y, left + blockPixels, area.y + area.height);
        return;
    }
    int top = area.y + blockPixels * b.row;
    confineCursor(area.x, top, area.x + area.width, top + blockPixels);
}

static int stepToward(int from, int to) { return to > from ? 1 : to < from ? -1 : 0; }

// True while the stroke goes on: a broken bomb ends it and clears the marks.
static bool enterBlock(BlockPos b)
{
    if (game.stroke.visited[b.col][b.row])
        return true;
    actOnBlock(b, game.stroke.strokeButton);
    if (game.stroke.strokeButton == 0)
        return false;
    game.stroke.visited[b.col][b.row] = true;
    return true;
}

// A quick hand, or a busy machine, reports the pointer several blocks on
// from the last one acted on: the pointer crossed the blocks between them on
// its way along the row or column, and each is entered in turn.
static bool enterBlocksBetween(BlockPos from, BlockPos to)
{
    if (from.col != to.col && from.row != to.row)
        return true;
    int stepCol = stepToward(from.col, to.col);
    int stepRow = stepToward(from.row, to.row);
    for (BlockPos b = {from.col + stepCol, from.row + stepRow}; b.col != to.col || b.row != to.row;
         b = {b.col + stepCol, b.row + stepRow})
        if (!enterBlock(b))
            return false;
    return true;
}

void continueStroke(int x, int y)
{
    BlockPos b = blockAt(x, y);
    if (game.stroke.strokeButton == 0 || !onBoard(b))
        return;
    confineToLine(b, x, y);
    if (game.stroke.visited[b.col][b.row])
        return;
    BlockPos last = blockAt(game.stroke.strokeAnchor.x, game.stroke.strokeAnchor.y);
    if (!enterBlocksBetween(last, b) || !enterBlock(b))
        return;
    game.stroke.strokeAnchor.x = word16(x);
    game.stroke.strokeAnchor.y = word16(y);
}

void endStroke()
{
    game.stroke.strokeButton = 0;
    clearVisited();
    releaseCursor();
}

static bool hintStep(int col, int row)
{
    int& cell = game.cells[col][row];
    bool bomb = game.solution[col][row] == 1;
    if (!bomb && (cell == Covered || cell == Checked)) {
        cell = Broken;
        game.timeLeft += game.profile.breakReward;  // a hint's break earns no size factor
    } else if (bomb && (cell == Covered || cell == CoveredBomb)) {
        cell = Checked;
        game.timeLeft += hintBombReward;
    } else {
        return false;
    }
    clampTime();
    blockChanged({col, row});
    return true;
}

void useHint(int x, int y)
{
    BlockPos b = blockAt(x, y);
    if (game.hintsLeft <= 0 || !onBoard(b))
        return;
    bool wasSolved = game.gameState == Solved;
    game.gameState = Playing;
    if (game.soundEnabled)
        playHintSound();
    clearVisited();
    bool changed = false;
    for (int i = 0; i < game.boardSize; ++i) {
        changed = hintStep(b.col, i) || changed;
        changed = hintStep(i, b.row) || changed;
    }
    --game.hintsLeft;
    game.hintsRequest = true;
    keepSolved(wasSolved, changed);
    statusUpdate();
}

bool leftButtonDown(unsigned x, unsigned y, int word, bool ctrlHeld)
{
    if (ctrlHeld) {
        useHint(static_cast<int>(x), static_cast<int>(y));
        return true;
    }
    if (word != bothButtons && insideCellArea(static_cast<int>(x), static_cast<int>(y)))
        beginStroke(static_cast<int>(x), static_cast<int>(y), word);
    return false;
}

void rightButtonDown(unsigned x, unsigned y, int word)
{
    if (word != bothButtons && insideCellArea(static_cast<int>(x), static_cast<int>(y)))
        beginStroke(static_cast<int>(x), static_cast<int>(y), word);
}

void mouseMoved(unsigned x, unsigned y)
{
    if (game.stroke.strokeButton != 0)
        continueStroke(static_cast<int>(x), static_cast<int>(y));
}

void buttonReleased() { endStroke(); }
