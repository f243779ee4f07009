#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "nonfile.h"
#include "runtool.h"
#include "scratch.h"
#include "sourcefile.h"

#ifndef LEVEL_SOURCES
#error "LEVEL_SOURCES names the folder of the shipped level sources"
#endif

namespace {

void writeLevel(const std::string& path, const std::string& name, const std::vector<std::string>& rows)
{
    writeText(path, sourceText(levelOf(name, rows)));
}

std::vector<std::string> cupRows()
{
    return {"..........", "#######...", "#######.##", "#######..#", "#######..#",
            "#######.##", "#######...", ".#####....", "..###.....", "##########"};
}

std::vector<std::string> keyRows()
{
    return {"..####....", ".######...", ".##..##...", ".######...", "..####....",
            "...##.....", "...####...", "...##.....", "...###....", "...##....."};
}

std::string linesOf(const std::vector<std::string>& rows)
{
    std::string text;
    for (const std::string& row : rows)
        text += row + "\n";
    return text;
}

// A folder of three good 10 x 10 sources.
std::string goodFolder(const std::string& scratch)
{
    std::string folder = scratch + "/10";
    std::filesystem::create_directories(folder);
    writeLevel(folder + "/01-chair.txt", "의자", chairRows());
    writeLevel(folder + "/02-cup.txt", "컵", cupRows());
    writeLevel(folder + "/03-key.txt", "열쇠", keyRows());
    return folder;
}

// Packing the folder must fail, name the file and the reason, and leave
// nothing behind.
void expectPackRefused(const std::string& scratch, const std::string& folder, const std::string& file,
                       const std::string& reason)
{
    std::string err;
    EXPECT_EQ(runTool({"pack", folder, scratch + "/level10.dat"}, nullptr, &err), 1);
    EXPECT_NE(err.find(file), std::string::npos) << err;
    EXPECT_NE(err.find(reason), std::string::npos) << err;
    EXPECT_NE(err.find("not written"), std::string::npos) << err;
    EXPECT_EQ(folderListing(scratch), std::vector<std::string>{"10"});
}

}  // namespace

TEST(PackAndUnpack, SourcesRoundTripByteForByte)
{
    std::string scratch = scratchFolder("roundtrip");
    std::string folder = goodFolder(scratch);
    std::string out;
    ASSERT_EQ(runTool({"pack", folder, scratch + "/level10.dat"}, &out), 0);
    EXPECT_EQ(out, "packed 3 levels of 10 x 10 into " + scratch + "/level10.dat (102 bytes)\n");
    ASSERT_EQ(runTool({"unpack", scratch + "/level10.dat", scratch + "/back"}), 0);
    EXPECT_EQ(folderListing(scratch + "/back"), (std::vector<std::string>{"01.txt", "02.txt", "03.txt"}));
    EXPECT_EQ(readText(scratch + "/back/01.txt"), readText(folder + "/01-chair.txt"));
    EXPECT_EQ(readText(scratch + "/back/02.txt"), readText(folder + "/02-cup.txt"));
    EXPECT_EQ(readText(scratch + "/back/03.txt"), readText(folder + "/03-key.txt"));
    ASSERT_EQ(runTool({"pack", scratch + "/back", scratch + "/again.dat"}), 0);
    EXPECT_EQ(readText(scratch + "/again.dat"), readText(scratch + "/level10.dat"));
    removeScratch(scratch);
}

TEST(PackAndUnpack, ShippedSourcesRoundTrip)
{
    std::string scratch = scratchFolder("shipped");
    for (const char* size : {"10", "15", "20"}) {
        std::string sources = std::string(LEVEL_SOURCES) + "/" + size;
        std::string file = scratch + "/level" + size + ".dat";
        ASSERT_EQ(runTool({"pack", sources, file}), 0) << size;
        ASSERT_EQ(runTool({"unpack", file, scratch + "/" + size}), 0) << size;
        std::vector<std::string> originals = folderListing(sources);
        std::vector<std::string> unpacked = folderListing(scratch + "/" + size);
        ASSERT_EQ(unpacked.size(), originals.size() - (std::count(originals.begin(), originals.end(), "README.md")));
        for (size_t i = 0; i < unpacked.size(); ++i)
            EXPECT_EQ(readText(scratch + "/" + size + "/" + unpacked[i]), readText(sources + "/" + originals[i]))
                << originals[i];
    }
    removeScratch(scratch);
}

