// The picture source: level files of the current directory as the platform
// hands their bytes over, their records, the count byte in all its forms and
// every way a file can be broken.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "game.h"
#include "levelformat.h"
#include "levelpath.h"
#include "puzzle.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string blanks(19, ' ');

Bytes header(int count) { return {'B', '2', static_cast<std::uint8_t>(count)}; }

// A record: the name padded with zeros to 20 bytes, then the picture bytes
// given, padded with zeros to the size's packed length.
Bytes record(int size, const std::string& name, const Bytes& picture = {})
{
    Bytes bytes(20 + packedBytes(size), 0);
    std::memcpy(bytes.data(), name.data(), std::min<std::size_t>(name.size(), 20));
    std::copy(picture.begin(), picture.end(), bytes.begin() + 20);
    return bytes;
}

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

int bombCount(int size)
{
    int bombs = 0;
    for (int col = 0; col < size; ++col)
        for (int row = 0; row < size; ++row)
            bombs += game.solution[col][row];
    return bombs;
}

struct LevelFiles : ::testing::Test {
    void SetUp() override
    {
        resetFake();
        game = Game();
        game.randomMode = 0;
    }
    void TearDown() override
    {
        game = Game();
        resetFake();
    }
    void write(int size, const Bytes& bytes) { fake.levelFiles[size] = bytes; }
    std::string readName(int size, int index)
    {
        char name[20];
        std::memset(name, 'X', sizeof name);
        readLevelRecord(size, index, name);
        EXPECT_NE(std::memchr(name, 0, 20), nullptr);
        return std::string(name, strnlen(name, 20));
    }
    // A picture board made with the clock at the given second.
    void pictureBoardAt(int size, unsigned second)
    {
        fake.clock = second;
        makePictureBoard(size);
    }
};

// The name alone, relative to the current directory: no folder, however
// deep or however spelt, passes through a buffer or the ANSI code page.
TEST_F(LevelFiles, EachSizeIsNamedWithoutItsFolder)
{
    char path[levelPathRoom];
    for (int size : {10, 15, 20}) {
        ASSERT_TRUE(levelFilePath(size, path, levelPathRoom));
        EXPECT_EQ(std::string(path), "level" + std::to_string(size) + ".dat");
    }
    EXPECT_FALSE(levelFilePath(10, path, 11)) << "level10.dat and its zero need 12 bytes";
    EXPECT_STREQ(path, "");
}

TEST_F(LevelFiles, RecordOffsetsOfATenByTenFile)
{
    Bytes file = header(3) + record(10, "first") + record(10, "second") + record(10, "third", {0xC0, 0x20});
    ASSERT_EQ(file[69], 't');
    ASSERT_EQ(file[89], 0xC0);
    write(10, file);
    EXPECT_EQ(readLevelCount(10), 3);
    EXPECT_EQ(readName(10, 2), "third");
    EXPECT_EQ(game.solution[0][0], 1);
    EXPECT_EQ(game.solution[1][0], 1);
    EXPECT_EQ(game.solution[2][0], 0);
    EXPECT_EQ(game.solution[0][1], 1) << "row 1 begins at mask 0x20 of byte 1";
    EXPECT_EQ(bombCount(10), 3);
    EXPECT_EQ(readName(10, 0), "first");
    EXPECT_EQ(bombCount(10), 0);
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(LevelFiles, FiveRecordsOfTwentyFillExactly353Bytes)
{
    Bytes file = header(5);
    for (int k = 0; k < 5; ++k) {
        Bytes picture(50, 0);
        picture[49] = static_cast<std::uint8_t>(1 << k);  // the last byte: row 19, columns 12..19
        file = file + record(20, "level " + std::to_string(k), picture);
    }
    ASSERT_EQ(file.size(), 353u);
    write(20, file);
    EXPECT_EQ(readLevelCount(20), 5);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(readName(20, k), "level " + std::to_string(k));
        EXPECT_EQ(bombCount(20), 1);
        EXPECT_EQ(game.solution[19 - k][19], 1) << k;
    }
    EXPECT_EQ(readName(20, 5), blanks) << "a record past the end keeps its presets";
    EXPECT_EQ(bombCount(20), 0);
}

