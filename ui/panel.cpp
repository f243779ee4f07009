// The status panel's pictures: the seconds counter in the corner box, and
// below the board the hourglass, the time bar and one book per hint left.
// Each is drawn by the board painter from the game values as they stand.
#include "gdisurface.h"
#include "paint.h"
#include "sprites.h"
#include "window.h"
#include "game.h"
#include "layout.h"
#include "outward.h"

static bool canDraw() { return mainWindow && !drawingReleased(); }

// A device context of the main window with the painter's surface on it.
struct PanelDrawing {
    HDC dc;
    GdiSurface gdi;
    Surface surface;
    Layout layout;
};

static bool openPanelDrawing(PanelDrawing& d)
{
    if (!canDraw())
        return false;
    d.dc = GetDC(mainWindow);
    d.surface = openGdiSurface(d.gdi, d.dc);
    d.layout = paintedLayout(paintedSize());
    return true;
}

static void closePanelDrawing(PanelDrawing& d)
{
    closeGdiSurface(d.gdi);
    ReleaseDC(mainWindow, d.dc);
}

void drawTimeBar()
{
    PanelDrawing d;
    if (!openPanelDrawing(d))
        return;
    paintTimeBar(d.surface, d.layout, game.timeLeft, game.profile.timeMax);
    closePanelDrawing(d);
}

void drawHintArea()
{
    PanelDrawing d;
    if (!openPanelDrawing(d))
        return;
    paintHintArea(d.surface, d.layout, game.timeLeft, game.profile.timeMax, game.hintsLeft);
    closePanelDrawing(d);
}

void drawSeconds()
{
    PanelDrawing d;
    if (!openPanelDrawing(d))
        return;
    paintSeconds(d.surface, game.elapsedSeconds);
    closePanelDrawing(d);
}

void drawHourglass()
{
    PanelDrawing d;
    if (!openPanelDrawing(d))
        return;
    paintHourglass(d.surface, d.layout, game.tickPhase);
    closePanelDrawing(d);
}
