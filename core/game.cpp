// The per-size constants, the set-up of a new board, the time-bar economy and
// the state machine driven by the two timers.
#include "game.h"

#include "actions.h"
#include "outward.h"
#include "puzzle.h"

// A repaint during an end-of-game dialog runs a status update that can still
// see the old bar below zero; one end-of-game flow at a time.
static bool endOfGameRunning = false;

const int chargeTicks = 16;  // 16 ticks of 100 ms: the bar drains every 1.6 s

const SizeProfile& profileFor(int size)
{
    static const SizeProfile small = {100, 5, 3, 20, 2, 1};
    static const SizeProfile medium = {200, 4, 3, 40, 3, 1};
    static const SizeProfile large = {290, 3, 3, 60, 4, 2};
    switch (size) {
    case 15: return medium;
    case 20: return large;
    default: return small;
    }
}

int playableSize(int size)
{
    if (size == 15 || size == 20)
        return size;
    return 10;  // an edited records file may hold anything; such boards play as 10
}

static void freshGameValues()
{
    game.timeLeft = game.profile.timeMax;
    game.barRequest = true;
    game.hintsLeft = 3;
    game.hintsRequest = true;
    game.tickPhase = 0;
    game.elapsedSeconds = 0;
    game.gameState = Starting;
}

void newGame(int size)
{
    game.boardSize = playableSize(size);
    game.profile = profileFor(game.boardSize);
    fitWindow(game.boardSize);
    fillBoardFromSource(game.boardSize);
    freshGameValues();
}

bool isSolved()
{
    for (int col = 0; col < game.boardSize; ++col)
        for (int row = 0; row < game.boardSize; ++row)
            if ((game.cells[col][row] == Checked) != (game.solution[col][row] == 1))
                return false;
    return true;
}

void clampTime()
{
    if (game.timeLeft >= game.profile.timeMax)
        game.timeLeft = game.profile.timeMax;
}

bool charge()
{
    if (game.tickPhase < chargeTicks && !game.barRequest)
        return false;
    game.timeLeft -= game.profile.tickCost;
    game.tickPhase = 0;
    return true;
}

void fastTick()
{
    switch (game.gameState) {
    case Waiting: return;
    case Solved: winFlow(); return;
    }
    ++game.tickPhase;
    statusUpdate();
}

void secondTick()
{
    if (game.gameState == Playing)
        ++game.elapsedSeconds;
}

void activated()
{
    game.barRequest = true;
    game.hintsRequest = true;
}

void modalPause(void (*dialog)())
{
    int before = game.gameState;
    game.gameState = Waiting;
    dialog();
    game.gameState = before;
}

static void winDialogs()
{
    if (game.bestTimeAllowed && game.elapsedSeconds < readBestTime(game.boardSize)) {
        runBestDialog();
        runRecordsDialog();
        return;
    }
    runWinDialog();
}

static void nextBoard()
{
    newGame(game.boardSize);
    requestFullRepaint();
}

void winFlow()
{
    if (endOfGameRunning)
        return;
    endOfGameRunning = true;
    endStroke();
    modalPause(winDialogs);
    nextBoard();
    endOfGameRunning = false;
}

void lossFlow()
{
    if (endOfGameRunning)
        return;
    endOfGameRunning = true;
    endStroke();
    modalPause(runLossDialog);
    nextBoard();
    endOfGameRunning = false;
}
