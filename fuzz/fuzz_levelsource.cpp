// Any text as a level source: the reader either names the flaw or yields a
// level whose plain source reads back the same. Works in memory.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "namecodec.h"
#include "sourcefile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t length)
{
    std::string text(reinterpret_cast<const char*>(data), length);
    Level level;
    if (!parseSource(text, "fuzz.txt", &level)) {
        if (level.flaw.empty())
            std::abort();
        return 0;
    }
    if (!isBoardSize(level.size) || !nameProblem(level.name).empty())
        std::abort();
    Level back;
    if (!parseSource(sourceText(level), "again.txt", &back) || !samePicture(back, level) || back.name != level.name)
        std::abort();
    return 0;
}
