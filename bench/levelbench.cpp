#include "levelbench.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <random>
#include <sstream>

#include "levelcheck.h"
#include "sourcefile.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A quick verdict is judged again until a millisecond has passed, for a
// steady figure; a slow one once. The processor time beside the clock's
// tells how much of the wait was other programs' on a busy machine.
double timeVerdict(const Level& level, double searchSeconds, LevelVerdict* verdict, double* processorSeconds)
{
    auto start = Clock::now();
    std::clock_t processorStart = std::clock();
    int runs = 0;
    do {
        *verdict = judgeLevel(level, searchSeconds);
        ++runs;
    } while (secondsSince(start) < 0.001);
    *processorSeconds = static_cast<double>(std::clock() - processorStart) / CLOCKS_PER_SEC / runs;
    return secondsSince(start) / runs;
}

std::string millis(double seconds)
{
    std::ostringstream text;
    text.precision(seconds < 0.01 ? 2 : 4);
    text << seconds * 1000 << " ms";
    return text.str();
}

// The boards by their verdict; a malformed one has none.
std::string verdictTally(const std::vector<LevelVerdict>& verdicts, double searchSeconds)
{
    std::vector<std::string> order;
    for (int pictures : {uniqueByLines, uniqueByGuessing, severalPictures, undecidedInTime, noPicture})
        order.push_back(picturesText(pictures, searchSeconds));
    std::vector<std::string> names;
    for (const LevelVerdict& verdict : verdicts)
        names.push_back(verdict.wellFormed ? picturesText(verdict.pictures, searchSeconds) : "");
    return tallyText(order, names);
}

}  // namespace

std::vector<Level> randomBoards(int count, int size)
{
    std::mt19937 draw(20261208u);
    std::vector<Level> boards(count);
    for (int i = 0; i < count; ++i) {
        Level& board = boards[i];
        board.size = size;
        int percent = 30 + static_cast<int>(draw() % 16);
        board.name = "random " + std::to_string(i + 1);
        board.where = "about " + std::to_string(percent) + "% bombs";
        for (int col = 0; col < size; ++col) {
            for (int row = 0; row < size; ++row)
                board.picture[col][row] = static_cast<int>(draw() % 100) < percent ? 1 : 0;
        }
    }
    return boards;
}

std::string benchReport(const std::vector<Level>& levels, double searchSeconds)
{
    std::vector<LevelVerdict> verdicts(levels.size());
    std::vector<double> times(levels.size());
    std::vector<double> processorTimes(levels.size());
    double total = 0;
    size_t slowest = 0;
    int passing = 0;
    for (size_t i = 0; i < levels.size(); ++i) {
        times[i] = timeVerdict(levels[i], searchSeconds, &verdicts[i], &processorTimes[i]);
        total += times[i];
        slowest = times[i] > times[slowest] ? i : slowest;
        passing += verdicts[i].passes ? 1 : 0;
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    std::vector<double> processorSorted = processorTimes;
    std::sort(processorSorted.begin(), processorSorted.end());
    const Level& worst = levels[slowest];
    std::ostringstream report;
    report << "checked " << levels.size() << " levels (" << passing << " pass): "
           << verdictTally(verdicts, searchSeconds) << "\n"
           << "time per level: median " << millis(sorted[sorted.size() / 2]) << ", mean "
           << millis(total / levels.size()) << ", max " << millis(sorted.back()) << "; all " << millis(total)
           << "\n"
           << "processor time per level: median " << millis(processorSorted[processorSorted.size() / 2])
           << ", max " << millis(processorSorted.back()) << "\n"
           << "slowest: " << slowest + 1 << " " << worst.name << " (" << worst.where << "), "
           << millis(times[slowest]) << " (processor " << millis(processorTimes[slowest]) << "), " << picturesText(verdicts[slowest].pictures, searchSeconds) << "\n";
    if (worst.flaw.empty())
        report << sourceText(worst);
    return report.str();
}
