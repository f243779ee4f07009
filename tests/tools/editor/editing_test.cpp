#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editmodel.h"
#include "scratch.h"

namespace {

// The selected picture's rows as '#' and '.', for comparing whole boards.
std::vector<std::string> rowsOf(const EditDocument& document)
{
    std::vector<std::string> rows(document.size, std::string(document.size, '.'));
    const Level* picture = selectedPicture(document);
    for (int col = 0; col < document.size; ++col) {
        for (int row = 0; row < document.size; ++row)
            rows[row][col] = picture->picture[col][row] ? '#' : '.';
    }
    return rows;
}

std::vector<std::string> emptyRows() { return std::vector<std::string>(10, ".........."); }

EditDocument documentOf(const std::vector<std::vector<std::string>>& pictures)
{
    EditDocument document;
    newDocument(&document, 10);
    for (size_t i = 1; i < pictures.size(); ++i)
        addPicture(&document);
    for (size_t i = 0; i < pictures.size(); ++i) {
        document.pictures[i] = levelOf("그림" + std::to_string(i + 1), pictures[i]);
    }
    selectPicture(&document, 0);
    document.undoSteps.clear();
    return document;
}

}  // namespace

TEST(Strokes, ADragKeepsToTheLineOfItsFirstMove)
{
    EditDocument document = documentOf({emptyRows()});
    // Begun at (2, 3), first moved right: the row is fixed, moves up and
    // down are taken along it, and a jump sets every block passed over.
    ASSERT_TRUE(beginEditStroke(&document, 2, 3, 1));
    EXPECT_TRUE(continueEditStroke(&document, 3, 3));
    EXPECT_TRUE(continueEditStroke(&document, 7, 5));
    EXPECT_FALSE(continueEditStroke(&document, 6, 9));  // back over set blocks: nothing new
    endEditStroke(&document);
    std::vector<std::string> expected = emptyRows();
    expected[3] = "..######..";
    EXPECT_EQ(rowsOf(document), expected);

    // A first move mostly downward fixes the column; beyond the board the
    // stroke stops at its edge.
    ASSERT_TRUE(beginEditStroke(&document, 0, 0, 1));
    continueEditStroke(&document, 1, 2);
    continueEditStroke(&document, 4, 40);
    endEditStroke(&document);
    for (int row = 0; row < 10; ++row)
        expected[row][0] = '#';
    EXPECT_EQ(rowsOf(document), expected);
}

TEST(Strokes, TheRightButtonClearsAndAStrokeIsOneUndoStep)
{
    std::vector<std::string> full(10, "##########");
    EditDocument document = documentOf({full});
    beginEditStroke(&document, 9, 4, 0);
    continueEditStroke(&document, 8, 4);
    continueEditStroke(&document, 5, 4);
    endEditStroke(&document);
    std::vector<std::string> cleared = full;
    cleared[4] = "#####.....";
    EXPECT_EQ(rowsOf(document), cleared);
    EXPECT_EQ(document.undoSteps.size(), 1u);

    ASSERT_TRUE(undoChange(&document));
    EXPECT_EQ(rowsOf(document), full);
    ASSERT_TRUE(redoChange(&document));
    EXPECT_EQ(rowsOf(document), cleared);
    // A stroke that changes nothing (clearing free blocks) leaves no step to undo.
    beginEditStroke(&document, 7, 4, 0);
    continueEditStroke(&document, 5, 4);
    endEditStroke(&document);
    EXPECT_EQ(document.undoSteps.size(), 1u);
    // Undo in the middle of a stroke ends it and undoes it whole.
    beginEditStroke(&document, 0, 0, 0);
    continueEditStroke(&document, 0, 3);
    EXPECT_TRUE(undoChange(&document));
    EXPECT_EQ(rowsOf(document), cleared);
}

TEST(Undo, UndoAndRedoCrossPicturesAndSelectTheOneChanged)
{
    EditDocument document = documentOf({emptyRows(), emptyRows(), emptyRows()});
    selectPicture(&document, 0);
    setBlock(&document, 1, 1, 1);
    selectPicture(&document, 2);
    EXPECT_EQ(renamePicture(&document, "새 이름"), "");
    selectPicture(&document, 1);
    setBlock(&document, 5, 5, 1);

    selectPicture(&document, 0);
    ASSERT_TRUE(undoChange(&document));
    EXPECT_EQ(document.selected, 1);
    EXPECT_EQ(document.pictures[1].picture[5][5], 0);
    ASSERT_TRUE(undoChange(&document));
    EXPECT_EQ(document.selected, 2);
    EXPECT_EQ(document.pictures[2].name, "그림3");
    ASSERT_TRUE(undoChange(&document));
    EXPECT_EQ(document.selected, 0);
    EXPECT_EQ(document.pictures[0].picture[1][1], 0);
    EXPECT_FALSE(undoChange(&document));

    ASSERT_TRUE(redoChange(&document));
    ASSERT_TRUE(redoChange(&document));
    EXPECT_EQ(document.selected, 2);
    EXPECT_EQ(document.pictures[2].name, "새 이름");
    // A new change drops what was left to redo.
    setBlock(&document, 0, 0, 1);
    EXPECT_FALSE(canRedo(document));
}

