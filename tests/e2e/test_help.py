"""The help wizard and the About box, driven as a player would under Wine.

F1 opens the five-page wizard over a running game; its buttons, pages and
texts are read through the probe, paging is done by clicking the wizard's own
buttons, and the seconds counter is compared on screenshots to show that the
game clock stands still while the wizard is open.
"""
import time
import unittest

import boardview as bv
from harness import Session

# The sheet's caption; under wizard paging the window shows the title of the
# page's template instead, which differs only in case and a trailing blank.
SHEET_TITLES = ("How To Play Bombagram 2", "How to play Bombagram 2 ")
ABOUT_TITLE = "About Bombagram 2"
BACK, NEXT, FINISH, CANCEL = 12323, 12324, 12325, 2

# The pictures each page shows, by bitmap name.
PAGE_PICTURES = [{"HELP0"}, {"HELP1", "HELP2"}, {"HELP3", "HELP4"}, {"HELP5", "HELP6"}, {"HELP7"}]

FIRST_PAGE_TEXTS = [
    "현재 경과된 시간 \n종료시 점수로 사용.",
    "폭탄이 있다고 표시한 블럭\n마우스 오른쪽버튼으로 체크\n다시 클릭시 지워짐",
    "원래상태의 블럭\n왼쪽버튼 - 부수기\n오른쪽버튼 - 체크표시",
    "부서진 블럭",
    "현재 남은시간 표시\n끝까지 줄어들면 게임종료(실패)\n폭탄위에서 왼쪽버튼(부수기) 클릭시 감소.\n"
    "폭탄위에서 오른쪽버튼(체크) 클릭시 증가.\n폭탄없는 블럭위에서 왼쪽버튼 클릭시 증가.",
    "현재 남은 헬프갯수 표시\nCtrl+클릭으로 사용\n상하좌우로 폭탄을 찾아줌.",
]

# A 10 x 10 picture with a full top row of bombs: the rest are free blocks.
TOP_ROW_BOMBS = {(c, 0) for c in range(10)}


def seconds_value(img, geo):
    """The seconds counter as a number, or None while it shows no digits."""
    cells = bv.seconds_shown(img, geo)
    if None in cells:
        return None
    return int("".join("0" if c == 10 else str(c) for c in cells))


def sheet_window(session):
    for w in session.windows():
        if w["title"] in SHEET_TITLES:
            return w
    return None


def wait_until(check, timeout=10.0, pause=0.2):
    """The first true result of check(), or the last false one at the timeout."""
    deadline = time.time() + timeout
    result = check()
    while not result and time.time() < deadline:
        time.sleep(pause)
        result = check()
    return result


class Sheet:
    """What the probe sees of the open wizard: its window and controls."""

    def __init__(self, session):
        self.window = sheet_window(session)
        self.controls = []
        if self.window:
            _, self.controls = session.controls(self.window["title"])

    def button(self, ident):
        for c in self.controls:
            if c["class"] == "Button" and int(c["id"]) == ident:
                return c
        return None

    def offers(self, ident):
        b = self.button(ident)
        return b is not None and b["visible"] == "1" and b["enabled"] == "1"

    def shows(self, ident):
        b = self.button(ident)
        return b is not None and b["visible"] == "1"

    def pictures(self):
        return {c["text"] for c in self.controls
                if c["class"] == "Static" and c["visible"] == "1" and c["text"].startswith("HELP")}

    def texts(self):
        """The texts of the page shown (the sheet's own statics have ids)."""
        return [c["text"] for c in self.controls
                if c["class"] == "Static" and c["visible"] == "1" and int(c["id"]) == 65535
                and not c["text"].startswith("HELP")]

    def page(self):
        """The page number 1 to 5 shown, by its pictures; 0 when unknown."""
        shown = self.pictures()
        for number, pictures in enumerate(PAGE_PICTURES, 1):
            if shown == pictures:
                return number
        return 0

    def buttons_of_page(self):
        """(page, Back offered, Next offered, Finish offered)."""
        return self.page(), self.offers(BACK), self.offers(NEXT), self.offers(FINISH)


def expected_buttons(page):
    return page, page > 1, page < 5, page == 5


