#pragma once
// Line logic for picture boards: what a player can deduce from the clues one
// row or one column at a time. The level tool uses it to prove that every
// shipped picture has exactly one solution reachable without guessing.
// One line routine serves rows and columns: a line is a first entry, a step
// between entries and a length, as in clues.h.
#include <cstdint>
#include <vector>

#include "clues.h"
#include "game.h"

// What is known about a block while solving.
const int blockUnknown = -1;
const int blockFree = 0;
const int blockBomb = 1;

// Results of solving a board by line logic.
const int solvedByLines = 0;      // every block decided
const int linesContradict = 1;    // the clues cannot all hold
const int linesStuck = 2;         // some blocks stay undecided

// Every clue line of a board: the run lengths of each column and each row.
struct BoardClues {
    int size;
    int columnRunCount[gridRoom];
    int columnRuns[gridRoom][maxRuns];
    int rowRunCount[gridRoom];
    int rowRuns[gridRoom][maxRuns];
};

// Decides the blocks of one line (blockUnknown/Free/Bomb entries) that every
// arrangement of the runs agrees on. Returns false when no arrangement fits
// what is already known; *changed tells whether a block was decided.
bool solveLine(int* first, int step, int length, const int* runs, int runCount, bool* changed);

// The clues of a picture (bits[col][row], 1 = bomb) of the given size.
void cluesOfPicture(const int (*picture)[gridRoom], int size, BoardClues* clues);
// Two lists of runs are the same clue.
bool sameRuns(const int* a, int countA, const int* b, int countB);

// Solves rows and columns until nothing changes. known[col][row] is read as
// the starting knowledge (all blockUnknown for a fresh board) and holds the
// result: decided blocks, and blockUnknown where line logic is stuck.
int solveByLines(const BoardClues& clues, int (*known)[gridRoom]);

// Lines are numbered columns first (0 .. size - 1), then rows (size ..
// 2 size - 1). Solves the lines marked in dirty (room for 2 gridRoom) and
// every line crossing a block they decide, until nothing changes; the same
// result as solveByLines when every line is marked.
// memo, when given, remembers what each line made of each state it was met
// in: a search that probes a board meets the same line states again and again.
// An open-addressing table of line and state -> result, emptied when full.
struct LineMemo {
    std::vector<std::uint64_t> keys;  // 0 marks a free slot
    std::vector<std::uint64_t> results;
    int used = 0;
};
// newlyDecided, when given, gets the number of blocks the settling decided.
int settleLines(const BoardClues& clues, int (*known)[gridRoom], bool* dirty, LineMemo* memo = nullptr,
                int* newlyDecided = nullptr);

// How many rounds line logic takes, every line solved once a round against
// what the round began with: -1 when it cannot finish the board. The length
// of the longest chain of deductions.
int lineLogicRounds(const BoardClues& clues);

// The work line logic does on a board, both counted round by round.
struct LineWork {
    int rounds = -1;  // the chain: -1 when line logic cannot finish the board
    int steps = -1;   // the work: line solves that decide at least one block
};
// A step is one row or column solved in a round that decides something, so a
// long chain counts every link and a broad round every line it moves. Like
// the rounds, the steps do not depend on the order of the lines: a mirrored
// or turned picture is the same work.
LineWork lineLogicWork(const BoardClues& clues);

// Fills known with blockUnknown for a board of the given size.
void clearKnowledge(int size, int (*known)[gridRoom]);
void copyKnowledge(int size, const int (*from)[gridRoom], int (*to)[gridRoom]);
int undecidedCount(int size, const int (*known)[gridRoom]);
