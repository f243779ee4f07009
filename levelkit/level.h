#pragma once
// One picture level as the level tool holds it, whichever file it came from.
#include <string>
#include <utility>
#include <vector>

#include "game.h"

struct Level {
    std::string name;   // UTF-8; written to level files as CP949
    std::string where;  // the file (and record) it came from, for messages
    std::string flaw;   // why it is not well-formed; empty when it is
    int size = 0;
    int picture[gridRoom][gridRoom] = {};  // [col][row], 1 = bomb
    // Every block of the picture was read, whatever else is wrong; false for a
    // source whose board is ragged, holds stray characters or misses rows.
    bool wholeBoard = true;
    // Who drew it and on what terms ("by", "copyright", "license" and their
    // texts), kept from a .non puzzle through the source back to a .non.
    std::vector<std::pair<std::string, std::string>> credits;
};

// The credit lines a level keeps.
bool isCreditKey(const std::string& key);

// A name fits a level file: 1 to 19 bytes of CP949 and a zero byte.
const int maxNameBytes = levelNameBytes - 1;

bool isBoardSize(int size);  // 10, 15 or 20
int bombCount(const Level& level);
bool samePicture(const Level& a, const Level& b);

// How b repeats a: "" when it does not, else "the same picture", "shifted",
// "mirrored left to right", "upside down" or "turned half round" (both
// mirrors), each perhaps shifted as well. A shifted or mirrored copy is no new
// puzzle to a player.
std::string repeatOf(const Level& a, const Level& b);
