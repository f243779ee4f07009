// Placeholder until the end-of-game dialogs land: the game goes straight on.
#include "dialogs.h"
#include "outward.h"

void centreOnScreen(HWND) {}
void quitFromDialog() {}
void runBestDialog() {}
void runRecordsDialog() {}
void runWinDialog() {}
void runLossDialog() {}
