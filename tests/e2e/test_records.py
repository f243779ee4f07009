"""The records and settings file "Kabloom2.dat" as the game leaves it under
Wine: nothing before the first write, Size and Random only on an orderly exit,
hand-edited values shown sanely, and the folder the game is started in, named
in any characters and however deep, the only one it reads and writes."""
import os
import shutil
import subprocess
import time
import unittest

import harness
from harness import Session
from recordsfile import (BEST, ERROR_CAPTION, LOSS, NO_NAME, RECORDS, RECORDS_FILE, act_on, exit_from_menu,
                         keys_of, level_file, open_records_from_menu, records_text, window_titles)

TINY = [(0, 0), (3, 2), (9, 9)]


def picture_levels(s):
    """One known picture for every size, so no size change meets a missing file."""
    s.write("level10.dat", level_file([("Tiny", TINY)]))
    s.write("level15.dat", level_file([("Wide", [(col, 0) for col in range(15)])], size=15))
    s.write("level20.dat", level_file([("Huge", [(0, 0)])], size=20))


def table_rows(texts):
    return [[texts[n], texts[t], texts[l]] for n, t, l in ((707, 701, 702), (708, 703, 704), (709, 705, 706))]


class FirstStart(unittest.TestCase):
    def test_no_file_until_the_orderly_exit_then_size_before_random(self):
        with Session() as s:
            picture_levels(s)
            s.start()
            s.wait_fresh_board(10)
            self.assertFalse(os.path.exists(s.path(RECORDS_FILE)), "starting writes nothing")
            open_records_from_menu(s)
            self.assertEqual(table_rows(s.control_texts(RECORDS)), [[NO_NAME, "999", NO_NAME]] * 3)
            s.key("Escape")  # ignored in the table
            time.sleep(0.5)  # nothing shows an Escape that does nothing: the time given to it
            self.assertIn(RECORDS, window_titles(s))
            s.key("Return")
            s.wait_gone(RECORDS)
            self.assertFalse(os.path.exists(s.path(RECORDS_FILE)), "reading the table writes nothing")
            self.assertEqual(exit_from_menu(s), 0)
            self.assertEqual(s.read(RECORDS_FILE), b"[Bombagram2]\r\nSize=10\r\nRandom=0\r\n")


class SettingsAcrossRuns(unittest.TestCase):
    def test_closing_saves_the_size_and_source_in_use_and_the_next_start_uses_them(self):
        with Session() as s:
            picture_levels(s)
            s.write(RECORDS_FILE, records_text("Random=1", "Size=15", "Name1=Ann"))
            s.start()
            s.wait_fitted(15)  # the stored size is the first board's
            s.key("F5")  # expert: 20 x 20
            s.wait_fitted(20)
            s.key("F6")  # back to the picture files; keys are taken in order
            s.key("alt+F4")
            self.assertEqual(s.wait_exit(), 0)
            self.assertEqual(keys_of(s.read(RECORDS_FILE)), [("Random", "0"), ("Size", "20"), ("Name1", "Ann")])

            s.start()
            s.wait_fitted(20)
            s.key("F3")  # beginner
            s.wait_fitted(10)
            self.assertEqual(exit_from_menu(s), 0)
            self.assertEqual(keys_of(s.read(RECORDS_FILE)), [("Random", "0"), ("Size", "10"), ("Name1", "Ann")])

    def test_quitting_from_the_loss_dialog_saves_the_settings_in_use(self):
        original = records_text("Size=10", "Random=0", "Name2=Kim", "Score2=120", "LName2=Cat")
        with Session() as s:
            picture_levels(s)
            s.write(RECORDS_FILE, original)
            s.start()
            s.wait_fresh_board(10)
            s.fresh_board("F4", 15)  # 15 x 15: each broken bomb costs 40 of a bar of 200
            act_on(s, [(col, 0) for col in range(5)], button=1, size=15)
            s.wait_window(LOSS)
            s.key("Escape")  # the cancel command is Quit game here
            self.assertIsNotNone(s.wait_exit(), "Escape in GAMEOVER ends the program")
            self.assertEqual(s.read(RECORDS_FILE), original.replace(b"Size=10", b"Size=15"))


