#include "gradetable.h"

namespace {

// "easy, 3 rounds" is split into the grade and its rounds for two columns.
std::string gradeWord(const LevelVerdict& verdict)
{
    if (!verdict.passes)
        return "fails the check";
    std::string text = gradeText(verdict.rounds);
    return text.substr(0, text.find(','));
}

std::string tally(const std::vector<LevelVerdict>& verdicts)
{
    const char* words[] = {"easy", "middle", "hard", "fails the check"};
    std::string text;
    for (const char* word : words) {
        int count = 0;
        for (const LevelVerdict& verdict : verdicts)
            count += gradeWord(verdict) == word ? 1 : 0;
        if (count > 0)
            text += (text.empty() ? "" : ", ") + std::to_string(count) + " " + word;
    }
    return text;
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
        int blocks = level.size * level.size;
        std::string share = blocks > 0 ? std::to_string(verdict.bombs * 100 / blocks) + "%" : "-";
        std::string rounds = verdict.rounds >= 0 ? std::to_string(verdict.rounds) : "-";
        table += "| " + std::to_string(i + 1) + " | " + (level.name.empty() ? level.where : level.name) + " | " +
                 share + " | " + gradeWord(verdict) + " | " + rounds + " |\n";
    }
    return table;
}
