#include "sourcefile.h"

#include <sstream>
#include <vector>

#include "files.h"
#include "namecodec.h"

namespace {

const char bombMark = '#';
const char freeMark = '.';
const std::string namePrefix = "name:";

bool isComment(const std::string& line) { return trimmed(line).empty() || line[0] == ';'; }

bool fail(Level* level, const std::string& where, int lineNumber, const std::string& what)
{
    level->flaw = where + ":" + std::to_string(lineNumber) + ": " + what;
    return false;
}

// A comment "; by: ...", "; copyright: ..." or "; license: ..." is a credit.
void readCredit(const std::string& line, Level* level)
{
    std::string text = trimmed(line.substr(1));
    size_t colon = text.find(':');
    if (colon == std::string::npos || !isCreditKey(text.substr(0, colon)))
        return;
    level->credits.push_back({text.substr(0, colon), trimmed(text.substr(colon + 1))});
}

bool readNameLine(const std::string& line, const std::string& where, int lineNumber, Level* level)
{
    if (line.compare(0, namePrefix.size(), namePrefix) != 0)
        return fail(level, where, lineNumber, "the first line must be \"name: <name>\"");
    level->name = trimmed(line.substr(namePrefix.size()));
    std::string problem = nameProblem(level->name);
    if (!problem.empty())
        return fail(level, where, lineNumber, problem);
    return true;
}

std::string describeCharacter(char c)
{
    unsigned char byte = static_cast<unsigned char>(c);
    if (byte >= 0x21 && byte < 0x7F)
        return std::string("'") + c + "'";
    std::ostringstream code;
    code << "byte 0x" << std::hex << static_cast<int>(byte);
    return code.str();
}

bool readBoardLine(const std::string& line, const std::string& where, int lineNumber, int row, Level* level)
{
    int width = static_cast<int>(line.size());
    for (int col = 0; col < width; ++col) {
        if (line[col] != bombMark && line[col] != freeMark) {
            return fail(level, where, lineNumber,
                        "unknown character " + describeCharacter(line[col]) + " in column " +
                            std::to_string(col + 1) + " (only '#' and '.' draw a board)");
        }
    }
    if (row == 0 && !isBoardSize(width)) {
        return fail(level, where, lineNumber,
                    "the first row has " + std::to_string(width) + " blocks; a board is 10, 15 or 20 wide");
    }
    if (row == 0)
        level->size = width;
    if (row >= level->size)
        return fail(level, where, lineNumber, "more than " + std::to_string(level->size) + " rows");
    if (width != level->size) {
        return fail(level, where, lineNumber,
                    "ragged row: " + std::to_string(width) + " blocks, the first row has " +
                        std::to_string(level->size));
    }
    for (int col = 0; col < width; ++col)
        level->picture[col][row] = line[col] == bombMark ? 1 : 0;
    return true;
}

}  // namespace

bool parseSource(const std::string& text, const std::string& where, Level* level)
{
    *level = Level();
    level->where = where;
    std::vector<std::string> lines = splitLines(text);
    bool named = false;
    int rows = 0;
    int lineNumber = 0;
    for (const std::string& line : lines) {
        ++lineNumber;
        if (!line.empty() && line[0] == ';')
            readCredit(line, level);
        if (isComment(line))
            continue;
        if (!named) {
            if (!readNameLine(line, where, lineNumber, level))
                return false;
            named = true;
            continue;
        }
        if (!readBoardLine(line, where, lineNumber, rows, level))
            return false;
        ++rows;
    }
    if (!named)
        return fail(level, where, lineNumber, "no \"name:\" line and no board");
    if (rows == 0 || rows < level->size) {
        return fail(level, where, lineNumber,
                    std::to_string(rows) + " rows, the board needs " + std::to_string(level->size ? level->size : 10));
    }
    return true;
}

std::string sourceText(const Level& level)
{
    std::string text = namePrefix + " " + level.name + "\n";
    for (const auto& credit : level.credits)
        text += "; " + credit.first + ": " + credit.second + "\n";
    for (int row = 0; row < level.size; ++row) {
        for (int col = 0; col < level.size; ++col)
            text += level.picture[col][row] ? bombMark : freeMark;
        text += '\n';
    }
    return text;
}

bool loadSource(const std::string& path, Level* level)
{
    std::string text;
    std::string problem;
    if (!readWholeFile(path, &text, &problem)) {
        *level = Level();
        level->where = path;
        level->flaw = problem;
        return false;
    }
    return parseSource(text, path, level);
}
