"""Runs the end-to-end test files two at a time: each of the two slots has its
own Wine prefix and X displays (E2E_SLOT), so the games never see each other.
The tests mostly wait on Wine, so two slots take little more processor time
than one. The longest files go first, by the last run's times (build/e2e-times.json),
else by the times kept in tests/e2e/durations.json, else by size.
Each file's output is printed whole when it ends; the last lines sum them up
in unittest's words: "Ran N tests in S s", then OK or FAILED (...)."""
import json
import os
import re
import subprocess
import sys
import threading
import time

HERE = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "tests", "e2e")
SLOTS = 2


def ordered_files(times):
    files = sorted(f for f in os.listdir(HERE) if re.fullmatch(r"test_\w+\.py", f))
    return sorted(files, key=lambda f: -times.get(f, os.path.getsize(os.path.join(HERE, f)) / 1000.0))


def run_file(name, slot):
    env = dict(os.environ, E2E_SLOT=str(slot))
    started = time.time()
    done = subprocess.run([sys.executable, "-m", "unittest", "-v", name[:-3]], cwd=HERE, env=env,
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


def main():
    times_file = os.path.join(os.environ.get("BUILD_ROOT", "build"), "e2e-times.json")
    try:
        with open(times_file) as f:
            times = json.load(f)
    except (OSError, ValueError):
        with open(os.path.join(HERE, "durations.json")) as f:
            times = json.load(f)
    queue = ordered_files(times)
    lock = threading.Lock()
    results = {}

    def worker(slot):
        while True:
            with lock:
                if not queue:
                    return
                name = queue.pop(0)
            status, output, seconds = run_file(name, slot)
            with lock:
                results[name] = (status, output, seconds)
                print("%s: %s in %.0f s" % (name, "ok" if status == 0 else "FAILED", seconds), flush=True)

    started = time.time()
    threads = [threading.Thread(target=worker, args=(slot,)) for slot in range(SLOTS)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()

    total = bad = skipped = 0
    failed_files = []
    for name in sorted(results):
        status, output, seconds = results[name]
        print("\n--- %s (%.0f s)" % (name, seconds))
        # Indented, so that only the summary below starts a line with "Ran".
        print("\n".join("  " + line for line in output.rstrip().splitlines()))
        ran, failures, skips = counts(output)
        if status != 0 and failures == 0:
            failures = 1  # a file that crashed or failed to load
        total += ran
        bad += failures
        skipped += skips
        if status != 0:
            failed_files.append(name)
        times[name] = seconds
    try:
        with open(times_file, "w") as f:
            json.dump(times, f)
    except OSError:
        pass
    print("\nRan %d tests in %.1fs" % (total, time.time() - started))
    skip_note = ", skipped=%d" % skipped if skipped else ""
    if failed_files:
        print("FAILED (failures=%d%s) in %s" % (bad, skip_note, ", ".join(failed_files)))
    else:
        print("OK (skipped=%d)" % skipped if skipped else "OK")
    return 1 if failed_files else 0


if __name__ == "__main__":
    sys.exit(main())
