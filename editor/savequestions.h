#pragma once
// The questions before a save writes: over a file another program changed
// since the editor opened or saved it, and under the level-file name of
// another board size, which the game would misread.
#include <string>

// What the player chose about a file changed on disk.
const int saveOverChange = 0;  // write over it (also when nothing changed)
const int saveElsewhere = 1;   // save under another name
const int reloadChanged = 2;   // read the file as it now is
const int saveCancelled = 3;

int askAboutChangeOnDisk(const std::string& ansiPath);
// True when the name fits the pictures' size, or the player takes it all the same.
bool mayUseNameOfOtherSize(const std::string& ansiPath);
