"""The level editor under Wine, used as a player uses it: the shipped 10 x 10
file opened, a picture drawn with real mouse strokes, the verdict read under
the board with its blocks marked in the pixels, a suggestion applied, the
name typed within its byte limit, a save refused for a failing picture and
then made, the saved file checked by the level tool, the picture played in
the game; the list's commands with undo, strokes kept to their line, Korean
and refused names, the question before unsaved changes go, the GDI objects
of many paints; a new file saved under its own name and dealt by the game
started in its folder; a 15 x 15 picture from nothing, named in Korean,
saved as level15.dat and played; a .non puzzle imported and exported; a damaged
file opened with a message and left as it was; and the editor's own file and
play in a folder whose name the code page cannot spell. Nothing typed or drawn
is lost unasked: a typed name through every way of closing, names the game
cannot show refused and kept, long names leaving the list's columns in sight,
two editors on one file, a level-file name of another size, a failing picture
play-tested."""
import os
import shutil
import subprocess
import unittest

import boardview as bv
import harness
from geometry import Geometry

EDITOR_EXE = os.path.join(harness.WIN_BUILD, "bombagram2-editor.exe")
LEVEL_TOOL = os.path.join(harness.BUILD, "native", "tools", "levels", "bombalevels")
EDITOR_TITLE = "Bombagram 2 레벨 편집기"  # the message boxes' caption; the window adds the file
SCREENSHOTS = os.path.join(harness.BUILD, "screenshots")  # docs/screenshots keeps a copy for the README

# Control identifiers of the editor's window (editor/editorids.h).
PICTURE_LIST, NAME_BOX, BYTES_LEFT, BOARD, VERDICT, SUGGESTIONS = 100, 111, 112, 120, 130, 141
SUGGESTIONS_LABEL = 140
ADD_BUTTON, DUPLICATE_BUTTON, DELETE_BUTTON, UP_BUTTON, DOWN_BUTTON = 212, 213, 214, 215, 216
HELP_TEXT = 300  # the help page's text box

# The picture drawn: the left half full of bombs, and two bombs on a diagonal
# that the swapped diagonal matches clue for clue, so line logic stops on the
# four blocks of that square and a second picture differs from it there.
HALF = {(c, r) for c in range(5) for r in range(10)}
SWAPPABLE = [(6, 6), (7, 7)]
SQUARE = [(6, 6), (7, 6), (6, 7), (7, 7)]
UNDECIDED_MARK = (255, 0, 255)
CURSOR_MARK = (0, 160, 0)  # the keyboard's cursor block
DIFFERING_MARK = (255, 128, 0)


def record_count(data):
    return data[2]


