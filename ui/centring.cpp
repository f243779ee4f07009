// Windows placed in the middle of the screen: the main window at each new
// board size, and the dialogs over it.
#include "window.h"

// Centred on an edge of screen pixels; a window larger than the screen keeps
// its top or left edge on screen, where its caption and menu are.
static int centred(int screen, int extent)
{
    int start = screen / 2 - extent / 2;
    return start < 0 ? 0 : start;
}

void moveCentred(HWND window, int width, int height)
{
    MoveWindow(window, centred(GetSystemMetrics(SM_CXSCREEN), width),
               centred(GetSystemMetrics(SM_CYSCREEN), height), width, height, TRUE);
}

void centreOnScreen(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    moveCentred(window, r.right - r.left, r.bottom - r.top);
}
