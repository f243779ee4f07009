"""The 32-bit game and the 64-bit build of the same sources stay one game.

Every machine builds both. Their resources (menus, dialogs, bitmaps, waves,
texts, version) must be the same bytes, and each must be a Windows GUI
program of its width. Where the machine runs both (it runs 32-bit
programs), each plays the same moves on the same picture: the window must
show the same pixels, and the dialogs of a won game the same texts in the
same places. Where it runs no 32-bit program only the 64-bit build starts,
and that comparison is skipped with the reason."""
import re
import struct
import unittest

import boardview as bv
import harness
import recordsfile as rf

MACHINES = {"32": 0x14C, "64": 0x8664}
GUI_SUBSYSTEM = 2


class PortableExecutable:
    """The headers and the resource tree of a PE file."""

    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        pe = struct.unpack_from("<I", self.data, 0x3C)[0]
        assert self.data[pe:pe + 4] == b"PE\0\0", path
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", self.data, pe + 4)
        optional = pe + 24
        self.subsystem = struct.unpack_from("<H", self.data, optional + 68)[0]
        # The data directories follow the optional header's fixed part: 96
        # bytes in PE32, 112 in PE32+. The resource directory is the third.
        magic = struct.unpack_from("<H", self.data, optional)[0]
        directories = optional + (112 if magic == 0x20B else 96)
        self.resource_rva = struct.unpack_from("<I", self.data, directories + 2 * 8)[0]
        self.sections = []
        for k in range(sections):
            at = optional + optional_size + 40 * k
            size, rva, raw_size, raw = struct.unpack_from("<IIII", self.data, at + 8)
            self.sections.append((rva, max(size, raw_size), raw))

    def offset(self, rva):
        for start, size, raw in self.sections:
            if start <= rva < start + size:
                return raw + rva - start
        raise ValueError("address 0x%x in no section" % rva)

    def resources(self):
        """{(type, name, language): bytes} for every resource."""
        base = self.offset(self.resource_rva)
        found = {}

        def key(entry_name):
            if entry_name & 0x80000000:
                at = base + (entry_name & 0x7FFFFFFF)
                length = struct.unpack_from("<H", self.data, at)[0]
                return self.data[at + 2: at + 2 + 2 * length].decode("utf-16-le")
            return entry_name

        def walk(directory, path):
            named, numbered = struct.unpack_from("<HH", self.data, base + directory + 12)
            for k in range(named + numbered):
                name, target = struct.unpack_from("<II", self.data, base + directory + 16 + 8 * k)
                if target & 0x80000000:
                    walk(target & 0x7FFFFFFF, path + (key(name),))
                else:
                    rva, size = struct.unpack_from("<II", self.data, base + target)
                    at = self.offset(rva)
                    found[path + (key(name),)] = self.data[at:at + size]
        walk(0, ())
        return found


class BuildsAgreeTest(unittest.TestCase):
    def test_each_build_is_a_gui_program_of_its_width(self):
        for width in ("32", "64"):
            exe = PortableExecutable(harness.Build(width).game_exe)
            self.assertEqual(exe.machine, MACHINES[width], "the %s-bit build's machine" % width)
            self.assertEqual(exe.subsystem, GUI_SUBSYSTEM, "the %s-bit build's subsystem" % width)

    def test_both_builds_carry_the_same_resources(self):
        narrow = PortableExecutable(harness.Build("32").game_exe).resources()
        wide = PortableExecutable(harness.Build("64").game_exe).resources()
        self.assertEqual(sorted(narrow, key=str), sorted(wide, key=str))
        # Bitmaps, icons, the menu, dialogs, accelerators, the icon group,
        # the version, the manifest and the waves.
        self.assertEqual({name[0] for name in narrow}, {2, 3, 4, 5, 9, 14, 16, 24, "WAVE"})
        for name in narrow:
            self.assertEqual(narrow[name], wide[name], "resource %r differs" % (name,))
        # One manifest for both widths: it names no processor.
        manifest = [data for name, data in narrow.items() if name[0] == 24]
        self.assertEqual(len(manifest), 1)
        self.assertNotIn(b"processorArchitecture", manifest[0])


def dialog_seen(s, title):
    """The dialog's texts, with the seconds of the game (which differ from
    run to run) as "#", and its controls' places."""
    texts = [re.sub(r"[0-9]+", "#", text) for text in rf.all_texts(s, title)]
    return texts, rf.client_rects(s, title)[1]


def without_seconds(rows):
    """Client rows with the box of the seconds (its three digits at
    x 14-52, y 14-36) left out."""
    return [row[53:] if 14 <= j <= 36 else row for j, row in enumerate(rows)]


def play_the_same_moves(build):
    """On the tiny picture with a standing clock: the first paint, then the
    board after a break, a check and a wrong check (the panel and the
    seconds, which count on while a busy machine takes the moves, left out),
    then the texts and places of the dialogs of the win."""
    seen = {}
    with harness.Session(build=build) as s:
        s.write("level10.dat", rf.level_file([("Tiny", rf.TINY)]))
        s.start()
        geo = s.wait_fresh_board(10)
        x, y, w, h = s.client_origin()
        seen["first paint"] = s.screenshot().region(x, y, w, h)
        rf.act_on(s, [(5, 5)], button=1)
        rf.act_on(s, [(0, 0), (4, 4)], button=3)
        board = lambda img: without_seconds(img.region(x, y, w, geo.panel))
        seen["board after moves"] = board(s.wait_screen(
            lambda img: all(bv.block_shows(img, geo, *b) for b in ((5, 5, "broken"), (0, 0, "checked"), (4, 4, "checked"))),
            "the three moves on the board"))
        rf.act_on(s, [(4, 4), (3, 2), (9, 9)], button=3)
        s.wait_window(rf.BEST)
        seen["win dialog"] = dialog_seen(s, rf.BEST)
        s.xdotool("type", "Same")
        s.key("Return")
        s.wait_window(rf.RECORDS)
        seen["records table"] = dialog_seen(s, rf.RECORDS)
        s.key("Return")
        s.wait_gone(rf.RECORDS)
    return seen


@unittest.skipUnless(len(harness.runnable_builds()) == 2,
                     "only one width runs here: the machine runs no 32-bit program, or BOMBAGRAM2_WIN64 is set")
class BothBuildsPlayAlikeTest(unittest.TestCase):
    def test_same_pixels_and_dialogs_for_the_same_moves(self):
        narrow, wide = (play_the_same_moves(build) for build in harness.runnable_builds())
        for what in narrow:
            self.assertTrue(narrow[what] == wide[what], "the %s differs between the 32-bit and 64-bit builds" % what)


if __name__ == "__main__":
    unittest.main()
