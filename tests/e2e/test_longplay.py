"""A long session of play by an automated player, with real X input.

Thirty-odd games across the three sizes and both board sources: picture
boards won by checking their known solution (from level files written here)
and lost by breaking bombs, random boards won and lost the same way (their
bombs follow from the clock second the board was dealt in, through the
game's generator), with drags, hints, F-keys, the best-times table, the help
wizard, the About box and activation changes in between. Throughout, the game
keeps running, the records file holds a complete section, and at the end the
GDI objects and the memory of the process are where they started, and the
settings and best times are exactly what the games left.

LONGPLAY_ROUNDS (default 11, three games a round) makes the session longer.
"""
import os
import re
import shutil
import subprocess
import time
import unittest

import harness
from harness import Session
from recordsfile import BEST, LOSS, NO_NAME, RECORDS, RECORDS_FILE, level_file

ROUNDS = int(os.environ.get("LONGPLAY_ROUNDS", "11"))
# Wine titles the wizard after its page rather than after the sheet.
ABOUT_TITLE = "About Bombagram 2"
SIZE_KEYS = {10: "F3", 15: "F4", 20: "F5"}
SLOTS = {10: 1, 15: 2, 20: 3}
# Bombs broken to lose: the fewest that take the fresh bar (the full bar less
# one charge: 98, 197, 286) below zero at a penalty of 20, 40 or 120. Not one
# more: the loss dialog opens over the board, and a further click would land
# on its buttons.
BOMBS_TO_LOSE = {10: 5, 15: 5, 20: 3}


