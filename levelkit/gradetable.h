#pragma once
// The grades of a file's or folder's levels as a Markdown table, the list
// levels/README.md keeps, and the figures the grade's bounds follow from.
#include <string>
#include <vector>

#include "levelcheck.h"
#include "levelset.h"

std::string gradeTable(const std::string& path, const LevelSet& set, const std::vector<LevelVerdict>& verdicts);

// One line per level of every set: its figures and grade, then each set's
// tally and the bounds the passing levels of all sets give by thirdsOfWork,
// beside the bounds in use.
std::string figuresReport(const std::vector<std::string>& paths, const std::vector<LevelSet>& sets,
                          const std::vector<std::vector<LevelVerdict>>& verdicts);
