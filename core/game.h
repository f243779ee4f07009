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

const int visitedRoom = 21;  // the stroke marks cover 21 x 21 blocks

// A point in the main window's client area, in pixels.
struct ClientPoint {
    int x;
    int y;
};

// The stroke in progress: a drag along one row or column.
struct Stroke {
    int strokeButton = 0;                         // key-state word of the stroke's button-down, 0 = none
    ClientPoint strokeAnchor = {0, 0};            // where the stroke last acted on a block
    bool visited[visitedRoom][visitedRoom] = {};  // [col][row], the blocks it has acted on
};

// The game values. The process holds one set, `game`; `game = Game()` starts
// it afresh with the values the program starts with.
struct Game {
    int boardSize = 10;
    Grid solution = {};                           // [col][row], 1 = bomb
    Grid cells = {};                              // [col][row], a CellState
    SizeProfile profile = {100, 5, 3, 20, 2, 1};  // the current size's constants
    int timeLeft = 100;
    int hintsLeft = 3;
    int elapsedSeconds = 0;
    int tickPhase = 0;
    int gameState = Starting;
    bool barRequest = true;
    bool hintsRequest = true;
    char levelName[levelNameBytes] = "Random Level";
    bool bestTimeAllowed = true;  // false for a picture board its level file did not hold
    int randomMode = 1;
    bool soundEnabled = false;
    Stroke stroke;
    // The layout values of the last full paint (see setLayout).
    int boardLeft = 44;
    int boardTop = 53;
    int panelTop = 203;
};

extern Game game;

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