def picture(size):
    """Eight bombs: a run of four in row 2 (checked with one drag) and four more."""
    run = [(col, 2) for col in range(1, 5)]
    return [(0, 0), (size - 1, 0), (size // 2, size - 3), (size - 2, size - 1)] + run


LEVEL_NAMES = {10: ["컵", "열쇠"], 15: ["우산", "의자"], 20: ["집", "물고기"]}


def random_bombs(seed, size):
    """The random board of a clock second, drawn as the game draws it:
    column after column, a bomb when the draw modulo 100 is 60 or more."""
    state = seed & 0xFFFFFFFF
    bombs = []
    for j in range(size * size):
        state = (state * 214013 + 2531011) & 0xFFFFFFFF
        if ((state >> 16) & 0x7FFF) % 100 >= 60:
            bombs.append((j // size, j % size))
    return bombs


def expected_counts(bombs, size):
    """Numbers per column and per row for a board: its runs, or the one "0"."""
    grid = set(bombs)

    def runs(cells):
        count, open_run = 0, False
        for cell in cells:
            if cell in grid and not open_run:
                count += 1
            open_run = cell in grid
        return max(count, 1)

    columns = [runs([(c, r) for r in range(size)]) for c in range(size)]
    rows = [runs([(c, r) for c in range(size)]) for r in range(size)]
    return columns, rows


def is_clue_colour(rgb):
    r, g, b = rgb
    return (b > 150 and r < 110 and g < 110) or (r > 150 and g < 110 and b < 110)


def records_section(data):
    """The keys of the section; fails on a file that is not a complete section."""
    lines = [l for l in data.decode("cp949").split("\r\n") if l]
    assert lines and lines[0] == "[Bombagram2]", lines[:1]
    keys = {}
    for line in lines[1:]:
        key, sep, value = line.partition("=")
        assert sep == "=", "a broken line %r" % line
        assert key not in keys, "key %s twice" % key
        keys[key] = value
    return keys


def process_memory_kib(session, name="bombagram2.exe"):
    """The resident memory of this session's game."""
    total = 0
    for pid in session.own_pids(name):
        try:
            with open("/proc/%s/status" % pid) as f:
                m = re.search(r"VmRSS:\s+(\d+)", f.read())
            total += int(m.group(1)) if m else 0
        except OSError:
            pass
    return total


class Player:
    """The automated player: knows the board in play and the expected records."""

    def __init__(self, session, test):
        self.s = session
        self.test = test
        self.size = 10
        self.random = False
        self.bombs = picture(10)
        self.best = {n: (999, NO_NAME, NO_NAME) for n in (10, 15, 20)}
        self.games = 0
        self.wins = 0
        self.losses = 0
        self.free_clip = session.clip()

    # --- where things are ----------------------------------------------
    def point(self, col, row):
        return self.geo.block_centre(col, row)

    def refresh_origin(self):
        self.geo = self.s.wait_fitted(self.size)
        self.origin = (self.geo.ox, self.geo.oy)

    def key(self, name):
        """Without a window manager the keyboard follows the pointer: keys are
        pressed with the pointer on the middle of the screen, where the game's
        window and its dialogs are centred."""
        self.s.xdotool("mousemove", 512, 384)
        self.s.key(name)

    # --- dealing boards ------------------------------------------------
    def deal(self, key):
        """Presses a key that deals a new board early in a clock second, so
        that the second (the random seed) is known."""
        fraction = time.time() % 1
        if fraction > 0.5:
            time.sleep(1.05 - fraction)  # waits for the clock's next second, the seed
        before = time.time()
        self.key(key)
        return int(before)

    def new_board(self, size, random_source):
        """Deals a board of the size from the wanted source and learns its
        bombs from the clues on screen. The size key is taken once the window
        is fitted to the size (the sizes take turns, so each board changes
        it); when the board is of the other source, F6 deals one of the
        wanted source, taken once that shows. A lost key is pressed again."""
        self.size = size
        key, unwanted = SIZE_KEYS[size], None
        for _ in range(6):
            seed = self.deal(key)
            try:
                self.refresh_origin()
                source, bombs = harness.wait_for(
                    lambda: (lambda shown: shown if shown and shown[0] != unwanted else None)(self.board_shown(seed)),
                    "a board dealt by %s" % key, timeout=4)
            except harness.WaitTimeout:
                continue
            self.random = source == "random"
            if self.random == random_source:
                self.bombs = bombs
                return
            key, unwanted = "F6", source
        self.test.fail("could not deal a %s board" % ("random" if random_source else "picture"))

    def board_shown(self, seed):
        """("picture", bombs) or ("random", bombs) for a fresh board of the
        size on screen, by its clues; None for any other picture."""
        shot = self.s.screenshot()
        if not harness.board_is_fresh(shot, self.geo):
            return None
        shown = self.clue_counts(shot)
        if shown == expected_counts(picture(self.size), self.size):
            return "picture", picture(self.size)
        bombs = self.random_board_shown(seed, shown)
        return ("random", bombs) if bombs is not None else None

    def random_board_shown(self, seed, shown):
        """The random board on screen: of the seconds around the key press,
        the one whose run counts the clue strips show; None if none does."""
        for candidate in (seed, seed + 1, seed - 1, seed + 2, seed - 2):
            bombs = random_bombs(candidate, self.size)
            if expected_counts(bombs, self.size) == shown:
                return bombs
        return None

    def clue_counts(self, shot):
        """How many numbers each column and each row shows, read from the
        coloured pixels through the middle of each number's place."""
        x, y = self.origin
        left, top = self.geo.left, self.geo.top
        limit = (self.size + 1) // 2
        columns, rows = [], []
        for line in range(self.size):
            count = 0
            while count < limit and any(is_clue_colour(shot.pixel(x + left + 12 + 15 * line + i,
                                                                   y + top - 1 - 9 * count + 5))
                                        for i in range(15)):
                count += 1
            columns.append(count)
            count = 0
            while count < limit and any(is_clue_colour(shot.pixel(x + left - 2 - 8 * count + 7,
                                                                   y + top + 12 + 15 * line + j))
                                        for j in range(13)):
                count += 1
            rows.append(count)
        return columns, rows

    # --- moves -----------------------------------------------------------
    def click(self, block, button):
        self.s.click(*self.point(*block), button=button)
        time.sleep(0.03)  # the clicks' pace

    def shows_checked(self, block):
        """The block's centre shows the blue cross of a checked block."""
        return self.s.screenshot().pixel(*self.point(*block)) == (0, 0, 255)

    def first_action(self, block, act):
        """The first move of a game, repeated until the board shows it: input
        around a dialog's closing can be lost."""
        self.s.first_move(act, lambda: self.shows_checked(block), "the board to show the first move on %s" % (block,))

    def hint(self, block):
        self.s.xdotool("keydown", "ctrl")
        self.click(block, 1)
        self.s.xdotool("keyup", "ctrl")

    def win(self, use_hint):
        bombs = list(self.bombs)
        if use_hint:
            col, row = self.size // 2, self.size - 3  # a bomb of the picture
            self.first_action((col, row), lambda: self.hint((col, row)))
            bombs = [b for b in bombs if b[0] != col and b[1] != row]
        else:
            self.first_action(bombs[0], lambda: self.click(bombs[0], 3))
            bombs = bombs[1:]
        run = [b for b in bombs if b[1] == 2 and 1 <= b[0] <= 4]
        if not self.random and len(run) == 4:
            self.s.drag([self.point(*b) for b in run], button=3)
            harness.wait_for(lambda: self.s.clip() == self.free_clip, "the stroke's end to free the pointer from its row")
            bombs = [b for b in bombs if b not in run]
        for block in bombs:
            self.click(block, 3)
        self.finish_won_game()

    def lose(self):
        first = self.bombs[0]
        self.first_action(first, lambda: self.click(first, 1))
        for block in self.bombs[1:BOMBS_TO_LOSE[self.size]]:
            self.click(block, 1)
        self.s.wait_window(LOSS, timeout=10)
        self.key("Return")
        self.after_game(LOSS, won=False)

    def finish_won_game(self):
        title = self.s.wait_window(BEST, timeout=10)["title"]
        dialog, controls = self.s.controls(title)
        texts = {int(c["id"]): c["text"] for c in controls}
        seconds = int(texts[1001])
        level = texts[1000].rstrip("\0")
        if 602 in texts:  # BEST: a new best time of this size
            self.test.assertLess(seconds, self.best[self.size][0])
            name = "P%d" % self.games
            self.s.xdotool("mousemove", 512, 384)
            self.s.xdotool("type", name)
            self.key("Return")
            self.s.wait_window(RECORDS, timeout=10)
            table = self.s.control_texts(RECORDS)
            self.test.assertEqual(table[{10: 701, 15: 703, 20: 705}[self.size]], str(seconds))
            self.key("Return")
            self.best[self.size] = (seconds, name, level)
            last = RECORDS
        else:  # GAMEOVER1: no better than the best
            self.test.assertGreaterEqual(seconds, self.best[self.size][0])
            self.key("Return")
            last = title
        self.after_game(last, won=True)

    def after_game(self, last_dialog, won):
        self.games += 1
        self.wins += won
        self.losses += not won
        self.s.wait_gone(last_dialog)
        self.test.assertTrue(self.s.running(), "the game ended after game %d" % self.games)
        if os.path.exists(self.s.path(RECORDS_FILE)):
            records_section(self.s.read(RECORDS_FILE))  # complete and readable

    # --- the rest of the program ----------------------------------------
    def visit_dialogs(self):
        self.key("alt+g")
        self.s.wait_menu()
        self.key("t")
        self.s.wait_window(RECORDS)
        self.key("Return")
        self.s.wait_gone(RECORDS)
        self.open_help()
        self.key("alt+h")
        self.s.wait_menu()
        self.key("a")
        self.s.wait_window(ABOUT_TITLE)
        self.key("Return")
        self.s.wait_gone(ABOUT_TITLE)
        titles = [w["title"] for w in self.s.windows()]
        for title in (RECORDS, ABOUT_TITLE) + harness.HELP_TITLES:
            self.test.assertNotIn(title, titles)

    def open_help(self):
        self.key("F1")
        self.s.wait_help()
        self.key("Escape")
        self.s.wait_help_gone()

    def change_activation(self):
        """Another program takes the activation; a click on the panel brings
        the game back."""
        other = subprocess.Popen([harness.WINE, "minimal_window.exe"], cwd=self.s.folder, env=self.s.env,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.s.wait_window("Minimal")
        self.s.click(*self.geo.panel_point(), 1)
        other.kill()
        other.wait()


class LongPlay(unittest.TestCase):
    def play(self, s, player, plan):
        step = 0
        first = last = None
        for round_number in range(ROUNDS):
            for size in (10, 15, 20):
                kind = plan[step % len(plan)]
                step += 1
                if kind == "random-win" and size != 10:
                    kind = "random-loss"
                print("game %d: %d x %d %s" % (player.games + 1, size, size, kind), flush=True)
                player.new_board(size, kind.startswith("random"))
                if kind.endswith("loss"):
                    player.lose()
                else:
                    player.win(use_hint=kind.endswith("hint"))
            player.open_help()
            if round_number % 3 == 1:
                player.visit_dialogs()
                player.change_activation()
                # Figures taken at the same point of the cycle each time, once
                # every dialog has been open (the first opening of a dialog
                # makes objects that it keeps for later ones).
                figures = (s.gdi_count(), process_memory_kib(s))
                first = first or figures
                last = figures
        return first, last

    def test_a_long_session(self):
        with Session() as s:
            for size, names in LEVEL_NAMES.items():
                s.write("level%d.dat" % size, level_file([(n, picture(size)) for n in names], size))
            shutil.copy(os.path.join(harness.WIN_BUILD, "minimal_window.exe"), s.folder)
            s.start()
            player = Player(s, self)
            player.refresh_origin()

            plan = ["picture-win", "picture-loss", "random-loss", "picture-win-hint", "random-win"]
            try:
                (first_gdi, first_memory), (last_gdi, last_memory) = self.play(s, player, plan)
            except Exception:
                s.save_png(os.path.join(harness.BUILD, "longplay-failure.png"))
                raise

            print("\nlong play: %d games (%d won, %d lost); GDI objects %d -> %d; memory %d -> %d KiB"
                  % (player.games, player.wins, player.losses, first_gdi, last_gdi, first_memory, last_memory))
            self.assertGreaterEqual(player.games, 30)
            self.assertGreater(first_gdi, 0)
            # Between the first figures and the last, every dialog opens at
            # least three times and the help once a round: a leak of one
            # object an opening of any of them exceeds this.
            self.assertLessEqual(abs(last_gdi - first_gdi), 2, "GDI objects leak")
            self.assertLess(last_memory - first_memory, 8 * 1024, "memory grows")

            player.key("alt+F4")  # an orderly exit stores the settings
            self.assertIsNotNone(s.wait_exit())
            keys = records_section(s.read(RECORDS_FILE))

        self.assertEqual(keys["Size"], str(player.size))
        self.assertEqual(keys["Random"], "1" if player.random else "0")
        for size, (seconds, name, level) in player.best.items():
            slot = SLOTS[size]
            self.assertEqual(keys.get("Score%d" % slot, "999"), str(seconds), "slot %d" % slot)
            self.assertEqual(keys.get("Name%d" % slot, NO_NAME), name, "slot %d" % slot)
            self.assertEqual(keys.get("LName%d" % slot, NO_NAME), level, "slot %d" % slot)


if __name__ == "__main__":
    unittest.main()
