// The read-back of a records copy: a copy cut short on a full disk, or one
// that lost or gained anything besides the keys written, never replaces the
// records file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recordscopy.h"

using Entries = std::vector<std::string>;

static const Entries sectionBefore = {"Size=10", "Random=0", "Name1=Kim", "Score1=120", "LName1=Cup",
                                      "a line without equals", "Score2=300"};

TEST(RecordsCopy, AWholeWriteIsAccepted)
{
    Entries after = {"Size=15", "Random=1", "Name1=Kim", "Score1=120", "LName1=Cup",
                     "a line without equals", "Score2=300"};
    EXPECT_TRUE(keepsOtherEntries(sectionBefore, after, {"Size", "Random"}));
    EXPECT_TRUE(holdsValue(after, "Size", "15"));
    EXPECT_TRUE(holdsValue(after, "random", "1")) << "key names match without regard to case";
}

TEST(RecordsCopy, NewKeysAtTheEndAreAccepted)
{
    Entries after = sectionBefore;
    after.push_back("Name3=Lee");
    after.push_back("LName3=Owl");
    EXPECT_TRUE(keepsOtherEntries(sectionBefore, after, {"Name3", "Score3", "LName3"}));
    EXPECT_FALSE(holdsValue(after, "Score3", "42")) << "a key written must be there";
}

TEST(RecordsCopy, ACopyCutShortIsRefused)
{
    // Cut inside the last line: the value is short.
    Entries cutValue = {"Size=10", "Random=0", "Name1=Kim", "Score1=120", "LName1=Cup",
                        "a line without equals", "Score2=3"};
    EXPECT_FALSE(keepsOtherEntries(sectionBefore, cutValue, {"Size"}));
    // Cut after the keys written: the records after them are gone.
    Entries cutTail = {"Size=15", "Random=0", "Name1=Kim"};
    EXPECT_FALSE(keepsOtherEntries(sectionBefore, cutTail, {"Size"}));
    // Cut inside the key written.
    Entries cutKey = {"Size=1"};
    EXPECT_FALSE(holdsValue(cutKey, "Size", "15"));
}

TEST(RecordsCopy, EntriesAddedOrMovedAreRefused)
{
    Entries forged = sectionBefore;
    forged.insert(forged.begin() + 3, "Score2=1");
    EXPECT_FALSE(keepsOtherEntries(sectionBefore, forged, {"LName1"}));
    Entries swapped = sectionBefore;
    std::swap(swapped[2], swapped[4]);
    EXPECT_FALSE(keepsOtherEntries(sectionBefore, swapped, {"Size"}));
}

TEST(RecordsCopy, ValuesReadBackWithoutBlanksAndQuotes)
{
    EXPECT_TRUE(sameValue("Bob", "  Bob  "));
    EXPECT_TRUE(sameValue("Bob", "'Bob'"));
    EXPECT_TRUE(sameValue("'Bob'", "'Bob'")) << "some platforms keep the quotes";
    EXPECT_TRUE(sameValue("", ""));
    EXPECT_FALSE(sameValue("Bo", "Bob"));
    EXPECT_FALSE(sameValue("Bob", "'Bob\""));
    const std::string korean = "\xC0\xCC\xB8\xA7\xBE\xF8\xC0\xBD";  // "이름없음"
    EXPECT_TRUE(sameValue(korean, korean + " "));
    EXPECT_FALSE(sameValue(korean.substr(0, 6), korean));
}

TEST(RecordsCopy, SectionsStayAndTheWrittenOneMayBeAddedLast)
{
    std::vector<std::string> before = {"Other", "Bombagram2", "More"};
    EXPECT_TRUE(keepsSections(before, before, "Bombagram2"));
    EXPECT_FALSE(keepsSections(before, {"Other", "Bombagram2"}, "Bombagram2")) << "a section cut off";
    EXPECT_FALSE(keepsSections(before, {"Other", "Bombagram2", "More", "Bombagram2"}, "Bombagram2"));
    EXPECT_TRUE(keepsSections({"Other"}, {"Other", "Bombagram2"}, "Bombagram2"));
    EXPECT_TRUE(keepsSections({}, {"Bombagram2"}, "Bombagram2")) << "the first write makes the file";
    EXPECT_FALSE(keepsSections({"Other"}, {"Bombagram2"}, "Bombagram2"));
    EXPECT_FALSE(keepsSections({"Other"}, {"Other", "Forged"}, "Bombagram2"));
}
