// The board renderer and the help pictures: they must show the game window as
// the window paints it, and mark what the help pages' texts speak of.
#include <gtest/gtest.h>

#include <cstring>

#include "picturecheck.h"
#include "helppictures.h"
#include "pixelfont.h"
#include "sprites.h"

namespace {

// Whether the glyph rows of a clue text in its 15-pixel rectangle show
// exactly `text` in `colour`.
bool showsText(const Canvas& picture, int left, int top, int width, const char* text, int scale, Rgb colour)
{
    Canvas expected = makeCanvas(picture.width, picture.height, black);
    drawCentredText(expected, left, top, width, text, scale, colour);
    int textLeft = left + (width - textWidth(text, scale)) / 2;
    for (int y = top + glyphTopGap * scale; y < top + (glyphTopGap + glyphHeight) * scale; ++y)
        for (int x = textLeft; x < textLeft + textWidth(text, scale); ++x)
            if ((pixelAt(expected, x, y) == colour) != (pixelAt(picture, x, y) == colour))
                return false;
    return true;
}

bool showsClue(const Canvas& picture, int left, int top, const char* text, Rgb colour)
{
    return showsText(picture, left, top, columnClueBox(layoutFor(10), 0, 0).width, text, 1, colour);
}

// Where clue k of n stands, counted in line order (0 = the topmost or
// leftmost); the layout counts from the board outwards.
int columnClueTop(const Layout& view, int k, int n) { return columnClueBox(view, 0, n - 1 - k).y; }
int rowClueLeft(const Layout& view, int k, int n) { return rowClueBox(view, 0, n - 1 - k).x; }

// Each block's inside (its first pixel row and column may carry a grid line)
// is the sheet's tile for its state.
void expectBlocksShow(const Canvas& picture, const Layout& view, const Grid& cells)
{
    Canvas sheet = drawBlockSheet();
    for (int col = 0; col < view.size; ++col)
        for (int row = 0; row < view.size; ++row)
            EXPECT_TRUE(sameBlock(picture, blockLeft(view, col) + 1, blockTop(view, row) + 1, sheet, 1,
                                  blockEdge * tileForCell(cells[col][row]) + 1, 14, 14))
                << "block " << col << "," << row;
}

// A ring of the colour on all four sides of the point, within the reach.
bool ringedAround(const Canvas& picture, int x, int y, int reach, Rgb colour)
{
    const int directions[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& d : directions) {
        bool found = false;
        for (int step = 1; step <= reach && !found; ++step)
            found = pixelAt(picture, x + d[0] * step, y + d[1] * step) == colour;
        if (!found)
            return false;
    }
    return true;
}

// Every pixel where the marked picture differs from the plain one is a mark.
void expectOnlyMarksAdded(const Canvas& plain, const Canvas& marked, const std::vector<Rgb>& marks)
{
    ASSERT_EQ(plain.width, marked.width);
    ASSERT_EQ(plain.height, marked.height);
    for (int y = 0; y < plain.height; ++y)
        for (int x = 0; x < plain.width; ++x) {
            Rgb seen = pixelAt(marked, x, y);
            if (seen == pixelAt(plain, x, y))
                continue;
            bool isMark = false;
            for (Rgb mark : marks)
                isMark = isMark || seen == mark;
            ASSERT_TRUE(isMark) << "changed pixel at " << x << "," << y;
        }
}

}  // namespace

TEST(BoardPainting, ExampleViewIsTheSizeOfTheHelpPagesPictureBox)
{
    EXPECT_EQ(clientWidth(exampleView()), 120);
    EXPECT_EQ(clientHeight(exampleView()), 129);
}

TEST(BoardPainting, OuterFrameIsRaisedAlongAllFourEdges)
{
    Canvas picture = drawOverviewBoard();
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(pixelAt(picture, 100, k), white);
        EXPECT_EQ(pixelAt(picture, k, 100), white);
        EXPECT_EQ(pixelAt(picture, 217 - k, 100), gray);
        EXPECT_EQ(pixelAt(picture, 100, 262 - k), gray);
    }
    // The board frame is sunken: gray at its top, white at its bottom.
    EXPECT_EQ(pixelAt(picture, 100, 9), gray);
    EXPECT_EQ(pixelAt(picture, 100, 203 + 14), white);
    EXPECT_EQ(pixelAt(picture, 100, 203 + 20), gray);  // the panel frame
}

