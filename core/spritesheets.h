#pragma once
// The game's sprite sheets as the artwork tool draws them and the window
// copies from them: tiles addressed by index, the index times the tile's
// edge giving the source offset.

// BLOCK: five 15 x 15 tiles stacked from the top.
const int blockEdge = 15;
const int coveredTile = 0;
const int checkedTile = 1;
const int bombOnRedTile = 2;
const int brokenTile = 3;
const int bombOnGrayTile = 4;
const int blockTiles = 5;
// The tile the board shows for a cell state: covered blocks look alike, with
// or without a bomb.
int tileForCell(int cellState);

// BLOCK2: one raised bar per board size, the largest board's first: the
// column pieces 15 wide side by side from x 0, the row pieces 15 high stacked
// from y 0 at x 45 (layoutFor names each size's bar).
const int rowBarsLeft = 45;

// SCORE: eleven 13 x 23 cells, the digits 0 to 9 and a blank one.
const int scoreCellWidth = 13;
const int scoreCellHeight = 23;
const int blankDigit = 10;

// TIMER: sixteen 22 x 22 hourglass frames side by side.
const int timerFrameEdge = 22;
const int timerFrames = 16;

// HELP: four 20 x 20 icons side by side; the panel shows only the book.
const int hintIconEdge = 20;
const int bookIcon = 3;

// TIME: the full bar in the top row, the empty bar (starting with its dark
// two-pixel edge) in the bottom row, each 23 pixels high and 300 wide.
const int barRowHeight = 23;
const int barSpriteWidth = 300;
const int emptyBarEdge = 2;
