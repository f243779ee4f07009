#pragma once
// The clue numbers beside the rows and above the columns, counted afresh at
// every full paint from the blocks still covering a bomb.
#include <windows.h>

void drawClueNumbers(HDC dc, int size);
