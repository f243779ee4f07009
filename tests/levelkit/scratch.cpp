#include "scratch.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::string scratchFolder(const std::string& test)
{
    fs::path folder = fs::temp_directory_path() / ("bombalevels-" + std::to_string(getpid()) + "-" + test);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder.string();
}

void removeScratch(const std::string& folder) { fs::remove_all(folder); }

void writeText(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary);
    out << content;
}

std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool exists(const std::string& path) { return fs::exists(path); }

std::vector<std::string> folderListing(const std::string& folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void boardOf(const std::vector<std::string>& rows, int (*picture)[gridRoom])
{
    for (size_t row = 0; row < rows.size(); ++row) {
        for (size_t col = 0; col < rows[row].size(); ++col)
            picture[col][row] = rows[row][col] == '#' ? 1 : 0;
    }
}

Level levelOf(const std::string& name, const std::vector<std::string>& rows)
{
    Level level;
    level.name = name;
    level.where = name;
    level.size = static_cast<int>(rows.size());
    boardOf(rows, level.picture);
    return level;
}

std::vector<std::string> chairRows()
{
    return {".##.......", ".##.......", ".##.......", ".##.......", ".##.......",
            ".########.", ".########.", ".##....##.", ".##....##.", ".##....##."};
}

std::vector<std::string> ambiguousRows()
{
    // Blocks (0,6) and (1,7) or (1,6) and (0,7): every clue is the same.
    return {"##########", "##########", "##########", "##########", "##########",
            "..........", "#.........", ".#........", "..........", ".........."};
}
