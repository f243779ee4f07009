#include "linesolver.h"

#include <vector>

namespace {

const int lineRoom = gridRoom + 1;

// One line copied out of the grid, with the questions the placement asks.
struct Line {
    int length;
    int block[gridRoom];
    int freeBefore[lineRoom];  // known free blocks among the first i
};

bool mayBeFree(const Line& line, int i) { return line.block[i] != blockBomb; }

// No known free block in [from, to): a run may cover it.
bool mayHoldRun(const Line& line, int from, int to)
{
    return line.freeBefore[to] - line.freeBefore[from] == 0;
}

bool runsAreSound(int length, const int* runs, int runCount)
{
    if (length < 0 || length > gridRoom || runCount < 0 || runCount > maxRuns)
        return false;
    for (int j = 0; j < runCount; ++j) {
        if (runs[j] < 1 || runs[j] > length)
            return false;
    }
    return true;
}

// head[j][i]: the first i blocks can hold exactly the first j runs.
void fillHeads(const Line& line, const int* runs, int runCount, bool (*head)[lineRoom])
{
    for (int j = 0; j <= runCount; ++j)
        head[j][0] = j == 0;
    for (int i = 1; i <= line.length; ++i) {
        for (int j = 0; j <= runCount; ++j) {
            bool fits = mayBeFree(line, i - 1) && head[j][i - 1];
            int start = j > 0 ? i - runs[j - 1] : -1;
            if (!fits && start >= 0 && mayHoldRun(line, start, i)) {
                fits = start == 0 ? j == 1 : mayBeFree(line, start - 1) && head[j - 1][start - 1];
            }
            head[j][i] = fits;
        }
    }
}

// tail[j][i]: the blocks from i on can hold exactly the runs from j on.
void fillTails(const Line& line, const int* runs, int runCount, bool (*tail)[lineRoom])
{
    const int length = line.length;
    for (int j = 0; j <= runCount; ++j)
        tail[j][length] = j == runCount;
    for (int i = length - 1; i >= 0; --i) {
        for (int j = 0; j <= runCount; ++j) {
            bool fits = mayBeFree(line, i) && tail[j][i + 1];
            int end = j < runCount ? i + runs[j] : lineRoom;
            if (!fits && end <= length && mayHoldRun(line, i, end)) {
                fits = end == length ? j == runCount - 1 : mayBeFree(line, end) && tail[j + 1][end + 1];
            }
            tail[j][i] = fits;
        }
    }
}

// Marks every block that some arrangement of the runs leaves free or bombed.
void markPossible(const Line& line, const int* runs, int runCount, bool* canFree, bool* canBomb)
{
    bool head[maxRuns + 1][lineRoom];
    bool tail[maxRuns + 1][lineRoom];
    fillHeads(line, runs, runCount, head);
    fillTails(line, runs, runCount, tail);
    const int length = line.length;
    for (int i = 0; i < length; ++i) {
        canFree[i] = false;
        for (int j = 0; j <= runCount && mayBeFree(line, i); ++j)
            canFree[i] = canFree[i] || (head[j][i] && tail[j][i + 1]);
    }
    int cover[lineRoom] = {};
    for (int j = 0; j < runCount; ++j) {
        for (int start = 0; start + runs[j] <= length; ++start) {
            int end = start + runs[j];
            bool left = start == 0 ? j == 0 : mayBeFree(line, start - 1) && head[j][start - 1];
            bool right = end == length ? j == runCount - 1 : mayBeFree(line, end) && tail[j + 1][end + 1];
            if (left && right && mayHoldRun(line, start, end)) {
                ++cover[start];
                --cover[end];
            }
        }
    }
    int open = 0;
    for (int i = 0; i < length; ++i) {
        open += cover[i];
        canBomb[i] = open > 0;
    }
}

bool anyUnknown(int size, const int (*known)[gridRoom])
{
    for (int col = 0; col < size; ++col) {
        for (int row = 0; row < size; ++row) {
            if (known[col][row] == blockUnknown)
                return true;
        }
    }
    return false;
}

// One pass over every column and row; false on a contradiction.
bool solveAllLines(const BoardClues& clues, int (*known)[gridRoom], bool* changed)
{
    *changed = false;
    for (int col = 0; col < clues.size; ++col) {
        bool lineChanged = false;
        if (!solveLine(&known[col][0], 1, clues.size, clues.columnRuns[col], clues.columnRunCount[col],
                       &lineChanged))
            return false;
        *changed = *changed || lineChanged;
    }
    for (int row = 0; row < clues.size; ++row) {
        bool lineChanged = false;
        if (!solveLine(&known[0][row], gridRoom, clues.size, clues.rowRuns[row], clues.rowRunCount[row],
                       &lineChanged))
            return false;
        *changed = *changed || lineChanged;
    }
    return true;
}

bool cluesAreSound(const BoardClues& clues)
{
    return clues.size >= 0 && clues.size <= gridRoom;
}

struct Knowledge {
    int known[gridRoom][gridRoom];
};

bool firstUnknown(int size, const int (*known)[gridRoom], int* col, int* row)
{
    for (*col = 0; *col < size; ++*col) {
        for (*row = 0; *row < size; ++*row) {
            if (known[*col][*row] == blockUnknown)
                return true;
        }
    }
    return false;
}

}  // namespace

