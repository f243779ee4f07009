#pragma once
// The game window's client area as a picture, painted in the order and at the
// places the window paints it: frames, corner box, clue strips, blocks, grid
// lines, clue numbers, then the status panel.
#include "canvas.h"
#include "game.h"

struct BoardView {
    int size;        // blocks along an edge
    int boardLeft;   // width of the row-clue strip
    int boardTop;    // height of the column-clue strip
    bool withPanel;  // the game window has the status panel below the board
    bool stripsFromSheet;  // copy the strip pieces out of BLOCK2, as the window does
    int rowStripX, rowStripY, colStripX, colStripY;
};

// What the status panel shows.
struct StatusView {
    int seconds;
    int timeLeft;
    int timeMax;
    int tickPhase;
    int hintsLeft;
};

using Grid = int[gridRoom][gridRoom];  // [col][row], a CellState

// The game window's view of a board of 10, 15 or 20.
BoardView gameView(int size);
int viewWidth(const BoardView& view);
int viewHeight(const BoardView& view);
// Left and top pixel of block (col, row).
int blockX(const BoardView& view, int col);
int blockY(const BoardView& view, int row);

// The board with `cells` on its blocks and the clue numbers of the blocks of
// `clueCells` that are still CoveredBomb.
Canvas paintBoard(const BoardView& view, const Grid& cells, const Grid& clueCells);
void paintStatus(Canvas& canvas, const BoardView& view, const StatusView& status);

// Where the clue numbers of a line stand: the top-left corner of the text
// rectangle of clue k (0 = the first in line order) of n clues.
int columnClueTop(const BoardView& view, int k, int n);
int rowClueLeft(const BoardView& view, int k, int n);
const int clueBoxWidth = 15;
