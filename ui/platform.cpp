// The small services the game asks of the platform: the cursor confinement
// of a stroke, the level reader's message box and the calendar clock.
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

unsigned clockSeconds() { return static_cast<unsigned>(std::time(nullptr)); }
