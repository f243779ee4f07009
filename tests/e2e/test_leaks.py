"""Every dialog of the game, opened and closed six times in a row under
Wine, leaves the number of GDI objects the game holds where it was after its
first opening (which may make what the dialog keeps for later ones): the help
wizard with each of its five pages shown, the About box, the best-times table,
a win with a new best time, a win without one, and a loss."""
import itertools
import unittest

import geometry
from harness import HELP_TITLES, Session, wait_for
from recordsfile import BEST, LOSS, RECORDS, RECORDS_FILE, TINY, level_file, records_text, window_titles

OPENINGS = 6
# Wine may hold a stray one or two for a moment; a leak of one object an
# opening adds six, three times the allowance.
ALLOWANCE = 2

ABOUT = "About Bombagram 2"
MAIN = "Bombagram2"
SCREEN_CENTRE = (512, 384)

# A 10 x 10 picture of three bombs: won by three right clicks.
# Twenty bombs in the two top rows: five broken bombs empty the bar of 100.
TOP_ROWS = [(col, row) for row in (0, 1) for col in range(10)]
CHECKED = (0, 0, 255)  # the blue cross in the middle of a checked block
FINISH = 12325  # the wizard's Finish button


def shown(s, titles):
    return any(t in titles for t in window_titles(s))


def press(s, key):
    """Without a window manager the keyboard follows the pointer: keys are
    pressed with it on the middle of the screen, where the game's window and
    its dialogs are."""
    s.xdotool("mousemove", *SCREEN_CENTRE)
    s.key(key)


def press_until(s, keys, done, what):
    """Presses the keys, and again when they show no effect within a few
    seconds: a key pressed just as a dialog closes can be lost under Xvfb."""
    def press_all():
        for key in keys:
            press(s, key)
    return wait_for(done, what, timeout=20, act=press_all, act_every=4)


def press_until_shown(s, keys, titles):
    """Opens a window once the game takes input again."""
    s.wait_ready()
    press_until(s, keys, lambda: shown(s, titles), "%s to open %s" % (" ".join(keys), titles))


def press_until_gone(s, key, titles):
    press_until(s, [key], lambda: not shown(s, titles), "%s to close %s" % (key, titles))


def help_controls(s):
    window = s.help_window()
    return s.controls(window["title"], or_none=True)[1] if window else []


def help_page(s):
    """The page the wizard shows, told by the bitmap names of its pictures."""
    pages = ["HELP0", "HELP1", "HELP3", "HELP5", "HELP7"]
    names = {c["text"] for c in help_controls(s) if c["class"] == "Static" and c["visible"] == "1"}
    for number, first_picture in enumerate(pages, 1):
        if first_picture in names:
            return number
    return 0


