// The end-of-game and best-times dialogs: BEST (a new best time), TOPSCORE
// (the table), GAMEOVER (the bar ran out) and GAMEOVER1 (solved, no record).
// Each runs modally over the main window inside the game's modal pause.
#include "spritesheets.h"
#include "dialogs.h"

#include <cstring>
#include <vector>

#include "game.h"
#include "gdisurface.h"
#include "ids.h"
#include "outward.h"
#include "recordvalues.h"
#include "records.h"
#include "sound.h"
#include "window.h"

static const int storedTextBytes = 20;  // the name and the time are stored as at most 19 bytes

// The solution thumbnail of BEST and GAMEOVER1, in the dialog's client pixels:
// cells from (27, 20), a one-pixel frame from (25, 18) to (89, 82).
static const int thumbLeft = 27;
static const int thumbTop = 20;
static const int blockTileY = blockEdge * brokenTile;  // the broken block's tile, solid cyan

// Quit game (and Escape) ends the program as the Exit command does, settings
// saved; the quit message then ends the dialog's loop.
void quitFromDialog()
{
    shutDown(true);
}

// --- the thumbnail ---------------------------------------------------------

static void drawThumbnailFrame(HDC dc)
{
    HGDIOBJ previous = SelectObject(dc, whitePen);
    drawPenLine(dc, 25, 18, 25, 82);
    drawPenLine(dc, 25, 18, 89, 18);
    SelectObject(dc, previous);
    previous = SelectObject(dc, grayPen);
    drawPenLine(dc, 88, 82, 25, 82);
    drawPenLine(dc, 89, 81, 89, 18);
    SelectObject(dc, previous);
}

static void drawThumbnailCells(HDC dc)
{
    HDC memory = sheetContext(blockSheet);
    if (memory == nullptr)
        return;
    int size = playableSize(game.boardSize);
    int cell = thumbCell(size);
    for (int i = 0; i < size; ++i)
        for (int j = 0; j < size; ++j)
            if (game.solution[j][i] == 1)  // row i, column j
                BitBlt(dc, thumbLeft + j * cell, thumbTop + i * cell, cell, cell, memory, 0, blockTileY, SRCCOPY);
}

static void paintThumbnail(HWND dialog)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(dialog, &ps);
    drawThumbnailFrame(dc);
    drawThumbnailCells(dc);
    EndPaint(dialog, &ps);
}

// --- the fields ------------------------------------------------------------

static void showLevelAndSeconds(HWND dialog)
{
    char level[levelNameBytes];
    copyFitting(level, sizeof level, game.levelName, ansiLeadByte);
    SetDlgItemTextA(dialog, IDC_LEVELNAME, level);
    SetDlgItemInt(dialog, IDC_SECONDS, static_cast<UINT>(game.elapsedSeconds), FALSE);
}

static const char* congratulationFor(int size)
{
    switch (playableSize(size)) {
    case 15: return "중급자중 최고 기록입니다. 이름을 입력하여 주십시오";
    case 20: return "숙련자중 최고 기록입니다. 이름을 입력하여 주십시오";
    default: return "초보자중 최고 기록입니다. 이름을 입력하여 주십시오";
    }
}

// The name field takes any length; only its first 19 bytes are kept, never
// half of a double-byte character.
static void readPlayerName(HWND dialog, char* out)
{
    HWND field = GetDlgItem(dialog, IDC_PLAYERNAME);
    std::vector<char> text(GetWindowTextLengthA(field) + 1, '\0');
    GetWindowTextA(field, text.data(), static_cast<int>(text.size()));
    copyFitting(out, storedTextBytes, text.data(), ansiLeadByte);
}

static void storeNewRecord(HWND dialog)
{
    char name[storedTextBytes];
    char seconds[storedTextBytes] = "";
    readPlayerName(dialog, name);
    GetDlgItemTextA(dialog, IDC_SECONDS, seconds, sizeof seconds);
    storeRecord(game.boardSize, name, seconds, game.levelName);
}

