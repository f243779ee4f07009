#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "picturesearch.h"
#include "scratch.h"

namespace {

// A line written as text: '#' bomb, '.' free, '?' unknown.
std::vector<int> lineOf(const std::string& text)
{
    std::vector<int> line;
    for (char c : text)
        line.push_back(c == '#' ? blockBomb : (c == '.' ? blockFree : blockUnknown));
    return line;
}

std::string textOf(const std::vector<int>& line)
{
    std::string text;
    for (int block : line)
        text += block == blockBomb ? '#' : (block == blockFree ? '.' : '?');
    return text;
}

// Solves a line given as text; "!" when it contradicts.
std::string solved(const std::string& known, std::vector<int> runs)
{
    std::vector<int> line = lineOf(known);
    bool changed = false;
    if (!solveLine(line.data(), 1, static_cast<int>(line.size()), runs.data(), static_cast<int>(runs.size()), &changed))
        return "!";
    return textOf(line);
}

int solveRows(const std::vector<std::string>& rows, int (*known)[gridRoom], BoardClues* clues)
{
    int picture[gridRoom][gridRoom] = {};
    boardOf(rows, picture);
    int size = static_cast<int>(rows.size());
    cluesOfPicture(picture, size, clues);
    clearKnowledge(size, known);
    return solveByLines(*clues, known);
}

// Every picture of a 4 x 4 board tried against the clues: the plain count
// that countSolutions must agree with.
int bruteForceSolutions(const BoardClues& clues)
{
    int found = 0;
    for (int bits = 0; bits < (1 << 16); ++bits) {
        int picture[gridRoom][gridRoom] = {};
        for (int i = 0; i < 16; ++i)
            picture[i % 4][i / 4] = (bits >> i) & 1;
        BoardClues own;
        cluesOfPicture(picture, 4, &own);
        bool fits = true;
        for (int i = 0; i < 4 && fits; ++i) {
            fits = sameRuns(own.rowRuns[i], own.rowRunCount[i], clues.rowRuns[i], clues.rowRunCount[i]) &&
                   sameRuns(own.columnRuns[i], own.columnRunCount[i], clues.columnRuns[i], clues.columnRunCount[i]);
        }
        found += fits ? 1 : 0;
    }
    return found;
}

}  // namespace

TEST(SolveLine, EmptyClueFreesTheWholeLine)
{
    EXPECT_EQ(solved("??????????", {}), "..........");
}

TEST(SolveLine, FullRunFillsTheWholeLine)
{
    EXPECT_EQ(solved("??????????", {10}), "##########");
    EXPECT_EQ(solved("?????", {2, 2}), "##.##");
}

TEST(SolveLine, OverlapOfLeftAndRightPlacements)
{
    // A run of 7 in 10 always covers blocks 3..6.
    EXPECT_EQ(solved("??????????", {7}), "???####???");
    // 4 and 3 in 10: the 4 covers block 2..3 at both ends, the 3 covers 7.
    EXPECT_EQ(solved("??????????", {4, 3}), "??##???#??");
    // Nothing overlaps: a run of 5 in 10 could lie either side of the middle.
    EXPECT_EQ(solved("??????????", {5}), "??????????");
    EXPECT_EQ(solved("??????????", {4}), "??????????");
}

TEST(SolveLine, KnownBlocksPinTheRuns)
{
    // A bomb at block 0 holds the run of 3 against the edge.
    EXPECT_EQ(solved("#?????????", {3}), "###.......");
    // A free block splits the line: 4 cannot fit left of it.
    EXPECT_EQ(solved("???.??????", {4}), "....??##??");
    // Two bombs five apart in one run of 6: the run is exactly between them.
    EXPECT_EQ(solved("?#????#???", {6}), ".######...");
    // A bomb that could be either run of 1 still frees its neighbours.
    EXPECT_EQ(solved("?????#????", {1, 1}), "????.#.???");
    EXPECT_EQ(solved("#????#????", {1, 1}), "#....#....");
}

TEST(SolveLine, ContradictionsAreReported)
{
    EXPECT_EQ(solved("##########", {3}), "!");
    EXPECT_EQ(solved(".?????????", {10}), "!");
    EXPECT_EQ(solved("?????", {3, 2}), "!");  // needs 6 blocks
    EXPECT_EQ(solved("#.#.#", {1, 1}), "!");
    EXPECT_EQ(solved("?#?", {}), "!");
}

TEST(SolveLine, BadCluesAreContradictionsNotCrashes)
{
    std::vector<int> line = lineOf("?????");
    bool changed = true;
    int zeroRun[1] = {0};
    EXPECT_FALSE(solveLine(line.data(), 1, 5, zeroRun, 1, &changed));
    int tooMany[maxRuns + 1] = {};
    EXPECT_FALSE(solveLine(line.data(), 1, 5, tooMany, maxRuns + 1, &changed));
    int one[1] = {1};
    EXPECT_FALSE(solveLine(line.data(), 1, gridRoom + 1, one, 1, &changed));
    EXPECT_EQ(textOf(line), "?????");
}

TEST(SolveLine, ReportsWhetherAnythingChanged)
{
    std::vector<int> line = lineOf("??????????");
    int runs[1] = {7};
    bool changed = false;
    ASSERT_TRUE(solveLine(line.data(), 1, 10, runs, 1, &changed));
    EXPECT_TRUE(changed);
    ASSERT_TRUE(solveLine(line.data(), 1, 10, runs, 1, &changed));
    EXPECT_FALSE(changed);
}

