// The name of a level file. It is given relative to the current directory:
// the folder's full path never passes through the ANSI code page, which
// cannot spell every folder name (an "é" became an "e", another folder), and
// no folder is too deep for a buffer of the game's.
#include "levelpath.h"

#include <cstdio>

bool levelFilePath(int size, char* path, int room)
{
    if (room <= 0)
        return false;
    int written = std::snprintf(path, room, "level%d.dat", size);
    if (written < 0 || written >= room) {
        path[0] = 0;
        return false;
    }
    return true;
}
