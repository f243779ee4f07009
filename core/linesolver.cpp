#include "linesolver.h"


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

bool cluesAreSound(const BoardClues& clues)
{
    return clues.size >= 0 && clues.size <= gridRoom;
}

// Line number l: columns are 0 .. size - 1, rows size .. 2 size - 1.
int* lineStart(int size, int (*known)[gridRoom], int line, int* step)
{
    *step = line < size ? 1 : gridRoom;
    return line < size ? &known[line][0] : &known[0][line - size];
}

// Lines up to this long fit a memo key of 2 bits a block beside their number.
const int longestMemoLine = 26;
const std::size_t fewestMemoSlots = 1 << 10;
const std::size_t mostMemoSlots = 1 << 17;  // 2 MiB of keys and results
const std::uint64_t memoContradiction = ~std::uint64_t(0);

std::uint64_t blockCode(int block) { return block == blockUnknown ? 0 : (block == blockFree ? 1 : 2); }
int blockOfCode(std::uint64_t code) { return code == 0 ? blockUnknown : (code == 1 ? blockFree : blockBomb); }

std::uint64_t lineCode(const int* first, int step, int length)
{
    std::uint64_t code = 0;
    for (int i = 0; i < length; ++i)
        code |= blockCode(first[i * step]) << (2 * i);
    return code;
}

// The slot of key: where it is, or the free slot where it belongs.
std::uint64_t* memoSlot(LineMemo* memo, std::uint64_t key)
{
    std::size_t slots = memo->keys.size();
    if (slots == 0 || static_cast<std::size_t>(memo->used) >= slots / 4 * 3) {
        // A quick search stays small; a long one grows the table, then starts it afresh.
        slots = slots == 0 ? fewestMemoSlots : (slots < mostMemoSlots ? slots * 2 : slots);
        memo->keys.assign(slots, 0);
        memo->results.assign(slots, 0);
        memo->used = 0;
    }
    std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15u) >> 40) & (slots - 1);
    while (memo->keys[slot] != 0 && memo->keys[slot] != key)
        slot = (slot + 1) & (slots - 1);
    return &memo->keys[slot];
}

bool solveNumberedLine(const BoardClues& clues, int (*known)[gridRoom], int line, bool* dirty, int* decided);

// solveNumberedLine through the memo: a line state met before is not solved again.
bool solveRemembered(const BoardClues& clues, int (*known)[gridRoom], int line, bool* dirty, LineMemo* memo,
                     int* decided)
{
    int size = clues.size;
    if (!memo || size > longestMemoLine)
        return solveNumberedLine(clues, known, line, dirty, decided);
    int step = 1;
    int* first = lineStart(size, known, line, &step);
    std::uint64_t before = lineCode(first, step, size);
    std::uint64_t key = (before << 6 | static_cast<std::uint64_t>(line)) + 1;
    std::uint64_t* slot = memoSlot(memo, key);
    std::uint64_t* result = &memo->results[slot - memo->keys.data()];
    if (*slot == 0) {
        bool sound = solveNumberedLine(clues, known, line, dirty, decided);
        *slot = key;
        *result = sound ? lineCode(first, step, size) : memoContradiction;
        ++memo->used;
        return sound;
    }
    if (*result == memoContradiction)
        return false;
    bool column = line < size;
    std::uint64_t news = *result ^ before;  // only undecided blocks change
    for (int i = 0; news != 0; ++i, news >>= 2) {
        if ((news & 3) == 0)
            continue;
        first[i * step] = blockOfCode(*result >> (2 * i) & 3);
        dirty[column ? size + i : i] = true;
        ++*decided;
    }
    return true;
}

bool solveNumberedLine(const BoardClues& clues, int (*known)[gridRoom], int line, bool* dirty, int* decided)
{
    int size = clues.size;
    int step = 1;
    int* first = lineStart(size, known, line, &step);
    bool column = line < size;
    int index = column ? line : line - size;
    int before[gridRoom];
    for (int i = 0; i < size; ++i)
        before[i] = first[i * step];
    bool changed = false;
    const int* runs = column ? clues.columnRuns[index] : clues.rowRuns[index];
    int runCount = column ? clues.columnRunCount[index] : clues.rowRunCount[index];
    if (!solveLine(first, step, size, runs, runCount, &changed))
        return false;
    for (int i = 0; changed && i < size; ++i) {
        if (first[i * step] != before[i]) {
            dirty[column ? size + i : i] = true;  // the crossing line
            ++*decided;
        }
    }
    return true;
}

