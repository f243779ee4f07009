#pragma once
// The quality bar of a shipped level: well-formed, exactly one solution that
// line logic alone reaches, a bomb share a player finds fair, and no repeat
// (shifted or mirrored copies included) of another level of the same file.
#include <atomic>
#include <string>
#include <vector>

#include "level.h"
#include "picturesearch.h"

const int fewestBombPercent = 30;
const int mostBombPercent = 70;
// The grade weighs the work of line logic against the board: its steps (line
// solves that decide a block, counted round by round, so a long chain counts
// every link) per row and column, in hundredths. A board of any size with the
// same work per line takes each of its lines up as often, so a grade means
// the same on every size. The bounds follow from the shipped pictures by
// thirdsOfWork below; `bombalevels figures levels` prints both.
const int mostEasyWork = 163;
const int mostMiddleWork = 216;
// How long the count of pictures may search when line logic stalls.
const double defaultSearchSeconds = 1;

struct LevelVerdict {
    bool wellFormed = false;
    int lineResult = linesStuck;  // solvedByLines, linesContradict, linesStuck
    int known[gridRoom][gridRoom] = {};
    int undecided = 0;
    int pictures = noPicture;  // the verdict of picturesearch.h
    int otherPicture[gridRoom][gridRoom] = {};  // another that fits, when there are several
    double searchSeconds = defaultSearchSeconds;
    int rounds = -1;           // of line logic, when it solves the board
    int steps = -1;            // of line logic, when it solves the board
    int bombs = -1;  // -1 when the board could not be read whole
    bool fairShare = false;
    int repeatOf = -1;  // index of an earlier level it repeats
    std::string repeatHow;
    bool passes = false;
};

// cancel, when given and set, cuts the count of pictures short as the time limit does.
LevelVerdict judgeLevel(const Level& level, double searchSeconds = defaultSearchSeconds,
                        const std::atomic<bool>* cancel = nullptr);
// Judges the levels of one file or folder, repeats included.
std::vector<LevelVerdict> judgeLevels(const std::vector<Level>& levels, double searchSeconds = defaultSearchSeconds);
// One level's findings; failures name every reason and show the undecided blocks.
std::string verdictReport(const Level& level, const LevelVerdict& verdict, int index);
// Why a level fails, every reason once, in one line ("" when it passes).
std::string failureReason(const Level& level, const LevelVerdict& verdict);
// "unique by line logic", "more than one picture", "could not tell within 5 s", ...
std::string picturesText(int pictures, double searchSeconds);
// A board's steps per line in hundredths (rounded down); -1 without steps.
int workPerLine(int steps, int size);
// How hard a passing level is: "easy", "middle" or "hard" by its work per
// line ("no grade" without steps).
const char* gradeName(int steps, int size);
// The grade with its figures ("middle, 6 rounds, 71 steps, 1.77 a line").
std::string gradeText(int rounds, int steps, int size);
// The bounds of the grade a set of pictures gives, from their works per line:
// sorted from least to most, the work of the picture a third of the way up
// (rank n / 3, rounded up) is the most an easy level takes, that of the one
// two thirds up (rank 2 n / 3, rounded up) the most a middle one takes.
struct GradeBounds {
    int mostEasy = 0;
    int mostMiddle = 0;
};
GradeBounds thirdsOfWork(std::vector<int> works);
// Hundredths as a number with two decimals: 177 -> "1.77".
std::string hundredthsText(int hundredths);
// How many of the names are each of order's, in that order, those with none
// left out: "3 easy, 1 hard".
std::string tallyText(const std::vector<std::string>& order, const std::vector<std::string>& names);
