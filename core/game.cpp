// The game values, the per-size constants, the set-up of a new board, the
// time-bar economy and the state machine driven by the two timers.
#include "game.h"

#include "actions.h"
#include "outward.h"
#include "puzzle.h"

int boardSize = 10;
int solution[gridRoom][gridRoom];
int cells[gridRoom][gridRoom];
SizeProfile profile = {100, 5, 3, 20, 2, 1};
int timeLeft = 100;
int hintsLeft = 3;
int elapsedSeconds = 0;
int tickPhase = 0;
int gameState = Starting;
bool barRequest = true;
bool hintsRequest = true;
char levelName[levelNameBytes] = "Random Level";
bool bestTimeAllowed = true;
int randomMode = 1;
bool soundEnabled = false;

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
    timeLeft = profile.timeMax;
    barRequest = true;
    hintsLeft = 3;
    hintsRequest = true;
    tickPhase = 0;
    elapsedSeconds = 0;
    gameState = Starting;
}

void newGame(int size)
{
    boardSize = playableSize(size);
    profile = profileFor(boardSize);
    fitWindow(boardSize);
    fillBoardFromSource(boardSize);
    freshGameValues();
}

bool isSolved()
{
    for (int col = 0; col < boardSize; ++col)
        for (int row = 0; row < boardSize; ++row)
            if ((cells[col][row] == Checked) != (solution[col][row] == 1))
                return false;
    return true;
}

void clampTime()
{
    if (timeLeft >= profile.timeMax)
        timeLeft = profile.timeMax;
}

bool charge()
{
    if (tickPhase < chargeTicks && !barRequest)
        return false;
    timeLeft -= profile.tickCost;
    tickPhase = 0;
    return true;
}

void fastTick()
{
    switch (gameState) {
    case Waiting: return;
    case Solved: winFlow(); return;
    }
    ++tickPhase;
    statusUpdate();
}

void secondTick()
{
    if (gameState == Playing)
        ++elapsedSeconds;
}

void activated()
{
    barRequest = true;
    hintsRequest = true;
}

void modalPause(void (*dialog)())
{
    int before = gameState;
    gameState = Waiting;
    dialog();
    gameState = before;
}

static void winDialogs()
{
    if (bestTimeAllowed && elapsedSeconds < readBestTime(boardSize)) {
        runBestDialog();
        runRecordsDialog();
        return;
    }
    runWinDialog();
}

static void nextBoard()
{
    newGame(boardSize);
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