TEST(BoardPainting, GridLinesMarkEveryFifthRowAndColumnAcrossTheStrips)
{
    Canvas picture = drawOverviewBoard();
    Layout view = layoutFor(10);
    for (int i : {0, 5}) {
        for (int y = 12; y <= 203 + 11; ++y)
            ASSERT_EQ(pixelAt(picture, blockLeft(view, i), y), black) << "column line " << i << " at " << y;
        for (int x = 12; x <= 44 + 150 + 11; ++x)
            ASSERT_EQ(pixelAt(picture, x, blockTop(view, i)), black) << "row line " << i << " at " << x;
    }
    EXPECT_NE(pixelAt(picture, blockLeft(view, 3), blockTop(view, 3) + 5), black);
    EXPECT_NE(pixelAt(picture, blockLeft(view, 3) + 5, blockTop(view, 6)), black);
}

TEST(BoardPainting, CluePlacesFollowTheWindowsRule)
{
    Layout ten = layoutFor(10);
    EXPECT_EQ(columnClueTop(ten, 0, 1), 53 - 1);  // nearest the board at T - 1
    EXPECT_EQ(columnClueTop(ten, 0, 2), 53 - 10);
    EXPECT_EQ(rowClueLeft(ten, 0, 1), 44 - 2);     // nearest the board at L - 2
    EXPECT_EQ(rowClueLeft(ten, 0, 3), 44 - 18);
    Layout twenty = layoutFor(20);
    EXPECT_EQ(columnClueTop(twenty, 0, 10), 12);  // ten runs still fit the strip
    EXPECT_EQ(rowClueLeft(twenty, 0, 10), 10);
}

TEST(BoardPainting, OverviewCluesAreTheSolutionsWithRedForTen)
{
    Canvas picture = drawOverviewBoard();
    Layout view = layoutFor(10);
    EXPECT_TRUE(showsClue(picture, rowClueLeft(view, 1, 2), blockTop(view, 0), "2", blue));
    EXPECT_TRUE(showsClue(picture, rowClueLeft(view, 0, 2), blockTop(view, 0), "2", blue));
    EXPECT_TRUE(showsClue(picture, rowClueLeft(view, 0, 1), blockTop(view, 2), "10", red));
    EXPECT_FALSE(showsClue(picture, rowClueLeft(view, 0, 1), blockTop(view, 2), "10", blue));
    EXPECT_TRUE(showsClue(picture, rowClueLeft(view, 0, 1), blockTop(view, 1), "8", blue));
    EXPECT_TRUE(showsClue(picture, rowClueLeft(view, 0, 1), blockTop(view, 9), "0", blue));
    EXPECT_TRUE(showsClue(picture, blockLeft(view, 0), columnClueTop(view, 0, 1), "3", blue));
    EXPECT_TRUE(showsClue(picture, blockLeft(view, 3), columnClueTop(view, 0, 1), "8", blue));
    EXPECT_FALSE(showsClue(picture, blockLeft(view, 3), columnClueTop(view, 0, 1), "9", blue));
    // Checked bombs still count: the clues are those of the fresh board.
    EXPECT_EQ(countColour(picture, 12, blockTop(view, 5), 44, 15, red), 0);
}

TEST(BoardPainting, OverviewBlocksShowTheBoardInPlay)
{
    Grid cells;
    overviewBoard(cells);
    expectBlocksShow(drawOverviewBoard(), layoutFor(10), cells);
    int checked = 0, broken = 0, covered = 0;
    for (int col = 0; col < 10; ++col)
        for (int row = 0; row < 10; ++row) {
            checked += cells[col][row] == Checked;
            broken += cells[col][row] == Broken;
            covered += cells[col][row] == Covered || cells[col][row] == CoveredBomb;
        }
    EXPECT_GT(checked, 5);
    EXPECT_GT(broken, 5);
    EXPECT_GT(covered, 20);
}

