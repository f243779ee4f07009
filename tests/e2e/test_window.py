"""The main window: its client size for each board size, its place on the
screen (also on a screen smaller than the window), the menu's check marks,
getting the keys back after the desktop took them, and the orderly end
through the menu and through closing the window."""
import os
import subprocess
import unittest

import boardview as bv
import harness

EDITOR_EXE = os.path.join(harness.WIN_BUILD, "bombagram2-editor.exe")
EDITOR_TITLE = "Bombagram 2 레벨 편집기 - "

BOMBS = {(c, 0) for c in range(10)}


def start_game(session):
    for n in (10, 15, 20):
        session.write("level%d.dat" % n, harness.level_file([("Top", {(c, 0) for c in range(n)})], n))
    session.start()
    session.wait_ready()


class WindowTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.s = harness.Session()
        start_game(cls.s)

    @classmethod
    def tearDownClass(cls):
        cls.s.close()

    def window(self):
        return self.s.wait_window(harness.TITLE)

    def menu_marks(self):
        """Opens the Game menu from the keyboard and gives the heights of its check marks."""
        self.s.key("alt+g")
        popups = self.s.wait_menu()
        left, top, right, bottom = popups[0]["rect"]
        # The menu has drawn its items once their black text shows.
        img = self.s.wait_screen(lambda img: any(img.pixel(x, y) == bv.BLACK for y in range(top, bottom, 2)
                                                 for x in range(left, right, 2)), "the menu's items drawn")
        self.s.key("Escape")
        self.s.key("Escape")
        harness.wait_for(lambda: not self.s.menus(), "the menu to close")
        self.assertEqual(len(popups), 1, "the Game menu opens")
        rows = [y for y in range(top, bottom)
                if any(img.pixel(x, y) == bv.BLACK for x in range(left + 3, left + 16))]
        marks, last = [], None
        for y in rows:
            if last is None or y - last > 1:
                marks.append(y)
            last = y
        return [y - top for y in marks]

    def test_client_area_fits_each_board_and_the_window_is_centred(self):
        for key, size in (("F4", 15), ("F5", 20), ("F3", 10), ("F3", 10)):
            self.s.key(key)
            self.s.wait_fitted(size)
            w = self.window()
            self.assertEqual(w["client"][2:], bv.CLIENT[size], "client area for %d x %d" % (size, size))
            left, top, right, bottom = w["rect"]
            self.assertEqual(left, 1024 // 2 - (right - left) // 2, "centred across")
            self.assertEqual(top, 768 // 2 - (bottom - top) // 2, "centred down")

    def test_check_marks_follow_the_size_and_the_board_source(self):
        # Keys are taken in order: the menu opened after a key shows its effect.
        self.s.key("F3")
        small = self.menu_marks()
        self.s.key("F4")
        middle = self.menu_marks()
        self.s.key("F5")
        large = self.menu_marks()
        self.assertEqual(len(small), 2, "one size and the picture boards")
        self.assertEqual(len(middle), 2)
        self.assertEqual(len(large), 2)
        step = middle[0] - small[0]
        self.assertGreater(step, 10, "the size mark moves down one item")
        self.assertEqual(large[0] - middle[0], step)
        self.assertEqual(small[1], middle[1])
        self.assertEqual(small[1], large[1])
        self.assertGreater(small[1], large[0])
        self.s.key("F6")
        self.assertEqual(self.menu_marks(), large[:1], "random boards: no mark on the picture item")
        self.s.key("F6")
        self.assertEqual(self.menu_marks(), large, "picture boards again")
        self.s.key("F3")
        self.s.wait_fitted(10)


class SmallScreenTest(unittest.TestCase):
    def test_a_window_larger_than_the_screen_stays_on_it(self):
        with harness.Session(width=400, height=300) as s:
            start_game(s)
            before = s.wait_window(harness.TITLE)["rect"]
            for key, size in (("F5", 20), ("F4", 15), ("F3", 10)):
                s.key(key)
                # Each size changes the window's outer size, held on the screen or not.
                w = harness.wait_for(lambda: (lambda w: w if w["rect"] != before else None)(s.wait_window(harness.TITLE)),
                                     "the window to change for a %d x %d board" % (size, size))
                before = w["rect"]
                left, top, right, bottom = w["rect"]
                # Centred where it fits, else held at the screen's edge, never off it.
                self.assertEqual(left, max(0, 200 - (right - left) // 2), "board %d" % size)
                self.assertEqual(top, max(0, 150 - (bottom - top) // 2), "board %d" % size)
            # Wine keeps a window within the screen and its frame; the small
            # board still gets its exact client area.
            self.assertEqual(w["client"][2:], bv.CLIENT[10])


def pictures_under(session, like=(None, None, None)):
    """Starts the game without level files: the client area of its "file
    open error" box, then, the box answered, the Game menu opened from the
    keyboard, then the level editor's File menu, each as the screen shows
    it where the probe finds it, with that rectangle. Each picture is taken
    once it is drawn: once it looks as like (pictures from another session)
    says, or, waiting up to 10 s for that, as it stays; else once black
    text shows in it."""
    def picture(rect, alike):
        x, y, w, h = rect

        def drawn(img):
            seen = img.region(x, y, w, h)
            return seen == alike if alike else any(bv.BLACK in row for row in seen)
        try:
            img = session.wait_screen(drawn, "the picture at %s drawn" % (rect,))
        except harness.WaitTimeout:
            img = session.screenshot()
        return rect, img.region(x, y, w, h)

    session.start(wait_title=None)
    box = picture(session.wait_window("error", timeout=30)["client"], like[0])
    x, y, w, h = box[0]
    session.xdotool("mousemove", x + w // 2, y + h // 2)
    session.key("Return")
    session.wait_gone("error")
    session.wait_window(harness.TITLE)
    session.wait_ready()
    session.key("alt+g")
    left, top, right, bottom = session.wait_menu()[0]["rect"]
    game_menu = picture((left, top, right - left, bottom - top), like[1])
    session.key("Escape")
    session.key("Escape")
    harness.wait_for(lambda: not session.menus(), "the Game menu to close")
    return box, game_menu, picture(editor_file_menu(session), like[2])


def editor_file_menu(session):
    """Starts the level editor beside the game and opens its File menu from
    the keyboard; the menu's rectangle."""
    session.copy_shipped_levels()
    session.launch(EDITOR_EXE, "level10.dat")
    editor = harness.wait_for(lambda: next((w for w in session.windows() if w["title"].startswith(EDITOR_TITLE)),
                                           None), "the editor's window", 30)
    x, y, w, h = editor["client"]
    session.xdotool("mousemove", x + w // 2, y + h // 2)
    # Alt+F again (a few seconds on) while the editor is still starting.
    left, top, right, bottom = harness.wait_for(session.menus, "the editor's File menu", 20,
                                                act=lambda: session.key("alt+f"), act_every=5)[0]["rect"]
    return left, top, right - left, bottom - top


def framed(session):
    """True when the window manager has framed the game's window."""
    found = subprocess.run(["xdotool", "search", "--name", "^%s$" % harness.TITLE], env=session.env,
                           stdout=subprocess.PIPE, text=True).stdout.split()
    extents = subprocess.run(["xprop", "-id", found[0], "_NET_FRAME_EXTENTS"], env=session.env,
                             stdout=subprocess.PIPE, text=True).stdout if found else ""
    return "=" in extents


class WindowManagerTest(unittest.TestCase):
    """The game on a desktop with a window manager (openbox), as players run
    it: a message box, the Game menu and the level editor's File menu show
    what they show on a bare display, pixel for pixel, where the window
    manager puts them."""

    def test_a_message_box_and_the_menus_paint_under_a_window_manager(self):
        with harness.Session() as s:
            bare = pictures_under(s)
        with harness.Session(window_manager=True) as s:
            managed = pictures_under(s, [picture for _, picture in bare])
            self.assertTrue(framed(s), "openbox frames the game's window")
        shown = ("the error box", "the Game menu", "the editor's File menu")
        for (where, picture), (_, seen), what in zip(bare, managed, shown):
            black = sum(row.count(bv.BLACK) for row in seen)
            self.assertLess(black, sum(row.count(bv.BLACK) for row in picture) + 1,
                            "%s at %s is no blacker than on a bare display" % (what, where))
            self.assertEqual(seen, picture, "%s under openbox" % what)


def root_window(session):
    """The X root window's id, as xwininfo names it."""
    info = subprocess.run(["xwininfo", "-root"], env=session.env, stdout=subprocess.PIPE, text=True).stdout
    return next(line.split()[3] for line in info.splitlines() if "Window id:" in line)


class ActivationTest(unittest.TestCase):
    """What the tests' wait for the game to take keys forgives, and what it
    does not: the desktop that Wine makes active when the X focus falls back
    to the root is left with the player's click on the title bar; another
    program that took the keys fails the wait."""

    def test_the_desktop_is_left_with_a_click_and_another_program_fails_the_wait(self):
        with harness.Session() as s:
            start_game(s)
            subprocess.run(["xdotool", "windowfocus", root_window(s)], env=s.env, check=True)
            harness.wait_for(lambda: harness.active_is_the_desktop(s.probe("answers", harness.TITLE)),
                             "the desktop to be the active window")
            s.wait_ready()
            s.key("F1")
            s.wait_help("F1 to reach the game", timeout=10)
            s.key("Escape")
            s.wait_help_gone("the help to close")

            s.launch(os.path.join(harness.WIN_BUILD, "minimal_window.exe"))
            s.wait_window("Minimal")
            with self.assertRaises(harness.WaitTimeout) as failed:
                s.wait_ready(timeout=5)
            self.assertIn("foreground ", str(failed.exception))
            self.assertNotIn("foreground #32769 ", str(failed.exception))


class EndTest(unittest.TestCase):
    def test_exit_from_the_menu_ends_the_program_cleanly(self):
        with harness.Session() as s:
            start_game(s)
            geo = bv.Geometry(10, s.client_origin()[:2])
            s.click(*geo.block_centre(3, 3))  # ticks and repaints are under way
            s.key("alt+g")
            s.wait_menu()
            s.key("x")
            self.assertEqual(s.wait_exit(15), 0)

    def test_closing_the_window_ends_the_program_cleanly(self):
        with harness.Session() as s:
            start_game(s)
            geo = bv.Geometry(10, s.client_origin()[:2])
            s.click(*geo.block_centre(3, 3), button=3)
            s.key("alt+F4")
            self.assertEqual(s.wait_exit(15), 0)


if __name__ == "__main__":
    unittest.main()
