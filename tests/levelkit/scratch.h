#pragma once
// Scratch folders and small helpers shared by the tests of the level library,
// the level tool and the level editor.
#include <string>
#include <vector>

#include "level.h"

// A fresh, empty folder for one test.
std::string scratchFolder(const std::string& test);
void removeScratch(const std::string& folder);
void writeText(const std::string& path, const std::string& content);
std::string readText(const std::string& path);
bool exists(const std::string& path);
// The files of a folder, names only, sorted.
std::vector<std::string> folderListing(const std::string& folder);
// A picture, [col][row], from rows of '#' and '.'.
void boardOf(const std::vector<std::string>& rows, int (*picture)[gridRoom]);
// A level from rows of '#' and '.'.
Level levelOf(const std::string& name, const std::vector<std::string>& rows);

// A chair: a 10 x 10 picture that passes the check.
std::vector<std::string> chairRows();
// A 10 x 10 picture whose clues a swap of two blocks also satisfies.
std::vector<std::string> ambiguousRows();
