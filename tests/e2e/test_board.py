"""The board on screen, played with real input: frames and grid lines where
they belong, the clue numbers of a known picture, the blocks' pictures after
breaks, checks, drags and hints, and the clue numbers of a repainted board,
which are those of its first paint."""
import time
import unittest

import boardview as bv
import harness

# A 10 x 10 picture whose clues the tests read back: a full top row (a red
# 10), a column of 9, a column with the most runs a line of 10 can hold, a run
# of three, and an empty bottom row.
BOMBS_10 = ({(c, 0) for c in range(10)} | {(0, r) for r in range(9)} | {(2, r) for r in (2, 4, 6, 8)}
            | {(3, 1), (3, 2)} | {(7, r) for r in range(3, 8)})
GRID_10 = bv.grid_from_rows(10, BOMBS_10)
# 20 x 20: a row of ten single bombs, the longest list a row of 20 holds.
BOMBS_20 = {(c, 3) for c in range(0, 20, 2)} | {(5, r) for r in range(0, 20, 2)}
GRID_20 = bv.grid_from_rows(20, BOMBS_20)


def column(grid, col):
    return [row[col] for row in grid]


class BoardTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.s = harness.Session()
        cls.s.write("level10.dat", harness.level_file([("Known", BOMBS_10)], 10))
        cls.s.write("level15.dat", harness.level_file([("Empty", set())], 15))
        cls.s.write("level20.dat", harness.level_file([("Alternate", BOMBS_20)], 20))
        cls.s.start()
        cls.sprites = bv.block_sprites()

    @classmethod
    def tearDownClass(cls):
        cls.s.close()

    def shot(self):
        return self.s.screenshot()

    def assert_block(self, img, geo, col, row, sprite):
        self.assertEqual(bv.block_picture(img, geo, col, row), bv.expected_block(col, row, sprite),
                         "block (%d, %d) should show the %s sprite" % (col, row, sprite))

    def shot_showing(self, geo, col, row, sprite):
        """The first screenshot on which the block shows the sprite."""
        return self.s.wait_screen(lambda img: bv.block_shows(img, geo, col, row, sprite),
                                  "block (%d, %d) to show the %s sprite" % (col, row, sprite))

    # --- frames and grid -----------------------------------------------------
    def check_frames(self, img, geo):
        L, T, P, R = geo.left, geo.top, geo.panel, geo.right
        px = lambda x, y: img.pixel(*geo.screen(x, y))
        mid_x, mid_y = (R + 23) // 2, 100
        for k in range(3):
            self.assertEqual(px(mid_x, k), bv.WHITE, "outer frame top, ring %d" % k)
            self.assertEqual(px(k, mid_y), bv.WHITE, "outer frame left")
            self.assertEqual(px(R + 23 - k, mid_y), bv.DARK, "outer frame right")
            self.assertEqual(px(mid_x, P + 59 - k), bv.DARK, "outer frame bottom")
            self.assertEqual(px(mid_x, 9 + k), bv.DARK, "board frame top")
            self.assertEqual(px(9 + k, mid_y), bv.DARK, "board frame left")
            self.assertEqual(px(R + 14 - k, mid_y), bv.WHITE, "board frame right")
            self.assertEqual(px(mid_x, P + 14 - k), bv.WHITE, "board frame bottom")
            self.assertEqual(px(mid_x, P + 20 + k), bv.DARK, "panel frame top")
            self.assertEqual(px(9 + k, P + 35), bv.DARK, "panel frame left")
            self.assertEqual(px(R + 14 - k, P + 35), bv.WHITE, "panel frame right")
            self.assertEqual(px(mid_x, P + 50 - k), bv.WHITE, "panel frame bottom")
        for x, y in ((5, mid_y), (R + 18, mid_y), (mid_x, P + 17), (mid_x, P + 55)):
            self.assertEqual(px(x, y), bv.GRAY, "window background at (%d, %d)" % (x, y))
        # The corner box is raised: white top and left, gray and black right and bottom.
        self.assertEqual(px(20, 12), bv.WHITE)
        self.assertEqual(px(12, 20), bv.WHITE)
        self.assertEqual(px(L + 10, 20), bv.DARK)
        self.assertEqual(px(20, T + 10), bv.DARK)
        self.assertEqual(px(L + 11, 20), bv.BLACK)
        self.assertEqual(px(20, T + 11), bv.BLACK)

    def check_grid_lines(self, img, geo):
        px = lambda x, y: img.pixel(*geo.screen(x, y))
        for i in range(geo.size):
            x = geo.left + 12 + 15 * i
            y = geo.top + 12 + 15 * i
            down = [px(x, yy) for yy in range(12, geo.panel + 12)]
            across = [px(xx, y) for xx in range(12, geo.right + 12)]
            if i % 5 == 0:
                self.assertTrue(all(p == bv.BLACK for p in down), "grid line down column %d" % i)
                self.assertTrue(all(p == bv.BLACK for p in across), "grid line across row %d" % i)
            else:
                self.assertFalse(all(p == bv.BLACK for p in down), "no grid line at column %d" % i)
                self.assertFalse(all(p == bv.BLACK for p in across), "no grid line at row %d" % i)

    def test_frames_and_grid_lines_of_small_and_large_boards(self):
        geo = self.s.fresh_board("F3", 10)
        img = self.shot()
        self.check_frames(img, geo)
        self.check_grid_lines(img, geo)
        geo = self.s.fresh_board("F5", 20)
        img = self.shot()
        self.check_frames(img, geo)
        self.check_grid_lines(img, geo)
        self.s.fresh_board("F3", 10)

    # --- clue numbers --------------------------------------------------------
    def check_line(self, found, expected, box_left, box_top, dx, dy, what):
        """found: the numbers on screen, nearest the board first; expected: the
        runs in line order. The box of number j (from the board) starts at
        (box_left + dx * j, box_top + dy * j); its text is centred across the
        box's 15 pixels and begins 2 pixels below its top."""
        nearest_first = list(reversed(expected)) or [0]
        self.assertEqual(len(found), len(nearest_first), "%s: %d numbers for %s" % (what, len(found), expected))
        for j, (number, shown) in enumerate(zip(nearest_first, found)):
            x0, y0, x1, _ = shown["box"]
            self.assertEqual(shown["colour"], "red" if number >= 10 else "blue", "%s: colour of %d" % (what, number))
            self.glyphs.setdefault(number, shown["glyph"])
            self.assertEqual(shown["glyph"], self.glyphs[number], "%s: the text of %d" % (what, number))
            self.assertLessEqual(abs((x0 + x1 + 1) / 2 - (box_left + dx * j + 7.5)), 1.5, "%s: %d centred" % (what, j))
            self.assertEqual(y0, box_top + dy * j + 2, "%s: height of number %d" % (what, j))

    def test_clue_numbers_of_a_known_picture(self):
        geo = self.s.fresh_board("F3", 10)
        img = self.shot()
        self.glyphs = {}
        for col in range(10):
            self.check_line(bv.column_clues(img, geo, col), bv.runs(column(GRID_10, col)),
                            geo.left + 12 + 15 * col, geo.top - 1, 0, -9, "column %d" % col)
        for row in range(10):
            self.check_line(bv.row_clues(img, geo, row), bv.runs(GRID_10[row]),
                            geo.left - 2, geo.top + 12 + 15 * row, -8, 0, "row %d" % row)
        # Different numbers look different, and the red 10 is a 1 and then a 0.
        self.assertEqual(len(set(self.glyphs.values())), len(self.glyphs))
        self.assertTrue(self.glyphs[1] <= self.glyphs[10], "10 begins with a 1")
        zero_width = max(x for x, _ in self.glyphs[0]) + 1
        ten_width = max(x for x, _ in self.glyphs[10]) + 1
        shifted_zero = {(x + ten_width - zero_width, y) for x, y in self.glyphs[0]}
        self.assertTrue(shifted_zero <= self.glyphs[10], "10 ends with a 0")

    def test_ten_runs_fit_the_strips_of_a_large_board(self):
        geo = self.s.fresh_board("F5", 20)
        img = self.shot()
        self.glyphs = {}
        self.check_line(bv.row_clues(img, geo, 3), bv.runs(GRID_20[3]), geo.left - 2, geo.top + 12 + 45, -8, 0,
                        "row 3")
        self.check_line(bv.column_clues(img, geo, 5), bv.runs(column(GRID_20, 5)), geo.left + 12 + 75,
                        geo.top - 1, 0, -9, "column 5")
        # The tenth boxes start at x = 10 and y = 12, inside the strips.
        self.assertEqual(geo.left - 2 - 8 * 9, 10)
        self.assertEqual(bv.column_clues(img, geo, 5)[-1]["box"][1], 12 + 2)
        for col in (0, 1, 19):
            self.check_line(bv.column_clues(img, geo, col), bv.runs(column(GRID_20, col)),
                            geo.left + 12 + 15 * col, geo.top - 1, 0, -9, "column %d" % col)
        self.s.fresh_board("F3", 10)

    def clue_strips(self, img, geo):
        """The pixels of the column-clue strip above the blocks and of the
        row-clue strip beside them."""
        size = 15 * geo.size
        columns = img.region(*geo.screen(geo.left + 12, 12), size, geo.top - 1)
        rows = img.region(*geo.screen(12, geo.top + 12), geo.left - 1, size)
        return columns, rows

    def test_clue_numbers_stay_those_of_the_first_paint(self):
        geo = self.s.fresh_board("F3", 10)
        first = self.clue_strips(self.shot(), geo)
        # The middle of column 3's run of three, the corner of the red 10 and
        # the 9, a block inside column 7's run of five, and a free block broken.
        for col, row in ((3, 1), (0, 0), (7, 5)):
            self.s.click(*geo.block_centre(col, row), button=3)
            self.shot_showing(geo, col, row, "checked")
        self.s.click(*geo.block_centre(5, 5))
        self.shot_showing(geo, 5, 5, "broken")
        self.assertTrue(self.s.repaint())  # returns once the window has painted
        img = self.shot()
        self.assertEqual(len(bv.column_clues(img, geo, 3)), 1, "column 3 still shows its run of three")
        self.assertEqual(self.clue_strips(img, geo), first, "the clue strips after a full repaint")
        self.s.click(*geo.block_centre(3, 1), button=3)
        self.shot_showing(geo, 3, 1, "covered")
        self.assertTrue(self.s.repaint())
        self.assertEqual(self.clue_strips(self.shot(), geo), first, "the clue strips after an uncheck")

    # --- blocks --------------------------------------------------------------
    def test_break_check_and_uncheck_show_their_sprites(self):
        geo = self.s.fresh_board("F3", 10)
        img = self.shot()
        for col, row in ((1, 1), (4, 4), (1, 0), (0, 0)):
            self.assert_block(img, geo, col, row, "covered")
        self.s.click(*geo.block_centre(1, 1))          # a free block breaks
        self.s.click(*geo.block_centre(4, 4), button=3)  # a check
        img = self.shot_showing(geo, 4, 4, "checked")   # input is taken in order: the break came first
        self.assert_block(img, geo, 1, 1, "broken")
        self.assert_block(img, geo, 4, 4, "checked")
        self.s.click(*geo.block_centre(4, 4), button=3)  # and the uncheck
        self.s.click(*geo.block_centre(1, 0))          # a bomb broken stays checked
        img = self.shot_showing(geo, 1, 0, "checked")
        self.assert_block(img, geo, 4, 4, "covered")
        self.assert_block(img, geo, 1, 0, "checked")
        self.assert_block(img, geo, 0, 0, "covered")

    def test_blocks_on_a_grid_line_keep_the_line(self):
        geo = self.s.fresh_board("F3", 10)
        self.s.click(*geo.block_centre(5, 5))
        self.s.click(*geo.block_centre(5, 6), button=3)
        img = self.shot_showing(geo, 5, 6, "checked")
        x, y = geo.block(5, 5)
        self.assertTrue(all(img.pixel(*geo.screen(x, y + j)) == bv.BLACK for j in range(15)), "column line")
        self.assertTrue(all(img.pixel(*geo.screen(x + i, y)) == bv.BLACK for i in range(15)), "row line")
        x, y = geo.block(5, 6)
        self.assertTrue(all(img.pixel(*geo.screen(x, y + j)) == bv.BLACK for j in range(15)), "column line")
        inner = [r[1:] for r in bv.block_picture(img, geo, 5, 5)[1:]]
        self.assertEqual(inner, [r[1:] for r in self.sprites["broken"][1:]])

    def test_right_drag_checks_a_row_and_stays_in_it(self):
        geo = self.s.fresh_board("F3", 10)
        x4, y8 = geo.block_centre(4, 8)
        points = [(x4, y8), (x4 + 15, y8 + 2), (x4 + 30, y8 + 4), (x4 + 45, y8 + 25), (x4 + 60, y8 - 25)]
        free = self.s.clip()
        self.s.xdotool("mousemove", *points[0])
        self.s.xdotool("mousedown", 3)
        for x, y in points[1:]:
            time.sleep(0.08)  # the stroke's pace: each point its own motion
            self.s.xdotool("mousemove", x, y)
        band = harness.wait_for(lambda: (lambda c: c if c != free else None)(self.s.clip()),
                                "the stroke to confine the cursor")
        self.s.xdotool("mouseup", 3)
        top_left = geo.screen(*geo.block(0, 8))
        self.assertEqual(band, (top_left[0], top_left[1], top_left[0] + 150, top_left[1] + 15),
                         "the cursor is held in row 8 during the drag")
        img = self.shot_showing(geo, 8, 8, "checked")
        for col in range(4, 9):
            self.assert_block(img, geo, col, 8, "checked")
        for col in range(4, 9):
            self.assert_block(img, geo, col, 7, "covered")
            self.assert_block(img, geo, col, 9, "covered")
        self.assert_block(img, geo, 3, 8, "covered")
        harness.wait_for(lambda: self.s.clip() != band, "the button-up to free the cursor")

    def test_a_quick_drag_checks_the_blocks_it_jumps_over(self):
        """One motion from the first block to the sixth: the pointer crossed
        the blocks between, as a quick hand moves it or as a busy machine
        reports it when it merges the moves it could not take in time."""
        geo = self.s.fresh_board("F3", 10)
        self.s.drag([geo.block_centre(1, 8), geo.block_centre(6, 8)], button=3)
        img = self.shot_showing(geo, 6, 8, "checked")
        for col in range(1, 7):
            self.assert_block(img, geo, col, 8, "checked")
        for col, row in [(0, 8), (7, 8)] + [(col, row) for col in range(1, 7) for row in (7, 9)]:
            self.assert_block(img, geo, col, row, "covered")

    def test_ctrl_click_hint_resolves_its_row_and_column(self):
        geo = self.s.fresh_board("F3", 10)
        self.s.xdotool("keydown", "ctrl")
        self.s.click(*geo.block_centre(5, 5))
        self.s.xdotool("keyup", "ctrl")
        # The hint ends with its status update, which takes away a book.
        img = self.s.wait_screen(lambda img: bv.books_shown(img, geo) == [True, True, False],
                                 "the hint to take away a book")
        for i in range(10):
            for col, row in ((5, i), (i, 5)):
                sprite = "checked" if (col, row) in BOMBS_10 else "broken"
                self.assert_block(img, geo, col, row, sprite)
        for col, row in ((4, 4), (6, 6), (0, 6), (7, 3)):
            self.assert_block(img, geo, col, row, "covered")


if __name__ == "__main__":
    unittest.main()
