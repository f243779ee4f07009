#include <gtest/gtest.h>

#include <string>

#include "nonfile.h"
#include "scratch.h"

namespace {

std::string flawOf(const std::string& text)
{
    Level level;
    EXPECT_FALSE(parseNon(text, "p.non", &level));
    return level.flaw;
}

std::string chairClues()
{
    return "rows\n2\n2\n2\n2\n2\n8\n8\n2,2\n2,2\n2,2\n"
           "columns\n0\n10\n10\n2\n2\n2\n2\n5\n5\n0\n";
}

std::string chairGoal()
{
    std::string goal;
    for (const std::string& row : chairRows()) {
        for (char c : row)
            goal += c == '#' ? '1' : '0';
    }
    return goal;
}

}  // namespace

TEST(NonFile, ExportThenImportGivesTheLevelBack)
{
    Level chair = levelOf("의자", chairRows());
    std::string text = nonText(chair);
    EXPECT_NE(text.find("title \"의자\"\nwidth 10\nheight 10\n"), std::string::npos);
    EXPECT_NE(text.find("\nrows\n2\n2\n2\n2\n2\n8\n8\n2,2\n"), std::string::npos);
    EXPECT_NE(text.find("\ncolumns\n0\n10\n10\n"), std::string::npos);
    EXPECT_NE(text.find("goal \"" + chairGoal() + "\""), std::string::npos);
    Level back;
    ASSERT_TRUE(parseNon(text, "chair.non", &back)) << back.flaw;
    EXPECT_EQ(back.name, "의자");
    EXPECT_TRUE(samePicture(back, chair));
    EXPECT_EQ(nonText(back), text);
}

TEST(NonFile, CluesAloneDrawThePicture)
{
    std::string text = "catalogue \"x\"\nby someone\ntitle Chair\nwidth 10\nheight 10\ncolor red\n" + chairClues();
    Level level;
    ASSERT_TRUE(parseNon(text, "chair.non", &level)) << level.flaw;
    EXPECT_EQ(level.name, "Chair");
    EXPECT_TRUE(samePicture(level, levelOf("", chairRows())));
}

TEST(NonFile, GoalMayBeUnquotedAndSpreadOverLines)
{
    std::string goal = chairGoal();
    std::string text = "title \"의자\"\nwidth 10\nheight 10\ngoal\n";
    for (int row = 0; row < 10; ++row)
        text += goal.substr(row * 10, 10) + "\n";
    Level level;
    ASSERT_TRUE(parseNon(text, "chair.non", &level)) << level.flaw;
    EXPECT_TRUE(samePicture(level, levelOf("", chairRows())));
}

TEST(NonFile, EmptyClueLinesMeanEmptyLines)
{
    std::string text = "title x\nwidth 10\nheight 10\nrows\n\n10\n10\n10\n\n\n\n\n\n\ncolumns\n";
    for (int col = 0; col < 10; ++col)
        text += "3\n";
    Level level;
    ASSERT_TRUE(parseNon(text, "bars.non", &level)) << level.flaw;
    EXPECT_EQ(level.picture[0][0], 0);
    EXPECT_EQ(level.picture[4][2], 1);
    EXPECT_EQ(level.picture[9][4], 0);
}

TEST(NonFile, BadPuzzlesSayWhatAndWhere)
{
    std::string head = "title x\nwidth 10\nheight 10\n";
    EXPECT_EQ(flawOf("title x\nwidth 10\nheight 15\ngoal 0\n"),
              "p.non:3: the board is 10 x 15; levels are square 10, 15 or 20");
    EXPECT_NE(flawOf("title x\nwidth 12\nheight 12\ngoal 0\n").find("levels are square 10, 15 or 20"),
              std::string::npos);
    EXPECT_NE(flawOf("title x\nwidth 10\n" + chairClues()).find("rows before width and height"), std::string::npos);
    EXPECT_NE(flawOf("width 10\nheight 10\n" + chairClues()).find("no title"), std::string::npos);
    EXPECT_NE(flawOf("title 가나다라마바사아자차\nwidth 10\nheight 10\n" + chairClues()).find("20 bytes"),
              std::string::npos);
    EXPECT_EQ(flawOf(head + "rows\n2\n2,a\n" + std::string(8, '\n')), "p.non:6: \"a\" is not a number");
    EXPECT_EQ(flawOf(head + "rows\n5,5\n" + std::string(9, '\n')), "p.non:5: the clues need 11 blocks, the line has 10");
    EXPECT_EQ(flawOf(head + "rows\n2\n2\n"), "p.non:4: the section ends before its 10 clue lines");
    EXPECT_EQ(flawOf(head + "goal \"0102\"\n"), "p.non:4: unknown character '2' in the goal");
    EXPECT_EQ(flawOf(head + "goal 0101\n"), "p.non:4: the goal has 4 blocks, the board 100");
    EXPECT_NE(flawOf(head + "goal " + chairGoal() + "\nwidth 15\n").find("square"), std::string::npos);
}