def click_finish(s):
    for c in help_controls(s):
        if c["class"] == "Button" and int(c["id"]) == FINISH and c["visible"] == "1":
            left, top, right, bottom = c["rect"]
            s.click((left + right) // 2, (top + bottom) // 2)
            return True
    return False


class Board:
    """The 10 x 10 board on screen; the window keeps its place and size."""

    def __init__(self, s):
        self.s = s
        x, y, _, _ = s.client_origin()
        self.geometry = geometry.Geometry(10, (x, y))

    def point(self, col, row):
        return self.geometry.block_centre(col, row)

    def click(self, block, button):
        self.s.click(*self.point(*block), button=button)

    def checked(self, blocks):
        shot = self.s.screenshot()
        return [b for b in blocks if shot.pixel(*self.point(*b)) == CHECKED]


class DialogLeaks(unittest.TestCase):
    def count_over_openings(self, s, name, open_and_close):
        open_and_close()  # the first opening may keep objects for the later ones
        before = s.steady_gdi_count()
        self.assertGreater(before, 0, "the probe counts the game's objects")
        for _ in range(OPENINGS):
            open_and_close()
        after = s.steady_gdi_count()
        print("\n%s: GDI objects %d after the first opening, %d after %d more" % (name, before, after, OPENINGS))
        self.assertTrue(s.running())
        self.assertLessEqual(abs(after - before), ALLOWANCE, "%s leaks GDI objects" % name)

    # --- the menu's dialogs ------------------------------------------------
    def visit_help(self, s):
        press_until_shown(s, ["F1"], HELP_TITLES)
        # Next is the default button: each Return shows the next page.
        for page in range(2, 6):
            press_until(s, ["Return"], lambda: help_page(s) == page, "help page %d" % page)
        wait_for(lambda: not shown(s, HELP_TITLES), "Finish to close the wizard", timeout=20,
                 act=lambda: click_finish(s), act_every=4)

    def open_about(self, s):
        press_until_shown(s, ["alt+h", "a"], (ABOUT,))
        press_until_gone(s, "Return", (ABOUT,))

    def open_records(self, s):
        press_until_shown(s, ["alt+g", "t"], (RECORDS,))
        press_until_gone(s, "Return", (RECORDS,))

    def test_help_about_and_records_table(self):
        with Session() as s:
            s.write("level10.dat", level_file([("Tiny", TINY)]))
            s.start()
            self.count_over_openings(s, "help wizard, five pages", lambda: self.visit_help(s))
            self.count_over_openings(s, "About box", lambda: self.open_about(s))
            self.count_over_openings(s, "best-times table", lambda: self.open_records(s))

    # --- the end of a game -------------------------------------------------
    def win(self, s, board, stored_best):
        """Solves the tiny board with the stored best time given; the dialogs
        that follow are closed with Enter."""
        s.write(RECORDS_FILE, records_text("Score1=%d" % stored_best))

        def check_the_rest():
            # Only while no dialog is open: a click lost just after a dialog
            # closed is made again, never one on a dialog.
            if window_titles(s) == [MAIN]:
                for block in [b for b in TINY if b not in board.checked(TINY)]:
                    board.click(block, 3)
        s.wait_ready()
        wait_for(lambda: BEST in window_titles(s), "the board to be solved", timeout=30,
                 act=check_the_rest, act_every=4)
        new_best = 602 in s.control_texts(BEST)
        if new_best:  # a new best time: BEST, then the table
            press_until_shown(s, ["Return"], (RECORDS,))
            press_until_gone(s, "Return", (RECORDS,))
        else:
            press_until_gone(s, "Return", (BEST,))
        wait_for(lambda: window_titles(s) == [MAIN], "the dialogs to close")
        s.wait_ready()
        return new_best

    def test_wins_with_and_without_a_new_best_time(self):
        with Session() as s:
            s.write("level10.dat", level_file([("Tiny", TINY)]))
            s.start()
            board = Board(s)
            # A stored best of 999 is beaten by any win; one of 0 by none.
            self.count_over_openings(s, "win with a new best time (BEST, TOPSCORE)",
                                     lambda: self.assertTrue(self.win(s, board, 999)))
            self.count_over_openings(s, "win without a new best time (GAMEOVER1)",
                                     lambda: self.assertFalse(self.win(s, board, 0)))

    def lose(self, s, board):
        """Breaks bombs of the top rows until the game is lost; the loss
        dialog opens below them, so no click meets its buttons."""
        blocks = itertools.cycle(TOP_ROWS)
        s.wait_ready()
        wait_for(lambda: LOSS in window_titles(s), "the game to be lost", timeout=30,
                 act=lambda: board.click(next(blocks), 1), act_every=0.3)
        press_until_gone(s, "Return", (LOSS,))
        s.wait_ready()

    def test_losses(self):
        with Session() as s:
            s.write("level10.dat", level_file([("Rows", TOP_ROWS)]))
            s.start()
            board = Board(s)
            self.count_over_openings(s, "loss (GAMEOVER)", lambda: self.lose(s, board))


if __name__ == "__main__":
    unittest.main()
