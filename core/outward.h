#pragma once
// What the game asks of the program around it: drawing, sound, the cursor,
// dialogs, the records and the clock. The Windows
// program supplies these (ui/, sound/, records/); the unit tests supply
// recorders. No rule lives behind them.

// Board painting
void repaintBlock(int col, int row);
void requestFullRepaint();
void fitWindow(int size);

// Status panel drawing: each draws from the game values as they stand.
void drawTimeBar();
void drawHintArea();
void drawSeconds();
void drawHourglass();

// The cursor confinement of a stroke, as a client rectangle whose right and
// bottom edges are exclusive.
void confineCursor(int left, int top, int right, int bottom);
void releaseCursor();

// Sound events, raised only while soundEnabled.
void playBreakSound(int col, int row);
void playCheckSound(int col, int row);
void playErrorSound();
void playHintSound();

// End-of-game dialogs, each run to its end (inside the modal pause).
int readBestTime(int size);
void runBestDialog();      // BEST: a new best time, asks for a name
void runRecordsDialog();   // TOPSCORE: the best-times table
void runWinDialog();       // GAMEOVER1: solved without a new best time
void runLossDialog();      // GAMEOVER: the bar ran out

// The level files. Up to bytes of the level file of a size, from offset on,
// into into: the number of bytes read (fewer at the end of the file, none
// when a read fails), or -1 when the file cannot be opened. The file is
// opened and closed again within the call.
int readLevelBytes(int size, long offset, unsigned char* into, int bytes);
// Whether the bytes (one, or a lead byte and the next) are one character of
// the player's code page, one that a text call turns into a character and
// back into the same bytes.
bool isAnsiCharacter(const char* bytes, int count);
// The level reader's only message to the player (caption "error", OK only).
void showErrorBox(const char* text);
// Calendar time in whole seconds since 1970, for the board generator.
unsigned clockSeconds();