def records(data, size=10):
    """(name bytes, bombs) of every record of a level file."""
    length = 20 + (size * size + 7) // 8
    out = []
    for i in range(record_count(data)):
        rec = data[3 + i * length: 3 + (i + 1) * length]
        bits = rec[20:]
        bombs = {(k % size, k // size) for k in range(size * size) if bits[k // 8] & (0x80 >> (k % 8))}
        out.append((rec[:20].rstrip(b"\0"), bombs))
    return out


def mark_at(img, geo, col, row, inset=2):
    """The colour of the frame `inset` pixels inside a block (2 for an
    undecided block, 5 for a differing one), when all four of its edges show
    one mark colour, else None."""
    x, y = geo.block(col, row)
    far = 14 - inset
    edges = {img.pixel(*geo.screen(x + 7, y + inset)), img.pixel(*geo.screen(x + 7, y + far)),
             img.pixel(*geo.screen(x + inset, y + 7)), img.pixel(*geo.screen(x + far, y + 7))}
    colour = edges.pop() if len(edges) == 1 else None
    return colour if colour in (UNDECIDED_MARK, DIFFERING_MARK) else None


def in_mark(i, j, cursor=False):
    """Whether pixel (i, j) of a block lies on one of the two mark frames
    (or on the keyboard's cursor frame, when asked)."""
    def on_frame(inset):
        inside = inset <= i <= 14 - inset and inset <= j <= 14 - inset
        core = inset + 2 <= i <= 12 - inset and inset + 2 <= j <= 12 - inset
        return inside and not core
    return on_frame(2) or on_frame(5) or (cursor and on_frame(0))


def block_is(img, geo, col, row, sprite, cursor=False):
    """The block shows the sprite wherever no mark may be drawn over it."""
    shown, expected = bv.block_picture(img, geo, col, row), bv.expected_block(col, row, sprite)
    return all(shown[j][i] == expected[j][i] for j in range(15) for i in range(15) if not in_mark(i, j, cursor))


def clue_strips(img, geo):
    """The pixels of the column-clue and row-clue strips of a 10 x 10 board
    (the corner box, where the game shows its seconds, left out)."""
    column_strip = bv.region(img, geo, geo.left + 12, 12, 150, geo.top)
    row_strip = bv.region(img, geo, 12, geo.top + 12, geo.left, 150)
    return column_strip, row_strip


class Editor:
    """The editor running in a session: its window, controls and list lines."""

    def __init__(self, session):
        self.s = session

    def window(self):
        for w in self.s.windows():
            if w["title"].startswith(EDITOR_TITLE + " - "):
                return w
        return None

    def wait_window(self, what="the editor's window"):
        return harness.wait_for(self.window, what, timeout=30)

    def title(self):
        return self.wait_window()["title"]

    def controls(self):
        _, controls = self.s.controls(self.title())
        return {int(c["id"]): c for c in controls}

    def text(self, control):
        return self.controls()[control]["text"]

    def lines(self, control):
        items = [self.s._fields(l) for l in self.s.probe("items", self.title()) if l.startswith("item ")]
        return [i for i in items if int(i["id"]) == control]

    def centre(self, control):
        left, top, right, bottom = self.controls()[control]["rect"]
        return (left + right) // 2, (top + bottom) // 2

    def click(self, control, button=1):
        self.s.click(*self.centre(control), button=button)

    def geometry(self, size=10):
        left, top, _, _ = self.controls()[BOARD]["rect"]
        return Geometry(size, (left, top))

    def verdict_after(self, check, what):
        """The verdict text once check(text) holds (a check runs while "검사 중" shows)."""
        def verdict():
            text = self.text(VERDICT)
            return text if check(text) else None
        return harness.wait_for(verdict, what, timeout=20)

    def wait_ready(self):
        """Waits until the editor takes input again after a message box closed."""
        harness.wait_for(lambda: EDITOR_TITLE not in self.s.titles(), "the message box to close")
        self.s.wait_ready(title=self.title())

    def name_first_picture(self, text):
        """Types the name of the first picture, selected, into the name box
        until the list shows it. xdotool types a Korean character through a
        key it maps for the moment, and on a busy machine a character is now
        and then lost: the box is then emptied and the name typed again."""
        def type_name():
            self.click(NAME_BOX)
            self.s.key("End")
            self.s.key("shift+Home")
            self.s.key("Delete")
            self.s.xdotool("type", "--delay", "150", text)
            self.s.key("Return")
        harness.wait_for(lambda: names(self)[0] == text, "the name %s in the list" % text, timeout=60,
                         act=type_name, act_every=6)

    def new_15_by_15_file(self):
        """File > New file > 15 x 15, from the keyboard."""
        self.s.xdotool("mousemove", *self.centre(BOARD))
        self.s.key("alt+f")
        self.s.wait_menu()
        self.s.key("n")
        self.s.key("Down")
        self.s.key("Return")
        harness.wait_for(lambda: self.title().endswith(" - 새 파일 (15 x 15)"), "a new 15 x 15 file")

    def name_the_file(self, path):
        """Types a path into the Save As dialog that a save of a new file opens."""
        dialog = harness.wait_for(lambda: next((w for w in self.s.windows() if w["class"] == "#32770"), None),
                                  "the Save As dialog")
        x, y, w, h = dialog["client"]
        self.s.xdotool("mousemove", x + w // 2, y + h // 2)
        self.s.xdotool("type", path)
        self.s.key("Return")

    def wide_text(self, control, title=None):
        """A control's text asked of it and read wide: "café" stays "café",
        and an edit box answers (the probe's window texts give an edit box's
        caption, which it does not keep)."""
        lines = self.s.probe("text", title or self.title(), str(control))
        line = next((l for l in lines if l.startswith("text ")), "text ")
        return line[len("text "):]

    def paste_name(self, text):
        """Puts text into the name box as a paste does (xdotool drops
        characters outside the keyboard's map), then Enter."""
        self.s.probe("settext", self.title(), str(NAME_BOX), text)
        harness.wait_for(lambda: self.wide_text(NAME_BOX) == text, "%s in the name box" % text)
        self.click(NAME_BOX)
        self.s.key("End")
        self.s.key("Return")

    def pick_line(self, index):
        left, top, right, bottom = self.lines(PICTURE_LIST)[index]["rect"]
        self.s.click((left + right) // 2, (top + bottom) // 2)
        harness.wait_for(lambda: self.lines(PICTURE_LIST)[index]["selected"] == "1", "line %d selected" % (index + 1))

    def type_name(self, text):
        """Types a name into the emptied name box, without Enter."""
        self.click(NAME_BOX)
        self.s.key("End")
        self.s.key("shift+Home")
        self.s.key("Delete")
        self.s.xdotool("type", "--delay", "50", text)
        harness.wait_for(lambda: self.wide_text(NAME_BOX) == text, "%s typed into the name box" % text)

    def asked(self):
        """The texts of the editor's question or message box, once it shows."""
        self.s.wait_window(EDITOR_TITLE)
        return " ".join(c["text"] for c in self.s.controls(EDITOR_TITLE)[1])

    def activate_after_file_dialog(self):
        """A closed file dialog may leave no window active under Wine without
        a window manager, and keys then go nowhere: a click on the editor (on
        its verdict text, which no click changes) makes it active."""
        self.s.click(*self.centre(VERDICT))
        self.wait_ready()

    def close_after_file_dialog(self):
        self.activate_after_file_dialog()
        self.key("alt+F4")

    def key(self, name):
        """A key for the window under the pointer: the pointer goes to the board first."""
        self.s.xdotool("mousemove", *self.centre(BOARD))
        self.s.key(name)

    def focused(self):
        """The identifier of the control with the keyboard focus, or None."""
        return next((i for i, c in self.controls().items() if c["focus"] == "1"), None)

    def edit_state(self, title, control):
        """(selection start, end, first line shown; for a one-line box the first character shown)."""
        line = next(l for l in self.s.probe("edit", title, str(control)) if l.startswith("edit "))
        fields = dict(kv.split("=") for kv in line.split()[1:])
        return int(fields["start"]), int(fields["end"]), int(fields["first"])


def start_game_in(s, folder, size):
    """Starts the game beside the saved file; the geometry of its fresh board."""
    with open(s.path("game.log"), "w") as log:
        s.game = subprocess.Popen([s.build.wine, "bombagram2.exe"], cwd=folder, env=s.env, stdout=log,
                                  stderr=subprocess.STDOUT)
    game = s.wait_window(harness.TITLE, timeout=30)
    geo = Geometry(size, game["client"][:2])
    harness.wait_for(lambda: harness.board_is_fresh(s.screenshot(), geo), "the game's fresh board", 20)
    return geo


def start_editor(s, *args):
    s.place(EDITOR_EXE)
    with open(s.path("wine.log"), "w") as log:
        s.game = subprocess.Popen([s.build.wine, os.path.basename(EDITOR_EXE)] + list(args), cwd=s.folder,
                                  env=s.env, stdout=log, stderr=subprocess.STDOUT)
    return Editor(s)


@unittest.skipUnless(os.path.exists(EDITOR_EXE), "the editor is not built")
class DrawingALevel(unittest.TestCase):
    def setUp(self):
        self.s = harness.Session()
        self.s.copy_shipped_levels()
        shutil.copy(harness.GAME_EXE, self.s.folder)  # "play it" starts the game beside the editor
        self.shipped = self.s.read("level10.dat")
        self.ed = start_editor(self.s)
        self.ed.wait_window()

    def tearDown(self):
        self.s.close()

    def draw(self, geo):
        for col in range(5):
            self.s.drag([geo.block_centre(col, row) for row in (0, 3, 6, 9)])
        for col, row in SWAPPABLE:
            self.s.click(*geo.block_centre(col, row))

    def board_shows(self, geo, bombs):
        def shown():
            img = self.s.screenshot()
            return all(block_is(img, geo, c, r, "covered" if (c, r) in bombs else "broken")
                       for c in range(10) for r in range(10))
        return shown

    def name_picture(self, name):
        self.ed.click(NAME_BOX)
        self.s.key("End")
        for _ in range(12):
            self.s.key("BackSpace")
        self.s.xdotool("type", name)
        self.s.key("Return")

    def test_a_picture_drawn_checked_suggested_saved_and_played(self):
        ed, s = self.ed, self.s
        shipped_count = record_count(self.shipped)
        lines = harness.wait_for(lambda: ed.lines(PICTURE_LIST), "the picture list")
        self.assertEqual(len(lines), shipped_count)
        first_name = records(self.shipped)[0][0].decode("cp949")
        self.assertTrue(lines[0]["text"].startswith("1\t%s\t" % first_name), lines[0]["text"])
        # Every shipped picture passes the check: the list says so once judged.
        harness.wait_for(lambda: all(l["text"].endswith("\t통과") for l in ed.lines(PICTURE_LIST)),
                         "every shipped picture judged as passing", timeout=60)

        # A new picture after the first, empty: every block free, no clue but 0.
        ed.click(ADD_BUTTON)
        harness.wait_for(lambda: len(ed.lines(PICTURE_LIST)) == shipped_count + 1, "the added picture's line")
        self.assertEqual([l["selected"] for l in ed.lines(PICTURE_LIST)][:3], ["0", "1", "0"])
        geo = ed.geometry()
        harness.wait_for(self.board_shows(geo, set()), "an empty board")
        ed.verdict_after(lambda t: "빈 그림" in t, "the empty picture's verdict")

        self.draw(geo)
        drawn = HALF | set(SWAPPABLE)
        harness.wait_for(self.board_shows(geo, drawn), "the drawn picture on the board")
        # The clue numbers are the game's, from the picture: a 10 above the
        # full columns, none but 0 over the empty ones, in the game's colours.
        img = s.screenshot()
        self.assertEqual([c["colour"] for c in bv.column_clues(img, geo, 0)], ["red"])
        self.assertEqual([c["colour"] for c in bv.column_clues(img, geo, 6)], ["blue"])
        self.assertEqual(len(bv.row_clues(img, geo, 6)), 2)

        text = ed.verdict_after(lambda t: "선으로 풀다 멈춤" in t, "the verdict of a picture line logic cannot finish")
        self.assertIn("블럭 4개가 정해지지 않음", text)
        self.assertIn("그림이 둘 이상 맞음", text)
        img = s.wait_screen(lambda i: mark_at(i, geo, 6, 6), "the undecided blocks marked")
        # The square's four blocks are undecided, and the swapped diagonal
        # (the second picture) differs in each of them.
        for col in range(10):
            for row in range(10):
                marked = (col, row) in SQUARE
                self.assertEqual(mark_at(img, geo, col, row), UNDECIDED_MARK if marked else None,
                                 "the undecided mark of block (%d, %d)" % (col, row))
                self.assertEqual(mark_at(img, geo, col, row, inset=5), DIFFERING_MARK if marked else None,
                                 "the differing mark of block (%d, %d)" % (col, row))

        # Ctrl+Z takes back the last click, Ctrl+Y brings it again.
        ed.key("ctrl+z")
        harness.wait_for(self.board_shows(geo, HALF | {(6, 6)}), "the last bomb undone")
        # The verdict of the picture before the undo is gone by the time the board shows it.
        self.assertNotIn("선으로 풀다 멈춤", ed.text(VERDICT))
        ed.verdict_after(lambda t: t.startswith("선으로 풀림"), "the undone picture's verdict")
        ed.key("ctrl+y")
        harness.wait_for(self.board_shows(geo, drawn), "the last bomb redone")

        # The name: typed in ASCII, cut at 19 bytes, shown in the list.
        self.name_picture("Square and half of a board")
        harness.wait_for(lambda: ed.lines(PICTURE_LIST)[1]["text"].startswith("2\tSquare and half of \t"),
                         "the name cut to 19 bytes in the list")
        self.assertEqual(ed.text(BYTES_LEFT), "남은 바이트: 0")

        # Saving asks first, naming the failing picture; cancelled, nothing is written.
        ed.verdict_after(lambda t: "선으로 풀다 멈춤" in t, "the verdict again after the redo")
        ed.key("ctrl+s")
        s.wait_window(EDITOR_TITLE)
        asked = " ".join(c["text"] for c in s.controls(EDITOR_TITLE)[1])
        self.assertIn("2. Square and half of :", asked)
        s.key("Escape")
        ed.wait_ready()
        self.assertEqual(s.read("level10.dat"), self.shipped)

        # The first suggestion makes the picture solve by line logic, and the marks go.
        harness.wait_for(lambda: ed.lines(SUGGESTIONS), "the suggestions")
        s.wait_screen(lambda i: mark_at(i, geo, 6, 6), "the marks drawn again after the message box")
        # The picture of the README: the verdict, its marks and the suggestions.
        os.makedirs(SCREENSHOTS, exist_ok=True)
        x, y, w, h = ed.wait_window()["client"]
        full = s.path("editor-full.png")
        s.save_png(full)
        subprocess.run(["convert", full, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", "-strip",
                        os.path.join(SCREENSHOTS, "editor.png")], check=True)

        left, top, right, _ = ed.controls()[SUGGESTIONS]["rect"]
        s.click((left + right) // 2, top + 8)
        text = ed.verdict_after(lambda t: t.startswith("선으로 풀림"), "the verdict of the picture made unique")
        img = s.screenshot()
        self.assertEqual([mark_at(img, geo, c, r, inset) for c in range(10) for r in range(10) for inset in (2, 5)],
                         [None] * 200, text)
        changed = [(c, r) for c in range(10) for r in range(10)
                   if block_is(img, geo, c, r, "covered") != ((c, r) in drawn)]
        self.assertEqual(len(changed), 1, "one block flipped by the suggestion")
        final = drawn ^ set(changed)

        # Saved without a question: the level tool takes the file.
        ed.key("ctrl+s")
        saved = s.wait_file("level10.dat", lambda d: d != self.shipped, "the saved level file")
        self.assertEqual(record_count(saved), shipped_count + 1)
        self.assertEqual(records(saved)[1], (b"Square and half of ", final))
        self.assertEqual(records(saved)[0], records(self.shipped)[0])
        check = subprocess.run([LEVEL_TOOL, "check", s.path("level10.dat")], stdout=subprocess.PIPE,
                               stderr=subprocess.STDOUT, text=True)
        self.assertEqual(check.returncode, 0, check.stdout)
        harness.wait_for(lambda: not ed.title().endswith(" *"), "the title without the unsaved star")

        # F5: the game deals this picture; its clue strips are the editor's.
        ed.key("F5")
        game = s.wait_window(harness.TITLE, timeout=30)
        gx, gy = game["client"][:2]
        game_geo = Geometry(10, (gx, gy))
        harness.wait_for(lambda: harness.board_is_fresh(s.screenshot(), game_geo), "the game's fresh board", 20)
        img = s.screenshot()
        self.assertEqual(clue_strips(img, game_geo), clue_strips(img, geo))


    def test_a_failing_picture_is_played_on_a_yes_and_one_game_at_a_time(self):
        ed, s = self.ed, self.s
        harness.wait_for(lambda: ed.lines(PICTURE_LIST), "the picture list")
        # An empty picture needs no suggestion line logic could give, yet it fails.
        ed.click(ADD_BUTTON)
        ed.verdict_after(lambda t: "빈 그림" in t, "the empty picture's verdict")
        harness.wait_for(lambda: ed.text(SUGGESTIONS_LABEL).startswith("제안: 없음"), "no suggestion for it")
        ed.key("F5")
        told = ed.asked()
        self.assertIn("검사를 통과하지 못합니다: 폭탄이 0%", told)
        s.key("n")
        ed.wait_ready()
        self.assertNotIn(harness.TITLE, s.titles())

        # A passing picture plays; a second F5 replaces the game, which deals
        # a whole board of every size.
        ed.pick_line(0)
        harness.wait_for(lambda: ed.text(SUGGESTIONS_LABEL) == "제안: 필요 없음", "no suggestion needed")
        ed.key("F5")
        s.wait_window(harness.TITLE, timeout=30)
        first = s.own_pids("bombagram2.exe")
        ed.pick_line(0)  # the editor takes the keys again from the game
        ed.key("F5")
        harness.wait_for(lambda: len(s.own_pids("bombagram2.exe")) == 1 and s.own_pids("bombagram2.exe") != first
                         and s.titles().count(harness.TITLE) == 1, "the game replaced by a new one", timeout=30)
        x, y, w, h = s.client_origin()
        s.xdotool("mousemove", x + w // 2, y + 10)
        for key, size in (("F5", 20), ("F4", 15)):
            s.fresh_board(key, size)


@unittest.skipUnless(os.path.exists(EDITOR_EXE), "the editor is not built")
class MenusAndHelp(unittest.TestCase):
    def test_a_new_file_of_another_size_and_the_help_page(self):
        with harness.Session() as s:
            s.copy_shipped_levels()
            ed = start_editor(s)
            harness.wait_for(lambda: ed.title().endswith(" - level10.dat (10 x 10)"), "the shipped file")
            # Ctrl+N: a new file of the open file's size.
            ed.key("ctrl+n")
            harness.wait_for(lambda: ed.title().endswith(" - 새 파일 (10 x 10)"), "a new 10 x 10 file from Ctrl+N")
            ed.new_15_by_15_file()
            left, top, right, bottom = ed.controls()[BOARD]["rect"]
            self.assertEqual((right - left, bottom - top), (68 + 225 + 24, 88 + 225 + 24))
            lines = ed.lines(PICTURE_LIST)
            self.assertEqual([l["text"].split("\t")[:2] for l in lines], [["1", "그림 1"]])
            geo = ed.geometry(15)
            img = s.screenshot()
            self.assertTrue(all(block_is(img, geo, c, r, "broken") for c in range(15) for r in range(15)))
            ed.verdict_after(lambda t: "빈 그림" in t, "the empty picture's verdict")

            # The help opens at its top, nothing selected (it opened at its end, all selected).
            ed.key("F1")
            help_title = "레벨 편집기 도움말"
            s.wait_window(help_title)
            texts = [c["text"] for c in s.controls(help_title)[1]]
            self.assertIn("확인", texts)
            start, end, first = ed.edit_state(help_title, HELP_TEXT)
            self.assertEqual((start, end, first), (start, start, 0), "selection and first line of the help")
            s.key("Escape")
            harness.wait_for(lambda: help_title not in s.titles(), "the help page to close")


def names(ed):
    return [l["text"].split("\t")[1] for l in ed.lines(PICTURE_LIST)]


@unittest.skipUnless(os.path.exists(EDITOR_EXE), "the editor is not built")
class EditingAFile(unittest.TestCase):
    """A file of three pictures: list commands with undo, strokes that keep
    to one line, a refused name, and the question before unsaved changes go."""

    PICTURES = [("One", HALF), ("Two", {(c, r) for c in range(10) for r in range(5)}),
                ("Three", {(c, r) for c in range(10) for r in range(10) if (c + r) % 3 == 0 or c == 0})]

    def setUp(self):
        self.s = harness.Session()
        self.file = harness.level_file(self.PICTURES)
        self.s.write("level10.dat", self.file)
        self.ed = start_editor(self.s)
        self.ed.wait_window()
        harness.wait_for(lambda: names(self.ed) == ["One", "Two", "Three"], "the three pictures listed")

    def tearDown(self):
        self.s.close()

    def test_list_commands_undo_and_the_saved_order(self):
        ed, s = self.ed, self.s
        ed.click(DUPLICATE_BUTTON)
        harness.wait_for(lambda: names(ed) == ["One", "One", "Two", "Three"], "the first picture duplicated")
        ed.click(DOWN_BUTTON)
        ed.click(DOWN_BUTTON)
        harness.wait_for(lambda: names(ed) == ["One", "Two", "Three", "One"], "the copy moved to the end")
        self.assertEqual([l["selected"] for l in ed.lines(PICTURE_LIST)], ["0", "0", "0", "1"])
        ed.click(UP_BUTTON)
        harness.wait_for(lambda: names(ed) == ["One", "Two", "One", "Three"], "the copy one place up")
        ed.click(DELETE_BUTTON)
        harness.wait_for(lambda: names(ed) == ["One", "Two", "Three"], "the copy deleted")
        ed.key("ctrl+z")
        harness.wait_for(lambda: names(ed) == ["One", "Two", "One", "Three"], "the deletion undone")
        # The copy repeats the first picture: saving names it and asks; the
        # player saves all the same (OK is not the default button).
        ed.key("ctrl+s")
        s.wait_window(EDITOR_TITLE)
        asked = " ".join(c["text"] for c in s.controls(EDITOR_TITLE)[1])
        self.assertIn("3. One: 1번 그림과 겹침", asked)
        s.key("shift+Tab")
        s.key("Return")
        saved = s.wait_file("level10.dat", lambda d: d != self.file, "the saved file")
        self.assertEqual([(n, b) for n, b in records(saved)],
                         [(n.encode(), b) for n, b in (self.PICTURES[:2] + self.PICTURES[:1] + self.PICTURES[2:])])

    def test_strokes_keep_to_their_line_and_a_refused_name_leaves_the_old(self):
        ed, s = self.ed, self.s
        geo = ed.geometry()
        # The right button clears along row 2, however the hand wanders off it.
        s.drag([geo.block_centre(0, 2), geo.block_centre(2, 2), geo.block_centre(3, 4), geo.block_centre(4, 1)],
               button=3)
        cleared = HALF - {(c, 2) for c in range(5)}

        def shows(bombs):
            return lambda: all(block_is(s.screenshot(), geo, c, r, "covered" if (c, r) in bombs else "broken")
                               for c in range(10) for r in range(10))
        harness.wait_for(shows(cleared), "row 2 cleared and nothing else")
        # The left button sets bombs down column 8 from row 3, wandering sideways.
        s.drag([geo.block_centre(8, 3), geo.block_centre(8, 5), geo.block_centre(6, 7), geo.block_centre(9, 8)])
        drawn = cleared | {(8, r) for r in range(3, 9)}
        harness.wait_for(shows(drawn), "column 8 set from row 3 to 8")
        # One stroke is one step back.
        ed.key("ctrl+z")
        harness.wait_for(shows(cleared), "the column stroke undone whole")

        # An empty name is refused: the picture keeps its name, and the box says why.
        ed.click(NAME_BOX)
        s.key("End")
        for _ in range(5):
            s.key("BackSpace")
        s.key("Return")
        harness.wait_for(lambda: ed.text(BYTES_LEFT) == "이름이 비어 있습니다", "the empty name refused")
        self.assertEqual(names(ed), ["One", "Two", "Three"])

        # Unsaved changes: opening another file asks first; cancelled, all stays.
        ed.key("ctrl+o")
        s.wait_window(EDITOR_TITLE)
        asked = " ".join(c["text"] for c in s.controls(EDITOR_TITLE)[1])
        self.assertIn("바뀐 내용을 저장할까요?", asked)
        s.key("Escape")
        ed.wait_ready()
        self.assertTrue(ed.title().endswith(" *"))
        harness.wait_for(shows(cleared), "the picture as it was")
        self.assertEqual(s.read("level10.dat"), self.file)

    def test_a_korean_name_is_saved_in_cp949(self):
        ed, s = self.ed, self.s

        ed.name_first_picture("고양이집")
        self.assertEqual(ed.text(BYTES_LEFT), "남은 바이트: 11")  # two bytes a syllable
        ed.key("ctrl+s")
        # The third picture may fail the check: the question is answered yes.
        harness.wait_for(lambda: EDITOR_TITLE in s.titles() or s.read("level10.dat") != self.file,
                         "a question or the saved file")
        if EDITOR_TITLE in s.titles():
            s.key("shift+Tab")
            s.key("Return")
        saved = s.wait_file("level10.dat", lambda d: d != self.file, "the saved file")
        self.assertEqual(records(saved)[0], ("고양이집".encode("cp949"), HALF))

    def test_drawing_over_and_over_holds_no_more_gdi_objects(self):
        ed, s = self.ed, self.s
        geo = ed.geometry()
        for col, row in SWAPPABLE:  # the square of undecided blocks: its paints draw marks
            s.click(*geo.block_centre(col, row))
        s.wait_screen(lambda i: mark_at(i, geo, 6, 6), "the marks")

        def strokes_undone(rounds):
            for _ in range(rounds):
                s.drag([geo.block_centre(9, 0), geo.block_centre(9, 9)])
                ed.key("ctrl+z")
            harness.wait_for(lambda: not block_is(s.screenshot(), geo, 9, 5, "covered"), "the last stroke undone")
            s.wait_screen(lambda i: mark_at(i, geo, 6, 6), "the marks again")
            ed.verdict_after(lambda t: "검사 중" not in t, "a verdict")
            return s.steady_gdi_count(ed.title())
        # The first round lets the controls make what they keep (a scroll bar, say).
        before = strokes_undone(1)
        self.assertGreater(before, 0)
        self.assertEqual(strokes_undone(10), before)

    def test_the_keyboard_goes_round_the_window_draws_and_chooses_a_suggestion(self):
        ed, s = self.ed, self.s
        geo = ed.geometry()
        left, top, _, _ = ed.controls()[PICTURE_LIST]["rect"]
        s.click(left + 20, top + 8)
        harness.wait_for(lambda: ed.focused() == PICTURE_LIST, "the list focused")
        # Tab goes round: the list, its buttons, the name, the board, the suggestions.
        order = [ADD_BUTTON, DUPLICATE_BUTTON, DELETE_BUTTON, UP_BUTTON, DOWN_BUTTON, NAME_BOX, BOARD]
        for control in order:
            s.key("Tab")
            harness.wait_for(lambda: ed.focused() == control, "the focus on control %d after Tab" % control)
            if control == NAME_BOX:  # a whole name of 19 wide letters shows, from its first
                s.xdotool("type", "W" * 19)
                harness.wait_for(lambda: ed.edit_state(ed.title(), NAME_BOX)[1] == 19, "the name typed")
                self.assertEqual(ed.edit_state(ed.title(), NAME_BOX)[2], 0, "the first letter shown")
        self.assertEqual(names(ed)[0], "W" * 19, "the name taken on leaving the box")

        # On the board the arrows move a green cursor block; Space and Enter turn its block.
        for name in ["Right"] * 6 + ["Down"] * 6 + ["space", "Right", "Down", "Return"]:
            s.key(name)
        drawn = HALF | set(SWAPPABLE)
        img = s.wait_screen(lambda i: all(block_is(i, geo, c, r, "covered" if (c, r) in drawn else "broken",
                                                   cursor=(c, r) == (7, 7))
                                          for c in range(10) for r in range(10)), "the blocks the keys set")
        x, y = geo.block(7, 7)
        self.assertEqual({img.pixel(*geo.screen(x + i, y + j)) for i in range(15) for j in (0, 1)}, {CURSOR_MARK})

        # In the suggestions the arrows only choose; Enter applies.
        s.key("Tab")
        harness.wait_for(lambda: ed.focused() == SUGGESTIONS, "the focus on the suggestions")
        harness.wait_for(lambda: len(ed.lines(SUGGESTIONS)) > 2, "the suggestions")
        s.key("Down")
        s.key("Down")
        harness.wait_for(lambda: "1" in [l["selected"] for l in ed.lines(SUGGESTIONS)][1:],
                         "a suggestion after the first chosen")
        self.assertIn("선으로 풀다 멈춤", ed.text(VERDICT))
        self.assertTrue(self.board_shows(geo, drawn)(), "the picture as drawn")
        s.key("Return")
        ed.verdict_after(lambda t: t.startswith("선으로 풀림"), "the chosen suggestion applied")
        img = s.screenshot()
        self.assertEqual(sum(block_is(img, geo, c, r, "covered") != ((c, r) in drawn)
                             for c in range(10) for r in range(10)), 1)

    def board_shows(self, geo, bombs):
        """The board shows the bombs (the keyboard's cursor may frame one block)."""
        def shown():
            img = self.s.screenshot()
            return all(block_is(img, geo, c, r, "covered" if (c, r) in bombs else "broken", cursor=True)
                       for c in range(10) for r in range(10))
        return shown

    def test_a_typed_name_is_kept_on_every_way_of_closing(self):
        """A name typed without Enter is the picture's before Alt+F4, the
        title bar's close button or logging off asks about unsaved changes."""
        ed, s = self.ed, self.s

        def alt_f4():
            s.xdotool("mousemove", *ed.centre(BOARD))
            s.key("alt+F4")
        # Each way asks, and the question cancelled leaves the typed name its picture's.
        for line, name, close, kept in ((0, "Uno", alt_f4, ["Uno", "Two", "Three"]),
                                        (1, "Dos", lambda: s.probe("close", ed.title()), ["Uno", "Dos", "Three"])):
            ed.pick_line(line)
            ed.type_name(name)
            close()
            self.assertIn("바뀐 내용을 저장할까요?", ed.asked())
            s.key("Escape")
            ed.wait_ready()
            self.assertEqual(names(ed), kept)

        # Logging off asks too; cancelled, the session may not end and the editor stays.
        ed.pick_line(2)
        ed.type_name("Tres")
        with open(s.path("logoff.out"), "w") as out:
            logoff = subprocess.Popen([s.build.wine, s.build.probe_exe, "logoff", ed.title()], cwd=s.folder,
                                      env=s.env, stdout=out, stderr=subprocess.DEVNULL)
            self.assertIn("바뀐 내용을 저장할까요?", ed.asked())
            s.key("Escape")
            logoff.wait(60)
        with open(s.path("logoff.out")) as out:
            self.assertIn("logoff answered=1 may-end=0", out.read())
        ed.wait_ready()
        self.assertEqual(names(ed), ["Uno", "Dos", "Tres"])
        self.assertEqual(s.read("level10.dat"), self.file)

    def test_names_the_game_cannot_show_are_refused_and_stay_in_the_box(self):
        ed, s = self.ed, self.s
        for name in ("café", "집😀"):
            ed.paste_name(name)
            harness.wait_for(lambda: ed.text(BYTES_LEFT).startswith("이름에 게임이 쓸 수 없는 글자가 있습니다"),
                             "%s refused" % name)
            self.assertEqual(ed.wide_text(NAME_BOX), name)
            self.assertEqual(names(ed), ["One", "Two", "Three"])
        # Blanks alone name nothing.
        ed.type_name("   ")
        s.key("Return")
        harness.wait_for(lambda: ed.text(BYTES_LEFT).startswith("이름이 빈칸뿐입니다"), "a name of blanks refused")
        self.assertEqual(names(ed), ["One", "Two", "Three"])
        self.assertFalse(ed.title().endswith(" *"))

    def test_a_long_name_leaves_the_grade_and_the_verdict_in_sight(self):
        """"One" and "Two" pass with the same grade (one is the other turned
        a quarter round): with the longest name, "Two"'s line shows its grade
        and verdict exactly as "One"'s does."""
        ed, s = self.ed, self.s
        ed.pick_line(1)
        ed.type_name("W" * 19)
        s.key("Return")
        harness.wait_for(lambda: names(ed)[1] == "W" * 19, "the long name in the list")
        ed.pick_line(2)
        def judged():
            ends = [l["text"].split("\t")[2:] for l in ed.lines(PICTURE_LIST)[:2]]
            return ends[0] == ends[1] and ends[0][-1:] == ["통과"]
        harness.wait_for(judged, "both lines judged alike")
        img = s.screenshot()
        lines = [l["rect"] for l in ed.lines(PICTURE_LIST)[:2]]
        # The right third of a line holds the grade and the verdict.
        right = [img.region(r[0] + 2 * (r[2] - r[0]) // 3, r[1], (r[2] - r[0]) // 3, r[3] - r[1]) for r in lines]
        self.assertEqual(right[1], right[0])
        self.assertNotEqual(img.region(lines[1][0], lines[1][1], (lines[1][2] - lines[1][0]) // 2, 8),
                            img.region(lines[0][0], lines[0][1], (lines[0][2] - lines[0][0]) // 2, 8))

    def test_two_editors_on_one_file_drop_nothing_unasked(self):
        """A second editor renames picture 2 and saves; the first, which
        opened the file before, renames picture 1 and saves: it is told that
        the file changed, and reads it again on the player's word."""
        ed, s = self.ed, self.s
        first = s.game
        other = start_editor(s)
        harness.wait_for(lambda: len([w for w in s.windows() if w["title"].startswith(EDITOR_TITLE + " - ")]) == 2,
                         "two editors")
        harness.wait_for(lambda: names(other) == ["One", "Two", "Three"], "the second editor's list")
        other.pick_line(1)
        other.type_name("Dos")
        other.key("ctrl+s")
        harness.wait_for(lambda: EDITOR_TITLE in s.titles() or s.read("level10.dat") != self.file,
                         "a question or the saved file")
        if EDITOR_TITLE in s.titles():  # the third picture may fail the check: saved all the same
            s.key("shift+Tab")
            s.key("Return")
        saved = s.wait_file("level10.dat", lambda d: d != self.file, "the second editor's save")
        self.assertEqual([n for n, _ in records(saved)], [b"One", b"Dos", b"Three"])
        other.wait_ready()
        other.key("alt+F4")
        self.assertIsNotNone(s.wait_exit(), "the second editor ends")
        s.game = first

        ed.name_first_picture("Uno")
        ed.key("ctrl+s")
        told = ed.asked()
        self.assertIn("다른 프로그램이 level10.dat 파일을 바꿨습니다", told)
        self.assertEqual(s.read("level10.dat"), saved)
        reload = next(c for c in s.controls(EDITOR_TITLE)[1] if c["text"] == "다시 읽기")
        s.click((reload["rect"][0] + reload["rect"][2]) // 2, (reload["rect"][1] + reload["rect"][3]) // 2)
        harness.wait_for(lambda: names(ed) == ["One", "Dos", "Three"], "the file read again")
        self.assertEqual(s.read("level10.dat"), saved)

    def test_play_without_the_game_beside_the_editor_says_so(self):
        self.ed.key("F5")
        self.s.wait_window(EDITOR_TITLE)
        told = " ".join(c["text"] for c in self.s.controls(EDITOR_TITLE)[1])
        self.assertIn("bombagram2.exe", told)
        self.s.key("Return")
        self.ed.wait_ready()
        self.assertNotIn(harness.TITLE, self.s.titles())


@unittest.skipUnless(os.path.exists(EDITOR_EXE), "the editor is not built")
class FolderOfAnyName(unittest.TestCase):
    def test_in_cafe_the_editor_opens_and_plays_from_its_own_folder(self):
        """"é" is no CP949 character: through the code page "Café" was spelt
        "Cafe", the folder beside it, whose level10.dat the editor opened and
        where it did not find the game to play."""
        with harness.Session() as s:
            for name, picture in (("Cafe", "Twin"), ("Café", "Tiny")):
                os.makedirs(s.path(name))
                s.write(os.path.join(name, "level10.dat"), harness.level_file([(picture, [(0, 0), (9, 9)])]))
            folder = s.path("Café")
            for program in (EDITOR_EXE, harness.GAME_EXE):
                shutil.copy(program, folder)
            with open(s.path("wine.log"), "w") as log:
                s.game = subprocess.Popen([s.build.wine, os.path.basename(EDITOR_EXE)], cwd=folder, env=s.env,
                                          stdout=log, stderr=subprocess.STDOUT)
            ed = Editor(s)
            lines = harness.wait_for(lambda: ed.lines(PICTURE_LIST), "the picture list")
            self.assertTrue(lines[0]["text"].startswith("1\tTiny\t"), lines[0]["text"])
            ed.key("F5")
            # Two corners fit the clues two ways: the editor asks before playing it.
            self.assertIn("검사를 통과하지 못합니다", ed.asked())
            s.key("y")
            game = s.wait_window(harness.TITLE, timeout=30)
            geo = Geometry(10, game["client"][:2])
            harness.wait_for(lambda: harness.board_is_fresh(s.screenshot(), geo), "the game's fresh board", 20)


# A .non puzzle without a goal: its clues alone make a cross two blocks thick.
CROSS_NON = ('title "Cross"\nwidth 10\nheight 10\n\nrows\n' + "2\n" * 4 + "10\n" * 2 + "2\n" * 4 +
             "\ncolumns\n" + "2\n" * 4 + "10\n" * 2 + "2\n" * 4)
CROSS = {(c, r) for c in range(10) for r in range(10) if c in (4, 5) or r in (4, 5)}


@unittest.skipUnless(os.path.exists(EDITOR_EXE), "the editor is not built")
class ImportAndExport(unittest.TestCase):
    def through_file_dialog(self, s, ed, item_key, name):
        """File menu item by its key, then a file name typed into the common
        dialog; the editor is made active first, as an earlier dialog may have
        left no window active."""
        ed.activate_after_file_dialog()
        s.xdotool("mousemove", *ed.centre(BOARD))
        s.key("alt+f")
        s.wait_menu()
        s.key(item_key)
        dialog = harness.wait_for(lambda: next((w for w in s.windows() if w["class"] == "#32770"), None),
                                  "the file dialog")
        x, y, w, h = dialog["client"]
        s.xdotool("mousemove", x + w // 2, y + h // 2)
        s.xdotool("type", name)
        s.key("Return")
        harness.wait_for(lambda: not any(w["class"] == "#32770" for w in s.windows()), "the file dialog to close")
        ed.wait_ready()  # keys sent before the editor is active again go nowhere

    def test_a_new_file_saved_as_is_the_file_the_game_deals_from(self):
        with harness.Session() as s:
            own = s.path("own")
            os.makedirs(own)
            shutil.copy(harness.GAME_EXE, own)
            ed = start_editor(s)
            ed.wait_window()
            geo = ed.geometry()
            for col, row in [(c, r) for c in range(10) for r in range(10) if (c, r) in CROSS and r < 4]:
                s.click(*geo.block_centre(col, row))
            s.drag([geo.block_centre(0, 4), geo.block_centre(9, 4)])
            s.drag([geo.block_centre(0, 5), geo.block_centre(9, 5)])
            s.drag([geo.block_centre(4, 6), geo.block_centre(4, 9)])
            s.drag([geo.block_centre(5, 6), geo.block_centre(5, 9)])
            ed.verdict_after(lambda t: t.startswith("선으로 풀림"), "the cross's verdict")
            shown = clue_strips(s.screenshot(), geo)
            # Saved as own\level10.dat: a new file has no name, so Save asks for one.
            ed.key("ctrl+s")
            ed.name_the_file("own\\level10.dat")
            saved = s.wait_file(os.path.join("own", "level10.dat"), what="the saved file")
            self.assertEqual(records(saved), [("그림 1".encode("cp949"), CROSS)])
            check = subprocess.run([LEVEL_TOOL, "check", os.path.join(own, "level10.dat")], stdout=subprocess.PIPE,
                                   stderr=subprocess.STDOUT, text=True)
            self.assertEqual(check.returncode, 0, check.stdout)
            harness.wait_for(lambda: ed.title().endswith(" - level10.dat (10 x 10)"), "the title of the saved file")

            # Closed without a question, the game started in that folder deals the cross.
            ed.close_after_file_dialog()
            self.assertIsNotNone(s.wait_exit(), "the editor ends")
            game_geo = start_game_in(s, own, 10)
            self.assertEqual(clue_strips(s.screenshot(), game_geo), shown)

    def test_file_dialogs_open_in_the_files_folder_and_export_offers_the_pictures_name(self):
        with harness.Session() as s:
            own = s.path("내 그림")
            os.makedirs(own)
            with open(os.path.join(own, "level10.dat"), "wb") as f:
                f.write(harness.level_file([("십자: 큰", CROSS)]))
            with open(os.path.join(own, "other.dat"), "wb") as f:
                f.write(harness.level_file([("Other", HALF)]))
            ed = start_editor(s, "내 그림\\level10.dat")
            harness.wait_for(lambda: names(ed) == ["십자: 큰"], "the file in its folder opened")
            # Export offers the picture's name, made a file name, in the file's folder.
            s.xdotool("mousemove", *ed.centre(BOARD))
            s.key("alt+f")
            s.wait_menu()
            s.key("e")
            harness.wait_for(lambda: any(w["class"] == "#32770" for w in s.windows()), "the export dialog")
            s.key("Return")
            exported = s.wait_file(os.path.join("내 그림", "십자_ 큰.non"), what="the picture exported by its name")
            self.assertIn(b"width 10", exported)
            harness.wait_for(lambda: not any(w["class"] == "#32770" for w in s.windows()), "the dialog to close")
            # Open starts there too: a bare name opens the file beside the open one.
            ed.activate_after_file_dialog()
            ed.key("ctrl+o")
            ed.name_the_file("other.dat")
            harness.wait_for(lambda: ed.title().endswith(" - other.dat (10 x 10)"), "the file beside it opened")

    def test_a_non_puzzle_imported_and_exported_as_a_source(self):
        with harness.Session() as s:
            s.copy_shipped_levels()
            s.write("cross.non", CROSS_NON)
            ed = start_editor(s)
            ed.wait_window()
            self.through_file_dialog(s, ed, "i", "cross.non")
            harness.wait_for(lambda: names(ed)[:3] == ["사과", "Cross", "의자"], "the cross after the first picture")
            geo = ed.geometry()
            harness.wait_for(lambda: all(block_is(s.screenshot(), geo, c, r, "covered" if (c, r) in CROSS else "broken")
                                         for c in range(10) for r in range(10)), "the cross drawn from its clues")
            self.through_file_dialog(s, ed, "e", "cross.txt")
            source = s.wait_file("cross.txt", what="the exported source").decode("utf-8").splitlines()
            self.assertEqual(source[0], "name: Cross")
            self.assertEqual(source[1:], ["".join("#" if (c, r) in CROSS else "." for c in range(10))
                                          for r in range(10)])


# A 15 x 15 plus: three full rows and three full columns through the middle.
PLUS_15 = {(c, r) for c in range(15) for r in range(15) if 6 <= c <= 8 or 6 <= r <= 8}


@unittest.skipUnless(os.path.exists(EDITOR_EXE), "the editor is not built")
def draw_plus_in_new_15_file(ed, s):
    """A new 15 x 15 file with a plus three blocks wide drawn in six strokes,
    once the verdict proves it unique; gives the board's Geometry."""
    ed.wait_window()
    ed.new_15_by_15_file()
    geo = ed.geometry(15)
    for k in (6, 7, 8):
        s.drag([geo.block_centre(0, k), geo.block_centre(14, k)])
        s.drag([geo.block_centre(k, 0), geo.block_centre(k, 14)])
    ed.verdict_after(lambda t: t.startswith("선으로 풀림: 유일한 그림"), "the plus proven unique")
    return geo


class FromNothing(unittest.TestCase):
    def test_a_15_by_15_picture_drawn_named_in_korean_saved_and_played(self):
        """A new 15 x 15 file from the menu, a picture drawn with six strokes
        and proven unique, a Korean name, saved as level15.dat in a folder
        of its own, and dealt by the game started there."""
        with harness.Session() as s:
            own = s.path("own")
            os.makedirs(own)
            shutil.copy(harness.GAME_EXE, own)
            with open(os.path.join(own, "Kabloom2.dat"), "wb") as f:
                f.write(b"[Bombagram2]\r\nSize=15\r\nRandom=0\r\n")  # the game starts at 15 x 15
            ed = start_editor(s)
            geo = draw_plus_in_new_15_file(ed, s)
            shown = clue_strips(s.screenshot(), geo)

            ed.name_first_picture("십자")
            ed.key("ctrl+s")
            ed.name_the_file("own\\level15.dat")
            saved = s.wait_file(os.path.join("own", "level15.dat"), what="the saved file")
            self.assertEqual(records(saved, 15), [("십자".encode("cp949"), PLUS_15)])
            check = subprocess.run([LEVEL_TOOL, "check", os.path.join(own, "level15.dat")], stdout=subprocess.PIPE,
                                   stderr=subprocess.STDOUT, text=True)
            self.assertEqual(check.returncode, 0, check.stdout)

            ed.close_after_file_dialog()
            self.assertIsNotNone(s.wait_exit(), "the editor ends")
            game_geo = start_game_in(s, own, 15)
            self.assertEqual(clue_strips(s.screenshot(), game_geo), shown, "the game deals the plus")

    def test_pictures_are_saved_under_another_sizes_name_only_on_a_yes(self):
        """15 x 15 pictures saved as level10.dat, which the game would read as
        10 x 10 boards: the editor asks first, in words that say so; no
        keeps the file unwritten, and the name it offers is level15.dat."""
        with harness.Session() as s:
            ed = start_editor(s)
            geo = draw_plus_in_new_15_file(ed, s)
            ed.key("ctrl+s")
            ed.name_the_file("level10.dat")
            told = ed.asked()
            self.assertIn("10 x 10 그림의 레벨 파일 이름입니다", told)
            self.assertIn("잘못 내놓습니다", told)
            s.key("n")
            ed.wait_ready()
            self.assertFalse(os.path.exists(s.path("level10.dat")))

            ed.key("ctrl+s")
            dialog = harness.wait_for(lambda: next((w for w in s.windows() if w["class"] == "#32770"), None),
                                      "the Save As dialog")
            boxes = [c["id"] for c in s.controls(dialog["title"])[1] if c["class"] == "Edit"]
            self.assertIn("level15.dat", [ed.wide_text(box, dialog["title"]) for box in boxes])
            s.key("Return")
            saved = s.wait_file("level15.dat", what="the file under its own name")
            self.assertEqual(records(saved, 15), [("그림 1".encode("cp949"), PLUS_15)])


def board_rows(img, rect):
    """The pixel rows of a screen rectangle (left, top, right, bottom), as bytes."""
    left, top, right, bottom = rect
    return [img.pixels[3 * (y * img.width + left): 3 * (y * img.width + right)] for y in range(top, bottom)]


def scaled_rows(rows, k):
    """Rows of pixels with every pixel made a k x k square."""
    out = []
    for row in rows:
        wide = b"".join(row[i: i + 3] * k for i in range(0, len(row), 3))
        out.extend([wide] * k)
    return out


class RowsView:
    """Pixel rows (bytes) read as a picture."""

    def __init__(self, rows):
        self.rows = rows

    def pixel(self, x, y):
        return tuple(self.rows[y][3 * x: 3 * x + 3])


class ScaledView:
    """A screenshot of a board drawn k times the game's size, read as the
    game's pixels: each is the top-left one of its k x k square."""

    def __init__(self, img, origin, k):
        self.img, self.origin, self.k = img, origin, k

    def pixel(self, x, y):
        ox, oy = self.origin
        return self.img.pixel(ox + (x - ox) * self.k, oy + (y - oy) * self.k)


@unittest.skipUnless(os.path.exists(EDITOR_EXE), "the editor is not built")
class ALargerBoard(unittest.TestCase):
    def test_a_maximised_editor_shows_the_game_pixels_scaled_and_draws_where_clicked(self):
        with harness.Session(width=1280, height=1024) as s:
            s.copy_shipped_levels()
            ed = start_editor(s, "level20.dat")
            harness.wait_for(lambda: ed.title().endswith(" - level20.dat (20 x 20)"), "the 20 x 20 file")
            ed.verdict_after(lambda t: t.startswith("선으로 풀림"), "the first picture's verdict")
            small = ed.controls()
            one = board_rows(s.screenshot(), small[BOARD]["rect"])
            width, height = len(one[0]) // 3, len(one)

            # A double click on the title bar maximises the window.
            left, top = ed.wait_window()["rect"][:2]
            s.xdotool("mousemove", left + 60, top + 8, "click", "--repeat", "2", "1")

            def scale():
                b = ed.controls()[BOARD]["rect"]
                k = (b[2] - b[0]) // width
                return k if k > 1 and (b[2] - b[0], b[3] - b[1]) == (k * width, k * height) else None
            k = harness.wait_for(scale, "the board in a whole larger scale", timeout=20)
            large = ed.controls()
            rect = large[BOARD]["rect"]
            s.wait_screen(lambda i: board_rows(i, rect) == scaled_rows(one, k), "the game's pixels, %d times" % k)
            for control in (PICTURE_LIST, NAME_BOX, SUGGESTIONS):
                (l0, t0, r0, b0), (l1, t1, r1, b1) = small[control]["rect"], large[control]["rect"]
                self.assertGreater(r1 - l1, r0 - l0, "control %d wider" % control)
            self.assertGreater(large[PICTURE_LIST]["rect"][3], small[PICTURE_LIST]["rect"][3], "a taller list")
            os.makedirs(SCREENSHOTS, exist_ok=True)
            s.save_png(os.path.join(SCREENSHOTS, "editor-maximised.png"))

            # A click on the scaled board sets the block under it, and no other.
            bombs = records(s.read("level20.dat"), 20)[0][1]
            col, row = next((c, r) for r in range(7, 20) for c in range(7, 20) if (c, r) not in bombs)
            geo = Geometry(20, rect[:2])
            x, y = geo.block(col, row)
            s.click(rect[0] + k * (x + 7), rect[1] + k * (y + 7))
            view = harness.wait_for(lambda: (lambda v: block_is(v, geo, col, row, "covered") and v)(
                ScaledView(s.screenshot(), rect[:2], k)), "block (%d, %d) set" % (col, row))
            for c in range(20):
                for r in range(20):
                    if (c, r) != (col, row):
                        self.assertEqual(bv.block_picture(view, geo, c, r),
                                         bv.block_picture(RowsView(one), Geometry(20), c, r), "block (%d, %d)" % (c, r))


@unittest.skipUnless(os.path.exists(EDITOR_EXE), "the editor is not built")
class DamagedFile(unittest.TestCase):
    def test_a_file_cut_short_opens_what_it_holds_and_stays_as_it_was(self):
        with harness.Session() as s:
            with open(os.path.join(harness.GEN_DIR, "level10.dat"), "rb") as f:
                whole = f.read()
            cut = whole[:3 + 4 * 33 + 10]  # four whole pictures and part of the fifth
            s.write("level10.dat", cut)
            ed = start_editor(s)
            s.wait_window(EDITOR_TITLE, timeout=30)
            told = " ".join(c["text"] for c in s.controls(EDITOR_TITLE)[1])
            self.assertIn("그림 5 안에서 끝납니다", told)
            self.assertIn("그림 4개를 읽었습니다", told)
            s.key("Return")
            ed.wait_ready()
            self.assertEqual(len(harness.wait_for(lambda: ed.lines(PICTURE_LIST), "the list")), 4)

            # A change, then closing: asked to save, answered no; the file is as it was.
            geo = ed.geometry()
            s.click(*geo.block_centre(9, 9), button=1)
            harness.wait_for(lambda: ed.title().endswith(" *"), "the unsaved star")
            s.xdotool("mousemove", *ed.centre(BOARD))
            s.key("alt+F4")
            s.wait_window(EDITOR_TITLE)
            s.key("n")
            self.assertIsNotNone(s.wait_exit(), "the editor ends")
            self.assertEqual(s.read("level10.dat"), cut)
            self.assertEqual([f for f in os.listdir(s.folder) if f.startswith("level10")], ["level10.dat"])


if __name__ == "__main__":
    unittest.main()
