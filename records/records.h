#pragma once
// The records and settings file "Kabloom2.dat" of the current directory,
// section "Bombagram2", read and written key by key. Nothing is cached, so a
// dialog shows what the file holds. A file that cannot be had (a folder too
// deep for the platform) gives the defaults, and its writes are dropped.

#include "recordvalues.h"

const int recordTextBytes = 30;   // text keys are read into this much room

struct RecordRow {
    char name[recordTextBytes];
    int seconds;
    char levelName[recordTextBytes];
};

// Whether a byte begins a double-byte character in the system's code page.
bool ansiLeadByte(unsigned char c);
void loadSettings(int* size);  // sets randomMode, gives the stored size
void saveSettings();
// readBestTime(size) is declared in outward.h.
void readRecordTable(RecordRow rows[3]);
// The rows of a table without records ("이름없음", 999, "이름없음").
void defaultRecordTable(RecordRow rows[3]);
void storeRecord(int size, const char* name, const char* timeText, const char* level);
void resetRecords();
