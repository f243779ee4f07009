"""The speed benchmark: prints figures, asserts nothing.

Under Wine on a virtual display, side by side with a minimal Win32 program
that only opens a window of the same size: the time from process start to the
first complete paint, the CPU share of the idle program over 10 s (for the
game with the clock standing and with it running), the time of a full paint
of each board size (of the board as it stands, and following a block action
that changed it) and of one block action with its repaint.

Each width of the build that the machine runs is measured in the same run,
side by side: the 32-bit game and the 64-bit build where 32-bit programs
run, the 64-bit build alone where they do not.

Then the level editor, in its window: the time from the end of a stroke
until the verdict shows, for every shipped picture, and until the
suggestions show, for random 20 x 20 pictures (where line logic stops).
`scripts/bench.py editor` measures the editor alone.
"""
import os
import random
import shutil
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import geometry  # noqa: E402
import harness  # noqa: E402

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
        subprocess.run([session.build.wine, "benchprobe.exe"] + list(args), cwd=session.folder, env=session.env,
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
    session.game = subprocess.Popen([session.build.wine, exe], cwd=session.folder, env=session.env,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    session.wait_window(title)
    time.sleep(2)


def measure(build):
    """Every figure of one build and its minimal window, by name."""
    f = {}
    with harness.Session(build=build) as s:
        for name in ("bombagram2.exe", "minimal_window.exe", "benchprobe.exe"):
            shutil.copy(os.path.join(build.folder, name), s.folder)
        s.copy_shipped_levels()
        # Warm the Wine session so that both programs start alike.
        probe(s, "start", "minimal_window.exe", "Minimal", *MINIMAL_POINTS)

        f["game_start"] = start_times(s, "bombagram2.exe", harness.TITLE, GAME_POINTS)
        f["minimal_start"] = start_times(s, "minimal_window.exe", "Minimal", MINIMAL_POINTS)

        run_program(s, "minimal_window.exe", "Minimal")
        f["minimal_idle"] = cpu_share(s, "minimal_window.exe")
        f["minimal_paint"] = best_mean(s, "paint", "Minimal", "200")
        s.game.kill()
        s.game.wait()

        run_program(s, "bombagram2.exe", harness.TITLE)
        f["waiting_idle"] = cpu_share(s, "bombagram2.exe")
        f["paint10"] = best_mean(s, "paint", harness.TITLE, "200")
        s.click(*s.wait_fitted(10).block_centre(0, 0), button=3)  # the first action starts the clock
        f["running_idle"] = cpu_share(s, "bombagram2.exe")
        f["action"] = best_mean(s, "action", harness.TITLE, "200", second_block(10))
        for size in (10, 15, 20):
            if size != 10:
                s.fresh_board(SIZE_KEYS[size], size)
                f["paint%d" % size] = best_mean(s, "paint", harness.TITLE, "200")
            f["changed%d" % size] = best_mean(s, "changed", harness.TITLE, "200", second_block(size))

    # With a sound device (an ALSA file device): Wine's mixer then runs too.
    sound = os.path.join(harness.BUILD, "bench-sound.raw")
    with harness.Session(sound_file=sound, build=build) as s:
        shutil.copy(build.game_exe, s.folder)
        s.copy_shipped_levels()
        run_program(s, "bombagram2.exe", harness.TITLE)
        f["sound_idle"] = cpu_share(s, "bombagram2.exe")
    if os.path.exists(sound):
        os.remove(sound)
    return f


EDITOR_EXE = "bombagram2-editor.exe"
RANDOM_PICTURES = 12


def free_block_points(data, size):
    """For each picture of a level file, the client point of its board's
    first free block (the editor's board is the game's board at 1x)."""
    geo = geometry.Geometry(size)
    points = []
    for _, bombs in level_records(data, size):
        col, row = next((c, r) for r in range(size) for c in range(size) if (c, r) not in bombs)
        points.append("%d,%d" % geo.block_centre(col, row))
    return points


def level_records(data, size):
    """(name bytes, bomb set) of each record of a level file."""
    length = 20 + (size * size + 7) // 8
    out = []
    for i in range(data[2]):
        bits = data[3 + i * length + 20: 3 + (i + 1) * length]
        out.append((data[3 + i * length: 3 + i * length + 20],
                    {(k % size, k // size) for k in range(size * size) if bits[k // 8] & (0x80 >> (k % 8))}))
    return out


def random_level_file(count, size=20, seed=20261209):
    """Pictures of about half bombs, the same on every run: line logic stops on nearly all of them."""
    draw = random.Random(seed)
    pictures = [("r%d" % i, {(c, r) for c in range(size) for r in range(size) if draw.random() < 0.5})
                for i in range(count)]
    return harness.level_file(pictures, size)


def editor_times(build, data, size):
    """(verdict ms, suggestions ms) after the last stroke, for each picture of
    the file; and the editor's processor time per picture (its selection,
    check, two strokes and their checks), which tells how much of the wait
    was other programs' on a busy machine."""
    with harness.Session(build=build) as s:
        for name in (EDITOR_EXE, "benchprobe.exe"):
            shutil.copy(os.path.join(build.folder, name), s.folder)
        s.write("bench%d.dat" % size, data)
        s.game = subprocess.Popen([build.wine, EDITOR_EXE, "bench%d.dat" % size], cwd=s.folder, env=s.env,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        harness.wait_for(lambda: any(w["class"] == "Bombagram2Editor" for w in s.windows()), "the editor", 30)
        out = s.path("bench.out")
        ticks = process_ticks(s, EDITOR_EXE)
        with open(out, "w") as f:
            subprocess.run([build.wine, "benchprobe.exe", "editor"] + free_block_points(data, size), cwd=s.folder,
                           env=s.env, stdout=f, stderr=subprocess.DEVNULL, timeout=900)
        ticks = process_ticks(s, EDITOR_EXE) - ticks
        with open(out) as f:
            rounds = [dict(kv.split("=") for kv in line.split()) for line in f if line.startswith("picture=")]
    processor_ms = 1000.0 * ticks / os.sysconf("SC_CLK_TCK") / max(len(rounds), 1)
    return [(float(r["verdict_ms"]), float(r["suggestions_ms"])) for r in rounds], processor_ms


def figures_line(what, times, target):
    times = sorted(t for t in times if t >= 0)
    if not times:
        return "%-52s none" % what
    over = sum(1 for t in times if t > target)
    return "%-52s %3d: median %6.0f ms, 90th %6.0f ms, max %6.0f ms; %d over %d ms" % (
        what, len(times), median(times), times[len(times) * 9 // 10], times[-1], over, target)


def measure_editor(build):
    """The editor's figures, as printed lines."""
    lines = []
    processor = "    the editor's processor time a picture (selected, checked, two strokes checked): %.0f ms"
    for size in (10, 15, 20):
        with open(os.path.join(harness.GEN_DIR, "level%d.dat" % size), "rb") as f:
            times, processor_ms = editor_times(build, f.read(), size)
        lines.append(figures_line("verdict after a stroke, shipped %d x %d" % (size, size),
                                  [v for v, _ in times], 100))
        lines.append(processor % processor_ms)
    times, processor_ms = editor_times(build, random_level_file(RANDOM_PICTURES), 20)
    lines.append(figures_line("verdict after a stroke, random 20 x 20", [v for v, _ in times], 100))
    lines.append(figures_line("suggestions after a stroke, random 20 x 20", [t for _, t in times], 2000))
    lines.append(processor % processor_ms)
    return lines


def print_editor(builds):
    for build in builds:
        print("Level editor %s-bit, in its window (from the last button going up):" % build.width)
        for line in measure_editor(build):
            print("  " + line)


def median(values):
    return statistics.median(values) if values else float("nan")


def print_table(figures):
    """One column for each build's game and one for its minimal window."""
    columns = []
    for width, f in figures:
        columns.append(("game %s-bit" % width, f, False))
        columns.append(("minimal %s-bit" % width, f, True))

    def row(label, game, minimal=None):
        cells = []
        for _, f, is_minimal in columns:
            value = (minimal if is_minimal else game)
            cells.append("-" if value is None else value(f))
        print("%-44s" % label + "".join(" %14s" % c for c in cells))

    print("Bombagram 2 benchmark (Wine, virtual display; %d start-ups each;" % RUNS)
    print("times of paints and actions: the best of 3 means of 200)")
    print("%-44s" % "" + "".join(" %14s" % name for name, _, _ in columns))
    row("start to first complete paint, median ms", lambda f: "%.0f" % median(f["game_start"]),
        lambda f: "%.0f" % median(f["minimal_start"]))
    row("idle CPU, clock standing, % of a core", lambda f: "%.2f" % f["waiting_idle"],
        lambda f: "%.2f" % f["minimal_idle"])
    row("idle CPU, clock running, % of a core", lambda f: "%.2f" % f["running_idle"])
    row("idle CPU, standing, with a sound device", lambda f: "%.2f" % f["sound_idle"])
    for size in (10, 15, 20):
        row("full paint of the %d x %d board, ms" % (size, size), lambda f, n=size: f["paint%d" % n],
            lambda f: f["minimal_paint"])
        row("  after a block action (both), ms", lambda f, n=size: f["changed%d" % n])
    row("block action with its repaint, ms", lambda f: f["action"])
    for width, f in figures:
        if f["paint20"] != "-" and f["minimal_paint"] != "-":
            print("%s-bit paint ratio 20 x 20 / minimal: %.2f" % (width, float(f["paint20"]) / float(f["minimal_paint"])))
        if f["game_start"] and f["minimal_start"]:
            print("%s-bit start-up ratio game / minimal: %.2f"
                  % (width, median(f["game_start"]) / median(f["minimal_start"])))


def main():
    builds = harness.runnable_builds()
    print(os.environ.get("WIDTH_REASON", "the %s-bit build" % harness.WIDTH)
          + ("; the 64-bit build beside it" if len(builds) == 2 else ""))
    if sys.argv[1:] != ["editor"]:
        print_table([(build.width, measure(build)) for build in builds])
    print_editor(builds)
    return 0


if __name__ == "__main__":
    sys.exit(main())
