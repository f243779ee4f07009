#pragma once
// The ".non" text format of public nonogram collections: lines "title",
// "width", "height", a "rows" and a "columns" section of one clue line per
// line ("2,1" or "2 1"; letters after a number, colours in that format, are
// ignored; "0" or empty for an empty line) and "goal", the solution row by
// row as 0/1 digits (quoted or not). "by", "copyright" and "license" are
// kept as the level's credits; other lines are ignored.
#include <string>

#include "level.h"
#include "levelcheck.h"

struct NonReadOptions {
    std::string name;                             // when not empty, the level's name instead of the title
    double searchSeconds = defaultSearchSeconds;  // for counting pictures when line logic stalls
    // Without a goal, clues that line logic cannot solve still give a picture
    // that fits them (the level editor imports such a puzzle to mend it).
    bool anyFittingPicture = false;
};

// Reads a .non text into a level. Without a goal the clues must solve by
// line logic, which then draws the picture. On bad input the level's flaw
// says what and where ("cat.non:7: ...") and false is returned.
bool parseNon(const std::string& text, const std::string& where, Level* level,
              const NonReadOptions& options = NonReadOptions());
// A .non text; quotes and backslashes in texts are escaped with a backslash.
std::string nonText(const Level& level);
