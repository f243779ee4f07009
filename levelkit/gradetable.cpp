#include "gradetable.h"

#include <cstdio>

#include "setcheck.h"

namespace {

// The grade has a column of its own, each of its figures another; a level
// that fails the check for another reason than line logic still shows them.
std::string gradeWord(const Level& level, const LevelVerdict& verdict)
{
    if (!verdict.passes)
        return "fails the check";
    return gradeName(verdict.steps, level.size);
}

// A failing level's cell says why, on one line as a table row must be.
std::string gradeCell(const Level& level, const LevelVerdict& verdict)
{
    if (verdict.passes)
        return gradeWord(level, verdict);
    std::string cell = gradeWord(level, verdict) + ": ";
    for (char c : failureReason(level, verdict))
        cell += c == '\n' ? "; " : (c == '|' ? "\\|" : std::string(1, c));
    return cell;
}

std::string tally(const LevelSet& set, const std::vector<LevelVerdict>& verdicts)
{
    std::vector<std::string> words;
    for (size_t i = 0; i < verdicts.size(); ++i)
        words.push_back(gradeWord(set.levels[i], verdicts[i]));
    return tallyText({"easy", "middle", "hard", "fails the check"}, words);
}

std::string figureOrDash(int figure)
{
    return figure >= 0 ? std::to_string(figure) : "-";
}

std::string workOrDash(const Level& level, const LevelVerdict& verdict)
{
    int work = workPerLine(verdict.steps, level.size);
    return work >= 0 ? hundredthsText(work) : "-";
}

std::string boundsText(const GradeBounds& bounds)
{
    return "easy up to " + hundredthsText(bounds.mostEasy) + ", middle up to " + hundredthsText(bounds.mostMiddle) +
           " steps a line";
}

// How many of a set's levels have the grade (or fail the check, for "fails the check").
int gradeCount(const LevelSet& set, const std::vector<LevelVerdict>& verdicts, const std::string& grade)
{
    int count = 0;
    for (size_t i = 0; i < verdicts.size(); ++i)
        count += gradeWord(set.levels[i], verdicts[i]) == grade ? 1 : 0;
    return count;
}

// The grades of each set counted, as a Markdown table for levels/README.md.
std::string countTable(const std::vector<std::string>& paths, const std::vector<LevelSet>& sets,
                       const std::vector<std::vector<LevelVerdict>>& verdicts)
{
    std::string table = "| size | folder | levels | easy | middle | hard | failing |\n"
                        "|---|---|---:|---:|---:|---:|---:|\n";
    for (size_t s = 0; s < sets.size(); ++s) {
        std::string size = std::to_string(sets[s].size);
        table += "| " + size + " x " + size + " | " + paths[s] + " | " + std::to_string(verdicts[s].size());
        for (const char* grade : {"easy", "middle", "hard", "fails the check"})
            table += " | " + std::to_string(gradeCount(sets[s], verdicts[s], grade));
        table += " |\n";
    }
    return table;
}

std::string figuresLine(const Level& level, const LevelVerdict& verdict, size_t index)
{
    char line[96];
    std::string mirror = verdict.wellFormed ? std::to_string(mirrorPercent(level)) + "%" : "-";
    std::snprintf(line, sizeof line, "%4d %3zu %6s %5s %6s %6s  %-7s ", level.size, index + 1,
                  figureOrDash(verdict.rounds).c_str(), figureOrDash(verdict.steps).c_str(),
                  workOrDash(level, verdict).c_str(),
                  mirror.c_str(), verdict.passes ? gradeName(verdict.steps, level.size) : "fails");
    return line + (level.name.empty() ? "" : level.name + " ") + "(" + level.where + ")\n";
}

}  // namespace

std::string gradeTable(const std::string& path, const LevelSet& set, const std::vector<LevelVerdict>& verdicts)
{
    std::string size = std::to_string(set.size);
    std::string table = "### " + size + " x " + size + " (" + path + "): " + std::to_string(verdicts.size()) +
                        " levels, " + tally(set, verdicts) + "\n\n" +
                        "| # | name | bombs | grade | rounds | steps | a line |\n|---:|---|---:|---|---:|---:|---:|\n";
    for (size_t i = 0; i < verdicts.size(); ++i) {
        const Level& level = set.levels[i];
        const LevelVerdict& verdict = verdicts[i];
        std::string share =
            verdict.bombs >= 0 ? std::to_string(verdict.bombs * 100 / (level.size * level.size)) + "%" : "-";
        table += "| " + std::to_string(i + 1) + " | " + (level.name.empty() ? level.where : level.name) + " | " +
                 share + " | " + gradeCell(level, verdict) + " | " + figureOrDash(verdict.rounds) + " | " +
                 figureOrDash(verdict.steps) + " | " + workOrDash(level, verdict) + " |\n";
    }
    return table;
}

std::string figuresReport(const std::vector<std::string>& paths, const std::vector<LevelSet>& sets,
                          const std::vector<std::vector<LevelVerdict>>& verdicts)
{
    std::string report = "size   # rounds steps a line mirror  grade   name (file)\n";
    std::vector<int> works;
    for (size_t s = 0; s < sets.size(); ++s) {
        for (size_t i = 0; i < verdicts[s].size(); ++i) {
            const Level& level = sets[s].levels[i];
            report += figuresLine(level, verdicts[s][i], i);
            if (verdicts[s][i].passes)
                works.push_back(workPerLine(verdicts[s][i].steps, level.size));
        }
    }
    report += "\n" + countTable(paths, sets, verdicts) + "\n";
    for (const SymmetryShare& share : symmetryShares(sets))
        report += symmetryText(share) + (tooSymmetric(share) ? ": too many\n" : "\n");
    GradeBounds inUse;
    inUse.mostEasy = mostEasyWork;
    inUse.mostMiddle = mostMiddleWork;
    report += "bounds in use: " + boundsText(inUse) + "\n";
    if (works.empty())
        return report + "no level passes the check, so the levels give no bounds\n";
    GradeBounds given = thirdsOfWork(works);
    bool same = given.mostEasy == inUse.mostEasy && given.mostMiddle == inUse.mostMiddle;
    std::string verdict =
        same ? " (the same)\n" : " (they differ: set mostEasyWork and mostMiddleWork in levelkit/levelcheck.h)\n";
    return report + "bounds by thirds of the " + std::to_string(works.size()) +
           " passing levels: " + boundsText(given) + verdict;
}
