#include "mainwindow.h"

#include <string>

#include "ansitext.h"
#include "boardview.h"
#include "documentfiles.h"
#include "editorids.h"
#include "editorwindow.h"
#include "helppage.h"
#include "nameedit.h"
#include "picturelist.h"
#include "playtest.h"
#include "verdicts.h"

const char editorClassName[] = "Bombagram2Editor";
const char editorTitle[] = "Bombagram 2 레벨 편집기";
const COLORREF editorBackground = 0xC0C0C0;

// Where the controls stand: the list and its buttons, the name and the
// suggestions in the left column; the board and its verdict on the right.
const int margin = 8;
const int columnWidth = 280;
const int listHeight = 230;
const int buttonHeight = 24;
const int rowGap = 8;
const int nameTop = margin + listHeight + rowGap + buttonHeight + rowGap;
const int suggestionsTop = nameTop + 22 + rowGap + 18;
const int suggestionsHeight = 170;
const int boardLeft = margin + columnWidth + 10;
const int verdictHeight = 84;
const int largestBoard = 20;

static HWND mainWindow = nullptr;
static HINSTANCE instance = nullptr;
static HFONT controlFont = nullptr;
static EditDocument document;
static int shownSize = 0;  // the board size the window is fitted to

HWND editorWindow() { return mainWindow; }
HINSTANCE editorInstance() { return instance; }
HWND editorControl(int id) { return GetDlgItem(mainWindow, id); }
const EditDocument& editorDocument() { return document; }
EditDocument* changeDocument() { return &document; }

static int clientWidthNeeded() { return boardLeft + boardWindowSize(largestBoard).cx + margin; }

static int clientHeightNeeded()
{
    const int right = margin + boardWindowSize(largestBoard).cy + rowGap + verdictHeight + margin;
    const int left = suggestionsTop + suggestionsHeight + margin;
    return right > left ? right : left;
}

static HWND makeControl(const char* className, const char* text, DWORD style, int id, int x, int y, int width,
                        int height, DWORD extended = 0)
{
    HWND control = CreateWindowExA(extended, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                   mainWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (control && controlFont)
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(controlFont), FALSE);
    return control;
}

static void makeListButtons()
{
    const char* const labels[] = {"추가", "복제", "삭제", "위로", "아래로"};
    const int commands[] = {IDM_ADD, IDM_DUPLICATE, IDM_DELETE, IDM_MOVEUP, IDM_MOVEDOWN};
    const int width = (columnWidth - 4 * 2) / 5;
    for (int i = 0; i < 5; ++i)
        makeControl("BUTTON", labels[i], BS_PUSHBUTTON | WS_TABSTOP, commands[i], margin + i * (width + 2),
                    margin + listHeight + rowGap, width, buttonHeight);
}

static void makeControls()
{
    controlFont = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "굴림");
    HWND list = makeControl("LISTBOX", "", LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT |
                            WS_VSCROLL | WS_BORDER | WS_TABSTOP, IDC_PICTURELIST, margin, margin, columnWidth, listHeight);
    fitListLines(list);
    makeListButtons();
    makeControl("STATIC", "이름:", SS_LEFT, IDC_NAMELABEL, margin, nameTop + 3, 34, 16);
    HWND name = makeControl("EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, IDC_NAME, margin + 36, nameTop, 120,
                            22, WS_EX_CLIENTEDGE);
    holdNameBox(name);
    makeControl("STATIC", "", SS_LEFT, IDC_NAMELEFT, margin + 160, nameTop + 3, columnWidth - 160, 16);
    makeControl("STATIC", "", SS_LEFT, IDC_SUGGESTLABEL, margin, suggestionsTop - 18, columnWidth, 16);
    makeControl("LISTBOX", "", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_BORDER | WS_TABSTOP,
                IDC_SUGGESTIONS, margin, suggestionsTop, columnWidth, suggestionsHeight);
    SIZE board = boardWindowSize(10);
    makeControl(boardClassName, "", 0, IDC_BOARD_WINDOW, boardLeft, margin, board.cx, board.cy);
    makeControl("STATIC", "", SS_LEFT, IDC_VERDICT, boardLeft, margin + board.cy + rowGap,
                boardWindowSize(largestBoard).cx, verdictHeight);
}

// The board window takes the size of the picture's board, the verdict
// stands right below it.
static void fitBoard(int size)
{
    if (size == shownSize)
        return;
    shownSize = size;
    SIZE board = boardWindowSize(size);
    SetWindowPos(editorControl(IDC_BOARD_WINDOW), nullptr, boardLeft, margin, board.cx, board.cy, SWP_NOZORDER);
    SetWindowPos(editorControl(IDC_VERDICT), nullptr, boardLeft, margin + board.cy + rowGap,
                 boardWindowSize(largestBoard).cx, verdictHeight, SWP_NOZORDER);
    InvalidateRect(mainWindow, nullptr, TRUE);
}

void showTitle()
{
    const std::string path = document.path;
    const size_t slash = path.find_last_of("\\/");
    const std::string file = path.empty() ? "새 파일" : path.substr(slash == std::string::npos ? 0 : slash + 1);
    const std::string title = std::string(editorTitle) + " - " + file + " (" + std::to_string(document.size) +
                              " x " + std::to_string(document.size) + ")" +
                              (changedSinceSaved(document) ? " *" : "");
    SetWindowTextA(mainWindow, title.c_str());
}

