#pragma once
// The suggestions list as a list to choose from: the arrows only move the
// selection, Enter or a click chooses the selected suggestion. The box tells
// its window so with WM_COMMAND and the notification below; the window
// applies it.
#include <windows.h>

const WORD suggestionChosen = 0x100;

void holdSuggestionBox(HWND box);
