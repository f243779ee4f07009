#pragma once
// The main window and what it keeps for the whole run, for the parts of the
// program that draw or open dialogs over it.
#include <windows.h>

extern HWND mainWindow;
extern HINSTANCE programInstance;

// Shared pens, made at start-up and deleted by shutDown.
extern HPEN grayPen;
extern HPEN whitePen;

// Moves a window to the middle of the screen at the given size, or at its
// present size.
void moveCentred(HWND window, int width, int height);
void centreOnScreen(HWND window);

// The orderly end: cursor freed, settings saved when asked, objects released,
// sound released, the quit message posted. Runs at most once.
void shutDown(bool save);
