#include "boardview.h"

#include "boardpainter.h"
#include "editorids.h"
#include "editorwindow.h"
#include "gdisurface.h"

const char boardClassName[] = "Bombagram2EditorBoard";
const COLORREF boardBackground = 0xC0C0C0;
// The marks stand out from every colour of the sprite sheets and the clues.
const COLORREF undecidedMark = RGB(255, 0, 255);
const COLORREF differingMark = RGB(255, 128, 0);
// Two-pixel frames: an undecided block's two pixels inside the block, a
// differing block's five, so that a block that is both shows both.
const int undecidedInset = 2;
const int differingInset = 5;
// The keyboard's cursor: a two-pixel frame along the block's own edge, in a
// colour of its own, so that it never hides a mark.
const COLORREF cursorMark = RGB(0, 160, 0);
const int cursorInset = 0;

// Where the keyboard draws, and whether its cursor shows: from the moment
// the keyboard reaches the board (Tab, an arrow, Space, Enter) until the mouse
// draws on it again, and only while the board has the focus.
static int cursorCol = 0;
static int cursorRow = 0;
static bool keyboardDrawing = false;
static bool boardHasFocus = false;

Layout editorBoardLayout(int size)
{
    Layout layout = layoutFor(size);
    layout.hasPanel = false;
    return layout;
}

SIZE boardWindowSize(int size)
{
    Layout layout = editorBoardLayout(size);
    return {clientWidth(layout), clientHeight(layout)};
}

// At once, not when the queue is empty: the board follows the mouse
// whatever the check's answers keep the window busy with.
void repaintEditorBoard()
{
    InvalidateRect(editorControl(IDC_BOARD_WINDOW), nullptr, FALSE);
    UpdateWindow(editorControl(IDC_BOARD_WINDOW));
}

// The finished board of the game: bombs stay covered, every free block broken.
static void cellsOfPicture(const Level& picture, Grid& cells)
{
    for (int col = 0; col < gridRoom; ++col)
        for (int row = 0; row < gridRoom; ++row)
            cells[col][row] = picture.picture[col][row] == 1 ? CoveredBomb : Broken;
}

static void paintMark(HDC dc, const Layout& layout, int col, int row, COLORREF colour, int inset)
{
    Box box = blockBox(layout, col, row);
    HBRUSH brush = CreateSolidBrush(colour);
    if (!brush)
        return;
    const int left = box.x + inset, top = box.y + inset;
    const int right = box.x + box.width - inset, bottom = box.y + box.height - inset;
    RECT edges[4] = {{left, top, right, top + 2}, {left, bottom - 2, right, bottom},
                     {left, top, left + 2, bottom}, {right - 2, top, right, bottom}};
    for (const RECT& edge : edges)
        FillRect(dc, &edge, brush);
    DeleteObject(brush);
}

// The marks the main window last gave the board (showBoardMarks).
static bool marksShown = false;
static PictureVerdict marks;

void showBoardMarks(const PictureVerdict* verdict)
{
    marksShown = verdict != nullptr;
    marks = verdict ? *verdict : PictureVerdict();
}

static void paintMarks(HDC dc, const Layout& layout)
{
    if (!marksShown)
        return;
    for (int col = 0; col < layout.size; ++col) {
        for (int row = 0; row < layout.size; ++row) {
            if (marks.undecidedBlocks[col][row])
                paintMark(dc, layout, col, row, undecidedMark, undecidedInset);
            if (marks.differingBlocks[col][row])
                paintMark(dc, layout, col, row, differingMark, differingInset);
        }
    }
}

static void paintCursor(HDC dc, const Layout& layout)
{
    if (keyboardDrawing && boardHasFocus)
        paintMark(dc, layout, cursorCol, cursorRow, cursorMark, cursorInset);
}

static void paintPicture(HDC dc, const Layout& layout, const Level& picture)
{
    RECT all = {0, 0, clientWidth(layout), clientHeight(layout)};
    HBRUSH background = CreateSolidBrush(boardBackground);
    FillRect(dc, &all, background);
    DeleteObject(background);
    static Grid cells;
    cellsOfPicture(picture, cells);
    GdiSurface gdi;
    Surface surface = openGdiSurface(gdi, dc);
    paintBoardArea(surface, layout, cells, picture.picture);
    closeGdiSurface(gdi);
    paintMarks(dc, layout);
    paintCursor(dc, layout);
}

// The board grows in whole steps: the window is a whole number of times the
// game's board, and every pixel of the game becomes a square of that many.
static int boardScale(HWND window, int size)
{
    RECT client;
    GetClientRect(window, &client);
    const int scale = client.right / boardWindowSize(size).cx;
    return scale > 1 ? scale : 1;
}

static void copyScaled(HDC dc, HDC memory, int width, int height, int scale)
{
    if (scale == 1) {
        BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
        return;
    }
    const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, width * scale, height * scale, memory, 0, 0, width, height, SRCCOPY);
    SetStretchBltMode(dc, previousMode);
}

// Drawn at the game's size into a memory picture first, then copied at
// once, scaled: no flicker while a stroke repaints.
static void paintBoardWindow(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const Level* picture = selectedPicture(editorDocument());
    if (picture) {
        const Layout layout = editorBoardLayout(picture->size);
        const int width = clientWidth(layout), height = clientHeight(layout);
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = memory ? CreateCompatibleBitmap(dc, width, height) : nullptr;
        if (bitmap) {
            HGDIOBJ previous = SelectObject(memory, bitmap);
            paintPicture(memory, layout, *picture);
            copyScaled(dc, memory, width, height, boardScale(window, picture->size));
            SelectObject(memory, previous);
            DeleteObject(bitmap);
        } else {
            paintPicture(dc, layout, *picture);
        }
        if (memory)
            DeleteDC(memory);
    }
    EndPaint(window, &paint);
}

