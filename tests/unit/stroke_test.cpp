// Clicks and strokes: the mapping of mouse messages, the choice of the line a
// stroke is confined to, the blocks it acts on and how it ends.
#include "board_fixture.h"

namespace {

using Strokes = GameTest;

// The confinement band of row r or column c on the current board, as the
// recorder writes it.
std::string rowBand(int row)
{
    int left = game.boardLeft + 12, top = game.boardTop + 12 + 15 * row;
    return "confineCursor " + std::to_string(left) + " " + std::to_string(top) + " " +
           std::to_string(left + 15 * game.boardSize) + " " + std::to_string(top + 15);
}

std::string columnBand(int col)
{
    int left = game.boardLeft + 12 + 15 * col, top = game.boardTop + 12;
    return "confineCursor " + std::to_string(left) + " " + std::to_string(top) + " " + std::to_string(left + 15) +
           " " + std::to_string(top + 15 * game.boardSize);
}

TEST_F(Strokes, BlockAtTruncatesAndTakesSixteenBitWords)
{
    // N = 10: the cell area begins at (56, 65).
    EXPECT_EQ(blockAt(56, 65).col, 0);
    EXPECT_EQ(blockAt(56, 65).row, 0);
    EXPECT_EQ(blockAt(70, 79).col, 0);
    EXPECT_EQ(blockAt(71, 80).col, 1);
    EXPECT_EQ(blockAt(71, 80).row, 1);
    EXPECT_EQ(blockAt(42, 51).col, 0) << "14 pixels left still truncates to column 0";
    EXPECT_EQ(blockAt(42, 51).row, 0);
    EXPECT_EQ(blockAt(41, 50).col, -1);
    EXPECT_EQ(blockAt(41, 50).row, -1);
    EXPECT_EQ(blockAt(0x10000 + 71, 0x30000 + 80).col, 1) << "only the low 16 bits count";
    EXPECT_EQ(blockAt(0x10000 + 71, 0x30000 + 80).row, 1);
    EXPECT_EQ(blockAt(0xFFFF, 0).col, (0xFFFF - 56) / 15);
    EXPECT_FALSE(onBoard(blockAt(0xFFFF, 100)));
    EXPECT_TRUE(onBoard({9, 9}));
    EXPECT_FALSE(onBoard({10, 0}));
    EXPECT_FALSE(onBoard({0, -1}));

    setLayout(20);
    game.boardSize = 20;
    EXPECT_EQ(blockAt(84 + 12 + 15 * 19, 94 + 12 + 15 * 19 + 14).row, 19);
    EXPECT_TRUE(insideCellArea(96, 106));
    EXPECT_FALSE(insideCellArea(95, 106));
    EXPECT_TRUE(insideCellArea(96 + 299, 106 + 299));
    EXPECT_FALSE(insideCellArea(96 + 300, 106));
    EXPECT_FALSE(insideCellArea(96, 106 + 300));
}

TEST_F(Strokes, LeftClickBreaksAFreeBlock)
{
    leftClick(2, 3);
    EXPECT_EQ(game.cells[2][3], Broken);
    EXPECT_EQ(game.gameState, Playing);
    EXPECT_TRUE(game.barRequest);
    EXPECT_EQ(callsNamed({"playBreakSound", "repaintBlock", "releaseCursor"}),
              (std::vector<std::string>{"playBreakSound 2 3", "repaintBlock 2 3", "releaseCursor"}));
}

TEST_F(Strokes, LeftClickOnACheckedFreeBlockBreaksIt)
{
    rightClick(2, 3);
    EXPECT_EQ(game.cells[2][3], Checked);
    leftClick(2, 3);
    EXPECT_EQ(game.cells[2][3], Broken);
}

TEST_F(Strokes, CheckingDoesNotProtectABombFromTheLeftButton)
{
    rightClick(9, 9);
    EXPECT_EQ(game.cells[9][9], Checked);
    ASSERT_EQ(game.gameState, Solved);
    int before = game.timeLeft;
    leftClick(9, 9);
    EXPECT_EQ(game.cells[9][9], Checked);
    EXPECT_EQ(game.timeLeft, before - 20);
    EXPECT_EQ(callCount("playErrorSound"), 1);
}

TEST_F(Strokes, RightClickChecksAndUnchecks)
{
    rightClick(9, 9);
    EXPECT_EQ(game.cells[9][9], Checked);
    rightClick(9, 9);
    EXPECT_EQ(game.cells[9][9], CoveredBomb) << "an unchecked bomb is covered again";
    rightClick(0, 0);
    rightClick(0, 0);
    EXPECT_EQ(game.cells[0][0], Covered);
    EXPECT_EQ(callCount("playCheckSound"), 4);
    EXPECT_EQ(callCount("repaintBlock"), 4);
}

TEST_F(Strokes, ActionsOnABrokenBlockChangeNothingButStartTheClock)
{
    leftClick(4, 4);
    statusUpdate();
    game.gameState = Waiting;
    fake.calls.clear();
    int before = game.timeLeft;
    rightClick(4, 4);
    leftClick(4, 4);
    EXPECT_EQ(game.cells[4][4], Broken);
    EXPECT_EQ(game.timeLeft, before);
    EXPECT_FALSE(game.barRequest);
    EXPECT_EQ(callCount("repaintBlock"), 0);
    EXPECT_EQ(callCount("playCheckSound") + callCount("playBreakSound"), 0);
    EXPECT_EQ(game.gameState, Playing);
}

TEST_F(Strokes, NoSoundsWithoutADevice)
{
    game.soundEnabled = false;
    leftClick(1, 1);
    rightClick(2, 2);
    leftClick(9, 9);
    ctrlClick(2, 5);
    for (const char* sound : {"playBreakSound", "playCheckSound", "playErrorSound", "playHintSound"})
        EXPECT_EQ(callCount(sound), 0) << sound;
    EXPECT_EQ(game.cells[1][1], Broken) << "the rules do not depend on the sound";
    EXPECT_EQ(game.cells[2][2], Broken) << "the hint broke the wrongly checked block";
}

TEST_F(Strokes, ARowStrokeActsOnceOnEveryBlockEntered)
{
    leftButtonDown(blockX(1), blockY(2), keyLeft, false);
    EXPECT_EQ(game.cells[1][2], Broken);
    EXPECT_EQ(callCount("confineCursor"), 0) << "confinement begins with the first move";
    mouseMoved(blockX(2), blockY(2));
    mouseMoved(blockX(2) + 3, blockY(2));  // same block again
    mouseMoved(blockX(3), blockY(2));
    mouseMoved(blockX(2), blockY(2));  // back over a visited block
    EXPECT_EQ(game.cells[2][2], Broken);
    EXPECT_EQ(game.cells[3][2], Broken);
    EXPECT_EQ(callCount("playBreakSound"), 3);
    EXPECT_EQ(callCount("repaintBlock"), 3);
    EXPECT_EQ(callsNamed({"confineCursor"}).front(), rowBand(2));
    buttonReleased();
    EXPECT_EQ(game.stroke.strokeButton, 0);
    for (int col = 0; col < visitedRoom; ++col)
        for (int row = 0; row < visitedRoom; ++row)
            ASSERT_FALSE(game.stroke.visited[col][row]) << col << "," << row;
}

// Moves come as the pointer is sampled: a quick hand, or a busy machine that
// merges queued moves, reports it several blocks on from the last one.
TEST_F(Strokes, AMoveThatSkipsBlocksOfTheLineEntersEveryBlockBetween)
{
    rightButtonDown(blockX(1), blockY(2), keyRight);
    mouseMoved(blockX(5), blockY(2));
    EXPECT_EQ(callsNamed({"playCheckSound"}),
              (std::vector<std::string>{"playCheckSound 1 2", "playCheckSound 2 2", "playCheckSound 3 2",
                                        "playCheckSound 4 2", "playCheckSound 5 2"}));
    mouseMoved(blockX(2), blockY(2));  // back over the row: every block visited
    EXPECT_EQ(callCount("playCheckSound"), 5);
    buttonReleased();

    leftButtonDown(blockX(7), blockY(0), keyLeft, false);
    mouseMoved(blockX(7), blockY(4));
    for (int row = 0; row <= 4; ++row)
        EXPECT_EQ(game.cells[7][row], Broken) << "column 7, row " << row;
    EXPECT_EQ(game.cells[7][5], Covered);
    buttonReleased();
}

TEST_F(Strokes, ASkippingMoveStopsAtABrokenBombAndADiagonalOneFillsNothing)
{
    dealBoard(10, {"...#"});
    fake.calls.clear();
    leftButtonDown(blockX(0), blockY(0), keyLeft, false);
    mouseMoved(blockX(6), blockY(0));
    EXPECT_EQ(game.cells[2][0], Broken);
    EXPECT_EQ(game.cells[3][0], Checked) << "the bomb on the way is broken";
    EXPECT_EQ(game.stroke.strokeButton, 0) << "and ends the stroke";
    EXPECT_EQ(game.cells[4][0], Covered);
    EXPECT_EQ(game.cells[6][0], Covered);
    buttonReleased();

    // The first move may leave the line of the button-down: only the block
    // under the pointer is entered.
    leftButtonDown(blockX(0), blockY(5), keyLeft, false);
    mouseMoved(blockX(3), blockY(7));
    EXPECT_EQ(game.cells[3][7], Broken);
    EXPECT_EQ(game.cells[1][5], Covered);
    EXPECT_EQ(game.cells[1][6], Covered);
    EXPECT_EQ(game.cells[2][7], Covered);
    buttonReleased();
}

TEST_F(Strokes, ARightStrokeDoesNotUncheckOnTheWayBack)
{
    rightButtonDown(blockX(0), blockY(0), keyRight);
    mouseMoved(blockX(1), blockY(0));
    mouseMoved(blockX(2), blockY(0));
    mouseMoved(blockX(1), blockY(0));
    mouseMoved(blockX(0), blockY(0));
    for (int col = 0; col < 3; ++col)
        EXPECT_EQ(game.cells[col][0], Checked);
    buttonReleased();
    // A new stroke acts on the same blocks anew.
    rightButtonDown(blockX(0), blockY(0), keyRight);
    mouseMoved(blockX(1), blockY(0));
    buttonReleased();
    EXPECT_EQ(game.cells[0][0], Covered);
    EXPECT_EQ(game.cells[1][0], Covered);
    EXPECT_EQ(game.cells[2][0], Checked);
}

TEST_F(Strokes, TheAxisFollowsTheLargerDistanceAndTiesGoToTheRow)
{
    leftButtonDown(blockX(4), blockY(4), keyLeft, false);
    mouseMoved(blockX(4) + 2, blockY(4) + 2);  // dx = dy
    EXPECT_EQ(fake.calls.back(), rowBand(4));
    mouseMoved(blockX(4) + 2, blockY(4) + 3);  // dy > dx, still on block (4,4)
    EXPECT_EQ(fake.calls.back(), columnBand(4));
    mouseMoved(blockX(4), blockY(5));  // down into the next block of the column
    EXPECT_EQ(fake.calls[fake.calls.size() - 4], columnBand(4));
    EXPECT_EQ(game.cells[4][5], Broken);
    // The anchor is now (4,5): a move along row 5 confines to that row.
    mouseMoved(blockX(5), blockY(5) + 1);
    EXPECT_EQ(callsNamed({"confineCursor"}).back(), rowBand(5));
    EXPECT_EQ(game.cells[5][5], Broken);
    buttonReleased();
    EXPECT_EQ(fake.calls.back(), "releaseCursor");
}

TEST_F(Strokes, BandsAtTheLargestSize)
{
    dealBoard(20, {"#"});
    fake.calls.clear();
    rightButtonDown(blockX(19), blockY(19), keyRight);
    mouseMoved(blockX(19), blockY(18));
    EXPECT_EQ(callsNamed({"confineCursor"}).back(), "confineCursor 381 106 396 406");
    mouseMoved(blockX(17), blockY(18));
    EXPECT_EQ(callsNamed({"confineCursor"}).back(), "confineCursor 96 376 396 391");
    buttonReleased();
}

TEST_F(Strokes, AMoveOffTheBoardDoesNothing)
{
    leftButtonDown(blockX(0), blockY(0), keyLeft, false);
    fake.calls.clear();
    mouseMoved(game.boardLeft + 12 - 20, blockY(0));  // the row clues
    mouseMoved(blockX(0), game.boardTop + 12 + 15 * 10 + 1);  // below the board
    EXPECT_TRUE(fake.calls.empty());
    EXPECT_EQ(game.stroke.strokeButton, keyLeft);
    buttonReleased();
}

TEST_F(Strokes, MovesWithoutAStrokeDoNothing)
{
    mouseMoved(blockX(3), blockY(3));
    EXPECT_TRUE(fake.calls.empty());
    EXPECT_EQ(game.cells[3][3], Covered);
}

TEST_F(Strokes, ABrokenBombEndsTheStroke)
{
    dealBoard(10, {"..#.."});
    fake.calls.clear();
    leftButtonDown(blockX(0), blockY(0), keyLeft, false);
    mouseMoved(blockX(1), blockY(0));
    mouseMoved(blockX(2), blockY(0));
    EXPECT_EQ(game.cells[2][0], Checked);
    EXPECT_EQ(game.stroke.strokeButton, 0);
    EXPECT_EQ(callCount("releaseCursor"), 1);
    EXPECT_FALSE(game.stroke.visited[0][0]);
    EXPECT_FALSE(game.stroke.visited[2][0]) << "no mark is left behind by the ending block";
    mouseMoved(blockX(3), blockY(0));
    mouseMoved(blockX(4), blockY(0));
    EXPECT_EQ(game.cells[3][0], Covered) << "the held button acts on nothing more";
    EXPECT_EQ(game.cells[4][0], Covered);
    buttonReleased();
    // The next button-down acts again, the earlier blocks included.
    leftButtonDown(blockX(3), blockY(0), keyLeft, false);
    EXPECT_EQ(game.cells[3][0], Broken);
    buttonReleased();
}

TEST_F(Strokes, ModifiedButtonsMarkAndConfineButChangeNothing)
{
    for (int word : {keyLeft | keyShift, keyLeft | keyMiddle, keyRight | keyControl, keyRight | keyShift}) {
        SCOPED_TRACE(word);
        game.gameState = Waiting;
        fake.calls.clear();
        if (word & keyLeft)
            leftButtonDown(blockX(1), blockY(1), word, false);
        else
            rightButtonDown(blockX(1), blockY(1), word);
        EXPECT_EQ(game.stroke.strokeButton, word);
        EXPECT_EQ(game.gameState, Playing);
        mouseMoved(blockX(2), blockY(1));
        EXPECT_TRUE(game.stroke.visited[2][1]);
        EXPECT_EQ(callCount("confineCursor"), 1);
        EXPECT_EQ(game.cells[1][1], Covered);
        EXPECT_EQ(game.cells[2][1], Covered);
        EXPECT_EQ(callCount("repaintBlock"), 0);
        EXPECT_FALSE(game.barRequest);
        buttonReleased();
    }
    EXPECT_EQ(game.hintsLeft, 3) << "Ctrl with the right button is no hint";
}

TEST_F(Strokes, BothButtonsAndPointsOutsideTheCellAreaAreIgnored)
{
    leftButtonDown(blockX(1), blockY(1), keyLeft | keyRight, false);
    rightButtonDown(blockX(1), blockY(1), keyLeft | keyRight);
    leftButtonDown(game.boardLeft + 11, blockY(1), keyLeft, false);
    rightButtonDown(blockX(1), game.boardTop + 11, keyRight);
    leftButtonDown(blockX(10), blockY(1), keyLeft, false);
    EXPECT_EQ(game.stroke.strokeButton, 0);
    EXPECT_EQ(game.gameState, Waiting) << "an ignored button-down does not start the clock";
    EXPECT_EQ(game.cells[1][1], Covered);
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(Strokes, OnlyACtrlClickIsPassedOn)
{
    EXPECT_FALSE(leftButtonDown(blockX(1), blockY(1), keyLeft, false));
    buttonReleased();
    EXPECT_TRUE(leftButtonDown(blockX(2), blockY(2), keyLeft | keyControl, true));
    EXPECT_TRUE(leftButtonDown(5, 5, keyLeft | keyControl, true));
}

TEST_F(Strokes, EndingWithoutAStrokeIsHarmless)
{
    endStroke();
    endStroke();
    EXPECT_EQ(game.stroke.strokeButton, 0);
    EXPECT_EQ(callCount("releaseCursor"), 2);
    EXPECT_EQ(game.gameState, Waiting);
}

TEST_F(Strokes, AStrokeHeldOverANewGameGoesOnOverTheNewBoard)
{
    leftButtonDown(blockX(0), blockY(3), keyLeft, false);
    dealBoard(10, {"", "", "", "", "", "", "", "", "", ".........#"});
    EXPECT_EQ(game.stroke.strokeButton, keyLeft);
    mouseMoved(blockX(1), blockY(3));
    EXPECT_EQ(game.cells[1][3], Broken);
    EXPECT_EQ(game.cells[0][3], Covered) << "the new board's first block was not acted on";
    buttonReleased();
}

}  // namespace
