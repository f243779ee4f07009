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
        EXPECT_EQ(solution[0][row], bombRows[row]) << "row " << row;
        EXPECT_EQ(cells[0][row], bombRows[row] ? CoveredBomb : Covered) << "row " << row;
    }
    EXPECT_STREQ(levelName, "Random Level");
}
