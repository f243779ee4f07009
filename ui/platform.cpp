// The small services the game asks of the platform: the cursor confinement
// of a stroke, the level reader's message box, the current directory and
// the calendar clock.
#include "window.h"
#include "outward.h"

#include <ctime>

void confineCursor(int left, int top, int right, int bottom)
{
    if (!mainWindow)
        return;
    POINT topLeft = {left, top};
    POINT bottomRight = {right, bottom};
    ClientToScreen(mainWindow, &topLeft);
    ClientToScreen(mainWindow, &bottomRight);
    RECT band = {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    ClipCursor(&band);
}

void releaseCursor() { ClipCursor(nullptr); }

void showErrorBox(const char* text) { MessageBoxA(nullptr, text, "error", MB_OK); }

int currentDirectory(char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(size), buffer);
    // A directory that does not fit gives the size it would need, zero included.
    if (length == 0 || length >= static_cast<DWORD>(size)) {
        buffer[0] = '\0';
        return 0;
    }
    return static_cast<int>(length);
}

unsigned clockSeconds() { return static_cast<unsigned>(std::time(nullptr)); }
