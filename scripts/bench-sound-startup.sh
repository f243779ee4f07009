#!/usr/bin/env bash
# Start-up time of the game with a sound device (an ALSA file device, so all
# 803 sound buffers are made) and without one (the silent path), from the
# start of the process to the first painted board, and the processor time the
# idle game then takes (Wine mixes its sound buffers on a thread of the game's
# process). Prints figures only.
#   RUNS=5 bash scripts/bench-sound-startup.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
export BUILD_ROOT
cd "$REPO_ROOT/tests/e2e"
RUNS="${RUNS:-5}" python3 -W ignore - <<'PYTHON'
import os, statistics, subprocess, tempfile, time
from harness import Session
from test_sound import level_file, BOMBS

RUNS = int(os.environ["RUNS"])
LIGHT_GRAY = (192, 192, 192)


def window_geometry(s):
    """Position and size of the mapped game window, or None."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Bombagram2$"],
                           env=s.env, capture_output=True, text=True)
    ids = found.stdout.split()
    if not ids:
        return None
    shape = subprocess.run(["xdotool", "getwindowgeometry", "--shell", ids[0]],
                           env=s.env, capture_output=True, text=True).stdout
    values = dict(line.split("=", 1) for line in shape.split() if "=" in line)
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def painted(s, geometry):
    """True once the board's light-gray face is on screen in the window."""
    x, y, w, h = geometry
    shot = s.screenshot("bench.ppm")
    points = [(x + w * i // 8, y + h * j // 8) for i in range(2, 7) for j in range(2, 7)]
    return sum(1 for p in points if shot.pixel(*p) == LIGHT_GRAY) >= len(points) // 2


def game_process(s):
    """The game's own process on this session's display."""
    mark = ("DISPLAY=:%d" % s.display).encode()
    for pid in os.listdir("/proc"):
        if not pid.isdigit():
            continue
        try:
            with open("/proc/%s/cmdline" % pid, "rb") as f:
                command = f.read()
            with open("/proc/%s/environ" % pid, "rb") as f:
                environment = f.read().split(b"\0")
        except OSError:
            continue
        if b"bombagram2.exe" in command and mark in environment:
            return pid
    return None


def processor_seconds(pid):
    with open("/proc/%s/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def idle_load(s, seconds=4.0):
    """Share of one processor the idle game takes."""
    pid = game_process(s)
    if pid is None:
        return float("nan")
    before = processor_seconds(pid)
    time.sleep(seconds)
    return (processor_seconds(pid) - before) / seconds


def one_start(s, measure_idle=False):
    t0 = time.monotonic()
    s.start(wait_title=None)
    mapped = None
    deadline = t0 + 30
    while time.monotonic() < deadline:
        g = window_geometry(s)
        if g and mapped is None:
            mapped = time.monotonic() - t0
        if g and painted(s, g):
            result = (mapped, time.monotonic() - t0)
            break
        time.sleep(0.01)
    else:
        result = (mapped, float("nan"))
    if measure_idle:
        time.sleep(1.0)
        result = result + (idle_load(s),)
    s.game.kill()
    s.game.wait()
    subprocess.run(["wineserver", "-w"], env=s.env, timeout=30)
    return result


def bench(label, **session_args):
    with Session(**session_args) as s:
        s.write("level10.dat", level_file(BOMBS))
        # A first start warms Wine (its server and the prefix's files).
        one_start(s)
        runs = [one_start(s) for _ in range(RUNS)]
        idle = one_start(s, measure_idle=True)[2]
    maps = [r[0] for r in runs if r[0] is not None]
    paints = [r[1] for r in runs]
    print("%-26s window mapped: median %.3f s   first paint: median %.3f s  min %.3f  max %.3f  (%d runs)"
          % (label, statistics.median(maps), statistics.median(paints), min(paints), max(paints), len(runs)))
    print("%-26s idle game: %.1f %% of one processor" % ("", 100 * idle))
    return statistics.median(paints)


def wine_stamp(log, pattern):
    """Wine's timestamp (seconds) of the first log line containing pattern."""
    for line in log:
        if pattern in line:
            return float(line.split(":", 1)[0])
    return None


def set_up_inside(sound_file):
    """The sound set-up as timed by Wine's own log stamps inside the game:
    DirectSoundCreate starts by loading mmdevapi; SetCooperativeLevel warns
    once the device is open; the primary buffer's SetPan warns at the end."""
    figures = []
    with Session(sound_file=sound_file) as s:
        s.env["WINEDEBUG"] = "+timestamp,warn+dsound,+loaddll"
        s.write("level10.dat", level_file(BOMBS))
        for _ in range(RUNS + 1):
            one_start(s)
            with open(s.path("wine.log"), errors="replace") as f:
                log = f.readlines()
            marks = [wine_stamp(log, p) for p in
                     ("bombagram2.exe", "mmdevapi.dll", "SetCooperativeLevel", "PrimaryBufferImpl_SetPan")]
            if None not in marks:
                figures.append(marks)
    if len(figures) < 2:
        print("in-process figures: Wine's log gave no timestamps")
        return
    figures = figures[1:]  # the first start warmed Wine
    def median(i, j):
        return 1000 * statistics.median(f[j] - f[i] for f in figures)
    print("inside the game (Wine's log stamps, median of %d): program loaded -> DirectSoundCreate %.0f ms, "
          "device open %.0f ms, 803 buffers made and filled %.0f ms, whole sound set-up %.0f ms"
          % (len(figures), median(0, 1), median(1, 2), median(2, 3), median(1, 3)))


scratch = tempfile.mkdtemp(prefix="bombagram2-bench-")
without = bench("no sound device")
with_sound = bench("sound (ALSA file device)", sound_file=os.path.join(scratch, "sound.raw"))
print("first paint, with sound minus without: %+.3f s (%+.0f %%); on a shared machine this difference"
      " is mostly noise, the figures below time the set-up itself" % (with_sound - without,
      100.0 * (with_sound - without) / without))
set_up_inside(os.path.join(scratch, "timed.raw"))
subprocess.run(["rm", "-rf", scratch])
PYTHON
