#include "boardtext.h"

#include <algorithm>

namespace {

const int columnWidth = 3;  // room for a two-digit clue and a gap

std::string padLeft(const std::string& text, int width)
{
    int missing = width - static_cast<int>(text.size());
    return missing > 0 ? std::string(missing, ' ') + text : text;
}

char markOf(int knowledge)
{
    if (knowledge == blockBomb)
        return '#';
    return knowledge == blockFree ? '.' : '?';
}

int tallestColumnClue(const BoardClues& clues)
{
    int tallest = 1;
    for (int col = 0; col < clues.size; ++col)
        tallest = std::max(tallest, clues.columnRunCount[col]);
    return tallest;
}

std::string columnClueLines(const BoardClues& clues, int margin)
{
    int tallest = tallestColumnClue(clues);
    std::string text;
    for (int line = 0; line < tallest; ++line) {
        std::string row(margin, ' ');
        for (int col = 0; col < clues.size; ++col) {
            int count = clues.columnRunCount[col];
            int shown = std::max(count, 1);
            int index = line - (tallest - shown);
            std::string number = index < 0 ? "" : (count == 0 ? "0" : std::to_string(clues.columnRuns[col][index]));
            row += padLeft(number, columnWidth);
        }
        text += row + "\n";
    }
    return text;
}

}  // namespace

std::string clueText(const int* runs, int count, char separator)
{
    if (count == 0)
        return "0";
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += separator;
        text += std::to_string(runs[i]);
    }
    return text;
}

std::string knowledgeGrid(int size, const int (*known)[gridRoom], const std::string& indent)
{
    std::string text;
    for (int row = 0; row < size; ++row) {
        text += indent;
        for (int col = 0; col < size; ++col)
            text += markOf(known[col][row]);
        text += '\n';
    }
    return text;
}

std::string boardWithClues(const Level& level)
{
    BoardClues clues;
    cluesOfPicture(level.picture, level.size, &clues);
    int margin = 0;
    for (int row = 0; row < level.size; ++row)
        margin = std::max(margin, static_cast<int>(clueText(clues.rowRuns[row], clues.rowRunCount[row], ' ').size()));
    std::string text = columnClueLines(clues, margin);
    for (int row = 0; row < level.size; ++row) {
        text += padLeft(clueText(clues.rowRuns[row], clues.rowRunCount[row], ' '), margin);
        for (int col = 0; col < level.size; ++col)
            text += padLeft(level.picture[col][row] ? "#" : ".", columnWidth);
        text += '\n';
    }
    return text;
}
