#pragma once
// The main window's class and procedure: the controls it holds, where they
// stand, and the commands of its menu, buttons and keys.
#include <windows.h>

extern const char editorClassName[];
void registerEditorClass(HINSTANCE instance);
// Makes the main window; null when it could not be made.
HWND createEditorWindow(HINSTANCE instance);
// Tab, the arrows and Enter among the window's controls, as in a dialog;
// true when the message was such a key and is done with.
bool editorKeyMessage(MSG* message);
