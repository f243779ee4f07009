#pragma once
// The game window's client area as a picture: the game's own board painter
// on a canvas, copying from the sprite sheets the artwork tool draws.
#include "boardpainter.h"
#include "canvas.h"

// The sheets a picture copies its tiles from.
struct PictureSheets {
    Canvas block, strips, time, score, hints, timer;
};
// The game's sheets, as the artwork tool writes them.
PictureSheets gameSheets();

// A canvas and the sheets its tiles come from, as the painter's surface.
struct CanvasTarget {
    Canvas* canvas;
    const PictureSheets* sheets;
};
Surface canvasSurface(CanvasTarget& target);

// The board with `cells` on its blocks and the clue numbers of `solution`,
// on the window background.
Canvas paintBoard(const Layout& view, const PictureSheets& sheets, const Grid& cells, const Grid& solution);
void paintStatus(Canvas& canvas, const PictureSheets& sheets, const Layout& view, const StatusView& status);
