#include "sprites.h"

#include <cmath>

#include "game.h"
#include "layout.h"

const Rgb fuseBrown{128, 64, 0};
const Rgb sparkYellow{255, 255, 0};
const Rgb sparkOrange{255, 128, 0};

// A round black bomb centred on (cx, cy) with a fuse to the upper right.
static void paintBomb(Canvas& canvas, int cx, int cy, int radius)
{
    fillEllipse(canvas, 2 * cx + 1, 2 * cy + 1, 2 * radius + 1, 2 * radius + 1, black);
    setPixel(canvas, cx - radius / 2, cy - radius / 2, white);
    setPixel(canvas, cx - radius / 2 + 1, cy - radius / 2, white);
    setPixel(canvas, cx - radius / 2, cy - radius / 2 + 1, white);
    int fuseX = cx + radius / 2 + 1, fuseY = cy - radius;
    drawSegment(canvas, fuseX - 1, fuseY + 1, fuseX + 1, fuseY - 1, fuseBrown);
    setPixel(canvas, fuseX + 2, fuseY - 2, sparkYellow);
    setPixel(canvas, fuseX + 3, fuseY - 2, sparkOrange);
    setPixel(canvas, fuseX + 2, fuseY - 3, sparkOrange);
}

// A flat square that ends in the black parting line of every block.
static void paintFlatTile(Canvas& canvas, int x, int y, Rgb face)
{
    fillRect(canvas, x, y, blockEdge, blockEdge, black);
    fillRect(canvas, x, y, blockEdge - 1, blockEdge - 1, face);
}

// The check mark: a blue diagonal cross two pixels thick.
static void paintCross(Canvas& canvas, int x, int y)
{
    for (int i = 3; i <= 10; ++i) {
        setPixel(canvas, x + i, y + i, blue);
        setPixel(canvas, x + i + 1, y + i, blue);
        setPixel(canvas, x + 13 - i, y + i, blue);
        setPixel(canvas, x + 14 - i, y + i, blue);
    }
}

void paintBlockTile(Canvas& canvas, int x, int y, int tile)
{
    switch (tile) {
    case checkedTile:
        paintRaisedBox(canvas, x, y, blockEdge, blockEdge);
        paintCross(canvas, x, y);
        break;
    case bombOnRedTile:
        paintFlatTile(canvas, x, y, red);
        paintBomb(canvas, x + 6, y + 8, 4);
        break;
    case brokenTile:
        paintFlatTile(canvas, x, y, cyan);
        break;
    case bombOnGrayTile:
        paintFlatTile(canvas, x, y, lightGray);
        paintBomb(canvas, x + 6, y + 8, 4);
        break;
    default:
        paintRaisedBox(canvas, x, y, blockEdge, blockEdge);
    }
}

Canvas drawBlockSheet()
{
    Canvas sheet = makeCanvas(blockEdge, blockEdge * blockTiles, lightGray);
    for (int tile = 0; tile < blockTiles; ++tile)
        paintBlockTile(sheet, 0, tile * blockEdge, tile);
    return sheet;
}

Canvas drawStripBars()
{
    const Layout largest = layoutFor(20);
    Canvas bars = makeCanvas(rowBarsLeft + largest.boardLeft, largest.boardTop, lightGray);
    // A column piece and a row piece for each board size, where its layout
    // copies them from.
    for (int size : {20, 15, 10}) {
        const Layout layout = layoutFor(size);
        paintRaisedBox(bars, layout.colStripX, layout.colStripY, blockEdge, layout.boardTop);
        paintRaisedBox(bars, layout.rowStripX, layout.rowStripY, layout.boardLeft, blockEdge);
    }
    return bars;
}

// Small repeatable numbers for the bubbles.
static unsigned nextRandom(unsigned& state)
{
    state = state * 1103515245u + 12345u;
    return (state >> 16) & 0x7fff;
}

// Row 0 of TIME: bubbles rising in a black strip.
static Canvas drawBubbleStrip(int width)
{
    Canvas strip = makeCanvas(width, barRowHeight, black);
    unsigned seed = 1602;
    for (int x = 2; x < width; x += 5) {
        int bx = x + static_cast<int>(nextRandom(seed) % 3);
        int by = 3 + static_cast<int>(nextRandom(seed) % 17);
        if (nextRandom(seed) % 3 == 0)
            drawRing(strip, 2 * bx + 1, 2 * by + 1, 5, 5, 1, white);
        else
            setPixel(strip, bx, by, white);
    }
    return strip;
}

