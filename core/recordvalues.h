#pragma once
// The platform-free rules behind the records file and the end-of-game
// dialogs: which slot a board size uses, the key names, how a stored score
// text is read, how a text is cut to a byte budget without splitting a
// double-byte character, and the thumbnail's cell size.

const int noRecordSeconds = 999;  // the stored best of a slot without a record
const int recordKeyBytes = 8;      // "LName3" and its zero fit easily
const int recordsPathBytes = 300;  // the directory and "\Kabloom2.dat" must fit here
// The records and settings file of the game's folder, and its section; the
// level editor's play-test writes the settings of its scratch folder there.
const char recordsFileName[] = "Kabloom2.dat";
const char recordsSectionName[] = "Bombagram2";

// The length of directory without its closing backslash, if it has one (a
// drive's root). A backslash byte that is the second half of a double-byte
// character (0x5C is a trail byte in CP949) is no backslash; isLeadByte
// tells the first byte of a pair.
int lengthWithoutClosingBackslash(const char* directory, bool (*isLeadByte)(unsigned char));
// directory + "\" + name into buffer (size bytes), with no second backslash
// after a directory that has its own. False, and buffer untouched, when the
// whole path with its zero needs more than size bytes.
bool joinPath(const char* directory, const char* name, char* buffer, int size, bool (*isLeadByte)(unsigned char));
// directory + "\Kabloom2.dat" into buffer as joinPath does. False, and buffer
// untouched, when the whole path with its zero needs more than size or
// recordsPathBytes bytes: the game then plays without records.
bool joinRecordsPath(const char* directory, char* buffer, int size, bool (*isLeadByte)(unsigned char));

// Slot 1, 2, 3 for board sizes 10, 15, 20; any other size plays as 10.
int recordSlot(int size);
// stem + the slot digit ("Score" and 2 give "Score2") into out (recordKeyBytes).
void recordKey(char* out, const char* stem, int slot);
// The best time a stored Score text stands for: a plain decimal number of
// seconds, blanks around it allowed; anything else (absent, empty, negative,
// not a number, too large for an int) stands for no record.
int storedSeconds(const char* text);
// The number of leading bytes of text that fit in maxBytes without ending
// inside a double-byte character; isLeadByte tells the first byte of a pair.
int fittingBytes(const char* text, int maxBytes, bool (*isLeadByte)(unsigned char));
// Copies text into out (room bytes with the zero), cut as fittingBytes does.
void copyFitting(char* out, int room, const char* text, bool (*isLeadByte)(unsigned char));
// The edge in pixels of one cell of the 60 x 60 solution thumbnail.
int thumbCell(int size);
