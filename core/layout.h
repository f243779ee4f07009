#pragma once
// Where things are in the main window's client area. Everything is worked out
// here from the board size and the two clue-strip widths, and painting, hit
// testing, the stroke confinement and the status panel all read it from here.

const int blockPixels = 15;
const int cellAreaInset = 12;  // the cell area begins at (boardLeft + 12, boardTop + 12)

// A rectangle of client pixels: its top-left pixel and its size.
struct Box {
    int x, y;
    int width, height;
};

// A one-pixel line from (x1, y1) to (x2, y2), the end pixel not drawn.
struct Line {
    int x1, y1, x2, y2;
};

// The layout values of a board: the pixel sizes every position follows from.
struct Layout {
    int size;       // blocks along an edge
    int boardLeft;  // width of the row-clue strip
    int boardTop;   // height of the column-clue strip
    int panelTop;   // boardTop + 15 * size
    bool hasPanel;  // the game window has the status panel below the board
    int rowStripX, rowStripY;  // source of a row-clue piece in BLOCK2
    int colStripX, colStripY;  // source of a column-clue piece in BLOCK2
};

// The game window's layout of a board size (10, 15 or 20; any other size
// gets 10's).
Layout layoutFor(int size);
// A board of another size and strip widths, without the status panel, its
// strip pieces at the given places of their sheet.
Layout plainLayout(int size, int boardLeft, int boardTop, int rowStripX, int rowStripY, int colStripX,
                   int colStripY);

// Keeps the layout values of a full paint in the game values.
void setLayout(int size);
// The layout of the last full paint for a board of `size` blocks.
Layout paintedLayout(int size);

// The whole client area.
int clientWidth(const Layout& layout);
int clientHeight(const Layout& layout);
// The blocks, and the area the mouse acts on.
int blockLeft(const Layout& layout, int col);
int blockTop(const Layout& layout, int row);
Box blockBox(const Layout& layout, int col, int row);
Box cellArea(const Layout& layout);
// The clue-strip pieces beside row `row` and above column `col`, and the
// corner box where the two strips meet.
Box rowStripPiece(const Layout& layout, int row);
Box columnStripPiece(const Layout& layout, int col);
Box cornerBox(const Layout& layout);

// The bevelled frames: the outer one along the client edges (raised), the
// one around the strips and the board, and the one around the status panel.
struct Frame {
    int left, top, right, bottom;  // inclusive
    bool raised;                   // raised: lit along the top and left
};
// The frames of the layout in painting order; returns how many (2 or 3).
int framesOf(const Layout& layout, Frame frames[3]);

// The dark line through the first pixels of row or column `index`, running
// across its clue strip too.
Line rowGroupLine(const Layout& layout, int index);
Line columnGroupLine(const Layout& layout, int index);
const int groupEvery = 5;

// The text rectangle of clue `k` of a line, k = 0 being the one nearest the
// board; each further clue stands 9 pixels higher or 8 further left.
Box columnClueBox(const Layout& layout, int col, int k);
Box rowClueBox(const Layout& layout, int row, int k);

// The status panel: the seconds counter in the corner box; below the board
// the hourglass, the time bar from barLeft, and the book icons after it.
const int barLeft = 36;
Box secondsDigitBox(int place);  // place 0, 1, 2: hundreds, tens, ones
Box hourglassBox(const Layout& layout);
int barTop(const Layout& layout);
int barAreaEnd(int timeMax);        // the full bar and its empty part end here
int hintAreaEnd(int timeMax);       // the hint icons' background ends here
Box hintIconBox(const Layout& layout, int timeMax, int k);  // icon k = 1 .. 3
