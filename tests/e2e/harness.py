"""Drives the real game under Wine on a virtual X display, as a player would.

A test makes a Session (a display and a fresh folder to start the game from),
puts level and records files there, starts the game, and then uses real X
input (xdotool), screenshots (ImageMagick) and the probe program, which reads
window texts and states through the window system from inside the same Wine
session.

Nothing here sleeps for a guessed time: every wait is wait_for on something
the test can see (a window, a pixel, a text, a file), and fails with what it
waited for. Input is taken in order, so a test waits only for the effect of
the last of several moves. Three habits of Wine on a bare X display shape
the waits:

- After the game hides a window it lets a window manager manage (a dialog
  closes), Wine holds the game's thread for two seconds, waiting for a
  window manager there is none of; keys and clicks that arrive meanwhile
  are lost. The tests' Wine prefix (e2e_prefix) lets no window be managed,
  which spares the two seconds; wait_gone still waits until the dialog is
  gone, the game answers messages again and one of its windows is active
  (a key typed before that goes nowhere), and first_move repeats a move
  until the board shows it.
- Without a window manager the keyboard follows the pointer: keys reach the
  window under it.
- Now and then the X focus falls back to the root window as a dialog goes,
  and Wine makes the desktop the active window; wait_ready then clicks the
  game's title bar, as a player would, and says so.

A Session made with window_manager=True runs openbox on its display instead,
as a player's desktop does: windows get its frames, it places them, and keys
go to the active window; a test there locates each window through the probe
(screen coordinates as Wine knows them), never through a bare display's
layout.
"""
import filecmp
import os
import re
import shutil
import struct
import subprocess
import tempfile
import time

import geometry

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD = os.environ.get("BUILD_ROOT", os.path.join(REPO, "build"))


class Build:
    """One width of the Windows build: its folder of programs, the Wine
    loader that runs them and the project's Wine prefix made for it. A
    64-bit build needs the 64-bit loader called directly (/usr/bin/wine
    takes the 32-bit one whenever wine32 is installed) and a win64 prefix."""

    def __init__(self, width, folder=None, wine=None, prefix=None):
        self.width = width
        self.folder = folder or os.path.join(BUILD, "win%s" % width)
        self.wine = wine or ("/usr/lib/wine/wine64" if width == "64" else "wine")
        self.arch = "win%s" % width
        self.prefix = prefix or os.path.join(BUILD, "wineprefix64" if width == "64" else "wineprefix")
        self.game_exe = os.path.join(self.folder, "bombagram2.exe")
        self.probe_exe = os.path.join(self.folder, "probe.exe")

    def env(self):
        """What Wine needs to run this build, besides the prefix."""
        env = {"WINEARCH": self.arch}
        if self.width == "64":
            env["WINELOADER"] = self.wine
        return env


