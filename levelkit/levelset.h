#pragma once
// Loading the levels named by a path: a folder of sources, one source file
// (*.txt) or a level file.
#include <string>
#include <vector>

#include "level.h"

struct LevelSet {
    int size = 0;
    std::vector<Level> levels;          // a level's flaw tells what is wrong with it
    std::vector<std::string> warnings;
};

// False (with the problem) only when the path as a whole cannot be read: a
// missing folder or file, a corrupt or truncated level file.
bool loadLevelSet(const std::string& path, LevelSet* set, std::string* problem);
bool isSourcePath(const std::string& path);
// A folder with no sources of its own but size folders (10/, 15/, 20/) holds
// the whole set of levels: its size folders in size order. Any other path
// stands for itself.
std::vector<std::string> pathsOfSet(const std::string& path);
