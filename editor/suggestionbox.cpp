#include "suggestionbox.h"

static WNDPROC plainListProc = nullptr;

// The window the box stands in is told, as by any notification of a list.
static void tellSuggestionChosen(HWND box)
{
    SendMessageA(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), suggestionChosen),
                 reinterpret_cast<LPARAM>(box));
}

// Enter is the list's own key while it has the focus, not the window's.
static LRESULT enterKeyCode(LPARAM message)
{
    const MSG* key = reinterpret_cast<const MSG*>(message);
    return key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0;
}

// A click applies the line it lands on: the list has selected that line by
// the time the button goes up.
static bool onALine(HWND box, LPARAM position)
{
    const LRESULT hit = SendMessageA(box, LB_ITEMFROMPOINT, 0, position);
    return HIWORD(hit) == 0 && static_cast<LRESULT>(LOWORD(hit)) == SendMessageA(box, LB_GETCURSEL, 0, 0);
}

static LRESULT CALLBACK suggestionBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE: return enterKeyCode(lParam) | CallWindowProcA(plainListProc, box, message, wParam, lParam);
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            tellSuggestionChosen(box);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == '\r')
            return 0;  // handled at the key's going down; no beep
        break;
    case WM_LBUTTONUP: {
        const LRESULT result = CallWindowProcA(plainListProc, box, message, wParam, lParam);
        if (onALine(box, lParam))
            tellSuggestionChosen(box);
        return result;
    }
    }
    return CallWindowProcA(plainListProc, box, message, wParam, lParam);
}

void holdSuggestionBox(HWND box)
{
    plainListProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(suggestionBoxProc)));
}
