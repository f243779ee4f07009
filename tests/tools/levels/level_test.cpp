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

TEST(Grades, RoundsMakeTheGrade)
{
    EXPECT_EQ(gradeText(1), "easy, 1 rounds");
    EXPECT_EQ(gradeText(mostEasyRounds), "easy, " + std::to_string(mostEasyRounds) + " rounds");
    EXPECT_EQ(gradeText(mostEasyRounds + 1), "middle, " + std::to_string(mostEasyRounds + 1) + " rounds");
    EXPECT_EQ(gradeText(mostMiddleRounds + 1), "hard, " + std::to_string(mostMiddleRounds + 1) + " rounds");
    EXPECT_EQ(gradeText(-1), "no grade");
    LevelVerdict verdict = judgeLevel(levelOf("의자", chairRows()));
    EXPECT_EQ(verdict.rounds, 3);
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
