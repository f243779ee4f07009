"""Drives the real game under Wine on a virtual X display, as a player would.

A test makes a Session (a display and a fresh folder to start the game from),
puts level and records files there, starts the game, and then uses real X
input (xdotool), screenshots (ImageMagick) and the probe program, which reads
window texts and states through the window system from inside the same Wine
session.
"""
import os
import re
import shutil
import subprocess
import tempfile
import time

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD = os.environ.get("BUILD_ROOT", os.path.join(REPO, "build"))
GAME_EXE = os.path.join(BUILD, "win32", "bombagram2.exe")
PROBE_EXE = os.path.join(BUILD, "win32", "probe.exe")
GEN_DIR = os.path.join(BUILD, "gen")
TITLE = "Bombagram2"


def wine_env(extra=None):
    env = dict(os.environ)
    env.setdefault("WINEPREFIX", os.path.join(BUILD, "wineprefix"))
    env["WINEARCH"] = "win32"
    env["WINEDEBUG"] = "-all"
    env["WINEDLLOVERRIDES"] = "mscoree,mshtml="
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


class Session:
    """One virtual display and one folder the game is started from."""

    def __init__(self, display=None, sound_file=None, width=1024, height=768):
        self.display = display or self._free_display()
        self.folder = tempfile.mkdtemp(prefix="bombagram2-e2e-")
        self.home = os.path.join(self.folder, "home")
        os.makedirs(self.home)
        self.game = None
        self.xvfb = subprocess.Popen(
            ["Xvfb", ":%d" % self.display, "-screen", "0", "%dx%dx24" % (width, height), "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.env = wine_env({"DISPLAY": ":%d" % self.display, "HOME": self.home})
        if sound_file:
            with open(os.path.join(self.home, ".asoundrc"), "w") as f:
                f.write('pcm.!default { type file slave.pcm "null" file "%s" format "raw" }\n' % sound_file)
        self._wait_for_display()

    @staticmethod
    def _free_display():
        for n in range(90, 200):
            if not os.path.exists("/tmp/.X11-unix/X%d" % n) and not os.path.exists("/tmp/.X%d-lock" % n):
                return n
        raise RuntimeError("no free X display")

    def _wait_for_display(self):
        for _ in range(100):
            if os.path.exists("/tmp/.X11-unix/X%d" % self.display):
                return
            time.sleep(0.05)
        raise RuntimeError("Xvfb did not start")

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
    def start(self, exe=GAME_EXE, wait_title=TITLE, timeout=30):
        shutil.copy(exe, self.folder)
        with open(os.path.join(self.folder, "wine.log"), "w") as log:
            self.game = subprocess.Popen(["wine", os.path.basename(exe)], cwd=self.folder, env=self.env,
                                         stdout=log, stderr=subprocess.STDOUT)
        if wait_title:
            return self.wait_window(wait_title, timeout)
        return None

    def wait_window(self, title, timeout=20):
        deadline = time.time() + timeout
        while time.time() < deadline:
            for w in self.windows():
                if w["title"] == title:
                    return w
            if self.game is not None and self.game.poll() is not None:
                raise RuntimeError("the game ended with status %s" % self.game.returncode)
            time.sleep(0.3)
        raise RuntimeError("no window titled %r" % title)

    def wait_exit(self, timeout=15):
        try:
            return self.game.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def running(self):
        return self.game is not None and self.game.poll() is None

    # --- the probe ---------------------------------------------------------
    def probe(self, *args):
        out = os.path.join(self.folder, "probe.out")
        with open(out, "w") as f:
            subprocess.run(["wine", PROBE_EXE] + list(args), cwd=self.folder, env=self.env,
                           stdout=f, stderr=subprocess.DEVNULL, timeout=60)
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

    def controls(self, title):
        """The window titled so, then its controls, as dicts."""
        lines = self.probe("controls", title)
        if not lines or lines[0].startswith("error"):
            return None, []
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

    # --- input and pictures -------------------------------------------------
    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, check=True)

    def click(self, x, y, button=1):
        self.xdotool("mousemove", x, y, "click", button)

    def drag(self, points, button=1, pause=0.05):
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
        if self.game is not None and self.game.poll() is None:
            self.game.kill()
        if self.game is not None:
            self.game.wait()
        subprocess.run(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL)
        if self.xvfb.poll() is None:
            self.xvfb.terminate()
            self.xvfb.wait(5)
        if not os.environ.get("KEEP_E2E"):
            shutil.rmtree(self.folder, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
