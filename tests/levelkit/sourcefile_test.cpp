#include <gtest/gtest.h>

#include <string>

#include "namecodec.h"
#include "nonfile.h"
#include "scratch.h"
#include "sourcefile.h"

namespace {

std::string chairText(const std::string& nameLine)
{
    std::string text = nameLine + "\n";
    for (const std::string& row : chairRows())
        text += row + "\n";
    return text;
}

// The flaw of a source text that must not parse.
std::string flawOf(const std::string& text)
{
    Level level;
    EXPECT_FALSE(parseSource(text, "07-x.txt", &level));
    return level.flaw;
}

}  // namespace

TEST(SourceFile, ReadsNameAndBoard)
{
    Level level;
    ASSERT_TRUE(parseSource(chairText("name: 의자"), "02-chair.txt", &level)) << level.flaw;
    EXPECT_EQ(level.name, "의자");
    EXPECT_EQ(level.size, 10);
    EXPECT_TRUE(samePicture(level, levelOf("", chairRows())));
    EXPECT_EQ(level.flaw, "");
}

TEST(SourceFile, CommentsBlankLinesAndLineEndsAreSkipped)
{
    std::string text = "; a chair seen from the side\n\nname:   의자  \r\n";
    for (const std::string& row : chairRows())
        text += row + "\r\n" + (row == chairRows()[4] ? "; the seat\n   \n" : "");
    Level level;
    ASSERT_TRUE(parseSource(text, "02-chair.txt", &level)) << level.flaw;
    EXPECT_EQ(level.name, "의자");
    EXPECT_TRUE(samePicture(level, levelOf("", chairRows())));
}

TEST(SourceFile, PlainTextRoundTrip)
{
    std::string text = chairText("name: 의자");
    Level level;
    ASSERT_TRUE(parseSource(text, "02-chair.txt", &level));
    EXPECT_EQ(sourceText(level), text);
}

TEST(SourceFile, BadBoardsSayWhatAndWhere)
{
    std::string text = chairText("name: 의자");
    EXPECT_EQ(flawOf("name: 의자\n.##.......\n.##......\n"),
              "07-x.txt:3: ragged row: 9 blocks, the first row has 10\n07-x.txt:3: 2 rows, the board needs 10");
    EXPECT_EQ(flawOf("name: 의자\n.##.........\n"),
              "07-x.txt:2: the first row has 12 blocks; a board is 10, 15 or 20 wide");
    EXPECT_EQ(flawOf("name: 의자\n.##..x....\n"),
              "07-x.txt:2: unknown character 'x' in column 6 (only '#' and '.' draw a board)\n"
              "07-x.txt:2: 1 rows, the board needs 10");
    EXPECT_NE(flawOf("name: 의자\n.## ......\n").find(":2: a blank in column 4"), std::string::npos);
    EXPECT_EQ(flawOf(text + "..........\n"), "07-x.txt:12: more than 10 rows");
    EXPECT_EQ(flawOf("name: 의자\n.##.......\n.##.......\n"), "07-x.txt:3: 2 rows, the board needs 10");
    EXPECT_EQ(flawOf("name: 의자\n"), "07-x.txt:1: 0 rows, the board needs 10");
    EXPECT_EQ(flawOf("; only a comment\n"), "07-x.txt:1: no \"name:\" line and no board");
}

TEST(SourceFile, NamesMustFitTheLevelFile)
{
    EXPECT_EQ(flawOf(chairText(".##.......")), "07-x.txt:1: the first line must be \"name: <name>\"");
    EXPECT_EQ(flawOf(chairText("name:")), "07-x.txt:1: the name is empty");
    // Ten Hangul syllables are 20 bytes in CP949; nine (18 bytes) fit.
    EXPECT_NE(flawOf(chairText("name: 가나다라마바사아자차")).find("20 bytes in CP949, at most 19 fit"),
              std::string::npos);
    Level level;
    EXPECT_TRUE(parseSource(chairText("name: 가나다라마바사아자"), "x.txt", &level)) << level.flaw;
    EXPECT_NE(flawOf(chairText("name: Chair with two arms!")).find("20 bytes"), std::string::npos);
    EXPECT_TRUE(parseSource(chairText("name: Chair with two arms"), "x.txt", &level)) << level.flaw;  // 19
    EXPECT_NE(flawOf(chairText("name: 의자 \xF0\x9F\x98\x80")).find("CP949 cannot hold"), std::string::npos);
    EXPECT_NE(flawOf(chairText("name: \xC0\xC1")).find(":1: the file is not UTF-8 text"), std::string::npos);
    EXPECT_NE(flawOf(chairText("name: a\tb")).find("the name holds the control byte 0x09 at byte 2"), std::string::npos);
}

TEST(SourceFile, SavedInCp949IsToldToBeSavedAsUtf8)
{
    // "도토리" in CP949: a good name in the level file, but not UTF-8 text.
    std::string text = chairText("name: \xB5\xB5\xC5\xE4\xB8\xAE");
    const std::string told = "07-x.txt:1: the file is not UTF-8 text (perhaps saved in CP949); save it as UTF-8";
    EXPECT_EQ(flawOf(text), told);
    // Once for the file, at the first line it shows in.
    EXPECT_EQ(flawOf("; by: \xB1\xE8\n" + text), told);
    EXPECT_EQ(flawOf(chairText("name: \xFF\xFE")), "07-x.txt:1: the file is not UTF-8 text; save it as UTF-8");
    EXPECT_FALSE(isUtf8("\xED\xA0\x80"));  // a surrogate
    // A .non credit becomes a comment of the source: it is held to the same.
    Level level;
    EXPECT_FALSE(parseNon("title x\nby \xB1\xE8\n", "p.non", &level));
    EXPECT_EQ(level.flaw, "p.non:2: the file is not UTF-8 text (perhaps saved in CP949); save it as UTF-8");
}

TEST(SourceFile, UnreadableFileIsAFlaw)
{
    Level level;
    EXPECT_FALSE(loadSource("/nonexistent/01-none.txt", &level));
    EXPECT_EQ(level.flaw, "/nonexistent/01-none.txt: cannot be read");
}
