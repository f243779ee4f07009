// Clue numbers: the runs of covered bombs of every line, the run nearest the
// board drawn next to it. Blue below 10, red from 10; "0" for an empty line.
#include "cluenumbers.h"
#include "clues.h"
#include "game.h"
#include "layout.h"

#include <cstdio>

const COLORREF smallRunColour = 0xFF0000;  // blue
const COLORREF longRunColour = 0x0000FF;   // red
const int textWidth = 15;
const int textHeight = 20;
const int columnStep = 9;  // each run further up a column is drawn 9 pixels higher
const int rowStep = 8;     // each run further left in a row is drawn 8 pixels further left

static void drawNumber(HDC dc, int number, int x, int y)
{
    char text[12];
    std::snprintf(text, sizeof text, "%d", number);
    SetTextColor(dc, number < 10 ? smallRunColour : longRunColour);
    RECT box = {x, y, x + textWidth, y + textHeight};
    // Not single-line: the text starts at the box's top edge.
    DrawTextA(dc, text, -1, &box, DT_CENTER | DT_VCENTER);
}

// The runs of a line, nearest the board first; an empty line gives one 0.
static int runsFromBoard(const int* first, int step, int size, int* runs)
{
    int inOrder[maxRuns];
    int count = lineRuns(first, step, size, isCoveredBomb, inOrder);
    if (count == 0) {
        runs[0] = 0;
        return 1;
    }
    for (int i = 0; i < count; ++i)
        runs[i] = inOrder[count - 1 - i];
    return count;
}

static void drawColumnClues(HDC dc, int size, int col)
{
    int runs[maxRuns];
    int count = runsFromBoard(&cells[col][0], 1, size, runs);
    int x = boardLeft + cellAreaInset + blockPixels * col;
    for (int i = 0; i < count; ++i)
        drawNumber(dc, runs[i], x, boardTop + 8 - columnStep * (i + 1));
}

static void drawRowClues(HDC dc, int size, int row)
{
    int runs[maxRuns];
    int count = runsFromBoard(&cells[0][row], gridRoom, size, runs);
    int y = boardTop + cellAreaInset + blockPixels * row;
    for (int i = 0; i < count; ++i)
        drawNumber(dc, runs[i], boardLeft + 6 - rowStep * (i + 1), y);
}

void drawClueNumbers(HDC dc, int size)
{
    HFONT font = CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    HGDIOBJ previous = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    for (int col = 0; col < size; ++col)
        drawColumnClues(dc, size, col);
    for (int row = 0; row < size; ++row)
        drawRowClues(dc, size, row);
    SelectObject(dc, previous);
    DeleteObject(font);
}
