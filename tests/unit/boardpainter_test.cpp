#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board_fixture.h"
#include "boardpainter.h"

namespace {

// What a paint wrote: every text with its ink and box, in order.
struct PaintedText {
    Ink ink;
    Box box;
    std::string text;
    bool operator==(const PaintedText& o) const
    {
        return ink == o.ink && box.x == o.box.x && box.y == o.box.y && box.width == o.box.width &&
               box.height == o.box.height && text == o.text;
    }
};

void ignoreTile(void*, Sheet, Box, int, int) {}
void ignoreLine(void*, Ink, Line) {}
void keepText(void* target, Ink ink, Box box, const char* text)
{
    static_cast<std::vector<PaintedText>*>(target)->push_back({ink, box, text});
}

std::vector<PaintedText> cluesOfFullPaint()
{
    std::vector<PaintedText> texts;
    Surface surface{&texts, ignoreTile, ignoreLine, keepText};
    paintBoardArea(surface, layoutFor(game.boardSize), game.cells, game.solution);
    return texts;
}

std::vector<std::string> textsOnly(const std::vector<PaintedText>& painted)
{
    std::vector<std::string> texts;
    for (const PaintedText& p : painted)
        texts.push_back(p.text);
    return texts;
}

}  // namespace

// Row 0 is a run of ten, row 1 the runs 1 2 2 1, row 2 a run of three and
// nothing else, row 9 keeps the fixture's corner bomb.
struct CluePaint : GameTest {
    void SetUp() override
    {
        GameTest::SetUp();
        dealBoard(10, {"##########", "#.##.##..#", "...###....", "", "", "", "", "", "", ".........#"});
    }
};

TEST_F(CluePaint, ClueNumbersStayThoseOfTheFirstPaintWhateverIsCheckedOrBroken)
{
    const std::vector<PaintedText> first = cluesOfFullPaint();
    rightClick(0, 0);  // the start of the run of ten
    rightClick(4, 2);  // inside the run of three
    rightClick(0, 1);  // the whole first run of row 1
    rightClick(2, 1);
    rightClick(3, 1);  // a whole run of two
    leftClick(0, 3);   // a free block broken
    ASSERT_EQ(game.cells[4][2], Checked);
    ASSERT_EQ(game.cells[0][3], Broken);
    EXPECT_EQ(cluesOfFullPaint(), first);
    rightClick(4, 2);  // unchecked again
    EXPECT_EQ(cluesOfFullPaint(), first);
}

TEST_F(CluePaint, FirstPaintShowsTheRunsOfThePicture)
{
    std::vector<PaintedText> painted = cluesOfFullPaint();
    std::vector<std::string> texts = textsOnly(painted);
    // Columns first, each nearest the board first; then rows.
    std::vector<std::string> rowTexts(texts.end() - 13, texts.end());
    EXPECT_EQ(rowTexts, (std::vector<std::string>{"10", "1", "2", "2", "1", "3", "0", "0", "0", "0", "0", "0", "1"}));
    for (const PaintedText& p : painted)
        EXPECT_EQ(p.ink, p.text == "10" ? redInk : blueInk) << p.text;
}
