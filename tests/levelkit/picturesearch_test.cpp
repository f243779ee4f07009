#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "picturesearch.h"
#include "scratch.h"

namespace {

BoardClues cluesOf(const std::vector<std::string>& rows)
{
    int picture[gridRoom][gridRoom] = {};
    boardOf(rows, picture);
    BoardClues clues;
    cluesOfPicture(picture, static_cast<int>(rows.size()), &clues);
    return clues;
}

// The clues of a 4 x 4 picture as one text, to count pictures by their clues.
std::string clueKey(const BoardClues& clues)
{
    std::string key;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < clues.rowRunCount[i]; ++j)
            key += char('0' + clues.rowRuns[i][j]);
        key += '|';
        for (int j = 0; j < clues.columnRunCount[i]; ++j)
            key += char('0' + clues.columnRuns[i][j]);
        key += '/';
    }
    return key;
}

BoardClues cluesOfBits(int bits, int (*picture)[gridRoom])
{
    for (int i = 0; i < 16; ++i)
        picture[i % 4][i / 4] = (bits >> i) & 1;
    BoardClues clues;
    cluesOfPicture(picture, 4, &clues);
    return clues;
}

// How many of the 65536 pictures of a 4 x 4 board share each clue set.
std::map<std::string, int> everyFourByFour()
{
    std::map<std::string, int> pictures;
    for (int bits = 0; bits < (1 << 16); ++bits) {
        int picture[gridRoom][gridRoom] = {};
        ++pictures[clueKey(cluesOfBits(bits, picture))];
    }
    return pictures;
}

const std::vector<std::string> uniqueButStuck = {"..##", "..#.", "##..", "##.."};

}  // namespace

TEST(PictureSearch, CountsAgreeWithEveryPictureTried)
{
    // Probing, guessing and the memo of lines must never lose or invent a
    // picture: every clue set of a 4 x 4 board, counted with and without
    // the picture it was made from.
    std::map<std::string, int> truth = everyFourByFour();
    for (int bits = 0; bits < (1 << 16); bits += 7) {
        int picture[gridRoom][gridRoom] = {};
        BoardClues clues = cluesOfBits(bits, picture);
        int expected = truth[clueKey(clues)];
        SolutionCount count = countSolutions(clues, 100, 60);
        ASSERT_TRUE(count.finished);
        ASSERT_EQ(count.pictures, expected) << bits;
        ASSERT_EQ(countSolutions(clues, 100, 60, picture).pictures, expected) << bits;
        int known[gridRoom][gridRoom];
        int verdict = judgeClues(clues, 60, known, picture);
        ASSERT_EQ(verdict == severalPictures, expected > 1) << bits;
    }
}

TEST(PictureSearch, VerdictsOfEveryKind)
{
    int known[gridRoom][gridRoom];
    EXPECT_EQ(judgeClues(cluesOf({"#####", "#...#", "#.#.#", "#...#", "#####"}), 1, known), uniqueByLines);
    EXPECT_EQ(judgeClues(cluesOf(uniqueButStuck), 1, known), uniqueByGuessing);
    EXPECT_EQ(known[0][0], blockUnknown);  // what line logic left open
    EXPECT_EQ(judgeClues(cluesOf({"#.", ".#"}), 1, known), severalPictures);
    BoardClues impossible = {};
    impossible.size = 2;
    impossible.columnRunCount[0] = 1;
    impossible.columnRuns[0][0] = 2;
    EXPECT_EQ(judgeClues(impossible, 1, known), noPicture);
}

TEST(PictureSearch, RunningOutOfTimeIsAVerdictNotAHang)
{
    // With no time at all a board that needs a search cannot be told; one
    // that line logic finishes still can.
    int known[gridRoom][gridRoom];
    EXPECT_EQ(judgeClues(cluesOf(uniqueButStuck), 0, known), undecidedInTime);
    EXPECT_FALSE(countSolutions(cluesOf(uniqueButStuck), 2, 0).finished);
    EXPECT_EQ(judgeClues(cluesOf({"##", "#."}), 0, known), uniqueByLines);
    // Enough found is sure whatever the clock says.
    SolutionCount many = countSolutions(cluesOf({"#.....", ".#....", "..#...", "...#..", "....#.", ".....#"}), 3, 60);
    EXPECT_TRUE(many.finished);
    EXPECT_EQ(many.pictures, 3);
}

