"""The real game against hostile files: broken level files and records files
edited by hand or locked. Nothing crashes, nothing stored is lost, and every
outcome is the one the game chose for bad input."""
import os
import stat
import subprocess
import unittest

import boardview as bv
from harness import Session
from recordsfile import (ERROR_CAPTION, RECORDS, RECORDS_FILE, TINY, act_on, dismiss_error_box, exit_from_menu,
                         level_file, open_records_from_menu, records_text, win_tiny_with_a_record, window_titles)


def lock_file(path):
    """Read-only for everyone: root ignores the permission bits, so the file is
    made immutable as well."""
    os.chmod(path, stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)
    if os.geteuid() == 0:
        return subprocess.run(["chattr", "+i", path], stderr=subprocess.DEVNULL).returncode == 0
    return True


def unlock_file(path):
    if os.geteuid() == 0 and os.path.exists(path):
        subprocess.run(["chattr", "-i", path], check=False)
    if os.path.exists(path):
        os.chmod(path, stat.S_IRUSR | stat.S_IWUSR)


def start_expecting_error(s, text):
    s.start(wait_title=None)
    shown = text in dismiss_error_box(s)
    s.wait_window("Bombagram2")
    return shown


class HostileLevelFiles(unittest.TestCase):
    def check_still_playing(self, s):
        geo = s.wait_fresh_board(10)
        self.assertTrue(s.running(), "the game ended")
        act_on(s, [(0, 0), (5, 5)], button=3)
        act_on(s, [(4, 4)], button=1)
        # Moves are taken in order: the last one shows once the others have been played.
        s.wait_screen(lambda img: not bv.block_shows(img, geo, 4, 4, "covered") or not s.running(),
                      "the last move on the board")
        self.assertTrue(s.running(), "the game ended after a few moves")
        self.assertIn("Bombagram2", window_titles(s))

    def test_truncated_file_deals_what_is_there(self):
        whole = level_file([("Tiny", TINY)])
        with Session() as s:
            s.write("level10.dat", whole[:3 + 20 + 4])  # the name and 4 of 13 picture bytes
            s.start()
            self.check_still_playing(s)
            self.assertNotIn(ERROR_CAPTION, window_titles(s))

    def test_count_larger_than_the_records_present(self):
        data = bytearray(level_file([("Tiny", TINY)]))
        data[2] = 127
        with Session() as s:
            s.write("level10.dat", bytes(data))
            s.start()
            for _ in range(3):
                s.key("F2")  # new boards, most of them beyond the end of the file
            self.check_still_playing(s)

    def test_oversized_file_with_garbage_after_the_records(self):
        data = level_file([("Tiny", TINY)] * 127) + os.urandom(2 * 1024 * 1024)
        with Session() as s:
            s.write("level10.dat", data)
            s.start()
            self.check_still_playing(s)

    def test_empty_and_zero_count_files_show_a_header_error(self):
        for data in (b"", b"\x42\x32", b"\x42\x32\x00" + b"\xff" * 33):
            with self.subTest(length=len(data)), Session() as s:
                s.write("level10.dat", data)
                self.assertTrue(start_expecting_error(s, "header read error"))
                self.check_still_playing(s)

    def test_level_file_that_is_a_directory(self):
        with Session() as s:
            os.mkdir(s.path("level10.dat"))
            self.assertTrue(start_expecting_error(s, "file open error"))
            self.check_still_playing(s)
            self.assertFalse(ERROR_CAPTION in window_titles(s), "the message is shown once")


class HostileRecordsFiles(unittest.TestCase):
    def test_garbage_huge_and_overlong_values(self):
        long_name = "N" * 10000
        original = ("\x01\x02garbage without equals\r\n[Other]\r\nKey=kept\r\n".encode("latin-1")
                    + records_text("Size=99999999999999999999", "Random=-7",
                                   "Score1=123456789012345", "Name1=" + long_name,
                                   "Score2=--3", "LName2=" + "L" * 10000,
                                   "this line is noise", "Score3=42"))
        with Session() as s:
            s.copy_shipped_levels()
            s.write(RECORDS_FILE, original)
            s.start()
            s.wait_fresh_board(10)
            open_records_from_menu(s)
            texts = s.control_texts(RECORDS)
            self.assertEqual(texts[707], "N" * 29, "a long name is cut at the text buffer")
            self.assertEqual(texts[705], "42")
            self.assertLessEqual(len(texts[704]), 29)
            s.key("Return")
            s.wait_gone(RECORDS)
            self.assertTrue(s.running())
            exit_from_menu(s)
            after = s.read(RECORDS_FILE)
        # Everything but Size and Random stands as it was.
        self.assertIn(b"garbage without equals", after)
        self.assertIn(b"[Other]\r\nKey=kept", after)
        self.assertIn(("Name1=" + long_name).encode(), after)
        self.assertIn(b"Score1=123456789012345", after)
        self.assertIn(b"this line is noise", after)

    def test_read_only_records_file_is_left_alone(self):
        original = records_text("Size=10", "Random=0", "Name1=Kim", "Score1=500", "LName1=Cup")
        with Session() as s:
            s.write("level10.dat", level_file([("Tiny", TINY)]))
            s.write(RECORDS_FILE, original)
            self.addCleanup(unlock_file, s.path(RECORDS_FILE))
            if not lock_file(s.path(RECORDS_FILE)):
                self.skipTest("this file system cannot make a file read-only for root")
            s.start()
            win_tiny_with_a_record(s)
            self.assertTrue(s.running(), "a failed write ends nothing")
            exit_from_menu(s)
            unlock_file(s.path(RECORDS_FILE))
            self.assertEqual(s.read(RECORDS_FILE), original)


if __name__ == "__main__":
    unittest.main()