TEST(NonFile, ExtraClueLinesAreRefusedWithTheirSection)
{
    std::string head = "title x\nwidth 10\nheight 10\n";
    std::string elevenRows = chairClues();
    elevenRows.replace(elevenRows.find("columns"), 0, "2\n");
    EXPECT_EQ(flawOf(head + elevenRows), "p.non:15: the rows section has more than 10 clue lines");
    // Blank lines between do not hide one.
    EXPECT_EQ(flawOf(head + chairClues() + "\n5\n"), "p.non:27: the columns section has more than 10 clue lines");
    Level level;
    EXPECT_TRUE(parseNon(head + chairClues() + "\n\n", "p.non", &level)) << level.flaw;
}

TEST(NonFile, ASectionShortBeforeItsBlankLineSaysSo)
{
    std::string head = "title x\nwidth 10\nheight 10\n";
    const std::string shortRows = "p.non:4: the section ends before its 10 clue lines";
    std::string nineRows = chairClues();
    nineRows.erase(nineRows.find("2\n"), 2);
    EXPECT_EQ(flawOf(head + nineRows), shortRows);  // the next keyword ends the section
    std::string closedByBlank = nineRows;
    closedByBlank.replace(closedByBlank.find("columns"), 0, "\n");
    EXPECT_EQ(flawOf(head + closedByBlank), shortRows);
    EXPECT_EQ(flawOf(head + closedByBlank + "goal " + chairGoal() + "\n"), shortRows);
    std::string nineColumns = chairClues();
    nineColumns.erase(nineColumns.find("\n10\n"), 3);
    EXPECT_EQ(flawOf(head + nineColumns + "\n"), "p.non:15: the section ends before its 10 clue lines");
}

TEST(NonFile, CluesMustAgreeWithTheGoal)
{
    std::string text = "title x\nwidth 10\nheight 10\n" + chairClues() + "goal " + chairGoal() + "\n";
    Level level;
    ASSERT_TRUE(parseNon(text, "p.non", &level)) << level.flaw;
    std::string wrong = text;
    wrong.replace(wrong.find("8\n8\n"), 4, "8\n7\n");
    EXPECT_EQ(flawOf(wrong), "p.non:26: row 7's clue 7 does not match the goal (8)");
}

TEST(NonFile, CluesThatLineLogicCannotFinishAreRefused)
{
    // Two bombs on the diagonal or the anti-diagonal: the clues cannot tell.
    std::string text = "title x\nwidth 10\nheight 10\nrows\n1\n1\n\n\n\n\n\n\n\n\ncolumns\n1\n1\n\n\n\n\n\n\n\n\n";
    std::string flaw = flawOf(text);
    EXPECT_NE(flaw.find("no goal, and line logic leaves 4 blocks undecided (more than one picture)"),
              std::string::npos)
        << flaw;
    EXPECT_NE(flaw.find("??........"), std::string::npos);
    EXPECT_NE(flawOf("title x\nwidth 10\nheight 10\nrows\n10\n\n\n\n\n\n\n\n\n\ncolumns\n\n\n\n\n\n\n\n\n\n\n")
                  .find("contradict"),
              std::string::npos);
    EXPECT_NE(flawOf("title x\nwidth 10\nheight 10\nrows\n1\n\n\n\n\n\n\n\n\n\n").find("not both rows and columns"),
              std::string::npos);
}
