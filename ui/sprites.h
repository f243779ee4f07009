#pragma once
// The sprite sheets of the board and the status panel. Loaded at start-up,
// deleted by shutDown.
#include <windows.h>

extern HBITMAP blockBitmap;   // BLOCK: the blocks' tiles, also the dialogs' thumbnail cells
extern HBITMAP timerBitmap;   // TIMER: sixteen hourglass frames of 22 x 22
extern HBITMAP timeBitmap;    // TIME: full bar (y 0) and empty bar (y 23), 300 wide
extern HBITMAP hintBitmap;    // HELP: four 20 x 20 icons, the book at x 60
extern HBITMAP block2Bitmap;  // BLOCK2: the clue-strip pieces
extern HBITMAP scoreBitmap;   // SCORE: eleven 13 x 23 digits, 10 = blank

// True once shutDown has released the objects above: from then on nothing
// may draw (a timer tick or a paint can still be queued).
bool drawingReleased();