// Adds what work decided to known; false when the two disagree.
bool mergeKnowledge(int size, const int (*work)[gridRoom], int (*known)[gridRoom])
{
    for (int col = 0; col < size; ++col) {
        for (int row = 0; row < size; ++row) {
            if (work[col][row] == blockUnknown)
                continue;
            if (known[col][row] != blockUnknown && known[col][row] != work[col][row])
                return false;
            known[col][row] = work[col][row];
        }
    }
    return true;
}

// Solves a line as solveNumberedLine does and counts it in *steps when it
// decides a block.
bool solveCountedLine(const BoardClues& clues, int (*known)[gridRoom], int line, bool* dirty, int* steps)
{
    int decided = 0;
    if (!solveNumberedLine(clues, known, line, dirty, &decided))
        return false;
    *steps += decided > 0 ? 1 : 0;
    return true;
}

// One round: every line solved against what was known when the round began,
// so the count of rounds does not depend on the order of the lines. A block
// either half decides is new to known, so the round changed something when
// any line decided one; *steps grows by the lines that did.
bool solveRound(const BoardClues& clues, int (*known)[gridRoom], int* steps)
{
    int size = clues.size;
    int columnsDone[gridRoom][gridRoom];
    int rowsDone[gridRoom][gridRoom];
    bool dirty[2 * gridRoom];  // the crossing lines marked go unread: a round solves every line
    copyKnowledge(size, known, columnsDone);
    copyKnowledge(size, known, rowsDone);
    for (int i = 0; i < size; ++i) {
        if (!solveCountedLine(clues, columnsDone, i, dirty, steps) ||
            !solveCountedLine(clues, rowsDone, size + i, dirty, steps))
            return false;
    }
    return mergeKnowledge(size, columnsDone, known) && mergeKnowledge(size, rowsDone, known);
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

void copyKnowledge(int size, const int (*from)[gridRoom], int (*to)[gridRoom])
{
    for (int col = 0; col < size; ++col) {
        for (int row = 0; row < size; ++row)
            to[col][row] = from[col][row];
    }
}

int undecidedCount(int size, const int (*known)[gridRoom])
{
    int undecided = 0;
    for (int col = 0; col < size; ++col) {
        for (int row = 0; row < size; ++row)
            undecided += known[col][row] == blockUnknown ? 1 : 0;
    }
    return undecided;
}

int settleLines(const BoardClues& clues, int (*known)[gridRoom], bool* dirty, LineMemo* memo, int* newlyDecided)
{
    int decided = 0;
    if (!cluesAreSound(clues))
        return linesContradict;
    int lines = 2 * clues.size;
    bool anyDirty = true;
    while (anyDirty) {
        anyDirty = false;
        for (int line = 0; line < lines; ++line) {
            if (!dirty[line])
                continue;
            dirty[line] = false;
            anyDirty = true;
            if (!solveRemembered(clues, known, line, dirty, memo, &decided))
                return linesContradict;
        }
    }
    if (newlyDecided)
        *newlyDecided = decided;
    return undecidedCount(clues.size, known) > 0 ? linesStuck : solvedByLines;
}

int solveByLines(const BoardClues& clues, int (*known)[gridRoom])
{
    bool dirty[2 * gridRoom];
    for (bool& line : dirty)
        line = true;
    return settleLines(clues, known, dirty);
}

int lineLogicRounds(const BoardClues& clues)
{
    return lineLogicWork(clues).rounds;
}

LineWork lineLogicWork(const BoardClues& clues)
{
    LineWork work;
    if (!cluesAreSound(clues))
        return work;
    int known[gridRoom][gridRoom];
    clearKnowledge(clues.size, known);
    int rounds = 0;
    int steps = 0;
    int stepsBefore = -1;
    while (steps > stepsBefore && undecidedCount(clues.size, known) > 0) {
        stepsBefore = steps;
        if (!solveRound(clues, known, &steps))
            return work;
        ++rounds;
    }
    if (undecidedCount(clues.size, known) > 0)
        return work;
    work.rounds = rounds;
    work.steps = steps;
    return work;
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