TEST(BoardPainting, StatusPanelShowsSecondsBarHintsAndHourglass)
{
    Canvas picture = drawOverviewBoard();
    StatusView status = overviewStatus();
    ASSERT_EQ(status.seconds, 37);
    Canvas digits = drawScoreDigits(), bar = drawTimeBar(), icons = drawHintIcons(), glasses = drawHourglasses();
    EXPECT_TRUE(sameBlock(picture, 14, 14, digits, 13 * blankDigit, 0, 13, 23));
    EXPECT_TRUE(sameBlock(picture, 27, 14, digits, 13 * 3, 0, 13, 23));
    EXPECT_TRUE(sameBlock(picture, 40, 14, digits, 13 * 7, 0, 13, 23));
    const int barTop = 203 + 23;
    EXPECT_TRUE(sameBlock(picture, 36, barTop, bar, 0, 0, status.timeLeft, 23));
    EXPECT_TRUE(sameBlock(picture, 36 + status.timeLeft, barTop, bar, 0, 23, 4, 23));
    EXPECT_EQ(pixelAt(picture, 36 + status.timeLeft, barTop + 5), gray);
    EXPECT_EQ(pixelAt(picture, 37 + status.timeLeft, barTop + 5), black);
    ASSERT_EQ(status.hintsLeft, 2);
    EXPECT_TRUE(sameBlock(picture, 141, 203 + 25, icons, 60, 0, 20, 20));
    EXPECT_TRUE(sameBlock(picture, 161, 203 + 25, icons, 60, 0, 20, 20));
    EXPECT_EQ(countColour(picture, 181, 203 + 25, 20, 20, lightGray), 400);  // no third book
    EXPECT_TRUE(sameBlock(picture, 13, 203 + 24, glasses, 22 * status.tickPhase, 0, 22, 22));
}

TEST(HelpOverview, MarksTheSixPartsWithRingsAndLeaders)
{
    Canvas plain = drawOverviewBoard(), marked = drawHelpOverview();
    EXPECT_EQ(marked.width, 218);
    EXPECT_EQ(marked.height, 263);
    const std::vector<Rgb> marks = {secondsMark, checkedMark, coveredMark, brokenMark, barMark, hintsMark};
    expectOnlyMarksAdded(plain, marked, marks);
    for (Rgb mark : marks)
        EXPECT_GT(countColour(marked, 217, 0, 1, 263, mark), 0) << "a leader reaches the right edge";
    Layout view = layoutFor(10);
    Grid cells;
    overviewBoard(cells);
    EXPECT_TRUE(ringedAround(marked, 33, 25, 24, secondsMark));
    EXPECT_EQ(cells[2][1], Checked);
    EXPECT_TRUE(ringedAround(marked, blockLeft(view, 2) + 7, blockTop(view, 1) + 7, 12, checkedMark));
    EXPECT_TRUE(cells[5][3] == Covered || cells[5][3] == CoveredBomb);
    EXPECT_TRUE(ringedAround(marked, blockLeft(view, 5) + 7, blockTop(view, 3) + 7, 12, coveredMark));
    EXPECT_EQ(cells[9][5], Broken);
    EXPECT_TRUE(ringedAround(marked, blockLeft(view, 9) + 7, blockTop(view, 5) + 7, 12, brokenMark));
    EXPECT_TRUE(ringedAround(marked, 36 + overviewStatus().timeLeft / 2, 203 + 34, 40, barMark));
    EXPECT_TRUE(ringedAround(marked, 161, 203 + 34, 30, hintsMark));
    // Top to bottom in the order the page's texts stand.
    const std::vector<Rgb> order = {secondsMark, checkedMark, coveredMark, brokenMark, barMark, hintsMark};
    int lastY = -1;
    for (Rgb mark : order) {
        int y = 0;
        while (y < 263 && pixelAt(marked, 217, y) != mark)
            ++y;
        EXPECT_GT(y, lastY);
        lastY = y;
    }
}

TEST(HelpSteps, PicturesShowTheBoardStateOfTheirStep)
{
    for (int step = 1; step <= helpSteps; ++step) {
        SCOPED_TRACE(testing::Message() << "step " << step);
        Canvas picture = drawHelpStep(step);
        EXPECT_EQ(picture.width, 120);
        EXPECT_EQ(picture.height, 129);
        Grid cells;
        exampleBoardAt(step, cells);
        expectBlocksShow(picture, exampleView(), cells);
        expectOnlyMarksAdded(drawStepBoard(step), picture, {clueMark, stepNumberMark});
    }
}

