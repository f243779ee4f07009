"""The help wizard and the About box, driven as a player would under Wine.

F1 opens the five-page wizard over a running game; its buttons, pages and
texts are read through the probe, paging is done by clicking the wizard's own
buttons, and the seconds counter is compared on screenshots to show that the
game clock stands still while the wizard is open.
"""
import time
import unittest

import boardview as bv
import harness
from harness import Session

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


seconds_value = bv.seconds_value


class Sheet:
    """What the probe sees of the open wizard: its window and controls."""

    def __init__(self, session):
        self.window = session.help_window()
        self.controls = []
        if self.window:
            _, self.controls = session.controls(self.window["title"], or_none=True)

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
    session.xdotool("mousemove", 512, 384)  # keys go to the window under the pointer
    session.key("F1")
    session.wait_help("F1 to open the help wizard", timeout=10)


def wait_wizard_closed(session, what):
    """Waits until the wizard is gone, the game window enabled and taking input again."""
    harness.wait_for(lambda: session.help_window() is None, what)
    harness.wait_for(lambda: main_window_enabled(session), "the game window enabled again")
    session.wait_ready()


def main_window_enabled(session):
    for w in session.windows():
        if w["title"] == "Bombagram2":
            return w["enabled"] == "1"
    return False


class HelpWizard(unittest.TestCase):
    def settled_sheet(self, session, page):
        """Waits for the wizard to show the page with its buttons set."""
        want = expected_buttons(page)
        try:
            return harness.wait_for(lambda: (lambda s: s if s.buttons_of_page() == want else None)(Sheet(session)),
                                    "page %d" % page, timeout=8)
        except harness.WaitTimeout:
            got = Sheet(session)
            self.fail("page %d: wanted (page, back, next, finish) %s, saw %s"
                      % (page, want, got.buttons_of_page()))

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
            wait_wizard_closed(s, "Finish to close the wizard")
            self.assertTrue(s.running())

            # Nothing of the last visit is remembered: it opens on page 1 again.
            open_help(s)
            sheet = self.settled_sheet(s, 1)
            self.press(s, sheet, CANCEL)
            harness.wait_for(lambda: s.help_window() is None, "Cancel to close the wizard")
            self.assertTrue(s.running())

    def test_clock_stands_still_while_open(self):
        with Session() as s:
            s.write("level10.dat", harness.level_file([("Row", TOP_ROW_BOMBS)], 10))
            s.start()
            geo = s.fresh_board("F3", 10)

            def seconds():
                return seconds_value(s.screenshot(), geo)

            s.click(*geo.block_centre(4, 4))  # a free block: the clock starts
            first = seconds()
            # Catch a tick of the seconds counter: its phase is then known, so
            # the wizard opens and closes well away from the next tick.
            harness.wait_for(lambda: seconds() not in (None, first), "the seconds counter to run after a click",
                             timeout=4, interval=0.02)
            tick = time.time()
            shown = seconds()
            open_help(s)
            time.sleep(max(0.0, tick + 4.1 - time.time()))  # the wizard stays open 4 s from the tick
            s.key("Escape")
            closed = time.time()
            harness.wait_for(lambda: s.help_window() is None, "Escape to close the wizard", timeout=5)
            s.repaint()
            after = harness.wait_for(seconds, "the seconds counter back after the wizard closed", timeout=5,
                                     interval=0.05)
            read = time.time()
            # Standing still for the 4 s of the wizard, the counter has only
            # the ticks since it closed (one more if a tick slipped in as it
            # opened); running on, it would be 4 further.
            self.assertGreaterEqual(after, shown)
            self.assertLessEqual(after - shown, int(read - closed) + 2,
                                 "the seconds ran on while the wizard was open (%d then %d, %.1f s after closing)"
                                 % (shown, after, read - closed))
            harness.wait_for(lambda: (seconds() or 0) > after, "the clock to go on after the wizard closed", timeout=3)


class AboutBox(unittest.TestCase):
    def test_centred_ignores_escape_closes_on_enter(self):
        with Session(width=1024, height=768) as s:
            s.copy_shipped_levels()
            s.start()
            s.key("alt+h")
            s.wait_menu()
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
            time.sleep(1.0)  # the time given to an Escape that should do nothing
            self.assertIn(ABOUT_TITLE, [w["title"] for w in s.windows()], "Escape closed the About box")

            s.key("Return")
            harness.wait_for(lambda: ABOUT_TITLE not in s.titles(), "Enter to close the About box")
            harness.wait_for(lambda: main_window_enabled(s), "the game window enabled again")
            self.assertTrue(s.running())


if __name__ == "__main__":
    unittest.main()