Canvas drawTimeBar()
{
    const int width = barSpriteWidth;
    Canvas bar = makeCanvas(width, 2 * barRowHeight, lightGray);
    copyRect(bar, 0, 0, drawBubbleStrip(width), 0, 0, width, barRowHeight);
    // The empty bar starts with a dark edge that marks the end of the full part.
    fillRect(bar, 0, barRowHeight, 1, barRowHeight, gray);
    fillRect(bar, 1, barRowHeight, 1, barRowHeight, black);
    return bar;
}

int litSegmentsOf(int digit)
{
    static const int segments[10] = {0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f};
    if (digit < 0 || digit > 9)
        return 0;
    return segments[digit];
}

// Segment a to g of a 13 x 23 cell as rectangles.
static void paintSegment(Canvas& canvas, int x, int y, int segment, Rgb colour)
{
    static const int boxes[7][4] = {
        {3, 1, 7, 2},  {10, 3, 2, 7}, {10, 13, 2, 7}, {3, 20, 7, 2},
        {1, 13, 2, 7}, {1, 3, 2, 7},  {3, 10, 7, 2},
    };
    const int* b = boxes[segment];
    fillRect(canvas, x + b[0], y + b[1], b[2], b[3], colour);
}

Canvas drawScoreDigits()
{
    Canvas digits = makeCanvas(scoreCellWidth * 11, scoreCellHeight, digitBackground);
    for (int cell = 0; cell <= blankDigit; ++cell) {
        int lit = litSegmentsOf(cell);  // the blank cell lights none
        for (int segment = 0; segment < 7; ++segment)
            paintSegment(digits, cell * scoreCellWidth, 0, segment,
                         (lit >> segment) & 1 ? litSegment : unlitSegment);
    }
    return digits;
}

// Letters of the icons, 5 x 7, one row a string.
static void paintLetter(Canvas& canvas, int x, int y, const char* const rows[7], int scale, Rgb colour)
{
    for (int row = 0; row < 7; ++row)
        for (int col = 0; rows[row][col] != '\0'; ++col)
            if (rows[row][col] == '#')
                fillRect(canvas, x + col * scale, y + row * scale, scale, scale, colour);
}

static const char* const questionMark[7] = {
    ".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#..",
};
static const char* const letterH[7] = {
    "#..#", "#..#", "#..#", "####", "#..#", "#..#", "#..#",
};

static void paintBall(Canvas& canvas, int x, Rgb shade)
{
    fillEllipse(canvas, 2 * x + 20, 20, 17, 17, shade);
    setPixel(canvas, x + 5, 5, white);
    setPixel(canvas, x + 6, 5, white);
    setPixel(canvas, x + 5, 6, white);
    paintLetter(canvas, x + 8, 7, letterH, 1, white);
}

const Rgb bookCover{0, 0, 160};
const Rgb bookSpine{0, 0, 96};
const Rgb bookPages{255, 255, 224};

// A closed book lying with its page edges to the right and bottom.
static void paintBook(Canvas& canvas, int x)
{
    fillRect(canvas, x + 5, 4, 12, 14, black);  // the back cover's outline
    fillRect(canvas, x + 6, 5, 10, 12, bookPages);
    for (int y = 7; y < 17; y += 2)
        fillRect(canvas, x + 6, y, 10, 1, lightGray);
    fillRect(canvas, x + 3, 2, 12, 14, black);
    fillRect(canvas, x + 4, 3, 10, 12, bookCover);
    fillRect(canvas, x + 4, 3, 2, 12, bookSpine);
    fillRect(canvas, x + 8, 6, 5, 3, white);  // the title label
}

Canvas drawHintIcons()
{
    Canvas icons = makeCanvas(4 * hintIconEdge, hintIconEdge, lightGray);
    paintLetter(icons, 5, 3, questionMark, 2, blue);
    paintBall(icons, 20, red);
    paintBall(icons, 40, blue);
    paintBook(icons, 20 * bookIcon);
    return icons;
}

const Rgb woodBrown{128, 64, 0};
const Rgb glassEdge{64, 64, 64};
const Rgb glassInside{224, 255, 255};
const Rgb sandYellow{224, 176, 64};

// The hourglass's half width at row y of its 22 x 22 frame: widest at the
// ends, narrow at the neck in rows 10 and 11; 0 outside the glass.
static int glassHalfWidth(int y)
{
    if (y < 3 || y > 18)
        return 0;
    int fromNeck = y <= 10 ? 10 - y : y - 11;
    return 2 + (fromNeck * 5) / 7;
}