TEST(PackRefusals, LevelsThatFailTheCheck)
{
    std::string scratch = scratchFolder("refuse-stuck");
    std::string folder = goodFolder(scratch);
    writeLevel(folder + "/04-blob.txt", "덩어리", ambiguousRows());
    expectPackRefused(scratch, folder, "04-blob.txt", "line logic is stuck with 4 blocks undecided");
    removeScratch(scratch);
}

TEST(PackRefusals, BadSourcesAndRepeats)
{
    std::string scratch = scratchFolder("refuse-bad");
    std::string folder = goodFolder(scratch);
    writeText(folder + "/04-ragged.txt", "name: 들쭉\n.##.......\n.##......\n");
    expectPackRefused(scratch, folder, "04-ragged.txt:3", "ragged row");
    writeText(folder + "/04-ragged.txt", "name: 가나다라마바사아자차\n" + sourceText(levelOf("", chairRows())).substr(7));
    expectPackRefused(scratch, folder, "04-ragged.txt:1", "20 bytes in CP949");
    std::filesystem::remove(folder + "/04-ragged.txt");
    writeLevel(folder + "/04-again.txt", "또 의자", chairRows());
    expectPackRefused(scratch, folder, "04-again.txt", "the same picture as level 1");
    std::filesystem::remove(folder + "/04-again.txt");
    std::vector<std::string> full(15, std::string(15, '#'));
    full[0] = "#..............";
    writeLevel(folder + "/04-big.txt", "큰 것", full);
    expectPackRefused(scratch, folder, "04-big.txt", "a 15 x 15 board among 10 x 10 ones");
    std::filesystem::remove(folder + "/04-big.txt");
    std::vector<std::string> sparse(10, "..........");
    sparse[0] = "##########";
    writeLevel(folder + "/04-sparse.txt", "막대", sparse);
    expectPackRefused(scratch, folder, "04-sparse.txt", "10% bombs, a level needs 30% to 70%");
    removeScratch(scratch);
}

TEST(PackRefusals, EmptyOrMissingFolder)
{
    std::string scratch = scratchFolder("refuse-empty");
    std::filesystem::create_directories(scratch + "/10");
    expectPackRefused(scratch, scratch + "/10", "level10.dat", "no levels to pack");
    std::string err;
    EXPECT_EQ(runTool({"pack", scratch + "/none", scratch + "/level10.dat"}, nullptr, &err), 1);
    EXPECT_NE(err.find("pack reads a folder"), std::string::npos);
    removeScratch(scratch);
}

TEST(UnpackRefusals, CorruptFilesWriteNothing)
{
    std::string scratch = scratchFolder("unpack-bad");
    std::string err;
    writeText(scratch + "/level10.dat", std::string("B2\x02", 3) + std::string(40, '\0'));
    EXPECT_EQ(runTool({"unpack", scratch + "/level10.dat", scratch + "/out"}, nullptr, &err), 1);
    EXPECT_NE(err.find("level10.dat: truncated"), std::string::npos) << err;
    writeText(scratch + "/level15.dat", std::string("B2\x01", 3) + std::string(49, 'x'));
    EXPECT_EQ(runTool({"unpack", scratch + "/level15.dat", scratch + "/out"}, nullptr, &err), 1);
    EXPECT_NE(err.find("record 1: the name has no zero byte"), std::string::npos) << err;
    EXPECT_EQ(runTool({"unpack", scratch + "/missing.dat", scratch + "/out"}, nullptr, &err), 1);
    EXPECT_NE(err.find("missing.dat: cannot be read"), std::string::npos) << err;
    EXPECT_EQ(folderListing(scratch), (std::vector<std::string>{"level10.dat", "level15.dat"}));
    removeScratch(scratch);
}

