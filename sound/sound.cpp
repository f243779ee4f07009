// Placeholder until the DirectSound effects land: a silent game.
#include "sound.h"
#include "game.h"
#include "outward.h"

void setUpSound(HWND) { soundEnabled = false; }
void releaseSound() {}
void playBestTimeSound() {}
void playBreakSound(int, int) {}
void playCheckSound(int, int) {}
void playErrorSound() {}
void playHintSound() {}