TEST_F(LevelFiles, PadBitsAreIgnored)
{
    Bytes picture10(13, 0);
    picture10[12] = 0xFF;
    write(10, header(1) + record(10, "pad", picture10));
    readName(10, 0);
    EXPECT_EQ(bombCount(10), 4);
    for (int col = 6; col < 10; ++col)
        EXPECT_EQ(game.solution[col][9], 1);

    Bytes picture15(29, 0);
    picture15[28] = 0xFF;
    write(15, header(1) + record(15, "pad", picture15));
    readName(15, 0);
    EXPECT_EQ(bombCount(15), 1);
    EXPECT_EQ(game.solution[14][14], 1);
}

TEST_F(LevelFiles, ACountOfOneAlwaysYieldsRecordZero)
{
    write(10, header(1) + record(10, "only", {0x80}) + record(10, "hidden", {0xFF}));
    for (unsigned second : {1u, 2u, 977u, 1700000000u}) {
        pictureBoardAt(10, second);
        EXPECT_STREQ(game.levelName, "only") << second;
        EXPECT_EQ(bombCount(10), 1);
        EXPECT_EQ(game.cells[0][0], CoveredBomb);
        EXPECT_EQ(game.cells[1][0], Covered);
    }
}

TEST_F(LevelFiles, TheRecordIsTheDrawByTheCount)
{
    Bytes file = header(7);
    for (int k = 0; k < 7; ++k)
        file = file + record(10, "picture " + std::to_string(k));
    write(10, file);
    for (unsigned second : {1u, 5u, 1234567u}) {
        seedRandom(second);
        int expected = nextRandom() % 7;
        pictureBoardAt(10, second);
        EXPECT_STREQ(game.levelName, ("picture " + std::to_string(expected)).c_str()) << second;
    }
    // Two boards in the same second are the same level.
    pictureBoardAt(10, 42);
    std::string first = game.levelName;
    pictureBoardAt(10, 42);
    EXPECT_EQ(std::string(game.levelName), first);
}

TEST_F(LevelFiles, NegativeCountBytes)
{
    write(10, header(0xFF) + record(10, "zero") + record(10, "one"));
    EXPECT_EQ(readLevelCount(10), -1);
    for (unsigned second : {1u, 2u, 3u, 99u}) {
        pictureBoardAt(10, second);
        EXPECT_STREQ(game.levelName, "zero") << "0xFF: always record 0";
    }
    EXPECT_TRUE(fake.calls.empty()) << "a count of -1 from the file is no error";

    Bytes file = header(0x80);
    for (int k = 0; k < 128; ++k)
        file = file + record(10, "n" + std::to_string(k));
    write(10, file);
    EXPECT_EQ(readLevelCount(10), -128);
    for (unsigned second : {1u, 7u, 31337u}) {
        seedRandom(second);
        int expected = nextRandom() % 128;
        pictureBoardAt(10, second);
        EXPECT_STREQ(game.levelName, ("n" + std::to_string(expected)).c_str()) << second;
    }

    write(10, header(0xFE) + record(10, "a") + record(10, "b"));
    EXPECT_EQ(readLevelCount(10), -2);
}

TEST_F(LevelFiles, ACountOfZeroIsAnUnreadableHeader)
{
    write(10, header(0) + record(10, "never", {0xFF, 0xFF}));
    pictureBoardAt(10, 3);
    EXPECT_EQ(fake.calls, std::vector<std::string>{"showErrorBox header read error"});
    EXPECT_EQ(fake.levelReadings, 1) << "no record is read";
    EXPECT_EQ(std::string(game.levelName), blanks);
    EXPECT_EQ(bombCount(10), 0);
    EXPECT_EQ(readLevelCount(10), -1);
}

TEST_F(LevelFiles, FilesShorterThanTheHeader)
{
    for (const Bytes& file : {Bytes{}, Bytes{'B'}, Bytes{'B', '2'}}) {
        fake.calls.clear();
        write(15, file);
        game.solution[3][3] = 1;
        pictureBoardAt(15, 8);
        EXPECT_EQ(fake.calls, std::vector<std::string>{"showErrorBox header read error"}) << file.size();
        EXPECT_EQ(std::string(game.levelName), blanks);
        EXPECT_EQ(bombCount(15), 0);
        EXPECT_EQ(game.cells[3][3], Covered);
    }
}

