#include "pictureverdict.h"

#include <algorithm>
#include <chrono>

#include "koreantexts.h"
#include "levelcheck.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Block {
    int col;
    int row;
};

// The blocks worth flipping, nearest the undecided ones first: those
// blocks, then the rest of their rows and columns, then every other block.
std::vector<Block> candidateOrder(int size, const int (*known)[gridRoom])
{
    bool undecidedColumn[gridRoom] = {};
    bool undecidedRow[gridRoom] = {};
    for (int col = 0; col < size; ++col) {
        for (int row = 0; row < size; ++row) {
            if (known[col][row] == blockUnknown)
                undecidedColumn[col] = undecidedRow[row] = true;
        }
    }
    std::vector<Block> order[3];
    for (int col = 0; col < size; ++col) {
        for (int row = 0; row < size; ++row) {
            int nearness = known[col][row] == blockUnknown ? 0 : (undecidedColumn[col] || undecidedRow[row] ? 1 : 2);
            order[nearness].push_back({col, row});
        }
    }
    order[0].insert(order[0].end(), order[1].begin(), order[1].end());
    order[0].insert(order[0].end(), order[2].begin(), order[2].end());
    return order[0];
}

// What line logic makes of the picture with one block flipped. A whole
// solve of a 20 x 20 takes well under a millisecond, so every block of the
// board fits in the time; the order only matters on a busy machine.
Suggestion tryFlip(const Level& picture, Block block, int bombs)
{
    Suggestion suggestion;
    suggestion.col = block.col;
    suggestion.row = block.row;
    suggestion.size = picture.size;
    suggestion.value = picture.picture[block.col][block.row] ? 0 : 1;
    BoardClues flipped;
    int changed[gridRoom][gridRoom];
    copyKnowledge(picture.size, picture.picture, changed);
    changed[block.col][block.row] = suggestion.value;
    cluesOfPicture(changed, picture.size, &flipped);
    int known[gridRoom][gridRoom];
    clearKnowledge(picture.size, known);
    suggestion.unique = solveByLines(flipped, known) == solvedByLines;
    suggestion.undecided = undecidedCount(picture.size, known);
    if (suggestion.unique) {
        LineWork work = lineLogicWork(flipped);
        suggestion.rounds = work.rounds;
        suggestion.steps = work.steps;
    }
    int newBombs = bombs + (suggestion.value ? 1 : -1);
    int blocks = picture.size * picture.size;
    suggestion.fairShare = newBombs * 100 >= fewestBombPercent * blocks && newBombs * 100 <= mostBombPercent * blocks;
    return suggestion;
}

bool better(const Suggestion& a, const Suggestion& b)
{
    if (a.unique != b.unique)
        return a.unique;
    if (a.fairShare != b.fairShare)
        return a.fairShare;
    return a.unique ? a.steps < b.steps : a.undecided < b.undecided;
}

std::string suggestionText(const Suggestion& suggestion)
{
    std::string text = flipText(suggestion.col, suggestion.row, suggestion.value) + ": ";
    if (suggestion.unique)
        text += "선으로 풀림 (" + koreanGradeText(suggestion.rounds, suggestion.steps, suggestion.size) + ")";
    else
        text += "블럭 " + std::to_string(suggestion.undecided) + "개가 남음";
    return text + (suggestion.fairShare ? "" : " (폭탄 비율은 벗어남)");
}

}  // namespace

SuggestionJob suggestionJobFor(const EditDocument& document, int generation)
{
    SuggestionJob job;
    job.generation = generation;
    if (const Level* picture = selectedPicture(document)) {
        job.picture = *picture;
        job.index = document.selected;
    }
    return job;
}

SuggestionList suggestChanges(const SuggestionJob& job, const std::atomic<bool>* cancel)
{
    SuggestionList list;
    list.generation = job.generation;
    const Level& picture = job.picture;
    if (!isBoardSize(picture.size)) {
        list.complete = true;
        return list;
    }
    BoardClues clues;
    cluesOfPicture(picture.picture, picture.size, &clues);
    int known[gridRoom][gridRoom];
    clearKnowledge(picture.size, known);
    solveByLines(clues, known);
    list.undecidedBefore = undecidedCount(picture.size, known);
    if (list.undecidedBefore == 0) {
        list.complete = true;
        return list;
    }
    Clock::time_point deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                    std::chrono::duration<double>(job.secondsAllowed));
    int bombs = bombCount(picture);
    std::vector<Block> order = candidateOrder(picture.size, known);
    size_t tried = 0;
    for (; tried < order.size(); ++tried) {
        if ((cancel && cancel->load(std::memory_order_relaxed)) || Clock::now() >= deadline)
            break;
        Suggestion suggestion = tryFlip(picture, order[tried], bombs);
        suggestion.index = job.index;
        if (suggestion.unique || suggestion.undecided < list.undecidedBefore)
            list.items.push_back(suggestion);
    }
    list.complete = tried == order.size();
    std::stable_sort(list.items.begin(), list.items.end(), better);
    if (static_cast<int>(list.items.size()) > job.mostSuggestions)
        list.items.resize(job.mostSuggestions);
    for (Suggestion& suggestion : list.items)
        suggestion.text = suggestionText(suggestion);
    return list;
}

bool applySuggestion(EditDocument* document, const Suggestion& suggestion)
{
    return selectPicture(document, suggestion.index) &&
           setBlock(document, suggestion.col, suggestion.row, suggestion.value);
}