// The check restarts before the board is drawn: the verdict of the picture
// as it was is gone before the picture as it is shows.
void documentChanged()
{
    restartCheck();
    fitBoard(document.size);
    showPictureList();
    showSelectedName();
    repaintEditorBoard();
    showTitle();
}

void blocksChanged()
{
    restartCheck();
    repaintEditorBoard();
    showListLine(document.selected);
    showTitle();
}

void nameChanged()
{
    showListLine(document.selected);
    showTitle();
}

static void applyToDocument(bool (*operation)(EditDocument*))
{
    if (operation(&document))
        documentChanged();
    else
        MessageBeep(MB_ICONWARNING);
}

// Every way of closing (the menu, Alt+F4, the title bar's close button)
// gives a typed name to its picture and asks about unsaved changes.
static void closeEditor()
{
    if (mayLeaveChanges())
        DestroyWindow(mainWindow);
}

// Logging off asks as closing does; the player's no keeps the session.
static LRESULT sessionMayEnd() { return mayLeaveChanges() ? TRUE : FALSE; }

static void sessionEnds(bool ending)
{
    if (ending)
        stopChecks();
}

static void commandFromMenu(int command)
{
    switch (command) {
    case IDM_NEW10: newFile(10); break;
    case IDM_NEW15: newFile(15); break;
    case IDM_NEW20: newFile(20); break;
    case IDM_OPEN: openWithDialog(); break;
    case IDM_SAVE: saveFile(); break;
    case IDM_SAVEAS: saveFileAs(); break;
    case IDM_IMPORT: importWithDialog(); break;
    case IDM_EXPORT: exportWithDialog(); break;
    case IDM_EXIT: closeEditor(); break;
    case IDM_UNDO: applyToDocument(undoChange); break;
    case IDM_REDO: applyToDocument(redoChange); break;
    case IDM_ADD: applyToDocument(addPicture); break;
    case IDM_DUPLICATE: applyToDocument(duplicatePicture); break;
    case IDM_DELETE: applyToDocument(deletePicture); break;
    case IDM_MOVEUP: applyToDocument(movePictureUp); break;
    case IDM_MOVEDOWN: applyToDocument(movePictureDown); break;
    case IDM_PLAY: playSelectedPicture(); break;
    case IDM_HELP: showHelpPage(mainWindow); break;
    }
}

static void commandFromControl(int id, int notification)
{
    if (id == IDC_NAME && notification == EN_CHANGE)
        nameTyped();
    else if (id == IDC_NAME && notification == EN_KILLFOCUS)
        commitName();
    else if (id == IDC_PICTURELIST && notification == LBN_SELCHANGE)
        pickListLine();
    else if (id == IDC_SUGGESTIONS && notification == LBN_SELCHANGE)
        applyChosenSuggestion();
}

// The controls that notify; the buttons send their menu commands.
static bool isNotifyingControl(int id) { return id == IDC_NAME || id == IDC_PICTURELIST || id == IDC_SUGGESTIONS; }

// A typed name is the picture's before any command acts on the document.
static void command(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    if (lParam != 0 && isNotifyingControl(id)) {
        commandFromControl(id, HIWORD(wParam));
        return;
    }
    commitName();
    commandFromMenu(id);
}

static void windowGone()
{
    stopChecks();
    if (controlFont)
        DeleteObject(controlFont);
    controlFont = nullptr;
    PostQuitMessage(0);
}

// The texts beside the controls stand on the window's own grey.
static LRESULT staticColours(HWND window, HDC dc)
{
    SetBkMode(dc, TRANSPARENT);
    return static_cast<LRESULT>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND));
}

static LRESULT CALLBACK editorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: mainWindow = window; makeControls(); return 0;
    case WM_COMMAND: command(wParam, lParam); return 0;
    case WM_CTLCOLORSTATIC: return staticColours(window, reinterpret_cast<HDC>(wParam));
    case verdictMessage: takeVerdict(lParam); return 0;
    case suggestionsMessage: takeSuggestions(lParam); return 0;
    case listVerdictMessage: takeListVerdict(lParam); return 0;
    case checkDoneMessage: takeCheckDone(lParam); return 0;
    case WM_CLOSE: closeEditor(); return 0;
    case WM_QUERYENDSESSION: return sessionMayEnd();
    case WM_ENDSESSION: sessionEnds(wParam != 0); return 0;
    case WM_DRAWITEM: drawListLine(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_DESTROY: windowGone(); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

void registerEditorClass(HINSTANCE programInstance)
{
    instance = programInstance;
    WNDCLASSA editorClass = {};
    editorClass.lpfnWndProc = editorProc;
    editorClass.hInstance = programInstance;
    editorClass.hIcon = LoadIconA(programInstance, "ZEMB");
    editorClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    editorClass.hbrBackground = CreateSolidBrush(editorBackground);
    editorClass.lpszMenuName = "EDITORMENU";
    editorClass.lpszClassName = editorClassName;
    RegisterClassA(&editorClass);
}

HWND createEditorWindow(HINSTANCE programInstance)
{
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame = {0, 0, clientWidthNeeded(), clientHeightNeeded()};
    AdjustWindowRect(&frame, style, TRUE);
    return CreateWindowExA(0, editorClassName, editorTitle, style, CW_USEDEFAULT, CW_USEDEFAULT,
                           frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, programInstance,
                           nullptr);
}