TEST(UnpackRefusals, KeepsAnExistingFolder)
{
    std::string scratch = scratchFolder("unpack-full");
    ASSERT_EQ(runTool({"pack", goodFolder(scratch), scratch + "/level10.dat"}), 0);
    std::string err;
    EXPECT_EQ(runTool({"unpack", scratch + "/level10.dat", scratch + "/10"}, nullptr, &err), 1);
    EXPECT_NE(err.find("not an empty folder"), std::string::npos);
    EXPECT_EQ(folderListing(scratch + "/10").size(), 3u);
    std::filesystem::create_directories(scratch + "/empty");
    EXPECT_EQ(runTool({"unpack", scratch + "/level10.dat", scratch + "/empty"}), 0);
    EXPECT_EQ(folderListing(scratch + "/empty").size(), 3u);
    removeScratch(scratch);
}

TEST(Check, ReportsEveryLevelAndFails)
{
    std::string scratch = scratchFolder("check");
    std::string folder = goodFolder(scratch);
    std::string out;
    EXPECT_EQ(runTool({"check", folder}, &out), 0);
    EXPECT_NE(out.find(": 3 levels of 10 x 10\n"), std::string::npos) << out;
    EXPECT_NE(out.find("1 ok   의자"), std::string::npos) << out;
    EXPECT_NE(out.find("38% bombs, unique by line logic, easy, 3 rounds, 26 steps, 1.30 a line"), std::string::npos) << out;
    EXPECT_NE(out.find("3 pass, 0 fail"), std::string::npos) << out;
    writeLevel(folder + "/04-blob.txt", "덩어리", ambiguousRows());
    EXPECT_EQ(runTool({"check", folder}, &out), 1);
    EXPECT_NE(out.find("4 FAIL 덩어리"), std::string::npos) << out;
    EXPECT_NE(out.find("line logic is stuck with 4 blocks undecided (more than one picture)"), std::string::npos)
        << out;
    EXPECT_NE(out.find("      ..........\n      ??........\n      ??........\n"), std::string::npos) << out;
    EXPECT_NE(out.find("3 pass, 1 fail"), std::string::npos) << out;
    EXPECT_EQ(runTool({"check", folder + "/04-blob.txt"}, &out), 1);
    EXPECT_EQ(runTool({"check", folder + "/01-chair.txt"}, &out), 0);
    removeScratch(scratch);
}

TEST(Check, ListsEveryProblemOfASourceUnderItsSize)
{
    std::string scratch = scratchFolder("check-every");
    std::string folder = scratch + "/10";
    std::filesystem::create_directories(folder);
    std::vector<std::string> rows = chairRows();
    rows[2].pop_back();
    rows[4][5] = 'x';
    std::string file = folder + "/01-three.txt";
    writeText(file, "name: 가나다라마바사아자차\n" + linesOf(rows));
    std::string out;
    EXPECT_EQ(runTool({"check", folder}, &out), 1);
    EXPECT_EQ(out, folder + ": 1 levels of 10 x 10\n"
                   "  1 FAIL " + file + ":1: the name \"가나다라마바사아자차\" is 20 bytes in CP949, at most 19 fit\n"
                   "         " + file + ":4: ragged row: 9 blocks, the first row has 10\n"
                   "         " + file + ":6: unknown character 'x' in column 6 (only '#' and '.' draw a board)\n"
                   "0 pass, 1 fail\n");
    // A board that gives no size leaves the folder's name to tell it.
    std::filesystem::create_directories(scratch + "/15");
    writeText(scratch + "/15/01-wide.txt", "name: 넓은 것\n" + std::string(12, '#') + "\n");
    EXPECT_EQ(runTool({"check", scratch + "/15"}, &out), 1);
    EXPECT_EQ(out.find(scratch + "/15: 1 levels of 15 x 15\n"), 0u) << out;
    removeScratch(scratch);
}

