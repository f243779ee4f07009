#pragma once
// Counting the pictures that fit a board's clues when line logic stalls, as
// good nonogram solvers do: probe every undecided block both ways with line
// logic and keep what both ways agree on, or the way the other contradicts;
// only then guess, on the block whose probes decided the most. The search
// stops at a time limit, so a hard board gets an answer instead of a hang.
#include <atomic>

#include "linesolver.h"

// What the clues of a board allow.
const int noPicture = 0;         // the clues contradict one another
const int uniqueByLines = 1;     // one picture, and line logic finds it
const int uniqueByGuessing = 2;  // one picture, but line logic stalls
const int severalPictures = 3;   // more than one picture fits
const int undecidedInTime = 4;   // the search ran out of time

struct SolutionCount {
    int pictures = 0;       // found, at most the limit
    bool finished = false;  // false when the time ran out before the count was sure
};

// picture, when given, is one the clues are known to fit (the clues were
// made from it): it counts as found, and the search looks away from it first.
// cancel, when given and set, ends the search as running out of time does:
// the level editor judges on a worker thread and drops a stale question.
SolutionCount countSolutions(const BoardClues& clues, int limit, double secondsAllowed,
                             const int (*picture)[gridRoom] = nullptr, const std::atomic<bool>* cancel = nullptr);

// One of the verdicts above; known gets what line logic alone decides.
// other, when given, gets a second picture that fits when there are several:
// the level editor marks where it differs from the one drawn.
int judgeClues(const BoardClues& clues, double secondsAllowed, int (*known)[gridRoom],
               const int (*picture)[gridRoom] = nullptr, const std::atomic<bool>* cancel = nullptr,
               int (*other)[gridRoom] = nullptr);

// One picture that fits the clues, into picture[col][row]: the one line
// logic finds, else the first the search meets. False when none fits or
// none was met in time. The level editor draws a puzzle that has no single
// answer this way, so that it can be mended.
bool findPicture(const BoardClues& clues, double secondsAllowed, int (*picture)[gridRoom]);
