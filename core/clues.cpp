#include "clues.h"

#include "game.h"

int lineRuns(const int* first, int step, int length, bool (*counts)(int), int* runs)
{
    int count = 0;
    int open = 0;
    for (int i = 0; i < length; ++i) {
        if (counts(first[i * step])) {
            ++open;
            continue;
        }
        if (open > 0 && count < maxRuns)
            runs[count++] = open;
        open = 0;
    }
    if (open > 0 && count < maxRuns)
        runs[count++] = open;
    return count;
}

bool isBomb(int bit) { return bit != 0; }
