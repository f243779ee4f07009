#include "picturesearch.h"

#include <chrono>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Knowledge {
    int known[gridRoom][gridRoom];
};

struct Search {
    const BoardClues* clues;
    Clock::time_point deadline;
    bool outOfTime;
    int limit;
    const int (*picture)[gridRoom];  // a picture known to fit, or null
    const std::atomic<bool>* cancel;  // or null
    LineMemo memo;
    // Every picture met so far, probes included: a probe that happens to
    // finish the board has found a picture, and two found end the search
    // for a board with several long before the guesses would.
    std::vector<std::string> pictures;
};

bool enoughFound(const Search& search) { return static_cast<int>(search.pictures.size()) >= search.limit; }

void notePicture(Search* search, const Knowledge& state)
{
    int size = search->clues->size;
    std::string picture(size * size, '.');
    for (int col = 0; col < size; ++col) {
        for (int row = 0; row < size; ++row)
            picture[row * size + col] = state.known[col][row] == blockBomb ? '#' : '.';
    }
    for (const std::string& met : search->pictures) {
        if (met == picture)
            return;
    }
    search->pictures.push_back(picture);
}

// The block to guess on when probing decides nothing more, with what line
// logic makes of either way.
struct Guess {
    int score;
    int col;
    int row;
    Knowledge ifBomb;
    Knowledge ifFree;
};

bool timeIsUp(Search* search)
{
    bool cancelled = search->cancel && search->cancel->load(std::memory_order_relaxed);
    if (!search->outOfTime && (cancelled || Clock::now() >= search->deadline))
        search->outOfTime = true;
    return search->outOfTime;
}

// Sets one block and lets line logic follow from its column and row.
// decided, when given, gets the number of blocks that follow.
int tryBlock(Search* search, const Knowledge& from, int col, int row, int value, Knowledge* result,
             int* decided = nullptr)
{
    *result = from;
    result->known[col][row] = value;
    bool dirty[2 * gridRoom] = {};
    dirty[col] = true;
    dirty[search->clues->size + row] = true;
    return settleLines(*search->clues, result->known, dirty, &search->memo, decided);
}

// Decides what both ways agree on and marks its lines; true when anything was new.
bool keepAgreement(int size, const Knowledge& a, const Knowledge& b, Knowledge* state, bool* dirty)
{
    bool progress = false;
    for (int col = 0; col < size; ++col) {
        for (int row = 0; row < size; ++row) {
            int value = a.known[col][row];
            if (state->known[col][row] != blockUnknown || value == blockUnknown || value != b.known[col][row])
                continue;
            state->known[col][row] = value;
            dirty[col] = dirty[size + row] = true;
            progress = true;
        }
    }
    return progress;
}

void rememberGuess(int col, int row, const Knowledge& ifBomb, int byBomb, const Knowledge& ifFree, int byFree,
                   Guess* guess)
{
    // The way that decides less bounds the work the guess saves.
    int score = (byBomb < byFree ? byBomb : byFree) * 1024 + byBomb + byFree;
    if (score <= guess->score)
        return;
    guess->score = score;
    guess->col = col;
    guess->row = row;
    guess->ifBomb = ifBomb;
    guess->ifFree = ifFree;
}

// Tries one block both ways; narrows state when it can (*progress).
int probeBlock(Search* search, Knowledge* state, int col, int row, Guess* guess, bool* progress)
{
    const BoardClues& clues = *search->clues;
    Knowledge ifBomb;
    Knowledge ifFree;
    int byBomb = 0;
    int byFree = 0;
    int bombResult = tryBlock(search, *state, col, row, blockBomb, &ifBomb, &byBomb);
    int freeResult = tryBlock(search, *state, col, row, blockFree, &ifFree, &byFree);
    if (bombResult == solvedByLines)
        notePicture(search, ifBomb);
    if (freeResult == solvedByLines)
        notePicture(search, ifFree);
    if (bombResult == linesContradict && freeResult == linesContradict)
        return linesContradict;
    if (bombResult == linesContradict || freeResult == linesContradict) {
        *state = bombResult == linesContradict ? ifFree : ifBomb;
        *progress = true;
        return bombResult == linesContradict ? freeResult : bombResult;
    }
    bool dirty[2 * gridRoom] = {};
    if (keepAgreement(clues.size, ifBomb, ifFree, state, dirty)) {
        *progress = true;
        return settleLines(clues, state->known, dirty, &search->memo);
    }
    rememberGuess(col, row, ifBomb, byBomb, ifFree, byFree, guess);
    return linesStuck;
}

