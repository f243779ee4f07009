// The writes of files.h on the host: POSIX calls that create a file
// exclusively, flush it and rename it into place.
#include "files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// A name beside path that no one can guess ahead: the process, the time and
// random bits, tried again should it exist all the same.
std::string unguessableNameFor(const std::string& path, std::mt19937_64* draw)
{
    std::ostringstream name;
    name << path << ".part-" << getpid() << "-" << std::hex << (*draw)();
    return name.str();
}

std::mt19937_64 seededDraw()
{
    std::random_device device;
    return std::mt19937_64((static_cast<std::uint64_t>(device()) << 32) ^ device() ^
                           static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

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

// Creates a new file beside path (never opening one that exists, nor
// following a link planted there), writes the content and flushes it to the
// disk, so the rename that follows puts a whole file in place or nothing.
bool writeTemporary(const std::string& path, const std::string& content, std::string* temporary)
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

// Makes the contents of a folder reach the disk, a rename inside it too.
void syncFolder(const std::string& folder)
{
    int descriptor = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    fsync(descriptor);
    close(descriptor);
}

std::string folderOf(const std::string& path)
{
    std::string folder = fs::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

bool isEmptyFolder(const std::string& folder)
{
    std::error_code error;
    return fs::is_directory(folder, error) && fs::is_empty(folder, error) && !error;
}

bool sameFile(const std::string& a, const std::string& b)
{
    struct stat first;
    struct stat second;
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
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
    struct stat info;
    if (lstat(path.c_str(), &info) != 0)
        return true;  // nothing there; a place that cannot be written says so when written
    if (S_ISDIR(info.st_mode)) {
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
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        *problem = path + ": cannot be written";
        return false;
    }
    syncFolder(folderOf(path));
    return true;
}

// The folder is made under a fresh name beside its place (mkdtemp creates
// it exclusively), filled with flushed files and renamed into place.
bool writeFolderAtomically(const std::string& folder, const std::vector<NamedText>& files, std::string* problem)
{
    std::error_code error;
    if (fs::exists(folder, error) && !isEmptyFolder(folder)) {
        *problem = folder + ": exists and is not an empty folder";
        return false;
    }
    std::string pattern = fs::path(folder).lexically_normal().string();
    while (pattern.size() > 1 && pattern.back() == '/')
        pattern.pop_back();
    pattern += ".part-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    bool written = mkdtemp(name.data()) != nullptr;
    std::string temporary = written ? name.data() : "";
    mode_t mask = umask(0);
    umask(mask);
    written = written && chmod(temporary.c_str(), 0777 & ~mask) == 0;  // mkdtemp leaves it private
    for (size_t i = 0; written && i < files.size(); ++i) {
        std::string made;
        written = writeTemporary(temporary + "/" + files[i].fileName, files[i].content, &made) &&
                  rename(made.c_str(), (temporary + "/" + files[i].fileName).c_str()) == 0;
    }
    if (written) {
        syncFolder(temporary);
        fs::remove(folder, error);  // only ever an empty folder here
        written = rename(temporary.c_str(), folder.c_str()) == 0;
    }
    if (!written) {
        if (!temporary.empty())
            fs::remove_all(temporary, error);
        *problem = folder + ": cannot be written";
        return false;
    }
    syncFolder(folderOf(folder));
    return true;
}