bool solveLine(int* first, int step, int length, const int* runs, int runCount, bool* changed)
{
    *changed = false;
    if (!runsAreSound(length, runs, runCount))
        return false;
    Line line;
    line.length = length;
    line.freeBefore[0] = 0;
    for (int i = 0; i < length; ++i) {
        line.block[i] = first[i * step];
        line.freeBefore[i + 1] = line.freeBefore[i] + (line.block[i] == blockFree ? 1 : 0);
    }
    bool canFree[gridRoom];
    bool canBomb[gridRoom];
    markPossible(line, runs, runCount, canFree, canBomb);
    for (int i = 0; i < length; ++i) {
        if (!canFree[i] && !canBomb[i])
            return false;
        int decided = canFree[i] && canBomb[i] ? blockUnknown : (canBomb[i] ? blockBomb : blockFree);
        if (decided != blockUnknown && line.block[i] == blockUnknown) {
            first[i * step] = decided;
            *changed = true;
        }
    }
    return true;
}

void cluesOfPicture(const int (*picture)[gridRoom], int size, BoardClues* clues)
{
    clues->size = size;
    for (int i = 0; i < size; ++i) {
        clues->columnRunCount[i] = lineRuns(&picture[i][0], 1, size, isBomb, clues->columnRuns[i]);
        clues->rowRunCount[i] = lineRuns(&picture[0][i], gridRoom, size, isBomb, clues->rowRuns[i]);
    }
}

void clearKnowledge(int size, int (*known)[gridRoom])
{
    for (int col = 0; col < size; ++col) {
        for (int row = 0; row < size; ++row)
            known[col][row] = blockUnknown;
    }
}

int solveByLines(const BoardClues& clues, int (*known)[gridRoom])
{
    if (!cluesAreSound(clues))
        return linesContradict;
    bool changed = true;
    while (changed) {
        if (!solveAllLines(clues, known, &changed))
            return linesContradict;
    }
    return anyUnknown(clues.size, known) ? linesStuck : solvedByLines;
}

int countSolutions(const BoardClues& clues, int limit)
{
    if (!cluesAreSound(clues))
        return 0;
    // Depth-first over guesses, kept on the heap: a deep guess chain on a
    // 31 x 31 board would not fit comfortably on the stack.
    std::vector<Knowledge> pending(1);
    clearKnowledge(clues.size, pending[0].known);
    int found = 0;
    while (!pending.empty() && found < limit) {
        Knowledge state = pending.back();
        pending.pop_back();
        int result = solveByLines(clues, state.known);
        if (result == solvedByLines)
            ++found;
        if (result != linesStuck)
            continue;
        int col = 0;
        int row = 0;
        firstUnknown(clues.size, state.known, &col, &row);
        state.known[col][row] = blockFree;
        pending.push_back(state);
        state.known[col][row] = blockBomb;
        pending.push_back(state);
    }
    return found;
}

bool sameRuns(const int* a, int countA, const int* b, int countB)
{
    if (countA != countB)
        return false;
    for (int i = 0; i < countA; ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}
