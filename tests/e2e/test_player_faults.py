"""What a player meets when something goes wrong, under Wine: a board whose
level file could not be read sets no best time, quitting from an end-of-game
dialog keeps the settings in use, and a level name cannot write lines of its
own into the records file."""
import unittest

import boardview as bv
from harness import Session, wait_for
from recordsfile import (BEST, ERROR_CAPTION, LOSS, RECORDS, RECORDS_FILE, TINY, act_on, block_point,
                         dismiss_error_box, keys_of, level_file, lines_of, records_text)

TOP_ROW = [(col, 0) for col in range(10)]


class UnreadableLevelFile(unittest.TestCase):
    """A board without its level file has no bombs, so one click wins it in
    no time: that win is a plain one, and the records file stays as it was."""

    def test_a_one_click_win_offers_no_best_time_and_changes_no_record(self):
        original = records_text("Size=10", "Random=0", "Name1=Kim", "Score1=999", "LName1=Cat")
        cases = [("missing", None, "file open error"), ("no records", b"\x42\x32\x00", "header read error")]
        for what, data, message in cases:
            with self.subTest(level_file=what), Session() as s:
                if data is not None:
                    s.write("level10.dat", data)
                s.write(RECORDS_FILE, original)
                s.start(wait_title=None)
                self.assertIn(message, dismiss_error_box(s))
                s.wait_fresh_board(10)
                s.click(*block_point(s, 4, 4), button=1)
                s.wait_window(BEST)  # the caption of GAMEOVER1 too
                texts = s.control_texts(BEST)
                self.assertNotIn(602, texts, "no name is asked for: GAMEOVER1, not BEST")
                self.assertEqual(texts[1000].strip(), "", "the board has no level name")
                self.assertEqual(s.read(RECORDS_FILE), original)
                s.key("Return")  # OK: the next board, with the same message
                self.assertIn(message, dismiss_error_box(s))
                s.wait_gone(ERROR_CAPTION)
                self.assertTrue(s.running())
                self.assertEqual(s.read(RECORDS_FILE), original, "nothing of the records file changed")


class QuitFromTheLossDialog(unittest.TestCase):
    def test_escape_saves_the_size_and_source_in_use(self):
        original = records_text("Size=20", "Random=1", "Name2=Kim", "Score2=120", "LName2=Cat")
        with Session() as s:
            s.write("level10.dat", level_file([("Top", TOP_ROW)]))
            s.write(RECORDS_FILE, original)
            s.start()
            s.wait_fresh_board(20)  # the stored size and source: a random 20 x 20 board
            s.fresh_board("F3", 10)
            s.key("F6")  # the picture files: the one picture, a row of bombs at the top
            act_on(s, TOP_ROW[:5], button=1)  # five bombs broken: 5 x 20 of a bar of 100
            s.wait_window(LOSS)
            self.assertEqual(s.read(RECORDS_FILE), original, "nothing is written before the end")
            s.key("Escape")  # the cancel command: Quit game
            self.assertEqual(s.wait_exit(), 0, "Escape in GAMEOVER ends the program")
            self.assertEqual(keys_of(s.read(RECORDS_FILE)),
                             [("Size", "10"), ("Random", "0"), ("Name2", "Kim"), ("Score2", "120"),
                              ("LName2", "Cat")])

            s.start()
            geo = s.wait_fresh_board(10)  # the next start has the size saved at the quit
            act_on(s, TOP_ROW[1:2], button=1)  # a bomb of the picture: broken, it shows as checked
            wait_for(lambda: bv.block_shows(s.screenshot(), geo, 1, 0, "checked"),
                     "the broken bomb shown checked: the picture files were saved too")


class ForgedLevelName(unittest.TestCase):
    """Level files are swapped between players. A name holding line breaks
    and lines of the records file's own form is shown and stored with blanks
    in their place, as one value."""

    NAME = "a\r\nScore2=1\r\n[Z]\r\n"
    SHOWN = "a  Score2=1  [Z]  "

    def test_a_new_record_writes_only_its_own_keys(self):
        other_slots = ["Name2=Kim", "Score2=120", "LName2=Cat", "Name3=Lee", "Score3=300", "LName3=Dog"]
        original = records_text("Size=10", "Random=0", "Name1=Ann", "Score1=999", "LName1=Old", *other_slots)
        with Session() as s:
            s.write("level10.dat", level_file([(self.NAME, TINY)]))
            s.write(RECORDS_FILE, original)
            s.start()
            s.wait_fresh_board(10)
            act_on(s, TINY, button=3)
            s.wait_window(BEST)
            texts = s.control_texts(BEST)
            self.assertIn(602, texts, "a new best time asks for a name")
            self.assertEqual(texts[1000], self.SHOWN, "control bytes are shown as blanks")
            s.xdotool("type", "Bo")
            s.key("Return")
            s.wait_window(RECORDS)
            table = s.control_texts(RECORDS)
            self.assertEqual((table[707], table[701], table[702].rstrip()), ("Bo", texts[1001], self.SHOWN.rstrip()))
            self.assertEqual((table[708], table[703], table[704]), ("Kim", "120", "Cat"))
            s.key("Return")
            s.wait_gone(RECORDS)
            after = s.read(RECORDS_FILE)
        keys = keys_of(after)
        self.assertEqual([k for k, _ in keys], [k for k, _ in keys_of(original)], "exactly the keys there were")
        self.assertEqual(keys[:2], [("Size", "10"), ("Random", "0")])
        self.assertEqual(keys[2:4], [("Name1", "Bo"), ("Score1", texts[1001])])
        self.assertEqual(keys[4][1].rstrip(), self.SHOWN.rstrip())
        self.assertEqual(["=".join(kv) for kv in keys[5:]], other_slots, "every other slot as it was")
        self.assertEqual([l for l in lines_of(after) if l.startswith("[")], ["[Bombagram2]"], "one section")


if __name__ == "__main__":
    unittest.main()
