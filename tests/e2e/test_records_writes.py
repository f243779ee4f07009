"""Writes of the records file that cannot be made whole under Wine: a full
disk (a small file system made here, 64 KiB of memory) and a records file
that is a symbolic link. A write lands whole or not at all: the old file
stays byte for byte, no copy is left beside it, and the game plays on; a link
is replaced by a regular file and the file it pointed to is never written.
Two copies of the game in one folder (each on a display of its own, in the
same Wine prefix, as one player's two starts): the faster best time stays,
and two writes at the same moment both land."""
import os
import subprocess
import tempfile
import time
import unittest

import boardview as bv
import geometry
import harness
from harness import Session
from recordsfile import (BEST, NO_NAME, RECORDS, RECORDS_FILE, TINY, exit_from_menu, keys_of, level_file,
                         open_records_from_menu, records_text, win_tiny_with_a_record, window_titles)

PAGE = 4096  # the small file system hands out whole pages


def records_of_pages(pages):
    """A records file of slot 1 and a section of notes after it, a few bytes
    short of the given number of pages: a reset, which adds the six keys of
    slots 2 and 3, makes it need one page more."""
    head = records_text("Size=10", "Random=0", "Name1=Kim", "Score1=120", "LName1=Cup")
    notes = b"[Notes]\r\n"
    n = 0
    while len(head) + len(notes) < pages * PAGE - 40:
        notes += b"Note%03d=a line the player keeps\r\n" % n
        n += 1
    return head + notes


def free_bytes(folder):
    st = os.statvfs(folder)
    return st.f_bavail * st.f_frsize


def fill_leaving(folder, room):
    """Fills the file system with a filler file until only room bytes are free."""
    filler = os.path.join(folder, "filler")
    fd = os.open(filler, os.O_WRONLY | os.O_CREAT, 0o644)
    try:
        while True:
            os.write(fd, b"\0" * PAGE)
    except OSError:
        pass  # full
    finally:
        os.close(fd)
    size = os.path.getsize(filler)
    os.truncate(filler, max(0, size - room))
    return free_bytes(folder)


def start_in(s, folder):
    with open(os.path.join(s.folder, "wine.log"), "w") as log:
        s.game = subprocess.Popen([harness.WINE, harness.GAME_EXE], cwd=folder, env=s.env,
                                  stdout=log, stderr=subprocess.STDOUT)
    s.wait_window("Bombagram2", timeout=30)


def copies_left(folder):
    """Copies of the records file ("Kab" + digits + ".tmp") and the write
    lock ("Kabloom2.lck") left in the folder."""
    return [n for n in os.listdir(folder) if n.startswith("Kab") and n != RECORDS_FILE]


def reset_from_the_table(s):
    """Opens the best-times table, resets it and closes it: nine keys written."""
    s.xdotool("mousemove", 512, 384)
    open_records_from_menu(s)
    s.key("alt+r")
    time.sleep(1.0)
    s.key("Return")
    s.wait_gone(RECORDS)


class FullDisk(unittest.TestCase):
    def small_file_system(self):
        if os.geteuid() != 0:
            self.skipTest("mounting a small file system needs root")
        folder = tempfile.mkdtemp(prefix="bombagram2-full-")
        self.addCleanup(os.rmdir, folder)
        done = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", folder],
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        if done.returncode != 0:
            self.skipTest("cannot mount a small file system here: %s" % done.stderr.strip())
        self.addCleanup(subprocess.run, ["umount", "-l", folder], check=False)
        return folder

    def check_write_cannot_fit(self, room):
        folder = self.small_file_system()
        original = records_of_pages(3)
        with open(os.path.join(folder, "level10.dat"), "wb") as f:
            f.write(level_file([("Tiny", TINY)]))
        with open(os.path.join(folder, RECORDS_FILE), "wb") as f:
            f.write(original)
        free = fill_leaving(folder, room)
        print("\n%d bytes free for a records file of %d bytes" % (free, len(original)))
        with Session() as s:
            start_in(s, folder)
            reset_from_the_table(s)
            self.assertTrue(s.running(), "a write that does not fit ends nothing")
            self.assertEqual(window_titles(s), ["Bombagram2"])
            with open(os.path.join(folder, RECORDS_FILE), "rb") as f:
                self.assertEqual(f.read(), original, "the reset changed the records file")
            # The table still shows what the file holds.
            s.xdotool("mousemove", 512, 384)
            open_records_from_menu(s)
            self.assertEqual(s.control_texts(RECORDS)[707], "Kim")
            s.key("Return")
            s.wait_gone(RECORDS)
            self.assertEqual(exit_from_menu(s), 0, "an orderly end, no crash")
        with open(os.path.join(folder, RECORDS_FILE), "rb") as f:
            self.assertEqual(f.read(), original, "saving the settings changed the records file")
        self.assertEqual(sorted(os.listdir(folder)), ["Kabloom2.dat", "filler", "level10.dat"],
                         "a copy was left behind")

    def test_no_room_for_the_copy(self):
        self.check_write_cannot_fit(room=2 * PAGE)

    def test_room_for_the_copy_but_not_for_the_keys_written(self):
        # The copy fits in its three pages; the reset rewrites it with the six
        # new keys and needs a fourth, so the rewrite is cut at 12,288 bytes.
        self.check_write_cannot_fit(room=3 * PAGE)