TEST(Undo, AddDuplicateDeleteAndMoveAreUndone)
{
    std::vector<std::string> marked = emptyRows();
    marked[0] = "#.........";
    EditDocument document = documentOf({marked, emptyRows()});
    selectPicture(&document, 0);
    ASSERT_TRUE(duplicatePicture(&document));
    ASSERT_EQ(document.pictures.size(), 3u);
    EXPECT_EQ(document.selected, 1);
    EXPECT_EQ(rowsOf(document), marked);
    ASSERT_TRUE(movePictureDown(&document));
    EXPECT_EQ(document.selected, 2);
    EXPECT_FALSE(movePictureDown(&document));  // already last
    ASSERT_TRUE(addPicture(&document));
    EXPECT_EQ(document.pictures[3].name, "그림 4");
    selectPicture(&document, 0);
    ASSERT_TRUE(deletePicture(&document));
    EXPECT_EQ(document.pictures.size(), 3u);
    EXPECT_EQ(document.pictures[0].name, "그림2");

    std::vector<std::string> names;
    for (int step = 0; step < 4; ++step)
        ASSERT_TRUE(undoChange(&document));
    for (const Level& picture : document.pictures)
        names.push_back(picture.name);
    EXPECT_EQ(names, (std::vector<std::string>{"그림1", "그림2"}));
    for (int step = 0; step < 4; ++step)
        ASSERT_TRUE(redoChange(&document));
    names.clear();
    for (const Level& picture : document.pictures)
        names.push_back(picture.name);
    EXPECT_EQ(names, (std::vector<std::string>{"그림2", "그림1", "그림 4"}));
}

TEST(Undo, TheLastPictureStaysAndTheSavedStateIsKnownAgain)
{
    EditDocument document;
    newDocument(&document, 15);
    EXPECT_FALSE(deletePicture(&document));
    EXPECT_FALSE(changedSinceSaved(document));
    setBlock(&document, 14, 14, 1);
    EXPECT_TRUE(changedSinceSaved(document));
    undoChange(&document);
    EXPECT_FALSE(changedSinceSaved(document));
    EXPECT_FALSE(setBlock(&document, 15, 0, 1));  // off the board
    EXPECT_FALSE(beginEditStroke(&document, -1, 0, 1));
}

TEST(Limits, AFileHoldsAtMost127Pictures)
{
    EditDocument document;
    newDocument(&document, 10);
    while (addPicture(&document)) {
    }
    EXPECT_EQ(document.pictures.size(), 127u);
    EXPECT_FALSE(duplicatePicture(&document));
    EXPECT_FALSE(insertPicture(&document, levelOf("하나 더", emptyRows())));
    ASSERT_TRUE(deletePicture(&document));
    EXPECT_TRUE(insertPicture(&document, levelOf("하나 더", emptyRows())));
    // A picture of another size never joins the file.
    deletePicture(&document);
    EXPECT_FALSE(insertPicture(&document, levelOf("큰", std::vector<std::string>(15, std::string(15, '.')))));
}

TEST(Limits, NamesAreAtMost19BytesOfCp949WithoutControlBytes)
{
    EditDocument document;
    newDocument(&document, 10);
    // A Hangul syllable is 2 bytes in CP949.
    EXPECT_EQ(nameBytesLeft("가나다라마바사아자x"), 0);
    EXPECT_EQ(renamePicture(&document, "가나다라마바사아자x"), "");
    EXPECT_EQ(nameBytesLeft("가나다라마바사아자차"), -1);
    EXPECT_NE(renamePicture(&document, "가나다라마바사아자차"), "");
    EXPECT_NE(renamePicture(&document, "줄\n바꿈"), "");
    EXPECT_NE(renamePicture(&document, ""), "");
    EXPECT_NE(renamePicture(&document, "😀"), "");  // CP949 cannot hold it
    EXPECT_EQ(renamePicture(&document, "집😀"), "이름에 게임이 쓸 수 없는 글자가 있습니다 (한글, 영문, 숫자와 흔한 기호는 됩니다)");
    EXPECT_NE(renamePicture(&document, "café"), "");
    // Blanks alone, the wide one of Korean input too, name nothing.
    EXPECT_NE(renamePicture(&document, "   "), "");
    EXPECT_NE(renamePicture(&document, " \u3000 "), "");
    EXPECT_EQ(nameBytesLeft("😀"), 17);
    EXPECT_EQ(document.pictures[0].name, "가나다라마바사아자x");  // every refusal kept the name
    EXPECT_EQ(nameBytesLeft(""), 19);
    EXPECT_EQ(renamePicture(&document, " 집 "), "");  // blanks around a name are the player's choice
}

TEST(Undo, CreditsAreUndoneAndTheOldestStepsGoPastTheLimit)
{
    EditDocument document;
    newDocument(&document, 10);
    std::vector<std::pair<std::string, std::string>> credits = {{"by", "그린 이"}, {"license", "CC0"}};
    ASSERT_TRUE(setCredits(&document, credits));
    EXPECT_FALSE(setCredits(&document, {{"colour", "red"}}));  // not a credit a level keeps
    EXPECT_FALSE(setCredits(&document, {{"by", "줄\n바꿈"}}));
    ASSERT_TRUE(undoChange(&document));
    EXPECT_TRUE(document.pictures[0].credits.empty());
    ASSERT_TRUE(redoChange(&document));
    EXPECT_EQ(document.pictures[0].credits, credits);

    for (int step = 0; step < mostUndoSteps + 5; ++step)
        setBlock(&document, step % 10, 0, step / 10 % 2 == 0 ? 1 : 0);
    EXPECT_EQ(static_cast<int>(document.undoSteps.size()), mostUndoSteps);
    while (undoChange(&document)) {
    }
    // The credits' step and the first blocks' are past undoing.
    EXPECT_EQ(document.pictures[0].credits, credits);
    EXPECT_TRUE(changedSinceSaved(document));
}
