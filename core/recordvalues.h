#pragma once
// The platform-free rules behind the records file and the end-of-game
// dialogs: which slot a board size uses, the key names, how a stored score
// text is read, how a text is cut to a byte budget without splitting a
// double-byte character, and the thumbnail's cell size.

const int noRecordSeconds = 999;  // the stored best of a slot without a record
const int recordKeyBytes = 8;      // "LName3" and its zero fit easily
// The records and settings file of the game's folder, and its section; the
// level editor's play-test writes the settings of its scratch folder there.
const char recordsFileName[] = "Kabloom2.dat";
const char recordsSectionName[] = "Bombagram2";
// The game names the file relative to the current directory: the folder's
// full path never passes through the ANSI code page, which cannot spell
// every folder name, and no folder is too deep for a buffer. The profile
// calls take a name without a backslash as one of the Windows folder.
const char recordsFilePath[] = ".\\Kabloom2.dat";

// The length of directory without its closing backslash, if it has one (a
// drive's root). A backslash byte that is the second half of a double-byte
// character (0x5C is a trail byte in CP949) is no backslash; isLeadByte
// tells the first byte of a pair.
int lengthWithoutClosingBackslash(const char* directory, bool (*isLeadByte)(unsigned char));
// directory + "\" + name into buffer (size bytes), with no second backslash
// after a directory that has its own. False, and buffer untouched, when the
// whole path with its zero needs more than size bytes.
bool joinPath(const char* directory, const char* name, char* buffer, int size, bool (*isLeadByte)(unsigned char));

// Slot 1, 2, 3 for board sizes 10, 15, 20; any other size plays as 10.
int recordSlot(int size);
// stem + the slot digit ("Score" and 2 give "Score2") into out (recordKeyBytes).
void recordKey(char* out, const char* stem, int slot);
// The best time a stored Score text stands for: a plain decimal number of
// seconds, blanks around it allowed; anything else (absent, empty, negative,
// not a number, too large for an int) stands for no record.
int storedSeconds(const char* text);
// Whether a new best time (the time text the BEST dialog shows) still beats
// the Score text the file holds at the moment it is to be stored: another
// copy of the game in the same folder may have stored a faster or equal time
// since the win was judged.
bool beatsStoredTime(const char* timeText, const char* storedText);
// The number of leading bytes of text that fit in maxBytes without ending
// inside a double-byte character; isLeadByte tells the first byte of a pair.
int fittingBytes(const char* text, int maxBytes, bool (*isLeadByte)(unsigned char));
// Copies text into out (room bytes with the zero), cut as fittingBytes does.
void copyFitting(char* out, int room, const char* text, bool (*isLeadByte)(unsigned char));
// The edge in pixels of one cell of the 60 x 60 solution thumbnail.
int thumbCell(int size);
