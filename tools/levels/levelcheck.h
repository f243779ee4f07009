#pragma once
// The quality bar of a shipped level: well-formed, exactly one solution that
// line logic alone reaches, a bomb share a player finds fair, and no repeat
// of another level of the same file.
#include <string>
#include <vector>

#include "level.h"
#include "linesolver.h"

const int fewestBombPercent = 30;
const int mostBombPercent = 70;

struct LevelVerdict {
    bool wellFormed = false;
    int lineResult = linesStuck;  // solvedByLines, linesContradict, linesStuck
    int known[gridRoom][gridRoom] = {};
    int undecided = 0;
    int solutions = 0;  // counted (up to 2) when line logic is stuck
    int bombs = 0;
    bool fairShare = false;
    int repeatOf = -1;  // index of an earlier level with the same picture
    bool passes = false;
};

LevelVerdict judgeLevel(const Level& level);
// Judges the levels of one file or folder, repeats included.
std::vector<LevelVerdict> judgeLevels(const std::vector<Level>& levels);
// One level's findings; failures name the reason and show the undecided blocks.
std::string verdictReport(const Level& level, const LevelVerdict& verdict, int index);
// Why a level fails, in one line, for refusals ("" when it passes).
std::string failureReason(const Level& level, const LevelVerdict& verdict);
