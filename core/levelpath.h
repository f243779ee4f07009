#pragma once
// Where the level file of a board size lives: in the current directory.

const int levelPathRoom = 200;  // the current directory and the file name, with the zero

// The path of the level file for a size: current directory, separator,
// "level" + size + ".dat". False when it does not fit levelPathRoom or the
// directory cannot be had; path is then empty.
bool levelFilePath(int size, char* path, int room);
