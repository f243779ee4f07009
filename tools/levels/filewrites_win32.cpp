// The writes of files.h on Windows: a file created new under an unguessable
// name beside its place, flushed to the disk and moved over the old one in
// one step, so a failed save leaves the old file whole.
#include "files.h"

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <random>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string unguessableNameFor(const std::string& path, std::mt19937_64* draw)
{
    std::ostringstream name;
    name << path << ".part-" << GetCurrentProcessId() << "-" << std::hex << (*draw)();
    return name.str();
}

std::mt19937_64 seededDraw()
{
    std::random_device device;
    return std::mt19937_64((static_cast<std::uint64_t>(device()) << 32) ^ device() ^
                           static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

bool writeAll(HANDLE file, const std::string& content)
{
    size_t done = 0;
    while (done < content.size()) {
        DWORD piece = static_cast<DWORD>(content.size() - done > 1u << 20 ? 1u << 20 : content.size() - done);
        DWORD written = 0;
        if (!WriteFile(file, content.data() + done, piece, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

bool writeTemporary(const std::string& path, const std::string& content, std::string* temporary)
{
    std::mt19937_64 draw = seededDraw();
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        *temporary = unguessableNameFor(path, &draw);
        file = CreateFileA(temporary->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return false;
    }
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool written = writeAll(file, content) && FlushFileBuffers(file);
    written = CloseHandle(file) && written;
    if (!written)
        DeleteFileA(temporary->c_str());
    return written;
}

bool moveIntoPlace(const std::string& from, const std::string& to)
{
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// The volume and file index of a path, which every name of one file shares.
bool fileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION* info)
{
    HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool known = GetFileInformationByHandle(file, info) != 0;
    CloseHandle(file);
    return known;
}

bool sameFile(const std::string& a, const std::string& b)
{
    BY_HANDLE_FILE_INFORMATION first;
    BY_HANDLE_FILE_INFORMATION second;
    return fileIdentity(a, &first) && fileIdentity(b, &second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh && first.nFileIndexLow == second.nFileIndexLow;
}

bool isEmptyFolder(const std::string& folder)
{
    std::error_code error;
    return fs::is_directory(folder, error) && fs::is_empty(folder, error) && !error;
}

// A fresh folder beside the one to make, under an unguessable name.
bool makeTemporaryFolder(const std::string& folder, std::string* temporary)
{
    std::mt19937_64 draw = seededDraw();
    for (int attempt = 0; attempt < 100; ++attempt) {
        *temporary = unguessableNameFor(folder, &draw);
        if (CreateDirectoryA(temporary->c_str(), nullptr))
            return true;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    return false;
}

}  // namespace

bool mayWriteFile(const std::string& path, const std::vector<std::string>& inputs, bool overwrite,
                  std::string* problem)
{
    for (const std::string& input : inputs) {
        if (!sameFile(path, input))
            continue;
        *problem = path + ": is " + (path == input ? "" : input + ", ") + "the file being read";
        return false;
    }
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return true;  // nothing there; a place that cannot be written says so when written
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        *problem = path + ": is a folder";
        return false;
    }
    if (!overwrite) {
        *problem = path + ": exists (--force writes over it)";
        return false;
    }
    return true;
}

bool writeFileAtomically(const std::string& path, const std::string& content, std::string* problem)
{
    std::string temporary;
    if (!writeTemporary(path, content, &temporary)) {
        *problem = path + ": cannot be written";
        return false;
    }
    if (!moveIntoPlace(temporary, path)) {
        DeleteFileA(temporary.c_str());
        *problem = path + ": cannot be written";
        return false;
    }
    return true;
}

bool writeFolderAtomically(const std::string& folder, const std::vector<NamedText>& files, std::string* problem)
{
    std::error_code error;
    if (fs::exists(folder, error) && !isEmptyFolder(folder)) {
        *problem = folder + ": exists and is not an empty folder";
        return false;
    }
    std::string base = folder;
    while (base.size() > 1 && (base.back() == '/' || base.back() == '\\'))
        base.pop_back();
    std::string temporary;
    bool written = makeTemporaryFolder(base, &temporary);
    for (size_t i = 0; written && i < files.size(); ++i) {
        std::string made;
        std::string place = temporary + "\\" + files[i].fileName;
        written = writeTemporary(place, files[i].content, &made) && moveIntoPlace(made, place);
    }
    if (written) {
        RemoveDirectoryA(base.c_str());  // only ever an empty folder here
        written = MoveFileExA(temporary.c_str(), base.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
    }
    if (!written) {
        if (!temporary.empty())
            fs::remove_all(temporary, error);
        *problem = folder + ": cannot be written";
        return false;
    }
    return true;
}
