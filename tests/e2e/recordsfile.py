"""What the records and dialog tests share: level files whose solution the
test knows, the records file as Python sees it, and a player's moves."""
import time

import geometry
from harness import level_file  # noqa: F401

BEST = "축하합니다"        # BEST and GAMEOVER1 share this caption
RECORDS = "최고 기록"      # TOPSCORE
LOSS = "게임오버"          # GAMEOVER
NO_NAME = "이름없음"
RECORDS_FILE = "Kabloom2.dat"

# A 10 x 10 picture of three bombs, won by three right clicks.
TINY = [(0, 0), (3, 2), (9, 9)]


def win_tiny_with_a_record(s, name="Ghost"):
    """On a fresh board of TINY: wins it, types the name into BEST and closes
    the table that follows."""
    s.wait_fresh_board(10)
    act_on(s, TINY, button=3)
    s.wait_window(BEST, timeout=10)
    s.xdotool("type", name)
    s.key("Return")
    s.wait_window(RECORDS, timeout=10)
    s.key("Return")
    s.wait_gone(RECORDS)


def records_text(*lines):
    """A records file as a hand editor writes it, in CP949 with CRLF lines."""
    return ("\r\n".join(("[Bombagram2]",) + lines) + "\r\n").encode("cp949")


def lines_of(data):
    return [l for l in data.decode("cp949").split("\r\n") if l]


def keys_of(data):
    """The (key, value) pairs of the section, in file order."""
    lines = lines_of(data)
    assert lines[0] == "[Bombagram2]", lines
    return [tuple(l.split("=", 1)) for l in lines[1:]]


def block_point(s, col, row, size=10):
    x, y, _, _ = s.client_origin()
    return geometry.Geometry(size, (x, y)).block_centre(col, row)


def act_on(s, blocks, button, size=10, pause=0.05):
    """Clicks the blocks in turn; the pause is the clicks' pace, not a wait."""
    geo = geometry.Geometry(size, s.client_origin()[:2])
    for col, row in blocks:
        s.click(*geo.block_centre(col, row), button=button)
        time.sleep(pause)


def open_menu_item(s, menu_key, item_key, title):
    """Opens a menu from the keyboard, waits until it shows, picks the item."""
    s.key(menu_key)
    s.wait_menu()
    s.key(item_key)
    return s.wait_window(title)


def open_records_from_menu(s):
    return open_menu_item(s, "alt+g", "t", RECORDS)


def exit_from_menu(s):
    s.key("alt+g")
    s.wait_menu()
    s.key("x")
    return s.wait_exit()


ERROR_CAPTION = "error"


def dismiss_error_box(s):
    """Presses OK in the level reader's message box; gives its texts."""
    box = s.wait_window(ERROR_CAPTION)
    texts = [c["text"] for c in s.controls(ERROR_CAPTION)[1]]
    s.xdotool("mousemove", box["client"][0] + 5, box["client"][1] + 5)
    s.key("Return")
    return texts


def window_titles(s):
    return s.titles()


def all_texts(s, title):
    """Every control text of the window, unaddressed statics included."""
    _, controls = s.controls(title)
    return [c["text"] for c in controls]


def client_rects(s, title):
    """The dialog's client origin and its controls' rectangles in client pixels."""
    dialog, controls = s.controls(title)
    x, y = dialog["client"][0], dialog["client"][1]
    rects = {}
    for c in controls:
        l, t, r, b = c["rect"]
        rects.setdefault(int(c["id"]), []).append((l - x, t - y, r - x, b - y))
    return (x, y), rects
