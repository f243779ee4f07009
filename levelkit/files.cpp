#include "files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "fileplatform.h"

namespace fs = std::filesystem;

namespace {

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
    if (!somethingAt(path))
        return true;  // nothing there; a place that cannot be written says so when written
    if (folderAt(path)) {
        *problem = path + ": is a folder";
        return false;
    }
    if (!overwrite) {
        *problem = path + ": exists (--force writes over it)";
        return false;
    }
    return true;
}

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
    std::string temporary;
    if (!writeFreshFile(path, content, &temporary)) {
        *problem = path + ": cannot be written";
        return false;
    }
    if (!replaceFile(temporary, path)) {
        removeFile(temporary);
        *problem = path + ": cannot be written";
        return false;
    }
    syncFolder(folderOf(path));
    return true;
}

// The folder is made under a fresh name beside its place, created
// exclusively, filled with flushed files and renamed into place.
bool writeFolderAtomically(const std::string& folder, const std::vector<NamedText>& files, std::string* problem)
{
    std::error_code error;
    if (fs::exists(folder, error) && !isEmptyFolder(folder)) {
        *problem = folder + ": exists and is not an empty folder";
        return false;
    }
    std::string place = fs::path(folder).lexically_normal().string();
    while (place.size() > 1 && place.back() == '/')
        place.pop_back();
    std::string temporary = makeFreshFolder(place);
    bool written = !temporary.empty();
    for (size_t i = 0; written && i < files.size(); ++i) {
        std::string made;
        written = writeFreshFile(temporary + "/" + files[i].fileName, files[i].content, &made) &&
                  replaceFile(made, temporary + "/" + files[i].fileName);
    }
    if (written) {
        syncFolder(temporary);
        fs::remove(folder, error);  // only ever an empty folder here
        written = replaceFile(temporary, folder);
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

std::vector<std::string> splitLines(const std::string& text)
{
    const std::string byteOrderMark = "\xEF\xBB\xBF";
    bool marked = text.compare(0, byteOrderMark.size(), byteOrderMark) == 0;
    std::vector<std::string> lines;
    std::istringstream in(marked ? text.substr(byteOrderMark.size()) : text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}