TEST(Check, LevelFileWithAFlawedRecord)
{
    std::string scratch = scratchFolder("check-file");
    ASSERT_EQ(runTool({"pack", goodFolder(scratch), scratch + "/level10.dat"}), 0);
    std::string bytes = readText(scratch + "/level10.dat");
    EXPECT_EQ(runTool({"check", scratch + "/level10.dat"}), 0);
    bytes[3 + 33 + 20 + 12] = 0x0F;  // pad bits of record 2
    writeText(scratch + "/level10.dat", bytes);
    std::string out;
    EXPECT_EQ(runTool({"check", scratch + "/level10.dat"}, &out), 1);
    EXPECT_NE(out.find("2 FAIL " + scratch + "/level10.dat: record 2: pad bits"), std::string::npos) << out;
    bytes[2] = 0;
    writeText(scratch + "/level10.dat", bytes);
    std::string err;
    EXPECT_EQ(runTool({"check", scratch + "/level10.dat"}, &out, &err), 1);
    EXPECT_NE(err.find("count byte 0"), std::string::npos);
    removeScratch(scratch);
}

TEST(Check, RefusesMoreLevelsThanAFileHolds)
{
    std::string scratch = scratchFolder("check-count");
    std::string folder = goodFolder(scratch);
    for (int i = 4; i <= 128; ++i)
        writeLevel(folder + "/" + std::to_string(1000 + i).substr(1) + ".txt", "의자", chairRows());
    std::string err;
    EXPECT_EQ(runTool({"check", folder}, nullptr, &err), 1);
    EXPECT_EQ(err, folder + ": 128 levels, a file holds at most 127, so pack refuses them\n");
    std::filesystem::remove(folder + "/128.txt");
    EXPECT_EQ(runTool({"check", folder}, nullptr, &err), 1);  // the repeats still fail
    EXPECT_EQ(err, "");
    removeScratch(scratch);
}

// A 15 x 15 chair, lopsided enough not to count as mirror-symmetric.
std::vector<std::string> bigChairRows()
{
    std::vector<std::string> rows(7, ".###...........");
    rows.insert(rows.end(), 3, ".#############.");
    rows.insert(rows.end(), 5, ".###.......###.");
    return rows;
}

