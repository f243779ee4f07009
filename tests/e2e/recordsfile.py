"""What the records and dialog tests share: level files whose solution the
test knows, the records file as Python sees it, and a player's moves."""
import time

BEST = "축하합니다"        # BEST and GAMEOVER1 share this caption
RECORDS = "최고 기록"      # TOPSCORE
LOSS = "게임오버"          # GAMEOVER
NO_NAME = "이름없음"
RECORDS_FILE = "Kabloom2.dat"

# boardLeft and boardTop of each size; block (col, row) begins 12 px inside.
BOARD_ORIGIN = {10: (44, 53), 15: (68, 88), 20: (84, 94)}


def level_file(records, size=10):
    """A level file: records is a list of (name, bombs), bombs (col, row) pairs."""
    data = bytearray([0, 0, len(records)])
    for name, bombs in records:
        bits = [0] * (size * size)
        for col, row in bombs:
            bits[row * size + col] = 1
        packed = bytearray((size * size + 7) // 8)
        for i, bit in enumerate(bits):
            if bit:
                packed[i // 8] |= 0x80 >> (i % 8)
        data += name.encode("cp949")[:19].ljust(20, b"\0") + packed
    return bytes(data)


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
    left, top = BOARD_ORIGIN[size]
    return x + left + 12 + 15 * col + 7, y + top + 12 + 15 * row + 7


def act_on(s, blocks, button, size=10, pause=0.15):
    for col, row in blocks:
        s.click(*block_point(s, col, row, size), button=button)
        time.sleep(pause)


def open_records_from_menu(s):
    s.key("alt+g")
    time.sleep(0.4)
    s.key("t")
    return s.wait_window(RECORDS)


def exit_from_menu(s):
    s.key("alt+g")
    time.sleep(0.4)
    s.key("x")
    return s.wait_exit()


def window_titles(s):
    return [w["title"] for w in s.windows()]


def gone(s, title, timeout=5):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if title not in window_titles(s):
            return True
        time.sleep(0.3)
    return False


def client_width(size):
    return BOARD_ORIGIN[size][0] + 15 * size + 24


def wait_board_size(s, size, timeout=10):
    """Waits until the main window has been fitted to a board of size."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        if s.client_origin()[2] == client_width(size):
            return True
        time.sleep(0.3)
    return False


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
