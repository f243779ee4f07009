#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editmodel.h"
#include "levelfile.h"
#include "levelformat.h"
#include "nonfile.h"
#include "savechecks.h"
#include "scratch.h"

namespace {

EditDocument documentOf(const std::vector<Level>& pictures)
{
    EditDocument document;
    newDocument(&document, pictures[0].size);
    document.pictures = pictures;
    return document;
}

std::vector<Level> numberedChairs(int count)
{
    std::vector<Level> pictures;
    for (int i = 0; i < count; ++i)
        pictures.push_back(levelOf("의자 " + std::to_string(i + 1), chairRows()));
    return pictures;
}

std::string repeated(const std::string& line, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += line;
    return text;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class EditorFiles : public ::testing::Test {
protected:
    void SetUp() override { folder = scratchFolder("editor"); }
    void TearDown() override { removeScratch(folder); }
    std::string folder;
};

}  // namespace

TEST_F(EditorFiles, SavedPicturesOpenAgainAsTheyWere)
{
    EditDocument document = documentOf({levelOf("의자", chairRows()), levelOf("두 그림", ambiguousRows())});
    setBlock(&document, 0, 0, 1);
    document.pictures[1].credits = {{"by", "누군가"}};
    std::string path = folder + "/level10.dat";
    SaveReport saved = saveLevelFile(&document, path);
    ASSERT_TRUE(saved.saved) << saved.message;
    EXPECT_FALSE(changedSinceSaved(document));
    EXPECT_EQ(folderListing(folder), std::vector<std::string>{"level10.dat"});  // nothing left beside it

    EditDocument opened;
    OpenReport report = openLevelFile(&opened, path);
    ASSERT_TRUE(report.opened);
    EXPECT_EQ(report.message, "");
    EXPECT_EQ(report.picturesRead, 2);
    EXPECT_EQ(opened.size, 10);
    EXPECT_EQ(opened.pictures[1].name, "두 그림");
    EXPECT_TRUE(samePicture(opened.pictures[0], document.pictures[0]));
    EXPECT_TRUE(samePicture(opened.pictures[1], document.pictures[1]));
    EXPECT_FALSE(changedSinceSaved(opened));
    EXPECT_FALSE(canUndo(opened));
}

TEST_F(EditorFiles, AFileCutShortGivesThePicturesBeforeTheCut)
{
    std::string bytes;
    std::string problem;
    ASSERT_TRUE(levelFileBytes(numberedChairs(20), &bytes, &problem)) << problem;
    std::string path = folder + "/level10.dat";
    writeText(path, bytes.substr(0, recordOffset(10, 11) + 5));
    EditDocument document;
    OpenReport report = openLevelFile(&document, path);
    ASSERT_TRUE(report.opened);
    EXPECT_EQ(report.picturesRead, 11);
    EXPECT_EQ(report.message, "파일이 그림 12 안에서 끝납니다: 그림 11개를 읽었습니다");
    EXPECT_EQ(document.pictures[10].name, "의자 11");
    EXPECT_TRUE(changedSinceSaved(document));  // the file on disk holds more than this
}

TEST_F(EditorFiles, AFileOfAnotherSizeThanItsNameOpensAsItsPicturesAre)
{
    std::vector<Level> big = {levelOf("큰 그림", std::vector<std::string>(15, std::string(15, '#')))};
    std::string bytes;
    std::string problem;
    ASSERT_TRUE(levelFileBytes(big, &bytes, &problem)) << problem;
    writeText(folder + "/level10.dat", bytes + "xyz");  // and bytes after the last record
    EditDocument document;
    OpenReport report = openLevelFile(&document, folder + "/level10.dat");
    // The extra bytes make it fit no size exactly: it is read as its name says, as the game does.
    ASSERT_TRUE(report.opened);
    EXPECT_EQ(document.size, 10);
    EXPECT_TRUE(contains(report.message, "마지막 그림 뒤에 19바이트가 더 있습니다"));
    writeText(folder + "/level10.dat", bytes);
    report = openLevelFile(&document, folder + "/level10.dat");
    ASSERT_TRUE(report.opened);
    EXPECT_EQ(document.size, 15);
    EXPECT_EQ(document.pictures[0].name, "큰 그림");
    EXPECT_TRUE(contains(report.message, "파일 이름은 10 x 10 그림의 것인데 내용은 15 x 15 그림 1개입니다"));
    writeText(folder + "/level15.dat", bytes + "xyz");
    report = openLevelFile(&document, folder + "/level15.dat");
    ASSERT_TRUE(report.opened);
    EXPECT_EQ(report.message, "마지막 그림 뒤에 3바이트가 더 있습니다 (게임은 읽지 않으며 저장하면 없어집니다)");
}

TEST_F(EditorFiles, AnEmptyOrForeignFileLeavesTheDocumentAsItWas)
{
    EditDocument document = documentOf({levelOf("의자", chairRows())});
    writeText(folder + "/empty.dat", "");
    OpenReport report = openLevelFile(&document, folder + "/empty.dat");
    EXPECT_FALSE(report.opened);
    EXPECT_TRUE(contains(report.message, "빈 파일"));
    writeText(folder + "/notes.dat", "This is a letter, not a level file.\n");
    report = openLevelFile(&document, folder + "/notes.dat");
    EXPECT_FALSE(report.opened);
    EXPECT_TRUE(contains(report.message, "레벨 파일이 아닌"));
    // Named as a level file, its bytes still read as no name at all.
    writeText(folder + "/level15.dat", std::string(3, '\x05') + std::string(400, '\x01'));
    report = openLevelFile(&document, folder + "/level15.dat");
    EXPECT_FALSE(report.opened);
    EXPECT_TRUE(contains(report.message, "레벨 파일이 아닌"));
    report = openLevelFile(&document, folder + "/missing.dat");
    EXPECT_FALSE(report.opened);
    EXPECT_TRUE(contains(report.message, "읽을 수 없습니다"));
    ASSERT_EQ(document.pictures.size(), 1u);
    EXPECT_EQ(document.pictures[0].name, "의자");
}

TEST_F(EditorFiles, ABadNameIsReplacedAndTold)
{
    std::string bytes;
    std::string problem;
    ASSERT_TRUE(levelFileBytes(numberedChairs(3), &bytes, &problem)) << problem;
    bytes[recordOffset(10, 1)] = '\x07';  // a control byte in the second name
    writeText(folder + "/level10.dat", bytes);
    EditDocument document;
    OpenReport report = openLevelFile(&document, folder + "/level10.dat");
    ASSERT_TRUE(report.opened);
    EXPECT_EQ(document.pictures[1].name, "그림 2");
    EXPECT_TRUE(contains(report.message, "그림 2: 이름을 읽을 수 없어"));
    EXPECT_TRUE(saveLevelFile(&document, folder + "/level10.dat").saved);
}

TEST_F(EditorFiles, AFailedSaveKeepsTheOldFileAndTheChangedMark)
{
    std::string path = folder + "/level10.dat";
    writeText(path, "old");
    EditDocument document = documentOf({levelOf("의자", chairRows())});
    document.pictures[0].name = "가나다라마바사아자차카";  // 22 bytes: the game could not read it
    setBlock(&document, 0, 0, 1);
    SaveReport report = saveLevelFile(&document, path);
    EXPECT_FALSE(report.saved);
    EXPECT_TRUE(contains(report.message, "그림 1의 이름"));
    EXPECT_EQ(readText(path), "old");
    EXPECT_TRUE(changedSinceSaved(document));
    // A place that cannot be written: a folder stands there.
    document.pictures[0].name = "의자";
    report = saveLevelFile(&document, folder);
    EXPECT_FALSE(report.saved);
    EXPECT_TRUE(contains(report.message, "쓸 수 없습니다"));
}

TEST_F(EditorFiles, FailingPicturesAreListedWithWhy)
{
    std::vector<Level> pictures = {levelOf("의자", chairRows()), levelOf("두 그림", ambiguousRows()),
                                   levelOf("또 의자", chairRows())};
    std::vector<PictureFailure> failures = failingPictures(pictures);
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[0].index, 1);
    EXPECT_TRUE(contains(failures[0].reason, "블럭 4개가 정해지지 않음"));
    EXPECT_EQ(failures[1].index, 2);
    EXPECT_TRUE(contains(failures[1].reason, "1번 그림과 겹침: 같은 그림"));
}

