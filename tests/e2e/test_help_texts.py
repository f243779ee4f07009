"""The help pages and the About box as written in resources/help.rc, read
without Wine: captions, sizes, fonts, the pictures and where every text sits.
A template that drifts from the layout the game expects fails here in a
fraction of a second, before the slower wizard walk under Wine.
"""
import os
import re
import tempfile
import unittest

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SCRIPT = os.path.join(REPO, "resources", "help.rc")

TOKEN = re.compile(r'\s*(?:"((?:[^"]|"")*)"|([^\s,"]+)|(,))')


def unquote(text):
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            out.append({"n": "\n", "t": "\t", "\\": "\\", '"': '"'}.get(text[i + 1], "\\" + text[i + 1]))
            i += 2
            continue
        if c == '"' and text[i + 1:i + 2] == '"':
            out.append('"')
            i += 2
            continue
        out.append(c)
        i += 1
    return "".join(out)


def fields(line):
    """The comma-separated fields of one statement; quoted strings unquoted."""
    items, current, pos = [], [], 0
    while pos < len(line):
        m = TOKEN.match(line, pos)
        if not m or m.end() == pos:
            break
        pos = m.end()
        if m.group(3):
            items.append(" ".join(current))
            current = []
        elif m.group(1) is not None:
            current.append(unquote(m.group(1)))
        else:
            current.append(m.group(2))
    items.append(" ".join(current))
    return [i.strip() for i in items]


def read_templates(path=SCRIPT):
    """{name: {"rect", "caption", "font", "style", "controls": [...]}}."""
    templates, current, inside = {}, None, False
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.strip()
            if not line or line.startswith(("//", "#")):
                continue
            head = re.match(r'^"?(\w+)"?\s+DIALOG\s+(.*)$', line)
            if head:
                current = {"rect": tuple(int(v) for v in fields(head.group(2))), "controls": []}
                templates[head.group(1)] = current
                continue
            word, _, rest = line.partition(" ")
            if word == "BEGIN":
                inside = True
            elif word == "END":
                inside, current = False, None
            elif current is not None and not inside and word in ("CAPTION", "FONT", "STYLE"):
                current[word.lower()] = fields(rest) if word == "FONT" else (
                    unquote(rest.strip()[1:-1]) if word == "CAPTION" else rest.strip())
            elif current is not None and inside:
                current["controls"].append(control(word, fields(rest)))
    return templates


def control(kind, items):
    """One control statement as kind, text, id, (x, y, w, h) and style."""
    if kind == "CONTROL":  # text, id, class, style, x, y, w, h
        return {"kind": kind, "text": items[0], "id": items[1], "class": items[2], "style": items[3],
                "rect": tuple(int(v) for v in items[4:8])}
    style = items[6] if len(items) > 6 else ""
    return {"kind": kind, "text": items[0], "id": items[1], "class": "", "style": style,
            "rect": tuple(int(v) for v in items[2:6])}


def pictures(template):
    return [(c["text"], c["rect"][:2]) for c in template["controls"] if "SS_BITMAP" in c["style"]]


def texts(template):
    return [c for c in template["controls"] if c["kind"] in ("LTEXT", "CTEXT", "RTEXT")]


PAGES = ["HELP", "HELP1", "HELP2", "HELP3", "HELP4"]
PAGE_SIZES = [(306, 181), (330, 177), (330, 177), (330, 177), (331, 177)]