// Probes every undecided block until probing decides nothing more. Stuck
// leaves the best guess in guess.
int probeUntilStuck(Search* search, Knowledge* state, Guess* guess)
{
    const BoardClues& clues = *search->clues;
    bool progress = true;
    while (progress) {
        progress = false;
        guess->score = -1;
        for (int col = 0; col < clues.size; ++col) {
            for (int row = 0; row < clues.size; ++row) {
                if (state->known[col][row] != blockUnknown)
                    continue;
                if (timeIsUp(search) || enoughFound(*search))
                    return linesStuck;
                int result = probeBlock(search, state, col, row, guess, &progress);
                if (result != linesStuck)
                    return result;
            }
        }
    }
    return undecidedCount(clues.size, state->known) > 0 ? linesStuck : solvedByLines;
}

int pictureBlock(const Search& search, int col, int row)
{
    return search.picture[col][row] ? blockBomb : blockFree;
}

int otherBlock(int block) { return block == blockBomb ? blockFree : blockBomb; }

bool departsFrom(const Search& search, const Knowledge& state)
{
    int size = search.clues->size;
    for (int col = 0; col < size; ++col) {
        for (int row = 0; row < size; ++row) {
            int block = state.known[col][row];
            if (block != blockUnknown && block != pictureBlock(search, col, row))
                return true;
        }
    }
    return false;
}

// Depth first over guesses with probing at every step, kept on the heap: a
// deep chain of guesses would not fit comfortably on the stack. With a known
// picture the first guess leaves it and the later ones stay as close to it
// as the clues let.
void searchByProbing(Search* search, const Knowledge& start)
{
    std::vector<Knowledge> pending(1, start);
    std::vector<Guess> guess(1);
    while (!pending.empty() && !enoughFound(*search)) {
        Knowledge state = pending.back();
        pending.pop_back();
        int result = undecidedCount(search->clues->size, state.known) > 0
                         ? probeUntilStuck(search, &state, &guess[0])
                         : solvedByLines;
        if (search->outOfTime || enoughFound(*search))
            break;
        if (result == solvedByLines)
            notePicture(search, state);
        if (result != linesStuck)
            continue;
        bool bombFirst = true;
        if (search->picture) {
            bool leave = !departsFrom(*search, state);
            bool pictureBomb = pictureBlock(*search, guess[0].col, guess[0].row) == blockBomb;
            bombFirst = leave ? !pictureBomb : pictureBomb;
        }
        pending.push_back(bombFirst ? guess[0].ifFree : guess[0].ifBomb);
        pending.push_back(bombFirst ? guess[0].ifBomb : guess[0].ifFree);
    }
}

// A quick look for a second picture next to the known one: one block
// changed, then line logic and the picture's own values for the rest, with
// a few steps back. Most boards with more than one picture hold a small
// patch that can be drawn two ways, and this finds it in a few milliseconds.
void tryChangedBlock(Search* search, const Knowledge& base, int col, int row, int steps)
{
    int size = search->clues->size;
    std::vector<Knowledge> pending(1);
    if (tryBlock(search, base, col, row, otherBlock(pictureBlock(*search, col, row)), &pending[0]) == linesContradict)
        return;
    while (!pending.empty() && steps-- > 0) {
        Knowledge state = pending.back();
        pending.pop_back();
        int nextCol = -1;
        int nextRow = -1;
        for (int c = 0; c < size && nextCol < 0; ++c) {
            for (int r = 0; r < size && nextCol < 0; ++r) {
                if (state.known[c][r] == blockUnknown) {
                    nextCol = c;
                    nextRow = r;
                }
            }
        }
        if (nextCol < 0) {
            notePicture(search, state);
            return;
        }
        Knowledge child;
        int near = pictureBlock(*search, nextCol, nextRow);
        if (tryBlock(search, state, nextCol, nextRow, otherBlock(near), &child) != linesContradict)
            pending.push_back(child);
        if (tryBlock(search, state, nextCol, nextRow, near, &child) != linesContradict)
            pending.push_back(child);
    }
}

