// The level editor's entry: its window classes, the game's sprite sheets and
// pens for the board painter, the starting file, and the message loop with
// the editor's keys.
#include <windows.h>

#include "gdisurface.h"
#include "mainwindow.h"
#include "window.h"

// The pens of the board's frames, which the game's GDI surface draws with.
HPEN grayPen = nullptr;
HPEN whitePen = nullptr;

static void holdBoardTools(HINSTANCE instance)
{
    holdDrawingTools(instance);
    grayPen = CreatePen(PS_SOLID, 1, 0x808080);
    whitePen = CreatePen(PS_SOLID, 1, 0xFFFFFF);
}

static void releaseBoardTools()
{
    releaseDrawingTools();
    if (grayPen)
        DeleteObject(grayPen);
    if (whitePen)
        DeleteObject(whitePen);
    grayPen = whitePen = nullptr;
}

static int runMessageLoop(HWND window, HACCEL keys)
{
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(window, keys, &message) || editorKeyMessage(&message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show)
{
    holdBoardTools(instance);
    registerEditorClass(instance);
    HWND window = createEditorWindow(instance);
    if (!window)
        return 1;
    showEditorWindow(show, commandLine);
    int status = runMessageLoop(window, LoadAcceleratorsA(instance, "EDITORKEYS"));
    releaseBoardTools();
    return status;
}
