#include "levelset.h"

#include "files.h"
#include "levelfile.h"
#include "sourcefile.h"

namespace {

// Every source of a folder must be of the first one's size.
void markStrangers(LevelSet* set)
{
    for (Level& level : set->levels) {
        if (!level.flaw.empty())
            continue;
        if (set->size == 0)
            set->size = level.size;
        if (level.size != set->size) {
            level.flaw = level.where + ": a " + std::to_string(level.size) + " x " + std::to_string(level.size) +
                         " board among " + std::to_string(set->size) + " x " + std::to_string(set->size) + " ones";
        }
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
    markStrangers(set);
    return true;
}

}  // namespace

bool isSourcePath(const std::string& path)
{
    return path.size() > 4 && path.compare(path.size() - 4, 4, ".txt") == 0;
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
        set->size = level.size;
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
