#pragma once
// The pictures of the main window's client area: the frames, the clue strips
// and their numbers, the blocks, the grid lines and the status panel. They
// are drawn through a drawing surface, so that the window and the artwork
// tool's help pictures show one and the same paint.
#include "game.h"
#include "layout.h"

// The sprite sheets the paint copies from.
enum Sheet { blockSheet, stripSheet, timeSheet, scoreSheet, hintSheet, timerSheet };

// The colours the paint draws lines and texts in.
enum Ink { whiteInk, grayInk, blackInk, blueInk, redInk };

// What the paint needs of a place to draw on. `target` is handed back to
// every call.
struct Surface {
    void* target;
    // A straight copy of the tile at (sourceX, sourceY) of a sheet into `to`.
    void (*copyTile)(void* target, Sheet sheet, Box to, int sourceX, int sourceY);
    // A one-pixel line; the start pixel is drawn, the end pixel not.
    void (*drawLine)(void* target, Ink ink, Line line);
    // A text centred across the box's width, starting at its top edge.
    void (*drawText)(void* target, Ink ink, Box box, const char* text);
};

// Everything of a full paint but the status panel's pictures: frames, corner
// box, strip pieces, blocks from `cells`, grid lines, and the clue numbers:
// the runs of bombs of `solution`, so that every paint of a board shows the
// numbers of its first paint, whatever the player has checked or broken.
void paintBoardArea(const Surface& surface, const Layout& layout, const Grid& cells, const Grid& solution);
// One block as its state shows it.
void paintBlock(const Surface& surface, const Layout& layout, int col, int row, int cellState);
// The dark lines that group every five rows and columns.
void paintGroupLines(const Surface& surface, const Layout& layout);

// The status panel's pictures, each from the values as they stand. A bar
// below zero is drawn wholly empty from the bar's left end.
void paintTimeBar(const Surface& surface, const Layout& layout, int timeLeft, int timeMax);
void paintHintArea(const Surface& surface, const Layout& layout, int timeLeft, int timeMax, int hintsLeft);
void paintSeconds(const Surface& surface, int seconds);
void paintHourglass(const Surface& surface, const Layout& layout, int frame);

// The panel as one status update after a charge and a hint request draws it.
struct StatusView {
    int seconds;
    int timeLeft;
    int timeMax;
    int tickPhase;
    int hintsLeft;
};
void paintStatusPanel(const Surface& surface, const Layout& layout, const StatusView& status);

// The three seconds digits as SCORE cells (10 = blank), showing at most 999.
void secondsDigits(int seconds, int digits[3]);
