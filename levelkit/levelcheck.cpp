#include "levelcheck.h"

#include <algorithm>
#include <sstream>

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

std::string percentText(int bombs, int size)
{
    return std::to_string(bombs * 100 / (size * size)) + "% bombs";
}

std::string stuckReason(const LevelVerdict& verdict)
{
    return "line logic is stuck with " + std::to_string(verdict.undecided) + " blocks undecided (" +
           picturesText(verdict.pictures, verdict.searchSeconds) + ")";
}

std::string repeatReason(const LevelVerdict& verdict)
{
    std::string level = "level " + std::to_string(verdict.repeatOf + 1);
    if (verdict.repeatHow == "the same picture")
        return "the same picture as " + level;
    return level + "'s picture " + verdict.repeatHow;
}

// A text of several lines with every line after the first indented, so a
// list of problems stands under its first.
std::string indentedBelow(const std::string& text, const std::string& indent)
{
    std::string indented;
    for (char c : text)
        indented += c == '\n' ? "\n" + indent : std::string(1, c);
    return indented;
}

std::string secondsText(double seconds)
{
    std::ostringstream text;
    text << seconds;
    return text.str();
}

}  // namespace

std::string picturesText(int pictures, double searchSeconds)
{
    switch (pictures) {
    case noPicture:
        return "no picture fits the clues";
    case uniqueByLines:
        return "unique by line logic";
    case uniqueByGuessing:
        return "unique but needs guessing";
    case severalPictures:
        return "more than one picture";
    default:
        return "could not tell within " + secondsText(searchSeconds) + " s";
    }
}

int workPerLine(int steps, int size)
{
    if (steps < 0 || size <= 0)
        return -1;
    return steps * 100 / (2 * size);
}

const char* gradeName(int steps, int size)
{
    int work = workPerLine(steps, size);
    if (work < 0)
        return "no grade";
    if (work <= mostEasyWork)
        return "easy";
    return work <= mostMiddleWork ? "middle" : "hard";
}

std::string hundredthsText(int hundredths)
{
    std::string cents = std::to_string(hundredths % 100);
    return std::to_string(hundredths / 100) + "." + (cents.size() < 2 ? "0" : "") + cents;
}

std::string gradeText(int rounds, int steps, int size)
{
    if (rounds < 0 || steps < 0)
        return "no grade";
    return std::string(gradeName(steps, size)) + ", " + std::to_string(rounds) + " rounds, " +
           std::to_string(steps) + " steps, " + hundredthsText(workPerLine(steps, size)) + " a line";
}

GradeBounds thirdsOfWork(std::vector<int> works)
{
    GradeBounds bounds;
    if (works.empty())
        return bounds;
    std::sort(works.begin(), works.end());
    size_t count = works.size();
    bounds.mostEasy = works[(count + 2) / 3 - 1];
    bounds.mostMiddle = works[(2 * count + 2) / 3 - 1];
    return bounds;
}

std::string tallyText(const std::vector<std::string>& order, const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : order) {
        int count = 0;
        for (const std::string& each : names)
            count += each == name ? 1 : 0;
        if (count > 0)
            text += (text.empty() ? "" : ", ") + std::to_string(count) + " " + name;
    }
    return text;
}

LevelVerdict judgeLevel(const Level& level, double searchSeconds, const std::atomic<bool>* cancel)
{
    LevelVerdict verdict;
    verdict.searchSeconds = searchSeconds;
    // A board read whole has a share worth showing even when a name or its size is wrong.
    verdict.bombs = isBoardSize(level.size) && level.wholeBoard ? bombCount(level) : -1;
    verdict.wellFormed = level.flaw.empty() && isBoardSize(level.size);
    if (!verdict.wellFormed)
        return verdict;
    BoardClues clues;
    cluesOfPicture(level.picture, level.size, &clues);
    verdict.pictures = judgeClues(clues, searchSeconds, verdict.known, level.picture, cancel,
                                  verdict.otherPicture);
    verdict.lineResult = verdict.pictures == uniqueByLines ? solvedByLines
                                                           : (verdict.pictures == noPicture ? linesContradict : linesStuck);
    verdict.undecided = undecidedCount(level.size, verdict.known);
    // The clues come from the picture, so a full solve must give it back.
    if (verdict.lineResult == solvedByLines && !agreesWithPicture(level, verdict.known))
        verdict.lineResult = linesContradict;
    if (verdict.lineResult == solvedByLines) {
        LineWork work = lineLogicWork(clues);
        verdict.rounds = work.rounds;
        verdict.steps = work.steps;
    }
    int blocks = level.size * level.size;
    verdict.fairShare = verdict.bombs * 100 >= fewestBombPercent * blocks && verdict.bombs * 100 <= mostBombPercent * blocks;
    verdict.passes = verdict.lineResult == solvedByLines && verdict.fairShare;
    return verdict;
}

std::vector<LevelVerdict> judgeLevels(const std::vector<Level>& levels, double searchSeconds)
{
    std::vector<LevelVerdict> verdicts;
    for (size_t i = 0; i < levels.size(); ++i) {
        verdicts.push_back(judgeLevel(levels[i], searchSeconds));
        for (size_t earlier = 0; earlier < i && verdicts[i].wellFormed && verdicts[i].repeatOf < 0; ++earlier) {
            if (!verdicts[earlier].wellFormed)
                continue;
            verdicts[i].repeatHow = repeatOf(levels[earlier], levels[i]);
            if (!verdicts[i].repeatHow.empty()) {
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
    std::vector<std::string> reasons;
    if (verdict.lineResult == linesContradict)
        reasons.push_back("the line solver contradicts the picture");
    if (verdict.lineResult == linesStuck)
        reasons.push_back(stuckReason(verdict));
    if (!verdict.fairShare) {
        reasons.push_back(percentText(verdict.bombs, level.size) + ", a level needs " +
                          std::to_string(fewestBombPercent) + "% to " + std::to_string(mostBombPercent) + "%");
    }
    if (verdict.repeatOf >= 0)
        reasons.push_back(repeatReason(verdict));
    std::string joined;
    for (const std::string& reason : reasons)
        joined += (joined.empty() ? "" : "; ") + reason;
    return joined;
}

std::string verdictReport(const Level& level, const LevelVerdict& verdict, int index)
{
    std::string number = std::to_string(index + 1);
    std::string head = std::string(number.size() < 3 ? 3 - number.size() : 0, ' ') + number + " " +
                       (verdict.passes ? "ok   " : "FAIL ");
    if (!verdict.wellFormed)
        return head + indentedBelow(failureReason(level, verdict), std::string(head.size(), ' ')) + "\n";
    head += level.name + " (" + level.where + "): ";
    if (verdict.passes) {
        return head + percentText(verdict.bombs, level.size) + ", unique by line logic, " +
               gradeText(verdict.rounds, verdict.steps, level.size) + "\n";
    }
    // A fair share is worth telling beside the failures; an unfair one is one of them.
    std::string report = head + (verdict.fairShare ? percentText(verdict.bombs, level.size) + "; " : "") +
                         failureReason(level, verdict) + "\n";
    if (verdict.lineResult == linesStuck)
        report += knowledgeGrid(level.size, verdict.known, "      ");
    return report;
}
