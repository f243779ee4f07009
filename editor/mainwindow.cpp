// Who owns what: this window owns the document (editorwindow.h) and the flow.
// Its parts (picturelist, nameedit, boardview, verdicts with its worker,
// suggestionbox, documentfiles, playtest, helppage) never call one another:
// a part reports a change through editorwindow.h or its control's WM_COMMAND,
// the worker posts its answers here, and this window tells each part what to
// show. The save's questions (savequestions) belong to documentfiles.
#include "mainwindow.h"

#include <cstring>
#include <string>
#include <vector>

#include "ansitext.h"
#include "boardview.h"
#include "documentfiles.h"
#include "editorids.h"
#include "editorwindow.h"
#include "helppage.h"
#include "nameedit.h"
#include "picturelist.h"
#include "playtest.h"
#include "suggestionbox.h"
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
const int nameLabelWidth = 36;
const int nameHeight = 22;
const int labelHeight = 18;
const int suggestionsTop = nameTop + nameHeight + labelHeight + rowGap + labelHeight;
const int suggestionsHeight = 170;
const int columnGap = 10;
const int boardLeft = margin + columnWidth + columnGap;
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
    makeControl("STATIC", "이름:", SS_LEFT, IDC_NAMELABEL, margin, nameTop + 3, nameLabelWidth - 2, 16);
    HWND name = makeControl("EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, IDC_NAME, margin + nameLabelWidth,
                            nameTop, columnWidth - nameLabelWidth, nameHeight, WS_EX_CLIENTEDGE);
    holdNameBox(name);
    makeControl("STATIC", "", SS_LEFT, IDC_NAMELEFT, margin + nameLabelWidth, nameTop + nameHeight + 2,
                columnWidth - nameLabelWidth, 16);
    makeControl("STATIC", "", SS_LEFT, IDC_SUGGESTLABEL, margin, suggestionsTop - 18, columnWidth, 16);
    HWND suggestions = makeControl("LISTBOX", "", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL |
                                   WS_BORDER | WS_TABSTOP, IDC_SUGGESTIONS, margin, suggestionsTop, columnWidth,
                                   suggestionsHeight);
    holdSuggestionBox(suggestions);
    SIZE board = boardWindowSize(10);
    makeControl(boardClassName, "", WS_TABSTOP, IDC_BOARD_WINDOW, boardLeft, margin, board.cx, board.cy);
    makeControl("STATIC", "", SS_LEFT, IDC_VERDICT, boardLeft, margin + board.cy + rowGap,
                boardWindowSize(largestBoard).cx, verdictHeight);
}

// ---- Keys and focus ----
// Ctrl+N makes a new file of the open file's size: the menu shows the key
// beside that size.
static void showNewFileKey()
{
    const int sizes[] = {10, 15, 20};
    const int commands[] = {IDM_NEW10, IDM_NEW15, IDM_NEW20};
    for (int i = 0; i < 3; ++i) {
        std::string label = std::to_string(sizes[i]) + " x " + std::to_string(sizes[i]) +
                            (sizes[i] == shownSize ? "\tCtrl+N" : "");
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING;  // the text alone: the item stays as it was
        item.dwTypeData = &label[0];
        SetMenuItemInfoA(GetMenu(mainWindow), commands[i], FALSE, &item);
    }
}

// As in a dialog, the control that had the focus gets it back when the
// window is active again; at first the picture list has it.
static HWND focusKept = nullptr;

static void activated(WPARAM state)
{
    if (LOWORD(state) == WA_INACTIVE) {
        HWND focus = GetFocus();
        focusKept = focus && IsChild(mainWindow, focus) ? focus : focusKept;
        return;
    }
    if (HIWORD(state))  // minimised
        return;
    SetFocus(focusKept && IsWindow(focusKept) ? focusKept : editorControl(IDC_PICTURELIST));
}

