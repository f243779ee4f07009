#include "example.h"

// The picture: rows top to bottom, X a bomb.
static const char* const exampleRows[exampleSize] = {
    ".XX.X", "...XX", ".XX.X", "..XXX", ".XXXX",
};

const bool row = true, column = false;

// Each picture rings the clues whose lines the next picture shows settled.
static const HelpStep steps[helpSteps] = {
    {0, {}, 1, {{column, 4}}},
    {1, {{column, 4}}, 1, {{column, 0}}},
    {1, {{column, 0}}, 1, {{row, 4}}},
    {1, {{row, 4}}, 2, {{row, 1}, {row, 3}}},
    {2, {{row, 1}, {row, 3}}, 1, {{column, 3}}},
    {1, {{column, 3}}, 2, {{column, 1}, {column, 2}}},
    {2, {{column, 1}, {column, 2}}, 0, {}},
};

const HelpStep& helpStep(int step)
{
    if (step < 1 || step > helpSteps)
        step = 1;
    return steps[step - 1];
}

void exampleSolution(Grid& solution)
{
    for (int col = 0; col < gridRoom; ++col)
        for (int r = 0; r < gridRoom; ++r)
            solution[col][r] = col < exampleSize && r < exampleSize && exampleRows[r][col] == 'X';
}

void freshBoard(const Grid& solution, int size, Grid& cells)
{
    for (int col = 0; col < gridRoom; ++col)
        for (int r = 0; r < gridRoom; ++r)
            cells[col][r] = col < size && r < size && solution[col][r] ? CoveredBomb : Covered;
}

void settleLine(Grid& cells, const Grid& solution, int size, BoardLine line)
{
    if (line.index < 0 || line.index >= size || size > gridRoom)
        return;
    for (int i = 0; i < size; ++i) {
        int col = line.isRow ? i : line.index, r = line.isRow ? line.index : i;
        if (cells[col][r] == Covered || cells[col][r] == CoveredBomb)
            cells[col][r] = solution[col][r] ? Checked : Broken;
    }
}

void exampleBoardAt(int step, Grid& cells)
{
    Grid solution;
    exampleSolution(solution);
    freshBoard(solution, exampleSize, cells);
    for (int s = 1; s <= step && s <= helpSteps; ++s)
        for (int i = 0; i < steps[s - 1].settledCount; ++i)
            settleLine(cells, solution, exampleSize, steps[s - 1].settled[i]);
}
