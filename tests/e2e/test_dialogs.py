"""The end-of-game and best-times dialogs, played under Wine: a new best time
(BEST then TOPSCORE), a slower win (GAMEOVER1), a loss (GAMEOVER), and the
table opened from the menu in the middle of a game."""
import os
import time
import unittest

import boardview as bv
import harness
from harness import Session
from recordsfile import (BEST, LOSS, NO_NAME, RECORDS, RECORDS_FILE, act_on, all_texts, client_rects,
                         exit_from_menu, keys_of, level_file, open_records_from_menu, records_text,
                         window_titles)

# A 10 x 10 picture of three bombs: solved by three right clicks.
TINY = [(0, 0), (3, 2), (9, 9)]
# Twenty bombs in rows 0 and 1: five broken bombs empty the bar of 100.
FULL_ROWS = [(col, row) for row in (0, 1) for col in range(10)]

BEGINNER_TEXT = "초보자중 최고 기록입니다. 이름을 입력하여 주십시오"
WIN_TEXT = "당신이 이겼습니다.\n새로 게임을 시작하시겠습니까 ?"
LOSS_TEXT = "시간이 종료되어 당신이 졌습니다. 새로 게임을 시작하시겠습니까 ?"

# The thumbnail and its frame, in the dialog's client pixels (inclusive).
THUMB_AREA = (25, 18, 89, 82)
WHITE = (255, 255, 255)
GRAY = (128, 128, 128)


def is_cyan(rgb):
    r, g, b = rgb
    return r < 64 and g > 192 and b > 192


