"""What the window tests need to know about the board on screen: level files
with a picture the test chooses, where things are for each board size, the
game's sprite sheets read back from the generated bitmaps, and readers that
turn screenshot pixels into clue numbers, bar lengths and sprites.
"""
import os
import struct

import harness

# Per board size: boardLeft, boardTop, timeMax.
LAYOUT = {10: (44, 53, 100), 15: (68, 88, 200), 20: (84, 94, 290)}
TICK_COST = {10: 2, 15: 3, 20: 4}
CLIENT = {10: (218, 263), 15: (317, 373), 20: (408, 454)}

GRAY = (192, 192, 192)
WHITE = (255, 255, 255)
DARK = (128, 128, 128)
BLACK = (0, 0, 0)
BLUE = (0, 0, 255)
RED = (255, 0, 0)


# --- level files -------------------------------------------------------------
def level_file(size, pictures):
    """A level file: pictures is a list of (name, grid) with grid[row][col] 1 for a bomb."""
    data = bytearray([0, 0, len(pictures)])
    packed_bytes = (size * size + 7) // 8
    for name, grid in pictures:
        data += name.encode("ascii")[:19].ljust(20, b"\0")
        packed = bytearray(packed_bytes)
        for i in range(size * size):
            if grid[i // size][i % size]:
                packed[i // 8] |= 0x80 >> (i % 8)
        data += packed
    return bytes(data)


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


# --- geometry ----------------------------------------------------------------
class Geometry:
    """Client coordinates of one board size, shifted to the screen by the window's origin."""

    def __init__(self, size, origin):
        self.size = size
        self.left, self.top, self.time_max = LAYOUT[size]
        self.panel = self.top + 15 * size
        self.right = self.left + 15 * size
        self.ox, self.oy = origin

    def screen(self, x, y):
        return self.ox + x, self.oy + y

    def block(self, col, row):
        """Client top-left corner of a block."""
        return self.left + 12 + 15 * col, self.top + 12 + 15 * row

    def block_centre(self, col, row):
        x, y = self.block(col, row)
        return self.screen(x + 7, y + 7)

    def bar_y(self):
        return self.panel + 23

    def hint_icon_x(self, k):
        return 36 + self.time_max + 5 + 20 * (k - 1)


# --- the game's bitmaps ------------------------------------------------------
class Bitmap:
    """An uncompressed BMP file of 1, 4, 8 or 24 bits per pixel, as RGB rows."""

    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        assert data[:2] == b"BM", path
        offset = struct.unpack_from("<I", data, 10)[0]
        header = struct.unpack_from("<I", data, 14)[0]
        width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
        assert compression == 0, "compressed bitmap %s" % path
        colours = struct.unpack_from("<I", data, 46)[0] or (1 << bits if bits <= 8 else 0)
        palette = [(data[14 + header + 4 * i + 2], data[14 + header + 4 * i + 1], data[14 + header + 4 * i])
                   for i in range(colours if bits <= 8 else 0)]
        self.width, self.height = width, abs(height)
        stride = ((width * bits + 31) // 32) * 4
        self.rows = []
        for y in range(self.height):
            src = y if height < 0 else self.height - 1 - y
            row = data[offset + src * stride: offset + (src + 1) * stride]
            self.rows.append([self._pixel(row, x, bits, palette) for x in range(width)])

    @staticmethod
    def _pixel(row, x, bits, palette):
        if bits == 24:
            return row[3 * x + 2], row[3 * x + 1], row[3 * x]
        per_byte = 8 // bits
        byte = row[x // per_byte]
        shift = 8 - bits * (x % per_byte + 1)
        return palette[(byte >> shift) & ((1 << bits) - 1)]

    def region(self, x, y, w, h):
        return [row[x:x + w] for row in self.rows[y:y + h]]


def sprite_sheet(name):
    """One of the game's generated bitmaps (block, block2, time, score, help, timer)."""
    return Bitmap(os.path.join(harness.GEN_DIR, name + ".bmp"))


# --- reading the screen --------------------------------------------------------
def clue_colour(pixel):
    if pixel == BLUE:
        return "blue"
    if pixel == RED:
        return "red"
    return None


def column_clues(img, geo, col):
    """The clue numbers above a column, nearest the board first (see _numbers)."""
    x0 = geo.left + 12 + 15 * col
    points = [(x, y, clue_colour(img.pixel(*geo.screen(x, y))))
              for y in range(12, geo.top + 12) for x in range(x0, x0 + 15)]
    return _numbers([p for p in points if p[2]], along=1)


def row_clues(img, geo, row):
    """The clue numbers left of a row, nearest the board first (see _numbers)."""
    y0 = geo.top + 12 + 15 * row
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
