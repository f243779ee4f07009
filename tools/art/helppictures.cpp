#include "helppictures.h"

#include <cstdio>

#include "clues.h"
#include "pixelfont.h"

const int exampleStripsLeft = 21, exampleStripsTop = 30;

// The row piece's bar at the sheet's top left, the column piece's below it.
Layout exampleView()
{
    return plainLayout(exampleSize, exampleStripsLeft, exampleStripsTop, 0, 0, 0, blockPixels);
}

PictureSheets exampleSheets()
{
    PictureSheets sheets = gameSheets();
    sheets.strips = makeCanvas(exampleStripsLeft, blockPixels + exampleStripsTop, lightGray);
    paintRaisedBox(sheets.strips, 0, 0, exampleStripsLeft, blockPixels);
    paintRaisedBox(sheets.strips, 0, blockPixels, blockPixels, exampleStripsTop);
    return sheets;
}

// A heart, with three full rows to show the red "10".
static const char* const overviewRows[10] = {
    "..XX..XX..", ".XXXXXXXX.", "XXXXXXXXXX", "XXXXXXXXXX", "XXXXXXXXXX",
    ".XXXXXXXX.", "..XXXXXX..", "...XXXX...", "....XX....", "..........",
};

void overviewSolution(Grid& solution)
{
    for (int col = 0; col < gridRoom; ++col)
        for (int r = 0; r < gridRoom; ++r)
            solution[col][r] = col < 10 && r < 10 && overviewRows[r][col] == 'X';
}

// A game under way: the second row, the two lowest rows and the outer columns done.
void overviewBoard(Grid& cells)
{
    Grid solution;
    overviewSolution(solution);
    freshBoard(solution, 10, cells);
    const BoardLine done[] = {{true, 1}, {true, 8}, {true, 9}, {false, 0}, {false, 9}};
    for (const BoardLine& line : done)
        settleLine(cells, solution, 10, line);
}

StatusView overviewStatus() { return {37, 62, 100, 5, 2}; }

Canvas drawOverviewBoard()
{
    Grid solution, cells;
    overviewSolution(solution);
    overviewBoard(cells);
    const Layout view = layoutFor(10);
    const PictureSheets sheets = gameSheets();
    Canvas picture = paintBoard(view, sheets, cells, solution);
    paintStatus(picture, sheets, view, overviewStatus());
    return picture;
}

// A ring around a part of the picture, centre and radii in half pixels, and
// a leader from its right side to the right edge at height `textY`.
struct Mark {
    int cx2, cy2, rx2, ry2;
    int textY;
    Rgb colour;
};

static void paintMark(Canvas& picture, const Mark& mark)
{
    drawRing(picture, mark.cx2, mark.cy2, mark.rx2, mark.ry2, 2, mark.colour);
    int fromX = (mark.cx2 + mark.rx2) / 2, fromY = mark.cy2 / 2;
    drawSegment(picture, fromX, fromY, picture.width - 1, mark.textY, mark.colour);
    drawSegment(picture, fromX, fromY + 1, picture.width - 1, mark.textY + 1, mark.colour);
}

// A ring of radius 10 around block (col, row).
static Mark blockMark(const Layout& view, int col, int row, int textY, Rgb colour)
{
    return {2 * blockLeft(view, col) + 15, 2 * blockTop(view, row) + 15, 21, 21, textY, colour};
}

Canvas drawHelpOverview()
{
    Canvas picture = drawOverviewBoard();
    const Layout view = layoutFor(10);
    StatusView status = overviewStatus();
    const int bar = barTop(view);
    const int hintsLeftEdge = hintIconBox(view, status.timeMax, 1).x;
    // The leaders end level with the help page's text boxes beside the picture
    // (the last box reaches below it, so its leader ends near the bottom).
    const Mark marks[] = {
        {67, 51, 44, 28, 30, secondsMark},
        blockMark(view, 2, 1, 75, checkedMark),
        blockMark(view, 5, 3, 120, coveredMark),
        blockMark(view, 9, 5, 168, brokenMark),
        {2 * barLeft + status.timeLeft, 2 * bar + 23, status.timeLeft + 8, 30, 200, barMark},
        {2 * hintsLeftEdge + 20 * status.hintsLeft, 2 * bar + 23, 20 * status.hintsLeft + 8, 28, 258,
         hintsMark},
    };
    for (const Mark& mark : marks)
        paintMark(picture, mark);
    return picture;
}

Canvas drawStepBoard(int step)
{
    Grid solution, cells;
    exampleSolution(solution);
    exampleBoardAt(step, cells);
    return paintBoard(exampleView(), exampleSheets(), cells, solution);
}

// A red ring around all the clue numbers of a line.
static void ringClues(Canvas& picture, const Layout& view, BoardLine line)
{
    Grid solution;
    exampleSolution(solution);
    int runs[maxRuns];
    const int* first = line.isRow ? &solution[0][line.index] : &solution[line.index][0];
    int n = lineRuns(first, line.isRow ? gridRoom : 1, view.size, isBomb, runs);
    if (n == 0)
        n = 1;  // the single "0"
    if (line.isRow)
        drawRing(picture, 2 * view.boardLeft + 19 - 8 * n, 2 * blockTop(view, line.index) + 12,
                 8 * n + 5, 16, 2, clueMark);
    else
        drawRing(picture, 2 * blockLeft(view, line.index) + 15, 2 * view.boardTop + 19 - 9 * n, 15,
                 9 * n + 7, 2, clueMark);
}

// The step number, large and blue, in a ring filling the corner box.
static void paintStepNumber(Canvas& picture, const Layout& view, int step)
{
    const Box box = cornerBox(view);
    char text[4];
    std::snprintf(text, sizeof text, "%d", step);
    drawRing(picture, 2 * box.x + box.width, 2 * box.y + box.height, box.width, box.height - 2, 2, stepNumberMark);
    int glyphTop = box.y + box.height / 2 - 2 * (glyphTopGap + glyphHeight / 2);
    drawCentredText(picture, box.x, glyphTop, box.width, text, 2, stepNumberMark);
}

Canvas drawHelpStep(int step)
{
    Canvas picture = drawStepBoard(step);
    const Layout view = exampleView();
    const HelpStep& shown = helpStep(step);
    for (int i = 0; i < shown.ringedCount; ++i)
        ringClues(picture, view, shown.ringed[i]);
    paintStepNumber(picture, view, step);
    return picture;
}