TEST(PictureSearch, RandomBoardsOfTwentyGetAVerdict)
{
    // Boards like those that used to keep the check busy for minutes: each
    // is told apart, or said to be beyond the limit; none runs on.
    std::mt19937 draw(7);
    for (int board = 0; board < 3; ++board) {
        int picture[gridRoom][gridRoom] = {};
        for (int col = 0; col < 20; ++col) {
            for (int row = 0; row < 20; ++row)
                picture[col][row] = draw() % 100 < 38 ? 1 : 0;
        }
        BoardClues clues;
        cluesOfPicture(picture, 20, &clues);
        int known[gridRoom][gridRoom];
        int verdict = judgeClues(clues, 0.5, known, picture);
        EXPECT_TRUE(verdict == severalPictures || verdict == undecidedInTime || verdict == uniqueByGuessing)
            << board << ": " << verdict;
    }
}

TEST(LineRounds, MeasureTheChainOfDeductions)
{
    EXPECT_EQ(lineLogicRounds(cluesOf({"####", "####", "####", "####"})), 1);
    // The middle column needs its neighbours' rows first.
    EXPECT_EQ(lineLogicRounds(cluesOf({"#####", "#...#", "#.#.#", "#...#", "#####"})), 2);
    EXPECT_EQ(lineLogicRounds(cluesOf(uniqueButStuck)), -1);
    BoardClues oversized = {};
    oversized.size = gridRoom + 1;
    EXPECT_EQ(lineLogicRounds(oversized), -1);
}

TEST(LineRounds, StepsCountTheLinesEachRoundMoves)
{
    // Every row and column is decided at once.
    LineWork full = lineLogicWork(cluesOf({"####", "####", "####", "####"}));
    EXPECT_EQ(full.rounds, 1);
    EXPECT_EQ(full.steps, 8);
    // The rows decide it all; no column learns anything on its own.
    LineWork stripe = lineLogicWork(cluesOf({"####", "....", "....", "...."}));
    EXPECT_EQ(stripe.rounds, 1);
    EXPECT_EQ(stripe.steps, 4);
    // Three rows and three columns first, then the four lines between them.
    LineWork frame = lineLogicWork(cluesOf({"#####", "#...#", "#.#.#", "#...#", "#####"}));
    EXPECT_EQ(frame.rounds, 2);
    EXPECT_EQ(frame.steps, 10);
    LineWork stuck = lineLogicWork(cluesOf(uniqueButStuck));
    EXPECT_EQ(stuck.rounds, -1);
    EXPECT_EQ(stuck.steps, -1);
}

TEST(LineRounds, StepsDoNotDependOnTheOrderOfTheLines)
{
    std::vector<std::string> rows = chairRows();
    std::vector<std::string> mirrored;
    std::vector<std::string> turned(rows.size(), std::string(rows.size(), '.'));
    for (size_t row = 0; row < rows.size(); ++row) {
        mirrored.push_back(std::string(rows[row].rbegin(), rows[row].rend()));
        for (size_t col = 0; col < rows.size(); ++col)
            turned[col][row] = rows[row][col];
    }
    LineWork work = lineLogicWork(cluesOf(rows));
    EXPECT_EQ(work.steps, 26);
    for (const std::vector<std::string>& other : {mirrored, turned}) {
        LineWork same = lineLogicWork(cluesOf(other));
        EXPECT_EQ(same.rounds, work.rounds);
        EXPECT_EQ(same.steps, work.steps);
    }
}

TEST(LineRounds, SettlingFromOneLineMatchesAFullSolve)
{
    BoardClues clues = cluesOf({"..##.", "#.#..", "###.#", ".#.##", "#...#"});
    int full[gridRoom][gridRoom];
    clearKnowledge(5, full);
    int fullResult = solveByLines(clues, full);
    int settled[gridRoom][gridRoom];
    clearKnowledge(5, settled);
    bool dirty[2 * gridRoom] = {};
    dirty[0] = true;  // column 0; the rest follows from what it decides
    LineMemo memo;
    int settledResult = settleLines(clues, settled, dirty, &memo);
    int again[gridRoom][gridRoom];
    clearKnowledge(5, again);
    for (bool& line : dirty)
        line = true;
    EXPECT_EQ(settleLines(clues, again, dirty, &memo), fullResult);
    for (int col = 0; col < 5; ++col) {
        for (int row = 0; row < 5; ++row) {
            EXPECT_EQ(again[col][row], full[col][row]) << col << "," << row;
            // Starting from one line can only know less, never otherwise.
            if (settled[col][row] != blockUnknown) {
                EXPECT_EQ(settled[col][row], full[col][row]);
            }
        }
    }
    EXPECT_NE(settledResult, linesContradict);
}
