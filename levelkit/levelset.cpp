#include "levelset.h"

#include <filesystem>

#include "files.h"
#include "levelfile.h"
#include "sourcefile.h"

namespace {

// The board size a folder is for by its name (levels/10 holds 10 x 10
// boards); 0 when its name gives none.
int sizeNamedBy(const std::string& folder)
{
    std::string path = folder;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    for (int size : {10, 15, 20}) {
        if (fileNameOf(path) == std::to_string(size))
            return size;
    }
    return 0;
}

// The size of a folder's levels: the first well-formed one's, else the one
// the folder's name gives, else the first a flawed board still shows.
int sizeOfLevels(const std::string& folder, const std::vector<Level>& levels)
{
    for (const Level& level : levels) {
        if (level.flaw.empty())
            return level.size;
    }
    int named = sizeNamedBy(folder);
    for (size_t i = 0; i < levels.size() && named == 0; ++i)
        named = levels[i].size;
    return named;
}

// Every source of a folder must be of the folder's size, a flawed one too.
void markStrangers(LevelSet* set)
{
    for (Level& level : set->levels) {
        if (level.size == 0 || level.size == set->size)
            continue;
        level.flaw += (level.flaw.empty() ? "" : "\n") + level.where + ": a " + std::to_string(level.size) + " x " +
                      std::to_string(level.size) + " board among " + std::to_string(set->size) + " x " +
                      std::to_string(set->size) + " ones";
    }
}

bool loadFolder(const std::string& folder, LevelSet* set, std::string* problem)
{
    std::vector<std::string> paths;
    if (!listSources(folder, &paths, problem))
        return false;
    for (const std::string& path : paths) {
        Level level;
        loadSource(path, &level);
        set->levels.push_back(level);
    }
    set->size = sizeOfLevels(folder, set->levels);
    markStrangers(set);
    return true;
}

}  // namespace

bool isSourcePath(const std::string& path)
{
    return path.size() > 4 && path.compare(path.size() - 4, 4, ".txt") == 0;
}

std::vector<std::string> pathsOfSet(const std::string& path)
{
    std::vector<std::string> sources;
    std::string problem;
    if (!isFolder(path) || !listSources(path, &sources, &problem) || !sources.empty())
        return {path};
    std::string parent = path;
    while (parent.size() > 1 && parent.back() == '/')
        parent.pop_back();
    std::vector<std::string> folders;
    for (int size : {10, 15, 20}) {
        std::string folder = parent + "/" + std::to_string(size);
        if (isFolder(folder))
            folders.push_back(folder);
    }
    return folders.empty() ? std::vector<std::string>{path} : folders;
}

bool loadLevelSet(const std::string& path, LevelSet* set, std::string* problem)
{
    *set = LevelSet();
    if (isFolder(path))
        return loadFolder(path, set, problem);
    if (isSourcePath(path)) {
        Level level;
        std::string text;
        if (!readWholeFile(path, &text, problem))
            return false;
        parseSource(text, path, &level);
        set->size = level.size ? level.size : sizeNamedBy(std::filesystem::path(path).parent_path().string());
        set->levels.push_back(level);
        return true;
    }
    LevelFileContent content;
    if (!loadLevelFile(path, &content, problem))
        return false;
    set->size = content.size;
    set->levels = content.levels;
    set->warnings = content.warnings;
    return true;
}
