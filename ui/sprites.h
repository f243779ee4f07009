#pragma once
// The sprite sheets of the board and the status panel (BLOCK, BLOCK2, TIME,
// SCORE, HELP, TIMER) are loaded at start-up and deleted by shutDown, each
// held in a memory device context of its own (gdisurface.h).

// True once shutDown has released them: from then on nothing may draw (a
// timer tick or a paint can still be queued).
bool drawingReleased();