TEST(Check, TheWholeSetHasEveryNameOnce)
{
    std::string scratch = scratchFolder("check-set");
    goodFolder(scratch);
    std::filesystem::create_directories(scratch + "/15");
    writeLevel(scratch + "/15/01-bench.txt", "긴 의자", bigChairRows());
    std::string out;
    // The folder above the size folders is the set.
    EXPECT_EQ(runTool({"check", scratch}, &out), 0);
    EXPECT_NE(out.find(scratch + "/10: 3 levels of 10 x 10\n"), std::string::npos) << out;
    EXPECT_NE(out.find(scratch + "/15: 1 levels of 15 x 15\n"), std::string::npos) << out;
    EXPECT_NE(out.find("the set: 4 levels\n10 x 10: 0 of 3 pictures (0%) mirror-symmetric, at most 40%\n"
                       "15 x 15: 0 of 1 pictures (0%) mirror-symmetric, at most 40%\n"
                       "set: every name once, no size too symmetric\n"),
              std::string::npos)
        << out;
    // The same subject in the other size, its folders named together; each folder passes on its own.
    writeLevel(scratch + "/15/01-bench.txt", "의자", bigChairRows());
    EXPECT_EQ(runTool({"check", scratch + "/10", scratch + "/15"}, &out), 1);
    EXPECT_NE(out.find("1 pass, 0 fail\n"), std::string::npos) << out;
    EXPECT_NE(out.find("name 의자 twice: " + scratch + "/10/01-chair.txt and " + scratch + "/15/01-bench.txt\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("set: 1 names twice, no size too symmetric\n"), std::string::npos) << out;
    // One picture alone is no set.
    EXPECT_EQ(runTool({"check", scratch + "/15/01-bench.txt"}, &out), 0);
    EXPECT_EQ(out.find("the set"), std::string::npos) << out;
    removeScratch(scratch);
}

TEST(Check, ASizeWithTooManySymmetricPicturesFails)
{
    std::string scratch = scratchFolder("check-symmetry");
    std::string folder = goodFolder(scratch);
    std::vector<std::string> letterH(4, "##......##");
    letterH.insert(letterH.end(), 2, "##########");
    letterH.insert(letterH.end(), 4, "##......##");
    writeLevel(folder + "/04-h.txt", "에이치", letterH);
    writeLevel(folder + "/05-tree.txt", "나무",
               {"....##....", "...####...", "..######..", ".########.", "##########", "....##....", "....##....",
                "....##....", "..######..", "..######.."});
    std::string out;
    EXPECT_EQ(runTool({"check", scratch}, &out), 0);
    EXPECT_NE(out.find("10 x 10: 2 of 5 pictures (40%) mirror-symmetric, at most 40%\n"), std::string::npos) << out;
    std::vector<std::string> plus(3, "...####...");
    plus.insert(plus.end(), 4, "##########");
    plus.insert(plus.end(), 3, "...####...");
    writeLevel(folder + "/06-plus.txt", "더하기", plus);
    EXPECT_EQ(runTool({"check", scratch}, &out), 1);
    EXPECT_NE(out.find("6 pass, 0 fail\n"), std::string::npos) << out;
    EXPECT_NE(out.find("10 x 10: 3 of 6 pictures (50%) mirror-symmetric, at most 40%: too many\n"
                       "set: every name once, 1 size too symmetric\n"),
              std::string::npos)
        << out;
    // A folder of one size alone is no set: a player's own file may be all symmetric pictures.
    EXPECT_EQ(runTool({"check", folder}, &out), 0);
    EXPECT_EQ(out.find("the set:"), std::string::npos) << out;
    removeScratch(scratch);
}

TEST(Show, BoardWithClues)
{
    std::string scratch = scratchFolder("show");
    std::string folder = goodFolder(scratch);
    std::string out;
    ASSERT_EQ(runTool({"show", folder + "/01-chair.txt"}, &out), 0);
    EXPECT_EQ(out,
              "1. 의자 (10 x 10, 38 bombs, unique by line logic, easy, 3 rounds, 26 steps, 1.30 a line)\n"
              "     0 10 10  2  2  2  2  5  5  0\n"
              "  2  .  #  #  .  .  .  .  .  .  .\n"
              "  2  .  #  #  .  .  .  .  .  .  .\n"
              "  2  .  #  #  .  .  .  .  .  .  .\n"
              "  2  .  #  #  .  .  .  .  .  .  .\n"
              "  2  .  #  #  .  .  .  .  .  .  .\n"
              "  8  .  #  #  #  #  #  #  #  #  .\n"
              "  8  .  #  #  #  #  #  #  #  #  .\n"
              "2 2  .  #  #  .  .  .  .  #  #  .\n"
              "2 2  .  #  #  .  .  .  .  #  #  .\n"
              "2 2  .  #  #  .  .  .  .  #  #  .\n\n");
    ASSERT_EQ(runTool({"pack", folder, scratch + "/level10.dat"}), 0);
    ASSERT_EQ(runTool({"show", scratch + "/level10.dat", "3"}, &out), 0);
    EXPECT_EQ(out.find("3. 열쇠 (10 x 10, 37 bombs, unique by line logic, easy, 3 rounds, 21 steps, 1.05 a line)\n"), 0u) << out;
    std::string err;
    EXPECT_EQ(runTool({"show", scratch + "/level10.dat", "4"}, &out, &err), 1);
    EXPECT_NE(err.find("no level 4 (there are 3)"), std::string::npos);
    EXPECT_EQ(runTool({"show", scratch + "/level10.dat", "x"}, &out, &err), 1);
    ASSERT_EQ(runTool({"show", scratch + "/level10.dat"}, &out), 0);
    EXPECT_NE(out.find("2. 컵"), std::string::npos);
    removeScratch(scratch);
}

TEST(ImportAndExport, RoundTripThroughNon)
{
    std::string scratch = scratchFolder("non");
    std::string folder = goodFolder(scratch);
    ASSERT_EQ(runTool({"export", folder + "/02-cup.txt", scratch + "/cup.non"}), 0);
    ASSERT_EQ(runTool({"import", scratch + "/cup.non", scratch + "/cup.txt"}), 0);
    EXPECT_EQ(readText(scratch + "/cup.txt"), readText(folder + "/02-cup.txt"));
    ASSERT_EQ(runTool({"export", scratch + "/cup.txt", scratch + "/again.non"}), 0);
    EXPECT_EQ(readText(scratch + "/again.non"), readText(scratch + "/cup.non"));
    removeScratch(scratch);
}

TEST(ImportAndExport, RefusalsWriteNothing)
{
    std::string scratch = scratchFolder("non-bad");
    std::string err;
    writeText(scratch + "/wide.non", "title x\nwidth 15\nheight 10\ngoal 0\n");
    EXPECT_EQ(runTool({"import", scratch + "/wide.non", scratch + "/out.txt"}, nullptr, &err), 1);
    EXPECT_NE(err.find("wide.non:3: the board is 15 x 10"), std::string::npos) << err;
    Level blob = levelOf("덩어리", ambiguousRows());
    writeText(scratch + "/blob.txt", sourceText(blob));
    ASSERT_EQ(runTool({"export", scratch + "/blob.txt", scratch + "/blob.non"}), 0);
    EXPECT_EQ(runTool({"import", scratch + "/blob.non", scratch + "/out.txt"}, nullptr, &err), 1);
    EXPECT_NE(err.find("line logic is stuck"), std::string::npos) << err;
    writeText(scratch + "/bad.txt", "name: x\n..#\n");
    EXPECT_EQ(runTool({"export", scratch + "/bad.txt", scratch + "/out.non"}, nullptr, &err), 1);
    EXPECT_NE(err.find("bad.txt:2: the first row has 3 blocks"), std::string::npos) << err;
    EXPECT_FALSE(exists(scratch + "/out.txt"));
    EXPECT_FALSE(exists(scratch + "/out.non"));
    removeScratch(scratch);
}

TEST(ImportAndExport, NeverOverTheirInputAndOverAFileOnlyWithForce)
{
    std::string scratch = scratchFolder("non-overwrite");
    std::string folder = goodFolder(scratch);
    std::string key = folder + "/03-key.txt";
    std::string keySource = readText(key);
    ASSERT_EQ(runTool({"export", folder + "/01-chair.txt", scratch + "/chair.non"}), 0);
    std::string puzzle = readText(scratch + "/chair.non");
    std::filesystem::create_hard_link(scratch + "/chair.non", scratch + "/link.non");
    std::string err;
    // What a command reads, by the same name or another, is never written over.
    EXPECT_EQ(runTool({"import", "--force", scratch + "/chair.non", scratch + "/chair.non"}, nullptr, &err), 1);
    EXPECT_NE(err.find(scratch + "/chair.non: is the file being read\nrefused:"), std::string::npos) << err;
    EXPECT_EQ(runTool({"import", "--force", scratch + "/link.non", scratch + "/chair.non"}, nullptr, &err), 1);
    EXPECT_NE(err.find("chair.non: is " + scratch + "/link.non, the file being read"), std::string::npos) << err;
    EXPECT_EQ(runTool({"pack", "--force", folder, folder + "/02-cup.txt"}, nullptr, &err), 1);
    EXPECT_NE(err.find("02-cup.txt: is the file being read"), std::string::npos) << err;
    // Another file is written over only when asked to.
    ASSERT_EQ(runTool({"pack", folder, scratch + "/level10.dat"}), 0);
    EXPECT_EQ(runTool({"pack", folder, scratch + "/level10.dat"}, nullptr, &err), 1);
    EXPECT_NE(err.find("level10.dat: exists (--force writes over it)"), std::string::npos) << err;
    EXPECT_EQ(runTool({"import", scratch + "/chair.non", key}, nullptr, &err), 1);
    EXPECT_EQ(readText(scratch + "/chair.non"), puzzle);
    EXPECT_EQ(readText(key), keySource);
    EXPECT_EQ(folderListing(scratch), (std::vector<std::string>{"10", "chair.non", "level10.dat", "link.non"}));
    EXPECT_EQ(runTool({"import", scratch + "/chair.non", key, "--force"}), 0);
    EXPECT_EQ(readText(key), readText(folder + "/01-chair.txt"));
    removeScratch(scratch);
}

TEST(ImportAndExport, EmptyFileTrailingBlankAndExportOfAFailingLevel)
{
    std::string scratch = scratchFolder("non-small");
    std::string out;
    std::string err;
    writeText(scratch + "/empty.txt", "");
    EXPECT_EQ(runTool({"export", scratch + "/empty.txt", scratch + "/empty.non"}, nullptr, &err), 1);
    EXPECT_EQ(err.find(scratch + "/empty.txt:1: the file is empty; a source begins with \"name: <name>\"\n"), 0u)
        << err;
    EXPECT_EQ(runTool({"check", scratch + "/empty.txt"}, &out), 1);
    EXPECT_EQ(out.find(scratch + "/empty.txt: 1 levels of no board size\n"), 0u) << out;
    std::vector<std::string> rows = chairRows();
    rows[1] += " ";
    writeText(scratch + "/blank.txt", "name: 의자\n" + linesOf(rows));
    EXPECT_EQ(runTool({"check", scratch + "/blank.txt"}, &out), 1);
    EXPECT_NE(out.find("blank.txt:3: a blank at the end of line 3 (nothing may follow the blocks)\n0 pass"),
              std::string::npos)
        << out;
    // A level that fails the check still exports, with a warning that says why.
    Level blob = levelOf("덩어리", ambiguousRows());
    writeText(scratch + "/blob.txt", sourceText(blob));
    EXPECT_EQ(runTool({"export", scratch + "/blob.txt", scratch + "/blob.non"}, &out, &err), 0);
    EXPECT_EQ(err, "warning: " + scratch + "/blob.txt: line logic is stuck with 4 blocks undecided (more than one "
                   "picture) (exported all the same)\n");
    EXPECT_EQ(readText(scratch + "/blob.non"), nonText(blob));
    removeScratch(scratch);
}

TEST(Usage, WrongArgumentsExitTwo)
{
    std::string err;
    EXPECT_EQ(runTool({}, nullptr, &err), 2);
    EXPECT_NE(err.find("usage: bombalevels"), std::string::npos);
    EXPECT_EQ(runTool({"pack", "only-one"}), 2);
    EXPECT_EQ(runTool({"check"}), 2);
    EXPECT_EQ(runTool({"show", "a", "1", "2"}), 2);
    EXPECT_EQ(runTool({"frobnicate", "a", "b"}), 2);
}

TEST(Usage, SaysWhatIsWrongBeforeTheUsage)
{
    auto firstLine = [](const std::vector<std::string>& args) {
        std::string err;
        EXPECT_EQ(runTool(args, nullptr, &err), 2);
        EXPECT_NE(err.find("\nusage: bombalevels"), std::string::npos) << err;
        return err.substr(0, err.find('\n'));
    };
    EXPECT_EQ(firstLine({"frobnicate", "a"}), "unknown command \"frobnicate\"");
    const std::string limitWants = "--limit wants a number of seconds above 0 (86400 at most)";
    for (const char* seconds : {"0", "-1", "abc", "1e9"})
        EXPECT_EQ(firstLine({"check", "--limit", seconds, "x.txt"}), limitWants);
    EXPECT_EQ(firstLine({"check", "x.txt", "--limit"}), limitWants);
    EXPECT_EQ(firstLine({"check", "--fast", "x.txt"}), "unknown option \"--fast\"");
    EXPECT_EQ(firstLine({"show", "a", "1", "2"}), "show takes 1 or 2 arguments, not 3");
}
