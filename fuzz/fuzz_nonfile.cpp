// Any text as a .non puzzle: the reader either refuses it with a reason or
// yields a playable level, and what it yields writes out and reads back the
// same. Works in memory; the count of pictures gets a millisecond at most.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "namecodec.h"
#include "nonfile.h"

static void expectPlayable(const Level& level)
{
    if (!isBoardSize(level.size) || !nameProblem(level.name).empty())
        std::abort();
    for (int col = 0; col < level.size; ++col)
        for (int row = 0; row < level.size; ++row)
            if (level.picture[col][row] != 0 && level.picture[col][row] != 1)
                std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t length)
{
    std::string text(reinterpret_cast<const char*>(data), length);
    NonReadOptions options;
    options.searchSeconds = 0.001;
    Level level;
    if (!parseNon(text, "fuzz.non", &level, options)) {
        if (level.flaw.empty())
            std::abort();
        return 0;
    }
    expectPlayable(level);
    Level back;
    if (!parseNon(nonText(level), "again.non", &back, options) || !samePicture(back, level) ||
        back.name != level.name || back.credits != level.credits)
        std::abort();
    return 0;
}
