#pragma once
// The board in play, its hidden solution, the time bar and the game state.
// One set of game values per process; they change only through the
// operations declared here and in actions.h.

enum CellState { Covered = 0, Checked = 2, Broken = 3, CoveredBomb = 6 };
enum GameState { Playing = 0, Waiting = 1, Solved = 2, Starting = 3 };

const int gridRoom = 31;     // room of the two grids, columns and rows
using Grid = int[gridRoom][gridRoom];  // [col][row]
const int levelNameBytes = 20;

struct SizeProfile {
    int timeMax;
    int breakReward;
    int checkReward;
    int bombPenalty;
    int tickCost;
    int sizeFactor;
};

// The profile of a board size; any size but 15 and 20 gets the 10 row.
const SizeProfile& profileFor(int size);
// The size the game really plays for a requested one: 10, 15 or 20.
int playableSize(int size);

extern int boardSize;
extern int solution[gridRoom][gridRoom];  // [col][row], 1 = bomb
extern int cells[gridRoom][gridRoom];     // [col][row], a CellState
extern SizeProfile profile;               // the current size's constants
extern int timeLeft;
extern int hintsLeft;
extern int elapsedSeconds;
extern int tickPhase;
extern int gameState;
extern bool barRequest;
extern bool hintsRequest;
extern char levelName[levelNameBytes];
extern bool bestTimeAllowed;  // false for a picture board its level file did not hold
extern int randomMode;
extern bool soundEnabled;

void newGame(int size);
bool isSolved();
void clampTime();  // after every gain
// The charge of a status update: true when the bar was charged (and is to be drawn).
bool charge();
void fastTick();
void secondTick();
void activated();
// Runs a modal dialog with the clock standing; the earlier state comes back.
void modalPause(void (*dialog)());
void winFlow();
void lossFlow();
// The status panel's rules and drawing, in their order (see status.cpp).
void statusUpdate();
