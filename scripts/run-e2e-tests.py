"""Runs the end-to-end tests in several slots side by side: each slot has its
own Wine prefix and X displays (E2E_SLOT), so the games never see each other.
The work is shared out test by test: each test of a file is a unit of its own
(the tests of a class with a class-wide set-up stay together, a file with a
module-wide set-up stays whole), and the longest units go first, by the last
run's times (build/e2e-times.json), else by the times kept in
tests/e2e/durations.json, else by size.

The tests mostly wait on Wine, so a slot takes far less than a core:
E2E_SLOTS slots run at once (default 4), numbered from E2E_SLOT_BASE
(default 0) on, which keeps two runs on one machine apart. E2E_EXCLUDE
names test files to leave out, separated by commas.
Each unit's output is printed whole when it ends; the last lines sum them up
in unittest's words: "Ran N tests in S s", then OK or FAILED (...)."""
import ast
import json
import os
import re
import subprocess
import sys
import threading
import time

HERE = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "tests", "e2e")
SLOTS = int(os.environ.get("E2E_SLOTS", "4"))
SLOT_BASE = int(os.environ.get("E2E_SLOT_BASE", "0"))


def test_files():
    left_out = os.environ.get("E2E_EXCLUDE", "").split(",")
    return sorted(f for f in os.listdir(HERE) if re.fullmatch(r"test_\w+\.py", f) and f not in left_out)


def units_of(name):
    """The units a test file is run as: "module.Class.test" for each test,
    "module.Class" for a class with a class-wide set-up, the file's name for
    a file with a module-wide set-up or one that does not parse."""
    module = name[:-3]
    try:
        with open(os.path.join(HERE, name), encoding="utf-8") as f:
            tree = ast.parse(f.read())
    except (OSError, SyntaxError):
        return [name]
    top = [node for node in tree.body if isinstance(node, (ast.FunctionDef, ast.ClassDef))]
    if any(node.name == "setUpModule" for node in top):
        return [name]
    units = []
    for cls in (node for node in top if isinstance(node, ast.ClassDef)):
        methods = [node.name for node in cls.body if isinstance(node, ast.FunctionDef)]
        tests = [m for m in methods if m.startswith("test")]
        if "setUpClass" in methods and tests:
            units.append("%s.%s" % (module, cls.name))
        else:
            units += ["%s.%s.%s" % (module, cls.name, test) for test in tests]
    return units or [name]


def unit_file(unit):
    return unit if unit.endswith(".py") else unit.split(".")[0] + ".py"


def ordered_units(times):
    """Every unit, the longest first: its own time, else an even share of its
    file's time, else of the file's size."""
    units = []
    for name in test_files():
        parts = units_of(name)
        share = times.get(name, os.path.getsize(os.path.join(HERE, name)) / 1000.0) / len(parts)
        units += [(unit, times.get(unit, share)) for unit in parts]
    return [unit for unit, _ in sorted(units, key=lambda u: -u[1])]


def run_unit(unit, slot):
    env = dict(os.environ, E2E_SLOT=str(slot))
    started = time.time()
    target = unit[:-3] if unit.endswith(".py") else unit
    done = subprocess.run([sys.executable, "-m", "unittest", "-v", target], cwd=HERE, env=env,
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
    return done.returncode, done.stdout.decode("utf-8", "replace"), time.time() - started


def counts(output):
    """Tests run, failed and skipped, from unittest's last lines."""
    ran = re.search(r"^Ran (\d+) tests?", output, re.M)
    ended = re.search(r"^(?:FAILED|OK) \((.*)\)", output, re.M)
    said = ended.group(1) if ended else ""
    bad = sum(int(n) for n in re.findall(r"(?:failures|errors)=(\d+)", said))
    skipped = sum(int(n) for n in re.findall(r"skipped=(\d+)", said))
    return (int(ran.group(1)) if ran else 0), bad, skipped


def indented(output):
    """Indented, so that only the run's summary starts a line with "Ran"."""
    return "\n".join("  " + line for line in output.rstrip().splitlines())


def main():
    times_file = os.path.join(os.environ.get("BUILD_ROOT", "build"), "e2e-times.json")
    try:
        with open(times_file) as f:
            times = json.load(f)
    except (OSError, ValueError):
        with open(os.path.join(HERE, "durations.json")) as f:
            times = json.load(f)
    queue = ordered_units(times)
    lock = threading.Lock()
    results = {}

    def worker(slot):
        while True:
            with lock:
                if not queue:
                    return
                unit = queue.pop(0)
            status, output, seconds = run_unit(unit, slot)
            with lock:
                results[unit] = (status, output, seconds)
                print("%s: %s in %.0f s (slot %d)" % (unit, "ok" if status == 0 else "FAILED", seconds, slot),
                      flush=True)
                if status != 0:  # at once, for a long run watched as it goes
                    print(indented(output[-4000:]), flush=True)

    started = time.time()
    threads = [threading.Thread(target=worker, args=(SLOT_BASE + n,)) for n in range(SLOTS)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()

    total = bad = skipped = 0
    failed_units = []
    for unit in sorted(results):
        status, output, seconds = results[unit]
        print("\n--- %s (%.0f s)" % (unit, seconds))
        print(indented(output))
        ran, failures, skips = counts(output)
        if status != 0 and failures == 0:
            failures = 1  # a unit that crashed or failed to load
        total += ran
        bad += failures
        skipped += skips
        if status != 0:
            failed_units.append(unit)
        times[unit] = round(seconds, 1)
    try:
        with open(times_file, "w") as f:
            json.dump(times, f, indent=0, sort_keys=True)
    except OSError:
        pass
    print("\nRan %d tests in %.1fs" % (total, time.time() - started))
    skip_note = ", skipped=%d" % skipped if skipped else ""
    if failed_units:
        print("FAILED (failures=%d%s) in %s" % (bad, skip_note, ", ".join(failed_units)))
    else:
        print("OK (skipped=%d)" % skipped if skipped else "OK")
    return 1 if failed_units else 0


if __name__ == "__main__":
    sys.exit(main())
