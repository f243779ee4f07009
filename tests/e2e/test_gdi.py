"""Thousands of block actions, strokes, hints, new boards and repaints leave
the number of GDI objects the game holds where it was: every pen, font and
device context a drawing makes is given back."""
import time
import unittest

import harness

BOMBS = {(c, 0) for c in range(10)} | {(0, r) for r in range(10)}


class GdiTest(unittest.TestCase):
    def test_actions_and_paints_leave_the_gdi_count_unchanged(self):
        with harness.Session() as s:
            s.write("level10.dat", harness.level_file([("Cross", BOMBS)], 10))
            s.start()
            geo = s.wait_fresh_board(10)
            before = s.gdi_count()
            self.assertGreater(before, 0, "the probe counts the game's objects")
            actions = 0
            started = time.time()
            for round_ in range(3):
                # Checks and unchecks: each one a block repaint and a bar request.
                for col, row in ((3, 3), (5, 5), (7, 2), (9, 9)):
                    s.xdotool("mousemove", *geo.block_centre(col, row), "click", "--repeat", "150", "--delay", "4", "3")
                    actions += 150
                # A right stroke along a row and back.
                s.drag([geo.block_centre(c, 6) for c in list(range(1, 10)) + list(range(8, 0, -1))], button=3, pause=0.01)
                actions += 17
                # Hints, each with its own status update.
                for k in range(3):
                    s.xdotool("keydown", "ctrl")
                    s.click(*geo.block_centre(2 + k, 2 + 2 * k))
                    s.xdotool("keyup", "ctrl")
                    actions += 1
                # New boards: each one fits the window and paints it all.
                s.xdotool("key", "--repeat", "150", "--delay", "15", "F2")
                actions += 150
                for _ in range(3):
                    self.assertTrue(s.repaint())
                    actions += 1
            # The last of the new boards painted, and the count steady: no drawing under way.
            s.wait_fresh_board(10)
            after = s.steady_gdi_count()
            print("\n%d actions and paints in %.1f s; GDI objects %d before, %d after"
                  % (actions, time.time() - started, before, after))
            self.assertGreater(actions, 2000)
            self.assertTrue(s.running())
            self.assertEqual(after, before)


if __name__ == "__main__":
    unittest.main()
