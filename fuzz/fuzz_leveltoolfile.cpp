// Any bytes as a level file read by the level tool: a corrupt file is
// refused with a reason, every record is either flawed with a reason or a
// level with a name fit for the records file, and the sound records pack
// back to the bytes they came from. Works in memory.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "levelfile.h"
#include "namecodec.h"

static void readAs(const std::string& bytes, const std::string& where)
{
    LevelFileContent content;
    std::string problem;
    if (!parseLevelFile(bytes, where, &content, &problem)) {
        if (problem.empty())
            std::abort();
        return;
    }
    std::vector<Level> sound;
    for (const Level& level : content.levels) {
        if (level.size != content.size)
            std::abort();
        if (level.flaw.empty() && !nameProblem(level.name).empty())
            std::abort();
        if (level.flaw.empty() && sound.size() < 3)  // a few make the round trip: levels are big to copy
            sound.push_back(level);
    }
    if (sound.empty())
        return;
    std::string packed;
    LevelFileContent again;
    if (!levelFileBytes(sound, &packed, &problem) || !parseLevelFile(packed, where, &again, &problem) ||
        again.levels.size() != sound.size())
        std::abort();
    for (size_t i = 0; i < sound.size(); ++i) {
        if (!samePicture(again.levels[i], sound[i]) || again.levels[i].name != sound[i].name)
            std::abort();
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t length)
{
    // A few records show every path a file of 127 takes; longer inputs only
    // slow the run down.
    if (length > 1024)
        return 0;
    std::string bytes(reinterpret_cast<const char*>(data), length);
    readAs(bytes, "levels.dat");  // the size from the length
    readAs(bytes, "level15.dat");
    return 0;
}
