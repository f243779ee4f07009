#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "levelfile.h"
#include "levelformat.h"
#include "scratch.h"

namespace {

std::vector<std::string> blankRows(int size)
{
    return std::vector<std::string>(size, std::string(size, '.'));
}

std::string packed(const std::vector<Level>& levels)
{
    std::string bytes;
    std::string problem;
    EXPECT_TRUE(levelFileBytes(levels, &bytes, &problem)) << problem;
    return bytes;
}

unsigned byteAt(const std::string& bytes, long offset) { return static_cast<unsigned char>(bytes.at(offset)); }

// A 10 x 10 file of one record, built by hand.
std::string handMadeFile(const std::string& name, std::vector<unsigned> picture)
{
    std::string bytes = "B2";
    bytes.push_back(1);
    std::string field = name;
    field.resize(20, '\0');
    bytes += field;
    picture.resize(13, 0);
    for (unsigned byte : picture)
        bytes.push_back(static_cast<char>(byte));
    return bytes;
}

bool parses(const std::string& bytes, const std::string& where, LevelFileContent* content, std::string* problem)
{
    return parseLevelFile(bytes, where, content, problem);
}

}  // namespace

TEST(LevelFileWriting, HeaderNameAndFirstBits)
{
    std::vector<std::string> rows = blankRows(10);
    rows[0] = "##........";
    rows[1] = "#.........";
    std::string bytes = packed({levelOf("사과", rows)});
    ASSERT_EQ(bytes.size(), 36u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], '2');
    EXPECT_EQ(byteAt(bytes, 2), 1u);
    // "사과" in CP949, then zero padding to 20 bytes.
    EXPECT_EQ(byteAt(bytes, 3), 0xBBu);
    EXPECT_EQ(byteAt(bytes, 4), 0xE7u);
    EXPECT_EQ(byteAt(bytes, 5), 0xB0u);
    EXPECT_EQ(byteAt(bytes, 6), 0xFAu);
    for (long i = 7; i < 23; ++i)
        EXPECT_EQ(byteAt(bytes, i), 0u) << i;
    EXPECT_EQ(byteAt(bytes, 23), 0xC0u);  // columns 0 and 1 of row 0
    EXPECT_EQ(byteAt(bytes, 24), 0x20u);  // row 1 begins at mask 0x20 of byte 1
    for (long i = 25; i < 36; ++i)
        EXPECT_EQ(byteAt(bytes, i), 0u) << i;
}

TEST(LevelFileWriting, PadBitsStayZero)
{
    std::vector<std::string> full10(10, std::string(10, '#'));
    std::string bytes10 = packed({levelOf("a", full10)});
    EXPECT_EQ(byteAt(bytes10, 23 + 11), 0xFFu);
    EXPECT_EQ(byteAt(bytes10, 23 + 12), 0xF0u);  // 4 pad bits
    std::vector<std::string> full15(15, std::string(15, '#'));
    std::string bytes15 = packed({levelOf("a", full15)});
    EXPECT_EQ(byteAt(bytes15, 23 + 28), 0x80u);  // 7 pad bits
    std::vector<std::string> full20(20, std::string(20, '#'));
    std::string bytes20 = packed({levelOf("a", full20)});
    EXPECT_EQ(byteAt(bytes20, 23 + 49), 0xFFu);  // no pad bits
    EXPECT_EQ(bytes20.size(), 73u);
}

TEST(LevelFileWriting, RecordsFollowWithoutGaps)
{
    std::vector<std::string> rows = blankRows(10);
    std::vector<Level> levels = {levelOf("a", rows), levelOf("b", rows), levelOf("c", rows)};
    levels[2].picture[0][0] = 1;
    std::string bytes = packed(levels);
    EXPECT_EQ(bytes.size(), 3u + 3 * 33);
    EXPECT_EQ(bytes[69], 'c');  // record 2's name
    EXPECT_EQ(byteAt(bytes, 89), 0x80u);  // record 2's picture
    std::vector<Level> big(5, levelOf("d", blankRows(20)));
    EXPECT_EQ(packed(big).size(), 353u);
}

