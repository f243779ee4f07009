#pragma once
// A picture being drawn: RGB pixels, row by row from the top left, and the
// drawing primitives every painter of the game's artwork uses. Drawing outside
// the canvas is clipped, never an error.
#include <cstdint>
#include <vector>

struct Rgb {
    std::uint8_t r, g, b;
};

bool operator==(Rgb a, Rgb b);
bool operator!=(Rgb a, Rgb b);

struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
};

// The colours of the game's look (the same values the window draws with).
const Rgb white{255, 255, 255};
const Rgb lightGray{192, 192, 192};
const Rgb gray{128, 128, 128};
const Rgb black{0, 0, 0};
const Rgb blue{0, 0, 255};
const Rgb red{255, 0, 0};
const Rgb cyan{0, 255, 255};

// A canvas filled with one colour; negative sizes give an empty canvas.
Canvas makeCanvas(int width, int height, Rgb fill);
bool insideCanvas(const Canvas& canvas, int x, int y);
// Black outside the canvas.
Rgb pixelAt(const Canvas& canvas, int x, int y);
void setPixel(Canvas& canvas, int x, int y, Rgb colour);

void fillRect(Canvas& canvas, int x, int y, int width, int height, Rgb colour);
// The window's move-to/line-to pair: the start point is drawn, the end point not.
void drawLine(Canvas& canvas, int x0, int y0, int x1, int y1, Rgb colour);
// Lines with both ends drawn, for the pictures' own strokes.
void drawSegment(Canvas& canvas, int x0, int y0, int x1, int y1, Rgb colour);

// Ellipses centred on (cx2 / 2, cy2 / 2): centres and radii are given in half
// pixels so that a ring can sit between two pixel columns.
void fillEllipse(Canvas& canvas, int cx2, int cy2, int rx2, int ry2, Rgb colour);
// An elliptic ring `thickness` pixels wide whose outer edge has the given radii.
void drawRing(Canvas& canvas, int cx2, int cy2, int rx2, int ry2, int thickness, Rgb colour);

// Copies a width x height block of source at (sx, sy) to target at (tx, ty).
void copyRect(Canvas& target, int tx, int ty, const Canvas& source, int sx, int sy,
              int width, int height);
// The canvas turned clockwise by `degrees` about its centre, nearest pixel;
// what falls outside the source becomes `background`.
Canvas rotated(const Canvas& source, int degrees, Rgb background);

// The raised look of the game's blocks and clue strips: a white line along the
// top and left, a gray and then a black line along the right and bottom, light
// gray inside.
void paintRaisedBox(Canvas& canvas, int x, int y, int width, int height);
