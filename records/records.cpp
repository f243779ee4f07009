// The records file through the private-profile calls. Failures are silent:
// an absent key gives its default, a write that cannot be made is dropped.
#include "records.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "game.h"
#include "outward.h"
#include "recordvalues.h"
#include "recordswrite.h"

static const char noName[] = "이름없음";  // "no name", stored in the ANSI code page
static const int storedTextBytes = 20;    // names and times are written as at most 19 bytes

bool ansiLeadByte(unsigned char c)
{
    return IsDBCSLeadByte(c) != 0;
}

static int readNumber(const char* key, int fallback)
{
    return static_cast<int>(GetPrivateProfileIntA(recordsSectionName, key, fallback, recordsFilePath));
}

static void readText(const char* key, char* out)
{
    // Zeroed first: a value cut inside a double-byte character leaves the
    // byte before the terminator unwritten.
    char raw[recordTextBytes] = {};
    GetPrivateProfileStringA(recordsSectionName, key, noName, raw, sizeof raw, recordsFilePath);
    copyFitting(out, recordTextBytes, raw, ansiLeadByte);  // no half character at a cut
}

static int readSeconds(const char* key)
{
    char raw[recordTextBytes] = "";
    GetPrivateProfileStringA(recordsSectionName, key, "", raw, sizeof raw, recordsFilePath);
    return storedSeconds(raw);
}

void loadSettings(int* size)
{
    game.randomMode = readNumber("Random", 0);
    *size = playableSize(readNumber("Size", 10));
}

static void writeNumber(RecordsWrite& write, const char* key, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    writeRecordsKey(write, key, text);
}

void saveSettings()
{
    RecordsWrite write;
    beginRecordsWrite(write, recordsSectionName);
    writeNumber(write, "Size", game.boardSize);
    writeNumber(write, "Random", game.randomMode);
    finishRecordsWrite(write);
}

int readBestTime(int size)
{
    char key[recordKeyBytes];
    recordKey(key, "Score", recordSlot(size));
    return readSeconds(key);
}

void readRecordTable(RecordRow rows[3])
{
    char key[recordKeyBytes];
    for (int slot = 1; slot <= 3; ++slot) {
        recordKey(key, "Name", slot);
        readText(key, rows[slot - 1].name);
    }
    for (int slot = 1; slot <= 3; ++slot) {
        recordKey(key, "Score", slot);
        rows[slot - 1].seconds = readSeconds(key);
    }
    for (int slot = 1; slot <= 3; ++slot) {
        recordKey(key, "LName", slot);
        readText(key, rows[slot - 1].levelName);
    }
}

void defaultRecordTable(RecordRow rows[3])
{
    for (int k = 0; k < 3; ++k) {
        std::strcpy(rows[k].name, noName);
        rows[k].seconds = noRecordSeconds;
        std::strcpy(rows[k].levelName, noName);
    }
}

static void writeFitting(RecordsWrite& write, const char* stem, int slot, const char* text)
{
    char key[recordKeyBytes];
    char value[storedTextBytes];
    recordKey(key, stem, slot);
    copyFitting(value, sizeof value, text, ansiLeadByte);
    writeRecordsKey(write, key, value);
}

// The time is stored only when it still beats the file's at this moment,
// read under the write's lock: another copy of the game in the folder may
// have stored a faster or equal one since this win was judged. The table
// shown next then holds that copy's record.
void storeRecord(int size, const char* name, const char* timeText, const char* level)
{
    int slot = recordSlot(size);
    char key[recordKeyBytes];
    char stored[recordTextBytes] = "";
    recordKey(key, "Score", slot);
    RecordsWrite write;
    beginRecordsWrite(write, recordsSectionName);
    readRecordsKey(write, key, stored, sizeof stored);
    if (!beatsStoredTime(timeText, stored)) {
        dropRecordsWrite(write);
        return;
    }
    writeFitting(write, "Name", slot, name);
    writeFitting(write, "Score", slot, timeText);
    writeFitting(write, "LName", slot, level);
    finishRecordsWrite(write);
}

static void writeAllSlots(RecordsWrite& write, const char* stem, const char* value)
{
    char key[recordKeyBytes];
    for (int slot = 1; slot <= 3; ++slot) {
        recordKey(key, stem, slot);
        writeRecordsKey(write, key, value);
    }
}

void resetRecords()
{
    RecordsWrite write;
    beginRecordsWrite(write, recordsSectionName);
    writeAllSlots(write, "Name", noName);
    writeAllSlots(write, "Score", "999");
    writeAllSlots(write, "LName", noName);
    finishRecordsWrite(write);
}
