"""Pictures of the game for the README, taken from the real game in a test
run: a board in play, the best-time dialog and a help page. Each is cut out
of the screen around its window and written to build/screenshots/."""
import os
import subprocess
import unittest

import boardview as bv
import harness
from harness import Session
from recordsfile import BEST, act_on, level_file

OUT = os.path.join(harness.BUILD, "screenshots")
# A cup: the picture of the dialog's thumbnail.
CUP = [(c, r) for r in range(3, 8) for c in range(2, 7)] + [(7, 4), (8, 4), (8, 5), (7, 6), (8, 6)] + \
      [(c, 8) for c in range(1, 8)]


def window_box(s, title):
    """The window's outer rectangle; without a window manager no frame is
    drawn, so the picture starts at the client area."""
    for w in s.windows():
        if w["title"] == title:
            x, y, cw, ch = w["client"]
            return x, y, cw, ch
    raise AssertionError("no window %r" % title)


def picture_in(s, box):
    x, y, w, h = box
    return s.screenshot().region(x, y, w, h)


def settled(s, box, what, changed_from=None):
    """Waits until the box shows the same picture on two screenshots in a row
    (its window has finished drawing), one that differs from changed_from."""
    last = [None]

    def same():
        picture = picture_in(s, box)
        steady = picture == last[0] and picture != changed_from
        last[0] = picture
        return steady
    harness.wait_for(same, what)


def cut(s, box, name):
    x, y, w, h = box
    path = os.path.join(OUT, name)
    full = s.path("full.png")
    s.save_png(full)
    subprocess.run(["convert", full, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", path], check=True)
    return path


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    assert head[:8] == b"\x89PNG\r\n\x1a\n"
    return int.from_bytes(head[16:20], "big"), int.from_bytes(head[20:24], "big")


class Showcase(unittest.TestCase):
    def test_pictures_for_the_readme(self):
        os.makedirs(OUT, exist_ok=True)
        with Session() as s:
            s.write("level10.dat", level_file([("컵", CUP)]))
            s.start()
            geo = s.wait_fresh_board(10)
            # A board in play: a few blocks broken, checked and dragged over.
            act_on(s, [(0, 0), (9, 9), (0, 9)], button=1)
            act_on(s, [(2, 3), (3, 3), (4, 3)], button=3)
            s.wait_screen(lambda img: bv.block_shows(img, geo, 4, 3, "checked"), "the last check on the board")
            board = cut(s, window_box(s, "Bombagram2"), "board.png")
            self.assertEqual(png_size(board), (218, 263))

            # The help wizard's first page.
            s.xdotool("mousemove", 512, 384)
            s.key("F1")
            title = s.wait_help(timeout=12)["title"]
            box = window_box(s, title)
            settled(s, box, "the help page drawn")
            help_page = cut(s, box, "help.png")
            self.assertEqual(png_size(help_page), box[2:])
            s.xdotool("mousemove", 512, 384)
            s.key("Escape")
            s.wait_help_gone()

            # Solving the cup opens the best-time dialog with its thumbnail.
            act_on(s, [b for b in CUP if b not in [(2, 3), (3, 3), (4, 3)]], button=3, pause=0.05)
            s.wait_window(BEST, timeout=10)
            box = window_box(s, BEST)
            settled(s, box, "the best-time dialog drawn")
            dialog = cut(s, box, "best-time.png")
            self.assertEqual(png_size(dialog), box[2:])
            s.xdotool("mousemove", 512, 384)
            before = picture_in(s, box)
            s.xdotool("type", "Player")
            settled(s, box, "the name drawn in its field", changed_from=before)
            cut(s, window_box(s, BEST), "best-time.png")


if __name__ == "__main__":
    unittest.main()