class HelpPages(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.templates = read_templates()

    def test_every_page_has_the_wizard_caption_font_and_size(self):
        for name, size in zip(PAGES, PAGE_SIZES):
            with self.subTest(page=name):
                page = self.templates[name]
                self.assertEqual(page["caption"], "How to play Bombagram 2 ")
                self.assertEqual(page["font"], ["9", "굴림"])
                self.assertEqual(page["rect"][2:], size)
                self.assertIn("WS_CHILD", page["style"])

    def test_first_page_labels_the_game_window(self):
        page = self.templates["HELP"]
        self.assertEqual(pictures(page), [("HELP0", (0, 0))])
        boxes = [(c["rect"], c["text"]) for c in texts(page)]
        self.assertEqual([r for r, _ in boxes], [(133, 10, 151, 17), (133, 32, 151, 26), (133, 62, 151, 25),
                                                 (133, 92, 151, 9), (133, 105, 151, 42), (133, 151, 151, 25)])
        self.assertEqual(boxes[0][1], "현재 경과된 시간 \n종료시 점수로 사용.")
        self.assertEqual(boxes[3][1], "부서진 블럭")
        self.assertEqual(boxes[4][1].count("\n"), 4)
        self.assertTrue(all("SS_SUNKEN" in c["style"] for c in texts(page)))

    def test_step_pages_show_two_pictures_and_four_texts(self):
        for number, name in enumerate(PAGES[1:4]):
            with self.subTest(page=name):
                page = self.templates[name]
                first = 2 * number + 1
                self.assertEqual(pictures(page), [("HELP%d" % first, (0, 0)), ("HELP%d" % (first + 1), (0, 94))])
                self.assertEqual([c["rect"] for c in texts(page)],
                                 [(77, 1, 252, 32), (77, 33, 252, 42), (77, 94, 252, 32), (77, 126, 252, 42)])
        steps = [c["text"] for c in texts(self.templates["HELP1"])]
        self.assertEqual(steps[3], "마우스 왼쪽 버튼으로 쭉~~ 긋고 내려오면 됩니다.")
        self.assertEqual(texts(self.templates["HELP3"])[3]["text"], "")

    def test_last_page_ends_with_the_notes(self):
        page = self.templates["HELP4"]
        self.assertEqual(pictures(page), [("HELP7", (0, 0))])
        boxes = texts(page)
        self.assertEqual([c["rect"] for c in boxes[1:]], [(77, 43, 247, 25), (77, 69, 247, 26), (17, 109, 296, 64)])
        self.assertIn("그림판 사용", boxes[2]["text"])
        self.assertTrue(all(c["text"].strip() for c in boxes))


class AboutTemplate(unittest.TestCase):
    def setUp(self):
        self.about = read_templates()["ABOUT"]

    def test_frame(self):
        self.assertEqual(self.about["rect"], (0, 0, 159, 209))
        self.assertEqual(self.about["caption"], "About Bombagram 2")
        self.assertEqual(self.about["font"], ["9", "굴림체"])
        self.assertNotIn("WS_SYSMENU", self.about["style"])

    def test_controls(self):
        controls = self.about["controls"]
        ok = [c for c in controls if c["kind"] == "DEFPUSHBUTTON"]
        self.assertEqual([(c["id"], c["rect"], c["text"]) for c in ok], [("IDOK", (89, 184, 61, 19), "확인")])
        icon = [c for c in controls if c["kind"] == "ICON"]
        self.assertEqual([(c["text"], c["rect"][:2]) for c in icon], [("ZEMB", (5, 6))])
        name = [c for c in controls if c["text"] == "Bombagram 2"]
        self.assertEqual([c["rect"] for c in name], [(29, 13, 61, 8)])
        lines = [c["rect"] for c in controls if c["kind"] == "CONTROL" and c["text"] == "" and "SS_SUNKEN" in c["style"]]
        self.assertEqual(lines, [(9, 73, 141, 1), (9, 124, 141, 1)])
        dedication = [c for c in controls if c["kind"] == "CTEXT"]
        self.assertEqual([c["rect"] for c in dedication], [(9, 134, 141, 41)])
        self.assertIn("SS_SUNKEN", dedication[0]["style"])
        self.assertTrue(dedication[0]["text"].strip())

    def test_credit_lines_sit_in_their_band(self):
        credits = [c for c in self.about["controls"] if c["kind"] == "LTEXT" and c["text"] != "Bombagram 2"]
        self.assertGreaterEqual(len(credits), 3)
        for c in credits:
            x, y, _, _ = c["rect"]
            self.assertTrue(7 <= x <= 20 and 31 <= y <= 109, "%r at %d, %d" % (c["text"], x, y))


class PlayerFacingLines(unittest.TestCase):
    def test_about_box_and_last_page_tell_where_the_records_live(self):
        templates = read_templates()
        for name in ("ABOUT", "HELP4"):
            with self.subTest(template=name):
                words = " ".join(c["text"] for c in texts(templates[name]))
                self.assertIn("Kabloom2.dat", words)
                for developer_word in ("README", "저장소", "main 폴더"):
                    self.assertNotIn(developer_word, words)


class ParserChecks(unittest.TestCase):
    """The reader itself: a wrong parse would make the checks above meaningless."""

    def test_fields_and_escapes(self):
        self.assertEqual(fields('"a, ""b""\\nc", -1, 77, 1, 252, 32, SS_SUNKEN'),
                         ['a, "b"\nc', "-1", "77", "1", "252", "32", "SS_SUNKEN"])
        self.assertEqual(fields('9, "굴림"'), ["9", "굴림"])
        self.assertEqual(fields('"", -1, "Static", SS_SUNKEN | WS_GROUP, 9, 73, 141, 1'),
                         ["", "-1", "Static", "SS_SUNKEN | WS_GROUP", "9", "73", "141", "1"])

    def test_reads_a_small_script(self):
        with tempfile.NamedTemporaryFile("w", suffix=".rc", encoding="utf-8", delete=False) as f:
            path = f.name
            f.write('// sample\n"HELP" DIALOG 0, 0, 10, 20\nCAPTION "x "\nFONT 9, "굴림"\nBEGIN\n'
                    '    LTEXT "a\\nb", -1, 1, 2, 3, 4\nEND\n')
        try:
            got = read_templates(path)
        finally:
            os.remove(path)
        self.assertEqual(list(got), ["HELP"])
        self.assertEqual(got["HELP"]["caption"], "x ")
        self.assertEqual(got["HELP"]["controls"][0]["text"], "a\nb")
        self.assertEqual(got["HELP"]["controls"][0]["rect"], (1, 2, 3, 4))


if __name__ == "__main__":
    unittest.main()
