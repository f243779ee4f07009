#pragma once
// Where things are in the main window's client area, per board size. Painting,
// hit testing, the stroke confinement and the status panel all read these.

struct Layout {
    int boardLeft;     // width of the row-clue strip
    int boardTop;      // height of the column-clue strip
    int panelTop;      // boardTop + 15 * N
    int clientWidth;   // boardLeft + 15 * N + 24
    int clientHeight;  // boardTop + 15 * N + 60
    int rowStripX, rowStripY;  // source of a row-clue piece in BLOCK2
    int colStripX, colStripY;  // source of a column-clue piece in BLOCK2
};

const int blockPixels = 15;
const int cellAreaInset = 12;  // the cell area begins at (boardLeft + 12, boardTop + 12)

// The layout of a board size (10, 15 or 20; any other size gets 10's).
Layout layoutFor(int size);

// The layout values of the last full paint.
extern int boardLeft;
extern int boardTop;
extern int panelTop;
void setLayout(int size);

// Status panel geometry, from the size's full bar.
int barAreaEnd(int timeMax);        // 36 + timeMax + 4
int hintAreaEnd(int timeMax);       // 36 + timeMax + 64
int hintIconX(int timeMax, int k);  // icon k = 1 .. 3
const int barLeft = 36;

// The three seconds digits as SCORE cells (10 = blank), showing at most 999.
void secondsDigits(int seconds, int digits[3]);
