#include "gradetable.h"

namespace {

// The grade has a column of its own, its rounds another.
std::string gradeWord(const LevelVerdict& verdict)
{
    if (!verdict.passes)
        return "fails the check";
    return gradeName(verdict.rounds);
}

// A failing level's cell says why, on one line as a table row must be.
std::string gradeCell(const Level& level, const LevelVerdict& verdict)
{
    if (verdict.passes)
        return gradeWord(verdict);
    std::string cell = gradeWord(verdict) + ": ";
    for (char c : failureReason(level, verdict))
        cell += c == '\n' ? "; " : (c == '|' ? "\\|" : std::string(1, c));
    return cell;
}

std::string tally(const std::vector<LevelVerdict>& verdicts)
{
    std::vector<std::string> words;
    for (const LevelVerdict& verdict : verdicts)
        words.push_back(gradeWord(verdict));
    return tallyText({"easy", "middle", "hard", "fails the check"}, words);
}

}  // namespace

std::string gradeTable(const std::string& path, const LevelSet& set, const std::vector<LevelVerdict>& verdicts)
{
    std::string size = std::to_string(set.size);
    std::string table = "### " + size + " x " + size + " (" + path + "): " + std::to_string(verdicts.size()) +
                        " levels, " + tally(verdicts) + "\n\n" +
                        "| # | name | bombs | grade | rounds |\n|---:|---|---:|---|---:|\n";
    for (size_t i = 0; i < verdicts.size(); ++i) {
        const Level& level = set.levels[i];
        const LevelVerdict& verdict = verdicts[i];
        std::string share =
            verdict.bombs >= 0 ? std::to_string(verdict.bombs * 100 / (level.size * level.size)) + "%" : "-";
        std::string rounds = verdict.rounds >= 0 ? std::to_string(verdict.rounds) : "-";
        table += "| " + std::to_string(i + 1) + " | " + (level.name.empty() ? level.where : level.name) + " | " +
                 share + " | " + gradeCell(level, verdict) + " | " + rounds + " |\n";
    }
    return table;
}