TEST_F(EditorFiles, PicturesGoOutAndComeBackAsNonAndSource)
{
    EditDocument document = documentOf({levelOf("의자", chairRows())});
    document.pictures[0].credits = {{"by", "그린 이"}};
    for (const char* name : {"/chair.non", "/chair.txt"}) {
        ASSERT_EQ(exportPicture(document, folder + name), "");
        ImportReport report = importPicture(&document, folder + name);
        ASSERT_TRUE(report.imported);
        EXPECT_EQ(report.message, "");
        EXPECT_EQ(document.selected, 1);
        EXPECT_EQ(document.pictures[1].name, "의자");
        EXPECT_EQ(document.pictures[1].credits, document.pictures[0].credits);
        EXPECT_TRUE(samePicture(document.pictures[1], document.pictures[0]));
        ASSERT_TRUE(undoChange(&document));
        EXPECT_EQ(document.pictures.size(), 1u);
    }
    // Another size or a broken file is refused with the reason.
    std::string big = "name: 큰\n";
    for (int row = 0; row < 15; ++row)
        big += std::string(15, '#') + "\n";
    writeText(folder + "/big.txt", big);
    EXPECT_TRUE(contains(importPicture(&document, folder + "/big.txt").message, "크기가 다릅니다"));
    EXPECT_EQ(document.pictures.size(), 1u);
}

