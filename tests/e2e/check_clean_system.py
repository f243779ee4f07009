"""The Debian package on clean Debian systems, as a new player meets it: a
fresh Debian 12 and Debian 13 (amd64, no i386, nothing but the minimal base
system), the package installed with apt, the game and the level editor
started by an ordinary user on a virtual display. Nothing of this machine's
set-up (its Korean locale, its Wine prefixes) reaches the player there.

Each release's base system is made once with debootstrap and kept in
build/clean-system with the packages apt fetched, so a rerun needs no
network. Needs root. Run by ./package.sh on the package it built, or alone
on a package built from the current build:

    source scripts/env.sh; cd tests/e2e
    [BOMBAGRAM2_DEB=path/to.deb] python3 -m unittest -v check_clean_system
"""
import glob
import os
import re
import shutil
import subprocess
import time
import unittest

import geometry
import harness
import test_debpackage as deb

CACHE = os.path.join(harness.BUILD, "clean-system")
MIRROR = "http://deb.debian.org/debian"
# A base system older than this is made again, with the mirror's updates.
BASE_DAYS = 7
PLAYER_UID = 1000
EDITOR_TITLE = "Bombagram 2 레벨 편집기 - level10.dat (10 x 10)"
# The desktop session's environment of a player on a clean system.
PLAYER_ENV = ["HOME=/home/player", "USER=player", "LOGNAME=player", "SHELL=/bin/bash", "LANG=C.UTF-8",
              "PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games"]


def run(command, **kw):
    done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, **kw)
    assert done.returncode == 0, "%s failed:\n%s" % (" ".join(command), done.stdout[-3000:])
    return done.stdout


def base_system(release):
    """The folder of the release's clean base system with apt's package
    lists, made with debootstrap when missing or out of date."""
    base = os.path.join(CACHE, release)
    ready = base + ".ready"
    if os.path.exists(ready) and time.time() - os.path.getmtime(ready) < BASE_DAYS * 86400:
        return base
    shutil.rmtree(base, ignore_errors=True)
    began = time.time()
    run(["debootstrap", "--variant=minbase", "--arch=amd64", release, base, MIRROR])
    with open(os.path.join(base, "etc/apt/sources.list"), "w") as f:
        f.write("deb {m} {r} main\ndeb {m} {r}-updates main\ndeb {m}-security {r}-security main\n"
                .format(m=MIRROR, r=release))
    in_root(base, ["apt-get", "-q", "update"])
    open(ready, "w").close()
    print("\n%s: base system made in %.0f s" % (release, time.time() - began))
    return base


def in_root(root, command, user=None, env=(), wait=True):
    """Runs the command in the system at root, in a mount namespace of its
    own: /proc, /dev and the X sockets are there while it runs, apt keeps
    its packages in the cache, and nothing stays mounted afterwards."""
    archives = os.path.join(CACHE, os.path.basename(root).split("-")[0] + ".apt-archives")
    os.makedirs(archives, exist_ok=True)
    mounts = ("mount -t proc proc {r}/proc && mount --rbind /dev {r}/dev && "
              "mount --bind /tmp/.X11-unix {r}/tmp/.X11-unix && "
              "mount --bind {a} {r}/var/cache/apt/archives && exec \"$@\"").format(r=root, a=archives)
    os.makedirs(os.path.join(root, "tmp/.X11-unix"), exist_ok=True)
    who = ["--userspec=%d:%d" % (PLAYER_UID, PLAYER_UID)] if user else []
    full = (["unshare", "--mount", "--propagation", "private", "sh", "-c", mounts, "-", "chroot"] + who + [root] +
            ["env", "-i"] + list(env) + command)
    if wait:
        return run(full)
    return full


