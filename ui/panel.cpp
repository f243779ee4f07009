// The status panel's pictures: the seconds counter in the corner box, and
// below the board the hourglass, the time bar and one book per hint left.
// Each draws from the game values as they stand.
#include "sprites.h"
#include "window.h"
#include "game.h"
#include "layout.h"
#include "outward.h"
#include "spritesheets.h"

const int maxHints = 3;

static int barTop() { return panelTop + 23; }

static int clamped(int value, int low, int high)
{
    return value < low ? low : value > high ? high : value;
}

// The bar's drawn length: a bar below zero (the update that finds the loss)
// is drawn wholly empty from the bar's left end, never over the hourglass.
static int drawnBarLength()
{
    return clamped(timeLeft, 0, profile.timeMax);
}

// Empty bar from x over width pixels. Past the sprite's width it goes on with
// the plain part of the empty bar, without a second edge line.
static void drawEmptyBar(HDC dc, int x, int width)
{
    int first = width < barSpriteWidth ? width : barSpriteWidth;
    copySprite(dc, timeBitmap, x, barTop(), first, barRowHeight, 0, barRowHeight);
    const int plainWidth = barSpriteWidth - emptyBarEdge;
    for (int done = first; done < width; done += plainWidth) {
        int piece = width - done < plainWidth ? width - done : plainWidth;
        copySprite(dc, timeBitmap, x + done, barTop(), piece, barRowHeight, emptyBarEdge, barRowHeight);
    }
}

static bool canDraw() { return mainWindow && !drawingReleased(); }

void drawTimeBar()
{
    if (!canDraw())
        return;
    const int length = drawnBarLength();
    HDC dc = GetDC(mainWindow);
    copySprite(dc, timeBitmap, barLeft, barTop(), length, barRowHeight, 0, 0);
    drawEmptyBar(dc, barLeft + length, profile.timeMax + 4 - length);
    ReleaseDC(mainWindow, dc);
}

void drawHintArea()
{
    if (!canDraw())
        return;
    const int length = drawnBarLength();
    const int books = clamped(hintsLeft, 0, maxHints);
    HDC dc = GetDC(mainWindow);
    drawEmptyBar(dc, barLeft + length, profile.timeMax + 64 - length);
    for (int k = 1; k <= books; ++k)
        copySprite(dc, hintBitmap, hintIconX(profile.timeMax, k), panelTop + 25, hintIconEdge, hintIconEdge, hintIconEdge * bookIcon, 0);
    ReleaseDC(mainWindow, dc);
}

void drawSeconds()
{
    if (!canDraw())
        return;
    int digits[3];
    secondsDigits(elapsedSeconds, digits);
    HDC dc = GetDC(mainWindow);
    for (int i = 0; i < 3; ++i)
        copySprite(dc, scoreBitmap, 14 + scoreCellWidth * i, 14, scoreCellWidth, scoreCellHeight, scoreCellWidth * digits[i], 0);
    ReleaseDC(mainWindow, dc);
}

void drawHourglass()
{
    if (!canDraw())
        return;
    const int frame = clamped(tickPhase, 0, timerFrames - 1);
    HDC dc = GetDC(mainWindow);
    copySprite(dc, timerBitmap, 13, panelTop + 24, timerFrameEdge, timerFrameEdge, timerFrameEdge * frame, 0);
    ReleaseDC(mainWindow, dc);
}
