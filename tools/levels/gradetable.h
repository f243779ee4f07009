#pragma once
// The grades of a file's or folder's levels as a Markdown table, the list
// levels/README.md keeps.
#include <string>
#include <vector>

#include "levelcheck.h"
#include "levelset.h"

std::string gradeTable(const std::string& path, const LevelSet& set, const std::vector<LevelVerdict>& verdicts);
