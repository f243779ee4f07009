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
// The grade's bounds in rounds of line logic. A round takes every line once,
// so a long board is not hard for its length alone: a hard picture is one
// whose deductions hang on one another in a long chain.
const int mostEasyRounds = 4;
const int mostMiddleRounds = 8;
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
// How hard a passing level is: "easy", "middle" or "hard" by the rounds of
// line logic it takes ("no grade" without rounds).
const char* gradeName(int rounds);
// The grade with its rounds ("middle, 6 rounds").
std::string gradeText(int rounds);
// How many of the names are each of order's, in that order, those with none
// left out: "3 easy, 1 hard".
std::string tallyText(const std::vector<std::string>& order, const std::vector<std::string>& names);
