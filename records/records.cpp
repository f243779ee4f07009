// Placeholder until the records file lands: defaults only.
#include "records.h"
#include "outward.h"
#include "game.h"

bool recordsPath(char*, int) { return false; }
void loadSettings(int* size) { randomMode = 0; *size = 10; }
void saveSettings() {}
int readBestTime(int) { return 999; }
void readRecordTable(RecordRow*) {}
void storeRecord(int, const char*, const char*, const char*) {}
void resetRecords() {}
