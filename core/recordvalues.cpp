// Slots, key names, stored score texts and byte-budget cuts of the records.
#include "recordvalues.h"

#include "game.h"

#include <climits>
#include <cstring>

int lengthWithoutClosingBackslash(const char* directory, bool (*isLeadByte)(unsigned char))
{
    int length = 0;
    bool closingBackslash = false;
    while (directory[length] != '\0') {
        unsigned char c = static_cast<unsigned char>(directory[length]);
        if (isLeadByte(c) && directory[length + 1] != '\0') {
            length += 2;  // a whole double-byte character, whatever its second byte
            closingBackslash = false;
        } else {
            closingBackslash = c == '\\';
            length += 1;
        }
    }
    return closingBackslash ? length - 1 : length;
}

bool joinPath(const char* directory, const char* name, char* buffer, int size, bool (*isLeadByte)(unsigned char))
{
    size_t length = static_cast<size_t>(lengthWithoutClosingBackslash(directory, isLeadByte));
    size_t nameLength = std::strlen(name);
    size_t needed = length + 1 + nameLength + 1;  // the backslash and the zero included
    if (size <= 0 || needed > static_cast<size_t>(size))
        return false;
    std::memcpy(buffer, directory, length);
    buffer[length] = '\\';
    std::memcpy(buffer + length + 1, name, nameLength + 1);
    return true;
}

int recordSlot(int size)
{
    switch (playableSize(size)) {
    case 15: return 2;
    case 20: return 3;
    default: return 1;
    }
}

void recordKey(char* out, const char* stem, int slot)
{
    int n = 0;
    while (stem[n] != '\0' && n < recordKeyBytes - 2) {
        out[n] = stem[n];
        ++n;
    }
    out[n] = static_cast<char>('0' + slot % 10);
    out[n + 1] = '\0';
}

static bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

int storedSeconds(const char* text)
{
    if (text == nullptr)
        return noRecordSeconds;
    const char* p = text;
    while (isBlank(*p))
        ++p;
    if (*p < '0' || *p > '9')
        return noRecordSeconds;  // empty, a sign, or no number at all
    long long value = 0;
    while (*p >= '0' && *p <= '9') {
        value = value * 10 + (*p - '0');
        if (value > INT_MAX)
            return noRecordSeconds;
        ++p;
    }
    while (isBlank(*p))
        ++p;
    return *p == '\0' ? static_cast<int>(value) : noRecordSeconds;
}

bool beatsStoredTime(const char* timeText, const char* storedText)
{
    return storedSeconds(timeText) < storedSeconds(storedText);
}

int fittingBytes(const char* text, int maxBytes, bool (*isLeadByte)(unsigned char))
{
    int n = 0;
    while (n < maxBytes && text[n] != '\0') {
        unsigned char c = static_cast<unsigned char>(text[n]);
        int width = isLeadByte(c) ? 2 : 1;
        if (width == 2 && text[n + 1] == '\0')
            break;  // half a character left over from an earlier cut
        if (n + width > maxBytes)
            break;
        n += width;
    }
    return n;
}

void copyFitting(char* out, int room, const char* text, bool (*isLeadByte)(unsigned char))
{
    if (room <= 0)
        return;
    int n = fittingBytes(text, room - 1, isLeadByte);
    for (int i = 0; i < n; ++i)
        out[i] = text[i];
    out[n] = '\0';
}

int thumbCell(int size)
{
    switch (playableSize(size)) {
    case 15: return 4;
    case 20: return 3;
    default: return 6;
    }
}
