// Program entry: the window class, the main window, the timers and shared
// objects, sound, and the message loop with the function keys.
#include "windowproc.h"
#include "gdisurface.h"
#include "sprites.h"
#include "window.h"
#include "sound.h"

const char windowClassName[] = "Bombagram2";
const COLORREF backgroundColour = 0xC0C0C0;

static void registerWindowClass(HINSTANCE instance)
{
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;  // a change of size repaints everything
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "ZEMB");
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = CreateSolidBrush(backgroundColour);
    windowClass.lpszMenuName = "ZEMBMENU";
    windowClass.lpszClassName = windowClassName;
    RegisterClassA(&windowClass);
}

static void loadDrawingObjects(HINSTANCE instance)
{
    holdDrawingTools(instance);
    grayPen = CreatePen(PS_SOLID, 1, 0x808080);
    whitePen = CreatePen(PS_SOLID, 1, 0xFFFFFF);
}

static int runMessageLoop(HACCEL keys)
{
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(mainWindow, keys, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    programInstance = instance;
    registerWindowClass(instance);
    GetAsyncKeyState(VK_CONTROL);  // forget a Ctrl press made before the game started
    // WM_CREATE sets mainWindow and deals the first board.
    CreateWindowExA(0, windowClassName, windowClassName, WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                    320, 200, nullptr, nullptr, instance, nullptr);
    if (!mainWindow)
        return 1;  // nothing to play in
    SetTimer(mainWindow, 1, 100, nullptr);
    SetTimer(mainWindow, 2, 1000, nullptr);
    loadDrawingObjects(instance);
    setUpSound(mainWindow);
    ShowWindow(mainWindow, show);
    UpdateWindow(mainWindow);
    SetFocus(mainWindow);
    return runMessageLoop(LoadAcceleratorsA(instance, "ACCEL"));
}
