#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "levelcheck.h"
#include "picturesearch.h"
#include "pictureverdict.h"
#include "scratch.h"

namespace {

VerdictJob jobOf(const std::vector<std::string>& rows, int generation = 1)
{
    VerdictJob job;
    job.picture = levelOf("그림", rows);
    job.generation = generation;
    return job;
}

std::vector<int> findingsOf(const PictureVerdict& verdict)
{
    std::vector<int> findings;
    for (const VerdictLine& line : verdict.lines)
        findings.push_back(line.finding);
    return findings;
}

// The marked blocks as "col,row" texts, in column order.
std::vector<std::string> marked(const bool (*blocks)[gridRoom], int size)
{
    std::vector<std::string> list;
    for (int col = 0; col < size; ++col) {
        for (int row = 0; row < size; ++row) {
            if (blocks[col][row])
                list.push_back(std::to_string(col) + "," + std::to_string(row));
        }
    }
    return list;
}

}  // namespace

TEST(Verdict, AUniquePictureGetsItsGradeAndNoMarks)
{
    PictureVerdict verdict = judgePicture(jobOf(chairRows(), 7), nullptr);
    EXPECT_TRUE(verdict.complete);
    EXPECT_EQ(verdict.generation, 7);
    EXPECT_TRUE(verdict.passes);
    ASSERT_EQ(findingsOf(verdict), std::vector<int>{findingUniqueByLines});
    EXPECT_TRUE(verdict.lines[0].good);
    // The level check's own grade, in the editor's words.
    BoardClues clues;
    cluesOfPicture(jobOf(chairRows()).picture.picture, 10, &clues);
    LineWork work = lineLogicWork(clues);
    EXPECT_EQ(verdict.rounds, work.rounds);
    EXPECT_EQ(verdict.steps, work.steps);
    std::string grade = gradeName(work.steps, 10);
    int hundredths = work.steps * 100 / 20;  // steps a line of the 20 lines, rounded down
    std::string perLine = std::to_string(hundredths / 100) + "." + std::to_string(hundredths % 100 / 10) +
                          std::to_string(hundredths % 10);
    EXPECT_EQ(verdict.lines[0].text, "선으로 풀림: 유일한 그림 (" +
                                         std::string(grade == "easy" ? "쉬움" : grade == "middle" ? "보통" : "어려움") +
                                         ", " + std::to_string(work.rounds) + " 라운드, " + std::to_string(work.steps) +
                                         " 단계, " + perLine + "/줄)");
    EXPECT_TRUE(marked(verdict.undecidedBlocks, 10).empty());
    EXPECT_FALSE(verdict.foundOther);
}

TEST(Verdict, TwoPicturesMarkTheUndecidedBlocksAndWhereTheSecondDiffers)
{
    PictureVerdict verdict = judgePicture(jobOf(ambiguousRows()), nullptr);
    EXPECT_TRUE(verdict.complete);
    EXPECT_FALSE(verdict.passes);
    EXPECT_EQ(findingsOf(verdict), (std::vector<int>{findingLinesStop, findingSeveral}));
    EXPECT_EQ(verdict.undecided, 4);
    std::vector<std::string> swapped = {"0,6", "0,7", "1,6", "1,7"};
    EXPECT_EQ(marked(verdict.undecidedBlocks, 10), swapped);
    ASSERT_TRUE(verdict.foundOther);
    EXPECT_EQ(marked(verdict.differingBlocks, 10), swapped);
    // The second picture is the swap: (1,6) and (0,7) instead of (0,6) and (1,7).
    EXPECT_EQ(verdict.other[1][6], 1);
    EXPECT_EQ(verdict.other[0][6], 0);
    EXPECT_NE(verdict.lines[0].text.find("블럭 4개"), std::string::npos);
    EXPECT_NE(verdict.lines[1].text.find("블럭 4개"), std::string::npos);
}

