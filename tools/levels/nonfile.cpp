#include "nonfile.h"

#include <cctype>
#include <sstream>
#include <vector>

#include "boardtext.h"
#include "files.h"
#include "linesolver.h"
#include "namecodec.h"

namespace {

struct NonReading {
    std::string where;
    std::vector<std::string> lines;
    int width = 0;
    int height = 0;
    std::string title;
    bool titled = false;
    bool hasRows = false;
    bool hasColumns = false;
    std::string goal;
    int goalLine = 0;
    BoardClues clues = {};
    std::string flaw;
};

std::string unquoted(const std::string& text)
{
    std::string value = trimmed(text);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

bool fail(NonReading* reading, int lineNumber, const std::string& what)
{
    reading->flaw = reading->where + ":" + std::to_string(lineNumber) + ": " + what;
    return false;
}

std::string keywordOf(const std::string& line, std::string* rest)
{
    std::string text = trimmed(line);
    size_t gap = text.find_first_of(" \t");
    *rest = gap == std::string::npos ? "" : text.substr(gap + 1);
    return text.substr(0, gap);
}

bool readNumber(NonReading* reading, int lineNumber, const std::string& text, int* value)
{
    std::string digits = trimmed(text);
    if (digits.empty() || digits.size() > 3 || digits.find_first_not_of("0123456789") != std::string::npos)
        return fail(reading, lineNumber, "\"" + digits + "\" is not a number");
    *value = std::stoi(digits);
    return true;
}

// One clue line of length cells into runs; false with the reason on bad input.
bool readClueLine(NonReading* reading, int lineNumber, const std::string& line, int length, int* runs, int* count)
{
    std::string text = unquoted(line);
    *count = 0;
    if (text.empty() || text == "0")
        return true;
    std::istringstream parts(text);
    std::string part;
    int needed = -1;
    while (std::getline(parts, part, ',')) {
        int run = 0;
        if (!readNumber(reading, lineNumber, part, &run))
            return false;
        if (run < 1)
            return fail(reading, lineNumber, "a clue of 0 among other clues");
        if (*count == maxRuns)
            return fail(reading, lineNumber, "too many clues for one line");
        runs[(*count)++] = run;
        needed += run + 1;
    }
    if (needed > length) {
        return fail(reading, lineNumber, "the clues need " + std::to_string(needed) + " blocks, the line has " +
                                             std::to_string(length));
    }
    return true;
}

// A "rows" or "columns" section: the next lines, one per line of the board.
bool readSection(NonReading* reading, size_t* at, bool rows)
{
    int lineNumber = static_cast<int>(*at) + 1;
    int lines = rows ? reading->height : reading->width;
    int length = rows ? reading->width : reading->height;
    if (reading->width == 0 || reading->height == 0)
        return fail(reading, lineNumber, std::string(rows ? "rows" : "columns") + " before width and height");
    if (*at + lines >= reading->lines.size())
        return fail(reading, lineNumber, "the section ends before its " + std::to_string(lines) + " clue lines");
    for (int i = 0; i < lines; ++i) {
        ++*at;
        int* runs = rows ? reading->clues.rowRuns[i] : reading->clues.columnRuns[i];
        int* count = rows ? &reading->clues.rowRunCount[i] : &reading->clues.columnRunCount[i];
        if (!readClueLine(reading, static_cast<int>(*at) + 1, reading->lines[*at], length, runs, count))
            return false;
    }
    (rows ? reading->hasRows : reading->hasColumns) = true;
    return true;
}

bool isGoalText(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("01\" \t") == std::string::npos;
}

// The goal's digits: on its own line, or continued on the lines after it.
bool readGoal(NonReading* reading, size_t* at, const std::string& rest)
{
    reading->goalLine = static_cast<int>(*at) + 1;
    std::string digits = rest;
    while (*at + 1 < reading->lines.size() && isGoalText(trimmed(reading->lines[*at + 1])))
        digits += reading->lines[++*at];
    for (char c : digits) {
        if (c == '0' || c == '1')
            reading->goal += c;
        else if (c != '"' && !std::isspace(static_cast<unsigned char>(c)))
            return fail(reading, reading->goalLine, std::string("unknown character '") + c + "' in the goal");
    }
    return true;
}

bool readSize(NonReading* reading, int lineNumber, const std::string& rest, int* value)
{
    if (!readNumber(reading, lineNumber, rest, value))
        return false;
    if (*value < 1 || *value > gridRoom)
        return fail(reading, lineNumber, "a board of " + std::to_string(*value) + " lines");
    return true;
}

bool readLine(NonReading* reading, size_t* at)
{
    int lineNumber = static_cast<int>(*at) + 1;
    std::string rest;
    std::string keyword = keywordOf(reading->lines[*at], &rest);
    if (keyword == "title") {
        reading->title = unquoted(rest);
        reading->titled = true;
        return true;
    }
    if (keyword == "width")
        return readSize(reading, lineNumber, rest, &reading->width);
    if (keyword == "height")
        return readSize(reading, lineNumber, rest, &reading->height);
    if (keyword == "rows" || keyword == "columns")
        return readSection(reading, at, keyword == "rows");
    if (keyword == "goal")
        return readGoal(reading, at, rest);
    return true;  // catalogue, by, copyright, license and the like
}

bool pictureFromGoal(NonReading* reading, Level* level)
{
    int blocks = reading->width * reading->height;
    if (static_cast<int>(reading->goal.size()) != blocks) {
        return fail(reading, reading->goalLine, "the goal has " + std::to_string(reading->goal.size()) +
                                                    " blocks, the board " + std::to_string(blocks));
    }
    for (int i = 0; i < blocks; ++i)
        level->picture[i % reading->width][i / reading->width] = reading->goal[i] == '1' ? 1 : 0;
    return true;
}

// Given clues must be the goal's own.
bool cluesMatchGoal(NonReading* reading, const Level& level)
{
    BoardClues own;
    cluesOfPicture(level.picture, level.size, &own);
    for (int i = 0; i < level.size; ++i) {
        if (reading->hasRows && !sameRuns(own.rowRuns[i], own.rowRunCount[i], reading->clues.rowRuns[i],
                                               reading->clues.rowRunCount[i])) {
            return fail(reading, reading->goalLine, "row " + std::to_string(i + 1) + "'s clue " +
                                                        clueText(reading->clues.rowRuns[i], reading->clues.rowRunCount[i], ',') +
                                                        " does not match the goal (" +
                                                        clueText(own.rowRuns[i], own.rowRunCount[i], ',') + ")");
        }
        if (reading->hasColumns &&
            !sameRuns(own.columnRuns[i], own.columnRunCount[i], reading->clues.columnRuns[i],
                           reading->clues.columnRunCount[i])) {
            return fail(reading, reading->goalLine, "column " + std::to_string(i + 1) + "'s clue " +
                                                        clueText(reading->clues.columnRuns[i], reading->clues.columnRunCount[i], ',') +
                                                        " does not match the goal (" +
                                                        clueText(own.columnRuns[i], own.columnRunCount[i], ',') + ")");
        }
    }
    return true;
}

// Without a goal the clues draw the picture, if line logic can.
bool pictureFromClues(NonReading* reading, Level* level)
{
    int last = static_cast<int>(reading->lines.size());
    if (!reading->hasRows || !reading->hasColumns)
        return fail(reading, last, "no goal, and not both rows and columns");
    int known[gridRoom][gridRoom];
    reading->clues.size = level->size;
    clearKnowledge(level->size, known);
    int result = solveByLines(reading->clues, known);
    if (result == linesContradict)
        return fail(reading, last, "the clues contradict one another");
    if (result == linesStuck) {
        return fail(reading, last, "no goal, and line logic leaves blocks undecided:\n" +
                                       knowledgeGrid(level->size, known, "    "));
    }
    for (int col = 0; col < level->size; ++col) {
        for (int row = 0; row < level->size; ++row)
            level->picture[col][row] = known[col][row];
    }
    return true;
}

bool readBoard(NonReading* reading, Level* level)
{
    int last = static_cast<int>(reading->lines.size());
    if (reading->width == 0 || reading->height == 0)
        return fail(reading, last, "no width or no height");
    if (reading->width != reading->height || !isBoardSize(reading->width)) {
        return fail(reading, last, "the board is " + std::to_string(reading->width) + " x " +
                                       std::to_string(reading->height) + "; levels are square 10, 15 or 20");
    }
    if (!reading->titled)
        return fail(reading, last, "no title, which names the level");
    std::string problem = nameProblem(reading->title);
    if (!problem.empty())
        return fail(reading, last, problem);
    level->size = reading->width;
    level->name = reading->title;
    if (reading->goal.empty())
        return pictureFromClues(reading, level);
    return pictureFromGoal(reading, level) && cluesMatchGoal(reading, *level);
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

}  // namespace

bool parseNon(const std::string& text, const std::string& where, Level* level)
{
    *level = Level();
    level->where = where;
    NonReading reading;
    reading.where = where;
    reading.lines = splitLines(text);
    bool fine = true;
    for (size_t at = 0; fine && at < reading.lines.size(); ++at)
        fine = readLine(&reading, &at);
    fine = fine && readBoard(&reading, level);
    level->flaw = reading.flaw;
    return fine;
}

std::string nonText(const Level& level)
{
    BoardClues clues;
    cluesOfPicture(level.picture, level.size, &clues);
    std::string size = std::to_string(level.size);
    std::string text = "title \"" + level.name + "\"\nwidth " + size + "\nheight " + size + "\n\nrows\n";
    for (int row = 0; row < level.size; ++row)
        text += clueText(clues.rowRuns[row], clues.rowRunCount[row], ',') + "\n";
    text += "\ncolumns\n";
    for (int col = 0; col < level.size; ++col)
        text += clueText(clues.columnRuns[col], clues.columnRunCount[col], ',') + "\n";
    text += "\ngoal \"";
    for (int row = 0; row < level.size; ++row) {
        for (int col = 0; col < level.size; ++col)
            text += level.picture[col][row] ? '1' : '0';
    }
    return text + "\"\n";
}

