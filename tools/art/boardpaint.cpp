#include "boardpaint.h"

#include "pixelfont.h"
#include "sprites.h"

PictureSheets gameSheets()
{
    return {drawBlockSheet(), drawStripBars(), drawTimeBar(), drawScoreDigits(), drawHintIcons(),
            drawHourglasses()};
}

static const Canvas& sheetCanvas(const PictureSheets& sheets, Sheet sheet)
{
    switch (sheet) {
    case blockSheet: return sheets.block;
    case stripSheet: return sheets.strips;
    case timeSheet: return sheets.time;
    case scoreSheet: return sheets.score;
    case hintSheet: return sheets.hints;
    case timerSheet: break;
    }
    return sheets.timer;
}

static Rgb inkColour(Ink ink)
{
    switch (ink) {
    case whiteInk: return white;
    case grayInk: return gray;
    case blackInk: return black;
    case blueInk: return blue;
    case redInk: break;
    }
    return red;
}

static void copyTile(void* target, Sheet sheet, Box to, int sourceX, int sourceY)
{
    CanvasTarget& t = *static_cast<CanvasTarget*>(target);
    copyRect(*t.canvas, to.x, to.y, sheetCanvas(*t.sheets, sheet), sourceX, sourceY, to.width, to.height);
}

static void drawCanvasLine(void* target, Ink ink, Line line)
{
    CanvasTarget& t = *static_cast<CanvasTarget*>(target);
    drawLine(*t.canvas, line.x1, line.y1, line.x2, line.y2, inkColour(ink));
}

static void drawText(void* target, Ink ink, Box box, const char* text)
{
    CanvasTarget& t = *static_cast<CanvasTarget*>(target);
    drawCentredText(*t.canvas, box.x, box.y, box.width, text, 1, inkColour(ink));
}

Surface canvasSurface(CanvasTarget& target) { return {&target, copyTile, drawCanvasLine, drawText}; }

Canvas paintBoard(const Layout& view, const PictureSheets& sheets, const Grid& cells, const Grid& solution)
{
    Canvas canvas = makeCanvas(clientWidth(view), clientHeight(view), lightGray);
    CanvasTarget target = {&canvas, &sheets};
    paintBoardArea(canvasSurface(target), view, cells, solution);
    return canvas;
}

void paintStatus(Canvas& canvas, const PictureSheets& sheets, const Layout& view, const StatusView& status)
{
    CanvasTarget target = {&canvas, &sheets};
    paintStatusPanel(canvasSurface(target), view, status);
}