// Tab goes from the list to its buttons, the name, the board and the suggestions.
static void orderTabStops()
{
    SetWindowPos(editorControl(IDC_BOARD_WINDOW), editorControl(IDC_NAME), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Enter on a focused button presses it, as in a dialog.
static void pressFocusedButton()
{
    HWND focus = GetFocus();
    char kind[16] = "";
    if (focus && IsChild(mainWindow, focus) && GetClassNameA(focus, kind, sizeof kind) && lstrcmpiA(kind, "Button") == 0)
        SendMessageA(focus, BM_CLICK, 0, 0);
}

// Only keys going down: the characters they make, Korean ones in two bytes,
// and Alt with a menu's letter go their usual way.
bool editorKeyMessage(MSG* message)
{
    return mainWindow && message->message == WM_KEYDOWN && IsDialogMessageA(mainWindow, message);
}

// ---- Layout: the window may be resized and maximised ----
// The board takes the largest whole scale of the game's board that fits
// beside the left column at its narrowest; the left column then takes the
// width left over as the window widens (up to twice its narrowest), the list
// and the suggestions the height. The verdict stands right below the board.

struct Placement {
    int x, y, width, height;
};

static void place(int id, const Placement& where)
{
    SetWindowPos(editorControl(id), nullptr, where.x, where.y, where.width, where.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

static int boardScaleFor(int clientWidth, int clientHeight, SIZE board)
{
    const int roomWidth = clientWidth - boardLeft - margin;
    const int roomHeight = clientHeight - margin - rowGap - verdictHeight - margin;
    const int across = roomWidth / board.cx, down = roomHeight / board.cy;
    const int scale = across < down ? across : down;
    return scale > 1 ? scale : 1;
}

static void placeLeftColumn(int width, int extraHeight)
{
    const int lower = extraHeight * 2 / 3;  // the list grows by this, and all under it moves down
    const int list = listHeight + lower;
    place(IDC_PICTURELIST, {margin, margin, width, list});
    const int commands[] = {IDM_ADD, IDM_DUPLICATE, IDM_DELETE, IDM_MOVEUP, IDM_MOVEDOWN};
    const int buttonWidth = (width - 4 * 2) / 5;
    for (int i = 0; i < 5; ++i)
        place(commands[i], {margin + i * (buttonWidth + 2), margin + list + rowGap, buttonWidth, buttonHeight});
    place(IDC_NAMELABEL, {margin, nameTop + lower + 3, nameLabelWidth - 2, 16});
    place(IDC_NAME, {margin + nameLabelWidth, nameTop + lower, width - nameLabelWidth, nameHeight});
    place(IDC_NAMELEFT, {margin + nameLabelWidth, nameTop + lower + nameHeight + 2, width - nameLabelWidth, 16});
    place(IDC_SUGGESTLABEL, {margin, suggestionsTop + lower - labelHeight, width, 16});
    place(IDC_SUGGESTIONS, {margin, suggestionsTop + lower, width, suggestionsHeight + extraHeight - lower});
}

static void arrangeControls(int clientWidth, int clientHeight)
{
    const SIZE board = boardWindowSize(shownSize);
    const int scale = boardScaleFor(clientWidth, clientHeight, board);
    const int boardWidth = board.cx * scale, boardHeight = board.cy * scale;
    // The column grows only as the window does, so that the board keeps its
    // place whatever the picture's size.
    const int wider = clientWidth - clientWidthNeeded();
    int column = clientWidth - margin - columnGap - boardWidth - margin;
    column = column > columnWidth + wider ? columnWidth + wider : column;
    column = column < columnWidth ? columnWidth : column > 2 * columnWidth ? 2 * columnWidth : column;
    const int extraHeight = clientHeight - clientHeightNeeded();
    placeLeftColumn(column, extraHeight > 0 ? extraHeight : 0);
    const int right = margin + column + columnGap;
    place(IDC_BOARD_WINDOW, {right, margin, boardWidth, boardHeight});
    const int verdictTop = margin + boardHeight + rowGap;
    const int verdictBottom = clientHeight - margin;
    place(IDC_VERDICT, {right, verdictTop, clientWidth - right - margin,
                        verdictBottom - verdictTop > verdictHeight ? verdictBottom - verdictTop : verdictHeight});
    RedrawWindow(mainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

static void resized(WPARAM kind, LPARAM clientSize)
{
    if (kind != SIZE_MINIMIZED)
        arrangeControls(LOWORD(clientSize), HIWORD(clientSize));
}

static void arrangeForClient()
{
    RECT client;
    GetClientRect(mainWindow, &client);
    arrangeControls(client.right, client.bottom);
}

// The window is never smaller than what shows a 20 x 20 board and the left
// column at their narrowest.
static void limitWindowSize(HWND window, MINMAXINFO* limits)
{
    RECT frame = {0, 0, clientWidthNeeded(), clientHeightNeeded()};
    AdjustWindowRect(&frame, static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)), TRUE);
    limits->ptMinTrackSize.x = frame.right - frame.left;
    limits->ptMinTrackSize.y = frame.bottom - frame.top;
}

// A picture of another size: the board takes its size and scale anew, and
// Ctrl+N moves to that size in the menu.
static void fitBoard(int size)
{
    if (size == shownSize)
        return;
    shownSize = size;
    showNewFileKey();
    arrangeForClient();
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

// ---- When the check starts anew ----
// The check restarts before the board is drawn: the verdict of the picture
// as it was is gone before the picture as it is shows, and its marks with it.
static void checkAnew()
{
    restartCheck();
    showBoardMarks(nullptr);
}

static void endChecks()
{
    stopChecks();
    showBoardMarks(nullptr);
}

// The blocks of the picture the running check judges. A stroke's button
// going up changes no block its last step had not changed already: that
// check goes on, and its verdict comes the sooner.
static int indexChecked = -1;
static int blocksChecked[gridRoom][gridRoom];

static void rememberChecked()
{
    const Level* picture = selectedPicture(document);
    indexChecked = picture ? document.selected : -1;
    if (picture)
        std::memcpy(blocksChecked, picture->picture, sizeof blocksChecked);
}

static void checkChangedBlocks()
{
    const Level* picture = selectedPicture(document);
    if (picture && document.selected == indexChecked &&
        std::memcmp(blocksChecked, picture->picture, sizeof blocksChecked) == 0)
        return;
    checkAnew();
    rememberChecked();
}

void documentChanged()
{
    checkAnew();
    rememberChecked();
    fitBoard(document.size);
    showPictureList(listVerdictText);
    showSelectedName();
    repaintEditorBoard();
    showTitle();
}

void blocksChanged()
{
    checkChangedBlocks();
    repaintEditorBoard();
    showListLine(document.selected, listVerdictText);
    showTitle();
}

void nameChanged()
{
    showListLine(document.selected, listVerdictText);
    showTitle();
}

// ---- The worker's answers ----
static void verdictCame(LPARAM answer)
{
    if (!takeVerdict(answer))
        return;
    showBoardMarks(shownVerdict());
    repaintEditorBoard();
}

static void listVerdictsCame(LPARAM answer)
{
    const std::vector<int> changed = takeListVerdict(answer);
    showListLines(changed, listVerdictText);
}

static void applyToDocument(bool (*operation)(EditDocument*))
{
    if (operation(&document))
        documentChanged();
    else
        MessageBeep(MB_ICONWARNING);
}

// A name still being typed counts as a change: it is given to the picture
// first, and a name the picture could not take goes only with a yes.
static bool mayLeaveDocument()
{
    commitName();
    return mayLeaveChanges(refusedName());
}

// Every way of closing (the menu, Alt+F4, the title bar's close button)
// gives a typed name to its picture and asks about unsaved changes.
static void closeEditor()
{
    if (mayLeaveDocument())
        DestroyWindow(mainWindow);
}

// Logging off asks as closing does; the player's no keeps the session.
static LRESULT sessionMayEnd() { return mayLeaveDocument() ? TRUE : FALSE; }

static void sessionEnds(bool ending)
{
    if (ending)
        endChecks();
}

// A new file and opening one ask about the changes first, as closing does.
static void leaveForNewFile(int size)
{
    if (mayLeaveDocument())
        newFile(size);
}

static void leaveForOpenedFile()
{
    if (mayLeaveDocument())
        openWithDialog();
}

static void commandFromMenu(int command)
{
    switch (command) {
    case IDM_NEW10: leaveForNewFile(10); break;
    case IDM_NEW15: leaveForNewFile(15); break;
    case IDM_NEW20: leaveForNewFile(20); break;
    case IDM_NEWSAME: leaveForNewFile(document.size); break;
    case IDM_OPEN: leaveForOpenedFile(); break;
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
    case IDOK: pressFocusedButton(); break;
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
    else if (id == IDC_SUGGESTIONS && notification == suggestionChosen && applyChosenSuggestion())
        blocksChanged();
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
    endChecks();
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
    case WM_CREATE: mainWindow = window; makeControls(); orderTabStops(); return 0;
    case WM_COMMAND: command(wParam, lParam); return 0;
    case WM_CTLCOLORSTATIC: return staticColours(window, reinterpret_cast<HDC>(wParam));
    case verdictMessage: verdictCame(lParam); return 0;
    case suggestionsMessage: takeSuggestions(lParam); return 0;
    case listVerdictMessage: listVerdictsCame(lParam); return 0;
    case checkDoneMessage: takeCheckDone(lParam); return 0;
    case WM_CLOSE: closeEditor(); return 0;
    case WM_SIZE: resized(wParam, lParam); return 0;
    case WM_GETMINMAXINFO: limitWindowSize(window, reinterpret_cast<MINMAXINFO*>(lParam)); return 0;
    case WM_ACTIVATE: activated(wParam); return 0;
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
    registerBoardClass(programInstance);
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
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT frame = {0, 0, clientWidthNeeded(), clientHeightNeeded()};
    AdjustWindowRect(&frame, style, TRUE);
    HWND window = CreateWindowExA(0, editorClassName, editorTitle, style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                  programInstance, nullptr);
    if (window)
        newFile(10);
    return window;
}

void showEditorWindow(int show, const char* commandLine)
{
    ShowWindow(mainWindow, show);
    UpdateWindow(mainWindow);
    openStartingFile(commandLine);
}
