#include "levelcheck.h"

#include "boardtext.h"

namespace {

bool agreesWithPicture(const Level& level, const int (*known)[gridRoom])
{
    for (int col = 0; col < level.size; ++col) {
        for (int row = 0; row < level.size; ++row) {
            if (known[col][row] != level.picture[col][row])
                return false;
        }
    }
    return true;
}

int undecidedBlocks(int size, const int (*known)[gridRoom])
{
    int undecided = 0;
    for (int col = 0; col < size; ++col) {
        for (int row = 0; row < size; ++row)
            undecided += known[col][row] == blockUnknown ? 1 : 0;
    }
    return undecided;
}

std::string percentText(int bombs, int size)
{
    return std::to_string(bombs * 100 / (size * size)) + "% bombs";
}

std::string stuckReason(const LevelVerdict& verdict)
{
    std::string reason = "line logic is stuck with " + std::to_string(verdict.undecided) + " blocks undecided";
    if (verdict.solutions > 1)
        return reason + " (the clues allow more than one picture)";
    return reason + " (the picture is unique but needs guessing)";
}

}  // namespace

LevelVerdict judgeLevel(const Level& level)
{
    LevelVerdict verdict;
    verdict.wellFormed = level.flaw.empty() && isBoardSize(level.size);
    if (!verdict.wellFormed)
        return verdict;
    BoardClues clues;
    cluesOfPicture(level.picture, level.size, &clues);
    clearKnowledge(level.size, verdict.known);
    verdict.lineResult = solveByLines(clues, verdict.known);
    verdict.undecided = undecidedBlocks(level.size, verdict.known);
    if (verdict.lineResult == linesStuck)
        verdict.solutions = countSolutions(clues, 2);
    // The clues come from the picture, so a full solve must give it back.
    if (verdict.lineResult == solvedByLines && !agreesWithPicture(level, verdict.known))
        verdict.lineResult = linesContradict;
    verdict.bombs = bombCount(level);
    int blocks = level.size * level.size;
    verdict.fairShare = verdict.bombs * 100 >= fewestBombPercent * blocks && verdict.bombs * 100 <= mostBombPercent * blocks;
    verdict.passes = verdict.lineResult == solvedByLines && verdict.fairShare;
    return verdict;
}

std::vector<LevelVerdict> judgeLevels(const std::vector<Level>& levels)
{
    std::vector<LevelVerdict> verdicts;
    for (size_t i = 0; i < levels.size(); ++i) {
        verdicts.push_back(judgeLevel(levels[i]));
        for (size_t earlier = 0; earlier < i && verdicts[i].wellFormed; ++earlier) {
            if (verdicts[i].repeatOf < 0 && samePicture(levels[i], levels[earlier])) {
                verdicts[i].repeatOf = static_cast<int>(earlier);
                verdicts[i].passes = false;
            }
        }
    }
    return verdicts;
}

std::string failureReason(const Level& level, const LevelVerdict& verdict)
{
    if (!verdict.wellFormed)
        return level.flaw.empty() ? "not a 10, 15 or 20 board" : level.flaw;
    if (verdict.lineResult == linesContradict)
        return "the line solver contradicts the picture";
    if (verdict.lineResult == linesStuck)
        return stuckReason(verdict);
    if (!verdict.fairShare) {
        return percentText(verdict.bombs, level.size) + ", a level needs " + std::to_string(fewestBombPercent) +
               "% to " + std::to_string(mostBombPercent) + "%";
    }
    if (verdict.repeatOf >= 0)
        return "the same picture as level " + std::to_string(verdict.repeatOf + 1);
    return "";
}

std::string verdictReport(const Level& level, const LevelVerdict& verdict, int index)
{
    std::string number = std::to_string(index + 1);
    std::string head = std::string(number.size() < 3 ? 3 - number.size() : 0, ' ') + number + " " +
                       (verdict.passes ? "ok   " : "FAIL ");
    if (!verdict.wellFormed)
        return head + failureReason(level, verdict) + "\n";
    head += level.name + " (" + level.where + "): " + percentText(verdict.bombs, level.size);
    if (verdict.passes)
        return head + ", unique by line logic\n";
    std::string report = head + "; " + failureReason(level, verdict) + "\n";
    if (verdict.lineResult == linesStuck)
        report += knowledgeGrid(level.size, verdict.known, "      ");
    return report;
}
