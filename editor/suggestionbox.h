#pragma once
// The suggestions list as a list to choose from: the arrows only move the
// selection, Enter or a click applies the selected suggestion.
#include <windows.h>

void holdSuggestionBox(HWND box);
