#pragma once
// The main window's procedure: every message routed to one game operation.
#include <windows.h>

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
