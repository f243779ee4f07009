#include "nameedit.h"

#include <string>

#include "ansitext.h"
#include "editorids.h"
#include "editorwindow.h"

static WNDPROC plainEditProc = nullptr;
static std::string acceptedText;  // the box's last text within the rules, ANSI
static bool settingText = false;  // the box's text is being set, not typed

static HWND nameBox() { return editorControl(IDC_NAME); }

static void setBoxText(const std::string& ansi)
{
    settingText = true;
    SetWindowTextA(nameBox(), ansi.c_str());
    settingText = false;
    acceptedText = ansi;
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
    setBoxText(ansiFromUtf8(name));
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
    const std::string typed = windowAnsiText(nameBox());
    const std::string utf8 = utf8FromAnsi(typed);
    if (nameBytesLeft(utf8) < 0 || holdsControlByte(typed)) {
        MessageBeep(MB_ICONWARNING);
        setBoxText(acceptedText);
        const LPARAM caret = static_cast<LPARAM>(acceptedText.size());
        SendMessageA(nameBox(), EM_SETSEL, caret, caret);
        return;
    }
    acceptedText = typed;
    showBytesLeft(utf8);
}

void commitName()
{
    const Level* picture = selectedPicture(editorDocument());
    if (!picture)
        return;
    const std::string utf8 = utf8FromAnsi(windowAnsiText(nameBox()));
    if (utf8 == picture->name)
        return;
    const std::string problem = renamePicture(changeDocument(), utf8);
    if (!problem.empty()) {
        setBoxText(ansiFromUtf8(picture->name));
        showNameProblem(problem);
        return;
    }
    nameChanged();
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
