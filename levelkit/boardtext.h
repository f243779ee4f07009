#pragma once
// Boards as text for the tool's output.
#include <string>

#include "level.h"
#include "linesolver.h"

// What line logic knows, row by row: '#' bomb, '.' free, '?' undecided; the
// same marks as a source file so a maintainer can paste and mend it.
std::string knowledgeGrid(int size, const int (*known)[gridRoom], const std::string& indent);
// The board with its clue numbers, as a player sees it solved; an empty line
// shows the clue 0.
std::string boardWithClues(const Level& level);
// "2,1,3" ("0" for an empty line).
std::string clueText(const int* runs, int count, char separator);
