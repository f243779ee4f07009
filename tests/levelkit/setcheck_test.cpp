// The rules of the whole set: every name once across the sizes, and not too
// many mirror-symmetric pictures in a size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scratch.h"
#include "setcheck.h"

namespace {

Level placedLevel(const std::string& name, const std::string& where, const std::vector<std::string>& rows)
{
    Level level = levelOf(name, rows);
    level.where = where;
    return level;
}

LevelSet setOf(const std::vector<Level>& levels)
{
    LevelSet set;
    set.size = levels.empty() ? 0 : levels[0].size;
    set.levels = levels;
    return set;
}

// An empty 10 x 10 board with a bomb at the left end of the first rows: each
// makes two blocks differ from their mirror.
Level leftBombs(int count)
{
    std::vector<std::string> rows(10, "..........");
    for (int row = 0; row < count; ++row)
        rows[row][0] = '#';
    return levelOf("점", rows);
}

std::vector<std::string> squareRows(int size)
{
    return std::vector<std::string>(size, std::string(size, '#'));
}

}  // namespace

TEST(SetNames, RepeatsAreFoundAcrossSizesAndWithinOneFolder)
{
    LevelSet small = setOf({placedLevel("고양이", "10/01-cat.txt", chairRows()),
                            placedLevel("의자", "10/02-chair.txt", chairRows()),
                            placedLevel("의자", "10/03-seat.txt", chairRows())});
    LevelSet big = setOf({placedLevel("사자", "20/01-lion.txt", squareRows(20)),
                          placedLevel("고양이", "20/02-cat.txt", squareRows(20))});
    std::vector<std::string> repeats = repeatedNames({small, big});
    ASSERT_EQ(repeats.size(), 2u);
    EXPECT_EQ(repeats[0], "name 의자 twice: 10/02-chair.txt and 10/03-seat.txt");
    EXPECT_EQ(repeats[1], "name 고양이 twice: 10/01-cat.txt and 20/02-cat.txt");
}

TEST(SetNames, BlanksDoNotMakeANewNameAndDistinctNamesPass)
{
    LevelSet set = setOf({placedLevel("웃는 얼굴", "10/01.txt", chairRows()),
                          placedLevel("웃는얼굴", "10/02.txt", chairRows()),
                          placedLevel("웃는 얼굴 ", "10/03.txt", chairRows())});
    std::vector<std::string> repeats = repeatedNames({set});
    ASSERT_EQ(repeats.size(), 2u);  // each later one once, against the first
    EXPECT_EQ(repeats[1], "name 웃는 얼굴  twice: 10/01.txt and 10/03.txt");
    LevelSet distinct = setOf({placedLevel("사과", "10/01.txt", chairRows()),
                               placedLevel("사과나무", "10/02.txt", chairRows())});
    LevelSet other = setOf({placedLevel("배", "15/01.txt", squareRows(15))});
    EXPECT_TRUE(repeatedNames({distinct, other}).empty());
    // A level whose name could not be read repeats nothing.
    EXPECT_TRUE(repeatedNames({setOf({placedLevel("", "a.txt", chairRows()), placedLevel("", "b.txt", chairRows())})})
                    .empty());
}

TEST(SetSymmetry, NinetyPercentOfTheBlocksMakeAPictureSymmetric)
{
    EXPECT_EQ(mirrorPercent(levelOf("네모", squareRows(15))), 100);
    EXPECT_EQ(mirrorPercent(levelOf("의자", chairRows())), 80);
    EXPECT_FALSE(isMirrorSymmetric(levelOf("의자", chairRows())));
    EXPECT_EQ(mirrorPercent(leftBombs(5)), 90);
    EXPECT_TRUE(isMirrorSymmetric(leftBombs(5)));
    EXPECT_EQ(mirrorPercent(leftBombs(6)), 88);
    EXPECT_FALSE(isMirrorSymmetric(leftBombs(6)));
}

TEST(SetSymmetry, AtMostTwoInFivePicturesOfASize)
{
    Level symmetric = leftBombs(0);
    Level lopsided = leftBombs(10);
    std::vector<Level> fine = {symmetric, symmetric, lopsided, lopsided, lopsided};
    Level flawed = symmetric;
    flawed.flaw = "ragged row";  // not a picture to count
    fine.push_back(flawed);
    std::vector<SymmetryShare> shares = symmetryShares({setOf(fine), setOf({levelOf("네모", squareRows(20))})});
    ASSERT_EQ(shares.size(), 2u);
    EXPECT_EQ(shares[0].size, 10);
    EXPECT_EQ(shares[0].symmetric, 2);
    EXPECT_EQ(shares[0].pictures, 5);
    EXPECT_FALSE(tooSymmetric(shares[0]));
    EXPECT_EQ(symmetryText(shares[0]), "10 x 10: 2 of 5 pictures (40%) mirror-symmetric, at most 40%");
    EXPECT_EQ(shares[1].size, 20);
    EXPECT_TRUE(tooSymmetric(shares[1]));  // its only picture
    SymmetryShare justAbove;
    justAbove.size = 15;
    justAbove.symmetric = 41;
    justAbove.pictures = 101;
    EXPECT_TRUE(tooSymmetric(justAbove));
    EXPECT_EQ(symmetryText(justAbove), "15 x 15: 41 of 101 pictures (41%) mirror-symmetric, at most 40%");
}
