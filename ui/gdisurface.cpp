#include "gdisurface.h"
#include "sprites.h"
#include "window.h"

const COLORREF penColours[3] = {0xFFFFFF, 0x808080, 0x000000};  // white, gray, black
const COLORREF smallRunColour = 0xFF0000;                        // blue
const COLORREF longRunColour = 0x0000FF;                         // red

void drawPenLine(HDC dc, int x1, int y1, int x2, int y2)
{
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

static HBITMAP sheetBitmap(Sheet sheet)
{
    switch (sheet) {
    case blockSheet: return blockBitmap;
    case stripSheet: return block2Bitmap;
    case timeSheet: return timeBitmap;
    case scoreSheet: return scoreBitmap;
    case hintSheet: return hintBitmap;
    case timerSheet: return timerBitmap;
    }
    return nullptr;
}

static void copyTile(void* target, Sheet sheet, Box to, int sourceX, int sourceY)
{
    GdiSurface& gdi = *static_cast<GdiSurface*>(target);
    HBITMAP bitmap = sheetBitmap(sheet);
    if (!bitmap || to.width <= 0 || to.height <= 0)
        return;
    if (!gdi.memory) {
        gdi.memory = CreateCompatibleDC(gdi.dc);
        gdi.memoryPrevious = SelectObject(gdi.memory, bitmap);
    } else {
        SelectObject(gdi.memory, bitmap);
    }
    BitBlt(gdi.dc, to.x, to.y, to.width, to.height, gdi.memory, sourceX, sourceY, SRCCOPY);
}

static void drawLine(void* target, Ink ink, Line line)
{
    GdiSurface& gdi = *static_cast<GdiSurface*>(target);
    const int pen = ink == whiteInk ? 0 : ink == grayInk ? 1 : 2;
    if (!gdi.pens[pen])
        gdi.pens[pen] = CreatePen(PS_SOLID, 1, penColours[pen]);
    if (gdi.selectedPen != pen) {
        HGDIOBJ previous = SelectObject(gdi.dc, gdi.pens[pen]);
        if (gdi.selectedPen < 0)
            gdi.penPrevious = previous;
        gdi.selectedPen = pen;
    }
    drawPenLine(gdi.dc, line.x1, line.y1, line.x2, line.y2);
}

// Not single-line: the text starts at the box's top edge.
static void drawText(void* target, Ink ink, Box box, const char* text)
{
    GdiSurface& gdi = *static_cast<GdiSurface*>(target);
    if (!gdi.font) {
        gdi.font = CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
        gdi.fontPrevious = SelectObject(gdi.dc, gdi.font);
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
    gdi.selectedPen = -1;
    return {&gdi, copyTile, drawLine, drawText};
}

void closeGdiSurface(GdiSurface& gdi)
{
    if (gdi.memory) {
        SelectObject(gdi.memory, gdi.memoryPrevious);
        DeleteDC(gdi.memory);
    }
    if (gdi.selectedPen >= 0)
        SelectObject(gdi.dc, gdi.penPrevious);
    for (HPEN pen : gdi.pens)
        if (pen)
            DeleteObject(pen);
    if (gdi.font) {
        SelectObject(gdi.dc, gdi.fontPrevious);
        DeleteObject(gdi.font);
    }
    gdi = GdiSurface();
}
