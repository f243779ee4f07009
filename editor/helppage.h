#pragma once
// F1: one page of help in Korean: drawing, reading the verdict, the suggestions.
#include <windows.h>

void showHelpPage(HWND owner);
