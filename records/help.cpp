// The help wizard (five property-sheet pages over the main window) and the
// About box. Neither touches any game data; the caller pauses the game
// around them.
#include "help.h"

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "dialogs.h"
#include "records.h"
#include "recordvalues.h"
#include "window.h"

namespace {

// The first-generation page record: the sheet walks the array by each
// record's own size, so all five stay at this size (40 bytes in the 32-bit
// game; a 64-bit build's pointers make it larger, and dwSize tells the sheet).
#ifndef _WIN64
static_assert(sizeof(PROPSHEETPAGEA_V1) == 40, "page records are 40 bytes");
#endif

const int helpPageCount = 5;

struct HelpPage {
    const char* templateName;
    DLGPROC procedure;
};

void answerNote(HWND page, LONG_PTR result)
{
    SetWindowLongPtrA(page, DWLP_MSGRESULT, result);
}

// Posted, not sent: the buttons change just after the page has become active.
void offerButtons(HWND page, DWORD buttons)
{
    PostMessageA(GetParent(page), PSM_SETWIZBUTTONS, 0, buttons);
}

// What the sheet tells a page. A message result of 0 lets a page be left,
// a cancel go through, and Back, Next and Finish move on.
INT_PTR answerSheet(HWND page, const NMHDR* note, DWORD buttons)
{
    if (!note)
        return FALSE;
    switch (note->code) {
    case PSN_SETACTIVE:
        offerButtons(page, buttons);
        return TRUE;
    case PSN_KILLACTIVE:
    case PSN_RESET:
        answerNote(page, 0);
        return TRUE;
    case PSN_WIZBACK:
    case PSN_WIZNEXT:
    case PSN_WIZFINISH:
        return TRUE;
    }
    return FALSE;
}

// A bitmap static loads the picture its template names, but under Wine it
// never deletes it: every opening of the help would leave its pictures
// behind. So each page loads its pictures itself, hands them to the statics,
// and deletes them (and anything a static hands back) when it is destroyed.
const char pictureProperty[] = "Bombagram2.picture";

bool isPicture(HWND control)
{
    return (GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
}

void deleteUnless(HGDIOBJ object, HGDIOBJ kept)
{
    if (object && object != kept)
        DeleteObject(object);
}

BOOL CALLBACK adoptPicture(HWND control, LPARAM)
{
    if (!isPicture(control))
        return TRUE;
    char name[32] = "";
    GetWindowTextA(control, name, sizeof name);
    HBITMAP own = LoadBitmapA(programInstance, name);
    if (!own)
        return TRUE;
    SetPropA(control, pictureProperty, own);
    LRESULT previous = SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(own));
    deleteUnless(reinterpret_cast<HGDIOBJ>(previous), own);
    return TRUE;
}

BOOL CALLBACK releasePicture(HWND control, LPARAM)
{
    if (!isPicture(control))
        return TRUE;
    HGDIOBJ own = RemovePropA(control, pictureProperty);
    LRESULT held = SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, 0);
    deleteUnless(reinterpret_cast<HGDIOBJ>(held), own);
    deleteUnless(own, nullptr);
    return TRUE;
}

// Every page behaves alike but for the wizard buttons it offers.
INT_PTR helpPage(HWND page, UINT message, LPARAM lParam, DWORD buttons)
{
    switch (message) {
    case WM_INITDIALOG:
        EnumChildWindows(page, adoptPicture, 0);
        return TRUE;
    case WM_DESTROY:
        EnumChildWindows(page, releasePicture, 0);
        return FALSE;
    case WM_COMMAND:
        return TRUE;
    case WM_NOTIFY:
        return answerSheet(page, reinterpret_cast<const NMHDR*>(lParam), buttons);
    }
    return FALSE;
}

INT_PTR CALLBACK firstPageProc(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    return helpPage(page, message, lParam, PSWIZB_NEXT);
}

INT_PTR CALLBACK middlePageProc(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    return helpPage(page, message, lParam, PSWIZB_BACK | PSWIZB_NEXT);
}

INT_PTR CALLBACK lastPageProc(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    return helpPage(page, message, lParam, PSWIZB_BACK | PSWIZB_FINISH);
}

const HelpPage helpPages[helpPageCount] = {
    {"HELP", firstPageProc},
    {"HELP1", middlePageProc},
    {"HELP2", middlePageProc},
    {"HELP3", middlePageProc},
    {"HELP4", lastPageProc},
};

void fillPageRecord(PROPSHEETPAGEA_V1& record, const HelpPage& page)
{
    record = PROPSHEETPAGEA_V1();
    record.dwSize = sizeof record;
    record.dwFlags = PSP_DEFAULT;
    record.hInstance = programInstance;
    record.pszTemplate = page.templateName;
    record.pfnDlgProc = page.procedure;
    record.lParam = 0;
}

typedef void(WINAPI* InitCommonControlsCall)();
typedef INT_PTR(WINAPI* PropertySheetCall)(LPCPROPSHEETHEADERA);

template <typename Call>
Call libraryCall(HMODULE library, const char* name)
{
    return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// By its full path in the system folder: a library of the same name placed
// beside the game is never taken instead.
HMODULE loadSystemLibrary(const char* name)
{
    char folder[MAX_PATH];
    char path[MAX_PATH];
    UINT length = GetSystemDirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder)
        return nullptr;
    if (!joinPath(folder, name, path, sizeof path, ansiLeadByte))
        return nullptr;
    return LoadLibraryA(path);
}

// The common controls serve the help wizard alone: they are loaded when it
// first opens, which keeps them out of the game's start-up.
PropertySheetCall loadPropertySheet()
{
    static PropertySheetCall propertySheet = nullptr;
    if (propertySheet)
        return propertySheet;
    HMODULE library = loadSystemLibrary("comctl32.dll");
    if (!library)
        return nullptr;
    InitCommonControlsCall initCommonControls = libraryCall<InitCommonControlsCall>(library, "InitCommonControls");
    if (initCommonControls)
        initCommonControls();
    propertySheet = libraryCall<PropertySheetCall>(library, "PropertySheetA");
    return propertySheet;
}

INT_PTR closeOnOk(HWND dialog, WORD command)
{
    if (command != IDOK)
        return FALSE;
    EndDialog(dialog, 0);
    return TRUE;
}

INT_PTR CALLBACK aboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        centreOnScreen(dialog);
        return TRUE;
    case WM_COMMAND:
        return closeOnOk(dialog, LOWORD(wParam));
    }
    return FALSE;
}

}  // namespace

// Always opens on page 1; Finish or Cancel closes it. Its result is not used.
void runHelpSheet()
{
    PropertySheetCall propertySheet = loadPropertySheet();
    if (!propertySheet)
        return;
    PROPSHEETPAGEA_V1 records[helpPageCount];
    for (int i = 0; i < helpPageCount; ++i)
        fillPageRecord(records[i], helpPages[i]);
    PROPSHEETHEADERA header = {};
    header.dwSize = PROPSHEETHEADERA_V1_SIZE;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_WIZARD | PSH_NOAPPLYNOW;
    header.hwndParent = mainWindow;
    header.hInstance = programInstance;
    header.pszCaption = "How To Play Bombagram 2";
    header.nPages = helpPageCount;
    header.nStartPage = 0;
    header.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(records);
    propertySheet(&header);
}

// Only OK (or Enter) closes it; Escape's cancel command goes unanswered.
void runAboutBox()
{
    DialogBoxParamA(programInstance, "ABOUT", mainWindow, aboutProc, 0);
}
