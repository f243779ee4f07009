"""The speed benchmark: prints figures, asserts nothing.

Under Wine on a virtual display, side by side with a minimal Win32 program
that only opens a window of the same size: the time from process start to the
first complete paint, the CPU share of the idle program over 10 s (for the
game with the clock standing and with it running), the time of a full paint
of each board size (of the board as it stands, and following a block action
that changed it) and of one block action with its repaint.
"""
import os
import shutil
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import geometry  # noqa: E402
import harness  # noqa: E402

WIN32 = os.path.join(harness.BUILD, "win32")
RUNS = int(os.environ.get("BENCH_RUNS", "5"))
IDLE_SECONDS = 10

# Points of the 10 x 10 game window that its first paint draws last: the
# hourglass, the third hint icon, the dark edge of the last block, the
# seconds digit cell.
GAME_POINTS = ["24,238", "190,237", "205,207", "41,15"]
MINIMAL_POINTS = ["1,1"]
# The keys that deal a new board of each size.
SIZE_KEYS = {10: "F3", 15: "F4", 20: "F5"}


def second_block(size):
    """Client point in the middle of the second block of the top row."""
    return "%d,%d" % geometry.Geometry(size).block_centre(1, 0)


def probe(session, *args):
    out = session.path("bench.out")
    with open(out, "w") as f:
        subprocess.run(["wine", "benchprobe.exe"] + list(args), cwd=session.folder, env=session.env,
                       stdout=f, stderr=subprocess.DEVNULL, timeout=120)
    with open(out) as f:
        text = f.read().split()
    return dict(kv.split("=") for kv in text if "=" in kv)


def best_mean(session, *args, rounds=3):
    """The lowest of a few probes' mean times: on a shared machine the other
    programs' load only ever adds to a figure."""
    means = [probe(session, *args).get("mean_ms") for _ in range(rounds)]
    means = [float(m) for m in means if m is not None]
    return "%.3f" % min(means) if means else "-"


def start_times(session, exe, title, points):
    times = []
    for _ in range(RUNS):
        result = probe(session, "start", exe, title, *points)
        if "painted_ms" in result and float(result["painted_ms"]) > 0:
            times.append(float(result["painted_ms"]))
        time.sleep(0.5)
    return times


def process_ticks(session, name):
    """utime + stime of the session's Linux process running a Windows program."""
    total = 0
    for pid in session.own_pids(name):
        try:
            with open("/proc/%s/stat" % pid) as f:
                fields = f.read().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])
        except (OSError, IndexError):
            pass
    return total


def cpu_share(session, name, seconds=IDLE_SECONDS):
    hz = os.sysconf("SC_CLK_TCK")
    before = process_ticks(session, name)
    time.sleep(seconds)
    return 100.0 * (process_ticks(session, name) - before) / hz / seconds


def run_program(session, exe, title):
    session.game = subprocess.Popen(["wine", exe], cwd=session.folder, env=session.env,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    session.wait_window(title)
    time.sleep(2)


def main():
    with harness.Session() as s:
        for name in ("bombagram2.exe", "minimal_window.exe", "benchprobe.exe"):
            shutil.copy(os.path.join(WIN32, name), s.folder)
        s.copy_shipped_levels()
        # Warm the Wine session so that both programs start alike.
        probe(s, "start", "minimal_window.exe", "Minimal", *MINIMAL_POINTS)

        game_start = start_times(s, "bombagram2.exe", harness.TITLE, GAME_POINTS)
        minimal_start = start_times(s, "minimal_window.exe", "Minimal", MINIMAL_POINTS)

        run_program(s, "minimal_window.exe", "Minimal")
        minimal_idle = cpu_share(s, "minimal_window.exe")
        minimal_paint = best_mean(s, "paint", "Minimal", "200")
        s.game.kill()
        s.game.wait()

        run_program(s, "bombagram2.exe", harness.TITLE)
        waiting_idle = cpu_share(s, "bombagram2.exe")
        game_paint = {10: best_mean(s, "paint", harness.TITLE, "200")}
        s.click(*s.wait_fitted(10).block_centre(0, 0), button=3)  # the first action starts the clock
        running_idle = cpu_share(s, "bombagram2.exe")
        game_action = best_mean(s, "action", harness.TITLE, "200", second_block(10))
        game_changed = {}
        for size in (10, 15, 20):
            if size != 10:
                s.fresh_board(SIZE_KEYS[size], size)
                game_paint[size] = best_mean(s, "paint", harness.TITLE, "200")
            game_changed[size] = best_mean(s, "changed", harness.TITLE, "200", second_block(size))

    # With a sound device (an ALSA file device): Wine's mixer then runs too.
    with harness.Session(sound_file=os.path.join(harness.BUILD, "bench-sound.raw")) as s:
        shutil.copy(os.path.join(WIN32, "bombagram2.exe"), s.folder)
        s.copy_shipped_levels()
        run_program(s, "bombagram2.exe", harness.TITLE)
        sound_idle = cpu_share(s, "bombagram2.exe")
    if os.path.exists(os.path.join(harness.BUILD, "bench-sound.raw")):
        os.remove(os.path.join(harness.BUILD, "bench-sound.raw"))

    def median(values):
        return statistics.median(values) if values else float("nan")

    print("Bombagram 2 benchmark (Wine, virtual display; %d start-ups each;" % RUNS)
    print("times of paints and actions: the best of 3 means of 200)")
    print("%-44s %12s %12s" % ("", "game", "minimal"))
    print("%-44s %12.0f %12.0f" % ("start to first complete paint, median ms", median(game_start), median(minimal_start)))
    print("%-44s %12.2f %12.2f" % ("idle CPU, clock standing, % of a core", waiting_idle, minimal_idle))
    print("%-44s %12.2f %12s" % ("idle CPU, clock running, % of a core", running_idle, "-"))
    print("%-44s %12.2f %12s" % ("idle CPU, standing, with a sound device", sound_idle, "-"))
    for size in (10, 15, 20):
        label = "full paint of the %d x %d board, ms" % (size, size)
        print("%-44s %12s %12s" % (label, game_paint[size], minimal_paint))
        label = "  after a block action (both), ms"
        print("%-44s %12s %12s" % (label, game_changed[size], "-"))
    print("%-44s %12s %12s" % ("block action with its repaint, ms", game_action, "-"))
    if game_paint[20] != "-" and minimal_paint != "-":
        print("paint ratio 20 x 20 / minimal: %.2f" % (float(game_paint[20]) / float(minimal_paint)))
    if game_start and minimal_start:
        print("start-up ratio game / minimal: %.2f" % (median(game_start) / median(minimal_start)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
