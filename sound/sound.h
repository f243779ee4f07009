#pragma once
// Sound effects through DirectSound; silent when no device can be opened.
// The per-block and event sounds of the board are declared in outward.h.
#include <windows.h>

void setUpSound(HWND window);
void releaseSound();
void playBestTimeSound();
