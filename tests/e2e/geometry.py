"""Where things are in the game's client area, for each board size: the
layout values of a full paint and everything the tests derive from them.
Every test that needs a position reads it here."""

BLOCK = 15  # a block is 15 x 15 pixels
INSET = 12  # the cell area and the clue strips begin 12 pixels inside the board frame

# Per board size: boardLeft (the row-clue strip's width), boardTop (the
# column-clue strip's height) and timeMax (the full bar).
BOARD_LEFT = {10: 44, 15: 68, 20: 84}
BOARD_TOP = {10: 53, 15: 88, 20: 94}
TIME_MAX = {10: 100, 15: 200, 20: 290}
SIZES = (10, 15, 20)


def panel_top(size):
    return BOARD_TOP[size] + BLOCK * size


def board_right(size):
    return BOARD_LEFT[size] + BLOCK * size


def client_size(size):
    """The client area: the outer frame runs along its edges."""
    return board_right(size) + 24, panel_top(size) + 60


class Geometry:
    """Client coordinates of one board size, shifted to the screen by the window's origin."""

    def __init__(self, size, origin=(0, 0)):
        self.size = size
        self.left, self.top = BOARD_LEFT[size], BOARD_TOP[size]
        self.time_max = TIME_MAX[size]
        self.panel = panel_top(size)
        self.right = board_right(size)
        self.ox, self.oy = origin[0], origin[1]

    def screen(self, x, y):
        return self.ox + x, self.oy + y

    def block(self, col, row):
        """Client top-left corner of a block."""
        return self.left + INSET + BLOCK * col, self.top + INSET + BLOCK * row

    def block_centre(self, col, row):
        """Screen position of a block's middle pixel."""
        x, y = self.block(col, row)
        return self.screen(x + BLOCK // 2, y + BLOCK // 2)

    def bar_y(self):
        return self.panel + 23

    def hint_icon_x(self, k):
        """Client x of hint icon k, k = 1 ... 3."""
        return 36 + self.time_max + 5 + 20 * (k - 1)

    def panel_point(self):
        """Screen position of a point on the panel strip that no action reacts to."""
        return self.screen(5, self.panel + 35)


# The client sizes the window tests read.
CLIENT = {n: client_size(n) for n in SIZES}
