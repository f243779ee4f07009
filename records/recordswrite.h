#pragma once
// A group of writes to the records file that lands whole or not at all.
// The keys are written with the private-profile calls to a copy beside the
// file; the copy is read back, and only when it holds everything the file
// held and every key written does it take the file's place, in one step.
// Otherwise the file stays exactly as it was, and the game plays on.
// Where no copy may be made beside the file but the file may be written, the
// keys are written into the file itself.
//
// Two copies of the game may play in one folder. A write holds a lock from
// its beginning to its end, so the other copy's write waits and then starts
// from the newest file: each applies only its own keys, and neither is lost.
// Each write makes its copy under a name of its own.

#include <string>
#include <vector>

#include <windows.h>

#include "recordvalues.h"

struct RecordsSnapshot {
    std::vector<std::string> sections;              // section names, in file order
    std::vector<std::vector<std::string>> entries;  // each section's "key=value" lines
};

struct RecordsWrite {
    const char* section;
    const char* path;
    char copy[MAX_PATH];
    HANDLE lock;  // the folder's write lock, INVALID_HANDLE_VALUE when not held
    bool copyMade;
    DWORD copyError;  // why the copy could not be made, 0 when it was or was not tried
    bool inPlace;     // the keys go straight into the file
    bool usable;  // false once a step has failed: the rest is skipped
    RecordsSnapshot before;
    std::vector<std::string> keys;
    std::vector<std::string> values;
};

void beginRecordsWrite(RecordsWrite& write, const char* section);
// A key as the file holds it at this moment, under the lock ("" when absent
// or when the write cannot be made).
void readRecordsKey(const RecordsWrite& write, const char* key, char* out, int room);
void writeRecordsKey(RecordsWrite& write, const char* key, const char* value);
void finishRecordsWrite(RecordsWrite& write);
// Ends a write that is not to be made: the file stays as it is.
void dropRecordsWrite(RecordsWrite& write);
