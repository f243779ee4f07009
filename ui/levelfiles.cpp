// The level files as the game reads them: opened, read at an offset and
// closed again for every reading, through the platform's file calls.
#include <windows.h>

#include "levelpath.h"
#include "outward.h"

static HFILE openLevelFile(int size)
{
    char path[levelPathRoom];
    if (!levelFilePath(size, path, levelPathRoom))
        return HFILE_ERROR;
    return _lopen(path, OF_READ);
}

// Bytes read at offset, or 0 when the seek or the read fails.
static int readAt(HFILE file, long offset, unsigned char* into, int bytes)
{
    if (_llseek(file, offset, FILE_BEGIN) == HFILE_ERROR)
        return 0;
    UINT got = _lread(file, into, static_cast<UINT>(bytes));
    if (got == static_cast<UINT>(HFILE_ERROR) || got > static_cast<UINT>(bytes))
        return 0;
    return static_cast<int>(got);
}

int readLevelBytes(int size, long offset, unsigned char* into, int bytes)
{
    HFILE file = openLevelFile(size);
    if (file == HFILE_ERROR)
        return -1;
    int got = offset >= 0 && bytes > 0 ? readAt(file, offset, into, bytes) : 0;
    _lclose(file);
    return got;
}
