// Writes of the records file through a copy: a full disk, a read-only file or
// a failing step leaves the file as it was.
#include "recordswrite.h"

#include <windows.h>

#include <cstring>

#include "records.h"
#include "recordscopy.h"

namespace {

// Held by one write at a time among the copies of the game in the folder.
// Opened for this process alone, it goes away when its handle closes, also
// when the process ends without closing it; one left by a machine that went
// down is simply opened again.
const char lockPath[] = ".\\Kabloom2.lck";  // no longer than the file's name, as the copy's
const char copyPrefix[] = "Kab";
// A write takes milliseconds, a few hundred for a file of megabytes. A copy
// that holds the lock far longer has stopped: the write then goes ahead
// without it rather than being lost.
const DWORD lockWaitMilliseconds = 5000;
const DWORD pollMilliseconds = 10;
// A reader in the other copy may hold the file for a moment, which keeps
// Windows from replacing it.
const int replaceTries = 50;
// A records file the game writes is a few hundred bytes; a far larger one is
// left as it is rather than read into memory twice.
const DWORD largestRecordsFile = 4 * 1024 * 1024;

// The profile layer may keep a file in memory; this makes it read the file
// again at the next use (and writes nothing that has not been written).
void forgetCached(const char* file)
{
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file);
}

// A file that is read-only, by its attributes or because it cannot be opened
// for writing (locked, or made immutable), is never replaced. Root under Wine
// passes the permission bits, so the opening is tried as well.
bool writableOrAbsent(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))
        return false;
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

// The size of a file, 0 when it is absent; false when it is too large.
bool fileBytes(const char* file, DWORD* bytes)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    *bytes = 0;
    if (!GetFileAttributesExA(file, GetFileExInfoStandard, &data))
        return true;
    if (data.nFileSizeHigh != 0 || data.nFileSizeLow > largestRecordsFile)
        return false;
    *bytes = data.nFileSizeLow;
    return true;
}