class CleanSystem:
    """One release: a fresh copy of its base system with the package
    installed, a player, and a virtual display."""
    release = None

    @classmethod
    def setUpClass(cls):
        base = base_system(cls.release)
        # What a run that was stopped left behind goes first.
        for left in glob.glob(base + "-player-*"):
            if not os.path.exists("/proc/" + left.rsplit("-", 1)[1]):
                shutil.rmtree(left, ignore_errors=True)
        cls.root = "%s-player-%d" % (base, os.getpid())
        run(["cp", "-a", base, cls.root])
        shutil.copy(deb.BUILT["deb"], os.path.join(cls.root, "tmp"))
        began = time.time()
        apt = ["DEBIAN_FRONTEND=noninteractive", "PATH=/usr/sbin:/usr/bin:/sbin:/bin"]
        # Without a disk sync after every file: the same install, in less time.
        in_root(cls.root, ["apt-get", "install", "-y", "-q", "-o", "Dpkg::Options::=--force-unsafe-io",
                           "/tmp/" + os.path.basename(deb.BUILT["deb"])], env=apt)
        print("\n%s: apt install in %.0f s" % (cls.release, time.time() - began))
        in_root(cls.root, ["useradd", "-m", "-u", str(PLAYER_UID), "-s", "/bin/bash", "player"], env=apt)
        cls.home = os.path.join(cls.root, "home/player")
        # A player's machine has a sound device; this one has none, and
        # without one the sound library complains on the terminal.
        with open(os.path.join(cls.home, ".asoundrc"), "w") as f:
            f.write("pcm.!default { type null }\n")
        os.chown(os.path.join(cls.home, ".asoundrc"), PLAYER_UID, PLAYER_UID)

    @classmethod
    def tearDownClass(cls):
        if not os.environ.get("KEEP_E2E"):
            shutil.rmtree(cls.root, ignore_errors=True)

    def setUp(self):
        self.s = harness.Session()
        self.addCleanup(self.stop)
        self.launcher = None

    def stop(self):
        if self.launcher is not None and self.launcher.poll() is None:
            self.launcher.kill()
            self.launcher.wait()
        prefix = "WINEPREFIX=/home/player/.local/share/bombagram2/wine64"
        subprocess.run(in_root(self.root, ["wineserver", "-k"], user=True, env=PLAYER_ENV + [prefix], wait=False),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.s.close()

    def start(self, command):
        """The player's command, from a terminal of the desktop session."""
        self.log = os.path.join(self.s.folder, "launcher.log")
        with open(self.log, "w") as log:
            self.launcher = subprocess.Popen(
                in_root(self.root, command, user=True, env=PLAYER_ENV + ["DISPLAY=:%d" % self.s.display], wait=False),
                stdout=log, stderr=subprocess.STDOUT)

    def launcher_output(self):
        with open(self.log, encoding="utf-8", errors="replace") as f:
            return f.read()

    def window(self, title, timeout):
        """The X window of that title (the whole window, Wine's frame
        included) as x, y, width, height, once it shows."""
        pattern = "^%s$" % re.sub(r"([][.()*+?{}|^$\\])", r"\\\1", title)

        def shown():
            self.assertIsNone(self.launcher.poll(), "the launcher ended: %s" % self.launcher_output())
            # Wine's passing windows may go while xdotool looks at them.
            found = subprocess.run(["xdotool", "search", "--name", pattern], env=self.s.env,
                                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True).stdout.split()
            for wid in found:
                shape = dict(line.split("=", 1) for line in subprocess.run(
                    ["xdotool", "getwindowgeometry", "--shell", wid], env=self.s.env, stdout=subprocess.PIPE,
                    text=True).stdout.split())
                if int(shape["WIDTH"]) > 1:
                    return tuple(int(shape[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
            return None
        return harness.wait_for(shown, "a window titled %r" % title, timeout, interval=0.5)

    def player_files(self):
        """What the player's home holds, as paths under it."""
        return sorted(os.path.relpath(os.path.join(d, n), self.home)
                      for d, dirs, files in os.walk(self.home) for n in dirs + files)

    def test_the_game_and_the_editor_play_after_apt_install(self):
        before = self.player_files()
        began = time.time()
        self.start(["bombagram2"])
        x, y, w, h = self.window(harness.TITLE, timeout=300)
        # The client area sits inside Wine's frame, whose sides and bottom
        # are equally wide.
        cw, ch = geometry.client_size(10)
        geo = geometry.Geometry(10, (x + (w - cw) // 2, y + h - ch - (w - cw) // 2))
        pictures = deb.level_pictures(os.path.join(self.root, deb.INSTALLED.lstrip("/"), "level10.dat"), 10)
        harness.wait_for(lambda: deb.board_is_painted(self.s.screenshot(), geo, pictures),
                         "a covered 10 x 10 board of an installed picture", timeout=60)
        first = time.time() - began
        folder = os.path.join(self.home, ".local/share/bombagram2")
        size = run(["du", "-sh", folder]).split()[0]
        print("\n%s: first start to a painted board %.1f s; the player's folder takes %s" %
              (self.release, first, size))
        self.s.key("alt+F4")
        self.assertEqual(self.launcher.wait(30), 0, self.launcher_output())
        self.assertEqual(self.launcher_output(), "", "a quiet first start")
        # Everything the game made is in the player's folder, but what the
        # sound server's library keeps in every desktop user's home.
        made = [p for p in self.player_files() if p not in before]
        self.assertEqual([p for p in made if not p.startswith((".local/share/bombagram2", ".config/pulse"))
                          and p not in (".local", ".local/share", ".config")], [])

        began = time.time()
        self.start(["bombagram2-editor"])
        self.window(EDITOR_TITLE, timeout=60)
        print("%s: the editor's window after %.1f s" % (self.release, time.time() - began))


class Bookworm(CleanSystem, unittest.TestCase):
    release = "bookworm"


class Trixie(CleanSystem, unittest.TestCase):
    release = "trixie"


def setUpModule():
    # ./package.sh names the package it built; else one is built here.
    if os.environ.get("BOMBAGRAM2_DEB"):
        deb.BUILT["deb"] = os.path.abspath(os.environ["BOMBAGRAM2_DEB"])
    else:
        deb.setUpModule()


def tearDownModule():
    if "folder" in deb.BUILT:
        deb.tearDownModule()


if __name__ == "__main__":
    unittest.main()
