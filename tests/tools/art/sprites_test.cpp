// The sprite sheets the window copies from: their sizes and the pixels the
// board, the status panel and the dialogs' thumbnail rely on.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "picturecheck.h"
#include "game.h"
#include "sprites.h"

namespace {

int tileTop(int tile) { return tile * blockEdge; }

}  // namespace

TEST(SpriteSheets, HaveTheSizesTheWindowCopiesFrom)
{
    struct Expected { Canvas canvas; int width, height; };
    std::vector<Expected> sheets = {
        {drawBlockSheet(), 15, 75},   {drawStripBars(), 129, 94},  {drawTimeBar(), 300, 46},
        {drawScoreDigits(), 143, 23}, {drawHintIcons(), 80, 20},   {drawHourglasses(), 352, 22},
    };
    for (const Expected& e : sheets) {
        EXPECT_EQ(e.canvas.width, e.width);
        EXPECT_EQ(e.canvas.height, e.height);
        EXPECT_EQ(e.canvas.pixels.size(), static_cast<size_t>(e.width) * e.height);
    }
    std::vector<Canvas> icon = drawIconImages();
    ASSERT_EQ(icon.size(), 2u);
    EXPECT_EQ(icon[0].width, 32);
    EXPECT_EQ(icon[0].height, 32);
    EXPECT_EQ(icon[1].width, 16);
    EXPECT_EQ(icon[1].height, 16);
}

TEST(BlockSheet, CoveredBlockIsRaisedWithWhiteTopLeftAndDarkRightBottom)
{
    Canvas sheet = drawBlockSheet();
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(pixelAt(sheet, i, 0), white) << "top row at " << i;
        EXPECT_EQ(pixelAt(sheet, 0, i), white) << "left column at " << i;
    }
    for (int i = 1; i < 13; ++i) {
        EXPECT_EQ(pixelAt(sheet, 13, i), gray) << "inner right at " << i;
        EXPECT_EQ(pixelAt(sheet, i, 13), gray) << "inner bottom at " << i;
    }
    EXPECT_EQ(pixelAt(sheet, 7, 7), lightGray);
}

TEST(BlockSheet, EveryTileEndsInABlackLineAlongItsRightAndBottom)
{
    Canvas sheet = drawBlockSheet();
    for (int tile = 0; tile < blockTiles; ++tile)
        for (int i = 0; i < blockEdge; ++i) {
            EXPECT_EQ(pixelAt(sheet, 14, tileTop(tile) + i), black) << "tile " << tile << " right " << i;
            EXPECT_EQ(pixelAt(sheet, i, tileTop(tile) + 14), black) << "tile " << tile << " bottom " << i;
        }
}

TEST(BlockSheet, CheckedBlockIsTheCoveredBlockWithABlueCross)
{
    Canvas sheet = drawBlockSheet();
    int top = tileTop(checkedTile);
    EXPECT_EQ(pixelAt(sheet, 7, top + 7), blue);  // where the two strokes meet
    for (int i = 4; i <= 10; ++i) {
        EXPECT_EQ(pixelAt(sheet, i, top + i), blue) << "falling stroke " << i;
        EXPECT_EQ(pixelAt(sheet, 14 - i, top + i), blue) << "rising stroke " << i;
    }
    // Away from the cross it is the covered block, bevel included.
    EXPECT_EQ(pixelAt(sheet, 7, top + 2), lightGray);
    EXPECT_TRUE(sameBlock(sheet, 0, top, sheet, 0, 0, 15, 2));
    EXPECT_TRUE(sameBlock(sheet, 0, top + 13, sheet, 0, 13, 15, 2));
    EXPECT_GT(countColour(sheet, 0, top, 15, 15, blue), 20);
    EXPECT_EQ(countColour(sheet, 0, 0, 15, 15, blue), 0);
}

TEST(BlockSheet, BrokenBlockIsFlatCyanFromItsTopLeftCorner)
{
    Canvas sheet = drawBlockSheet();
    int top = tileTop(brokenTile);
    // The dialogs' thumbnail copies up to 6 x 6 pixels of this corner.
    EXPECT_EQ(countColour(sheet, 0, top, 6, 6, cyan), 36);
    EXPECT_EQ(countColour(sheet, 0, top, 14, 14, cyan), 14 * 14);
}

