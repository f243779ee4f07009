// What the main window keeps for the whole run, and the orderly end that
// releases it.
#include "window.h"
#include "gdisurface.h"
#include "paint.h"
#include "sprites.h"
#include "records.h"
#include "sound.h"

HWND mainWindow = nullptr;
HINSTANCE programInstance = nullptr;
HPEN grayPen = nullptr;
HPEN whitePen = nullptr;

static bool released = false;

bool drawingReleased() { return released; }

static void deletePen(HPEN& pen)
{
    if (pen)
        DeleteObject(pen);
    pen = nullptr;
}

void shutDown(bool save)
{
    if (released)
        return;
    released = true;
    ClipCursor(nullptr);
    if (save)
        saveSettings();
    releaseDrawingTools();
    releaseKeptPicture();
    deletePen(grayPen);
    deletePen(whitePen);
    releaseSound();
    PostQuitMessage(0);
}
