"""The Debian package: built from the executable just built, checked with
lintian, installed with apt, started as a new player starts it (a fresh HOME,
from the command and then from the desktop entry), and removed again with the
player's records left where they were.

Installing needs root (or sudo without a password), as in CI."""
import os
import shlex
import shutil
import struct
import subprocess
import tempfile
import time
import unittest

import boardview as bv
import harness
import recordsfile as rf

PACKAGE = "bombagram2"
INSTALLED = "/usr/share/games/bombagram2"
DESKTOP_ENTRY = "/usr/share/applications/bombagram2.desktop"
ICON_SIZES = (16, 32, 48, 64, 128, 256)
# What a player's session has: no Wine settings of the developer's, no Korean
# locale chosen, and root's PATH, which leaves /usr/games out.
PLAYER_PATH = "/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin"
# Another apt run on the machine holds the lock for a while; wait for it.
APT = ["apt-get", "-y", "-q", "-o", "DPkg::Lock::Timeout=300"]


def as_root(command):
    return command if os.getuid() == 0 else ["sudo", "-n"] + command


def can_install():
    if os.getuid() == 0:
        return True
    return subprocess.run(["sudo", "-n", "true"], stderr=subprocess.DEVNULL).returncode == 0


def exe_version(path):
    """The file version of the executable's version resource, as a.b.c.d."""
    with open(path, "rb") as f:
        data = f.read()
    at = data.find(struct.pack("<I", 0xFEEF04BD))
    most, least = struct.unpack_from("<II", data, at + 8)
    return "%d.%d.%d.%d" % (most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF)


def rgba(path):
    return subprocess.run(["convert", path, "-depth", "8", "rgba:-"], stdout=subprocess.PIPE, check=True).stdout