TEST(BlockSheet, BombTilesShowABlackBombOnRedAndOnGray)
{
    Canvas sheet = drawBlockSheet();
    int red_ = tileTop(bombOnRedTile), gray_ = tileTop(bombOnGrayTile);
    EXPECT_EQ(pixelAt(sheet, 6, red_ + 9), black);
    EXPECT_EQ(pixelAt(sheet, 1, red_ + 1), red);
    EXPECT_GT(countColour(sheet, 0, red_, 14, 14, black), 30);
    EXPECT_EQ(pixelAt(sheet, 6, gray_ + 9), black);
    EXPECT_EQ(pixelAt(sheet, 1, gray_ + 1), lightGray);
}

TEST(BlockSheet, CellStatesChooseTheirTiles)
{
    EXPECT_EQ(tileForCell(Covered), coveredTile);
    EXPECT_EQ(tileForCell(CoveredBomb), coveredTile);
    EXPECT_EQ(tileForCell(Checked), checkedTile);
    EXPECT_EQ(tileForCell(Broken), brokenTile);
}

TEST(StripBars, EachBarIsRaisedAtItsPlaceAndLength)
{
    Canvas bars = drawStripBars();
    struct Bar { int x, y, w, h; };
    const Bar all[] = {{0, 0, 15, 94}, {15, 0, 15, 88}, {30, 0, 15, 53},
                       {45, 0, 84, 15}, {45, 15, 68, 15}, {45, 30, 44, 15}};
    for (const Bar& b : all) {
        SCOPED_TRACE(testing::Message() << "bar at " << b.x << "," << b.y);
        EXPECT_EQ(pixelAt(bars, b.x, b.y), white);
        EXPECT_EQ(pixelAt(bars, b.x + b.w - 2, b.y), white);
        EXPECT_EQ(pixelAt(bars, b.x, b.y + b.h - 2), white);
        EXPECT_EQ(pixelAt(bars, b.x + b.w - 1, b.y), black);
        EXPECT_EQ(pixelAt(bars, b.x, b.y + b.h - 1), black);
        EXPECT_EQ(pixelAt(bars, b.x + b.w - 1, b.y + b.h - 1), black);
        EXPECT_EQ(pixelAt(bars, b.x + b.w - 2, b.y + b.h - 3), gray);
        EXPECT_EQ(pixelAt(bars, b.x + b.w / 2, b.y + b.h / 2), lightGray);
    }
    // A column piece of a 10 board ends at 53: below it is plain background.
    EXPECT_EQ(pixelAt(bars, 37, 53), lightGray);
}

TEST(TimeBar, FullRowIsBlackWithWhiteBubbles)
{
    Canvas bar = drawTimeBar();
    int whites = countColour(bar, 0, 0, 300, barRowHeight, white);
    int blacks = countColour(bar, 0, 0, 300, barRowHeight, black);
    EXPECT_EQ(whites + blacks, 300 * barRowHeight);
    EXPECT_GT(whites, 60);
    EXPECT_GT(blacks, whites * 5);
    // Bubbles all along the bar, so any shortened bar still shows some.
    for (int x = 0; x < 300; x += 30)
        EXPECT_GT(countColour(bar, x, 0, 30, barRowHeight, white), 0) << "from " << x;
}

TEST(TimeBar, EmptyRowIsLightGrayAfterATwoColumnDarkEdge)
{
    Canvas bar = drawTimeBar();
    for (int y = barRowHeight; y < 2 * barRowHeight; ++y) {
        EXPECT_EQ(pixelAt(bar, 0, y), gray) << y;
        EXPECT_EQ(pixelAt(bar, 1, y), black) << y;
    }
    EXPECT_EQ(countColour(bar, 2, barRowHeight, 298, barRowHeight, Rgb{192, 192, 192}), 298 * barRowHeight);
}

TEST(ScoreDigits, BlankCellHasNoLitSegment)
{
    Canvas digits = drawScoreDigits();
    int x = scoreCellWidth * blankDigit;
    EXPECT_EQ(countColour(digits, x, 0, scoreCellWidth, scoreCellHeight, litSegment), 0);
    EXPECT_GT(countColour(digits, x, 0, scoreCellWidth, scoreCellHeight, unlitSegment), 0);
}