TEST(LevelFileWriting, RefusesWhatTheGameCannotHold)
{
    std::string bytes;
    std::string problem;
    EXPECT_FALSE(levelFileBytes({}, &bytes, &problem));
    EXPECT_NE(problem.find("no levels"), std::string::npos);
    std::vector<Level> many(128, levelOf("a", blankRows(10)));
    EXPECT_FALSE(levelFileBytes(many, &bytes, &problem));
    EXPECT_NE(problem.find("at most 127"), std::string::npos);
    many.resize(127);
    EXPECT_TRUE(levelFileBytes(many, &bytes, &problem));
    EXPECT_EQ(byteAt(bytes, 2), 127u);
    std::vector<Level> mixed = {levelOf("a", blankRows(10)), levelOf("b", blankRows(15))};
    EXPECT_FALSE(levelFileBytes(mixed, &bytes, &problem));
    EXPECT_NE(problem.find("15 x 15"), std::string::npos);
    std::vector<Level> longName = {levelOf("가나다라마바사아자차", blankRows(10))};  // 20 bytes
    EXPECT_FALSE(levelFileBytes(longName, &bytes, &problem));
    EXPECT_NE(problem.find("20 bytes"), std::string::npos);
}

TEST(LevelFileReading, HandMadeBytes)
{
    LevelFileContent content;
    std::string problem;
    ASSERT_TRUE(parses(handMadeFile("\xBB\xE7\xB0\xFA", {0xC0, 0x20}), "level10.dat", &content, &problem)) << problem;
    ASSERT_EQ(content.levels.size(), 1u);
    const Level& level = content.levels[0];
    EXPECT_EQ(level.flaw, "");
    EXPECT_EQ(level.name, "사과");
    EXPECT_EQ(level.size, 10);
    EXPECT_EQ(level.picture[0][0], 1);
    EXPECT_EQ(level.picture[1][0], 1);
    EXPECT_EQ(level.picture[2][0], 0);
    EXPECT_EQ(level.picture[0][1], 1);
    EXPECT_EQ(level.picture[1][1], 0);
    EXPECT_TRUE(content.warnings.empty());
}

TEST(LevelFileReading, SizeFromNameOrLength)
{
    std::vector<Level> levels(2, levelOf("a", blankRows(15)));
    std::string bytes = packed(levels);
    LevelFileContent content;
    std::string problem;
    ASSERT_TRUE(parses(bytes, "dir/anything.dat", &content, &problem)) << problem;
    EXPECT_EQ(content.size, 15);
    // The name wins: these bytes are too short for two 20 x 20 records.
    EXPECT_FALSE(parses(bytes, "dir/level20.dat", &content, &problem));
    EXPECT_NE(problem.find("truncated"), std::string::npos);
    // With bytes after the last record only the name tells the size.
    bytes += "x";
    EXPECT_TRUE(parses(bytes, "level15.dat", &content, &problem)) << problem;
    EXPECT_EQ(content.levels.size(), 2u);
    EXPECT_FALSE(parses(bytes, "puzzles.dat", &content, &problem));
    EXPECT_NE(problem.find("cannot tell the board size"), std::string::npos);
}

TEST(LevelFileReading, CorruptFilesAreRefusedWithWhere)
{
    LevelFileContent content;
    std::string problem;
    EXPECT_FALSE(parses("B2", "level10.dat", &content, &problem));
    EXPECT_NE(problem.find("level10.dat: header truncated"), std::string::npos);
    std::string file = handMadeFile("a", {});
    file[2] = 0;
    EXPECT_FALSE(parses(file, "level10.dat", &content, &problem));
    EXPECT_NE(problem.find("count byte 0"), std::string::npos);
    file[2] = static_cast<char>(0x80);
    EXPECT_FALSE(parses(file, "level10.dat", &content, &problem));
    EXPECT_NE(problem.find("count byte 128"), std::string::npos);
    file[2] = 2;  // says two, holds one
    EXPECT_FALSE(parses(file, "level10.dat", &content, &problem));
    EXPECT_NE(problem.find("ends before record 2, 33 bytes missing"), std::string::npos) << problem;
    file[2] = 1;
    EXPECT_FALSE(parses(file.substr(0, file.size() - 1), "level10.dat", &content, &problem));
    EXPECT_NE(problem.find("truncated"), std::string::npos);
    EXPECT_TRUE(content.levels.empty());
}

