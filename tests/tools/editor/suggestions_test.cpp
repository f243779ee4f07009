#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "picturesearch.h"
#include "pictureverdict.h"
#include "scratch.h"

namespace {

SuggestionList suggestionsFor(const std::vector<std::string>& rows)
{
    SuggestionJob job;
    job.picture = levelOf("그림", rows);
    job.generation = 5;
    return suggestChanges(job, nullptr);
}

}  // namespace

TEST(Suggestions, OneBlockThatDecidesThePictureComesFirstAndApplies)
{
    SuggestionList list = suggestionsFor(ambiguousRows());
    EXPECT_TRUE(list.complete);
    EXPECT_EQ(list.generation, 5);
    EXPECT_EQ(list.undecidedBefore, 4);
    ASSERT_FALSE(list.items.empty());
    const Suggestion& best = list.items[0];
    EXPECT_TRUE(best.unique);
    EXPECT_GE(best.rounds, 1);
    EXPECT_NE(best.text.find("선으로 풀림"), std::string::npos);
    // Every suggestion that solves by lines comes before every one that does not.
    bool seenStalled = false;
    for (const Suggestion& suggestion : list.items) {
        EXPECT_FALSE(seenStalled && suggestion.unique);
        seenStalled = seenStalled || !suggestion.unique;
        EXPECT_TRUE(suggestion.unique || suggestion.undecided < 4);
    }

    // Applied with another picture selected, it goes to its own.
    EditDocument document;
    newDocument(&document, 10);
    document.pictures[0] = levelOf("그림", ambiguousRows());
    addPicture(&document);
    ASSERT_TRUE(applySuggestion(&document, best));
    EXPECT_EQ(document.selected, 0);
    PictureVerdict verdict = judgePicture(verdictJobFor(document, 1), nullptr);
    EXPECT_EQ(verdict.pictures, uniqueByLines);
    EXPECT_EQ(verdict.rounds, best.rounds);
    EXPECT_EQ(verdict.steps, best.steps);
    ASSERT_TRUE(undoChange(&document));
    EXPECT_TRUE(samePicture(document.pictures[0], levelOf("그림", ambiguousRows())));
    // Twice: the second time the block already holds the value. A picture
    // deleted since takes none.
    ASSERT_TRUE(applySuggestion(&document, best));
    EXPECT_FALSE(applySuggestion(&document, best));
    Suggestion gone = best;
    gone.index = 5;
    EXPECT_FALSE(applySuggestion(&document, gone));
}

TEST(Suggestions, APictureLineLogicSolvesGetsNone)
{
    SuggestionList list = suggestionsFor(chairRows());
    EXPECT_TRUE(list.complete);
    EXPECT_EQ(list.undecidedBefore, 0);
    EXPECT_TRUE(list.items.empty());
}

TEST(Suggestions, ACancelledSearchSaysItIsIncomplete)
{
    std::atomic<bool> cancel(true);
    SuggestionJob job;
    job.picture = levelOf("그림", ambiguousRows());
    SuggestionList list = suggestChanges(job, &cancel);
    EXPECT_FALSE(list.complete);
    EXPECT_TRUE(list.items.empty());
}
