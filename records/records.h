#pragma once
// The records and settings file "Kabloom2.dat" of the current directory,
// section "Bombagram2", read and written key by key.

const int recordTextBytes = 30;  // text keys are read into this much room

struct RecordRow {
    char name[recordTextBytes];
    int seconds;
    char levelName[recordTextBytes];
};

// The path of the file into buffer; false when it does not fit.
bool recordsPath(char* buffer, int size);
void loadSettings(int* size);  // sets randomMode, gives the stored size
void saveSettings();
// readBestTime(size) is declared in outward.h.
void readRecordTable(RecordRow rows[3]);
void storeRecord(int size, const char* name, const char* timeText, const char* level);
void resetRecords();