class ReadOnlyRecordsFile(unittest.TestCase):
    def test_permission_bits_alone_keep_the_file_even_for_root(self):
        """Root passes the permission bits when it opens a file; the game
        goes by the read-only attribute they give the file under Wine."""
        original = records_text("Size=10", "Random=0", "Name1=Kim", "Score1=500", "LName1=Cup")
        with Session() as s:
            s.write("level10.dat", level_file([("Tiny", TINY)]))
            s.write(RECORDS_FILE, original)
            os.chmod(s.path(RECORDS_FILE), 0o444)
            s.start()
            win_tiny_with_a_record(s)
            self.assertTrue(s.running(), "a refused write ends nothing")
            self.assertEqual(exit_from_menu(s), 0)
            self.assertEqual(s.read(RECORDS_FILE), original)
            self.assertEqual(os.stat(s.path(RECORDS_FILE)).st_mode & 0o777, 0o444)
            self.assertEqual(copies_left(s.folder), [])


class FolderWithoutNewFiles(unittest.TestCase):
    def make_immutable(self, folder):
        done = subprocess.run(["chattr", "+i", folder], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        if done.returncode != 0:
            self.skipTest("cannot make a folder immutable here: %s" % done.stderr.strip())
        self.addCleanup(subprocess.run, ["chattr", "-i", folder], check=False)

    def test_a_records_file_that_can_be_written_gets_the_keys_in_place(self):
        """No file can be made in the folder, so no copy beside the records
        file: the new best time is written into the file itself, and the
        other slots stay as they were."""
        others = ("Size=10", "Random=0", "Name2=Kim", "Score2=120", "LName2=Cat")
        with Session() as s:
            folder = s.path("play")
            os.makedirs(folder)
            for name, data in (("level10.dat", level_file([("Tiny", TINY)])), (RECORDS_FILE, records_text(*others))):
                with open(os.path.join(folder, name), "wb") as f:
                    f.write(data)
            start_in(s, folder)
            self.make_immutable(folder)
            win_tiny_with_a_record(s, "Mina")
            self.assertEqual(sorted(os.listdir(folder)), sorted([RECORDS_FILE, "level10.dat"]),
                             "no file was made in the folder")
            with open(os.path.join(folder, RECORDS_FILE), "rb") as f:
                keys = dict(keys_of(f.read()))
            self.assertEqual((keys["Name1"], keys["LName1"]), ("Mina", "Tiny"))
            self.assertRegex(keys["Score1"], r"^\d+$", "the seconds of the win")
            for line in others:
                key, value = line.split("=")
                self.assertEqual(keys[key], value, "%s is kept" % key)
            self.assertEqual(exit_from_menu(s), 0)


class LinkedRecordsFile(unittest.TestCase):
    def test_a_link_is_replaced_and_the_file_it_points_to_is_left_alone(self):
        elsewhere = records_text("Size=10", "Random=0", "Name1=Kim", "Score1=120", "LName1=Cup")
        with Session() as s:
            s.write("level10.dat", level_file([("Tiny", TINY)]))
            os.makedirs(s.path("other"))
            s.write(os.path.join("other", "elsewhere.ini"), elsewhere)
            os.symlink(s.path(os.path.join("other", "elsewhere.ini")), s.path(RECORDS_FILE))
            s.start()
            reset_from_the_table(s)
            self.assertTrue(s.running())
            self.assertEqual(s.read(os.path.join("other", "elsewhere.ini")), elsewhere,
                             "the file the link points to was written")
            self.assertFalse(os.path.islink(s.path(RECORDS_FILE)), "the link is still there")
            self.assertEqual(dict(keys_of(s.read(RECORDS_FILE))), {
                "Size": "10", "Random": "0", "Name1": NO_NAME, "Score1": "999", "LName1": NO_NAME,
                "Name2": NO_NAME, "Name3": NO_NAME, "Score2": "999", "Score3": "999",
                "LName2": NO_NAME, "LName3": NO_NAME})
            self.assertEqual(exit_from_menu(s), 0)
            self.assertEqual(s.read(os.path.join("other", "elsewhere.ini")), elsewhere)
            self.assertEqual(copies_left(s.folder), [])

    def test_a_dangling_link_is_replaced_without_making_its_target(self):
        with Session() as s:
            s.write("level10.dat", level_file([("Tiny", TINY)]))
            target = s.path("nowhere.ini")
            os.symlink(target, s.path(RECORDS_FILE))
            s.start()
            s.wait_fresh_board(10)
            self.assertEqual(exit_from_menu(s), 0)
            self.assertFalse(os.path.exists(target), "the link was followed")
            self.assertFalse(os.path.islink(s.path(RECORDS_FILE)))
            self.assertEqual(s.read(RECORDS_FILE), b"[Bombagram2]\r\nSize=10\r\nRandom=0\r\n")


def move_first_copy_aside(s, pid):
    """Moves the first copy's window (its process pid) to the screen's left
    edge, where the second copy's windows, centred, do not overlap it."""
    window = next(w for w in s.windows_titled(harness.TITLE) if w["pid"] == pid)
    s.probe("move", window["hwnd"], "0", "0")
    harness.wait_for(lambda: any(w["rect"][0] == 0 and w["pid"] == pid for w in s.windows_titled(harness.TITLE)),
                     "the first copy at the left")


def start_second_copy(s):
    """A second copy of the game in the session's folder, on the same
    screen, beside the first. Gives the second's process and the first's
    process number in Wine."""
    first = s.windows_titled(harness.TITLE)[0]["pid"]
    move_first_copy_aside(s, first)
    with open(s.path("second.log"), "w") as log:
        second = subprocess.Popen([harness.WINE, "bombagram2.exe"], cwd=s.folder, env=s.env, stdout=log,
                                  stderr=subprocess.STDOUT)
    harness.wait_for(lambda: len(s.windows_titled(harness.TITLE)) == 2, "the second copy's window", timeout=30)
    return second, first


def copy_board(s, copy, size=10):
    """The Geometry of the first (left) or second copy's board, once it shows fresh."""
    def fresh():
        window = sorted(s.windows_titled(harness.TITLE), key=lambda w: w["rect"][0])[copy]
        geo = geometry.Geometry(size, window["client"][:2])
        return geo if harness.board_is_fresh(s.screenshot(), geo) else None
    return harness.wait_for(fresh, "a fresh board in copy %d" % (copy + 1))


def control_centre(s, title, ident):
    """The screen point in the middle of the control of the (only) window titled so."""
    _, controls = s.controls(title)
    left, top, right, bottom = next(c["rect"] for c in controls if int(c["id"]) == ident)
    return (left + right) // 2, (top + bottom) // 2


def solve(s, geo, blocks):
    """Checks the blocks in turn; the pause is the clicks' pace, not a wait."""
    for col, row in blocks:
        s.click(*geo.block_centre(col, row), button=3)
        time.sleep(0.05)


class TwoCopiesInOneFolder(unittest.TestCase):
    def two_copies(self, s):
        s.start()
        s.wait_fresh_board(10)
        self.second, self.first_pid = start_second_copy(s)
        self.addCleanup(self.second.kill)
        return copy_board(s, 0), copy_board(s, 1)

    def test_a_slower_best_time_never_replaces_a_faster_one(self):
        """The second copy wins first but slowly, and its BEST dialog stays
        open while the first wins faster and stores its time; the second's
        OK then stores nothing, and its table shows the faster record."""
        others = ("Name2=Kim", "Score2=120", "LName2=Cat")
        with Session(width=1600) as s:
            s.write("level10.dat", level_file([("Tiny", TINY)]))
            s.write(RECORDS_FILE, records_text(*others))
            first, second = self.two_copies(s)
            solve(s, second, TINY[:1])
            s.wait_screen(lambda img: (bv.seconds_value(img, second) or 0) >= 3, "the second copy's clock at 3 s")
            solve(s, second, TINY[1:])
            s.wait_window(BEST)
            slow = int(s.control_texts(BEST)[1001])
            solve(s, first, TINY)
            harness.wait_for(lambda: len(s.windows_titled(BEST)) == 2, "the first copy's BEST over the second's")
            s.xdotool("type", "Alice")  # the pointer is over the first copy's window: its keys
            s.key("Return")
            s.wait_window(RECORDS)
            fast = int(dict(keys_of(s.read(RECORDS_FILE)))["Score1"])
            self.assertLess(fast, slow, "the first copy played faster")
            s.key("Return")
            harness.wait_for(lambda: RECORDS not in window_titles(s), "the first copy's table to close")
            move_first_copy_aside(s, self.first_pid)  # its next board is centred again, over the second's dialog
            # Keys go to the copy that is active: a click into the name box makes it the second.
            s.click(*control_centre(s, BEST, 602))
            s.xdotool("type", "Bob")
            s.key("Return")
            s.wait_window(RECORDS)
            self.assertEqual([s.control_texts(RECORDS)[i] for i in (707, 701, 702)], ["Alice", str(fast), "Tiny"])
            self.assertEqual(keys_of(s.read(RECORDS_FILE)), [tuple(line.split("=")) for line in others] +
                             [("Name1", "Alice"), ("Score1", str(fast)), ("LName1", "Tiny")])

    def test_two_writes_at_the_same_moment_both_land(self):
        """A records file of about 2 MB makes each write long. The first copy
        stores a best time while the second, switched to 15 x 15, saves its
        settings on closing, a few milliseconds later: both land, and
        nothing else of the file changes."""
        notes = b"".join(b"Note%05d=a line the player keeps in the records file\r\n" % n for n in range(33000))
        original = records_text("Size=10", "Random=0") + b"[Notes]\r\n" + notes
        with Session(width=1600) as s:
            s.write("level10.dat", level_file([("Tiny", TINY)]))
            s.write("level15.dat", level_file([("Wide", [(col, 0) for col in range(15)])], size=15))
            s.write(RECORDS_FILE, original)
            first, second = self.two_copies(s)
            s.click(*second.screen(5, 5))  # beside the board: the second copy becomes the active one
            s.key("F4")
            second = copy_board(s, 1, 15)
            solve(s, first, TINY)
            s.wait_window(BEST)
            s.xdotool("type", "Alice")
            seconds = s.control_texts(BEST)[1001]
            # The dialog opens centred, under the second copy's window once
            # that is active: below the first copy, no window covers its OK.
            best = s.windows_titled(BEST)[0]
            s.probe("move", best["hwnd"], "0", "420")
            harness.wait_for(lambda: s.windows_titled(BEST)[0]["rect"][:2] == (0, 420), "the BEST dialog below the first copy")
            ok = control_centre(s, BEST, 1)
            s.click(*second.screen(5, 5))
            # The second copy's Alt+F4, then at once a click on the first's OK.
            s.xdotool("key", "alt+F4", "mousemove", ok[0], ok[1], "click", 1)
            self.assertEqual(self.second.wait(60), 0)
            s.wait_window(RECORDS, timeout=60)
            expected = records_text("Size=15", "Random=0", "Name1=Alice", "Score1=" + seconds, "LName1=Tiny")
            self.assertEqual(s.read(RECORDS_FILE), expected + b"[Notes]\r\n" + notes)
            self.assertEqual(copies_left(s.folder), [], "no copy or lock is left beside the file")


if __name__ == "__main__":
    unittest.main()
