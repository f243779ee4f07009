#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "levelcheck.h"
#include "scratch.h"

namespace {

// A small arrow, not symmetric either way, drawn at a place on a 10 x 10.
std::vector<std::string> arrowAt(int left, int top, bool acrossColumns, bool acrossRows)
{
    std::vector<std::string> shape = {"###.", "##..", "#.#.", "...#"};
    std::vector<std::string> rows(10, "..........");
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            rows[top + y][left + x] = shape[acrossRows ? 3 - y : y][acrossColumns ? 3 - x : x];
    }
    return rows;
}

std::string repeatText(const std::vector<std::string>& a, const std::vector<std::string>& b)
{
    return repeatOf(levelOf("a", a), levelOf("b", b));
}

}  // namespace

TEST(Repeats, ShiftedAndMirroredCopiesAreNamed)
{
    auto base = arrowAt(1, 1, false, false);
    EXPECT_EQ(repeatText(base, base), "the same picture");
    EXPECT_EQ(repeatText(base, arrowAt(5, 3, false, false)), "shifted");
    // Mirrored in the whole board: the copy sits at the mirrored place.
    EXPECT_EQ(repeatText(base, arrowAt(5, 1, true, false)), "mirrored left to right");
    EXPECT_EQ(repeatText(base, arrowAt(1, 5, false, true)), "upside down");
    EXPECT_EQ(repeatText(base, arrowAt(5, 5, true, true)), "turned half round");
    EXPECT_EQ(repeatText(base, arrowAt(2, 2, true, false)), "mirrored left to right and shifted");
    // Another shape, or the same one on another board size, is no repeat.
    auto other = base;
    other[1][1] = '.';
    EXPECT_EQ(repeatText(base, other), "");
    std::vector<std::string> empty(10, "..........");
    EXPECT_EQ(repeatText(base, empty), "");
    EXPECT_EQ(repeatOf(levelOf("a", base), levelOf("b", std::vector<std::string>(15, std::string(15, '.')))), "");
}

TEST(Repeats, TheCheckFailsTheLaterCopy)
{
    std::vector<Level> levels = {levelOf("의자", chairRows()), levelOf("컵", {"..........", "#######...",
                                                                             "#######.##", "#######..#",
                                                                             "#######..#", "#######.##",
                                                                             "#######...", ".#####....",
                                                                             "..###.....", "##########"})};
    std::vector<std::string> mirroredChair;
    for (const std::string& row : chairRows())
        mirroredChair.push_back(std::string(row.rbegin(), row.rend()));
    levels.push_back(levelOf("거울 의자", mirroredChair));
    std::vector<LevelVerdict> verdicts = judgeLevels(levels);
    EXPECT_TRUE(verdicts[0].passes);
    EXPECT_TRUE(verdicts[1].passes);
    EXPECT_FALSE(verdicts[2].passes);
    EXPECT_EQ(failureReason(levels[2], verdicts[2]), "level 1's picture mirrored left to right");
}

namespace {

// The most steps a board of the size takes and is still graded at most bound:
// its work per line, rounded down, is bound, one step more is above.
int mostStepsWithin(int bound, int size)
{
    int lines = 2 * size;
    return ((bound + 1) * lines + 99) / 100 - 1;
}

}  // namespace

TEST(Grades, WorkPerLineMakesTheGradeOnEverySize)
{
    for (int size : {10, 15, 20}) {
        int easySteps = mostStepsWithin(mostEasyWork, size);
        int middleSteps = mostStepsWithin(mostMiddleWork, size);
        EXPECT_STREQ(gradeName(2 * size, size), "easy") << size;
        EXPECT_STREQ(gradeName(easySteps, size), "easy") << size;
        EXPECT_STREQ(gradeName(easySteps + 1, size), "middle") << size;
        EXPECT_STREQ(gradeName(middleSteps, size), "middle") << size;
        EXPECT_STREQ(gradeName(middleSteps + 1, size), "hard") << size;
    }
    // The same work is more for a smaller board: it has fewer lines to share it.
    EXPECT_STREQ(gradeName(50, 10), "hard");
    EXPECT_STREQ(gradeName(50, 20), "easy");
    EXPECT_STREQ(gradeName(-1, 10), "no grade");
    EXPECT_EQ(workPerLine(26, 10), 130);
    EXPECT_EQ(workPerLine(67, 15), 223);  // rounded down
    EXPECT_EQ(workPerLine(-1, 20), -1);
}

TEST(Grades, TextNamesTheGradeAndItsFigures)
{
    EXPECT_EQ(gradeText(3, 26, 10), "easy, 3 rounds, 26 steps, 1.30 a line");
    EXPECT_EQ(gradeText(9, 140, 20), "hard, 9 rounds, 140 steps, 3.50 a line");
    EXPECT_EQ(gradeText(2, 21, 10), "easy, 2 rounds, 21 steps, 1.05 a line");
    EXPECT_EQ(gradeText(-1, -1, 10), "no grade");
    EXPECT_EQ(hundredthsText(7), "0.07");
    LevelVerdict verdict = judgeLevel(levelOf("의자", chairRows()));
    EXPECT_EQ(verdict.rounds, 3);
    EXPECT_EQ(verdict.steps, 26);
    verdict = judgeLevel(levelOf("덩어리", ambiguousRows()));
    EXPECT_EQ(verdict.steps, -1);
}

TEST(Grades, BoundsAreTheThirdsOfTheWork)
{
    GradeBounds bounds = thirdsOfWork({190, 110, 150, 170, 130, 120, 160, 180, 140});
    EXPECT_EQ(bounds.mostEasy, 130);  // the 3rd of 9
    EXPECT_EQ(bounds.mostMiddle, 160);  // the 6th
    bounds = thirdsOfWork({300, 100, 200, 400});
    EXPECT_EQ(bounds.mostEasy, 200);  // the 2nd of 4: at least a third is easy
    EXPECT_EQ(bounds.mostMiddle, 300);  // the 3rd
    bounds = thirdsOfWork({150});
    EXPECT_EQ(bounds.mostEasy, 150);
    EXPECT_EQ(bounds.mostMiddle, 150);
    bounds = thirdsOfWork({});
    EXPECT_EQ(bounds.mostEasy, 0);
    EXPECT_EQ(bounds.mostMiddle, 0);
}

TEST(Grades, EveryFailureIsListedOnce)
{
    // Too few bombs and stuck: both reasons, the share once.
    std::vector<std::string> rows(10, "..........");
    rows[0] = "#####.....";
    rows[1] = "#####.....";
    rows[3] = "#.........";
    rows[4] = ".#........";
    Level level = levelOf("덩어리", rows);
    LevelVerdict verdict = judgeLevel(level);
    std::string reason = failureReason(level, verdict);
    EXPECT_EQ(reason,
              "line logic is stuck with 4 blocks undecided (more than one picture); "
              "12% bombs, a level needs 30% to 70%");
    std::string report = verdictReport(level, verdict, 0);
    EXPECT_EQ(report.find("12% bombs"), report.rfind("12% bombs")) << report;
}
