// The game states, the two timers in each state, the modal pause, the win
// check and the end-of-game flows.
#include "board_fixture.h"

namespace {

using States = GameTest;

TEST_F(States, NewGameStepsInOrder)
{
    fake.calls.clear();
    game.randomMode = 1;
    game.gameState = Playing;
    game.timeLeft = 3;
    game.hintsLeft = 0;
    game.elapsedSeconds = 77;
    game.tickPhase = 9;
    newGame(15);
    EXPECT_EQ(fake.calls, std::vector<std::string>{"fitWindow 15"}) << "the caller asks for the repaint";
    EXPECT_EQ(game.boardSize, 15);
    EXPECT_EQ(game.profile.timeMax, 200);
    EXPECT_EQ(game.timeLeft, 200);
    EXPECT_EQ(game.hintsLeft, 3);
    EXPECT_EQ(game.elapsedSeconds, 0);
    EXPECT_EQ(game.tickPhase, 0);
    EXPECT_TRUE(game.barRequest);
    EXPECT_TRUE(game.hintsRequest);
    EXPECT_EQ(game.gameState, Starting);
    EXPECT_STREQ(game.levelName, "Random Level");
}

TEST_F(States, OtherSizesPlayAsTen)
{
    for (int size : {0, -5, 12, 21, 31, 1000}) {
        newGame(size);
        EXPECT_EQ(game.boardSize, 10) << size;
        EXPECT_EQ(game.profile.timeMax, 100) << size;
        EXPECT_EQ(fake.calls.back(), "fitWindow 10") << size;
    }
    EXPECT_EQ(playableSize(15), 15);
    EXPECT_EQ(playableSize(20), 20);
    EXPECT_EQ(playableSize(11), 10);
}

TEST_F(States, WaitingStandsStill)
{
    ASSERT_EQ(game.gameState, Waiting);
    for (int k = 0; k < 40; ++k)
        fastTick();
    for (int k = 0; k < 5; ++k)
        secondTick();
    EXPECT_EQ(game.elapsedSeconds, 0);
    EXPECT_EQ(game.timeLeft, 98);
    EXPECT_EQ(game.tickPhase, 0);
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(States, StartingTicksOnceThenWaits)
{
    newGame(10);
    fake.calls.clear();
    secondTick();
    EXPECT_EQ(game.elapsedSeconds, 0);
    fastTick();
    EXPECT_EQ(game.gameState, Waiting);
    EXPECT_EQ(game.timeLeft, 98);
    EXPECT_EQ(callsNamed({"drawTimeBar", "drawSeconds", "drawHintArea", "drawHourglass"}),
              (std::vector<std::string>{"drawTimeBar", "drawSeconds 0", "drawHintArea 3", "drawHourglass"}));
    fastTick();
    EXPECT_EQ(fake.calls.size(), 4u) << "no update runs while waiting";
}

TEST_F(States, TheFirstActionStartsTheClock)
{
    leftClick(0, 0);
    EXPECT_EQ(game.gameState, Playing);
    secondTick();
    secondTick();
    EXPECT_EQ(game.elapsedSeconds, 2);
    fastTick();
    EXPECT_EQ(game.tickPhase, 0) << "the click's request was charged";
    fastTick();
    EXPECT_EQ(game.tickPhase, 1);
    EXPECT_EQ(fake.hourglassFrames.back(), 1);
}

TEST_F(States, SecondsCountOnlyWhilePlaying)
{
    for (int state : {Waiting, Solved, Starting}) {
        game.gameState = state;
        secondTick();
        EXPECT_EQ(game.elapsedSeconds, 0) << state;
    }
    game.gameState = Playing;
    secondTick();
    EXPECT_EQ(game.elapsedSeconds, 1);
}

void pausedDialog()
{
    fake.stateInDialog.push_back(game.gameState);
    for (int k = 0; k < 30; ++k) {
        fastTick();
        secondTick();
    }
}

TEST_F(States, AModalPauseStopsTheClockAndRestoresTheState)
{
    for (int state : {Playing, Waiting, Starting, Solved}) {
        game.gameState = state;
        game.elapsedSeconds = 4;
        game.tickPhase = 3;
        game.timeLeft = 50;
        fake.stateInDialog.clear();
        modalPause(pausedDialog);
        EXPECT_EQ(fake.stateInDialog, std::vector<int>{Waiting});
        EXPECT_EQ(game.gameState, state);
        EXPECT_EQ(game.elapsedSeconds, 4);
        EXPECT_EQ(game.tickPhase, 3);
        EXPECT_EQ(game.timeLeft, 50);
    }
}

TEST_F(States, WinRule)
{
    dealBoard(10, {"#.#"});
    EXPECT_FALSE(isSolved());
    game.cells[0][0] = Checked;
    EXPECT_FALSE(isSolved()) << "a bomb not checked";
    game.cells[2][0] = Checked;
    EXPECT_TRUE(isSolved()) << "free blocks still covered do not matter";
    game.cells[5][5] = Checked;
    EXPECT_FALSE(isSolved()) << "a free block checked";
    game.cells[5][5] = Broken;
    EXPECT_TRUE(isSolved());
    // Only the board counts: entries beyond N are not looked at.
    game.solution[12][12] = 1;
    EXPECT_TRUE(isSolved());
}

TEST_F(States, CheckingTheLastBombSolvesAndTheNextTickRunsTheWinFlow)
{
    dealBoard(10, {"#", "", "..#"});
    rightClick(0, 0);
    EXPECT_EQ(game.gameState, Playing);
    rightClick(2, 2);
    EXPECT_EQ(game.gameState, Solved);
    game.elapsedSeconds = 30;
    fake.bestTime = 31;
    fake.calls.clear();
    fastTick();
    EXPECT_EQ(callsNamed({"releaseCursor", "readBestTime", "runBestDialog", "runRecordsDialog", "runWinDialog",
                          "fitWindow", "requestFullRepaint"}),
              (std::vector<std::string>{"releaseCursor", "readBestTime 10", "runBestDialog", "runRecordsDialog",
                                        "fitWindow 10", "requestFullRepaint"}));
    EXPECT_EQ(fake.stateInDialog, (std::vector<int>{Waiting, Waiting}));
    EXPECT_EQ(game.gameState, Starting);
    EXPECT_EQ(game.elapsedSeconds, 0);
}

TEST_F(States, AnEqualTimeIsNoNewBest)
{
    dealBoard(15, {"#"});
    rightClick(0, 0);
    ASSERT_EQ(game.gameState, Solved);
    game.elapsedSeconds = 31;
    fake.bestTime = 31;
    fake.calls.clear();
    fastTick();
    EXPECT_EQ(callsNamed({"readBestTime", "runBestDialog", "runRecordsDialog", "runWinDialog", "fitWindow"}),
              (std::vector<std::string>{"readBestTime 15", "runWinDialog", "fitWindow 15"}));
}

TEST_F(States, TheWinFlowEndsAStrokeInProgress)
{
    dealBoard(10, {"##"});
    rightButtonDown(blockX(0), blockY(0), keyRight);
    mouseMoved(blockX(1), blockY(0));
    ASSERT_EQ(game.gameState, Solved);
    ASSERT_EQ(game.stroke.strokeButton, keyRight);
    fastTick();
    EXPECT_EQ(game.stroke.strokeButton, 0);
    EXPECT_FALSE(game.stroke.visited[0][0]);
}

TEST_F(States, AnIdleActionAfterTheSolvingOneKeepsTheWin)
{
    dealBoard(10, {"#"});
    leftClick(5, 5);
    rightClick(0, 0);
    ASSERT_EQ(game.gameState, Solved);
    rightClick(5, 5);  // a broken block: nothing changes
    EXPECT_EQ(game.gameState, Solved);
    leftClick(5, 5);
    EXPECT_EQ(game.gameState, Solved);
    leftButtonDown(blockX(5), blockY(5), keyLeft | keyShift, false);  // a stroke that changes nothing
    mouseMoved(blockX(6), blockY(5));
    buttonReleased();
    EXPECT_EQ(game.gameState, Solved);
    ctrlClick(0, 5);  // breaks the free blocks of column 0 and row 5
    EXPECT_EQ(game.gameState, Solved) << "a hint only breaks free blocks and checks bombs";
    ctrlClick(0, 5);  // nothing left to change in those lines
    EXPECT_EQ(game.gameState, Solved);
    fake.calls.clear();
    fastTick();
    EXPECT_EQ(callCount("runWinDialog") + callCount("runBestDialog"), 1);
}

TEST_F(States, AnActionThatUndoesTheWinResumesPlay)
{
    dealBoard(10, {"#"});
    rightClick(0, 0);
    ASSERT_EQ(game.gameState, Solved);
    rightClick(0, 0);
    EXPECT_EQ(game.gameState, Playing);
    rightClick(4, 4);
    rightClick(0, 0);
    EXPECT_EQ(game.gameState, Playing) << "a checked free block spoils the win";
    fastTick();
    EXPECT_EQ(callCount("runWinDialog") + callCount("runBestDialog"), 0);
}

TEST_F(States, LossFlow)
{
    game.gameState = Playing;
    game.timeLeft = 1;
    game.barRequest = true;
    fake.calls.clear();
    rightButtonDown(blockX(0), blockY(0), keyRight);
    statusUpdate();  // the check lifted the bar to 4, the charge takes it to 2
    game.tickPhase = 16;
    game.timeLeft = 1;
    statusUpdate();
    EXPECT_EQ(callsNamed({"releaseCursor", "runLossDialog", "fitWindow", "requestFullRepaint"}),
              (std::vector<std::string>{"releaseCursor", "runLossDialog", "fitWindow 10", "requestFullRepaint"}));
    EXPECT_EQ(fake.stateInDialog, std::vector<int>{Waiting});
    EXPECT_EQ(game.stroke.strokeButton, 0);
    EXPECT_EQ(game.gameState, Starting);
    EXPECT_EQ(game.timeLeft, 100);
}

TEST_F(States, TheLossFlowIsNotEnteredAgainFromItsOwnDialog)
{
    game.gameState = Playing;
    game.timeLeft = -5;
    // The dialog's message loop repaints the window: its status update sees the old bar.
    // Only the first dialog repaints, so that a missing guard shows as a
    // second dialog rather than endless nesting.
    static int repaints;
    repaints = 0;
    fake.onLossDialog = [] {
        if (repaints++ == 0)
            statusUpdate();
    };
    statusUpdate();
    EXPECT_EQ(callCount("runLossDialog"), 1);
    EXPECT_EQ(game.gameState, Starting);
    EXPECT_EQ(game.timeLeft, 100);
    // The guard is lifted once the flow is over.
    fake.onLossDialog = nullptr;
    game.timeLeft = -1;
    statusUpdate();
    EXPECT_EQ(callCount("runLossDialog"), 2);
}

TEST_F(States, TheRepaintAfterAFlowUpdatesTheFreshBoard)
{
    fake.onFullRepaint = [] { statusUpdate(); };
    game.gameState = Playing;
    game.timeLeft = -1;
    statusUpdate();
    EXPECT_EQ(callCount("runLossDialog"), 1);
    EXPECT_EQ(game.gameState, Waiting);
    EXPECT_EQ(game.timeLeft, 98);
}

TEST_F(States, ALastBombBrokenBelowZeroStillWins)
{
    dealBoard(10, {"##"});
    rightClick(0, 0);
    game.timeLeft = 5;
    leftClick(1, 0);
    EXPECT_LT(game.timeLeft, 0);
    EXPECT_EQ(game.gameState, Solved);
    // A repaint during the win dialog must not open the loss dialog on top of it.
    fake.onWinDialog = [] { statusUpdate(); };
    fake.onBestDialog = [] { statusUpdate(); };
    fake.calls.clear();
    fastTick();
    EXPECT_EQ(callCount("runLossDialog"), 0);
    EXPECT_EQ(callCount("runWinDialog") + callCount("runBestDialog"), 1);
    EXPECT_EQ(game.gameState, Starting);
}

TEST_F(States, ABrokenBombWithTheBarBelowZeroLosesAtTheNextUpdate)
{
    dealBoard(10, {"##"});
    game.timeLeft = 5;
    leftClick(0, 0);
    EXPECT_EQ(game.gameState, Playing);
    EXPECT_EQ(callCount("runLossDialog"), 0);
    fastTick();
    EXPECT_EQ(callCount("runLossDialog"), 1);
}

TEST_F(States, ADialogThatEndsTheProgramStillGetsANewBoard)
{
    game.gameState = Playing;
    game.timeLeft = -1;
    fake.onLossDialog = [] { endStroke(); };  // Quit game: the window layer frees the cursor and quits
    statusUpdate();
    EXPECT_EQ(game.gameState, Starting);
    EXPECT_EQ(callCount("fitWindow"), 1);
}

}  // namespace
