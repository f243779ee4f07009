// The time bar: what every event does to it at each size, the clamp and the
// charge of the status update.
#include "board_fixture.h"

namespace {

struct SizeCase {
    int size;
    int clickBreak, hintBreak, check, hintBomb, bomb, tick, full;
};

const SizeCase sizes[] = {
    {10, 5, 5, 3, 2, 20, 2, 100},
    {15, 4, 4, 3, 2, 40, 3, 200},
    {20, 6, 3, 6, 2, 120, 4, 290},
};

struct Economy : GameTest {
    // A board with a bomb at (0,0) and everything else free; the bar is set
    // well inside its range so no gain is clamped.
    void deal(const SizeCase& c)
    {
        dealBoard(c.size, {"#"});
        game.timeLeft = 50;
    }
};

TEST_F(Economy, ProfilesOfTheThreeSizes)
{
    for (const SizeCase& c : sizes) {
        const SizeProfile& p = profileFor(c.size);
        EXPECT_EQ(p.timeMax, c.full);
        EXPECT_EQ(p.tickCost, c.tick);
        EXPECT_EQ(p.checkReward, 3);
        EXPECT_EQ(p.sizeFactor, c.size / 10);
    }
    EXPECT_EQ(profileFor(12).timeMax, 100);
    EXPECT_EQ(profileFor(0).bombPenalty, 20);
}

TEST_F(Economy, EveryEventAtEverySize)
{
    for (const SizeCase& c : sizes) {
        SCOPED_TRACE(c.size);
        deal(c);
        leftClick(3, 3);
        EXPECT_EQ(game.timeLeft, 50 + c.clickBreak) << "free block broken by a click";

        deal(c);
        rightClick(3, 3);
        EXPECT_EQ(game.timeLeft, 50 + c.check) << "check";
        rightClick(3, 3);
        EXPECT_EQ(game.timeLeft, 50 + 2 * c.check) << "uncheck earns the same";
        EXPECT_EQ(game.cells[3][3], Covered);

        deal(c);
        leftClick(0, 0);
        EXPECT_EQ(game.timeLeft, 50 - c.bomb) << "bomb broken";
        EXPECT_EQ(game.cells[0][0], Checked);

        deal(c);
        game.tickPhase = 5;
        game.barRequest = true;
        statusUpdate();
        EXPECT_EQ(game.timeLeft, 50 - c.tick) << "one charge";
        EXPECT_EQ(game.tickPhase, 0);
    }
}

TEST_F(Economy, HintRewardsHaveNoSizeFactor)
{
    for (const SizeCase& c : sizes) {
        SCOPED_TRACE(c.size);
        // A hint on (0,0): the bomb there is checked, the rest of column 0
        // and row 0 (2N - 2 free blocks) are broken.
        deal(c);
        game.timeLeft = 0;  // no clamp: the largest gain is 116 at N = 20
        ctrlClick(0, 0);
        int gained = c.hintBomb + (2 * c.size - 2) * c.hintBreak;
        EXPECT_EQ(game.timeLeft, gained - c.tick) << "the gain, then the hint's own charge";
        EXPECT_EQ(game.cells[0][0], Checked);
        EXPECT_EQ(game.cells[0][c.size - 1], Broken);
        EXPECT_EQ(game.cells[c.size - 1][0], Broken);
    }
}

TEST_F(Economy, GainsAreClampedToTheFullBar)
{
    dealBoard(20);
    game.timeLeft = 288;
    leftButtonDown(blockX(0), blockY(5), keyLeft, false);
    for (int col = 1; col < 6; ++col)
        mouseMoved(blockX(col), blockY(5));
    buttonReleased();
    EXPECT_EQ(game.timeLeft, 290);
    for (int col = 0; col < 6; ++col)
        EXPECT_EQ(game.cells[col][5], Broken);

    dealBoard(10);
    game.timeLeft = 99;
    rightClick(4, 4);
    EXPECT_EQ(game.timeLeft, 100);
    clampTime();
    EXPECT_EQ(game.timeLeft, 100);
    game.timeLeft = 101;
    clampTime();
    EXPECT_EQ(game.timeLeft, 100);
    game.timeLeft = -7;
    clampTime();
    EXPECT_EQ(game.timeLeft, -7) << "losses are never clamped";
}

TEST_F(Economy, BombsDriveTheBarFarBelowZeroWithoutAClamp)
{
    dealBoard(20, {"####"});
    game.timeLeft = 10;
    leftClick(0, 0);
    leftClick(1, 0);
    EXPECT_EQ(game.timeLeft, 10 - 240);
}

TEST_F(Economy, FreshBarAfterTheFirstUpdate)
{
    for (const SizeCase& c : sizes) {
        SCOPED_TRACE(c.size);
        fake.barDrawnAt.clear();
        newGame(c.size);
        EXPECT_EQ(game.timeLeft, c.full);
        EXPECT_EQ(game.gameState, Starting);
        statusUpdate();
        EXPECT_EQ(game.timeLeft, c.full - c.tick);
        EXPECT_EQ(fake.barDrawnAt, std::vector<int>{c.full - c.tick});
        EXPECT_EQ(game.gameState, Waiting);
        statusUpdate();
        EXPECT_EQ(game.timeLeft, c.full - c.tick) << "a second update has nothing to charge";
    }
}

TEST_F(Economy, SeveralRequestsGiveOneCharge)
{
    game.timeLeft = 50;
    leftClick(1, 1);
    leftClick(2, 2);
    activated();
    EXPECT_EQ(game.timeLeft, 60);
    statusUpdate();
    EXPECT_EQ(game.timeLeft, 58);
    EXPECT_FALSE(game.barRequest);
    EXPECT_EQ(callCount("drawTimeBar"), 1);
}

TEST_F(Economy, ChargeEverySixteenTicksWhilePlaying)
{
    game.gameState = Playing;
    game.timeLeft = 50;
    for (int tick = 1; tick <= 15; ++tick)
        fastTick();
    EXPECT_EQ(game.timeLeft, 50);
    EXPECT_EQ(game.tickPhase, 15);
    EXPECT_EQ(callCount("drawTimeBar"), 0);
    fastTick();
    EXPECT_EQ(game.timeLeft, 48);
    EXPECT_EQ(game.tickPhase, 0);
    for (int tick = 0; tick < 32; ++tick)
        fastTick();
    EXPECT_EQ(game.timeLeft, 44);
    EXPECT_EQ(callCount("drawTimeBar"), 3);
    // The hourglass shows frames 0 .. 15 and turns over at the charge.
    EXPECT_EQ(fake.hourglassFrames[14], 15);
    EXPECT_EQ(fake.hourglassFrames[15], 0);
}

TEST_F(Economy, AnActionRestartsTheSixteenTickCount)
{
    game.gameState = Playing;
    game.timeLeft = 50;
    for (int tick = 0; tick < 10; ++tick)
        fastTick();
    leftClick(1, 1);  // +5, asks for a charge
    fastTick();
    EXPECT_EQ(game.timeLeft, 53);
    EXPECT_EQ(game.tickPhase, 0);
    for (int tick = 0; tick < 15; ++tick)
        fastTick();
    EXPECT_EQ(game.timeLeft, 53);
    fastTick();
    EXPECT_EQ(game.timeLeft, 51);
}

TEST_F(Economy, ZeroIsNotALossMinusOneIs)
{
    game.gameState = Playing;
    game.timeLeft = 2;
    game.barRequest = true;
    statusUpdate();
    EXPECT_EQ(game.timeLeft, 0);
    EXPECT_EQ(callCount("runLossDialog"), 0);
    game.barRequest = true;
    statusUpdate();
    EXPECT_EQ(callCount("runLossDialog"), 1) << "the loss dialog opens at the update that went below zero";
    EXPECT_EQ(game.gameState, Starting) << "a new board follows the loss";
    EXPECT_EQ(game.timeLeft, 100);
}

TEST_F(Economy, ActivationCostsOneCharge)
{
    game.timeLeft = 50;
    activated();
    EXPECT_TRUE(game.hintsRequest);
    statusUpdate();
    EXPECT_EQ(game.timeLeft, 48);
    EXPECT_EQ(callCount("drawHintArea"), 1);
    statusUpdate();
    EXPECT_EQ(game.timeLeft, 48);
    EXPECT_EQ(callCount("drawHintArea"), 1);
}

}  // namespace
