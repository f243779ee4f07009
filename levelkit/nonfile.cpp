#include "nonfile.h"

#include <cctype>
#include <sstream>
#include <vector>

#include "boardtext.h"
#include "files.h"
#include "levelcheck.h"
#include "namecodec.h"

namespace {

// Where a "rows" or "columns" section stands and how it ends.
struct Section {
    int line = 0;                    // of its keyword
    bool closedByLoneBlank = false;  // its last line is blank, the one before is not
};

struct NonReading {
    std::string where;
    NonReadOptions options;
    std::vector<std::string> lines;
    int width = 0;
    int height = 0;
    int widthLine = 0;
    int heightLine = 0;
    std::string title;
    int titleLine = 0;
    bool hasRows = false;
    bool hasColumns = false;
    Section rowSection;
    Section columnSection;
    std::string goal;
    int goalLine = 0;
    BoardClues clues = {};
    std::vector<std::pair<std::string, std::string>> credits;
    std::string flaw;
};

// A value as written: a quoted text may escape '"' and '\' with '\'.
std::string unquoted(const std::string& text)
{
    std::string value = trimmed(text);
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return value;
    std::string plain;
    for (size_t i = 1; i + 1 < value.size(); ++i) {
        if (value[i] == '\\' && i + 2 < value.size())
            ++i;
        plain += value[i];
    }
    return plain;
}

std::string quoted(const std::string& text)
{
    std::string value = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            value += '\\';
        value += c;
    }
    return value + "\"";
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

bool isNumber(const std::string& digits)
{
    return !digits.empty() && digits.size() <= 3 && digits.find_first_not_of("0123456789") == std::string::npos;
}

bool readNumber(NonReading* reading, int lineNumber, const std::string& text, int* value)
{
    std::string digits = trimmed(text);
    if (!isNumber(digits))
        return fail(reading, lineNumber, "\"" + digits + "\" is not a number");
    *value = std::stoi(digits);
    return true;
}

// One clue: a number, perhaps followed by letters (a colour) that do not count.
bool readClue(NonReading* reading, int lineNumber, const std::string& word, int* run)
{
    size_t letters = word.find_first_not_of("0123456789");
    bool colourOnly = letters != std::string::npos &&
                      word.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ", letters) ==
                          std::string::npos;
    std::string digits = colourOnly ? word.substr(0, letters) : word;
    if (!isNumber(digits))
        return fail(reading, lineNumber, "\"" + word + "\" is not a number");
    *run = std::stoi(digits);
    return true;
}

// The clues of a line, split at commas and blanks; an empty place between
// commas is an error wherever it is.
bool splitClues(NonReading* reading, int lineNumber, const std::string& text, std::vector<std::string>* words)
{
    std::istringstream parts(text + ",");
    std::string part;
    while (std::getline(parts, part, ',')) {
        std::istringstream blanks(part);
        std::string word;
        bool any = false;
        while (blanks >> word) {
            words->push_back(word);
            any = true;
        }
        if (!any) {
            return fail(reading, lineNumber,
                        "\"" + text + "\" has an empty clue: every comma stands between two numbers");
        }
    }
    return true;
}

// One clue line of length cells into runs; false with the reason on bad input.
bool readClueLine(NonReading* reading, int lineNumber, const std::string& line, int length, int* runs, int* count)
{
    std::string text = unquoted(line);
    *count = 0;
    if (text.empty() || text == "0")
        return true;
    std::vector<std::string> words;
    if (!splitClues(reading, lineNumber, text, &words))
        return false;
    int needed = -1;
    for (const std::string& word : words) {
        int run = 0;
        if (!readClue(reading, lineNumber, word, &run))
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

// The one wording for every board the game cannot play, at the line that
// gives the wrong size.
bool checkBoardSize(NonReading* reading)
{
    int width = reading->width;
    int height = reading->height;
    if (width == height && isBoardSize(width))
        return true;
    int line = !isBoardSize(width) && width != 0 ? reading->widthLine : reading->heightLine;
    std::string what = "the board is " + (width ? std::to_string(width) : std::string("?")) + " x " +
                       (height ? std::to_string(height) : std::string("?")) + "; levels are square 10, 15 or 20";
    return fail(reading, line, what);
}

// Keywords begin with a letter, clue lines with a number.
bool isKeywordLine(const std::string& line)
{
    std::string text = trimmed(line);
    return !text.empty() && std::isalpha(static_cast<unsigned char>(text[0]));
}

bool isClueLine(const std::string& line)
{
    std::string text = unquoted(line);
    return !text.empty() && std::isdigit(static_cast<unsigned char>(text[0]));
}

bool isBlank(const std::string& line) { return trimmed(line).empty(); }

bool failShortSection(NonReading* reading, int sectionLine, int lines)
{
    return fail(reading, sectionLine, "the section ends before its " + std::to_string(lines) + " clue lines");
}

// A clue line after the section's own, blank lines between or not, is one
// too many: a puzzle that drops it is not the one its author drew.
bool checkNothingMore(NonReading* reading, size_t last, bool rows, int lines)
{
    size_t next = last + 1;
    while (next < reading->lines.size() && isBlank(reading->lines[next]))
        ++next;
    if (next == reading->lines.size() || !isClueLine(reading->lines[next]))
        return true;
    std::string section = rows ? "rows" : "columns";
    return fail(reading, static_cast<int>(next) + 1,
                "the " + section + " section has more than " + std::to_string(lines) + " clue lines");
}

// A "rows" or "columns" section: the next lines, one per line of the board.
bool readSection(NonReading* reading, size_t* at, bool rows)
{
    int lineNumber = static_cast<int>(*at) + 1;
    if (reading->width == 0 || reading->height == 0)
        return fail(reading, lineNumber, std::string(rows ? "rows" : "columns") + " before width and height");
    if (!checkBoardSize(reading))
        return false;
    int lines = rows ? reading->height : reading->width;
    int length = rows ? reading->width : reading->height;
    if (*at + lines >= reading->lines.size())
        return failShortSection(reading, lineNumber, lines);
    for (int i = 0; i < lines; ++i) {
        ++*at;
        if (isKeywordLine(reading->lines[*at]))
            return failShortSection(reading, lineNumber, lines);
        int* runs = rows ? reading->clues.rowRuns[i] : reading->clues.columnRuns[i];
        int* count = rows ? &reading->clues.rowRunCount[i] : &reading->clues.columnRunCount[i];
        if (!readClueLine(reading, static_cast<int>(*at) + 1, reading->lines[*at], length, runs, count))
            return false;
    }
    (rows ? reading->hasRows : reading->hasColumns) = true;
    Section& section = rows ? reading->rowSection : reading->columnSection;
    section.line = lineNumber;
    section.closedByLoneBlank = isBlank(reading->lines[*at]) && !isBlank(reading->lines[*at - 1]);
    return checkNothingMore(reading, *at, rows, lines);
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

bool readSize(NonReading* reading, int lineNumber, const std::string& rest, int* value, int* where)
{
    if (!readNumber(reading, lineNumber, rest, value))
        return false;
    *where = lineNumber;
    if (*value < 1)
        return fail(reading, lineNumber, "a board needs at least one line");
    return true;
}

bool readLine(NonReading* reading, size_t* at)
{
    int lineNumber = static_cast<int>(*at) + 1;
    std::string rest;
    std::string keyword = keywordOf(reading->lines[*at], &rest);
    if (keyword == "title") {
        reading->title = unquoted(rest);
        reading->titleLine = lineNumber;
        return true;
    }
    if (isCreditKey(keyword)) {
        // A credit goes into the source, which must be UTF-8 text.
        if (!isUtf8(rest))
            return fail(reading, lineNumber, notUtf8Problem(rest));
        reading->credits.push_back({keyword, unquoted(rest)});
        return true;
    }
    if (keyword == "width")
        return readSize(reading, lineNumber, rest, &reading->width, &reading->widthLine);
    if (keyword == "height")
        return readSize(reading, lineNumber, rest, &reading->height, &reading->heightLine);
    if (keyword == "rows" || keyword == "columns")
        return readSection(reading, at, keyword == "rows");
    if (keyword == "goal")
        return readGoal(reading, at, rest);
    return true;  // catalogue, color and the like
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

std::string clueMismatch(const char* line, int index, const int* given, int givenCount, const int* own, int ownCount)
{
    return std::string(line) + " " + std::to_string(index + 1) + "'s clue " + clueText(given, givenCount, ',') +
           " does not match the goal (" + clueText(own, ownCount, ',') + ")";
}

// Given clues must be the goal's own.
bool cluesMatchGoal(NonReading* reading, const Level& level)
{
    BoardClues own;
    cluesOfPicture(level.picture, level.size, &own);
    const BoardClues& given = reading->clues;
    for (int i = 0; i < level.size; ++i) {
        if (reading->hasRows &&
            !sameRuns(own.rowRuns[i], own.rowRunCount[i], given.rowRuns[i], given.rowRunCount[i])) {
            return fail(reading, reading->goalLine, clueMismatch("row", i, given.rowRuns[i], given.rowRunCount[i],
                                                                 own.rowRuns[i], own.rowRunCount[i]));
        }
        if (reading->hasColumns &&
            !sameRuns(own.columnRuns[i], own.columnRunCount[i], given.columnRuns[i], given.columnRunCount[i])) {
            return fail(reading, reading->goalLine,
                        clueMismatch("column", i, given.columnRuns[i], given.columnRunCount[i], own.columnRuns[i],
                                     own.columnRunCount[i]));
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
    int pictures = judgeClues(reading->clues, reading->options.searchSeconds, known);
    if (pictures == noPicture)
        return fail(reading, last, "the clues contradict one another: no picture fits them");
    if (pictures != uniqueByLines && reading->options.anyFittingPicture &&
        findPicture(reading->clues, reading->options.searchSeconds, level->picture))
        return true;
    if (pictures != uniqueByLines) {
        return fail(reading, last,
                    "no goal, and line logic leaves " + std::to_string(undecidedCount(level->size, known)) +
                        " blocks undecided (" + picturesText(pictures, reading->options.searchSeconds) + "):\n" +
                        knowledgeGrid(level->size, known, "    "));
    }
    for (int col = 0; col < level->size; ++col) {
        for (int row = 0; row < level->size; ++row)
            level->picture[col][row] = known[col][row];
    }
    return true;
}

bool readName(NonReading* reading, Level* level)
{
    if (!reading->options.name.empty()) {
        std::string problem = nameProblem(reading->options.name);
        if (!problem.empty()) {
            reading->flaw = "--name: " + problem;
            return false;
        }
        level->name = reading->options.name;
        return true;
    }
    if (reading->titleLine == 0) {
        return fail(reading, static_cast<int>(reading->lines.size()),
                    "no title, which names the level (or give one with --name)");
    }
    std::string problem = nameProblem(reading->title);
    if (!problem.empty())
        return fail(reading, reading->titleLine, problem + " (give another with --name)");
    level->name = reading->title;
    return true;
}

int bombsOfRuns(const int (*runs)[maxRuns], const int* counts, int lines)
{
    int bombs = 0;
    for (int line = 0; line < lines; ++line) {
        for (int i = 0; i < counts[line]; ++i)
            bombs += runs[line][i];
    }
    return bombs;
}

// A section one line short that a blank line closes reads that blank as an
// empty line; the rows and the columns then disagree on the count of bombs,
// which no picture can do.
bool checkSectionsWhole(NonReading* reading)
{
    const BoardClues& clues = reading->clues;
    int rowBombs = bombsOfRuns(clues.rowRuns, clues.rowRunCount, reading->height);
    int columnBombs = bombsOfRuns(clues.columnRuns, clues.columnRunCount, reading->width);
    if (!reading->hasRows || !reading->hasColumns || rowBombs == columnBombs)
        return true;
    if (reading->rowSection.closedByLoneBlank)
        return failShortSection(reading, reading->rowSection.line, reading->height);
    if (reading->columnSection.closedByLoneBlank)
        return failShortSection(reading, reading->columnSection.line, reading->width);
    return true;
}

bool readBoard(NonReading* reading, Level* level)
{
    int last = static_cast<int>(reading->lines.size());
    if (reading->width == 0 || reading->height == 0)
        return fail(reading, last, "no width or no height");
    if (!checkBoardSize(reading) || !checkSectionsWhole(reading) || !readName(reading, level))
        return false;
    level->size = reading->width;
    level->credits = reading->credits;
    if (reading->goal.empty())
        return pictureFromClues(reading, level);
    return pictureFromGoal(reading, level) && cluesMatchGoal(reading, *level);
}

}  // namespace

bool parseNon(const std::string& text, const std::string& where, Level* level, const NonReadOptions& options)
{
    *level = Level();
    level->where = where;
    NonReading reading;
    reading.where = where;
    reading.options = options;
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
    std::string text = "title " + quoted(level.name) + "\n";
    for (const auto& credit : level.credits)
        text += credit.first + " " + quoted(credit.second) + "\n";
    text += "width " + size + "\nheight " + size + "\n\nrows\n";
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
