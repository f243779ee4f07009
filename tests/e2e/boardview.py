"""What the window tests need to know about the board on screen: pictures
as grids, the game's sprite sheets read back from the generated bitmaps, and
readers that turn screenshot pixels into clue numbers, bar lengths and
sprites. Positions come from geometry.
"""
from geometry import CLIENT, Geometry  # noqa: F401 (read by the tests through here)
from harness import Bitmap, sprite_sheet  # noqa: F401

GRAY = (192, 192, 192)
WHITE = (255, 255, 255)
DARK = (128, 128, 128)
BLACK = (0, 0, 0)
BLUE = (0, 0, 255)
RED = (255, 0, 0)


# --- pictures ------------------------------------------------------------------
def grid_from_rows(size, bombs):
    """A grid from a set of (col, row) bomb positions."""
    return [[1 if (col, row) in bombs else 0 for col in range(size)] for row in range(size)]


def runs(line):
    """Lengths of the runs of 1 in a line, in order."""
    out, open_run = [], 0
    for v in line:
        if v:
            open_run += 1
        elif open_run:
            out.append(open_run)
            open_run = 0
    if open_run:
        out.append(open_run)
    return out


# --- reading the screen --------------------------------------------------------
def clue_colour(pixel):
    if pixel == BLUE:
        return "blue"
    if pixel == RED:
        return "red"
    return None


def column_clues(img, geo, col):
    """The clue numbers above a column, nearest the board first (see _numbers)."""
    x0 = geo.block(col, 0)[0]
    points = [(x, y, clue_colour(img.pixel(*geo.screen(x, y))))
              for y in range(12, geo.top + 12) for x in range(x0, x0 + 15)]
    return _numbers([p for p in points if p[2]], along=1)


def row_clues(img, geo, row):
    """The clue numbers left of a row, nearest the board first (see _numbers)."""
    y0 = geo.block(0, row)[1]
    points = [(x, y, clue_colour(img.pixel(*geo.screen(x, y))))
              for x in range(12, geo.left + 12) for y in range(y0, y0 + 15)]
    return _numbers([p for p in points if p[2]], along=0)


def _numbers(points, along):
    """Groups coloured pixels into numbers parted by blank lines along one axis
    (0 = x, 1 = y). Each number: its client box (x0, y0, x1, y1) inclusive,
    its colour, and its glyph (the pixels relative to the box), so equal
    numbers give equal glyphs. The number nearest the board comes first."""
    lines = sorted({p[along] for p in points})
    groups, current = [], []
    for pos in lines:
        if current and pos - current[-1] > 1:
            groups.append(current)
            current = []
        current.append(pos)
    if current:
        groups.append(current)
    out = []
    for g in groups:
        mine = [p for p in points if g[0] <= p[along] <= g[-1]]
        x0, y0 = min(p[0] for p in mine), min(p[1] for p in mine)
        x1, y1 = max(p[0] for p in mine), max(p[1] for p in mine)
        colours = {p[2] for p in mine}
        out.append({"box": (x0, y0, x1, y1), "colour": colours.pop() if len(colours) == 1 else "mixed",
                    "glyph": frozenset((p[0] - x0, p[1] - y0) for p in mine)})
    return list(reversed(out))


def bar_length(img, geo):
    """The full part of the time bar in pixels, from where the empty part's dark edge stands."""
    y = geo.bar_y() + 11
    x = 36 + geo.time_max + 3
    while x >= 36 and img.pixel(*geo.screen(x, y)) == GRAY:
        x -= 1
    # x is the second (black) column of the empty part's edge.
    return x - 37


def region(img, geo, x, y, w, h):
    return [[img.pixel(*geo.screen(x + i, y + j)) for i in range(w)] for j in range(h)]


def block_picture(img, geo, col, row):
    x, y = geo.block(col, row)
    return region(img, geo, x, y, 15, 15)


def block_sprites():
    """The three board sprites of BLOCK: covered, checked and broken."""
    sheet = sprite_sheet("block")
    return {"covered": sheet.region(0, 0, 15, 15), "checked": sheet.region(0, 15, 15, 15),
            "broken": sheet.region(0, 45, 15, 15)}


def seconds_shown(img, geo):
    """The three seconds digits as SCORE cell indexes (10 = blank), or None for an unknown picture."""
    sheet = sprite_sheet("score")
    cells = [sheet.region(13 * i, 0, 13, 23) for i in range(11)]
    shown = []
    for d in range(3):
        pic = region(img, geo, 14 + 13 * d, 14, 13, 23)
        shown.append(cells.index(pic) if pic in cells else None)
    return shown


def seconds_value(img, geo):
    """The seconds counter as a number, or None while it shows no digits."""
    cells = seconds_shown(img, geo)
    if None in cells:
        return None
    return int("".join("0" if c == 10 else str(c) for c in cells))


def books_shown(img, geo):
    """For hint icons 1, 2 and 3: whether the book stands there."""
    book = sprite_sheet("help").region(60, 0, 20, 20)
    return [region(img, geo, geo.hint_icon_x(k), geo.panel + 25, 20, 20) == book for k in (1, 2, 3)]


def expected_block(col, row, sprite):
    """A block's picture on the board: its sprite (covered, checked or
    broken) with the dark grid lines over the first pixels of blocks 0, 5, 10, 15."""
    return [[BLACK if (col % 5 == 0 and i == 0) or (row % 5 == 0 and j == 0) else p
             for i, p in enumerate(line)] for j, line in enumerate(block_sprites()[sprite])]


def block_shows(img, geo, col, row, sprite):
    return block_picture(img, geo, col, row) == expected_block(col, row, sprite)