TEST(ScoreDigits, EachDigitLightsItsOwnSegments)
{
    Canvas digits = drawScoreDigits();
    // A pixel in the middle of each segment a ... g of a cell.
    const int probe[7][2] = {{6, 1}, {10, 6}, {10, 16}, {6, 21}, {1, 16}, {1, 6}, {6, 10}};
    for (int digit = 0; digit <= 9; ++digit)
        for (int segment = 0; segment < 7; ++segment) {
            bool lit = (litSegmentsOf(digit) >> segment) & 1;
            Rgb seen = pixelAt(digits, scoreCellWidth * digit + probe[segment][0], probe[segment][1]);
            EXPECT_EQ(seen, lit ? litSegment : unlitSegment) << "digit " << digit << " segment " << segment;
        }
    EXPECT_EQ(litSegmentsOf(8), 0x7f);
    EXPECT_EQ(litSegmentsOf(1), 0x06);
    EXPECT_EQ(litSegmentsOf(7), 0x07);
    std::set<int> patterns;
    for (int digit = 0; digit <= 9; ++digit)
        patterns.insert(litSegmentsOf(digit));
    EXPECT_EQ(patterns.size(), 10u);
}

TEST(HintIcons, FourDifferentIconsAndABookWhereThePanelCopiesIt)
{
    Canvas icons = drawHintIcons();
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b)
            EXPECT_FALSE(sameBlock(icons, 20 * a, 0, icons, 20 * b, 0, 20, 20)) << a << " and " << b;
    // The book's corners are the empty bar's gray, so it sits cleanly on it.
    int book = hintIconEdge * bookIcon;
    EXPECT_EQ(pixelAt(icons, book, 0), lightGray);
    EXPECT_EQ(pixelAt(icons, book + 19, 19), lightGray);
    EXPECT_GT(countColour(icons, book, 0, 20, 20, lightGray), 0);
    EXPECT_LT(countColour(icons, book, 0, 20, 20, lightGray), 300);
    EXPECT_EQ(pixelAt(icons, 30, 10) , white);  // the H on the red ball
    EXPECT_GT(countColour(icons, 20, 0, 20, 20, red), 100);
    EXPECT_GT(countColour(icons, 40, 0, 20, 20, blue), 100);
}

TEST(Hourglass, SixteenDistinctFrames)
{
    Canvas strip = drawHourglasses();
    for (int a = 0; a < timerFrames; ++a)
        for (int b = a + 1; b < timerFrames; ++b)
            EXPECT_FALSE(sameBlock(strip, 22 * a, 0, strip, 22 * b, 0, 22, 22)) << a << " and " << b;
}

TEST(Hourglass, SandRunsDownWhileItRuns)
{
    Canvas strip = drawHourglasses();
    // Sand in the upper half shrinks and in the lower half grows, frame by frame.
    Rgb sand = pixelAt(strip, 11, 10);  // frame 0's full upper bulb next to the neck
    int lastUpper = 1 << 30, lastLower = -1;
    for (int frame = 0; frame < 12; ++frame) {
        int upper = countColour(strip, 22 * frame, 0, 22, 11, sand);
        int lower = countColour(strip, 22 * frame, 11, 22, 11, sand);
        EXPECT_LT(upper, lastUpper) << frame;
        EXPECT_GT(lower, lastLower) << frame;
        lastUpper = upper;
        lastLower = lower;
    }
    // Upright again at frame 15: the sand is back on top.
    EXPECT_GT(countColour(strip, 22 * 15, 0, 22, 11, sand), 2 * countColour(strip, 22 * 15, 11, 22, 11, sand));
}

TEST(Icon, LargeImageShowsBoardTilesAndSmallOneABomb)
{
    std::vector<Canvas> icon = drawIconImages();
    Canvas sheet = drawBlockSheet();
    EXPECT_TRUE(sameBlock(icon[0], 1, 1, sheet, 0, tileTop(coveredTile), 15, 15));
    EXPECT_TRUE(sameBlock(icon[0], 16, 1, sheet, 0, tileTop(checkedTile), 15, 15));
    EXPECT_TRUE(sameBlock(icon[0], 1, 16, sheet, 0, tileTop(brokenTile), 15, 15));
    EXPECT_EQ(pixelAt(icon[1], 0, 0), iconTransparent);
    EXPECT_EQ(pixelAt(icon[1], 7, 9), black);
}
