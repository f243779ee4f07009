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
import boardview  # noqa: E402
import harness  # noqa: E402

RUN_DIR = os.path.join(harness.BUILD, "run")
SHOT = os.path.join(harness.BUILD, "play-screenshot.png")


def play_on_display():
    env = harness.wine_env()
    return subprocess.call([harness.WINE, "bombagram2.exe"], cwd=RUN_DIR, env=env)


def play_headless():
    with harness.Session() as session:
        for name in os.listdir(RUN_DIR):
            if name.endswith(".dat") and name.startswith("level"):
                shutil.copy(os.path.join(RUN_DIR, name), session.folder)
        session.start()
        time.sleep(1.0)
        geo = boardview.Geometry(10, session.client_origin()[:2])
        # A few moves on the 10 x 10 board: a break, a check, a right drag
        # along a row and a hint.
        session.click(*geo.block_centre(0, 0))
        session.click(*geo.block_centre(3, 2), button=3)
        session.drag([geo.block_centre(c, 4) for c in range(1, 5)], button=3)
        session.xdotool("keydown", "ctrl")
        session.click(*geo.block_centre(7, 7))
        session.xdotool("keyup", "ctrl")
        time.sleep(2.0)
        session.save_png(SHOT)
    print("The game ran on a virtual display; a screenshot of the board in play is at %s" % SHOT)
    return 0

if __name__ == "__main__":
    sys.exit(play_on_display() if os.environ.get("DISPLAY") else play_headless())