// The block under a point of the board window, kept on the board when
// `clamp` is set; false off the board otherwise.
static bool blockAt(HWND window, LPARAM position, bool clamp, int* col, int* row)
{
    const Level* picture = selectedPicture(editorDocument());
    if (!picture)
        return false;
    const Layout layout = editorBoardLayout(picture->size);
    const int scale = boardScale(window, picture->size);
    const int x = static_cast<short>(LOWORD(position)) / scale - blockLeft(layout, 0);
    const int y = static_cast<short>(HIWORD(position)) / scale - blockTop(layout, 0);
    const int edge = blockPixels * layout.size;
    if (!clamp && (x < 0 || y < 0 || x >= edge || y >= edge))
        return false;
    *col = x < 0 ? 0 : x >= edge ? layout.size - 1 : x / blockPixels;
    *row = y < 0 ? 0 : y >= edge ? layout.size - 1 : y / blockPixels;
    return true;
}

static void beginStroke(HWND window, LPARAM position, int value)
{
    int col, row;
    if (editorDocument().stroke.active || !blockAt(window, position, false, &col, &row))
        return;
    SetFocus(window);
    keyboardDrawing = false;
    cursorCol = col;
    cursorRow = row;
    if (!beginEditStroke(changeDocument(), col, row, value))
        return;
    SetCapture(window);
    blocksChanged();
}

static void continueStroke(HWND window, LPARAM position)
{
    int col, row;
    if (!editorDocument().stroke.active || !blockAt(window, position, true, &col, &row))
        return;
    if (continueEditStroke(changeDocument(), col, row))
        blocksChanged();
}

static void finishStroke()
{
    if (!editorDocument().stroke.active)
        return;
    endEditStroke(changeDocument());
    if (GetCapture())
        ReleaseCapture();
    blocksChanged();
}

// ---- The keyboard ----
// Arrows move the cursor; Space held down draws from the cursor's block
// along the line the arrows then take (the block's opposite: a bomb on a
// free block, free on a bomb), as a drag does; Enter turns the one block.

static int selectedSize()
{
    const Level* picture = selectedPicture(editorDocument());
    return picture ? picture->size : 0;
}

static void showCursor()
{
    keyboardDrawing = true;
    const int size = selectedSize();
    cursorCol = cursorCol < size ? cursorCol : size - 1;
    cursorRow = cursorRow < size ? cursorRow : size - 1;
    repaintEditorBoard();
}

static void moveCursor(int dCol, int dRow)
{
    const int size = selectedSize();
    const int col = cursorCol + dCol, row = cursorRow + dRow;
    if (col >= 0 && row >= 0 && col < size && row < size) {
        cursorCol = col;
        cursorRow = row;
    }
    if (editorDocument().stroke.active && continueEditStroke(changeDocument(), cursorCol, cursorRow))
        blocksChanged();
    showCursor();
}

static int oppositeOfCursorBlock()
{
    const Level* picture = selectedPicture(editorDocument());
    return picture && picture->picture[cursorCol][cursorRow] == 1 ? 0 : 1;
}

static void beginKeyStroke()
{
    showCursor();
    if (!editorDocument().stroke.active && beginEditStroke(changeDocument(), cursorCol, cursorRow, oppositeOfCursorBlock()))
        blocksChanged();
}

static void turnCursorBlock()
{
    beginKeyStroke();
    finishStroke();
}

static bool isRepeat(LPARAM keyData) { return (keyData & (1 << 30)) != 0; }

static void keyDown(WPARAM key, LPARAM keyData)
{
    switch (key) {
    case VK_LEFT: moveCursor(-1, 0); break;
    case VK_RIGHT: moveCursor(1, 0); break;
    case VK_UP: moveCursor(0, -1); break;
    case VK_DOWN: moveCursor(0, 1); break;
    case VK_SPACE:
        if (!isRepeat(keyData))
            beginKeyStroke();
        break;
    case VK_RETURN: turnCursorBlock(); break;
    }
}

static void focusChanged(bool focused)
{
    boardHasFocus = focused;
    if (!focused)
        finishStroke();
    else if (GetKeyState(VK_TAB) < 0)
        keyboardDrawing = true;  // reached with Tab: the keyboard is drawing
    repaintEditorBoard();
}

// The arrows, Space and Enter are the board's, not the window's Tab moves.
static LRESULT dialogKeys(LPARAM message)
{
    const MSG* key = reinterpret_cast<const MSG*>(message);
    const bool enter = key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
    return DLGC_WANTARROWS | DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
}

static LRESULT CALLBACK boardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: paintBoardWindow(window); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: beginStroke(window, lParam, 1); return 0;
    case WM_RBUTTONDOWN: beginStroke(window, lParam, 0); return 0;
    case WM_MOUSEMOVE: continueStroke(window, lParam); return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_CAPTURECHANGED: finishStroke(); return 0;
    case WM_GETDLGCODE: return dialogKeys(lParam);
    case WM_KEYDOWN: keyDown(wParam, lParam); return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE)
            finishStroke();
        return 0;
    case WM_SETFOCUS: focusChanged(true); return 0;
    case WM_KILLFOCUS: focusChanged(false); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

void registerBoardClass(HINSTANCE instance)
{
    WNDCLASSA boardClass = {};
    boardClass.style = CS_HREDRAW | CS_VREDRAW;  // a new size may be a new scale
    boardClass.lpfnWndProc = boardProc;
    boardClass.hInstance = instance;
    boardClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    boardClass.lpszClassName = boardClassName;
    RegisterClassA(&boardClass);
}