// The pixels of one bulb's inside, the ones nearest the neck first for the
// upper bulb and the lowest first for the lower one.
static std::vector<int> bulbPixels(bool upper)
{
    std::vector<int> order;
    for (int step = 0; step < 8; ++step) {
        int y = upper ? 10 - step : 18 - step;
        int half = glassHalfWidth(y) - 1;
        for (int d = 0; d < half; ++d) {
            order.push_back(y * timerFrameEdge + 11 - 1 - d);
            order.push_back(y * timerFrameEdge + 11 + d);
        }
    }
    return order;
}

// An upright hourglass with `upper` grains above and `lower` below, and the
// thin stream through the neck while it runs.
static Canvas drawUprightGlass(int upper, int lower, bool running)
{
    Canvas glass = makeCanvas(timerFrameEdge, timerFrameEdge, lightGray);
    fillRect(glass, 4, 1, 14, 2, woodBrown);
    fillRect(glass, 4, 19, 14, 2, woodBrown);
    for (int y = 3; y <= 18; ++y) {
        int half = glassHalfWidth(y);
        fillRect(glass, 11 - half, y, 2 * half, 1, glassEdge);
        fillRect(glass, 12 - half, y, 2 * half - 2, 1, glassInside);
    }
    std::vector<int> top = bulbPixels(true), bottom = bulbPixels(false);
    for (int i = 0; i < upper && i < static_cast<int>(top.size()); ++i)
        setPixel(glass, top[i] % timerFrameEdge, top[i] / timerFrameEdge, sandYellow);
    for (int i = 0; i < lower && i < static_cast<int>(bottom.size()); ++i)
        setPixel(glass, bottom[i] % timerFrameEdge, bottom[i] / timerFrameEdge, sandYellow);
    if (running)
        fillRect(glass, 11, 11, 1, 7, sandYellow);
    return glass;
}

// The spent glass turned by `degrees`, drawn a little smaller so that its
// corners stay inside the frame while it lies on its side.
static Canvas drawTurningGlass(int degrees)
{
    Canvas glass = makeCanvas(timerFrameEdge, timerFrameEdge, lightGray);
    const double pi = 3.14159265358979323846, shrink = 0.85;
    double c = std::cos(degrees * pi / 180.0), s = std::sin(degrees * pi / 180.0);
    for (int y = 0; y < timerFrameEdge; ++y)
        for (int x = 0; x < timerFrameEdge; ++x) {
            double px = x + 0.5 - 11, py = y + 0.5 - 11;
            double u = (c * px + s * py) / shrink, v = (-s * px + c * py) / shrink;
            double across = std::fabs(u), along = std::fabs(v);
            if (along >= 8.0 && along <= 10.0 && across <= 7.0) {
                setPixel(glass, x, y, woodBrown);
                continue;
            }
            double half = 1.5 + 5.5 * along / 8.0;
            if (along >= 8.0 || across > half)
                continue;
            Rgb inside = v > 0.6 ? sandYellow : glassInside;
            setPixel(glass, x, y, across > half - 1.1 ? glassEdge : inside);
        }
    return glass;
}

Canvas drawHourglasses()
{
    Canvas strip = makeCanvas(timerFrameEdge * timerFrames, timerFrameEdge, lightGray);
    int grains = static_cast<int>(bulbPixels(true).size());
    const int runningFrames = 12;
    for (int frame = 0; frame < runningFrames; ++frame) {
        int fallen = grains * frame / runningFrames;
        Canvas glass = drawUprightGlass(grains - fallen, fallen, true);
        copyRect(strip, frame * timerFrameEdge, 0, glass, 0, 0, timerFrameEdge, timerFrameEdge);
    }
    // Run out, then turned over in three steps until upright again.
    for (int turn = 1; turn <= 3; ++turn) {
        Canvas glass = drawTurningGlass(45 * turn);
        copyRect(strip, (11 + turn) * timerFrameEdge, 0, glass, 0, 0, timerFrameEdge, timerFrameEdge);
    }
    Canvas upright = rotated(drawUprightGlass(0, grains, false), 180, lightGray);
    copyRect(strip, 15 * timerFrameEdge, 0, upright, 0, 0, timerFrameEdge, timerFrameEdge);
    return strip;
}

std::vector<Canvas> drawIconImages()
{
    // A corner of a board: covered, checked, broken and a bomb.
    Canvas large = makeCanvas(32, 32, iconTransparent);
    fillRect(large, 0, 0, 31, 31, black);
    paintBlockTile(large, 1, 1, coveredTile);
    paintBlockTile(large, 16, 1, checkedTile);
    paintBlockTile(large, 1, 16, brokenTile);
    paintBlockTile(large, 16, 16, bombOnRedTile);
    Canvas small = makeCanvas(16, 16, iconTransparent);
    paintBomb(small, 7, 9, 5);
    return {large, small};
}
