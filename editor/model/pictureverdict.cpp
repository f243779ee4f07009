#include "pictureverdict.h"

#include "koreantexts.h"
#include "levelcheck.h"

namespace {

bool cancelled(const std::atomic<bool>* cancel) { return cancel && cancel->load(std::memory_order_relaxed); }

void addLine(PictureVerdict* verdict, int finding, bool good, const std::string& text)
{
    VerdictLine line;
    line.finding = finding;
    line.good = good;
    line.text = text;
    verdict->lines.push_back(line);
}

void markUndecided(const LevelVerdict& found, int size, PictureVerdict* verdict)
{
    for (int col = 0; col < size; ++col) {
        for (int row = 0; row < size; ++row)
            verdict->undecidedBlocks[col][row] = found.known[col][row] == blockUnknown;
    }
}

// Marks where the second picture the count found differs; the number of such blocks.
int markOtherPicture(const Level& picture, const LevelVerdict& found, PictureVerdict* verdict)
{
    verdict->foundOther = true;
    int differing = 0;
    for (int col = 0; col < picture.size; ++col) {
        for (int row = 0; row < picture.size; ++row) {
            verdict->other[col][row] = found.otherPicture[col][row];
            verdict->differingBlocks[col][row] = found.otherPicture[col][row] != picture.picture[col][row];
            differing += verdict->differingBlocks[col][row] ? 1 : 0;
        }
    }
    return differing;
}

// What the count of pictures says of a picture line logic cannot finish.
void addStalledFindings(const VerdictJob& job, const LevelVerdict& found, PictureVerdict* verdict)
{
    markUndecided(found, job.picture.size, verdict);
    addLine(verdict, findingLinesStop, false, linesStopText(found.undecided));
    switch (found.pictures) {
    case severalPictures:
        addLine(verdict, findingSeveral, false,
                severalPicturesText(markOtherPicture(job.picture, found, verdict)));
        break;
    case uniqueByGuessing:
        addLine(verdict, findingNeedsGuessing, false, needsGuessingText());
        break;
    default:  // the count ran out of time (a picture always fits its own clues)
        addLine(verdict, findingUnknownCount, false, unknownCountText(job.searchSeconds));
        break;
    }
}

void addRepeatFinding(const VerdictJob& job, PictureVerdict* verdict)
{
    for (size_t earlier = 0; earlier < job.earlier.size(); ++earlier) {
        std::string how = repeatOf(job.earlier[earlier], job.picture);
        if (how.empty())
            continue;
        verdict->repeatOf = static_cast<int>(earlier);
        addLine(verdict, findingRepeat, false, repeatText(static_cast<int>(earlier), how));
        return;
    }
}

}  // namespace

VerdictJob verdictJobFor(const EditDocument& document, int generation)
{
    VerdictJob job;
    job.generation = generation;
    const Level* picture = selectedPicture(document);
    if (!picture)
        return job;
    job.picture = *picture;
    job.index = document.selected;
    job.earlier.assign(document.pictures.begin(), document.pictures.begin() + document.selected);
    return job;
}

PictureVerdict judgePicture(const VerdictJob& job, const std::atomic<bool>* cancel)
{
    PictureVerdict verdict;
    verdict.generation = job.generation;
    Level picture = job.picture;
    picture.flaw.clear();  // the editor's pictures are whole; a name is checked where it is typed
    if (!isBoardSize(picture.size))
        return verdict;
    LevelVerdict found = judgeLevel(picture, job.searchSeconds, cancel);
    verdict.pictures = found.pictures;
    verdict.rounds = found.rounds;
    verdict.steps = found.steps;
    verdict.undecided = found.undecided;
    verdict.bombs = bombCount(picture);
    verdict.bombPercent = verdict.bombs * 100 / (picture.size * picture.size);
    if (verdict.bombs == 0)
        addLine(&verdict, findingEmpty, false, emptyPictureText());
    else if (found.lineResult == solvedByLines)
        addLine(&verdict, findingUniqueByLines, true, uniqueByLinesText(found.rounds, found.steps, picture.size));
    else
        addStalledFindings(job, found, &verdict);
    if (!found.fairShare && verdict.bombs > 0)
        addLine(&verdict, findingBombShare, false, bombShareText(verdict.bombPercent));
    addRepeatFinding(job, &verdict);
    verdict.passes = found.passes && verdict.repeatOf < 0;
    verdict.complete = !cancelled(cancel);
    return verdict;
}