class HandEditedFile(unittest.TestCase):
    def test_odd_values_show_sanely_and_stay_until_the_game_writes(self):
        long_name = "N" * 200
        original = records_text("Size=7", "Random=7", "Name1=" + long_name, "Score1=99999999999",
                                "Score2=abc", "Name3=가나다라마바사아자차카타파하거", "Score3=-5", "LName3=")
        with Session() as s:
            picture_levels(s)
            s.write(RECORDS_FILE, original)
            s.start()
            # Size 7 has no board: the game plays 10 x 10 (Random=7 means random boards).
            s.wait_fitted(10)
            open_records_from_menu(s)
            rows = table_rows(s.control_texts(RECORDS))
            self.assertEqual(rows[0], ["N" * 29, "999", NO_NAME], "a long name is cut at 29 bytes")
            self.assertEqual(rows[1], [NO_NAME, "999", NO_NAME], "a time that is no number is no record")
            # 15 Korean characters are 30 bytes: 29 are read, and the half character is dropped.
            self.assertEqual(rows[2], ["가나다라마바사아자차카타파하", "999", ""])
            s.key("Return")
            s.wait_gone(RECORDS)
            self.assertEqual(s.read(RECORDS_FILE), original, "showing the table changes nothing")
            self.assertEqual(exit_from_menu(s), 0)
            keys = keys_of(s.read(RECORDS_FILE))
            self.assertEqual(keys[:2], [("Size", "10"), ("Random", "7")], "Random is written back as read")
            self.assertEqual(keys[2:], keys_of(original)[2:], "the records stay as the player left them")

    def test_a_negative_stored_time_is_beaten_by_any_win(self):
        with Session() as s:
            picture_levels(s)
            s.write(RECORDS_FILE, records_text("Score1=-5", "Name1=Cheat"))
            s.start()
            s.wait_fresh_board(10)
            act_on(s, TINY, button=3)
            s.wait_window("축하합니다")
            texts = s.control_texts("축하합니다")
            self.assertIn(602, texts, "BEST, the dialog that asks for a name")
            s.xdotool("type", "Honest")
            s.key("Return")
            s.wait_window(RECORDS)
            self.assertEqual(table_rows(s.control_texts(RECORDS))[0], ["Honest", texts[1001], "Tiny"])
            self.assertEqual(keys_of(s.read(RECORDS_FILE)),
                             [("Score1", texts[1001]), ("Name1", "Honest"), ("LName1", "Tiny")])
            s.key("Return")
            s.wait_gone(RECORDS)
            s.key("alt+F4")
            self.assertEqual(s.wait_exit(), 0)


class LevelNameOfNoCharacters(unittest.TestCase):
    def test_a_new_best_time_on_a_level_named_in_latin_1_is_stored_whole(self):
        """A level file from elsewhere names its picture in Latin-1: the
        0xE9 of "Caf\xe9t" is no CP949 character, so the game shows and stores
        a blank for it, and the records write keeps the new best time."""
        others = ("Size=10", "Random=0", "Name2=Kim", "Score2=120", "LName2=Cat",
                  "Name3=Lee", "Score3=300", "LName3=Owl")
        with Session() as s:
            picture_levels(s)
            s.write("level10.dat", level_file([(b"Caf\xe9t", TINY)]))
            s.write(RECORDS_FILE, records_text(*others))
            s.start()
            s.wait_fresh_board(10)
            act_on(s, TINY, button=3)
            s.wait_window("축하합니다")
            seconds = s.control_texts("축하합니다")[1001]
            s.xdotool("type", "Yuna")
            s.key("Return")
            s.wait_window(RECORDS)
            self.assertEqual(table_rows(s.control_texts(RECORDS))[0], ["Yuna", seconds, "Caf t"])
            stored = s.read(RECORDS_FILE)
            print("\nthe records file after the win:\n" + stored.decode("cp949"))
            self.assertEqual(keys_of(stored), [tuple(line.split("=")) for line in others] +
                             [("Name1", "Yuna"), ("Score1", seconds), ("LName1", "Caf t")])
            s.key("Return")
            s.wait_gone(RECORDS)
            self.assertEqual(exit_from_menu(s), 0)


