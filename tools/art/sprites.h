#pragma once
// The game's sprite sheets: the board's blocks (BLOCK), the clue-strip bars
// (BLOCK2), the time bar (TIME), the seconds digits (SCORE), the hint icons
// (HELP), the hourglass (TIMER) and the program's icon (ZEMB).
#include <vector>

#include "canvas.h"

const int blockEdge = 15;
// Tiles of BLOCK, top to bottom.
const int coveredTile = 0;
const int checkedTile = 1;
const int bombOnRedTile = 2;
const int brokenTile = 3;
const int bombOnGrayTile = 4;
const int blockTiles = 5;
// The tile the board shows for a cell state (covered blocks with and without
// a bomb look the same).
int tileForCell(int cellState);

const int scoreCellWidth = 13;
const int scoreCellHeight = 23;
const int blankDigit = 10;
const int timerFrameEdge = 22;
const int timerFrames = 16;
const int hintIconEdge = 20;
const int bookIcon = 3;  // the only hint icon the panel draws
const int barRowHeight = 23;

// The lit and unlit segments of the seconds digits.
const Rgb litSegment{0, 255, 0};
const Rgb unlitSegment{0, 60, 0};
const Rgb digitBackground{0, 0, 0};
// The see-through colour of the icon pictures.
const Rgb iconTransparent{255, 0, 255};

Canvas drawBlockSheet();
Canvas drawStripBars();
Canvas drawTimeBar();
Canvas drawScoreDigits();
Canvas drawHintIcons();
Canvas drawHourglasses();
// The icon's images: 32 x 32 first, then 16 x 16.
std::vector<Canvas> drawIconImages();

// Painters the help pictures share with the sheets.
void paintBlockTile(Canvas& canvas, int x, int y, int tile);
// The seven segments a to g that a digit 0 ... 9 lights, bit 0 = a.
int litSegmentsOf(int digit);