TEST(LevelFileReading, TruncatedFilesSayWhereTheyEnd)
{
    std::vector<Level> levels(4, levelOf("a", blankRows(10)));
    std::string cut = packed(levels).substr(0, 3 + 33 + 20);  // of 3 + 4 x 33 bytes
    LevelFileContent content;
    std::string problem;
    EXPECT_FALSE(parses(cut, "dir/level10.dat", &content, &problem));
    EXPECT_EQ(problem, "dir/level10.dat: truncated: the count byte says 4 records of 10 x 10; the file ends inside "
                       "record 2, 79 bytes missing (56 bytes, 135 needed)");
    // Too short for four records of any size: the name cannot hide it.
    EXPECT_FALSE(parses(cut, "dir/cut.dat", &content, &problem));
    EXPECT_EQ(problem, "dir/cut.dat: truncated: the count byte says 4 records; as 10 x 10 boards it ends inside "
                       "record 2, 79 bytes missing; as 15 x 15 boards it ends inside record 2, 143 bytes missing; "
                       "as 20 x 20 boards it ends inside record 1, 227 bytes missing");
}

TEST(LevelFileReading, FlawedRecordsAreNamed)
{
    LevelFileContent content;
    std::string problem;
    ASSERT_TRUE(parses(handMadeFile(std::string(20, 'x'), {}), "level10.dat", &content, &problem));
    EXPECT_EQ(content.levels[0].flaw, "level10.dat: record 1: the name has no zero byte in its 20 bytes");
    ASSERT_TRUE(parses(handMadeFile("", {}), "level10.dat", &content, &problem));
    EXPECT_NE(content.levels[0].flaw.find("empty"), std::string::npos);
    ASSERT_TRUE(parses(handMadeFile(std::string("ab\0c", 4), {}), "level10.dat", &content, &problem));
    EXPECT_NE(content.levels[0].flaw.find("after the name's zero byte"), std::string::npos);
    ASSERT_TRUE(parses(handMadeFile("\xFF\xFF", {}), "level10.dat", &content, &problem));
    EXPECT_NE(content.levels[0].flaw.find("not CP949"), std::string::npos);
    std::vector<unsigned> padSet(13, 0);
    padSet[12] = 0x01;
    ASSERT_TRUE(parses(handMadeFile("a", padSet), "level10.dat", &content, &problem));
    EXPECT_NE(content.levels[0].flaw.find("pad bits"), std::string::npos);
}

TEST(LevelFileReading, HarmlessOdditiesAreWarnings)
{
    std::string file = handMadeFile("a", {});
    file[0] = 'X';
    file += "junk";
    LevelFileContent content;
    std::string problem;
    ASSERT_TRUE(parses(file, "level10.dat", &content, &problem)) << problem;
    ASSERT_EQ(content.warnings.size(), 2u);
    EXPECT_NE(content.warnings[0].find("header bytes"), std::string::npos);
    EXPECT_NE(content.warnings[1].find("4 bytes after the last record"), std::string::npos);
    EXPECT_EQ(content.levels[0].flaw, "");
}

TEST(LevelFileReading, WrittenFilesReadBack)
{
    std::vector<Level> levels = {levelOf("의자", chairRows()), levelOf("둘", ambiguousRows())};
    LevelFileContent content;
    std::string problem;
    ASSERT_TRUE(parses(packed(levels), "level10.dat", &content, &problem)) << problem;
    ASSERT_EQ(content.levels.size(), 2u);
    for (size_t i = 0; i < levels.size(); ++i) {
        EXPECT_EQ(content.levels[i].name, levels[i].name);
        EXPECT_TRUE(samePicture(content.levels[i], levels[i])) << i;
    }
}
