#include "gradetable.h"

#include <cstdio>

namespace {

// The grade has a column of its own, each of its figures another.
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
    int work = verdict.passes ? workPerLine(verdict.steps, level.size) : -1;
    return work >= 0 ? hundredthsText(work) : "-";
}

std::string boundsText(const GradeBounds& bounds)
{
    return "easy up to " + hundredthsText(bounds.mostEasy) + ", middle up to " + hundredthsText(bounds.mostMiddle) +
           " steps a line";
}

std::string figuresLine(const Level& level, const LevelVerdict& verdict, size_t index)
{
    char line[96];
    std::snprintf(line, sizeof line, "%4d %3zu %6s %5s %6s  %-7s ", level.size, index + 1,
                  figureOrDash(verdict.passes ? verdict.rounds : -1).c_str(),
                  figureOrDash(verdict.passes ? verdict.steps : -1).c_str(), workOrDash(level, verdict).c_str(),
                  verdict.passes ? gradeName(verdict.steps, level.size) : "fails");
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
    std::string report = "size   # rounds steps a line  grade   name (file)\n";
    std::vector<int> works;
    for (size_t s = 0; s < sets.size(); ++s) {
        for (size_t i = 0; i < verdicts[s].size(); ++i) {
            const Level& level = sets[s].levels[i];
            report += figuresLine(level, verdicts[s][i], i);
            if (verdicts[s][i].passes)
                works.push_back(workPerLine(verdicts[s][i].steps, level.size));
        }
    }
    for (size_t s = 0; s < sets.size(); ++s)
        report += paths[s] + ": " + std::to_string(verdicts[s].size()) + " levels, " + tally(sets[s], verdicts[s]) + "\n";
    GradeBounds inUse;
    inUse.mostEasy = mostEasyWork;
    inUse.mostMiddle = mostMiddleWork;
    report += "bounds in use: " + boundsText(inUse) + "\n";
    if (works.empty())
        return report + "no level passes the check, so the levels give no bounds\n";
    GradeBounds given = thirdsOfWork(works);
    bool same = given.mostEasy == inUse.mostEasy && given.mostMiddle == inUse.mostMiddle;
    return report + "bounds by thirds of the " + std::to_string(works.size()) + " passing levels: " + boundsText(given) +
           (same ? " (the same)\n" : " (they differ: set mostEasyWork and mostMiddleWork in tools/levels/levelcheck.h)\n");
}
