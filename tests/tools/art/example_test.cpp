// The help pages' example board: its clues, and the seven board states the
// step pictures walk through.
#include <gtest/gtest.h>

#include <vector>

#include "clues.h"
#include "example.h"

namespace {

std::vector<int> lineClues(const Grid& solution, BoardLine line)
{
    int runs[maxRuns];
    const int* first = line.isRow ? &solution[0][line.index] : &solution[line.index][0];
    int n = lineRuns(first, line.isRow ? gridRoom : 1, exampleSize, isBomb, runs);
    return std::vector<int>(runs, runs + n);
}

bool isSettled(const Grid& cells, const Grid& solution, BoardLine line)
{
    for (int i = 0; i < exampleSize; ++i) {
        int col = line.isRow ? i : line.index, row = line.isRow ? line.index : i;
        if (cells[col][row] != (solution[col][row] ? Checked : Broken))
            return false;
    }
    return true;
}

bool sameLine(BoardLine a, BoardLine b) { return a.isRow == b.isRow && a.index == b.index; }

}  // namespace

TEST(ExampleBoard, SolutionIsThePictureTheHelpDescribes)
{
    Grid solution;
    exampleSolution(solution);
    const char* rows[exampleSize] = {".XX.X", "...XX", ".XX.X", "..XXX", ".XXXX"};
    for (int row = 0; row < exampleSize; ++row)
        for (int col = 0; col < exampleSize; ++col)
            EXPECT_EQ(solution[col][row], rows[row][col] == 'X') << col << "," << row;
    EXPECT_EQ(solution[5][0], 0);
    EXPECT_EQ(solution[0][5], 0);
}

TEST(ExampleBoard, CluesMatchTheOnesThePageTextsRead)
{
    Grid solution;
    exampleSolution(solution);
    const std::vector<int> columns[exampleSize] = {{}, {1, 1, 1}, {1, 3}, {1, 2}, {5}};
    const std::vector<int> rows[exampleSize] = {{2, 1}, {2}, {2, 1}, {3}, {4}};
    for (int i = 0; i < exampleSize; ++i) {
        EXPECT_EQ(lineClues(solution, {false, i}), columns[i]) << "column " << i;
        EXPECT_EQ(lineClues(solution, {true, i}), rows[i]) << "row " << i;
    }
}

TEST(ExampleBoard, NoStepChecksAFreeBlockOrBreaksABomb)
{
    Grid solution;
    exampleSolution(solution);
    for (int step = 1; step <= helpSteps; ++step) {
        Grid cells;
        exampleBoardAt(step, cells);
        for (int col = 0; col < exampleSize; ++col)
            for (int row = 0; row < exampleSize; ++row) {
                int cell = cells[col][row];
                if (solution[col][row])
                    EXPECT_TRUE(cell == CoveredBomb || cell == Checked) << step << ": " << col << "," << row;
                else
                    EXPECT_TRUE(cell == Covered || cell == Broken) << step << ": " << col << "," << row;
            }
    }
}

TEST(ExampleBoard, EachStepExtendsTheOneBefore)
{
    Grid before;
    exampleBoardAt(1, before);
    for (int col = 0; col < exampleSize; ++col)
        for (int row = 0; row < exampleSize; ++row)
            EXPECT_TRUE(before[col][row] == Covered || before[col][row] == CoveredBomb);
    for (int step = 2; step <= helpSteps; ++step) {
        Grid after;
        exampleBoardAt(step, after);
        int changed = 0;
        for (int col = 0; col < exampleSize; ++col)
            for (int row = 0; row < exampleSize; ++row) {
                bool wasOpen = before[col][row] == Checked || before[col][row] == Broken;
                if (wasOpen) {
                    EXPECT_EQ(after[col][row], before[col][row]) << step << ": " << col << "," << row;
                }
                changed += after[col][row] != before[col][row];
            }
        EXPECT_GT(changed, 0) << "step " << step;
        std::copy(&after[0][0], &after[0][0] + gridRoom * gridRoom, &before[0][0]);
    }
}

TEST(ExampleBoard, PicturesShowWhatTheTableSays)
{
    Grid solution, cells;
    exampleSolution(solution);
    exampleBoardAt(2, cells);  // last column checked
    EXPECT_TRUE(isSettled(cells, solution, {false, 4}));
    EXPECT_FALSE(isSettled(cells, solution, {false, 0}));
    exampleBoardAt(3, cells);  // first column broken as well
    EXPECT_TRUE(isSettled(cells, solution, {false, 0}));
    EXPECT_FALSE(isSettled(cells, solution, {true, 4}));
    exampleBoardAt(4, cells);  // bottom row completed
    EXPECT_TRUE(isSettled(cells, solution, {true, 4}));
    exampleBoardAt(5, cells);  // the two lower rows and the second row
    EXPECT_TRUE(isSettled(cells, solution, {true, 3}));
    EXPECT_TRUE(isSettled(cells, solution, {true, 1}));
    EXPECT_FALSE(isSettled(cells, solution, {false, 3}));
    exampleBoardAt(6, cells);  // fourth column
    EXPECT_TRUE(isSettled(cells, solution, {false, 3}));
    EXPECT_FALSE(isSettled(cells, solution, {false, 1}));
    exampleBoardAt(7, cells);  // solved: every line settled
    for (int i = 0; i < exampleSize; ++i) {
        EXPECT_TRUE(isSettled(cells, solution, {true, i})) << "row " << i;
        EXPECT_TRUE(isSettled(cells, solution, {false, i})) << "column " << i;
    }
}

TEST(ExampleBoard, EachRingedClueIsTheLineTheNextPictureSettles)
{
    const BoardLine firstRing{false, 4};  // step 1 rings the column clue 5
    EXPECT_TRUE(sameLine(helpStep(1).ringed[0], firstRing));
    EXPECT_EQ(helpStep(1).settledCount, 0);
    EXPECT_EQ(helpStep(7).ringedCount, 0);
    for (int step = 1; step < helpSteps; ++step) {
        const HelpStep& now = helpStep(step);
        const HelpStep& next = helpStep(step + 1);
        ASSERT_EQ(now.ringedCount, next.settledCount) << step;
        for (int i = 0; i < now.ringedCount; ++i)
            EXPECT_TRUE(sameLine(now.ringed[i], next.settled[i])) << step;
    }
    // Out-of-range steps fall back to the first.
    EXPECT_EQ(&helpStep(0), &helpStep(1));
    EXPECT_EQ(&helpStep(99), &helpStep(1));
}

TEST(ExampleBoard, SettlingALineOffTheBoardChangesNothing)
{
    Grid solution, cells, before;
    exampleSolution(solution);
    freshBoard(solution, exampleSize, cells);
    std::copy(&cells[0][0], &cells[0][0] + gridRoom * gridRoom, &before[0][0]);
    settleLine(cells, solution, exampleSize, {true, exampleSize});
    settleLine(cells, solution, exampleSize, {false, -1});
    settleLine(cells, solution, gridRoom + 1, {true, 0});
    EXPECT_TRUE(std::equal(&cells[0][0], &cells[0][0] + gridRoom * gridRoom, &before[0][0]));
}
