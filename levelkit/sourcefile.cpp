#include "sourcefile.h"

#include <sstream>
#include <vector>

#include "files.h"
#include "namecodec.h"

namespace {

const char bombMark = '#';
const char freeMark = '.';
const std::string namePrefix = "name:";

// A source lists every problem it has, each at its line, so one check shows
// a designer all there is to mend.
struct SourceReading {
    std::string where;
    std::vector<std::string> problems;
    bool named = false;         // the first line that is not a comment was read as the name's
    bool encodingTold = false;  // "not UTF-8" is said once, at the first line that shows it
    int rows = 0;
};

bool isComment(const std::string& line) { return trimmed(line).empty() || line[0] == ';'; }

void complain(SourceReading* reading, int lineNumber, const std::string& what)
{
    reading->problems.push_back(reading->where + ":" + std::to_string(lineNumber) + ": " + what);
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

void readNameLine(const std::string& line, int lineNumber, SourceReading* reading, Level* level)
{
    reading->named = true;
    if (line.compare(0, namePrefix.size(), namePrefix) != 0) {
        complain(reading, lineNumber, "the first line must be \"name: <name>\"");
        return;
    }
    level->name = trimmed(line.substr(namePrefix.size()));
    std::string problem = nameProblem(level->name);
    if (!problem.empty())
        complain(reading, lineNumber, problem);
}

std::string describeCharacter(char c)
{
    unsigned char byte = static_cast<unsigned char>(c);
    if (c == ' ')
        return "a blank";
    if (c == '\t')
        return "a tab";
    if (byte >= 0x21 && byte < 0x7F)
        return std::string("unknown character '") + c + "'";
    std::ostringstream code;
    code << "unknown character byte 0x" << std::hex << static_cast<int>(byte);
    return code.str();
}

// A character that draws no block; blanks after the blocks, an editor's
// usual slip, are told apart.
std::string strayProblem(const std::string& line, int lineNumber)
{
    size_t stray = line.find_first_not_of("#.");
    if (stray == std::string::npos)
        return "";
    if (line.find_first_not_of(" \t", stray) == std::string::npos)
        return "a blank at the end of line " + std::to_string(lineNumber) + " (nothing may follow the blocks)";
    return describeCharacter(line[stray]) + " in column " + std::to_string(stray + 1) +
           " (only '#' and '.' draw a board)";
}

// Why a row of width blocks does not fit the board; size is 0 when the first
// row gave none.
std::string shapeProblem(int width, int row, int size)
{
    if (row == 0 && !isBoardSize(width))
        return "the first row has " + std::to_string(width) + " blocks; a board is 10, 15 or 20 wide";
    if (size > 0 && width != size)
        return "ragged row: " + std::to_string(width) + " blocks, the first row has " + std::to_string(size);
    return "";
}

// The first row sets the board's size, blanks after its blocks left out, so
// a slip there is told once and not again as every row being ragged.
void readBoardLine(const std::string& line, int lineNumber, SourceReading* reading, Level* level)
{
    int row = reading->rows++;
    std::string blocks = line.substr(0, line.find_last_not_of(" \t") + 1);
    int width = static_cast<int>(blocks.size());
    if (row == 0 && isBoardSize(width))
        level->size = width;
    if (level->size > 0 && row >= level->size) {
        if (row == level->size)
            complain(reading, lineNumber, "more than " + std::to_string(level->size) + " rows");
        level->wholeBoard = false;
        return;
    }
    std::string problem = strayProblem(line, lineNumber);
    if (problem.empty())
        problem = shapeProblem(width, row, level->size);
    if (!problem.empty())
        complain(reading, lineNumber, problem);
    if (!problem.empty() || level->size == 0) {
        level->wholeBoard = false;
        return;
    }
    for (int col = 0; col < width; ++col)
        level->picture[col][row] = blocks[col] == bombMark ? 1 : 0;
}

// A line that is not UTF-8 is told once: an editor that saved the file in
// CP949 changed every Korean line of it. It still counts as the name or a row.
void readForeignLine(const std::string& line, int lineNumber, SourceReading* reading, Level* level)
{
    if (!reading->encodingTold)
        complain(reading, lineNumber, notUtf8Problem(line));
    reading->encodingTold = true;
    if (isComment(line))
        return;
    if (!reading->named) {
        reading->named = true;
        return;
    }
    ++reading->rows;
    level->wholeBoard = false;
}

// What the whole file lacks, told at its last line.
void checkCompleteness(int lines, SourceReading* reading, Level* level)
{
    int rows = reading->rows;
    if (lines == 0)
        complain(reading, 1, "the file is empty; a source begins with \"name: <name>\"");
    else if (!reading->named)
        complain(reading, lines, "no \"name:\" line and no board");
    else if (rows == 0 || rows < level->size)
        complain(reading, lines, std::to_string(rows) + " rows, the board needs " +
                                     std::to_string(level->size ? level->size : 10));
    level->wholeBoard = level->wholeBoard && level->size > 0 && rows == level->size;
}

}  // namespace

bool parseSource(const std::string& text, const std::string& where, Level* level)
{
    *level = Level();
    level->where = where;
    SourceReading reading;
    reading.where = where;
    int lineNumber = 0;
    for (const std::string& line : splitLines(text)) {
        ++lineNumber;
        if (!isUtf8(line))
            readForeignLine(line, lineNumber, &reading, level);
        else if (!line.empty() && line[0] == ';')
            readCredit(line, level);
        else if (isComment(line))
            continue;
        else if (!reading.named)
            readNameLine(line, lineNumber, &reading, level);
        else
            readBoardLine(line, lineNumber, &reading, level);
    }
    checkCompleteness(lineNumber, &reading, level);
    for (const std::string& problem : reading.problems)
        level->flaw += (level->flaw.empty() ? "" : "\n") + problem;
    return reading.problems.empty();
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
