"""The status panel on screen: the time bar, the seconds counter, the
hourglass and the book icons, each compared with the game's own sprite
sheets, while the game waits, while it is played, after hints and after the
window is repainted."""
import time
import unittest

import boardview as bv
import harness

# 10 x 10: a full top row of bombs, the rest free.
BOMBS_10 = {(c, 0) for c in range(10)}
# 20 x 20: a full row 10 of bombs, which three hints in the top-left corner leave mostly covered.
BOMBS_20 = {(c, 10) for c in range(20)}


class StatusPanelTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.s = harness.Session()
        cls.s.write("level10.dat", harness.level_file([("Row", BOMBS_10)], 10))
        cls.s.write("level20.dat", harness.level_file([("Row", BOMBS_20)], 20))
        cls.s.start()
        cls.time_sheet = bv.sprite_sheet("time")
        cls.timer_sheet = bv.sprite_sheet("timer")

    @classmethod
    def tearDownClass(cls):
        cls.s.close()

    def hint(self, geo, col, row):
        self.s.xdotool("keydown", "ctrl")
        self.s.click(*geo.block_centre(col, row))
        self.s.xdotool("keyup", "ctrl")

    # --- the pictures expected from the sprite sheets ---------------------------
    def expected_bar(self, geo, length):
        """The bar area: the left `length` columns of the full strip, then the empty strip."""
        full = self.time_sheet.region(0, 0, length, 23)
        empty = self.time_sheet.region(0, 23, geo.time_max + 4 - length, 23)
        return [f + e for f, e in zip(full, empty)]

    def bar_on_screen(self, img, geo):
        return bv.region(img, geo, 36, geo.bar_y(), geo.time_max + 4, 23)

    def books_on_screen(self, img, geo):
        return bv.books_shown(img, geo)

    def shot_with_books(self, geo, books):
        """The first screenshot showing those book icons: the hints before have had their update."""
        return self.s.wait_screen(lambda img: self.books_on_screen(img, geo) == books,
                                  "the book icons %s" % books)

    def hourglass_frame(self, img, geo):
        shown = bv.region(img, geo, 13, geo.panel + 24, 22, 22)
        frames = [self.timer_sheet.region(22 * f, 0, 22, 22) for f in range(16)]
        return frames.index(shown) if shown in frames else None

    def assert_bar(self, img, geo, length):
        self.assertEqual(bv.bar_length(img, geo), length)
        self.assertEqual(self.bar_on_screen(img, geo), self.expected_bar(geo, length), "bar of %d pixels" % length)

    # --- tests -----------------------------------------------------------------
    def test_a_fresh_board_waits_with_a_full_bar_less_one_charge(self):
        geo = self.s.fresh_board()
        first = self.s.screenshot("a.ppm")
        self.assert_bar(first, geo, 98)
        self.assertEqual(bv.seconds_shown(first, geo), [10, 10, 0], "blank, blank, 0")
        self.assertEqual(self.books_on_screen(first, geo), [True, True, True])
        self.assertEqual(self.hourglass_frame(first, geo), 0)
        time.sleep(2.5)  # the time watched: longer than a charge (1.6 s) and a second
        later = self.s.screenshot("b.ppm")
        self.assertEqual(self.bar_on_screen(later, geo), self.bar_on_screen(first, geo), "no drain while waiting")
        self.assertEqual(bv.seconds_shown(later, geo), [10, 10, 0], "no seconds while waiting")
        self.assertEqual(self.hourglass_frame(later, geo), 0)

    def test_the_bar_drains_and_the_seconds_count_in_play(self):
        geo = self.s.fresh_board()
        self.s.click(*geo.block_centre(4, 4))  # a free block: the game is on
        started = time.time()
        time.sleep(3.6)  # the time played, against which bar and seconds are read
        img = self.s.screenshot()
        elapsed = time.time() - started
        length = bv.bar_length(img, geo)
        # +5 for the break is clamped at 100; one charge for it, one more every 1.6 s.
        charges = 1 + int(elapsed / 1.6)
        self.assertIn(length, range(100 - 2 * (charges + 1), 100 - 2 * (charges - 1) + 1))
        self.assertLess(length, 98)
        self.assert_bar(img, geo, length)
        seconds = bv.seconds_shown(img, geo)
        self.assertEqual(seconds[:2], [10, 10])
        self.assertIn(seconds[2], (2, 3, 4))
        frames = set()
        for _ in range(4):
            frames.add(self.hourglass_frame(self.s.screenshot(), geo))
        self.assertNotIn(None, frames)
        self.assertGreater(len(frames), 1, "the hourglass runs")

    def test_a_hint_takes_away_one_book(self):
        geo = self.s.fresh_board()
        self.hint(geo, 5, 5)
        img = self.shot_with_books(geo, [True, True, False])
        # Where the third book stood, the hint area shows empty bar.
        length = bv.bar_length(img, geo)
        x = geo.hint_icon_x(3)
        expected = [row[x - 36 - length: x - 36 - length + 20] for row in self.time_sheet.region(0, 23, 300, 23)[2:22]]
        self.assertEqual(bv.region(img, geo, x, geo.panel + 25, 20, 20), expected)
        self.hint(geo, 6, 6)
        self.hint(geo, 7, 7)
        self.shot_with_books(geo, [False, False, False])
        self.hint(geo, 8, 8)  # no hint left: nothing happens
        # A check after it shows once the hint's click has been taken.
        self.s.click(*geo.block_centre(9, 9), button=3)
        img = self.s.wait_screen(lambda img: bv.block_shows(img, geo, 9, 9, "checked"), "the check after the hint")
        self.assertEqual(bv.block_picture(img, geo, 8, 8)[7], bv.block_sprites()["covered"][7])

    def test_a_repaint_brings_back_the_bar_and_books_without_a_charge(self):
        geo = self.s.fresh_board()
        self.assertTrue(self.s.repaint())  # returns once the window has painted
        img = self.s.screenshot()
        self.assert_bar(img, geo, 98)
        self.assertEqual(self.books_on_screen(img, geo), [True, True, True])
        self.assertEqual(bv.seconds_shown(img, geo), [10, 10, 0])
        self.assertEqual(self.hourglass_frame(img, geo), 0)

    def test_a_large_board_bar_and_a_hint_area_wider_than_the_bar_picture(self):
        geo = self.s.fresh_board("F5", 20)
        img = self.s.screenshot()
        self.assert_bar(img, geo, 286)
        for k in (1, 2, 3):
            self.hint(geo, k - 1, k - 1)
        self.shot_with_books(geo, [False, False, False])
        # Two bombs broken take 240: the bar ends below 54, so the hint area
        # reaches past the 300 pixels of the bar picture.
        self.s.click(*geo.block_centre(10, 10))
        self.s.click(*geo.block_centre(12, 10))
        # A broken bomb shows as checked.
        self.s.wait_screen(lambda img: bv.block_shows(img, geo, 12, 10, "checked"), "the second bomb broken")
        self.assertTrue(self.s.repaint())
        img = self.s.screenshot()
        length = bv.bar_length(img, geo)
        self.assertIn(length, range(0, 54))
        self.assertEqual(self.books_on_screen(img, geo), [False, False, False])
        tail = bv.region(img, geo, 36 + length + 2, geo.bar_y(), 390 - (36 + length + 2), 23)
        self.assertTrue(all(p == bv.GRAY for row in tail for p in row), "the hint area is empty bar to x = 390")
        self.s.fresh_board("F3", 10)


if __name__ == "__main__":
    unittest.main()
