#pragma once
// The game's sprite sheets: the board's blocks (BLOCK), the clue-strip bars
// (BLOCK2), the time bar (TIME), the seconds digits (SCORE), the hint icons
// (HELP), the hourglass (TIMER) and the program's icon (ZEMB).
#include <vector>

#include "canvas.h"

#include "spritesheets.h"

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
