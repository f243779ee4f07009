"""Sound effects heard as a player hears them: the game under Wine with an
ALSA device that writes everything it plays to a file, and without any
sound device at all.

Wine's mixer writes the file as 48000 Hz stereo 32-bit floats; silence is
written as zero samples. Each sound is told apart by its length and by how
often it crosses zero (the buzz of an error is low, a crumbling block is
noise).
"""
import os
import shutil
import struct
import tempfile
import time
import unittest

import boardview as bv
import harness
from geometry import Geometry
from harness import Session, TITLE

FRAME_RATE = 48000
FRAME_BYTES = 8  # two 32-bit float channels
# A sound has ended once this much silence follows it: longer than the gaps
# inside any of the game's sounds.
QUIET_SECONDS = 0.4

# Bombs fill row 0; every other block is free.
BOMBS = [(col, 0) for col in range(10)]
LEVEL = harness.level_file([("soundtest", BOMBS)])


def block_centre(origin, col, row):
    return Geometry(10, origin).block_centre(col, row)


class Recording:
    """The file the ALSA device writes, read from a mark on."""

    def __init__(self, path):
        self.path = path

    def size(self):
        return os.path.getsize(self.path) if os.path.exists(self.path) else 0

    def wait_running(self, timeout=10):
        harness.wait_for(lambda: self.size() > 0, "the sound device to be opened", timeout)

    def mark(self):
        return self.size() - self.size() % FRAME_BYTES

    def samples_since(self, mark):
        """Left channel samples written since mark."""
        with open(self.path, "rb") as f:
            f.seek(mark)
            data = f.read()
        frames = len(data) // FRAME_BYTES
        return struct.unpack("<%df" % (2 * frames), data[:frames * FRAME_BYTES])[0::2]

    def listen(self, mark, seconds, until_quiet):
        """The left channel samples from mark on, once the device has written
        `seconds` of sound since it, or (until_quiet) once a sound has been
        followed by QUIET_SECONDS of silence."""
        quiet = int(QUIET_SECONDS * FRAME_RATE)

        def heard():
            samples = self.samples_since(mark)
            if len(samples) >= seconds * FRAME_RATE:
                return samples
            if until_quiet and len(samples) > quiet and not any(samples[-quiet:]) and any(samples):
                return samples
            return None
        return harness.wait_for(heard, "%.1f s of sound recorded" % seconds, timeout=seconds + 15)


def sound_in(samples):
    """The stretch from the first to the last non-zero sample: its length in
    seconds, zero crossings per second, peak and energy."""
    loud = [i for i, v in enumerate(samples) if v != 0.0]
    if not loud:
        return None
    part = samples[loud[0]:loud[-1] + 1]
    seconds = len(part) / FRAME_RATE
    crossings = sum(1 for a, b in zip(part, part[1:]) if (a < 0) != (b < 0))
    return {"seconds": seconds, "crossings": crossings / seconds if seconds else 0,
            "peak": max(abs(v) for v in part), "energy": sum(v * v for v in part)}