static void storeAndClose(HWND dialog)
{
    storeNewRecord(dialog);
    EndDialog(dialog, 0);
}

static void showRecordRows(HWND dialog, const RecordRow rows[3])
{
    static const int nameIds[3] = {IDC_NAME1, IDC_NAME2, IDC_NAME3};
    static const int scoreIds[3] = {IDC_SCORE1, IDC_SCORE2, IDC_SCORE3};
    static const int levelIds[3] = {IDC_LNAME1, IDC_LNAME2, IDC_LNAME3};
    for (int k = 0; k < 3; ++k) {
        SetDlgItemTextA(dialog, nameIds[k], rows[k].name);
        SetDlgItemInt(dialog, scoreIds[k], static_cast<UINT>(rows[k].seconds), FALSE);
        SetDlgItemTextA(dialog, levelIds[k], rows[k].levelName);
    }
}

static void showStoredRecords(HWND dialog)
{
    RecordRow rows[3];
    readRecordTable(rows);
    showRecordRows(dialog, rows);
}

static void resetAndShowDefaults(HWND dialog)
{
    RecordRow rows[3];
    resetRecords();
    defaultRecordTable(rows);
    showRecordRows(dialog, rows);
}

// --- opening ---------------------------------------------------------------

static void openBest(HWND dialog)
{
    centreOnScreen(dialog);
    playBestTimeSound();
    SetDlgItemTextA(dialog, IDC_CONGRATS, congratulationFor(game.boardSize));
    showLevelAndSeconds(dialog);
}

static void openRecords(HWND dialog)
{
    centreOnScreen(dialog);
    showStoredRecords(dialog);
}

static void openWin(HWND dialog)
{
    centreOnScreen(dialog);
    showLevelAndSeconds(dialog);
}

// --- the dialog procedures ---------------------------------------------------
// Opening messages return true so the first tab stop gets the focus.

// BEST can only be left through OK; Escape's cancel command does nothing.
static INT_PTR CALLBACK bestProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        openBest(dialog);
        return TRUE;
    case WM_PAINT:
        paintThumbnail(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            storeAndClose(dialog);
        return TRUE;
    }
    return FALSE;
}

static INT_PTR CALLBACK recordsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        openRecords(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            EndDialog(dialog, 0);
        else if (LOWORD(wParam) == IDC_RESET)
            resetAndShowDefaults(dialog);
        return TRUE;
    }
    return FALSE;
}

// GAMEOVER and GAMEOVER1: OK goes on to a new game, Quit game (and Escape,
// whose cancel command is the same id) ends the program.
static void endOrQuit(HWND dialog, WPARAM wParam)
{
    if (LOWORD(wParam) == IDOK)
        EndDialog(dialog, 0);
    else if (LOWORD(wParam) == IDCANCEL)
        quitFromDialog();
}

static INT_PTR CALLBACK lossProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        centreOnScreen(dialog);
        return TRUE;
    case WM_COMMAND:
        endOrQuit(dialog, wParam);
        return TRUE;
    }
    return FALSE;
}

static INT_PTR CALLBACK winProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        openWin(dialog);
        return TRUE;
    case WM_PAINT:
        paintThumbnail(dialog);
        return TRUE;
    case WM_COMMAND:
        endOrQuit(dialog, wParam);
        return TRUE;
    }
    return FALSE;
}

// --- the outward operations ----------------------------------------------------

static void runDialog(const char* name, DLGPROC procedure)
{
    DialogBoxParamA(programInstance, name, mainWindow, procedure, 0);
}

void runBestDialog() { runDialog("BEST", bestProc); }
void runRecordsDialog() { runDialog("TOPSCORE", recordsProc); }
void runWinDialog() { runDialog("GAMEOVER1", winProc); }
void runLossDialog() { runDialog("GAMEOVER", lossProc); }
