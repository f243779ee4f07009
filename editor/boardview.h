#pragma once
// The board of the selected picture, drawn as the game draws a board (the
// game's board painter and sprite sheets, clue numbers from the picture) with
// the blocks the verdict names marked on it. The left button sets bombs, the
// right clears them; a drag acts along one row or column. From the keyboard
// the arrows move a cursor block, Space draws (held down, along the arrows'
// line) and Enter turns one block. The window is a whole number of times the
// game's board: the game's pixels are drawn at 1x and scaled by that number.
#include <windows.h>

#include "layout.h"
#include "pictureverdict.h"

extern const char boardClassName[];
void registerBoardClass(HINSTANCE instance);

// The game's layout of a board of that size, without the status panel.
Layout editorBoardLayout(int size);
// The board window's size for a board of that size at the game's scale.
SIZE boardWindowSize(int size);
void repaintEditorBoard();
// The verdict whose blocks the board marks from its next painting on (a
// copy is kept); null for none, while the check runs.
void showBoardMarks(const PictureVerdict* verdict);