TEST(HelpSteps, EveryPictureShowsTheExamplesClues)
{
    Layout view = exampleView();
    Canvas picture = drawHelpStep(7);  // no red ring over any clue
    EXPECT_TRUE(showsClue(picture, blockLeft(view, 0), 29, "0", blue));
    EXPECT_TRUE(showsClue(picture, blockLeft(view, 1), 29, "1", blue));
    EXPECT_TRUE(showsClue(picture, blockLeft(view, 1), 20, "1", blue));
    EXPECT_TRUE(showsClue(picture, blockLeft(view, 1), 11, "1", blue));
    EXPECT_TRUE(showsClue(picture, blockLeft(view, 2), 29, "3", blue));
    EXPECT_TRUE(showsClue(picture, blockLeft(view, 2), 20, "1", blue));
    EXPECT_TRUE(showsClue(picture, blockLeft(view, 3), 29, "2", blue));
    EXPECT_TRUE(showsClue(picture, blockLeft(view, 4), 29, "5", blue));
    EXPECT_TRUE(showsClue(picture, 19, blockTop(view, 0), "1", blue));
    EXPECT_TRUE(showsClue(picture, 11, blockTop(view, 0), "2", blue));
    EXPECT_TRUE(showsClue(picture, 19, blockTop(view, 1), "2", blue));
    EXPECT_TRUE(showsClue(picture, 19, blockTop(view, 3), "3", blue));
    EXPECT_TRUE(showsClue(picture, 19, blockTop(view, 4), "4", blue));
    EXPECT_FALSE(showsClue(picture, 19, blockTop(view, 4), "3", blue));
    EXPECT_EQ(countColour(picture, 0, 0, 120, 129, clueMark), 0);
}

TEST(HelpSteps, RedRingsStandAroundTheDiscussedCluesOnly)
{
    Layout view = exampleView();
    for (int step = 1; step <= helpSteps; ++step) {
        SCOPED_TRACE(testing::Message() << "step " << step);
        Canvas picture = drawHelpStep(step);
        const HelpStep& shown = helpStep(step);
        bool ringedColumn[exampleSize] = {}, ringedRow[exampleSize] = {};
        for (int i = 0; i < shown.ringedCount; ++i)
            (shown.ringed[i].isRow ? ringedRow : ringedColumn)[shown.ringed[i].index] = true;
        for (int i = 0; i < exampleSize; ++i) {
            int inColumn = countColour(picture, blockLeft(view, i) + 3, 12, 9, 30, clueMark);
            int inRow = countColour(picture, 12, blockTop(view, i) + 3, 21, 9, clueMark);
            EXPECT_EQ(inColumn > 0, ringedColumn[i]) << "column " << i;
            EXPECT_EQ(inRow > 0, ringedRow[i]) << "row " << i;
        }
    }
}

TEST(HelpSteps, StepNumberStandsLargeInTheCorner)
{
    for (int step = 1; step <= helpSteps; ++step) {
        Canvas picture = drawHelpStep(step);
        char text[2] = {static_cast<char>('0' + step), '\0'};
        char other[2] = {static_cast<char>('0' + step % 7 + 1), '\0'};
        int top = 12 + 30 / 2 - 2 * (glyphTopGap + glyphHeight / 2);
        EXPECT_TRUE(showsText(picture, 12, top, 21, text, 2, stepNumberMark)) << step;
        EXPECT_FALSE(showsText(picture, 12, top, 21, other, 2, stepNumberMark)) << step;
        // The ring's left, right, top and bottom edges in the corner box.
        EXPECT_EQ(countColour(picture, 12, 27, 2, 1, stepNumberMark), 2) << step;
        EXPECT_EQ(countColour(picture, 31, 27, 2, 1, stepNumberMark), 2) << step;
        EXPECT_EQ(countColour(picture, 22, 13, 1, 2, stepNumberMark), 2) << step;
        EXPECT_EQ(countColour(picture, 22, 39, 1, 2, stepNumberMark), 2) << step;
    }
}