def level_pictures(path, size):
    """Every picture of a level file as rows of 0/1."""
    with open(path, "rb") as f:
        data = f.read()
    record = 20 + (size * size + 7) // 8
    pictures = []
    for n in range(data[2]):
        bits = data[3 + n * record + 20: 3 + (n + 1) * record]
        cells = [(bits[i // 8] >> (7 - i % 8)) & 1 for i in range(size * size)]
        pictures.append([cells[r * size:(r + 1) * size] for r in range(size)])
    return pictures


def clue_counts(grid):
    """How many numbers each column and each row shows (an empty line shows a 0)."""
    columns = [max(1, len(bv.runs([row[c] for row in grid]))) for c in range(len(grid))]
    rows = [max(1, len(bv.runs(row))) for row in grid]
    return columns, rows


def board_is_painted(img, geo, pictures):
    """Every block covered, and clue numbers for one of the installed pictures."""
    if any(not bv.block_shows(img, geo, c, r, "covered") for c in range(10) for r in range(10)):
        return False
    shown = ([len(bv.column_clues(img, geo, c)) for c in range(10)],
             [len(bv.row_clues(img, geo, r)) for r in range(10)])
    return shown in [clue_counts(p) for p in pictures]


def desktop_command():
    with open(DESKTOP_ENTRY, encoding="utf-8") as f:
        for line in f:
            if line.startswith("Exec="):
                return shlex.split(line[len("Exec="):].strip())
    return None


# The package, built once for all the tests of this file.
BUILT = {}


def setUpModule():
    BUILT["folder"] = tempfile.mkdtemp(prefix="bombagram2-deb-")
    built = subprocess.run(["bash", os.path.join(harness.REPO, "scripts", "build-deb.sh"), BUILT["folder"]],
                           stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    assert built.returncode == 0, built.stdout
    BUILT["deb"] = built.stdout.strip().splitlines()[-1]


def tearDownModule():
    shutil.rmtree(BUILT["folder"], ignore_errors=True)


class DebPackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp(prefix="bombagram2-deb-tree-")
        cls.deb = BUILT["deb"]
        cls.tree = os.path.join(cls.folder, "tree")
        subprocess.run(["dpkg-deb", "-x", cls.deb, cls.tree], check=True)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.folder, ignore_errors=True)

    def field(self, name):
        return subprocess.run(["dpkg-deb", "-f", self.deb, name], stdout=subprocess.PIPE, text=True,
                              check=True).stdout.strip()

    def test_lintian_finds_no_errors(self):
        run = subprocess.run(["lintian", "--pedantic", "-I", self.deb], stdout=subprocess.PIPE,
                             stderr=subprocess.STDOUT, text=True)
        errors = [l for l in run.stdout.splitlines() if l.startswith("E:")]
        self.assertEqual(errors, [], run.stdout)
        self.assertEqual(run.returncode, 0, run.stdout)

    def test_the_package_holds_the_built_game_under_its_version(self):
        version = exe_version(harness.GAME_EXE)
        self.assertEqual(self.field("Version"), version)
        self.assertEqual(self.field("Architecture"), "all")
        self.assertEqual(os.path.basename(self.deb), "bombagram2_%s_all.deb" % version)
        depends = {d.strip() for d in self.field("Depends").split(",")}
        # Either Wine: wine64 needs no i386 architecture, wine32 keeps the 32-bit game.
        self.assertTrue({"wine", "wine64 | wine32", "fonts-nanum", "fonts-liberation", "locales"} <= depends, depends)

        def same(installed, built):
            with open(os.path.join(self.tree, installed.lstrip("/")), "rb") as a, open(built, "rb") as b:
                return a.read() == b.read()
        # Both widths, whichever this machine tests: the launcher chooses.
        self.assertTrue(same(INSTALLED + "/bombagram2.exe", harness.Build("32").game_exe))
        self.assertTrue(same(INSTALLED + "/win64/bombagram2.exe", harness.Build("64").game_exe))
        for n in (10, 15, 20):
            self.assertTrue(same(INSTALLED + "/level%d.dat" % n, os.path.join(harness.GEN_DIR, "level%d.dat" % n)))
        self.assertTrue(same(INSTALLED + "/wine-settings.reg",
                             os.path.join(harness.REPO, "scripts", "wine-settings.reg")))
        self.assertEqual(os.readlink(os.path.join(self.tree, "usr/bin/bombagram2")), "../games/bombagram2")
        # The level editor beside the game, in both widths, with its own command.
        editor = "bombagram2-editor.exe"
        self.assertTrue(same(INSTALLED + "/" + editor, os.path.join(harness.Build("32").folder, editor)))
        self.assertTrue(same(INSTALLED + "/win64/" + editor, os.path.join(harness.Build("64").folder, editor)))
        self.assertEqual(os.readlink(os.path.join(self.tree, "usr/bin/bombagram2-editor")),
                         "../games/bombagram2-editor")
        for part in ("usr/games/bombagram2-editor", "usr/share/applications/bombagram2-editor.desktop",
                     "usr/share/man/man6/bombagram2-editor.6.gz"):
            self.assertTrue(os.path.isfile(os.path.join(self.tree, part)), part)

    def test_the_desktop_icon_is_the_programs_icon_at_every_size(self):
        program_icon = os.path.join(harness.GEN_DIR, "zemb.ico")
        for size in ICON_SIZES:
            png = os.path.join(self.tree, "usr/share/icons/hicolor/%dx%d/apps/bombagram2.png" % (size, size))
            shape = subprocess.run(["identify", "-format", "%w %h %[channels]", png], stdout=subprocess.PIPE,
                                   text=True, check=True).stdout
            self.assertEqual(shape, "%d %d srgba" % (size, size))
        # Read by ImageMagick, the PNGs and the icon the exe carries are the same pictures.
        self.assertEqual(rgba(os.path.join(self.tree, "usr/share/icons/hicolor/16x16/apps/bombagram2.png")),
                         rgba(program_icon + "[1]"))
        self.assertEqual(rgba(os.path.join(self.tree, "usr/share/icons/hicolor/32x32/apps/bombagram2.png")),
                         rgba(program_icon + "[0]"))

    def test_a_missing_korean_locale_is_told_in_one_line(self):
        home = os.path.join(self.folder, "no-locale-home")
        os.makedirs(home)
        empty = os.path.join(self.folder, "no-locales")
        os.makedirs(empty)
        run = subprocess.run([os.path.join(self.tree, "usr/games/bombagram2")], stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE, text=True, timeout=30,
                             env={"PATH": PLAYER_PATH, "HOME": home, "LOCPATH": empty})
        self.assertEqual(run.returncode, 1)
        self.assertEqual(run.stdout, "")
        lines = run.stderr.splitlines()
        self.assertEqual(len(lines), 1, run.stderr)
        self.assertIn("로캘", lines[0])
        self.assertIn("the ko_KR.UTF-8 locale is missing", lines[0])
        self.assertIn("locale-gen", lines[0])
        self.assertEqual(os.listdir(home), [], "nothing made for the player")


@unittest.skipUnless(can_install(), "installing the package needs root or sudo without a password")
class InstalledGameTest(unittest.TestCase):
    """One player's first and second start of the installed game."""

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="bombagram2-deb-player-")
        install = subprocess.run(as_root(APT + ["install", BUILT["deb"]]), stdout=subprocess.PIPE,
                                 stderr=subprocess.STDOUT, text=True,
                                 env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))
        self.addCleanup(self.remove_package)
        self.assertEqual(install.returncode, 0, install.stdout)
        self.s = harness.Session()
        self.addCleanup(self.s.close)
        # A player's machine has a sound device; without one the sound library
        # complains on the terminal.
        with open(os.path.join(self.s.home, ".asoundrc"), "w") as f:
            f.write("pcm.!default { type null }\n")
        self.player = os.path.join(self.s.home, ".local", "share", "bombagram2")
        # The launcher plays the 32-bit game in "wine" where wine32 runs, the
        # 64-bit build in "wine64" elsewhere: the width this machine tests.
        self.prefix = os.path.join(self.player, "wine64" if harness.WIDTH == "64" else "wine")
        # The probe and the session's end work in the player's prefix.
        self.s.env["WINEPREFIX"] = self.prefix
        self.pictures = level_pictures(os.path.join(INSTALLED, "level10.dat"), 10)

    def remove_package(self):
        subprocess.run(as_root(APT + ["purge", PACKAGE]), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        shutil.rmtree(self.folder, ignore_errors=True)

    def start(self, command, timeout):
        env = {"PATH": PLAYER_PATH, "HOME": self.s.home, "DISPLAY": ":%d" % self.s.display, "LANG": "C.UTF-8"}
        if os.environ.get("BOMBAGRAM2_WIN64"):
            env["BOMBAGRAM2_WIN64"] = os.environ["BOMBAGRAM2_WIN64"]
        self.log = os.path.join(self.folder, "launcher-%d.log" % time.monotonic_ns())
        with open(self.log, "w") as log:
            self.s.game = subprocess.Popen(command, env=env, stdout=log, stderr=subprocess.STDOUT)
        # Nobody else may use the prefix before the launcher has made it.
        deadline = time.time() + timeout
        while not os.path.exists(os.path.join(self.prefix, ".bombagram2-ready")):
            self.assertIsNone(self.s.game.poll(), "the launcher ended early: %s" % self.launcher_output())
            self.assertLess(time.time(), deadline, "the prefix is not ready")
            time.sleep(0.5)
        self.s.wait_window(harness.TITLE, timeout=max(30, deadline - time.time()))
        self.wait_for_painted_board()

    def launcher_output(self):
        with open(self.log, encoding="utf-8", errors="replace") as f:
            return f.read()

    def wait_for_painted_board(self):
        self.geo = self.s.wait_fitted(10)
        harness.wait_for(lambda: board_is_painted(self.s.screenshot(), self.geo, self.pictures),
                         "a covered 10 x 10 board of an installed picture", timeout=30)

    def records(self):
        with open(os.path.join(self.player, rf.RECORDS_FILE), "rb") as f:
            return f.read()

    def settled_prefix(self):
        """The prefix's ready mark and set-up log once Wine has let go of the prefix."""
        subprocess.run(["wineserver", "-w"], env=self.s.env, timeout=60)
        ready = os.stat(os.path.join(self.prefix, ".bombagram2-ready")).st_mtime_ns
        log = os.stat(os.path.join(self.player, "wine-setup.log")).st_mtime_ns
        return ready, log

    def test_first_and_second_start_of_a_new_player(self):
        # The first start, from the command: a new prefix with the tests' settings.
        began = time.time()
        self.start(["bombagram2"], timeout=300)
        print("\nfirst start to a painted board: %.1f s" % (time.time() - began))
        with open(os.path.join(self.prefix, "user.reg"), encoding="utf-8", errors="replace") as f:
            settings = f.read()
        self.assertIn('"Gulim"="NanumGothic"', settings)
        self.assertIn('"ShowCrashDialog"=dword:00000000', settings)
        self.assertIn("#arch=%s" % harness.PLAYED.arch, settings)
        other = "wine" if harness.WIDTH == "64" else "wine64"
        self.assertFalse(os.path.exists(os.path.join(self.player, other)), "one prefix, of the width played")
        for n in (10, 15, 20):
            self.assertEqual(os.readlink(os.path.join(self.player, "level%d.dat" % n)),
                             "%s/level%d.dat" % (INSTALLED, n))
        self.assertFalse(os.path.exists(os.path.join(self.player, rf.RECORDS_FILE)))
        self.s.click(*self.geo.block_centre(4, 4), button=3)
        self.s.key("alt+F4")
        self.assertEqual(self.s.wait_exit(30), 0)
        self.assertEqual(self.launcher_output(), "", "a quiet first start")
        self.assertEqual(rf.keys_of(self.records()), [("Size", "10"), ("Random", "0")])
        prepared = self.settled_prefix()

        # An upgrade unpacks the package again over the installed one.
        again = subprocess.run(as_root(APT + ["install", "--reinstall", BUILT["deb"]]), stdout=subprocess.PIPE,
                               stderr=subprocess.STDOUT, text=True,
                               env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))
        self.assertEqual(again.returncode, 0, again.stdout)

        # The second start, from the desktop entry: the same prefix, as it was.
        began = time.time()
        self.start(desktop_command(), timeout=120)
        print("second start to a painted board: %.1f s" % (time.time() - began))
        self.s.key("F4")
        self.s.key("alt+g")
        time.sleep(0.5)
        self.s.key("x")
        self.assertEqual(self.s.wait_exit(30), 0)
        self.assertEqual(self.settled_prefix(), prepared, "the prefix was not made again")
        self.assertEqual(rf.keys_of(self.records()), [("Size", "15"), ("Random", "0")])

        # Removing the package, even purging it, leaves the player's folder alone.
        kept = self.records()
        removed = subprocess.run(as_root(APT + ["purge", PACKAGE]), stdout=subprocess.PIPE,
                                 stderr=subprocess.STDOUT, text=True)
        self.assertEqual(removed.returncode, 0, removed.stdout)
        self.assertFalse(os.path.lexists("/usr/bin/bombagram2"))
        self.assertEqual(self.records(), kept)
        self.assertTrue(os.path.isdir(self.prefix))


if __name__ == "__main__":
    unittest.main()
