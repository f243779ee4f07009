// The window fitted to the board: a client area of exactly the layout's size,
// centred on the screen, and the menu's check marks for the size and the
// board source.
#include "window.h"
#include "game.h"
#include "layout.h"
#include "outward.h"
#include "ids.h"

static bool hasLayout(int size) { return size == 10 || size == 15 || size == 20; }

// The frame metrics give the client size on most platforms; where the real
// frame or menu bar differs, the measured difference is added and the window
// moved again (a narrower window may wrap its menu, hence a few rounds).
static void placeWindow(const Layout& layout)
{
    int width = 2 * GetSystemMetrics(SM_CXDLGFRAME) + clientWidth(layout);
    int height = 2 * GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION) +
                 GetSystemMetrics(SM_CYMENU) + clientHeight(layout);
    moveCentred(mainWindow, width, height);
    for (int round = 0; round < 3; ++round) {
        RECT client;
        GetClientRect(mainWindow, &client);
        int missingWidth = clientWidth(layout) - (client.right - client.left);
        int missingHeight = clientHeight(layout) - (client.bottom - client.top);
        if (missingWidth == 0 && missingHeight == 0)
            return;
        width += missingWidth;
        height += missingHeight;
        moveCentred(mainWindow, width, height);
    }
}

static void checkItem(UINT id, bool checked)
{
    CheckMenuItem(GetMenu(mainWindow), id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void fitWindow(int size)
{
    if (!mainWindow)
        return;
    if (hasLayout(size)) {
        placeWindow(layoutFor(size));
        checkItem(IDM_BEGINNER, size == 10);
        checkItem(IDM_SKILLED, size == 15);
        checkItem(IDM_EXPERT, size == 20);
    }
    // Checked when the boards come from the picture level files.
    checkItem(IDM_PICTURES, game.randomMode == 0);
}
