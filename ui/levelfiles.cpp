// The level files as the game reads them: opened, read at an offset and
// closed again for every reading, through the platform's file calls.
#include <windows.h>

#include <cstring>

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

// A character of the ANSI code page that survives the way there and back
// through UTF-16, as the private-profile calls take it.
bool isAnsiCharacter(const char* bytes, int count)
{
    WCHAR wide[2];
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, count, wide, 2) != 1)
        return false;
    char back[4];
    BOOL defaulted = FALSE;
    int length = WideCharToMultiByte(CP_ACP, 0, wide, 1, back, sizeof back, nullptr, &defaulted);
    return !defaulted && length == count && std::memcmp(back, bytes, static_cast<size_t>(count)) == 0;
}
