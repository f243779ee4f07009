// The written picture files: every resource the script names is written, the
// bytes are the same every run, and they hold exactly what the code draws.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "artwork.h"
#include "helppictures.h"
#include "sprites.h"

namespace {

std::string freshFolder()
{
    char pattern[] = "/tmp/art_test_XXXXXX";
    const char* made = mkdtemp(pattern);
    return made ? made : "";
}

// The file names the resource script packs, in its order.
std::vector<std::string> scriptFileNames()
{
    std::ifstream in(ART_RC);
    std::vector<std::string> names;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string name, type, file;
        if (words >> name >> type >> file && (type == "BITMAP" || type == "ICON"))
            names.push_back(file);
    }
    return names;
}

Canvas (*const drawers[])() = {drawBlockSheet, drawStripBars, drawTimeBar,
                               drawScoreDigits, drawHintIcons, drawHourglasses};
const char* const drawnNames[] = {"block.bmp", "block2.bmp", "time.bmp", "score.bmp", "help.bmp", "timer.bmp"};

}  // namespace

TEST(ArtFiles, EveryFileTheResourceScriptNamesIsWrittenAndNoOther)
{
    std::vector<std::string> script = scriptFileNames();
    ASSERT_EQ(script.size(), 15u) << "BLOCK, BLOCK2, TIME, SCORE, HELP, TIMER, ZEMB and HELP0 ... HELP7";
    std::set<std::string> written;
    for (int i = 0; i < artFileCount(); ++i)
        written.insert(artFile(i).fileName);
    EXPECT_EQ(written.size(), static_cast<size_t>(artFileCount())) << "no name twice";
    EXPECT_EQ(written, std::set<std::string>(script.begin(), script.end()));
}

TEST(ArtFiles, BitmapsHaveTheSizesTheGameCopiesFrom)
{
    const std::map<std::string, std::pair<int, int>> sizes = {
        {"block.bmp", {15, 75}},   {"block2.bmp", {129, 94}}, {"time.bmp", {300, 46}},
        {"score.bmp", {143, 23}},  {"help.bmp", {80, 20}},    {"timer.bmp", {352, 22}},
        {"help0.bmp", {218, 263}}, {"help1.bmp", {120, 129}}, {"help2.bmp", {120, 129}},
        {"help3.bmp", {120, 129}}, {"help4.bmp", {120, 129}}, {"help5.bmp", {120, 129}},
        {"help6.bmp", {120, 129}}, {"help7.bmp", {120, 129}},
    };
    int bitmaps = 0;
    for (int i = 0; i < artFileCount(); ++i) {
        std::string name = artFile(i).fileName;
        if (name == "zemb.ico")
            continue;
        ++bitmaps;
        Bytes file = artFile(i).encode();
        ASSERT_EQ(sizes.count(name), 1u) << name;
        EXPECT_EQ(readLittle(file, 18, 4), static_cast<std::uint32_t>(sizes.at(name).first)) << name;
        EXPECT_EQ(readLittle(file, 22, 4), static_cast<std::uint32_t>(sizes.at(name).second)) << name;
        EXPECT_EQ(readLittle(file, 28, 2), 24u) << name;
        EXPECT_EQ(readLittle(file, 30, 4), 0u) << name;
        EXPECT_EQ(readLittle(file, 2, 4), file.size()) << name;
    }
    EXPECT_EQ(bitmaps, 14);
}

TEST(ArtFiles, WrittenTwiceTheBytesAreTheSameAndWhatTheCodeDraws)
{
    std::string first = freshFolder(), second = freshFolder(), failed;
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    ASSERT_TRUE(writeArtwork(first, failed)) << failed;
    ASSERT_TRUE(writeArtwork(second, failed)) << failed;
    for (int i = 0; i < artFileCount(); ++i) {
        std::string name = artFile(i).fileName;
        Bytes a, b;
        ASSERT_TRUE(readBytes(first + "/" + name, a)) << name;
        ASSERT_TRUE(readBytes(second + "/" + name, b)) << name;
        EXPECT_FALSE(a.empty()) << name;
        EXPECT_EQ(a, b) << name;
        EXPECT_EQ(a, artFile(i).encode()) << name;
        std::remove((first + "/" + name).c_str());
        std::remove((second + "/" + name).c_str());
    }
    std::remove(first.c_str());
    std::remove(second.c_str());
}

TEST(ArtFiles, WrittenBitmapsReadBackAsTheDrawnPictures)
{
    std::string folder = freshFolder(), failed;
    ASSERT_TRUE(writeArtwork(folder, failed)) << failed;
    for (size_t i = 0; i < sizeof drawers / sizeof drawers[0]; ++i) {
        Bytes file;
        Canvas back;
        ASSERT_TRUE(readBytes(folder + "/" + drawnNames[i], file));
        ASSERT_TRUE(decodeBmp(file, back)) << drawnNames[i];
        Canvas drawn = drawers[i]();
        EXPECT_EQ(back.width, drawn.width);
        EXPECT_TRUE(back.pixels == drawn.pixels) << drawnNames[i];
    }
    for (int step = 1; step <= helpSteps; ++step) {
        Bytes file;
        Canvas back;
        ASSERT_TRUE(readBytes(folder + "/help" + std::to_string(step) + ".bmp", file));
        ASSERT_TRUE(decodeBmp(file, back));
        EXPECT_TRUE(back.pixels == drawHelpStep(step).pixels) << step;
    }
    Bytes file;
    Canvas back;
    ASSERT_TRUE(readBytes(folder + "/help0.bmp", file));
    ASSERT_TRUE(decodeBmp(file, back));
    EXPECT_TRUE(back.pixels == drawHelpOverview().pixels);
    for (int i = 0; i < artFileCount(); ++i)
        std::remove((folder + "/" + artFile(i).fileName).c_str());
    std::remove(folder.c_str());
}

TEST(ArtFiles, BuiltResourcesAreTheOnesTheToolWritesNow)
{
    int present = 0;
    for (int i = 0; i < artFileCount(); ++i) {
        Bytes built;
        if (!readBytes(std::string(ART_GEN_DIR) + "/" + artFile(i).fileName, built))
            continue;
        ++present;
        EXPECT_EQ(built, artFile(i).encode()) << artFile(i).fileName << " is stale";
    }
    if (present == 0)
        GTEST_SKIP() << "no pictures generated in " << ART_GEN_DIR << " yet";
}

TEST(ArtFiles, AFolderThatCannotBeWrittenIsReportedByFileName)
{
    std::string failed;
    EXPECT_FALSE(writeArtwork("/nonexistent/folder/for/art", failed));
    EXPECT_EQ(failed, artFile(0).fileName);
}
