#pragma once
// The level source: one UTF-8 text file per picture. The first line is
// "name: <name>", then N lines of N blocks, '#' a bomb and '.' a free block.
// Blank lines and lines beginning with ';' are comments; "; by: ...",
// "; copyright: ..." and "; license: ..." keep a level's credits.
#include <string>

#include "level.h"

// Reads a source text; where names the file in messages. On bad input the
// level's flaw says what and where ("03-cup.txt:4: ...") and false is returned.
bool parseSource(const std::string& text, const std::string& where, Level* level);
// The source text of a level in its plain form: the name line, then the rows.
std::string sourceText(const Level& level);
// Reads a source file; a file that cannot be read is a flaw too.
bool loadSource(const std::string& path, Level* level);
