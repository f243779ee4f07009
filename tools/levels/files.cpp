#include "files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

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