class ThumbnailChecks:
    """Pixel checks of a dialog showing the TINY solution at 6 px a cell."""

    def check_thumbnail(self, s, title, bombs=TINY, size=10):
        (x, y), _ = client_rects(s, title)
        shot = s.screenshot()
        face = shot.pixel(x + 3, y + 3)
        cell = 60 // size
        for row in range(size):
            for col in range(size):
                centre = shot.pixel(x + 27 + cell * col + cell // 2, y + 20 + cell * row + cell // 2)
                if (col, row) in bombs:
                    self.assertTrue(is_cyan(centre), "cell col %d row %d is %s" % (col, row, centre))
                else:
                    self.assertEqual(centre, face, "cell col %d row %d" % (col, row))
        self.assertEqual(shot.pixel(x + 25, y + 50), WHITE, "left edge of the frame")
        self.assertEqual(shot.pixel(x + 50, y + 18), WHITE, "top edge of the frame")
        self.assertEqual(shot.pixel(x + 89, y + 50), GRAY, "right edge of the frame")
        self.assertEqual(shot.pixel(x + 50, y + 82), GRAY, "bottom edge of the frame")
        # Outside the frame the dialog face shows.
        self.assertEqual(shot.pixel(x + 24, y + 50), face)
        self.assertEqual(shot.pixel(x + 90, y + 50), face)

    def check_no_overlap(self, s, title):
        _, rects = client_rects(s, title)
        left, top, right, bottom = THUMB_AREA
        for ident, boxes in rects.items():
            for l, t, r, b in boxes:
                overlaps = l <= right and r > left and t <= bottom and b > top
                self.assertFalse(overlaps, "control %d at %s covers the thumbnail" % (ident, (l, t, r, b)))


class NewBestTime(unittest.TestCase, ThumbnailChecks):
    """One game: the table opened mid-game, then a new best time stored and shown."""

    def test_new_best_time_from_first_click_to_the_next_board(self):
        original = records_text("Size=10", "Random=0", "Score1=-5",
                                "Name2=Kim", "Score2=120", "LName2=Cat",
                                "Name3=Lee", "Score3=300", "LName3=Owl")
        with Session() as s:
            s.write("level10.dat", level_file([("Tiny", TINY)]))
            s.write(RECORDS_FILE, original)
            s.start()
            geo = s.wait_fresh_board(10)

            # The clock starts with the first action and stands while TOPSCORE is open.
            # The times taken here bound from above how long it may have run: taken
            # before the click that starts it and before the key that closes the
            # table, they never count a delay of the machine against the game.
            started = time.time()
            act_on(s, TINY[:1], button=3)
            s.wait_screen(lambda img: (bv.seconds_value(img, geo) or 0) >= 1, "the clock to count a second")
            open_records_from_menu(s)
            opened = time.time()
            texts = s.control_texts(RECORDS)
            # A negative stored time is no record: it shows as 999 and any win beats it.
            self.assertEqual([texts[i] for i in (707, 701, 702)], [NO_NAME, "999", NO_NAME])
            self.assertEqual([texts[i] for i in (708, 703, 704)], ["Kim", "120", "Cat"])
            self.assertEqual([texts[i] for i in (709, 705, 706)], ["Lee", "300", "Owl"])
            s.key("Escape")  # ignored: the table stays open
            time.sleep(4)  # the table stays open 4 s, longer than the clock's allowance below
            self.assertIn(RECORDS, window_titles(s))
            closed = time.time()
            s.key("Return")
            s.wait_gone(RECORDS)
            self.assertEqual(s.read(RECORDS_FILE), original, "reading the table writes nothing")
            s.wait_screen(lambda img: (bv.seconds_value(img, geo) or 0) >= 2, "the clock to go on after the table closed")
            act_on(s, TINY[1:], button=3)
            solved = time.time()
            s.wait_window(BEST)

            texts = s.control_texts(BEST)
            self.assertEqual(texts[601], BEGINNER_TEXT)
            self.assertEqual(texts[1000], "Tiny")
            seconds = int(texts[1001])
            playing = (opened - started) + (solved - closed)
            self.assertGreaterEqual(seconds, 2, "the clock went on after the table closed")
            self.assertLessEqual(seconds, playing + 2, "the clock ran while the table was open")
            self.check_thumbnail(s, BEST)
            self.check_no_overlap(s, BEST)

            s.key("Escape")  # BEST can only be left through OK
            time.sleep(1)  # nothing shows an Escape that does nothing: the time given to it
            self.assertIn(BEST, window_titles(s))
            s.xdotool("type", "--delay", "30", "PlayerNameOfThirtyCharacters12")  # the name field has the focus
            s.key("Return")
            s.wait_window(RECORDS)

            texts = s.control_texts(RECORDS)
            self.assertEqual([texts[i] for i in (707, 701, 702)], ["PlayerNameOfThirtyC", str(seconds), "Tiny"])
            self.assertEqual([texts[i] for i in (708, 703, 704)], ["Kim", "120", "Cat"])
            self.assertEqual([texts[i] for i in (709, 705, 706)], ["Lee", "300", "Owl"])
            # Only slot 1 changed: Score1 in place, Name1 and LName1 added at the end.
            self.assertEqual(keys_of(s.read(RECORDS_FILE)), [
                ("Size", "10"), ("Random", "0"), ("Score1", str(seconds)),
                ("Name2", "Kim"), ("Score2", "120"), ("LName2", "Cat"),
                ("Name3", "Lee"), ("Score3", "300"), ("LName3", "Owl"),
                ("Name1", "PlayerNameOfThirtyC"), ("LName1", "Tiny")])

            s.key("Return")
            s.wait_gone(RECORDS)
            self.assertEqual(window_titles(s), ["Bombagram2"], "a new board follows, no other dialog")
            self.assertEqual(exit_from_menu(s), 0)


class OtherSizes(unittest.TestCase, ThumbnailChecks):
    """Records of 15 x 15 and 20 x 20 boards go to slots 2 and 3, with their own words."""

    def test_each_size_congratulates_in_its_words_and_stores_in_its_slot(self):
        medium = [(0, 0), (14, 14), (7, 3)]
        large = [(0, 0), (19, 19), (10, 5)]
        with Session() as s:
            s.write("level15.dat", level_file([("Medium", medium)], size=15))
            s.write("level20.dat", level_file([("Large", large)], size=20))
            s.write(RECORDS_FILE, records_text("Size=15", "Random=0"))
            s.start()
            s.wait_fresh_board(15)
            act_on(s, medium, button=3, size=15)
            s.wait_window(BEST)
            texts = s.control_texts(BEST)
            self.assertEqual(texts[601], "중급자중 최고 기록입니다. 이름을 입력하여 주십시오")
            self.assertEqual(texts[1000], "Medium")
            self.check_thumbnail(s, BEST, medium, 15)
            s.xdotool("type", "Mid")
            s.key("Return")
            s.wait_window(RECORDS)
            s.key("Return")
            s.wait_gone(RECORDS)

            s.fresh_board("F5", 20)
            act_on(s, large, button=3, size=20)
            s.wait_window(BEST)
            large_texts = s.control_texts(BEST)
            self.assertEqual(large_texts[601], "숙련자중 최고 기록입니다. 이름을 입력하여 주십시오")
            self.assertEqual(large_texts[1000], "Large")
            self.check_thumbnail(s, BEST, large, 20)
            s.xdotool("type", "Big")
            s.key("Return")
            s.wait_window(RECORDS)
            table = s.control_texts(RECORDS)
            self.assertEqual([table[i] for i in (707, 701, 702)], [NO_NAME, "999", NO_NAME])
            self.assertEqual([table[i] for i in (708, 703, 704)], ["Mid", texts[1001], "Medium"])
            self.assertEqual([table[i] for i in (709, 705, 706)], ["Big", large_texts[1001], "Large"])
            self.assertEqual(keys_of(s.read(RECORDS_FILE)), [
                ("Size", "15"), ("Random", "0"),
                ("Name2", "Mid"), ("Score2", texts[1001]), ("LName2", "Medium"),
                ("Name3", "Big"), ("Score3", large_texts[1001]), ("LName3", "Large")])
            s.key("Return")
            s.wait_gone(RECORDS)
            s.key("alt+F4")
            self.assertEqual(s.wait_exit(), 0)


class ResetFromTheTable(unittest.TestCase):
    def test_reset_rewrites_the_nine_keys_and_keeps_the_settings(self):
        with Session() as s:
            s.write("level10.dat", level_file([("Tiny", TINY)]))
            s.write(RECORDS_FILE, records_text("Size=10", "Random=0", "Name1=Park", "Score1=45", "LName1=Dog",
                                               "Score3=7", "Extra=kept"))
            s.start()
            s.wait_fresh_board(10)
            open_records_from_menu(s)
            self.assertEqual(s.control_texts(RECORDS)[707], "Park")
            s.key("alt+r")
            defaults = {707: NO_NAME, 708: NO_NAME, 709: NO_NAME, 701: "999", 703: "999", 705: "999",
                        702: NO_NAME, 704: NO_NAME, 706: NO_NAME}
            texts = harness.wait_for(
                lambda: (lambda t: t if all(t.get(k) == v for k, v in defaults.items()) else None)(
                    s.control_texts(RECORDS)), "the reset to show in the table")
            self.assertEqual([texts[i] for i in (707, 708, 709)], [NO_NAME] * 3)
            self.assertEqual([texts[i] for i in (701, 703, 705)], ["999"] * 3)
            self.assertEqual([texts[i] for i in (702, 704, 706)], [NO_NAME] * 3)
            expected = [("Size", "10"), ("Random", "0"), ("Name1", NO_NAME), ("Score1", "999"),
                        ("LName1", NO_NAME), ("Score3", "999"), ("Extra", "kept"),
                        ("Name2", NO_NAME), ("Name3", NO_NAME), ("Score2", "999"),
                        ("LName2", NO_NAME), ("LName3", NO_NAME)]
            s.wait_file(RECORDS_FILE, lambda data: keys_of(data) == expected, "the reset written")
            self.assertEqual(keys_of(s.read(RECORDS_FILE)), expected)
            self.assertIn(b"Name1=\xc0\xcc\xb8\xa7\xbe\xf8\xc0\xbd\r\n", s.read(RECORDS_FILE))

            # A second reset writes the same defaults again; the table stays open.
            s.click(*button_centre(s, RECORDS, 777))
            time.sleep(1)  # nothing shows a second reset: the time given to it
            self.assertIn(RECORDS, window_titles(s))
            self.assertEqual(keys_of(s.read(RECORDS_FILE)), expected)
            s.key("Return")
            s.wait_gone(RECORDS)
            s.key("alt+F4")
            self.assertEqual(s.wait_exit(), 0)
            self.assertEqual(keys_of(s.read(RECORDS_FILE)), expected)


def button_centre(s, title, ident):
    _, controls = s.controls(title)
    for c in controls:
        if int(c["id"]) == ident:
            l, t, r, b = c["rect"]
            return (l + r) // 2, (t + b) // 2
    raise AssertionError("no control %d in %s" % (ident, title))


class EmptyName(unittest.TestCase):
    def test_an_empty_name_is_stored_empty_in_a_file_made_by_the_record(self):
        with Session() as s:
            s.write("level10.dat", level_file([("Tiny", TINY)]))
            s.start()
            s.wait_fresh_board(10)
            act_on(s, TINY, button=3)
            s.wait_window(BEST)
            texts = s.control_texts(BEST)
            self.assertFalse(os.path.exists(s.path(RECORDS_FILE)), "nothing is written before the record")
            s.key("Return")  # Enter confirms: OK is the default button
            s.wait_window(RECORDS)
            table = s.control_texts(RECORDS)
            self.assertEqual(table[707], "", "a present empty name is not the default")
            self.assertEqual(table[701], texts[1001])
            self.assertEqual(keys_of(s.read(RECORDS_FILE)),
                             [("Name1", ""), ("Score1", texts[1001]), ("LName1", "Tiny")])
            s.key("Return")
            s.wait_gone(RECORDS)
            s.key("alt+F4")
            self.assertEqual(s.wait_exit(), 0)


class SlowerWin(unittest.TestCase, ThumbnailChecks):
    def test_no_new_best_shows_the_plain_win_and_escape_quits(self):
        original = records_text("Size=10", "Random=0", "Name1=Fast", "Score1=0", "LName1=Tiny")
        with Session() as s:
            s.write("level10.dat", level_file([("Tiny", TINY)]))
            s.write(RECORDS_FILE, original)
            s.start()
            s.wait_fresh_board(10)
            act_on(s, TINY, button=3)
            s.wait_window(BEST)
            texts = s.control_texts(BEST)
            self.assertNotIn(601, texts, "GAMEOVER1, not BEST")
            self.assertNotIn(602, texts)
            self.assertIn(WIN_TEXT, all_texts(s, BEST))
            self.assertEqual(texts[1000], "Tiny")
            self.assertGreaterEqual(int(texts[1001]), 0)
            self.assertEqual(texts[1], "확인")
            self.assertEqual(texts[2], "게임 종료")
            self.check_thumbnail(s, BEST)
            self.check_no_overlap(s, BEST)
            s.key("Escape")
            self.assertIsNotNone(s.wait_exit(), "Escape quits the game")
            self.assertEqual(s.read(RECORDS_FILE), original, "quitting saves the same size and source again")


class DrawingObjects(unittest.TestCase):
    """The thumbnail's memory context is released at every paint: the game
    holds as many GDI objects after each win dialog as after the first."""

    def test_repeated_win_dialogs_hold_no_more_objects(self):
        with Session() as s:
            s.write("level10.dat", level_file([("Tiny", TINY)]))
            s.write(RECORDS_FILE, records_text("Score1=0"))
            s.start()
            s.wait_fresh_board(10)
            counts = []
            for _ in range(3):
                act_on(s, TINY, button=3)
                s.wait_window(BEST)
                s.key("Return")
                s.wait_gone(BEST)
                s.wait_fresh_board(10)  # the next board painted: no drawing under way
                counts.append(s.gdi_count())
            self.assertGreater(counts[0], 0, "the probe counts the game's objects")
            self.assertEqual(counts[1:], [counts[0]] * 2, "objects per closed win dialog: %s" % counts)


class Loss(unittest.TestCase):
    def test_ok_deals_a_new_board_and_quit_game_ends_saving_the_settings(self):
        original = records_text("Size=10", "Random=0")
        with Session() as s:
            s.write("level10.dat", level_file([("Rows", FULL_ROWS)]))
            s.write("level15.dat", level_file([("Wide", [(col, 0) for col in range(15)])], size=15))
            s.write(RECORDS_FILE, original)
            s.start()
            s.wait_fresh_board(10)
            act_on(s, FULL_ROWS[:5], button=1)
            s.wait_window(LOSS)
            texts = s.control_texts(LOSS)
            self.assertIn(LOSS_TEXT, all_texts(s, LOSS))
            self.assertEqual(texts[1], "확인")
            self.assertEqual(texts[2], "게임 종료")
            s.key("Return")
            s.wait_gone(LOSS)
            self.assertEqual(window_titles(s), ["Bombagram2"], "OK goes on to a new board")

            # At 15 x 15 a broken bomb costs 40 of a bar of 200; quitting saves Size=15.
            s.fresh_board("F4", 15)
            act_on(s, [(col, 0) for col in range(5)], button=1, size=15)
            s.wait_window(LOSS)
            s.click(*button_centre(s, LOSS, 2))
            self.assertIsNotNone(s.wait_exit(), "Quit game ends the program")
            self.assertEqual(s.read(RECORDS_FILE), records_text("Size=15", "Random=0"), "Size and Random are saved")


if __name__ == "__main__":
    unittest.main()
