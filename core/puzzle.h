#pragma once
// The two puzzle sources: the seeded random generator and the picture level
// files "level10.dat", "level15.dat", "level20.dat" of the current directory.

void seedRandom(unsigned seed);
int nextRandom();  // 0 .. 32767

void fillBoardFromSource(int size);
void makeRandomBoard(int size);
void makePictureBoard(int size);

// The level count of the file for a size, or -1 when the file could not be
// opened or its header read (a message box has then been shown).
int readLevelCount(int size);
// Record index of the file: 20 name bytes into name, the picture into the
// top-left size x size part of solution; bytes not read keep their presets
// (blanks and a zero, no bombs). Bytes below 0x20 in the name become blanks.
// True when the file held the whole record.
bool readLevelRecord(int size, int index, char* name);