HANDLE takeWriteLock()
{
    for (DWORD waited = 0;; waited += pollMilliseconds) {
        HANDLE lock = CreateFileA(lockPath, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (lock != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION || waited >= lockWaitMilliseconds)
            return lock;
        Sleep(pollMilliseconds);
    }
}

void releaseWriteLock(RecordsWrite& write)
{
    if (write.lock != INVALID_HANDLE_VALUE)
        CloseHandle(write.lock);
    write.lock = INVALID_HANDLE_VALUE;
}

// The copy gets a name of its own, which the platform makes as a new empty
// file, never one left over or a link: two writers never share a copy. The
// name ("Kab" and four digits, ".tmp") is no longer than the file's, so the
// copy can be made wherever the file can.
bool makeCopy(RecordsWrite& write)
{
    DWORD bytes = 0;
    if (!fileBytes(write.path, &bytes))
        return false;
    if (!GetTempFileNameA(".", copyPrefix, 0, write.copy)) {
        write.copyError = GetLastError();
        return false;
    }
    write.copyMade = true;  // from here on a failure removes what was made of the copy
    if (GetFileAttributesA(write.path) == INVALID_FILE_ATTRIBUTES)
        return true;  // no file yet: the empty copy is its beginning
    if (CopyFileA(write.path, write.copy, FALSE))
        return true;
    write.copyError = GetLastError();
    return false;
}

// A folder the player may not create files in (the copy refused as no
// access) holding a records file that can be written: the keys are written
// into the file in place, as the profile calls write a file, since a write
// through a copy could never land there. A copy that failed for want of
// room is no such case: a rewrite in place could cut the file short, so that
// write is dropped whole.
bool mayWriteInPlace(const RecordsWrite& write)
{
    return (write.copyError == ERROR_ACCESS_DENIED || write.copyError == ERROR_WRITE_PROTECT) &&
           GetFileAttributesA(write.path) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> listItems(const char* list)
{
    std::vector<std::string> items;
    for (const char* item = list; *item != '\0'; item += std::strlen(item) + 1)
        items.push_back(item);
    return items;
}

// Every section and its entries as the profile calls read them. A listing is
// never longer than the file; twice its size leaves room for the conversion
// of its characters on the way.
bool readSnapshot(const char* file, RecordsSnapshot& snapshot)
{
    DWORD bytes = 0;
    if (!fileBytes(file, &bytes))
        return false;
    std::vector<char> buffer(2 * bytes + 256, '\0');
    DWORD room = static_cast<DWORD>(buffer.size());
    GetPrivateProfileSectionNamesA(buffer.data(), room, file);
    snapshot.sections = listItems(buffer.data());
    snapshot.entries.clear();
    for (const std::string& name : snapshot.sections) {
        std::fill(buffer.begin(), buffer.end(), '\0');
        GetPrivateProfileSectionA(name.c_str(), buffer.data(), room, file);
        snapshot.entries.push_back(listItems(buffer.data()));
    }
    return true;
}

const std::vector<std::string>* entriesOf(const RecordsSnapshot& snapshot, const std::string& section)
{
    for (size_t i = 0; i < snapshot.sections.size(); ++i)
        if (sameKeyName(snapshot.sections[i], section))
            return &snapshot.entries[i];
    return nullptr;
}

bool copyHoldsTheWrite(const RecordsWrite& write)
{
    RecordsSnapshot after;
    if (!readSnapshot(write.copy, after) || !keepsSections(write.before.sections, after.sections, write.section))
        return false;
    const std::vector<std::string> none;
    for (size_t i = 0; i < after.sections.size(); ++i) {
        bool written = sameKeyName(after.sections[i], write.section);
        const std::vector<std::string>& before = i < write.before.entries.size() ? write.before.entries[i] : none;
        if (!keepsOtherEntries(before, after.entries[i], written ? write.keys : none))
            return false;
    }
    const std::vector<std::string>* entries = entriesOf(after, write.section);
    for (size_t k = 0; k < write.keys.size(); ++k)
        if (!entries || !holdsValue(*entries, write.keys[k], write.values[k]))
            return false;
    return true;
}

bool flushedToDisk(const char* file)
{
    HANDLE handle = CreateFileA(file, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    bool flushed = FlushFileBuffers(handle) != 0;
    CloseHandle(handle);
    return flushed;
}

// Renaming the copy over the file replaces a link by a regular file: the
// file a link points to is never written.
bool replaceFileByCopy(const RecordsWrite& write)
{
    for (int tries = 1;; ++tries) {
        if (MoveFileExA(write.copy, write.path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        DWORD error = GetLastError();
        if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) || tries == replaceTries)
            return false;
        Sleep(pollMilliseconds);
    }
}

void discardCopy(RecordsWrite& write)
{
    if (!write.copyMade)
        return;
    forgetCached(write.copy);
    DeleteFileA(write.copy);
    write.copyMade = false;
}

}  // namespace

void beginRecordsWrite(RecordsWrite& write, const char* section)
{
    write.section = section;
    write.path = recordsFilePath;
    write.copyMade = false;
    write.copyError = 0;
    write.inPlace = false;
    write.keys.clear();
    write.values.clear();
    write.copy[0] = '\0';
    write.lock = takeWriteLock();
    write.usable = writableOrAbsent(write.path) && makeCopy(write);
    if (!write.usable && mayWriteInPlace(write)) {
        discardCopy(write);
        write.inPlace = write.usable = true;
        return;
    }
    if (write.usable) {
        forgetCached(write.copy);
        write.usable = readSnapshot(write.copy, write.before);
    }
}

void readRecordsKey(const RecordsWrite& write, const char* key, char* out, int room)
{
    out[0] = '\0';
    if (write.usable)
        GetPrivateProfileStringA(write.section, key, "", out, static_cast<DWORD>(room),
                                 write.inPlace ? write.path : write.copy);
}

void writeRecordsKey(RecordsWrite& write, const char* key, const char* value)
{
    if (!write.usable)
        return;
    write.keys.push_back(key);
    write.values.push_back(value);
    if (!WritePrivateProfileStringA(write.section, key, value, write.inPlace ? write.path : write.copy))
        write.usable = false;
}

void finishRecordsWrite(RecordsWrite& write)
{
    if (write.inPlace) {
        forgetCached(write.path);
        releaseWriteLock(write);
        return;
    }
    if (write.usable) {
        forgetCached(write.copy);  // what is read back comes from the disk
        write.usable = copyHoldsTheWrite(write) && flushedToDisk(write.copy) && replaceFileByCopy(write);
    }
    if (write.usable) {
        write.copyMade = false;  // it is the records file now
        forgetCached(write.path);
    }
    discardCopy(write);
    releaseWriteLock(write);
}

void dropRecordsWrite(RecordsWrite& write)
{
    discardCopy(write);
    releaseWriteLock(write);
}
