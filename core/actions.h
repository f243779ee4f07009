#pragma once
// What the player does to the board: single block actions, strokes (drags
// along one row or column) and hints, and the mapping of the window's mouse
// messages onto them.

// Key-state words of the mouse messages.
const int keyLeft = 1;
const int keyRight = 2;
const int keyShift = 4;
const int keyControl = 8;
const int keyMiddle = 16;

struct BlockPos {
    int col;
    int row;
};

BlockPos blockAt(int x, int y);
bool onBoard(BlockPos block);            // col and row within 0 .. N-1
bool insideCellArea(int x, int y);

void cellAction(int x, int y, int word);
void beginStroke(int x, int y, int word);
void continueStroke(int x, int y);
void endStroke();
void useHint(int x, int y);

// The window procedure forwards its mouse messages here. x and y are the low
// and high words of lParam, word the wParam, ctrlHeld the Ctrl test's answer.
// leftButtonDown returns true when the message is to be passed on to the
// default window procedure (a Ctrl-click).
bool leftButtonDown(unsigned x, unsigned y, int word, bool ctrlHeld);
void rightButtonDown(unsigned x, unsigned y, int word);
void mouseMoved(unsigned x, unsigned y);
void buttonReleased();
