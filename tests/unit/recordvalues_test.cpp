#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "recordvalues.h"

// CP949: a byte from 0x81 up begins a two-byte character.
static bool cp949Lead(unsigned char c)
{
    return c >= 0x81 && c <= 0xFE;
}

static const char noNameCp949[] = "\xC0\xCC\xB8\xA7\xBE\xF8\xC0\xBD";  // "이름없음"

TEST(RecordSlots, SizesMapToTheirSlots)
{
    EXPECT_EQ(recordSlot(10), 1);
    EXPECT_EQ(recordSlot(15), 2);
    EXPECT_EQ(recordSlot(20), 3);
}

TEST(RecordSlots, UnplayableSizesUseTheSlotOfTen)
{
    for (int size : {7, 0, -15, 11, 30, 150})
        EXPECT_EQ(recordSlot(size), 1) << "size " << size;
}

TEST(RecordSlots, KeyNamesEndInTheSlotDigit)
{
    char key[recordKeyBytes];
    recordKey(key, "Score", 2);
    EXPECT_STREQ(key, "Score2");
    recordKey(key, "LName", 3);
    EXPECT_STREQ(key, "LName3");
    recordKey(key, "Name", 1);
    EXPECT_STREQ(key, "Name1");
}

TEST(StoredSeconds, PlainNumbersAreTheirValue)
{
    EXPECT_EQ(storedSeconds("45"), 45);
    EXPECT_EQ(storedSeconds("0"), 0);
    EXPECT_EQ(storedSeconds("999"), 999);
    EXPECT_EQ(storedSeconds("1234"), 1234);
    EXPECT_EQ(storedSeconds("007"), 7);
    EXPECT_EQ(storedSeconds("2147483647"), 2147483647);
}

TEST(StoredSeconds, BlanksAroundTheNumberAreAllowed)
{
    EXPECT_EQ(storedSeconds("  12"), 12);
    EXPECT_EQ(storedSeconds("12 \t"), 12);
}

// A time that no game can have played must not block every future record.
TEST(StoredSeconds, AnythingButAPlainNumberMeansNoRecord)
{
    for (const char* text : {"", "   ", "-5", "-0", "+5", "abc", "12abc", "1 2", "4.5", "2147483648",
                             "99999999999999999999", "\xC0\xCC"})
        EXPECT_EQ(storedSeconds(text), noRecordSeconds) << "'" << text << "'";
    EXPECT_EQ(storedSeconds(nullptr), noRecordSeconds);
}

// At the moment of storing, the file may hold what another copy of the game
// stored since the win was judged: only a strictly faster time replaces it.
TEST(StoredSeconds, ANewTimeIsStoredOnlyWhileItStillBeatsTheFile)
{
    EXPECT_TRUE(beatsStoredTime("4", "5"));
    EXPECT_FALSE(beatsStoredTime("4", "4")) << "an equal time keeps the holder";
    EXPECT_FALSE(beatsStoredTime("4", "0")) << "the other copy's faster time stays";
    for (const char* noRecord : {"", "999", "-5", "abc"})
        EXPECT_TRUE(beatsStoredTime("998", noRecord)) << "'" << noRecord << "'";
    EXPECT_FALSE(beatsStoredTime("999", ""));
}

TEST(TextCuts, AsciiIsCutAtTheBudget)
{
    std::string name(40, 'A');
    EXPECT_EQ(fittingBytes(name.c_str(), 19, cp949Lead), 19);
    EXPECT_EQ(fittingBytes("short", 19, cp949Lead), 5);
    EXPECT_EQ(fittingBytes("", 19, cp949Lead), 0);
}

TEST(TextCuts, ADoubleByteCharacterIsNeverSplit)
{
    // "A" then four Korean characters: 9 bytes; a 4-byte budget holds "A" and one character.
    std::string text = std::string("A") + noNameCp949;
    EXPECT_EQ(fittingBytes(text.c_str(), 4, cp949Lead), 3);
    EXPECT_EQ(fittingBytes(text.c_str(), 5, cp949Lead), 5);
    EXPECT_EQ(fittingBytes(noNameCp949, 19, cp949Lead), 8);
}

TEST(TextCuts, ALoneLeadByteAtTheEndIsDropped)
{
    EXPECT_EQ(fittingBytes("AB\xC0", 19, cp949Lead), 2);
}

