"""Starts the built game under Wine from build/run.

With a display the game simply runs there until the player closes it. Without
one (DISPLAY unset) a virtual display is started, a few moves are made with
real input, and a screenshot of the board in play is left in build/.
"""
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import harness  # noqa: E402

RUN_DIR = os.path.join(harness.BUILD, "run")
SHOT = os.path.join(harness.BUILD, "play-screenshot.png")


def play_on_display():
    env = harness.wine_env()
    return subprocess.call(["wine", "bombagram2.exe"], cwd=RUN_DIR, env=env)


def play_headless():
    with harness.Session() as session:
        for name in os.listdir(RUN_DIR):
            if name.endswith(".dat") and name.startswith("level"):
                shutil.copy(os.path.join(RUN_DIR, name), session.folder)
        session.start()
        time.sleep(1.0)
        x, y, _, _ = session.client_origin()
        # A few moves on the 10 x 10 board: breaks, a check and a drag.
        cell = lambda col, row: (x + 56 + 15 * col + 7, y + 65 + 15 * row + 7)
        session.click(*cell(0, 0))
        session.click(*cell(3, 2), button=3)
        session.drag([cell(1, 4), cell(2, 4), cell(3, 4), cell(4, 4)], button=3)
        time.sleep(2.0)
        session.save_png(SHOT)
    print("The game ran on a virtual display; a screenshot of the board in play is at %s" % SHOT)
    return 0


if __name__ == "__main__":
    sys.exit(play_on_display() if os.environ.get("DISPLAY") else play_headless())
