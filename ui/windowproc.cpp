// The main window's messages, each handed to the game operation it stands
// for. Mouse positions are decoded here once: x and y are the unsigned low
// and high words of lParam, the key-state word is wParam.
#include "windowproc.h"
#include "paint.h"
#include "sprites.h"
#include "window.h"
#include "actions.h"
#include "game.h"
#include "help.h"
#include "ids.h"
#include "outward.h"
#include "records.h"

const UINT_PTR tickTimer = 1;
const UINT_PTR secondsTimer = 2;

static void createGame(HWND window)
{
    mainWindow = window;
    int size = 10;
    loadSettings(&size);
    newGame(size);
    requestFullRepaint();
}

static void dealNewBoard(int size)
{
    newGame(size);
    requestFullRepaint();
}

static void toggleBoardSource()
{
    game.randomMode = game.randomMode == 0 ? 1 : 0;
    dealNewBoard(game.boardSize);
}

// True when the command was the game's; others go to the default procedure.
static bool runCommand(int id)
{
    switch (id) {
    case IDM_NEWGAME: dealNewBoard(game.boardSize); return true;
    case IDM_BEGINNER: dealNewBoard(10); return true;
    case IDM_SKILLED: dealNewBoard(15); return true;
    case IDM_EXPERT: dealNewBoard(20); return true;
    case IDM_PICTURES: toggleBoardSource(); return true;
    case IDM_RECORDS: modalPause(runRecordsDialog); return true;
    case IDM_HOWTOPLAY: modalPause(runHelpSheet); return false;
    case IDM_ABOUT: modalPause(runAboutBox); return true;
    case IDM_EXIT: shutDown(true); return true;
    default: return false;
    }
}

// The largest board's window may be larger than a small screen; its client
// area must still be the board's full size.
static void allowLargeWindow(LPARAM lParam)
{
    MINMAXINFO* limits = reinterpret_cast<MINMAXINFO*>(lParam);
    const LONG roomy = 4096;
    limits->ptMaxTrackSize.x = roomy;
    limits->ptMaxTrackSize.y = roomy;
}

static void timerTick(UINT_PTR id)
{
    if (id == tickTimer)
        fastTick();
    else if (id == secondsTimer)
        secondTick();
}

// Ctrl counts when the second of two queries reports it: the first only
// clears the key's memory of an earlier press.
static bool ctrlHeld()
{
    GetAsyncKeyState(VK_CONTROL);
    return GetAsyncKeyState(VK_CONTROL) != 0;
}

// True when the message is to be passed on (a Ctrl-click).
static bool leftDown(WPARAM wParam, LPARAM lParam)
{
    const bool ctrl = ctrlHeld();
    const int hintsBefore = game.hintsLeft;
    bool passOn = leftButtonDown(LOWORD(lParam), HIWORD(lParam), static_cast<int>(wParam), ctrl);
    if (game.hintsLeft != hintsBefore)
        GetAsyncKeyState(VK_CONTROL);  // a press during the hint must not count next time
    return passOn;
}

// After shutDown the objects are gone: queued input, ticks and paints are
// left to the default procedure, which touches none of them.
static bool gameMessage(UINT message)
{
    switch (message) {
    case WM_PAINT:
    case WM_TIMER:
    case WM_COMMAND:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (drawingReleased() && gameMessage(message))
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        createGame(window);
        break;
    case WM_DESTROY:
        shutDown(true);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            activated();
        break;
    case WM_GETMINMAXINFO:
        allowLargeWindow(lParam);
        return 0;
    case WM_PAINT:
        paintBoard();
        return 0;
    case WM_COMMAND:
        if (runCommand(LOWORD(wParam)))
            return 0;
        break;
    case WM_TIMER:
        timerTick(wParam);
        return 0;
    case WM_LBUTTONDOWN:
        if (leftDown(wParam, lParam))
            break;
        return 0;
    case WM_RBUTTONDOWN:
        rightButtonDown(LOWORD(lParam), HIWORD(lParam), static_cast<int>(wParam));
        return 0;
    case WM_MOUSEMOVE:
        mouseMoved(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        buttonReleased();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
