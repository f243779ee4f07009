#include "files.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string temporaryNameFor(const std::string& path)
{
    return path + ".part-" + std::to_string(static_cast<long>(getpid()));
}

bool writePlain(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    return !out.fail();
}

bool isEmptyFolder(const std::string& folder)
{
    std::error_code error;
    return fs::is_directory(folder, error) && fs::is_empty(folder, error) && !error;
}

}  // namespace

bool readWholeFile(const std::string& path, std::string* content, std::string* problem)
{
    std::ifstream in(path, std::ios::binary);
    if (!in || isFolder(path)) {
        *problem = path + ": cannot be read";
        return false;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    *content = bytes.str();
    return true;
}

bool writeFileAtomically(const std::string& path, const std::string& content, std::string* problem)
{
    std::string temporary = temporaryNameFor(path);
    std::error_code error;
    if (!writePlain(temporary, content)) {
        fs::remove(temporary, error);
        *problem = path + ": cannot be written";
        return false;
    }
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary, error);
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
    std::string temporary = temporaryNameFor(folder);
    fs::remove_all(temporary, error);
    bool written = fs::create_directories(temporary, error);
    for (size_t i = 0; written && i < files.size(); ++i)
        written = writePlain(temporary + "/" + files[i].fileName, files[i].content);
    if (written) {
        fs::remove(folder, error);  // only ever an empty folder here
        fs::rename(temporary, folder, error);
        written = !error;
    }
    if (!written) {
        fs::remove_all(temporary, error);
        *problem = folder + ": cannot be written";
    }
    return written;
}

bool listSources(const std::string& folder, std::vector<std::string>* paths, std::string* problem)
{
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) {
        *problem = folder + ": is not a readable folder";
        return false;
    }
    paths->clear();
    for (const fs::directory_entry& entry : entries) {
        if (entry.path().extension() == ".txt" && entry.is_regular_file(error))
            paths->push_back(entry.path().string());
    }
    std::sort(paths->begin(), paths->end());
    return true;
}

bool isFolder(const std::string& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

std::string fileNameOf(const std::string& path) { return fs::path(path).filename().string(); }

std::string trimmed(const std::string& text)
{
    size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string::npos)
        return "";
    size_t end = text.find_last_not_of(" \t\r");
    return text.substr(begin, end - begin + 1);
}
