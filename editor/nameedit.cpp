#include "nameedit.h"

#include <string>

#include "ansitext.h"
#include "editorids.h"
#include "editorwindow.h"

static WNDPROC plainEditProc = nullptr;
static std::string acceptedText;  // the box's last text within the rules, UTF-8
static bool settingText = false;  // the box's text is being set, not typed

static HWND nameBox() { return editorControl(IDC_NAME); }

// The box is read and set wide: a character CP949 lacks stays what it is
// until the rules refuse it, instead of turning into a look-alike.
static void setBoxText(const std::string& utf8)
{
    settingText = true;
    setWindowUtf8Text(nameBox(), utf8);
    settingText = false;
    acceptedText = utf8;
}

static void showBytesLeft(const std::string& utf8)
{
    const std::string text = "남은 바이트: " + std::to_string(nameBytesLeft(utf8));
    SetDlgItemTextA(editorWindow(), IDC_NAMELEFT, text.c_str());
}

static void showNameProblem(const std::string& utf8Problem)
{
    SetDlgItemTextA(editorWindow(), IDC_NAMELEFT, ansiFromUtf8(utf8Problem).c_str());
}

void showSelectedName()
{
    const Level* picture = selectedPicture(editorDocument());
    const std::string name = picture ? picture->name : "";
    setBoxText(name);
    showBytesLeft(name);
}

static bool holdsControlByte(const std::string& text)
{
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F)
            return true;
    return false;
}

void nameTyped()
{
    if (settingText)
        return;
    const std::string typed = windowUtf8Text(nameBox());
    if (nameBytesLeft(typed) < 0 || holdsControlByte(typed)) {
        MessageBeep(MB_ICONWARNING);
        setBoxText(acceptedText);
        const LPARAM caret = GetWindowTextLengthW(nameBox());
        SendMessageW(nameBox(), EM_SETSEL, caret, caret);
        return;
    }
    acceptedText = typed;
    showBytesLeft(typed);
}

// A refused name stays in the box, to be mended, and the picture keeps its
// own; the box says why.
void commitName()
{
    const Level* picture = selectedPicture(editorDocument());
    if (!picture)
        return;
    const std::string typed = windowUtf8Text(nameBox());
    if (typed == picture->name)
        return;
    const std::string problem = renamePicture(changeDocument(), typed);
    if (!problem.empty()) {
        showNameProblem(problem);
        return;
    }
    nameChanged();
}

std::string refusedName()
{
    const Level* picture = selectedPicture(editorDocument());
    const std::string typed = windowUtf8Text(nameBox());
    if (!picture || typed == picture->name || typed.find_first_not_of(' ') == std::string::npos)
        return std::string();
    return typed;
}

// Enter names the picture; Tab still moves on to the next control.
static LRESULT enterKeyCode(LPARAM message)
{
    const MSG* key = reinterpret_cast<const MSG*>(message);
    return key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0;
}

static LRESULT CALLBACK nameBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE: return enterKeyCode(lParam) | CallWindowProcW(plainEditProc, box, message, wParam, lParam);
    case WM_CHAR:
        if (wParam == '\r' || wParam == '\n')
            return 0;  // Enter names the picture; no beep
        break;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            commitName();
            return 0;
        }
        break;
    }
    return CallWindowProcW(plainEditProc, box, message, wParam, lParam);
}

// A wide procedure: an ANSI one would see a Korean character as two bytes
// and hand the box each alone, which the box cannot read.
void holdNameBox(HWND box)
{
    plainEditProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(nameBoxProc)));
}