TEST_F(LevelFiles, TruncatedRecordsKeepTheirPresets)
{
    // The header only: the record lies wholly beyond the end.
    write(10, header(1));
    pictureBoardAt(10, 1);
    EXPECT_TRUE(fake.calls.empty());
    EXPECT_EQ(std::string(game.levelName), blanks);
    EXPECT_EQ(bombCount(10), 0);

    // Half a name.
    write(10, header(1) + Bytes{'H', 'a', 'l', 'f'});
    pictureBoardAt(10, 1);
    EXPECT_EQ(std::string(game.levelName), "Half" + std::string(15, ' '));

    // The name and two bytes of the picture.
    Bytes cut = header(1) + record(10, "cut", {0xFF, 0xFF, 0xFF});
    cut.resize(3 + 20 + 2);
    write(10, cut);
    pictureBoardAt(10, 1);
    EXPECT_STREQ(game.levelName, "cut");
    EXPECT_EQ(bombCount(10), 16);
    EXPECT_EQ(game.solution[5][1], 1);
    EXPECT_EQ(game.solution[6][1], 0);
}

TEST_F(LevelFiles, AMissingFileShowsOneMessageAndABlankBoard)
{
    game.solution[0][0] = 1;
    pictureBoardAt(20, 5);
    EXPECT_EQ(fake.calls, std::vector<std::string>{"showErrorBox file open error"});
    EXPECT_EQ(std::string(game.levelName), blanks);
    EXPECT_EQ(bombCount(20), 0);
    EXPECT_EQ(game.cells[0][0], Covered);
    EXPECT_EQ(readLevelCount(20), -1);
    readName(20, 0);  // the record reader itself says nothing
    EXPECT_EQ(fake.calls.size(), 2u);
}

TEST_F(LevelFiles, ANewGameInPictureMode)
{
    write(15, header(1) + record(15, "cat", {0x40}));
    newGame(15);
    EXPECT_EQ(fake.calls, std::vector<std::string>{"fitWindow 15"});
    EXPECT_STREQ(game.levelName, "cat");
    EXPECT_EQ(game.cells[1][0], CoveredBomb);
    EXPECT_EQ(game.gameState, Starting);

    fake.calls.clear();
    newGame(10);  // no level10.dat in the folder
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"fitWindow 10", "showErrorBox file open error"}));
}

TEST_F(LevelFiles, EachBoardReadsTheFileTwice)
{
    write(10, header(2) + record(10, "a") + record(10, "b"));
    pictureBoardAt(10, 11);
    EXPECT_EQ(fake.levelReadings, 2) << "the count, then the record: nothing is kept between them";
    pictureBoardAt(10, 12);
    EXPECT_EQ(fake.levelReadings, 4);
}

TEST_F(LevelFiles, AFailingReadIsAHeaderError)
{
    write(10, header(1) + record(10, "never", {0xFF}));
    fake.levelReadFails = true;
    pictureBoardAt(10, 1);
    EXPECT_EQ(fake.calls, std::vector<std::string>{"showErrorBox header read error"});
    EXPECT_EQ(std::string(game.levelName), blanks);
    EXPECT_EQ(bombCount(10), 0);
}

TEST_F(LevelFiles, ANameWithoutAZeroIsCutAtNineteen)
{
    write(10, header(1) + record(10, std::string(20, 'A')));
    pictureBoardAt(10, 1);
    EXPECT_EQ(std::string(game.levelName), std::string(19, 'A'));
    EXPECT_EQ(readName(10, 0), std::string(19, 'A'));
}

TEST_F(LevelFiles, NameBytesAreCopiedAsTheyStand)
{
    Bytes name = {0xB0, 0xED, 0xBE, 0xE7, 0xC0, 0xCC, 0, 'x', 'y'};  // CP949 text, then stray bytes
    write(10, header(1) + record(10, std::string(name.begin(), name.end())));
    pictureBoardAt(10, 1);
    EXPECT_EQ(std::memcmp(game.levelName, name.data(), name.size()), 0);
    EXPECT_EQ(game.levelName[9], 0);
}

TEST_F(LevelFiles, ControlBytesInANameBecomeBlanks)
{
    // A name that would write lines of its own into the records file.
    const std::string forged = "a\r\nScore2=1\r\n[x]\t\x01\x1f";
    ASSERT_EQ(forged.size(), 19u);
    write(10, header(2) + record(10, forged) + record(10, std::string("ok\0\n\r", 5)));
    EXPECT_EQ(readName(10, 0), "a  Score2=1  [x]   ") << "the name keeps its length";
    EXPECT_EQ(readName(10, 1), "ok");
    char name[20];
    readLevelRecord(10, 1, name);
    EXPECT_EQ(std::memcmp(name, "ok\0\n\r", 5), 0) << "bytes after the zero are no part of the name";
    write(10, header(1) + record(10, forged));
    pictureBoardAt(10, 1);
    EXPECT_STREQ(game.levelName, "a  Score2=1  [x]   ");
}

