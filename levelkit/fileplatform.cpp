#include "fileplatform.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>
#include <system_error>
#include <vector>

#include "systemheaders.h"

namespace fs = std::filesystem;

namespace {

std::mt19937_64 seededDraw()
{
    std::random_device device;
    return std::mt19937_64((static_cast<std::uint64_t>(device()) << 32) ^ device() ^
                           static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

#ifdef _WIN32
unsigned long processNumber() { return GetCurrentProcessId(); }
#else
unsigned long processNumber() { return static_cast<unsigned long>(getpid()); }
#endif

// A name beside path that no one can guess ahead: the process, the time and
// random bits, tried again should it exist all the same.
std::string unguessableNameFor(const std::string& path, std::mt19937_64* draw)
{
    std::ostringstream name;
    name << path << ".part-" << processNumber() << "-" << std::hex << (*draw)();
    return name.str();
}

}  // namespace

#ifdef _WIN32

namespace {

bool writeAll(HANDLE file, const std::string& content)
{
    size_t done = 0;
    while (done < content.size()) {
        DWORD written = 0;
        DWORD chunk = static_cast<DWORD>(content.size() - done > (1u << 30) ? (1u << 30) : content.size() - done);
        if (!WriteFile(file, content.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

}  // namespace

bool writeFreshFile(const std::string& path, const std::string& content, std::string* temporary)
{
    std::mt19937_64 draw = seededDraw();
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        *temporary = unguessableNameFor(path, &draw);
        // CREATE_NEW never opens a file that exists, a planted link included.
        file = CreateFileA(temporary->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
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

// A folder cannot replace anything on Windows: it only moves to a free place.
bool replaceFile(const std::string& from, const std::string& to)
{
    DWORD replacing = folderAt(from) ? 0 : MOVEFILE_REPLACE_EXISTING;
    return MoveFileExA(from.c_str(), to.c_str(), replacing | MOVEFILE_WRITE_THROUGH) != 0;
}

void removeFile(const std::string& path) { DeleteFileA(path.c_str()); }

// A rename through MoveFileEx with MOVEFILE_WRITE_THROUGH is on the disk when it returns.
void syncFolder(const std::string&) {}

std::string makeFreshFolder(const std::string& folder)
{
    std::mt19937_64 draw = seededDraw();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = unguessableNameFor(folder, &draw);
        if (CreateDirectoryA(name.c_str(), nullptr))
            return name;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            return "";
    }
    return "";
}

bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    return fs::equivalent(a, b, error) && !error;
}

#else

namespace {

bool writeAll(int descriptor, const std::string& content)
{
    size_t done = 0;
    while (done < content.size()) {
        ssize_t written = write(descriptor, content.data() + done, content.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<size_t>(written);
    }
    return true;
}

}  // namespace

bool writeFreshFile(const std::string& path, const std::string& content, std::string* temporary)
{
    std::mt19937_64 draw = seededDraw();
    int descriptor = -1;
    for (int attempt = 0; attempt < 100 && descriptor < 0; ++attempt) {
        *temporary = unguessableNameFor(path, &draw);
        descriptor = open(temporary->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST)
            return false;
    }
    if (descriptor < 0)
        return false;
    bool written = writeAll(descriptor, content) && fsync(descriptor) == 0;
    written = close(descriptor) == 0 && written;
    if (!written)
        unlink(temporary->c_str());
    return written;
}

bool replaceFile(const std::string& from, const std::string& to) { return rename(from.c_str(), to.c_str()) == 0; }

void removeFile(const std::string& path) { unlink(path.c_str()); }

void syncFolder(const std::string& folder)
{
    int descriptor = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    fsync(descriptor);
    close(descriptor);
}

// mkdtemp creates the folder exclusively, but private: it is opened up as
// the umask allows.
std::string makeFreshFolder(const std::string& folder)
{
    std::string pattern = folder + ".part-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr)
        return "";
    mode_t mask = umask(0);
    umask(mask);
    if (chmod(name.data(), 0777 & ~mask) != 0) {
        rmdir(name.data());
        return "";
    }
    return name.data();
}

bool sameFile(const std::string& a, const std::string& b)
{
    struct stat first;
    struct stat second;
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

#endif

bool somethingAt(const std::string& path)
{
    std::error_code error;
    return fs::symlink_status(path, error).type() != fs::file_type::not_found && !error;
}

bool folderAt(const std::string& path)
{
    std::error_code error;
    return fs::symlink_status(path, error).type() == fs::file_type::directory;
}
