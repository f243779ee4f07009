// Hints: the order in which a hint resolves its column and row, what it
// changes and earns, and what it leaves alone.
#include "board_fixture.h"

namespace {

using Hints = GameTest;

TEST_F(Hints, ColumnAndRowStepsAlternate)
{
    ctrlClick(2, 3);
    std::vector<std::string> repaints = callsNamed({"repaintBlock"});
    ASSERT_EQ(repaints.size(), 19u) << "2N - 1 blocks: the clicked one belongs to both lines";
    const std::vector<std::string> first = {"repaintBlock 2 0", "repaintBlock 0 3", "repaintBlock 2 1",
                                            "repaintBlock 1 3", "repaintBlock 2 2", "repaintBlock 2 3",
                                            "repaintBlock 3 3", "repaintBlock 2 4", "repaintBlock 4 3"};
    EXPECT_EQ(std::vector<std::string>(repaints.begin(), repaints.begin() + 9), first);
    EXPECT_EQ(repaints.back(), "repaintBlock 9 3");
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(game.cells[2][i], Broken);
        EXPECT_EQ(game.cells[i][3], Broken);
    }
    EXPECT_EQ(game.cells[3][4], Covered) << "outside the two lines nothing changes";
}

TEST_F(Hints, TheWholeRoadOfAHint)
{
    ctrlClick(9, 0);
    std::vector<std::string> order = callsNamed({"playHintSound", "repaintBlock", "drawTimeBar", "drawHintArea"});
    EXPECT_EQ(order.front(), "playHintSound");
    EXPECT_EQ(order[order.size() - 2], "drawTimeBar");
    EXPECT_EQ(order.back(), "drawHintArea 2") << "the used hint's icon is gone at once";
    EXPECT_EQ(game.hintsLeft, 2);
    EXPECT_FALSE(game.hintsRequest);
    EXPECT_FALSE(game.barRequest);
    EXPECT_EQ(game.tickPhase, 0);
    EXPECT_EQ(game.cells[9][9], Checked);
    EXPECT_EQ(game.gameState, Solved) << "the only bomb of the board was in the hint's column";
}

TEST_F(Hints, NoBreakOrCheckSounds)
{
    ctrlClick(9, 9);
    EXPECT_EQ(callCount("playHintSound"), 1);
    EXPECT_EQ(callCount("playBreakSound"), 0);
    EXPECT_EQ(callCount("playCheckSound"), 0);
    EXPECT_EQ(callCount("playErrorSound"), 0);
}

TEST_F(Hints, AHintCorrectsAndNeverSpoils)
{
    dealBoard(10, {"#.#", ".#."});
    rightClick(1, 0);  // a free block wrongly checked
    rightClick(2, 0);  // a bomb rightly checked
    leftClick(1, 1);   // a bomb broken: Checked
    leftClick(3, 0);   // a free block broken
    fake.calls.clear();
    game.timeLeft = 0;
    game.barRequest = false;
    ctrlClick(1, 0);
    EXPECT_EQ(game.cells[0][0], Checked);
    EXPECT_EQ(game.cells[1][0], Broken) << "the wrongly checked free block is broken";
    EXPECT_EQ(game.cells[2][0], Checked);
    EXPECT_EQ(game.cells[1][1], Checked);
    EXPECT_EQ(game.cells[3][0], Broken);
    // Changed: (0,0) bomb +2, (1,0) +5, column 1 rows 2..9 +5 each, row 0 columns 4..9 +5 each.
    EXPECT_EQ(game.timeLeft, 2 + 5 + 8 * 5 + 6 * 5 - 2);
    EXPECT_EQ(callCount("repaintBlock"), 1 + 1 + 8 + 6);
}

TEST_F(Hints, AHintThatChangesNothing)
{
    dealBoard(10, {"#"});
    ctrlClick(0, 0);
    statusUpdate();
    game.gameState = Waiting;
    int before = game.timeLeft;
    fake.calls.clear();
    ctrlClick(0, 0);
    EXPECT_EQ(game.hintsLeft, 1) << "the hint is used up all the same";
    EXPECT_EQ(callCount("playHintSound"), 1);
    EXPECT_EQ(callCount("repaintBlock"), 0);
    EXPECT_EQ(callCount("drawTimeBar"), 0) << "nothing changed, nothing to charge";
    EXPECT_EQ(game.timeLeft, before);
    EXPECT_EQ(game.gameState, Playing);

    // A request already pending is charged by the hint's update.
    activated();
    ctrlClick(0, 0);
    EXPECT_EQ(game.timeLeft, before - 2);
    EXPECT_EQ(game.hintsLeft, 0);
}

TEST_F(Hints, NoHintLeftOrNoBlockUnderThePoint)
{
    game.hintsLeft = 0;
    ctrlClick(3, 3);
    EXPECT_EQ(game.cells[3][3], Covered);
    EXPECT_TRUE(fake.calls.empty());
    EXPECT_EQ(game.gameState, Waiting);

    game.hintsLeft = 3;
    leftButtonDown(game.boardLeft + 12 - 15, blockY(3), keyLeft | keyControl, true);  // the row clues
    leftButtonDown(blockX(3), game.panelTop + 20, keyLeft | keyControl, true);         // the status panel
    leftButtonDown(blockX(10), blockY(3), keyLeft | keyControl, true);           // right of the board
    EXPECT_EQ(game.hintsLeft, 3);
    EXPECT_TRUE(fake.calls.empty());
    EXPECT_EQ(game.gameState, Waiting);
}

TEST_F(Hints, UpToFourteenPixelsLeftOrAboveUsesLineZero)
{
    leftButtonDown(game.boardLeft + 12 - 14, game.boardTop + 12 - 14, keyLeft | keyControl, true);
    EXPECT_EQ(game.hintsLeft, 2);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(game.cells[0][i], Broken) << i;
        EXPECT_EQ(game.cells[i][0], Broken) << i;
    }
}

TEST_F(Hints, AtTheLargestSize)
{
    dealBoard(20, {"#", "#"});
    game.timeLeft = 0;
    ctrlClick(0, 5);
    // Column 0: 2 bombs, 18 free; row 5 without (0,5): 19 free.
    EXPECT_EQ(game.timeLeft, 2 * 2 + (18 + 19) * 3 - 4);
}

TEST_F(Hints, ExactlyFullThenCharged)
{
    game.timeLeft = 100 - 5;
    ctrlClick(0, 0);
    EXPECT_EQ(game.timeLeft, 98) << "clamped at 100 by the first break, then one charge";
}

TEST_F(Hints, AStrokeInProgressGoesOnWithFreshMarks)
{
    rightButtonDown(blockX(0), blockY(5), keyRight);
    mouseMoved(blockX(1), blockY(5));
    ASSERT_TRUE(game.stroke.visited[1][5]);
    ctrlClick(7, 7);
    EXPECT_EQ(game.stroke.strokeButton, keyRight);
    EXPECT_FALSE(game.stroke.visited[0][5]);
    EXPECT_FALSE(game.stroke.visited[1][5]);
    mouseMoved(blockX(0), blockY(5));
    EXPECT_EQ(game.cells[0][5], Covered) << "the cleared mark lets the stroke act on its first block again";
    buttonReleased();
}

}  // namespace
