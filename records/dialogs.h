#pragma once
// The end-of-game and best-times dialogs (BEST, TOPSCORE, GAMEOVER,
// GAMEOVER1). The four run operations are declared in outward.h.
#include <windows.h>

void quitFromDialog();