TEST_F(LevelFiles, BytesThatAreNoCharacterBecomeBlanks)
{
    // A Latin-1 letter, a lead byte before a blank, a lead byte cut off by
    // the name's end, and a code of the right shape the code page lacks.
    fake.unassignedCodes = {"\xA2\xF0"};
    write(10, header(5) + record(10, "Caf\xE9t") + record(10, "A\xB0 Z") +
                  record(10, "\xB0\xED\xBE\xE7\xC0\xCC\xB0") + record(10, "x\xA2\xF0y\x80\xFF") +
                  record(10, std::string(18, 'n') + "\xB0\xED"));
    EXPECT_EQ(readName(10, 0), "Caf t");
    EXPECT_EQ(readName(10, 1), "A  Z");
    EXPECT_EQ(readName(10, 2), "\xB0\xED\xBE\xE7\xC0\xCC ") << "the characters before the lone lead byte stay";
    EXPECT_EQ(readName(10, 3), "x  y  ");
    EXPECT_EQ(readName(10, 4), std::string(18, 'n') + " ") << "the 20th byte is cut: its lead byte goes";
    write(10, header(1) + record(10, "Caf\xE9t"));
    pictureBoardAt(10, 1);
    EXPECT_STREQ(game.levelName, "Caf t") << "the name the dialogs show and the records store";
}

TEST_F(LevelFiles, OnlyABoardTheFileHeldWholeMaySetABestTime)
{
    Bytes whole = header(1) + record(10, "cat", {0x80});
    write(10, whole);
    pictureBoardAt(10, 1);
    EXPECT_TRUE(game.bestTimeAllowed);

    Bytes cut = whole;
    cut.pop_back();  // the last picture byte is missing
    struct Case {
        const char* what;
        bool present;
        Bytes file;
    };
    for (const Case& broken : {Case{"missing", false, {}}, Case{"header only", true, header(1)},
                               Case{"count zero", true, header(0) + record(10, "x")},
                               Case{"cut record", true, cut}}) {
        fake.levelFiles.clear();
        if (broken.present)
            write(10, broken.file);
        pictureBoardAt(10, 1);
        EXPECT_FALSE(game.bestTimeAllowed) << broken.what;
        game.randomMode = 1;
        fillBoardFromSource(10);
        EXPECT_TRUE(game.bestTimeAllowed) << "a random board after " << broken.what;
        game.randomMode = 0;
    }
}

// A board without its level file has no bombs: one click solves it. The win
// goes the way of a win without a record, and the records are not even read.
TEST_F(LevelFiles, AWinOnABoardWithoutItsFileOffersNoBestTime)
{
    auto winFlowCalls = [&] {
        game.gameState = Solved;
        fake.calls.clear();
        fastTick();
        return callsNamed({"readBestTime", "runBestDialog", "runRecordsDialog", "runWinDialog"});
    };
    fake.bestTime = 999;
    newGame(10);
    ASSERT_FALSE(game.bestTimeAllowed);
    EXPECT_EQ(winFlowCalls(), std::vector<std::string>{"runWinDialog"});

    write(10, header(1) + record(10, "cat", {0x80}));
    newGame(10);
    ASSERT_TRUE(game.bestTimeAllowed);
    EXPECT_EQ(winFlowCalls(), (std::vector<std::string>{"readBestTime 10", "runBestDialog", "runRecordsDialog"}));
}

TEST_F(LevelFiles, OddSizesAndIndexesAreSafe)
{
    write(10, header(1) + record(10, "ok", {0xFF}));
    EXPECT_EQ(readName(10, -1), blanks);
    EXPECT_EQ(readName(10, 2000000000), blanks);
    EXPECT_EQ(bombCount(10), 0);
    EXPECT_EQ(readName(12, 0), blanks) << "no layout for size 12";
    EXPECT_EQ(readLevelCount(12), -1);
    makePictureBoard(12);  // plays as 10
    EXPECT_STREQ(game.levelName, "ok");
}

TEST_F(LevelFiles, RandomBoardsAreNamedTheSameAtEverySize)
{
    game.randomMode = 7;  // any value but 0
    for (int size : {10, 15, 20}) {
        fillBoardFromSource(size);
        EXPECT_STREQ(game.levelName, "Random Level");
        EXPECT_EQ(std::memcmp(game.levelName, "Random Level\0\0\0\0\0\0\0", 20), 0);
    }
    EXPECT_TRUE(fake.calls.empty()) << "the random source reads no file";
}

}  // namespace
