// The path of a level file, built afresh from the current directory for
// every reading.
#include "levelpath.h"

#include <cstdio>

#include "outward.h"

#ifdef _WIN32
const char pathSeparator = '\\';
#else
const char pathSeparator = '/';
#endif

bool levelFilePath(int size, char* path, int room)
{
    char directory[levelPathRoom];
    if (room <= 0)
        return false;
    path[0] = 0;
    int length = currentDirectory(directory, levelPathRoom);
    if (length <= 0 || length >= levelPathRoom)
        return false;
    directory[length] = 0;
    if (room > levelPathRoom)
        room = levelPathRoom;  // the path never grows past the platform's buffer
    int written = std::snprintf(path, room, "%s%clevel%d.dat", directory, pathSeparator, size);
    if (written < 0 || written >= room) {
        path[0] = 0;
        return false;
    }
    return true;
}
