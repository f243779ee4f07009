#pragma once
// Level files as the game reads them ("level10.dat" and its kin): header
// bytes 0 and 1 are 'B' '2' (the game ignores them; they mark our files),
// byte 2 the record count 1..127, then the records of a 20-byte CP949 name,
// zero-padded, and the packed picture.
#include <string>
#include <vector>

#include "level.h"

const char levelFileMark[2] = {'B', '2'};
const int maxLevelsPerFile = 127;

struct LevelFileContent {
    int size = 0;
    std::vector<Level> levels;          // a record's flaw says what is wrong with it
    std::vector<std::string> warnings;  // harmless oddities the game ignores
};

// The board size a level file's name gives (level10.dat, level15.dat,
// level20.dat), 0 for another name.
int sizeOfLevelFileName(const std::string& path);
// The one board size whose count records fill length bytes exactly, 0 when none does.
int sizeFillingLength(long length, int count);

// Empty when one file can hold that many levels, else why not: pack refuses
// more and check says so before pack has to.
std::string levelCountProblem(size_t count);

// The bytes of a level file for levels of one size. False (with the problem)
// when there are none, too many, mixed sizes, or a name CP949 cannot hold.
bool levelFileBytes(const std::vector<Level>& levels, std::string* bytes, std::string* problem);

// Reads a level file's bytes. where names the file in messages; its name
// (level10.dat, level15.dat, level20.dat) gives the board size, otherwise
// the length must fit exactly one size. False on a corrupt or truncated file.
bool parseLevelFile(const std::string& bytes, const std::string& where, LevelFileContent* content,
                    std::string* problem);

bool loadLevelFile(const std::string& path, LevelFileContent* content, std::string* problem);