TEST(Verdict, ShareAndRepeatsOfEarlierPicturesAreTold)
{
    // A unique picture with too few bombs: both lines hold.
    std::vector<std::string> sparse(10, "..........");
    sparse[0] = "#.........";
    PictureVerdict verdict = judgePicture(jobOf(sparse), nullptr);
    EXPECT_EQ(findingsOf(verdict), (std::vector<int>{findingUniqueByLines, findingBombShare}));
    EXPECT_EQ(verdict.bombPercent, 1);
    EXPECT_FALSE(verdict.passes);
    EXPECT_EQ(findingsOf(judgePicture(jobOf(std::vector<std::string>(10, "..........")), nullptr)),
              (std::vector<int>{findingEmpty}));

    // The chair mirrored, after a cup and the chair: the same as number 2.
    std::vector<std::string> mirrored;
    for (const std::string& row : chairRows())
        mirrored.push_back(std::string(row.rbegin(), row.rend()));
    VerdictJob job = jobOf(mirrored);
    job.earlier = {levelOf("빈", sparse), levelOf("의자", chairRows())};
    verdict = judgePicture(job, nullptr);
    EXPECT_EQ(verdict.repeatOf, 1);
    EXPECT_FALSE(verdict.passes);
    ASSERT_EQ(findingsOf(verdict), (std::vector<int>{findingUniqueByLines, findingRepeat}));
    EXPECT_EQ(verdict.lines[1].text, "2번 그림과 겹침: 좌우로 뒤집은 그림");
}

TEST(Verdict, ACancelledVerdictIsMarkedIncomplete)
{
    std::atomic<bool> cancel(true);
    PictureVerdict verdict = judgePicture(jobOf(ambiguousRows(), 3), &cancel);
    EXPECT_FALSE(verdict.complete);
    EXPECT_EQ(verdict.generation, 3);
    cancel = false;
    EXPECT_TRUE(judgePicture(jobOf(ambiguousRows(), 4), &cancel).complete);
}

TEST(Verdict, AWorkerJudgesItsCopyWhileTheDocumentChanges)
{
    EditDocument document;
    newDocument(&document, 10);
    document.pictures[0] = levelOf("의자", chairRows());
    addPicture(&document);
    document.pictures[1] = levelOf("두 그림", ambiguousRows());
    PictureVerdict verdict;
    std::atomic<bool> cancel(false);
    VerdictJob job = verdictJobFor(document, 2);
    std::thread worker([&job, &cancel, &verdict] { verdict = judgePicture(job, &cancel); });
    // The player draws on, deletes and adds pictures meanwhile.
    for (int step = 0; step < 50; ++step) {
        setBlock(&document, step % 10, 8, 1);
        deletePicture(&document);
        addPicture(&document);
    }
    worker.join();
    EXPECT_TRUE(verdict.complete);
    EXPECT_EQ(verdict.generation, 2);
    EXPECT_EQ(verdict.undecided, 4);
    EXPECT_EQ(findingsOf(verdict), (std::vector<int>{findingLinesStop, findingSeveral}));
}

TEST(Verdict, TheJobCopiesTheSelectedPictureAndThoseBeforeIt)
{
    EditDocument document;
    newDocument(&document, 10);
    addPicture(&document);
    addPicture(&document);
    selectPicture(&document, 1);
    setBlock(&document, 3, 3, 1);
    VerdictJob job = verdictJobFor(document, 9);
    setBlock(&document, 4, 4, 1);  // drawing on after the job was made
    EXPECT_EQ(job.generation, 9);
    EXPECT_EQ(job.index, 1);
    EXPECT_EQ(job.earlier.size(), 1u);
    EXPECT_EQ(job.picture.picture[3][3], 1);
    EXPECT_EQ(job.picture.picture[4][4], 0);
}

TEST(Verdict, APictureOnlyGuessingFindsMarksTheUndecidedBlocksOnly)
{
    std::vector<std::string> rows = {"#...####..", "###.##..##", "#..#.....#", "###..#.#.#", ".#####.##.",
                                     ".#....#.#.", "......##.#", ".#.###..#.", "#.###..#.#", "##..##...#"};
    PictureVerdict verdict = judgePicture(jobOf(rows), nullptr);
    EXPECT_EQ(findingsOf(verdict), (std::vector<int>{findingLinesStop, findingNeedsGuessing}));
    EXPECT_EQ(verdict.pictures, uniqueByGuessing);
    EXPECT_EQ(verdict.undecided, 8);
    EXPECT_EQ(marked(verdict.undecidedBlocks, 10).size(), 8u);
    EXPECT_FALSE(verdict.foundOther);
    EXPECT_TRUE(marked(verdict.differingBlocks, 10).empty());
    EXPECT_FALSE(verdict.passes);
}
