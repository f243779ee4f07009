#pragma once
// The 5 x 5 board the help pages solve step by step, and the board states
// its seven pictures show.
#include "boardpaint.h"

const int exampleSize = 5;
const int helpSteps = 7;

// A row or a column of the board.
struct BoardLine {
    bool isRow;
    int index;
};

// One step picture: the lines settled by the step before it (their bombs
// checked, their free blocks broken) and the clue lines it rings in red.
struct HelpStep {
    int settledCount;
    BoardLine settled[2];
    int ringedCount;
    BoardLine ringed[2];
};

// Step 1 ... 7; anything else gives step 1.
const HelpStep& helpStep(int step);
void exampleSolution(Grid& solution);
// The fresh board: bombs CoveredBomb, the rest Covered.
void freshBoard(const Grid& solution, int size, Grid& cells);
void settleLine(Grid& cells, const Grid& solution, int size, BoardLine line);
// The board as picture `step` shows it: settled by all the steps before it.
void exampleBoardAt(int step, Grid& cells);