def chosen_width():
    """The width scripts/env.sh chose: passed down by the project's scripts,
    else asked of it (a test file run by hand)."""
    if os.environ.get("GAME_WIDTH"):
        return os.environ["GAME_WIDTH"]
    asked = subprocess.run(["bash", "-c", 'source "$0/scripts/env.sh" 2>/dev/null && echo "$GAME_WIDTH"', REPO],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    return asked.stdout.strip() or "32"


# The build this machine plays and tests: the 32-bit game, or the 64-bit
# build where no 32-bit program runs.
PLAYED = Build(chosen_width(), os.environ.get("WIN_BUILD"), os.environ.get("WINE"), os.environ.get("WINEPREFIX"))
WIDTH = PLAYED.width
# Beside the 32-bit game, a machine that runs it also runs the 64-bit build,
# in a prefix of its own that set-up makes there.
OTHER = Build("64") if WIDTH == "32" else None
WIN_BUILD = PLAYED.folder
WINE = PLAYED.wine
GAME_EXE = PLAYED.game_exe
PROBE_EXE = PLAYED.probe_exe
GEN_DIR = os.path.join(BUILD, "gen")
TITLE = "Bombagram2"
# The help wizard's caption; under wizard paging the window shows the title
# of the page's template instead, which differs only in case and a trailing
# blank.
HELP_TITLES = ("How To Play Bombagram 2", "How to play Bombagram 2 ")
# The middle of a window's title bar, below the top edge of its frame (Wine's
# frame and caption metrics).
TITLE_BAR_MIDDLE = 12


def runnable_builds():
    """The played build, then the 64-bit one where the machine runs both."""
    if OTHER and os.path.exists(os.path.join(OTHER.prefix, ".bombagram2-ready")):
        return [PLAYED, OTHER]
    return [PLAYED]


class WaitTimeout(AssertionError):
    """A wait_for that saw its condition false until the time-out."""


def wait_for(check, what, timeout=10.0, interval=0.1, act=None, act_every=2.5):
    """Polls check() every interval seconds until it gives a true value, and
    returns that value. act, when given, is done first and again whenever
    act_every seconds pass without check() coming true: an input that may
    be lost is repeated until its effect shows (act_every is long enough for
    a slow machine to show the effect, so a toggle is not undone). On the
    time-out fails with "timed out after N s waiting for <what>" and the last
    value check() gave."""
    start = time.time()
    deadline = start + timeout
    acted = None
    while True:
        if act is not None and (acted is None or time.time() - acted >= act_every):
            act()
            acted = time.time()
        result = check()
        if result:
            return result
        if time.time() >= deadline:
            raise WaitTimeout("timed out after %.1f s waiting for %s (last seen: %r)"
                              % (time.time() - start, what, result))
        time.sleep(interval)


def level_file(pictures, size=10):
    """A level file: pictures is a list of (name, bombs), bombs (col, row)
    pairs, a name given as text or as the bytes the file holds. Three header bytes (two unused, the count), then per picture its
    name in 20 bytes (CP949, NUL-padded) and its blocks packed row after
    row, the most significant bit first."""
    data = bytearray([0, 0, len(pictures)])
    for name, bombs in pictures:
        packed = bytearray((size * size + 7) // 8)
        for col, row in bombs:
            i = row * size + col
            packed[i // 8] |= 0x80 >> (i % 8)
        raw = name if isinstance(name, bytes) else name.encode("cp949")
        data += raw[:19].ljust(20, b"\0") + packed
    return bytes(data)


def e2e_prefix(build=PLAYED, managed=False):
    """The Wine prefix the tests run in: a copy of the project's prefix in
    which Wine manages no window. A bare X display has no window manager,
    and for a managed window Wine waits two seconds for one after every
    hide (see the module's notes); the copy spares the tests that wait and
    leaves the project's prefix as a desktop wants it. Made again when the
    project's prefix is newer. A session under a window manager takes a
    managed copy instead: Wine's settings left as a player's prefix has them."""
    base = build.prefix
    # Test runs side by side each have a slot, and a copy of their own.
    copy = base.rstrip("/") + ("-e2e-managed" if managed else "-e2e") + os.environ.get("E2E_SLOT", "")
    ready = os.path.join(base, ".bombagram2-ready")
    marker = os.path.join(copy, ".bombagram2-e2e-ready")
    if os.path.exists(marker) and (not os.path.exists(ready) or os.path.getmtime(marker) >= os.path.getmtime(ready)):
        return copy
    building = copy + ".new"
    shutil.rmtree(building, ignore_errors=True)
    subprocess.run(["cp", "-a", base, building], check=True)
    env = wine_env({"WINEPREFIX": building, "DISPLAY": ""}, build)
    if not managed:
        subprocess.run([build.wine, "reg", "add", "HKCU\\Software\\Wine\\X11 Driver", "/v", "Managed", "/t",
                        "REG_SZ", "/d", "N", "/f"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       check=True)
        subprocess.run(["wineserver", "-w"], env=env, check=True)
    open(os.path.join(building, ".bombagram2-e2e-ready"), "w").close()
    shutil.rmtree(copy, ignore_errors=True)
    os.rename(building, copy)
    return copy


def wine_processes():
    """Every Wine process on the machine, with its state and age, for a
    time-out's message."""
    shown = subprocess.run(["ps", "-eo", "pid,ppid,stat,etimes,wchan:20,args"], stdout=subprocess.PIPE,
                           text=True).stdout.splitlines()
    return "\n".join(shown[:1] + [l for l in shown[1:] if re.search(r"wine|\.exe", l, re.I)])


def wine_env(extra=None, build=PLAYED):
    env = dict(os.environ)
    env.pop("WINELOADER", None)
    env["WINEPREFIX"] = build.prefix
    env.update(build.env())
    env["WINEDEBUG"] = "-all"
    env["WINEDLLOVERRIDES"] = "mscoree,mshtml=;winemenubuilder.exe=d"  # as scripts/env.sh sets it
    env["LANG"] = "ko_KR.UTF-8"
    env["LC_ALL"] = "ko_KR.UTF-8"
    if extra:
        env.update(extra)
    return env


class Image:
    """A screenshot: width, height and RGB bytes, read from a PPM file."""

    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        fields = []
        pos = 0
        while len(fields) < 4:
            m = re.compile(rb"\s*(#[^\n]*\n\s*)*(\S+)").match(data, pos)
            fields.append(m.group(2))
            pos = m.end()
        assert fields[0] == b"P6", fields[0]
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = data[pos + 1:]
        if int(fields[3]) > 255:
            # Two bytes a sample, most significant first: keep the high bytes.
            self.pixels = self.pixels[0::2]

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])

    def region(self, x, y, w, h):
        return [[self.pixel(x + i, y + j) for i in range(w)] for j in range(h)]


class Bitmap:
    """An uncompressed BMP file of 1, 4, 8 or 24 bits per pixel, as RGB rows."""

    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        assert data[:2] == b"BM", path
        offset = struct.unpack_from("<I", data, 10)[0]
        header = struct.unpack_from("<I", data, 14)[0]
        width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
        assert compression == 0, "compressed bitmap %s" % path
        colours = struct.unpack_from("<I", data, 46)[0] or (1 << bits if bits <= 8 else 0)
        palette = [(data[14 + header + 4 * i + 2], data[14 + header + 4 * i + 1], data[14 + header + 4 * i])
                   for i in range(colours if bits <= 8 else 0)]
        self.width, self.height = width, abs(height)
        stride = ((width * bits + 31) // 32) * 4
        self.rows = []
        for y in range(self.height):
            src = y if height < 0 else self.height - 1 - y
            row = data[offset + src * stride: offset + (src + 1) * stride]
            self.rows.append([self._pixel(row, x, bits, palette) for x in range(width)])

    @staticmethod
    def _pixel(row, x, bits, palette):
        if bits == 24:
            return row[3 * x + 2], row[3 * x + 1], row[3 * x]
        per_byte = 8 // bits
        byte = row[x // per_byte]
        shift = 8 - bits * (x % per_byte + 1)
        return palette[(byte >> shift) & ((1 << bits) - 1)]

    def region(self, x, y, w, h):
        return [row[x:x + w] for row in self.rows[y:y + h]]


_sheets = {}


def sprite_sheet(name):
    """One of the game's generated bitmaps (block, block2, time, score, help, timer)."""
    if name not in _sheets:
        _sheets[name] = Bitmap(os.path.join(GEN_DIR, name + ".bmp"))
    return _sheets[name]


def board_is_fresh(img, geo):
    """The picture of a board just dealt: every block covered (the dark grid
    lines over the first pixels of blocks 0, 5, 10, 15), the seconds blank,
    blank, 0 and all three book icons (the panel's last drawing)."""
    covered = sprite_sheet("block").region(0, 0, 15, 15)
    digits = sprite_sheet("score")
    book = sprite_sheet("help").region(60, 0, 20, 20)
    for col in range(geo.size):
        for row in range(geo.size):
            x, y = geo.screen(*geo.block(col, row))
            # Inside the grid lines, one pixel in from the block's top-left corner.
            if img.region(x + 1, y + 1, 14, 14) != [line[1:] for line in covered[1:]]:
                return False
    for d, cell in enumerate((10, 10, 0)):
        if img.region(*geo.screen(14 + 13 * d, 14), 13, 23) != digits.region(13 * cell, 0, 13, 23):
            return False
    return all(img.region(*geo.screen(geo.hint_icon_x(k), geo.panel + 25), 20, 20) == book for k in (1, 2, 3))


def active_is_the_desktop(answer):
    """The probe's answer lines say the desktop window itself is the active
    one (its class is #32769)."""
    return "foreground #32769 " in answer


def _takes_input(answer):
    """The probe's answer lines say the thread took a sent message and keys
    go to one of its windows."""
    return "answers 1" in answer and "keys 1" in answer


class Session:
    """One virtual display and one folder the game is started from."""

    def __init__(self, display=None, sound_file=None, width=1024, height=768, build=PLAYED, window_manager=False):
        """window_manager: openbox runs on the display, as on a player's
        desktop, and the game runs in a prefix whose windows Wine lets it
        manage (see the module's notes)."""
        self.build = build
        self.window_manager = None
        self.others = []
        self.display = display or self._free_display()
        self.folder = tempfile.mkdtemp(prefix="bombagram2-e2e-")
        self.home = os.path.join(self.folder, "home")
        os.makedirs(self.home)
        self.game = None
        self.recorder = None
        self.sent = []  # (wall clock, xdotool arguments) of every input sent
        self.xvfb = subprocess.Popen(
            ["Xvfb", ":%d" % self.display, "-screen", "0", "%dx%dx24" % (width, height), "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.env = wine_env({"DISPLAY": ":%d" % self.display, "HOME": self.home,
                             "WINEPREFIX": e2e_prefix(build, managed=window_manager)}, build)
        if sound_file:
            with open(os.path.join(self.home, ".asoundrc"), "w") as f:
                f.write('pcm.!default { type file slave.pcm "null" file "%s" format "raw" }\n' % sound_file)
        self._wait_for_display()
        if window_manager:
            try:
                self._start_window_manager()
            except WaitTimeout:
                self.close()
                raise

    @staticmethod
    def _free_display():
        first = 90 + 100 * int(os.environ.get("E2E_SLOT", "0") or 0)  # runs side by side take their own numbers
        for n in range(first, first + 100):
            if not os.path.exists("/tmp/.X11-unix/X%d" % n) and not os.path.exists("/tmp/.X%d-lock" % n):
                return n
        raise RuntimeError("no free X display")

    def _wait_for_display(self):
        wait_for(lambda: os.path.exists("/tmp/.X11-unix/X%d" % self.display), "Xvfb to start", 5, 0.05)

    def _start_window_manager(self):
        def start():
            self.window_manager = subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                                                   stderr=subprocess.DEVNULL)

        def managing():
            if self.window_manager.poll() is not None:
                start()  # it ended before it managed the display: seen once on a busy machine
            shown = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
            return "window id" in shown.stdout
        start()
        wait_for(managing, "openbox to manage the display", 10)

    # --- files -------------------------------------------------------------
    def path(self, name):
        return os.path.join(self.folder, name)

    def write(self, name, data):
        mode = "wb" if isinstance(data, bytes) else "w"
        with open(self.path(name), mode) as f:
            f.write(data)

    def read(self, name):
        with open(self.path(name), "rb") as f:
            return f.read()

    def copy_shipped_levels(self):
        for n in (10, 15, 20):
            src = os.path.join(GEN_DIR, "level%d.dat" % n)
            if os.path.exists(src):
                shutil.copy(src, self.folder)

    # --- the game ----------------------------------------------------------
    def place(self, exe):
        """Puts the program in the session's folder, unless the same file is
        there already. A copy written over the file of a program that runs
        changes that program under it: under 64-bit Wine an editor whose
        file a second editor's start had rewritten jumped into freed memory
        once the second one closed."""
        placed = os.path.join(self.folder, os.path.basename(exe))
        if not (os.path.exists(placed) and filecmp.cmp(exe, placed, shallow=False)):
            shutil.copy(exe, self.folder)
        return placed

    def start(self, exe=None, wait_title=TITLE, timeout=30):
        exe = exe or self.build.game_exe
        self.place(exe)
        with open(os.path.join(self.folder, "wine.log"), "w") as log:
            self.game = subprocess.Popen([self.build.wine, os.path.basename(exe)], cwd=self.folder, env=self.env,
                                         stdout=log, stderr=subprocess.STDOUT)
        if wait_title:
            return self.wait_window(wait_title, timeout)
        return None

    def launch(self, exe, *args):
        """Starts another program from the session's folder beside the game
        (ended with the session)."""
        self.place(exe)
        self.others.append(subprocess.Popen([self.build.wine, os.path.basename(exe)] + list(args), cwd=self.folder,
                                            env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))

    def wait_window(self, title, timeout=20):
        """The window titled so, once it shows; fails when the game ends first."""
        def shown():
            for w in self.windows():
                if w["title"] == title:
                    return w
            if self.game is not None and self.game.poll() is not None:
                raise RuntimeError("the game ended with status %s" % self.game.returncode)
            return None
        return wait_for(shown, "a window titled %r" % title, timeout)

    def wait_gone(self, title, timeout=10):
        """Waits until no window is titled so and the game takes input again
        (see the module's notes)."""
        wait_for(lambda: title not in self.titles(), "the window %r to close" % title, timeout)
        self.wait_ready(timeout)

    def help_window(self):
        """The help wizard's window, under either of its captions, or None."""
        return next((w for w in self.windows() if w["title"] in HELP_TITLES), None)

    def wait_help(self, what="the help wizard to open", timeout=15):
        """The help wizard's window, once it shows."""
        return wait_for(self.help_window, what, timeout)

    def wait_help_gone(self, what="the help wizard to close", timeout=10):
        """Waits until the help wizard has gone and the game takes input again."""
        wait_for(lambda: self.help_window() is None, what, timeout)
        self.wait_ready(timeout)

    def wait_ready(self, timeout=10, title=TITLE):
        """Waits until the main window's thread answers messages and one of
        its windows takes the keys again (or the game has ended): input sent
        from then on reaches it. A time-out tells what the probe last saw and
        which windows were there.

        On a bare X display the X focus now and then, under load, falls back
        to the root window as a dialog's window goes, and Wine then makes the
        desktop the active window: no window of any program is active, which
        no window manager allows.
        The player would click the game's title bar; so does this wait, once,
        and says so. A window of the game or of another program that holds
        the keys, or no active window at all, still fails it."""
        seen = []
        clicked = False

        def ready():
            nonlocal clicked
            if not self.running():
                return True
            seen[:] = self.probe("answers", title)
            if _takes_input(seen):
                return True
            if active_is_the_desktop(seen) and not clicked:
                self.click_title_bar(title)
                clicked = True
                print("the desktop had the keys; a click on the title bar gave them back to %r" % title, flush=True)
            return False
        try:
            wait_for(ready, "the game to take input again", timeout)
        except WaitTimeout as timeout_error:
            raise WaitTimeout("%s; the probe: %s; windows: %s"
                              % (timeout_error, " ".join(seen), [w["title"] for w in self.windows()])) from None

    def click_title_bar(self, title=TITLE):
        """Clicks the middle of the window's title bar, as a player does to
        make it the active window again."""
        rect = self.windows_titled(title)[0]["rect"]
        self.click((rect[0] + rect[2]) // 2, rect[1] + TITLE_BAR_MIDDLE)

    def wait_exit(self, timeout=15):
        try:
            return self.game.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def running(self):
        return self.game is not None and self.game.poll() is None

    def own_pids(self, name):
        """The Linux processes running the Windows program of that name in
        this session: other sessions may run one of the same name beside it,
        so a process counts only when it has the session's own HOME."""
        own_home = ("HOME=%s" % self.home).encode()
        pids = []
        for pid in subprocess.run(["pgrep", "-f", name], capture_output=True, text=True).stdout.split():
            try:
                with open("/proc/%s/environ" % pid, "rb") as f:
                    if own_home in f.read().split(b"\0"):
                        pids.append(pid)
            except OSError:
                pass
        return pids

    # --- the probe ---------------------------------------------------------
    def probe(self, *args):
        out = os.path.join(self.folder, "probe.out")
        with open(out, "w") as f:
            try:
                subprocess.run([self.build.wine, self.build.probe_exe] + list(args), cwd=self.folder,
                               env=self.env, stdout=f, stderr=subprocess.DEVNULL, timeout=60)
            except subprocess.TimeoutExpired:
                raise WaitTimeout("the probe (%s) did not end in 60 s; Wine's processes then:\n%s"
                                  % (" ".join(args), wine_processes())) from None
        with open(out, encoding="utf-8", errors="replace") as f:
            return f.read().splitlines()

    @staticmethod
    def _fields(line):
        kind, rest = line.split(" ", 1)
        head, _, text = rest.partition(" title=") if kind == "window" else rest.partition(" text=")
        fields = dict(kv.split("=", 1) for kv in head.split(" "))
        fields["kind"] = kind
        fields["title" if kind == "window" else "text"] = text.replace("\\n", "\n").replace("\\t", "\t").replace("\\r", "\r")
        for key in ("rect", "client"):
            if key in fields:
                fields[key] = tuple(int(v) for v in fields[key].split(","))
        return fields

    def windows(self):
        return [self._fields(l) for l in self.probe("windows") if l.startswith("window ")]

    def titles(self):
        return [w["title"] for w in self.windows()]

    def windows_titled(self, title):
        """Every window titled so: two copies of the game show two of each."""
        return [w for w in self.windows() if w["title"] == title]

    def menus(self):
        """The open popup menus."""
        return [w for w in self.windows() if w["class"] == "#32768"]

    def wait_menu(self, timeout=10):
        """Waits until a popup menu shows (opened from the keyboard); returns the menus."""
        return wait_for(self.menus, "a menu to open", timeout)

    def takes_input(self, title=TITLE):
        """True when the window's thread takes a sent message (within 5 s)
        and keys go to one of its windows."""
        return _takes_input(self.probe("answers", title))

    def controls(self, title, or_none=False):
        """The window titled so, then its controls, as dicts. Asked of a
        window that is not there, fails with the windows that are; with
        or_none, for a window whose title may change between two questions
        (the help wizard's changes from page to page), gives None and no
        controls instead."""
        lines = self.probe("controls", title)
        if not lines or lines[0].startswith("error"):
            if or_none:
                return None, []
            raise AssertionError("the probe answered %r for the controls of %r; the windows then: %r"
                                 % (lines[:1], title, self.titles()))
        items = [self._fields(l) for l in lines if l.startswith(("window ", "control "))]
        return items[0], items[1:]

    def control_texts(self, title):
        _, controls = self.controls(title)
        return {int(c["id"]): c["text"] for c in controls}

    def gdi_count(self, title=TITLE):
        for line in self.probe("gdi", title):
            if line.startswith("gdi "):
                return int(line.split()[1])
        return -1

    def steady_gdi_count(self, title=TITLE):
        """The count of GDI objects once two readings in a row agree."""
        counts = [self.gdi_count(title)]

        def steady():
            counts.append(self.gdi_count(title))
            return counts[-1] if counts[-1] == counts[-2] else None
        return wait_for(steady, "a steady count of GDI objects")

    def repaint(self, title=TITLE):
        """Invalidates the window's whole client area, as uncovering it does."""
        return any(l == "repaint 1" for l in self.probe("repaint", title))

    def clip(self):
        """The cursor confinement rectangle (left, top, right, bottom) in screen pixels."""
        for line in self.probe("clip"):
            if line.startswith("clip "):
                return tuple(int(v) for v in line.split()[1].split(","))
        return None

    def client_origin(self, title=TITLE):
        """Screen position of the client area's top-left corner, and its size."""
        w = self.wait_window(title)
        x, y, cw, ch = w["client"]
        return x, y, cw, ch

    def fitted(self, size):
        """The Geometry of a board of that size where the main window shows
        it, or None while the window is not fitted to that size."""
        x, y, w, h = self.client_origin()
        return geometry.Geometry(size, (x, y)) if (w, h) == geometry.client_size(size) else None

    def wait_fitted(self, size, timeout=10):
        return wait_for(lambda: self.fitted(size), "the window fitted to a %d x %d board" % (size, size), timeout)

    def fresh_geometry(self, size):
        """The Geometry of a board of that size just dealt and showing in
        full (see board_is_fresh), else None."""
        geo = self.fitted(size)
        return geo if geo and board_is_fresh(self.screenshot(), geo) else None

    def wait_fresh_board(self, size=10, timeout=10):
        """Waits until a board just dealt shows in full; returns its Geometry."""
        return wait_for(lambda: self.fresh_geometry(size), "a fresh %d x %d board on screen" % (size, size), timeout)

    def fresh_board(self, key="F3", size=10):
        """Deals a new board with the key (F2 the same size, F3, F4, F5 the
        sizes) and waits until it shows; returns its Geometry. Called with no
        dialog open: the key waits until the game takes keys, and is typed
        again when a busy machine shows no new board within a few seconds."""
        self.wait_ready()
        return wait_for(lambda: self.fresh_geometry(size), "a fresh %d x %d board on screen after %s" % (size, size, key),
                        timeout=20, act=lambda: self.key(key), act_every=5)

    def wait_screen(self, check, what, timeout=10):
        """The first screenshot for which check(img) is true."""
        def seen():
            img = self.screenshot()
            return img if check(img) else None
        return wait_for(seen, what, timeout)

    def wait_file(self, name, check=lambda data: True, what=None, timeout=10):
        """The bytes of the file in the game's folder once it exists and check(data) holds."""
        def content():
            try:
                data = self.read(name)
            except OSError:
                return None
            return data if check(data) else None
        return wait_for(content, what or "the file %s" % name, timeout)

    def first_move(self, act, shows, what, timeout=15):
        """A move repeated until the board shows it (shows() true): for input
        that Wine may lose around a dialog's closing."""
        return wait_for(shows, what, timeout, act=act)

    def record_input(self, title=TITLE):
        """From now on every mouse message the window's thread takes is
        written to inputlog.txt in the game's folder (see input_log), until
        the session closes."""
        out = self.path("inputlog.out")
        with open(out, "w") as f:
            self.recorder = subprocess.Popen([self.build.wine, self.build.probe_exe, "inputlog", title],
                                             cwd=self.folder, env=self.env, stdout=f, stderr=subprocess.DEVNULL)
        wait_for(lambda: open(out).read().strip() or self.recorder.poll() is not None, "the input hook")
        assert open(out).read().strip() == "inputlog 1", "the input hook was not set"

    def input_log(self):
        """The mouse messages the game took since record_input, as dicts:
        ms (wall clock), kind (move, ldown, lup, rdown, rup...), word, x, y
        (client pixels), time (the message's own)."""
        try:
            with open(self.path("inputlog.txt")) as f:
                lines = f.read().splitlines()
        except OSError:
            return []
        entries = []
        for line in lines:
            ms, kind, *fields = line.split()
            entry = dict(field.split("=") for field in fields)
            entries.append({"ms": int(ms), "kind": kind, **{k: int(v) for k, v in entry.items()}})
        return entries

    # --- input and pictures -------------------------------------------------
    def xdotool(self, *args):
        self.sent.append((time.time(), args))
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, check=True)

    def click(self, x, y, button=1):
        self.xdotool("mousemove", x, y, "click", button)

    def drag(self, points, button=1, pause=0.05):
        """A stroke: the button held over the points in turn. The pauses are
        the stroke's pace (each point its own motion, as a hand moves), not waits."""
        self.xdotool("mousemove", points[0][0], points[0][1])
        self.xdotool("mousedown", button)
        for x, y in points[1:]:
            time.sleep(pause)
            self.xdotool("mousemove", x, y)
        time.sleep(pause)
        self.xdotool("mouseup", button)

    def key(self, name):
        self.xdotool("key", name)

    def screenshot(self, name="shot.ppm"):
        path = os.path.join(self.folder, name)
        subprocess.run(["import", "-display", ":%d" % self.display, "-window", "root", "ppm:" + path],
                       env=self.env, check=True, stderr=subprocess.DEVNULL)
        return Image(path)

    def save_png(self, dest):
        subprocess.run(["import", "-display", ":%d" % self.display, "-window", "root", dest],
                       env=self.env, check=True, stderr=subprocess.DEVNULL)

    # --- the end -----------------------------------------------------------
    def close(self):
        if self.recorder is not None and self.recorder.poll() is None:
            self.recorder.kill()
            self.recorder.wait()
        if self.game is not None and self.game.poll() is None:
            self.game.kill()
        if self.game is not None:
            self.game.wait()
        subprocess.run(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL)
        for other in self.others:
            if other.poll() is None:
                other.kill()
            other.wait()
        if self.window_manager is not None:
            self.window_manager.terminate()
            self.window_manager.wait(5)
        if self.xvfb.poll() is None:
            self.xvfb.terminate()
            self.xvfb.wait(5)
        if not os.environ.get("KEEP_E2E"):
            shutil.rmtree(self.folder, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
