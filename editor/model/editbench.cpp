// Speed figures of the level editor's model: how long the verdict of a
// 20 x 20 picture takes (the shipped pictures and random ones), and how long
// the suggestions for a picture where line logic stops take.
// Usage: editmodel_bench [folder of 20 x 20 sources]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "benchmark.h"
#include "levelset.h"
#include "linesolver.h"
#include "pictureverdict.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void printFigures(const char* what, std::vector<double> times, double target)
{
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
}

std::vector<double> verdictTimes(const std::vector<Level>& pictures, int* passing)
{
    std::vector<double> times;
    *passing = 0;
    for (size_t i = 0; i < pictures.size(); ++i) {
        VerdictJob job;
        job.picture = pictures[i];
        job.index = static_cast<int>(i);
        job.earlier.assign(pictures.begin(), pictures.begin() + i);
        auto start = Clock::now();
        PictureVerdict verdict = judgePicture(job, nullptr);
        times.push_back(millisSince(start));
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

void benchSuggestions(const char* what, const std::vector<Level>& pictures)
{
    std::vector<double> times;
    int withUnique = 0;
    int incomplete = 0;
    for (const Level& picture : pictures) {
        SuggestionJob job;
        job.picture = picture;
        auto start = Clock::now();
        SuggestionList list = suggestChanges(job, nullptr);
        if (list.undecidedBefore == 0)
            continue;
        times.push_back(millisSince(start));
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
