#pragma once
// Where the level file of a board size lives: in the current directory.

const int levelPathRoom = 16;  // "level20.dat" and its zero, with room to spare

// The name of the level file for a size, "level" + size + ".dat", relative
// to the current directory. False when it does not fit room; path is then
// empty.
bool levelFilePath(int size, char* path, int room);