TEST(TextCuts, CopyFittingTerminatesWithinItsRoom)
{
    char out[20];
    std::memset(out, 'x', sizeof out);
    std::string longName(200, 'N');
    copyFitting(out, sizeof out, longName.c_str(), cp949Lead);
    EXPECT_EQ(std::string(out), std::string(19, 'N'));

    // "A" and ten Korean characters are 21 bytes; 19 bytes hold "A" and nine.
    std::string korean = "A";
    for (int k = 0; k < 5; ++k)
        korean += noNameCp949;
    copyFitting(out, sizeof out, korean.c_str(), cp949Lead);
    EXPECT_EQ(std::strlen(out), 19u);
    EXPECT_EQ(std::string(out), korean.substr(0, 19));

    copyFitting(out, sizeof out, "", cp949Lead);
    EXPECT_STREQ(out, "");
}

TEST(TextCuts, CopyFittingLeavesAnUnterminatedSourceAlone)
{
    char source[20];
    std::memset(source, 'L', sizeof source);  // a 20-byte level name without its zero
    char out[20];
    copyFitting(out, sizeof out, source, cp949Lead);
    EXPECT_EQ(std::string(out), std::string(19, 'L'));
}

TEST(Thumbnail, CellsCoverSixtyPixelsAtEverySize)
{
    EXPECT_EQ(thumbCell(10), 6);
    EXPECT_EQ(thumbCell(15), 4);
    EXPECT_EQ(thumbCell(20), 3);
    for (int size : {10, 15, 20})
        EXPECT_EQ(size * thumbCell(size), 60) << "size " << size;
    EXPECT_EQ(thumbCell(7), 6);
}

TEST(JoinPath, ARootDirectoryGetsNoSecondBackslash)
{
    char path[40];
    ASSERT_TRUE(joinPath("C:\\", "comctl32.dll", path, sizeof path, cp949Lead));
    EXPECT_STREQ(path, "C:\\comctl32.dll");
}

// Shift-JIS, where the second byte of a character may be 0x5C, the byte of
// the backslash: "\x95\x5C" is one character.
static bool shiftJisLead(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

TEST(JoinPath, ASecondByteThatLooksLikeABackslashStaysWithItsCharacter)
{
    char path[40];
    ASSERT_TRUE(joinPath("C:\\\x95\x5C", recordsFileName, path, sizeof path, shiftJisLead));
    EXPECT_STREQ(path, "C:\\\x95\x5C\\Kabloom2.dat");
    ASSERT_TRUE(joinPath("C:\\\x95\x5C\\", recordsFileName, path, sizeof path, shiftJisLead));
    EXPECT_STREQ(path, "C:\\\x95\x5C\\Kabloom2.dat") << "a real closing backslash after it still goes";
    // Read byte by byte, the same directory would lose half of its last character.
    EXPECT_EQ(lengthWithoutClosingBackslash("C:\\\x95\x5C", shiftJisLead), 5);
    EXPECT_EQ(lengthWithoutClosingBackslash("C:\\\x95\x5C", cp949Lead), 5);
}

TEST(JoinPath, ClosingBackslashesOfKoreanDirectories)
{
    // "\xB0\xA1" is one CP949 character; a lone lead byte at the end is taken as it stands.
    EXPECT_EQ(lengthWithoutClosingBackslash("C:\\\xB0\xA1\\", cp949Lead), 5);
    EXPECT_EQ(lengthWithoutClosingBackslash("C:\\\xB0\xA1", cp949Lead), 5);
    EXPECT_EQ(lengthWithoutClosingBackslash("C:\\\xB0", cp949Lead), 4);
    EXPECT_EQ(lengthWithoutClosingBackslash("", cp949Lead), 0);
    EXPECT_EQ(lengthWithoutClosingBackslash("\\", cp949Lead), 0);
}

TEST(JoinPath, ALibraryNameFollowsTheSystemFolder)
{
    char path[40];
    ASSERT_TRUE(joinPath("C:\\windows\\system32", "comctl32.dll", path, 33, cp949Lead));
    EXPECT_STREQ(path, "C:\\windows\\system32\\comctl32.dll");
    std::memset(path, '#', sizeof path);
    EXPECT_FALSE(joinPath("C:\\windows\\system32", "comctl32.dll", path, 32, cp949Lead)) << "33 bytes needed";
    EXPECT_EQ(path[0], '#');
}