void searchNearPicture(Search* search, const Knowledge& start)
{
    const int stepsPerBlock = 24;
    int size = search->clues->size;
    for (int col = 0; col < size; ++col) {
        for (int row = 0; row < size && !enoughFound(*search) && !timeIsUp(search); ++row) {
            if (start.known[col][row] == blockUnknown)
                tryChangedBlock(search, start, col, row, stepsPerBlock);
        }
    }
}

void copyPicture(int size, const int (*picture)[gridRoom], Knowledge* known)
{
    for (int col = 0; col < size; ++col) {
        for (int row = 0; row < size; ++row)
            known->known[col][row] = picture[col][row] ? blockBomb : blockFree;
    }
}

// A picture as notePicture keeps it, back into bits[col][row].
void pictureOfText(const std::string& text, int size, int (*picture)[gridRoom])
{
    for (int col = 0; col < size; ++col) {
        for (int row = 0; row < size; ++row)
            picture[col][row] = text[row * size + col] == '#' ? 1 : 0;
    }
}

// The count from start, what line logic alone settles before it stalls;
// found, when given, gets the pictures met, a given picture first.
SolutionCount searchFrom(const BoardClues& clues, const Knowledge& start, int limit, double secondsAllowed,
                         const int (*picture)[gridRoom], const std::atomic<bool>* cancel,
                         std::vector<std::string>* found = nullptr)
{
    SolutionCount count;
    Search search;
    search.clues = &clues;
    search.deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                         std::chrono::duration<double>(secondsAllowed));
    search.outOfTime = false;
    search.limit = limit;
    search.picture = picture;
    search.cancel = cancel;
    if (picture) {
        Knowledge known;
        copyPicture(clues.size, picture, &known);
        notePicture(&search, known);
    }
    if (picture)
        searchNearPicture(&search, start);
    searchByProbing(&search, start);
    count.pictures = static_cast<int>(search.pictures.size());
    count.pictures = count.pictures < limit ? count.pictures : limit;
    count.finished = !search.outOfTime || count.pictures >= limit;
    if (found)
        *found = search.pictures;
    return count;
}

}  // namespace

SolutionCount countSolutions(const BoardClues& clues, int limit, double secondsAllowed,
                             const int (*picture)[gridRoom], const std::atomic<bool>* cancel)
{
    SolutionCount count;
    count.finished = true;
    if (clues.size < 0 || clues.size > gridRoom)
        return count;  // no board of that size fits the grids: no picture
    Knowledge start;
    clearKnowledge(clues.size, start.known);
    int result = solveByLines(clues, start.known);
    if (result == linesContradict || limit < 1)
        return count;
    if (result == solvedByLines) {
        count.pictures = 1;
        return count;
    }
    return searchFrom(clues, start, limit, secondsAllowed, picture, cancel);
}

// Line logic runs once: the search starts from what it settled in known.
int judgeClues(const BoardClues& clues, double secondsAllowed, int (*known)[gridRoom],
               const int (*picture)[gridRoom], const std::atomic<bool>* cancel, int (*other)[gridRoom])
{
    clearKnowledge(clues.size, known);
    int result = solveByLines(clues, known);
    if (result != linesStuck)
        return result == solvedByLines ? uniqueByLines : noPicture;
    Knowledge start;
    copyKnowledge(clues.size, known, start.known);
    std::vector<std::string> found;
    SolutionCount count = searchFrom(clues, start, 2, secondsAllowed, picture, cancel, &found);
    if (!count.finished)
        return undecidedInTime;
    if (count.pictures == 0)
        return noPicture;
    if (count.pictures == 1)
        return uniqueByGuessing;
    if (other)
        pictureOfText(found[1], clues.size, other);
    return severalPictures;
}

bool findPicture(const BoardClues& clues, double secondsAllowed, int (*picture)[gridRoom])
{
    Knowledge start;
    clearKnowledge(clues.size, start.known);
    int result = solveByLines(clues, start.known);
    if (result == linesContradict)
        return false;
    if (result == solvedByLines) {
        for (int col = 0; col < clues.size; ++col) {
            for (int row = 0; row < clues.size; ++row)
                picture[col][row] = start.known[col][row] == blockBomb ? 1 : 0;
        }
        return true;
    }
    std::vector<std::string> found;
    searchFrom(clues, start, 1, secondsAllowed, nullptr, nullptr, &found);
    if (found.empty())
        return false;
    pictureOfText(found[0], clues.size, picture);
    return true;
}
