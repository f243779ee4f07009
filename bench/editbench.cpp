// Speed figures of the level editor's model: how long the verdict of a
// 20 x 20 picture takes (the shipped pictures and random ones), and how long
// the suggestions for a picture where line logic stops take.
// Usage: editmodel_bench [folder of 20 x 20 sources]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "levelbench.h"
#include "levelset.h"
#include "linesolver.h"
#include "pictureverdict.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Times in milliseconds: by the clock, and the processor time beside it,
// which tells how much of the wait was other programs' on a busy machine.
struct Times {
    std::vector<double> clock;
    std::vector<double> processor;
};

struct Stopwatch {
    Clock::time_point start = Clock::now();
    std::clock_t processorStart = std::clock();
    void stopInto(Times* times) const
    {
        times->clock.push_back(millisSince(start));
        times->processor.push_back(static_cast<double>(std::clock() - processorStart) * 1000 / CLOCKS_PER_SEC);
    }
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void printFigures(const char* what, const Times& measured, double target)
{
    std::vector<double> times = measured.clock;
    if (times.empty()) {
        std::printf("%s: none\n", what);
        return;
    }
    if (times.empty()) {
        std::printf("%s: none\n", what);
        return;
    }
    std::sort(times.begin(), times.end());
    double total = 0;
    int over = 0;
    for (double time : times) {
        total += time;
        over += time > target ? 1 : 0;
    }
    std::printf("%s: %zu, median %.2f ms, mean %.2f ms, 90th %.2f ms, max %.2f ms; %d over %.0f ms\n", what,
                times.size(), times[times.size() / 2], total / times.size(), times[times.size() * 9 / 10],
                times.back(), over, target);
    std::printf("  processor time: median %.2f ms, max %.2f ms\n", median(measured.processor),
                *std::max_element(measured.processor.begin(), measured.processor.end()));
}

Times verdictTimes(const std::vector<Level>& pictures, int* passing)
{
    Times times;
    *passing = 0;
    for (size_t i = 0; i < pictures.size(); ++i) {
        VerdictJob job;
        job.picture = pictures[i];
        job.index = static_cast<int>(i);
        job.earlier.assign(pictures.begin(), pictures.begin() + i);
        Stopwatch watch;
        PictureVerdict verdict = judgePicture(job, nullptr);
        watch.stopInto(&times);
        *passing += verdict.passes ? 1 : 0;
    }
    return times;
}

// A picture one block away from one that line logic solves: the first
// block whose flip makes line logic stop.
bool stalledNeighbour(const Level& picture, Level* stalled)
{
    for (int col = 0; col < picture.size; ++col) {
        for (int row = 0; row < picture.size; ++row) {
            *stalled = picture;
            stalled->picture[col][row] ^= 1;
            BoardClues clues;
            cluesOfPicture(stalled->picture, stalled->size, &clues);
            int known[gridRoom][gridRoom];
            clearKnowledge(stalled->size, known);
            if (solveByLines(clues, known) == linesStuck)
                return true;
        }
    }
    return false;
}

// Pictures as a player leaves them while drawing: each shipped picture with
// a few blocks flipped at random (the same on every run).
std::vector<Level> halfDrawn(const std::vector<Level>& pictures, int flips)
{
    std::mt19937 draw(20261209u);
    std::vector<Level> drawn = pictures;
    for (Level& picture : drawn) {
        for (int i = 0; i < flips; ++i)
            picture.picture[draw() % picture.size][draw() % picture.size] ^= 1;
    }
    return drawn;
}

void benchSuggestions(const char* what, const std::vector<Level>& pictures)
{
    Times times;
    int withUnique = 0;
    int incomplete = 0;
    for (const Level& picture : pictures) {
        SuggestionJob job;
        job.picture = picture;
        Stopwatch watch;
        SuggestionList list = suggestChanges(job, nullptr);
        if (list.undecidedBefore == 0)
            continue;
        watch.stopInto(&times);
        withUnique += !list.items.empty() && list.items[0].unique ? 1 : 0;
        incomplete += list.complete ? 0 : 1;
    }
    printFigures(what, times, suggestionSeconds * 1000);
    std::printf("  %d of them get a suggestion that line logic solves; %d ran out of time\n", withUnique, incomplete);
}

}  // namespace

int main(int argc, char** argv)
{
    std::string folder = argc > 1 ? argv[1] : std::string(LEVEL_SOURCES) + "/20";
    LevelSet shipped;
    std::string problem;
    if (!loadLevelSet(folder, &shipped, &problem)) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }
    int passing = 0;
    printFigures("verdict, shipped 20 x 20", verdictTimes(shipped.levels, &passing), 100);
    std::printf("  %d of %zu pass\n", passing, shipped.levels.size());
    for (int flips : {1, 3, 10}) {
        std::string what = "verdict, shipped 20 x 20 with " + std::to_string(flips) + (flips == 1 ? " block" : " blocks") + " flipped";
        printFigures(what.c_str(), verdictTimes(halfDrawn(shipped.levels, flips), &passing), 100);
        std::printf("  %d of %zu pass\n", passing, shipped.levels.size());
    }
    std::vector<Level> random = randomBoards(40, 20);
    printFigures("verdict, random 20 x 20", verdictTimes(random, &passing), 100);
    std::printf("  %d of %zu pass\n", passing, random.size());

    std::vector<Level> stalled;
    for (const Level& picture : shipped.levels) {
        Level neighbour;
        if (stalledNeighbour(picture, &neighbour))
            stalled.push_back(neighbour);
    }
    benchSuggestions("suggestions, shipped 20 x 20 with one block flipped", stalled);
    benchSuggestions("suggestions, random 20 x 20 where line logic stops", random);
    return 0;
}