// What the player reads is Korean, with the file and its line: never the
// level tool's English.
TEST_F(EditorFiles, AFileThatCannotBeImportedIsToldOfInKorean)
{
    EditDocument document = documentOf({levelOf("의자", chairRows())});
    const std::vector<std::pair<std::string, std::string>> files = {
        {"/bad.non", "width 10\nheight 10\n"},
        {"/wide.non", "title \"넓은\"\nwidth 12\nheight 12\n"},
        {"/clue.non", "width 10\nheight 10\nrows\n2 x\n" + repeated("1\n", 9)},
        {"/tab.txt", "name: 탭\n##\t.......\n" + repeated("..........\n", 9)},
        {"/missing.non", ""},
    };
    const char* const told[] = {
        "bad.non 2번째 줄: goal이 없고, rows와 columns 가운데 하나가 없습니다",
        "wide.non 2번째 줄: 판이 12 x 12입니다: 그림은 10 x 10, 15 x 15, 20 x 20이어야 합니다",
        "clue.non 4번째 줄: \"x\"은(는) 수가 아닙니다",
        "tab.txt 2번째 줄: 3번째 칸에 탭이(가) 있습니다 ('#'과 '.'만 판을 그립니다)",
        "missing.non: 읽을 수 없습니다",
    };
    for (size_t i = 0; i < files.size(); ++i) {
        if (!files[i].second.empty())
            writeText(folder + files[i].first, files[i].second);
        ImportReport report = importPicture(&document, folder + files[i].first);
        EXPECT_FALSE(report.imported);
        EXPECT_EQ(report.message, std::string("가져올 수 없습니다:\n") + told[i]);
    }
    EXPECT_EQ(document.pictures.size(), 1u);
}

// A puzzle without a goal whose clues two pictures fit comes in as one of
// them, to be mended, and the player is told it fails.
TEST_F(EditorFiles, APuzzleWithTwoAnswersIsImportedToBeMended)
{
    EditDocument document = documentOf({levelOf("의자", chairRows())});
    Level twoAnswers = levelOf("둘", ambiguousRows());
    std::string non = nonText(twoAnswers);
    non = non.substr(0, non.find("goal"));
    writeText(folder + "/two.non", non);
    ImportReport report = importPicture(&document, folder + "/two.non");
    ASSERT_TRUE(report.imported);
    EXPECT_TRUE(contains(report.message, "검사를 통과하지 못합니다")) << report.message;
    ASSERT_EQ(document.pictures.size(), 2u);
    BoardClues drawn, given;
    cluesOfPicture(document.pictures[1].picture, 10, &drawn);
    cluesOfPicture(twoAnswers.picture, 10, &given);
    for (int line = 0; line < 10; ++line) {
        EXPECT_TRUE(sameRuns(drawn.rowRuns[line], drawn.rowRunCount[line], given.rowRuns[line], given.rowRunCount[line]));
        EXPECT_TRUE(sameRuns(drawn.columnRuns[line], drawn.columnRunCount[line], given.columnRuns[line],
                             given.columnRunCount[line]));
    }
}

TEST_F(EditorFiles, ALevelFileNameOfAnotherSizeIsKnown)
{
    EXPECT_EQ(misreadSizeOfName(folder + "/level10.dat", 15), 10);
    EXPECT_EQ(misreadSizeOfName(folder + "/LEVEL20.DAT", 10), 20);  // Windows finds it in any case
    EXPECT_EQ(misreadSizeOfName(folder + "/level15.dat", 15), 0);
    EXPECT_EQ(misreadSizeOfName(folder + "/mine.dat", 15), 0);  // a name the game never reads
    EXPECT_EQ(levelFileNameFor(20), "level20.dat");
}

// Two editors on one file: what the other wrote is seen before it is lost.
TEST_F(EditorFiles, AFileWrittenByAnotherProgramIsSeenBeforeSaving)
{
    const std::string path = folder + "/level10.dat";
    EditDocument first = documentOf({levelOf("의자", chairRows())});
    EXPECT_FALSE(changedOnDisk(first, path));  // a new file was never on disk
    ASSERT_TRUE(saveLevelFile(&first, path).saved);
    EXPECT_FALSE(changedOnDisk(first, path));

    EditDocument second;
    ASSERT_TRUE(openLevelFile(&second, path).opened);
    ASSERT_EQ(renamePicture(&second, "Dos"), "");
    ASSERT_TRUE(saveLevelFile(&second, path).saved);
    EXPECT_TRUE(changedOnDisk(first, path));
    EXPECT_FALSE(changedOnDisk(second, path));
    EXPECT_FALSE(changedOnDisk(first, folder + "/other.dat"));  // Save As elsewhere
    // Opened again, the file is the document's once more.
    ASSERT_TRUE(openLevelFile(&first, path).opened);
    EXPECT_FALSE(changedOnDisk(first, path));
    removeScratch(folder);
    EXPECT_FALSE(changedOnDisk(first, path));  // gone: a save drops nobody's work
}
