// The records file through the private-profile calls. Failures are silent:
// an absent key gives its default, a write that cannot be made is dropped.
#include "records.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "game.h"
#include "outward.h"
#include "recordvalues.h"

static const char sectionName[] = "Bombagram2";
static const char noName[] = "이름없음";  // "no name", stored in the ANSI code page
static const int storedTextBytes = 20;    // names and times are written as at most 19 bytes

static bool ansiLeadByte(unsigned char c)
{
    return IsDBCSLeadByte(c) != 0;
}

bool recordsPath(char* buffer, int size)
{
    char directory[recordsPathBytes];
    DWORD length = GetCurrentDirectoryA(sizeof directory, directory);
    if (length == 0 || length >= sizeof directory)
        return false;  // no directory, or one longer than the buffer
    return joinRecordsPath(directory, buffer, size);
}

static int readNumber(const char* path, const char* key, int fallback)
{
    if (path == nullptr)
        return fallback;
    return static_cast<int>(GetPrivateProfileIntA(sectionName, key, fallback, path));
}

static void readText(const char* path, const char* key, char* out)
{
    // Zeroed first: a value cut inside a double-byte character leaves the
    // byte before the terminator unwritten.
    char raw[recordTextBytes] = {};
    if (path != nullptr)
        GetPrivateProfileStringA(sectionName, key, noName, raw, sizeof raw, path);
    else
        std::strcpy(raw, noName);
    copyFitting(out, recordTextBytes, raw, ansiLeadByte);  // no half character at a cut
}

static int readSeconds(const char* path, const char* key)
{
    char raw[recordTextBytes] = "";
    if (path != nullptr)
        GetPrivateProfileStringA(sectionName, key, "", raw, sizeof raw, path);
    return storedSeconds(raw);
}

static void writeText(const char* path, const char* key, const char* value)
{
    if (path != nullptr)
        WritePrivateProfileStringA(sectionName, key, value, path);
}

static void writeNumber(const char* path, const char* key, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    writeText(path, key, text);
}

// The path for one group of accesses, or null when the game plays without records.
static const char* pathOrNull(char* buffer)
{
    return recordsPath(buffer, recordsPathBytes) ? buffer : nullptr;
}

void loadSettings(int* size)
{
    char buffer[recordsPathBytes];
    const char* path = pathOrNull(buffer);
    game.randomMode = readNumber(path, "Random", 0);
    *size = playableSize(readNumber(path, "Size", 10));
}

void saveSettings()
{
    char buffer[recordsPathBytes];
    const char* path = pathOrNull(buffer);
    writeNumber(path, "Size", game.boardSize);
    writeNumber(path, "Random", game.randomMode);
}

int readBestTime(int size)
{
    char buffer[recordsPathBytes];
    char key[recordKeyBytes];
    recordKey(key, "Score", recordSlot(size));
    return readSeconds(pathOrNull(buffer), key);
}

void readRecordTable(RecordRow rows[3])
{
    char buffer[recordsPathBytes];
    const char* path = pathOrNull(buffer);
    char key[recordKeyBytes];
    for (int slot = 1; slot <= 3; ++slot) {
        recordKey(key, "Name", slot);
        readText(path, key, rows[slot - 1].name);
    }
    for (int slot = 1; slot <= 3; ++slot) {
        recordKey(key, "Score", slot);
        rows[slot - 1].seconds = readSeconds(path, key);
    }
    for (int slot = 1; slot <= 3; ++slot) {
        recordKey(key, "LName", slot);
        readText(path, key, rows[slot - 1].levelName);
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

void storeRecord(int size, const char* name, const char* timeText, const char* level)
{
    char buffer[recordsPathBytes];
    const char* path = pathOrNull(buffer);
    char value[storedTextBytes];
    char key[recordKeyBytes];
    int slot = recordSlot(size);
    recordKey(key, "Name", slot);
    copyFitting(value, sizeof value, name, ansiLeadByte);
    writeText(path, key, value);
    recordKey(key, "Score", slot);
    copyFitting(value, sizeof value, timeText, ansiLeadByte);
    writeText(path, key, value);
    recordKey(key, "LName", slot);
    copyFitting(value, sizeof value, level, ansiLeadByte);
    writeText(path, key, value);
}

void resetRecords()
{
    char buffer[recordsPathBytes];
    const char* path = pathOrNull(buffer);
    char key[recordKeyBytes];
    for (int slot = 1; slot <= 3; ++slot) {
        recordKey(key, "Name", slot);
        writeText(path, key, noName);
    }
    for (int slot = 1; slot <= 3; ++slot) {
        recordKey(key, "Score", slot);
        writeText(path, key, "999");
    }
    for (int slot = 1; slot <= 3; ++slot) {
        recordKey(key, "LName", slot);
        writeText(path, key, noName);
    }
}
