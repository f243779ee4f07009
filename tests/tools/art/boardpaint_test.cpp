// The game's board painter on the canvas, on the largest board: the sizes the
// help pictures never show, the longest clue lists and the widest hint area.
#include <gtest/gtest.h>

#include "boardpaint.h"
#include "picturecheck.h"
#include "pixelfont.h"
#include "sprites.h"

namespace {

// A 20 x 20 board with ten single bombs in row 0 and in column 0 (every
// other block) and a run of twelve in column 19.
void tenRunsBoard(Grid& cells)
{
    for (int col = 0; col < gridRoom; ++col)
        for (int row = 0; row < gridRoom; ++row)
            cells[col][row] = Covered;
    for (int i = 0; i < 20; i += 2) {
        cells[i][0] = CoveredBomb;
        cells[0][i] = CoveredBomb;
    }
    for (int row = 4; row < 16; ++row)
        cells[19][row] = CoveredBomb;
}

// The pixels of `colour` in a box are exactly those of the given texts.
void expectTextsInBox(const Canvas& picture, Box area, const std::vector<std::pair<Box, const char*>>& texts,
                      Rgb colour)
{
    Canvas expected = makeCanvas(picture.width, picture.height, lightGray);
    for (const auto& text : texts)
        drawCentredText(expected, text.first.x, text.first.y, text.first.width, text.second, 1, colour);
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x)
            ASSERT_EQ(pixelAt(picture, x, y) == colour, pixelAt(expected, x, y) == colour)
                << "at " << x << "," << y;
}

}  // namespace

TEST(BoardPainter, LargestBoardFillsTheWindowWithStripPiecesFromItsOwnBars)
{
    Grid cells;
    tenRunsBoard(cells);
    const Layout view = layoutFor(20);
    Canvas picture = paintBoard(view, gameSheets(), cells, cells);
    EXPECT_EQ(picture.width, 408);
    EXPECT_EQ(picture.height, 454);
    EXPECT_EQ(pixelAt(picture, 407, 200), gray);  // the outer frame's right edge
    EXPECT_EQ(pixelAt(picture, 200, 453), gray);  // and its bottom
    // Row 7 has no clue but its "0" at the right end, column 7 likewise at
    // the bottom: the piece's left and top part is its bar of BLOCK2.
    Canvas bars = drawStripBars();
    EXPECT_TRUE(sameBlock(picture, 12, blockTop(view, 7), bars, 45, 0, 70, 15));
    EXPECT_TRUE(sameBlock(picture, blockLeft(view, 7), 12, bars, 0, 0, 15, 75));
    // Blocks: a bomb looks like any covered block.
    Canvas sheet = drawBlockSheet();
    EXPECT_TRUE(sameBlock(picture, blockLeft(view, 2) + 1, blockTop(view, 1) + 1, sheet, 1, 1, 14, 14));
    EXPECT_TRUE(sameBlock(picture, blockLeft(view, 2) + 1, blockTop(view, 0) + 1, sheet, 1, 1, 14, 14));
}

TEST(BoardPainter, TenRunsFillTheStripsAndTwelveIsRed)
{
    Grid cells;
    tenRunsBoard(cells);
    const Layout view = layoutFor(20);
    Canvas picture = paintBoard(view, gameSheets(), cells, cells);
    std::vector<std::pair<Box, const char*>> row0, column0;
    for (int k = 0; k < 10; ++k) {
        row0.push_back({rowClueBox(view, 0, k), "1"});
        column0.push_back({columnClueBox(view, 0, k), "1"});
    }
    EXPECT_EQ(rowClueBox(view, 0, 9).x, 10);
    EXPECT_EQ(columnClueBox(view, 0, 9).y, 12);
    expectTextsInBox(picture, {9, blockTop(view, 0), 84 + 3, 15}, row0, blue);
    expectTextsInBox(picture, {blockLeft(view, 0), 9, 15, 94 + 3}, column0, blue);
    expectTextsInBox(picture, {blockLeft(view, 19), 12, 15, 94}, {{columnClueBox(view, 19, 0), "12"}}, red);
    expectTextsInBox(picture, {blockLeft(view, 19), 12, 15, 94}, {}, blue);
}

TEST(BoardPainter, WideHintAreaGoesOnAsPlainEmptyBar)
{
    Grid cells;
    tenRunsBoard(cells);
    const Layout view = layoutFor(20);
    const PictureSheets sheets = gameSheets();
    Canvas picture = paintBoard(view, sheets, cells, cells);
    paintStatus(picture, sheets, view, {1005, 10, 290, 15, 0});
    const int top = barTop(view);
    EXPECT_TRUE(sameBlock(picture, barLeft, top, sheets.time, 0, 0, 10, 23));
    // The empty part's edge line at the bar's end; where the 300-pixel sprite
    // runs out, plain empty bar without a second edge up to the area's end.
    EXPECT_EQ(pixelAt(picture, barLeft + 10, top + 5), gray);
    EXPECT_EQ(pixelAt(picture, barLeft + 11, top + 5), black);
    const int plainFrom = barLeft + 10 + 300;
    EXPECT_EQ(countColour(picture, plainFrom, top, hintAreaEnd(290) - plainFrom, 23, lightGray),
              (hintAreaEnd(290) - plainFrom) * 23);
    // Three books stand over the area's right end.
    paintStatus(picture, sheets, view, {1005, 10, 290, 15, 3});
    for (int k = 1; k <= 3; ++k)
        EXPECT_TRUE(sameBlock(picture, barLeft + 290 + 5 + 20 * (k - 1), view.panelTop + 25, sheets.hints, 60, 0,
                              20, 20));
    // Past 999 seconds the counter stays at 999.
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(sameBlock(picture, 14 + 13 * i, 14, sheets.score, 13 * 9, 0, 13, 23));
    EXPECT_TRUE(sameBlock(picture, 13, view.panelTop + 24, sheets.timer, 22 * 15, 0, 22, 22));
}
