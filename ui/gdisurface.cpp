#include "gdisurface.h"
#include "window.h"

const COLORREF smallRunColour = 0xFF0000;  // blue
const COLORREF longRunColour = 0x0000FF;   // red
const int sheetCount = timerSheet + 1;

// The sheets' resource names, in the order of Sheet.
static const char* const sheetNames[sheetCount] = {"BLOCK", "BLOCK2", "TIME", "SCORE", "HELP", "TIMER"};
static HBITMAP sheets[sheetCount];
static HDC sheetContexts[sheetCount];
static HGDIOBJ sheetPrevious[sheetCount];
static HFONT clueFont;

void drawPenLine(HDC dc, int x1, int y1, int x2, int y2)
{
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void holdDrawingTools(HINSTANCE instance)
{
    for (int i = 0; i < sheetCount; ++i) {
        sheets[i] = LoadBitmapA(instance, sheetNames[i]);
        HDC memory = sheets[i] ? CreateCompatibleDC(nullptr) : nullptr;
        if (!memory)
            continue;
        sheetPrevious[i] = SelectObject(memory, sheets[i]);
        sheetContexts[i] = memory;
    }
    clueFont = CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
}

void releaseDrawingTools()
{
    for (int i = 0; i < sheetCount; ++i) {
        if (sheetContexts[i]) {
            SelectObject(sheetContexts[i], sheetPrevious[i]);
            DeleteDC(sheetContexts[i]);
        }
        if (sheets[i])
            DeleteObject(sheets[i]);
        sheetContexts[i] = nullptr;
        sheets[i] = nullptr;
    }
    if (clueFont)
        DeleteObject(clueFont);
    clueFont = nullptr;
}

HDC sheetContext(Sheet sheet)
{
    return sheet >= 0 && sheet < sheetCount ? sheetContexts[sheet] : nullptr;
}

static void copyTile(void* target, Sheet sheet, Box to, int sourceX, int sourceY)
{
    GdiSurface& gdi = *static_cast<GdiSurface*>(target);
    HDC memory = sheetContext(sheet);
    if (memory && to.width > 0 && to.height > 0)
        BitBlt(gdi.dc, to.x, to.y, to.width, to.height, memory, sourceX, sourceY, SRCCOPY);
}

// The first pen, and the font, remember what the context held before.
static void selectTool(HDC dc, HGDIOBJ tool, HGDIOBJ& previous)
{
    HGDIOBJ was = SelectObject(dc, tool);
    if (!previous)
        previous = was;
}

static HGDIOBJ penOf(Ink ink)
{
    switch (ink) {
    case whiteInk: return whitePen;
    case grayInk: return grayPen;
    default: return GetStockObject(BLACK_PEN);
    }
}

static void drawLine(void* target, Ink ink, Line line)
{
    GdiSurface& gdi = *static_cast<GdiSurface*>(target);
    HGDIOBJ pen = penOf(ink);
    if (!pen)
        return;
    if (pen != gdi.pen)
        selectTool(gdi.dc, pen, gdi.penPrevious);
    gdi.pen = pen;
    drawPenLine(gdi.dc, line.x1, line.y1, line.x2, line.y2);
}

// Not single-line: the text starts at the box's top edge.
static void drawText(void* target, Ink ink, Box box, const char* text)
{
    GdiSurface& gdi = *static_cast<GdiSurface*>(target);
    if (!clueFont)
        return;
    if (!gdi.fontPrevious) {
        selectTool(gdi.dc, clueFont, gdi.fontPrevious);
        SetBkMode(gdi.dc, TRANSPARENT);
    }
    SetTextColor(gdi.dc, ink == redInk ? longRunColour : smallRunColour);
    RECT rect = {box.x, box.y, box.x + box.width, box.y + box.height};
    DrawTextA(gdi.dc, text, -1, &rect, DT_CENTER | DT_VCENTER);
}

Surface openGdiSurface(GdiSurface& gdi, HDC dc)
{
    gdi = GdiSurface();
    gdi.dc = dc;
    return {&gdi, copyTile, drawLine, drawText};
}

void closeGdiSurface(GdiSurface& gdi)
{
    if (gdi.penPrevious)
        SelectObject(gdi.dc, gdi.penPrevious);
    if (gdi.fontPrevious)
        SelectObject(gdi.dc, gdi.fontPrevious);
    gdi = GdiSurface();
}
