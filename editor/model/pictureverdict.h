#pragma once
// The level check's verdict of the picture being drawn, with the blocks it is
// about, and the one-block changes that would make a stalled picture solve.
// Both work on copies and take a cancel flag, so the window layer runs them on
// a worker thread; the generation it hands in comes back with the answer, so
// an answer for a picture drawn since is known as stale and never shown.
#include <atomic>
#include <string>
#include <vector>

#include "editmodel.h"

// How long the count of pictures may search when line logic stalls.
const double verdictSearchSeconds = 0.5;
// How long the suggestions may search.
const double suggestionSeconds = 2;

// The findings a verdict can hold; several may hold at once.
const int findingUniqueByLines = 0;   // one picture, line logic finds it (with its grade)
const int findingLinesStop = 1;       // line logic stops with blocks undecided (marked)
const int findingSeveral = 2;         // more than one picture fits (the blocks a second one differs in marked)
const int findingNeedsGuessing = 3;   // one picture, but only guessing finds it
const int findingUnknownCount = 4;    // the count of pictures ran out of time
const int findingBombShare = 5;       // the bomb share is outside 30 to 70 %
const int findingRepeat = 6;          // the same picture as an earlier one (shifted, mirrored, turned)
const int findingEmpty = 7;           // no bomb at all: nothing to solve

struct VerdictLine {
    int finding = findingUniqueByLines;
    bool good = false;  // this line tells the player all is well
    std::string text;   // Korean, UTF-8, e.g. "선으로 풀림: 유일한 그림 (쉬움, 4 라운드)"
};

// What the worker gets: copies, never the document itself.
struct VerdictJob {
    Level picture;
    int index = 0;               // the picture's place in the file
    std::vector<Level> earlier;  // the pictures before it, for repeats
    int generation = 0;
    double searchSeconds = verdictSearchSeconds;
};

struct PictureVerdict {
    int generation = 0;
    bool complete = false;  // false when cancelled: show nothing of it
    bool passes = false;    // the level check would take it
    int pictures = 0;       // the count's verdict: uniqueByLines, severalPictures, ... (picturesearch.h)
    int rounds = -1;        // of line logic, when it solves the picture
    int steps = -1;         // its work, the grade's measure
    int undecided = 0;      // blocks line logic leaves undecided
    int bombs = 0;
    int bombPercent = 0;
    int repeatOf = -1;  // index of the earlier picture it repeats
    std::vector<VerdictLine> lines;
    // [col][row]: the blocks line logic leaves undecided.
    bool undecidedBlocks[gridRoom][gridRoom] = {};
    // [col][row]: where a second picture that fits the clues differs; that picture in other.
    bool differingBlocks[gridRoom][gridRoom] = {};
    bool foundOther = false;
    int other[gridRoom][gridRoom] = {};
};

// The job for the selected picture of the document.
VerdictJob verdictJobFor(const EditDocument& document, int generation);
// Judges the job's picture as the level check does. Returns soon after cancel
// is set (complete false); cancel may be null.
PictureVerdict judgePicture(const VerdictJob& job, const std::atomic<bool>* cancel);

// ---- Suggestions ----

// One block flipped, and what line logic then makes of the picture.
struct Suggestion {
    int index = 0;  // the picture's place in the file
    int size = 0;   // of its board
    int col = 0;
    int row = 0;
    int value = 0;          // the block's new value: 1 bomb, 0 free
    bool unique = false;    // line logic then solves it
    int rounds = -1;        // when unique
    int steps = -1;         // when unique
    int undecided = 0;      // when not
    bool fairShare = true;  // the bomb share stays within 30 to 70 %
    std::string text;       // Korean: "3열 7행 블럭을 폭탄으로: 선으로 풀림 (보통, 6 라운드, 71 단계, 1.77/줄)"
};

struct SuggestionJob {
    Level picture;
    int index = 0;  // the picture's place in the file
    int generation = 0;
    double secondsAllowed = suggestionSeconds;
    int mostSuggestions = 10;
};

struct SuggestionList {
    int generation = 0;
    bool complete = false;  // false when cancelled or out of time (what was found is kept)
    int undecidedBefore = 0;  // 0 when line logic already solves the picture: nothing to suggest
    // Best first: those that make it unique by line logic (fair share, then
    // the easier grade first), then those that leave the fewest blocks
    // undecided, fewer than before.
    std::vector<Suggestion> items;
};

SuggestionJob suggestionJobFor(const EditDocument& document, int generation);
// Tries the blocks near the undecided ones first (those blocks, then their
// rows and columns), then the rest while time is left.
SuggestionList suggestChanges(const SuggestionJob& job, const std::atomic<bool>* cancel);
// Flips the suggested block of its picture (which is selected) as one
// undoable change; false when that picture is gone or the block already
// holds the value.
bool applySuggestion(EditDocument* document, const Suggestion& suggestion);