class SoundDeviceTest(unittest.TestCase):
    """With a sound device: the events are heard, and nothing else."""

    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.mkdtemp(prefix="bombagram2-sound-")
        cls.raw = os.path.join(cls.scratch, "sound.raw")
        cls.session = Session(sound_file=cls.raw)
        cls.session.write("level10.dat", LEVEL)
        cls.session.start()
        cls.recording = Recording(cls.raw)
        cls.recording.wait_running()
        cls.origin = cls.session.client_origin()

    @classmethod
    def tearDownClass(cls):
        cls.session.close()
        shutil.rmtree(cls.scratch, ignore_errors=True)

    def act_and_listen(self, action, seconds=2.0, until_quiet=True):
        """What the action made heard: listened to until its sound has
        ended, and for at most `seconds` of sound (all of it when nothing
        plays, or when until_quiet is false)."""
        mark = self.recording.mark()
        action()
        return sound_in(self.recording.listen(mark, seconds, until_quiet))

    def click(self, col, row, button=1):
        x, y = block_centre(self.origin, col, row)
        return lambda: self.session.click(x, y, button)

    def test_1_idle_game_is_silent(self):
        heard = self.act_and_listen(lambda: None, 3.0)  # silence is listened to for the whole time
        self.assertIsNone(heard, "sound from a game nobody touched: %s" % heard)

    def test_2_breaking_a_free_block_plays_the_crumble(self):
        heard = self.act_and_listen(self.click(5, 5))
        self.assertIsNotNone(heard, "breaking a block made no sound")
        self.assertGreater(heard["peak"], 0.3)
        self.assertTrue(0.3 < heard["seconds"] < 0.8, heard)
        self.assertGreater(heard["crossings"], 1500, "the break should crumble, not buzz: %s" % heard)
        # One-shot: once it has ended, the device is silent again.
        self.assertIsNone(self.act_and_listen(lambda: None, 2.0))

    def test_3_checking_and_unchecking_click(self):
        for _ in ("check", "uncheck"):
            heard = self.act_and_listen(self.click(7, 3, 3), 1.0)
            self.assertIsNotNone(heard, "a check made no sound")
            self.assertLess(heard["seconds"], 0.2, heard)

    def test_4_breaking_a_bomb_buzzes(self):
        heard = self.act_and_listen(self.click(3, 0))
        self.assertIsNotNone(heard, "breaking a bomb made no sound")
        self.assertTrue(0.45 < heard["seconds"] < 0.8, heard)
        self.assertLess(heard["crossings"], 800, "the error sound is a low buzz: %s" % heard)

    def test_5_a_stroke_plays_overlapping_break_sounds(self):
        single = self.act_and_listen(self.click(1, 9))
        self.assertIsNotNone(single)
        # From the broken block, which makes no sound, one move over two
        # more: both break in the same moment, however busy the machine.
        a = block_centre(self.origin, 1, 9)
        b = block_centre(self.origin, 3, 9)
        both = self.act_and_listen(lambda: self.session.drag([a, b], 1))
        self.assertIsNotNone(both)
        # Two blocks have two voices: about twice the sound, overlapping in
        # less time than two sounds one after the other.
        self.assertGreater(both["energy"], 1.5 * single["energy"], (single, both))
        self.assertLess(both["seconds"], 2 * single["seconds"], (single, both))

    def test_6_a_hint_chimes(self):
        x, y = block_centre(self.origin, 8, 6)

        def hint():
            self.session.xdotool("mousemove", x, y, "keydown", "ctrl", "click", 1, "keyup", "ctrl")
        heard = self.act_and_listen(hint, 2.5)
        self.assertIsNotNone(heard, "a hint made no sound")
        self.assertTrue(0.7 < heard["seconds"] < 1.3, heard)

    def test_7_no_message_window(self):
        self.assertEqual([w["title"] for w in self.session.windows()], [TITLE])

    def test_8_a_new_best_time_plays_the_fanfare(self):
        # Row 0 holds the bombs: 3 was broken (and so checked) and 8 checked
        # by the hint above; checking the rest solves the board in a new best
        # time, and the best-time dialog opens with its fanfare.
        rest = [col for col in range(10) if col not in (3, 8)]

        def solve():
            for col in rest:
                self.session.click(*block_centre(self.origin, col, 0), button=3)
                time.sleep(0.05)  # the clicks' pace
        # The whole 4 s: the fanfare follows the checks once the dialog opens.
        heard = self.act_and_listen(solve, 4.0, until_quiet=False)
        titles = [w["title"] for w in self.session.windows()]
        self.assertIn("축하합니다", titles, "the board was not solved")
        self.assertIsNotNone(heard)
        # Eight check clicks last about half a second; the fanfare 2.5 s more.
        self.assertGreater(heard["seconds"], 2.3, heard)
        self.session.xdotool("mousemove", 512, 384)
        self.session.key("Return")   # BEST: the record is stored
        self.session.wait_window("최고 기록")
        self.session.key("Return")   # TOPSCORE closes; a new board follows


class NoSoundDeviceTest(unittest.TestCase):
    """Without any sound device the game plays silently and says nothing."""

    def test_game_plays_without_sound_and_shows_no_message(self):
        with Session() as s:
            s.write("level10.dat", LEVEL)
            s.start()
            geo = s.wait_fresh_board(10)
            origin = s.client_origin()
            self.assertEqual([w["title"] for w in s.windows()], [TITLE])
            before = s.screenshot("before.ppm")
            for col, row, button in ((4, 4, 1), (6, 2, 3), (5, 0, 1)):  # break, check, bomb
                s.click(*block_centre(origin, col, row), button=button)
            # Input is taken in order: the bomb, broken last, shows as checked after the others.
            after = s.wait_screen(lambda img: bv.block_shows(img, geo, 5, 0, "checked"), "the bomb broken")
            for col, row, _ in ((4, 4, 1), (6, 2, 3)):
                x, y = block_centre(origin, col, row)
                changed = before.region(x - 7, y - 7, 15, 15) != after.region(x - 7, y - 7, 15, 15)
                self.assertTrue(changed, "block (%d, %d) did not change" % (col, row))
            self.assertTrue(s.running(), "the game ended")
            self.assertEqual([w["title"] for w in s.windows()], [TITLE])


if __name__ == "__main__":
    unittest.main()