def click_centre(session, control):
    left, top, right, bottom = control["rect"]
    session.click((left + right) // 2, (top + bottom) // 2)


def open_help(session):
    session.key("F1")
    ok = wait_until(lambda: sheet_window(session) is not None)
    if not ok:
        raise AssertionError("F1 did not open the help wizard")


def main_window_enabled(session):
    for w in session.windows():
        if w["title"] == "Bombagram2":
            return w["enabled"] == "1"
    return False


class HelpWizard(unittest.TestCase):
    def settled_sheet(self, session, page):
        """Waits for the wizard to show the page with its buttons set."""
        want = expected_buttons(page)
        sheet = wait_until(lambda: (lambda s: s if s.buttons_of_page() == want else None)(Sheet(session)),
                           timeout=8)
        if not sheet:
            got = Sheet(session)
            self.fail("page %d: wanted (page, back, next, finish) %s, saw %s"
                      % (page, want, got.buttons_of_page()))
        return sheet

    def press(self, session, sheet, ident):
        button = sheet.button(ident)
        self.assertIsNotNone(button, "no button %d on the wizard" % ident)
        click_centre(session, button)

    def test_paging_buttons_and_texts(self):
        with Session() as s:
            s.copy_shipped_levels()
            s.start()
            open_help(s)

            sheet = self.settled_sheet(s, 1)
            self.assertFalse(sheet.shows(FINISH), "Finish shows on page 1")
            self.assertTrue(sheet.offers(CANCEL))
            self.assertEqual(sorted(sheet.texts()), sorted(FIRST_PAGE_TEXTS))
            self.assertFalse(main_window_enabled(s), "the game window takes input under the wizard")

            for page in (2, 3, 4, 5):
                self.press(s, sheet, NEXT)
                sheet = self.settled_sheet(s, page)
                texts = sheet.texts()
                self.assertGreaterEqual(len(texts), 4, "page %d lacks its texts" % page)
                self.assertTrue(any(t.strip() for t in texts), "page %d is blank" % page)
                if page == 2:
                    self.assertIn("마우스 왼쪽 버튼으로 쭉~~ 긋고 내려오면 됩니다.", texts)
                if page == 5:
                    self.assertTrue(any("그림판 사용" in t for t in texts), "page 5 does not name the menu item")
                    self.assertFalse(sheet.shows(NEXT), "Next still shows beside Finish")

            self.press(s, sheet, BACK)
            sheet = self.settled_sheet(s, 4)
            self.assertFalse(sheet.shows(FINISH), "Finish still shows after going back")
            self.press(s, sheet, NEXT)
            sheet = self.settled_sheet(s, 5)
            self.press(s, sheet, FINISH)
            self.assertTrue(wait_until(lambda: sheet_window(s) is None), "Finish left the wizard open")
            self.assertTrue(wait_until(lambda: main_window_enabled(s)), "the game window stays disabled")
            self.assertTrue(s.running())

            # Nothing of the last visit is remembered: it opens on page 1 again.
            open_help(s)
            sheet = self.settled_sheet(s, 1)
            self.press(s, sheet, CANCEL)
            self.assertTrue(wait_until(lambda: sheet_window(s) is None), "Cancel left the wizard open")
            self.assertTrue(s.running())

    def test_clock_stands_still_while_open(self):
        with Session() as s:
            s.write("level10.dat", bv.level_file(10, [("Row", bv.grid_from_rows(10, TOP_ROW_BOMBS))]))
            s.start()
            s.key("F3")  # a fresh 10 x 10 picture board
            time.sleep(1.0)
            x, y, _, _ = s.client_origin()
            geo = bv.Geometry(10, (x, y))

            def seconds():
                return seconds_value(s.screenshot(), geo)

            s.click(*geo.block_centre(4, 4))  # a free block: the clock starts
            first = seconds()
            # Catch a tick of the seconds counter: its phase is then known, so
            # the wizard opens and closes well away from the next tick.
            changed = wait_until(lambda: seconds() not in (None, first), timeout=4, pause=0.02)
            self.assertTrue(changed, "the seconds counter did not run after a click on the board")
            tick = time.time()
            shown = seconds()
            open_help(s)
            while time.time() < tick + 4.1:
                time.sleep(0.02)
            s.key("Escape")
            closed = time.time()
            self.assertTrue(wait_until(lambda: sheet_window(s) is None, timeout=5), "Escape left the wizard open")
            s.probe("repaint", "Bombagram2")
            after = wait_until(seconds, timeout=5, pause=0.05)
            read = time.time()
            self.assertIsNotNone(after, "the seconds counter did not come back after the wizard closed")
            # Standing still for the 4 s of the wizard, the counter has only
            # the ticks since it closed (one more if a tick slipped in as it
            # opened); running on, it would be 4 further.
            self.assertGreaterEqual(after, shown)
            self.assertLessEqual(after - shown, int(read - closed) + 2,
                                 "the seconds ran on while the wizard was open (%d then %d, %.1f s after closing)"
                                 % (shown, after, read - closed))
            self.assertTrue(wait_until(lambda: (seconds() or 0) > after, timeout=3, pause=0.1),
                            "the clock did not go on after the wizard closed")


class AboutBox(unittest.TestCase):
    def test_centred_ignores_escape_closes_on_enter(self):
        with Session(width=1024, height=768) as s:
            s.copy_shipped_levels()
            s.start()
            s.key("alt+h")
            time.sleep(0.5)
            s.key("a")
            about = s.wait_window(ABOUT_TITLE, timeout=10)

            left, top, right, bottom = about["rect"]
            width, height = right - left, bottom - top
            self.assertEqual((left, top), (512 - width // 2, 384 - height // 2), "the About box is not centred")

            _, controls = s.controls(ABOUT_TITLE)
            texts = [c["text"] for c in controls]
            self.assertIn("Bombagram 2", texts)
            ok = [c for c in controls if c["class"] == "Button" and int(c["id"]) == 1]
            self.assertEqual(len(ok), 1, "no OK button with id 1")
            self.assertEqual(ok[0]["text"], "확인")
            self.assertEqual(int(ok[0]["style"], 16) & 0xF, 1, "OK is not the default button")

            s.key("Escape")
            time.sleep(1.0)
            self.assertIn(ABOUT_TITLE, [w["title"] for w in s.windows()], "Escape closed the About box")

            s.key("Return")
            self.assertTrue(wait_until(lambda: ABOUT_TITLE not in [w["title"] for w in s.windows()]),
                            "Enter left the About box open")
            self.assertTrue(wait_until(lambda: main_window_enabled(s)), "the game window stays disabled")
            self.assertTrue(s.running())


if __name__ == "__main__":
    unittest.main()
