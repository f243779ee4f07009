#pragma once
// The main window's class and procedure: the controls it holds, where they
// stand, and the commands of its menu, buttons and keys.
#include <windows.h>

extern const char editorClassName[];
// The main window's class and its board's.
void registerEditorClass(HINSTANCE instance);
// Makes the main window, showing a new 10 x 10 file until anything is
// opened; null when it could not be made.
HWND createEditorWindow(HINSTANCE instance);
// Shows the window, then opens the file the command line names (see
// openStartingFile in documentfiles.h).
void showEditorWindow(int show, const char* commandLine);
// Tab, the arrows and Enter among the window's controls, as in a dialog;
// true when the message was such a key and is done with.
bool editorKeyMessage(MSG* message);