def directory_of_length(s, length, part="d"):
    """A new folder whose Windows path ("Z:" + the Unix path) has length
    characters, made of folders named with part repeated."""
    folder = s.folder
    while len("Z:" + folder) < length - 60:
        folder = os.path.join(folder, part * (50 // len(part)))
    last = length - len("Z:" + folder) - 1
    folder = os.path.join(folder, (part * last)[:last])
    os.makedirs(folder)
    assert len("Z:" + folder) == length, folder
    return folder


def start_in(s, folder):
    with open(os.path.join(s.folder, "wine.log"), "w") as log:
        s.game = subprocess.Popen([harness.WINE, harness.GAME_EXE], cwd=folder, env=s.env,
                                  stdout=log, stderr=subprocess.STDOUT)


def start_in_directory_of_length(s, length):
    """Starts the game in a new folder whose Windows path has length
    characters; returns the folder."""
    folder = directory_of_length(s, length)
    shutil.copy(harness.GAME_EXE, folder)
    start_in(s, folder)
    # A path past the platform's limit leaves the level files out of reach.
    def started():
        titles = window_titles(s)
        if "error" in titles:
            s.key("Return")
        return "Bombagram2" in titles
    harness.wait_for(started, "the game's window", timeout=30)
    return folder


def play_tiny_in(test, s, folder, name):
    """Starts the game in folder, which holds a level file of TINY alone,
    wins it and stores a best time under name; gives the BEST dialog's texts.
    Fails when the level reader shows its error, or when the board dealt is
    not TINY (a level file read from another folder)."""
    with open(os.path.join(folder, "level10.dat"), "wb") as f:
        f.write(level_file([("Tiny", TINY)]))
    start_in(s, folder)

    def board_or_error():
        titles = window_titles(s)
        if ERROR_CAPTION in titles:
            return ERROR_CAPTION
        return "Bombagram2" in titles and s.fresh_geometry(10)
    seen = harness.wait_for(board_or_error, "a fresh board or the level reader's error", timeout=30)
    test.assertNotEqual(seen, ERROR_CAPTION, "the level reader found no level file in its folder")
    act_on(s, TINY, button=3)
    s.wait_window(BEST, timeout=10)
    texts = s.control_texts(BEST)
    s.xdotool("type", name)
    s.key("Return")
    s.wait_window(RECORDS)
    s.key("Return")
    s.wait_gone(RECORDS)
    return texts


def records_in(folder):
    with open(os.path.join(folder, RECORDS_FILE), "rb") as f:
        return dict(keys_of(f.read()))


class FolderNames(unittest.TestCase):
    def test_a_folder_the_code_page_cannot_spell_is_the_only_one_used(self):
        """"é" is no CP949 character: through the code page "Café" was
        spelt "Cafe", the folder beside it, whose level and best time the
        game took. A folder of Korean words, a space and an emoji has no
        spelling there at all."""
        beside = records_text("Size=10", "Random=0", "Name1=Kim", "Score1=500", "LName1=Twin")
        for folder_name in ("Café", "게임 폴더 🎮"):
            with self.subTest(folder=folder_name), Session() as s:
                neighbour = s.path("Cafe")
                os.makedirs(neighbour)
                for name, data in (("level10.dat", level_file([("Twin", [(5, 5)])])), (RECORDS_FILE, beside)):
                    with open(os.path.join(neighbour, name), "wb") as f:
                        f.write(data)
                folder = s.path(folder_name)
                os.makedirs(folder)
                texts = play_tiny_in(self, s, folder, "Mina")
                self.assertEqual(texts[1000], "Tiny")
                self.assertEqual(records_in(folder), {"Name1": "Mina", "Score1": texts[1001], "LName1": "Tiny"})
                self.assertEqual(exit_from_menu(s), 0)
                self.assertEqual(records_in(folder)["Size"], "10")
                with open(os.path.join(neighbour, RECORDS_FILE), "rb") as f:
                    self.assertEqual(f.read(), beside, "the folder beside was written")
                self.assertEqual(sorted(os.listdir(neighbour)), [RECORDS_FILE, "level10.dat"])


def files_named(top, name):
    return [os.path.join(d, name) for d, _, files in os.walk(top) if name in files]


class LongDirectory(unittest.TestCase):
    # Wine refuses a working directory of more than 258 characters. A file
    # path past 260 characters cannot be opened under Wine: the game then
    # plays without records.
    def test_a_deep_folder_finds_its_levels_and_keeps_a_best_time(self):
        """A player's deep Documents folder: 230 characters of Windows path,
        in Latin letters, or in Korean ones, two bytes each in the code page."""
        for part in ("d", "가나다"):
            with self.subTest(part=part), Session() as s:
                folder = directory_of_length(s, 230, part)
                texts = play_tiny_in(self, s, folder, "Deep")
                self.assertEqual(records_in(folder), {"Name1": "Deep", "Score1": texts[1001], "LName1": "Tiny"})
                self.assertEqual(files_named(s.folder, RECORDS_FILE), [os.path.join(folder, RECORDS_FILE)])
                self.assertEqual(exit_from_menu(s), 0)

    def test_a_long_directory_keeps_its_records_there(self):
        with Session() as s:
            folder = start_in_directory_of_length(s, 240)  # the path is 253 characters
            self.assertIn("Bombagram2", window_titles(s))
            self.assertEqual(exit_from_menu(s), 0)
            self.assertEqual(files_named(s.folder, RECORDS_FILE), [os.path.join(folder, RECORDS_FILE)])
            with open(os.path.join(folder, RECORDS_FILE), "rb") as f:
                self.assertEqual(f.read(), b"[Bombagram2]\r\nSize=10\r\nRandom=0\r\n")

    def test_the_longest_directory_plays_without_records(self):
        with Session() as s:
            start_in_directory_of_length(s, 258)
            self.assertIn("Bombagram2", window_titles(s))
            open_records_from_menu(s)
            self.assertEqual(table_rows(s.control_texts(RECORDS)), [[NO_NAME, "999", NO_NAME]] * 3)
            s.key("alt+r")  # a reset that cannot be written goes unnoticed
            time.sleep(0.5)  # nothing shows it: the time given to it
            s.key("Return")
            s.wait_gone(RECORDS)
            self.assertEqual(exit_from_menu(s), 0, "an orderly end, no crash")
            self.assertEqual(files_named(s.folder, RECORDS_FILE), [], "no file under a cut path either")


if __name__ == "__main__":
    unittest.main()
