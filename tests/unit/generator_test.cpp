#include <gtest/gtest.h>

#include <cstring>

#include "fake_platform.h"
#include "game.h"
#include "puzzle.h"

TEST(BoardGenerator, FirstTenDrawsFromSeedOne)
{
    const int expected[10] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    seedRandom(1);
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(nextRandom(), expected[k]) << "draw " << k;
}

TEST(BoardGenerator, DrawsStayWithinFifteenBits)
{
    seedRandom(0xFFFFFFFFu);
    for (int k = 0; k < 100000; ++k) {
        int draw = nextRandom();
        ASSERT_GE(draw, 0);
        ASSERT_LE(draw, 32767);
    }
}

TEST(RandomBoard, SeedOneColumnZero)
{
    resetFake();
    fake.clock = 1;
    makeRandomBoard(10);
    const int bombRows[10] = {0, 1, 0, 0, 1, 0, 1, 0, 1, 1};
    for (int row = 0; row < 10; ++row) {
        EXPECT_EQ(game.solution[0][row], bombRows[row]) << "row " << row;
        EXPECT_EQ(game.cells[0][row], bombRows[row] ? CoveredBomb : Covered) << "row " << row;
    }
    EXPECT_STREQ(game.levelName, "Random Level");
}

namespace {

// The first second from 1 on whose first draw leaves the given remainder.
unsigned secondWithFirstRemainder(int remainder)
{
    for (unsigned second = 1;; ++second) {
        seedRandom(second);
        if (nextRandom() % 100 == remainder)
            return second;
    }
}

}  // namespace

TEST(RandomBoard, RemainderSixtyIsABombFiftyNineIsNot)
{
    resetFake();
    fake.clock = secondWithFirstRemainder(60);
    makeRandomBoard(10);
    EXPECT_EQ(game.solution[0][0], 1);
    EXPECT_EQ(game.cells[0][0], CoveredBomb);
    fake.clock = secondWithFirstRemainder(59);
    makeRandomBoard(10);
    EXPECT_EQ(game.solution[0][0], 0);
    EXPECT_EQ(game.cells[0][0], Covered);
}

TEST(RandomBoard, DrawsRunDownEachColumn)
{
    resetFake();
    fake.clock = 12345;
    makeRandomBoard(15);
    seedRandom(12345);
    for (int col = 0; col < 15; ++col)
        for (int row = 0; row < 15; ++row)
            ASSERT_EQ(game.solution[col][row], nextRandom() % 100 >= 60 ? 1 : 0) << col << "," << row;
    // Exactly N * N draws were made: the generator stands where the board left it.
    seedRandom(12345);
    for (int k = 0; k < 225; ++k)
        nextRandom();
    int next = nextRandom();
    makeRandomBoard(15);
    EXPECT_EQ(nextRandom(), next);
}

TEST(RandomBoard, TwoBoardsInTheSameSecondAreIdentical)
{
    resetFake();
    fake.clock = 1700000000u;
    makeRandomBoard(20);
    int first[gridRoom][gridRoom];
    std::memcpy(first, game.solution, sizeof first);
    makeRandomBoard(20);
    EXPECT_EQ(std::memcmp(first, game.solution, sizeof first), 0);
    fake.clock += 1;
    makeRandomBoard(20);
    EXPECT_NE(std::memcmp(first, game.solution, sizeof first), 0) << "the next second deals another board";
}

TEST(RandomBoard, AboutFortyPercentBombs)
{
    resetFake();
    int bombs = 0;
    for (unsigned second = 100; second < 200; ++second) {
        fake.clock = second;
        makeRandomBoard(10);
        for (int col = 0; col < 10; ++col)
            for (int row = 0; row < 10; ++row)
                bombs += game.solution[col][row];
    }
    EXPECT_GT(bombs, 3600);
    EXPECT_LT(bombs, 4400);
}