TEST(SolveLine, StepServesRowsOfTheGrid)
{
    // A row of a [col][row] grid steps by gridRoom; the columns are untouched.
    int known[gridRoom][gridRoom];
    clearKnowledge(10, known);
    int runs[1] = {8};
    bool changed = false;
    ASSERT_TRUE(solveLine(&known[0][4], gridRoom, 10, runs, 1, &changed));
    for (int col = 0; col < 10; ++col)
        EXPECT_EQ(known[col][4], col >= 2 && col <= 7 ? blockBomb : blockUnknown) << col;
    EXPECT_EQ(known[3][3], blockUnknown);
    EXPECT_EQ(known[3][5], blockUnknown);
}

TEST(SolveBoard, UniquePictureIsSolvedByLines)
{
    std::vector<std::string> rows = {"#####", "#...#", "#.#.#", "#...#", "#####"};
    int known[gridRoom][gridRoom];
    BoardClues clues;
    EXPECT_EQ(solveRows(rows, known, &clues), solvedByLines);
    int picture[gridRoom][gridRoom] = {};
    boardOf(rows, picture);
    for (int col = 0; col < 5; ++col) {
        for (int row = 0; row < 5; ++row)
            EXPECT_EQ(known[col][row], picture[col][row]) << col << "," << row;
    }
    EXPECT_EQ(countSolutions(clues, 2, 60).pictures, 1);
}

TEST(SolveBoard, TwoSolutionsLeaveLineLogicStuck)
{
    // The diagonal and the anti-diagonal share every clue.
    std::vector<std::string> rows = {"#.", ".#"};
    int known[gridRoom][gridRoom];
    BoardClues clues;
    EXPECT_EQ(solveRows(rows, known, &clues), linesStuck);
    EXPECT_EQ(known[0][0], blockUnknown);
    EXPECT_EQ(known[1][1], blockUnknown);
    EXPECT_EQ(countSolutions(clues, 5, 60).pictures, 2);
}

TEST(SolveBoard, StuckBoardKeepsWhatItCouldDecide)
{
    // A full first row and an empty second are decided; the diagonal pair
    // in the bottom right corner could lie either way.
    std::vector<std::string> rows = {"####", "....", "..#.", "...#"};
    int known[gridRoom][gridRoom];
    BoardClues clues;
    EXPECT_EQ(solveRows(rows, known, &clues), linesStuck);
    for (int col = 0; col < 4; ++col) {
        EXPECT_EQ(known[col][0], blockBomb);
        EXPECT_EQ(known[col][1], blockFree);
    }
    EXPECT_EQ(known[0][2], blockFree);
    EXPECT_EQ(known[1][3], blockFree);
    for (int col = 2; col < 4; ++col) {
        EXPECT_EQ(known[col][2], blockUnknown);
        EXPECT_EQ(known[col][3], blockUnknown);
    }
    EXPECT_EQ(countSolutions(clues, 5, 60).pictures, 2);
    EXPECT_EQ(bruteForceSolutions(clues), 2);
}

TEST(SolveBoard, UniqueButBeyondLineLogic)
{
    // Line logic stalls on this picture, yet only one picture fits all the
    // clues: a player would have to guess and backtrack.
    std::vector<std::string> rows = {"..##", "..#.", "##..", "##.."};
    int known[gridRoom][gridRoom];
    BoardClues clues;
    EXPECT_EQ(solveRows(rows, known, &clues), linesStuck);
    EXPECT_EQ(countSolutions(clues, 5, 60).pictures, 1);
    EXPECT_EQ(bruteForceSolutions(clues), 1);
}

TEST(SolveBoard, ContradictingCluesAreFound)
{
    BoardClues clues = {};
    clues.size = 2;
    clues.columnRunCount[0] = 1;
    clues.columnRuns[0][0] = 2;  // column 0 full, but both rows empty
    int known[gridRoom][gridRoom];
    clearKnowledge(2, known);
    EXPECT_EQ(solveByLines(clues, known), linesContradict);
    EXPECT_EQ(countSolutions(clues, 2, 60).pictures, 0);
}

TEST(SolveBoard, CountStopsAtTheLimit)
{
    // An empty-looking 6 x 6 of single bombs per line has many pictures.
    std::vector<std::string> rows = {"#.....", ".#....", "..#...", "...#..", "....#.", ".....#"};
    int known[gridRoom][gridRoom];
    BoardClues clues;
    EXPECT_EQ(solveRows(rows, known, &clues), linesStuck);
    EXPECT_EQ(countSolutions(clues, 3, 60).pictures, 3);
    EXPECT_EQ(countSolutions(clues, 1000, 60).pictures, 720);  // every permutation matrix
}

TEST(SolveBoard, OversizedBoardIsRefused)
{
    BoardClues clues = {};
    clues.size = gridRoom + 1;
    int known[gridRoom][gridRoom];
    EXPECT_EQ(solveByLines(clues, known), linesContradict);
    EXPECT_EQ(countSolutions(clues, 2, 60).pictures, 0);
}

TEST(Clues, OfAPictureServeRowsAndColumns)
{
    int picture[gridRoom][gridRoom] = {};
    boardOf({"##.#", "....", "####", "#..#"}, picture);
    BoardClues clues;
    cluesOfPicture(picture, 4, &clues);
    ASSERT_EQ(clues.rowRunCount[0], 2);
    EXPECT_EQ(clues.rowRuns[0][0], 2);
    EXPECT_EQ(clues.rowRuns[0][1], 1);
    EXPECT_EQ(clues.rowRunCount[1], 0);
    ASSERT_EQ(clues.columnRunCount[0], 2);
    EXPECT_EQ(clues.columnRuns[0][0], 1);
    EXPECT_EQ(clues.columnRuns[0][1], 2);
    ASSERT_EQ(clues.columnRunCount[1], 2);
    EXPECT_EQ(clues.columnRuns[1][1], 1);
}
