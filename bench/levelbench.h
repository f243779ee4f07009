#pragma once
// Speed figures of the check: the time each level's verdict takes, the median
// and the slowest board, which the report names and draws.
#include <string>
#include <vector>

#include "level.h"

// Random boards of the given size, each with its own bomb share between 30%
// and 45%; the same boards on every run.
std::vector<Level> randomBoards(int count, int size);
std::string benchReport(const std::vector<Level>& levels, double searchSeconds);
