#pragma once
// One picture level as the level tool holds it, whichever file it came from.
#include <string>

#include "game.h"

struct Level {
    std::string name;   // UTF-8; written to level files as CP949
    std::string where;  // the file (and record) it came from, for messages
    std::string flaw;   // why it is not well-formed; empty when it is
    int size = 0;
    int picture[gridRoom][gridRoom] = {};  // [col][row], 1 = bomb
};

// A name fits a level file: 1 to 19 bytes of CP949 and a zero byte.
const int maxNameBytes = levelNameBytes - 1;

bool isBoardSize(int size);  // 10, 15 or 20
int bombCount(const Level& level);
bool samePicture(const Level& a, const Level& b);
