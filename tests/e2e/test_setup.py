"""Set-up's choice of the build a machine plays and tests, and its Wine
prefixes: the 64-bit path when forced or where no 32-bit program runs, the
matching loader, architecture and prefix, and a prefix made for one width
never used for the other."""
import os
import shutil
import subprocess
import tempfile
import unittest

import harness

SCRIPTS = os.path.join(harness.REPO, "scripts")
WINE32_LOADER = "/usr/lib/wine/wine"


def chosen(extra_env):
    """What scripts/env.sh sets, sourced afresh with the environment given."""
    env = {k: v for k, v in os.environ.items()
           if k not in ("GAME_WIDTH", "WIDTH_REASON", "WINEPREFIX", "WINEARCH", "WINELOADER", "WINE",
                        "BOMBAGRAM2_WIN64")}
    env.update(extra_env)
    script = 'source "$0/env.sh" 2>/dev/null; printf "%s\\n" "$GAME_WIDTH" "$WINEARCH" "$WINEPREFIX" "$WINE" ' \
             '"${WINELOADER:-}" "$GAME_EXE" "$WIDTH_REASON"'
    out = subprocess.run(["bash", "-c", script, SCRIPTS], env=env, stdout=subprocess.PIPE, text=True,
                         check=True).stdout.split("\n")
    return dict(zip(("width", "arch", "prefix", "wine", "loader", "exe", "reason"), out))


class WidthChoiceTest(unittest.TestCase):
    def assert_width(self, values, width):
        build = os.path.join(harness.BUILD, "win%s" % width)
        self.assertEqual(values["arch"], "win%s" % width)
        self.assertEqual(values["exe"], os.path.join(build, "bombagram2.exe"))
        if width == "64":
            self.assertEqual(values["prefix"], os.path.join(harness.BUILD, "wineprefix64"))
            # The 64-bit loader, called directly and named to Wine.
            self.assertEqual(values["wine"], "/usr/lib/wine/wine64")
            self.assertEqual(values["loader"], "/usr/lib/wine/wine64")
        else:
            self.assertEqual(values["prefix"], os.path.join(harness.BUILD, "wineprefix"))
            self.assertEqual(values["wine"], "wine")
            self.assertEqual(values["loader"], "")

    def test_the_variable_forces_the_64_bit_path(self):
        values = chosen({"BOMBAGRAM2_WIN64": "1", "BUILD_ROOT": harness.BUILD})
        self.assertEqual(values["width"], "64")
        self.assertIn("BOMBAGRAM2_WIN64", values["reason"])
        self.assert_width(values, "64")

    def test_unforced_the_machine_decides_and_says_why(self):
        values = chosen({"BUILD_ROOT": harness.BUILD})
        self.assert_width(values, values["width"])
        if values["width"] == "64":
            self.assertEqual(values["reason"],
                             "this machine runs no 32-bit programs: playing and testing the 64-bit build")
        else:
            self.assertIn("runs 32-bit programs", values["reason"])
        # Where Wine's own 32-bit loader is installed, whether it starts is
        # the same answer as the set-up's tiny i386 program gives.
        if os.path.exists(WINE32_LOADER):
            starts = subprocess.run([WINE32_LOADER, "--version"], stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL).returncode == 0
            self.assertEqual(values["width"], "32" if starts else "64")
        # The probe leaves nothing behind in the build folder.
        self.assertEqual([n for n in os.listdir(harness.BUILD) if n.startswith("i386-probe")], [])


class PrefixWidthTest(unittest.TestCase):
    """make_prefix of scripts/setup.sh with a stand-in loader and wineserver
    that only note how they were called."""

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="bombagram2-setup-")
        self.addCleanup(shutil.rmtree, self.folder, ignore_errors=True)
        self.bin = os.path.join(self.folder, "bin")
        os.makedirs(self.bin)
        self.calls = os.path.join(self.folder, "calls")
        note = '#!/bin/sh\necho "$(basename "$0") $* arch=$WINEARCH loader=${WINELOADER:-} prefix=$WINEPREFIX" >>%s\n'
        for name in ("loader", "wineserver"):
            path = os.path.join(self.bin, name)
            with open(path, "w") as f:
                f.write(note % self.calls)
            os.chmod(path, 0o755)
        self.prefix = os.path.join(self.folder, "prefix")

    def make_prefix(self, arch):
        env = dict(os.environ, PATH=self.bin + ":" + os.environ["PATH"], BUILD_ROOT=self.folder)
        subprocess.run(["bash", "-c", 'source "$0/setup.sh" && make_prefix "$1" "$2" "$3"', SCRIPTS,
                        self.prefix, arch, os.path.join(self.bin, "loader")],
                       env=env, stdout=subprocess.DEVNULL, check=True)
        try:
            with open(self.calls) as f:
                calls = f.read().splitlines()
        except FileNotFoundError:
            calls = []
        if os.path.exists(self.calls):
            os.remove(self.calls)
        return calls

    def mark(self):
        with open(os.path.join(self.prefix, ".bombagram2-ready")) as f:
            return f.read().strip()

    def leave_in_prefix(self, name, content=""):
        os.makedirs(self.prefix, exist_ok=True)
        with open(os.path.join(self.prefix, name), "w") as f:
            f.write(content)

    def test_a_prefix_of_the_other_width_is_made_anew(self):
        self.leave_in_prefix(".bombagram2-ready", "win32\n")
        self.leave_in_prefix("system.reg", "#arch=win32\n")
        calls = self.make_prefix("win64")
        self.assertFalse(os.path.exists(os.path.join(self.prefix, "system.reg")), "the win32 prefix is gone")
        self.assertEqual(self.mark(), "win64")
        loader = os.path.join(self.bin, "loader")
        self.assertEqual([c.split(" ")[:2] for c in calls if c.startswith("loader")],
                         [["loader", "wineboot"], ["loader", "regedit"]])
        for call in calls:
            self.assertIn("arch=win64 loader=%s prefix=%s" % (loader, self.prefix), call)
        # Made once: the next set-up leaves it alone.
        self.assertEqual(self.make_prefix("win64"), [])

    def test_a_prefix_of_the_same_width_is_kept(self):
        # A mark without a name comes from before there were two widths: win32.
        self.leave_in_prefix(".bombagram2-ready")
        self.leave_in_prefix("system.reg", "#arch=win32\n")
        self.assertEqual(self.make_prefix("win32"), [])
        self.assertTrue(os.path.exists(os.path.join(self.prefix, "system.reg")))
        calls = self.make_prefix("win64")
        self.assertTrue(calls)
        self.assertEqual(self.mark(), "win64")

    def test_a_32_bit_prefix_is_made_without_the_64_bit_loader(self):
        calls = self.make_prefix("win32")
        self.assertEqual(self.mark(), "win32")
        self.assertTrue(all("arch=win32 loader= " in c for c in calls), calls)


if __name__ == "__main__":
    unittest.main()
