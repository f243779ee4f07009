// The level tool as a puzzle designer meets it: messages, .non handling,
// grades and the files it writes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "files.h"
#include "nonfile.h"
#include "runtool.h"
#include "scratch.h"
#include "sourcefile.h"

namespace {

std::string chairNon(const std::string& head)
{
    std::string text = head + "width 10\nheight 10\nrows\n2\n2\n2\n2\n2\n8\n8\n2,2\n2,2\n2,2\n"
                              "columns\n0\n10\n10\n2\n2\n2\n2\n5\n5\n0\n";
    return text;
}

// The 4 x 4 picture that only guessing finishes, in the corner of a 10 x 10.
std::string guessingNon()
{
    return "title x\nwidth 10\nheight 10\nrows\n2\n1\n2\n2\n\n\n\n\n\n\ncolumns\n2\n2\n2\n1\n\n\n\n\n\n\n";
}

std::string importError(const std::string& scratch, const std::string& text,
                        const std::vector<std::string>& extra = {})
{
    writeText(scratch + "/p.non", text);
    std::vector<std::string> args = {"import", scratch + "/p.non", scratch + "/out.txt"};
    args.insert(args.end(), extra.begin(), extra.end());
    std::string err;
    EXPECT_EQ(runTool(args, nullptr, &err), 1) << text;
    EXPECT_FALSE(exists(scratch + "/out.txt"));
    return err;
}

}  // namespace

TEST(Designer, NonFilesAreNotLevelsUntilImported)
{
    std::string scratch = scratchFolder("designer-non");
    writeText(scratch + "/cat.non", chairNon("title Chair\n"));
    for (const char* command : {"check", "show"}) {
        std::string err;
        EXPECT_EQ(runTool({command, scratch + "/cat.non"}, nullptr, &err), 1);
        EXPECT_EQ(err, scratch + "/cat.non: a .non puzzle; bring it in with: bombalevels import " + scratch +
                           "/cat.non <source.txt>\n");
    }
    removeScratch(scratch);
}

TEST(Designer, SizeAndTitleMessagesCiteTheirLine)
{
    std::string scratch = scratchFolder("designer-lines");
    // One wording for every size the game cannot play, at the line that gives it.
    EXPECT_NE(importError(scratch, "title x\nwidth 34\nheight 34\ngoal 0\n")
                  .find("p.non:2: the board is 34 x 34; levels are square 10, 15 or 20"),
              std::string::npos);
    EXPECT_NE(importError(scratch, "title x\nwidth 10\nheight 12\nrows\n")
                  .find("p.non:3: the board is 10 x 12; levels are square 10, 15 or 20"),
              std::string::npos);
    std::string longTitle = importError(scratch, chairNon("title 가나다라마바사아자차\n") + "\n; the end\n");
    EXPECT_NE(longTitle.find("p.non:1: the name \"가나다라마바사아자차\" is 20 bytes"), std::string::npos) << longTitle;
    EXPECT_NE(longTitle.find("give another with --name"), std::string::npos);
    // A byte-order mark before the title does not hide it.
    writeText(scratch + "/bom.non", "\xEF\xBB\xBFtitle \"의자\"\n" + chairNon(""));
    std::string out;
    ASSERT_EQ(runTool({"import", scratch + "/bom.non", scratch + "/bom.txt"}, &out), 0);
    EXPECT_EQ(readText(scratch + "/bom.txt").find("name: 의자\n"), 0u);
    removeScratch(scratch);
}

TEST(Designer, ImportNamesAndCountsWithoutAGoal)
{
    std::string scratch = scratchFolder("designer-import");
    std::string err = importError(scratch, guessingNon());
    EXPECT_NE(err.find("no goal, and line logic leaves 16 blocks undecided (unique but needs guessing)"),
              std::string::npos)
        << err;
    // --name gives a title that does not fit, or none, a way in.
    writeText(scratch + "/long.non", chairNon("title 가나다라마바사아자차\n"));
    std::string out;
    ASSERT_EQ(runTool({"import", "--name", "의자", scratch + "/long.non", scratch + "/chair.txt"}, &out), 0);
    EXPECT_EQ(out, "imported 의자 (10 x 10, easy, 3 rounds, 26 steps, 1.30 a line) into " + scratch + "/chair.txt\n");
    EXPECT_EQ(readText(scratch + "/chair.txt").find("name: 의자\n"), 0u);
    writeText(scratch + "/none.non", chairNon(""));
    EXPECT_EQ(runTool({"import", scratch + "/none.non", scratch + "/none.txt", "--name", "의자"}), 0);
    EXPECT_NE(importError(scratch, chairNon(""), {"--name", "a\tb"}).find("--name: the name holds the control byte"),
              std::string::npos);
    EXPECT_EQ(runTool({"check", "--name", "x", scratch + "/chair.txt"}), 2);
    EXPECT_EQ(runTool({"import", scratch + "/none.non", scratch + "/x.txt", "--name"}), 2);
    EXPECT_EQ(runTool({"check", "--limit", "0", scratch + "/chair.txt"}), 2);
    EXPECT_EQ(runTool({"check", "--limit", "0.5", "--", scratch + "/chair.txt"}), 0);
    removeScratch(scratch);
}

TEST(Designer, CreditsAndQuotesSurviveTheRoundTrip)
{
    std::string scratch = scratchFolder("designer-credits");
    writeText(scratch + "/cc.non", chairNon("title \"Say \\\"hi\\\" \\\\o/\"\nby \"Kim\"\ncopyright 2024 Kim\n"
                                            "license CC-BY-4.0\n"));
    ASSERT_EQ(runTool({"import", scratch + "/cc.non", scratch + "/cc.txt"}), 0);
    std::string source = readText(scratch + "/cc.txt");
    EXPECT_EQ(source.find("name: Say \"hi\" \\o/\n; by: Kim\n; copyright: 2024 Kim\n; license: CC-BY-4.0\n"), 0u)
        << source;
    ASSERT_EQ(runTool({"export", scratch + "/cc.txt", scratch + "/back.non"}), 0);
    std::string non = readText(scratch + "/back.non");
    EXPECT_EQ(non.find("title \"Say \\\"hi\\\" \\\\o/\"\nby \"Kim\"\ncopyright \"2024 Kim\"\nlicense \"CC-BY-4.0\"\n"),
              0u)
        << non;
    ASSERT_EQ(runTool({"import", scratch + "/back.non", scratch + "/again.txt"}), 0);
    EXPECT_EQ(readText(scratch + "/again.txt"), source);
    removeScratch(scratch);
}

TEST(Designer, ClueSpellingsOfTheFormat)
{
    // Blanks or commas between clues, colour letters after them: one picture.
    std::string plain = chairNon("title x\n");
    std::string spaced = plain;
    spaced.replace(spaced.find("2,2\n2,2\n2,2\n"), 12, "2 2\n2a,2b\n2, 2\n");
    Level a;
    Level b;
    ASSERT_TRUE(parseNon(plain, "a.non", &a)) << a.flaw;
    ASSERT_TRUE(parseNon(spaced, "b.non", &b)) << b.flaw;
    EXPECT_TRUE(samePicture(a, b));
    // An empty clue is refused in one wording wherever it stands.
    for (std::string clue : {"2,,2", "2,2,", ",2,2"}) {
        std::string text = plain;
        text.replace(text.find("2,2\n2,2\n"), 4, clue + "\n");
        Level level;
        EXPECT_FALSE(parseNon(text, "p.non", &level));
        EXPECT_EQ(level.flaw, "p.non:12: \"" + clue + "\" has an empty clue: every comma stands between two numbers");
    }
    Level level;
    std::string word = plain;
    word.replace(word.find("2,2\n2,2\n"), 4, "2,x2\n");
    EXPECT_FALSE(parseNon(word, "p.non", &level));
    EXPECT_EQ(level.flaw, "p.non:12: \"x2\" is not a number");
}

TEST(Designer, ControlBytesInNamesAreRefusedWithTheByte)
{
    std::string scratch = scratchFolder("designer-control");
    std::filesystem::create_directories(scratch + "/10");
    writeText(scratch + "/10/01-chair.txt", sourceText(levelOf("의자", chairRows())));
    ASSERT_EQ(runTool({"pack", scratch + "/10", scratch + "/level10.dat"}), 0);
    std::string bytes = readText(scratch + "/level10.dat");
    bytes.replace(3, 5, std::string("a\r\nS\0", 5));  // a name that would add a line to the records
    writeText(scratch + "/level10.dat", bytes);
    std::string out;
    EXPECT_EQ(runTool({"check", scratch + "/level10.dat"}, &out), 1);
    EXPECT_NE(out.find(scratch + "/level10.dat: record 1: the name holds the control byte 0x0d at byte 2"),
              std::string::npos)
        << out;
    bytes[3] = 0x7F;  // delete, refused by the sources too
    writeText(scratch + "/level10.dat", bytes);
    EXPECT_EQ(runTool({"check", scratch + "/level10.dat"}, &out), 1);
    EXPECT_NE(out.find("record 1: the name holds the control byte 0x7f at byte 1"), std::string::npos) << out;
    writeText(scratch + "/10/01-chair.txt", sourceText(levelOf("의\x1b자", chairRows())));
    std::string err;
    EXPECT_EQ(runTool({"pack", "--force", scratch + "/10", scratch + "/level10.dat"}, nullptr, &err), 1);
    EXPECT_NE(err.find("01-chair.txt:1: the name holds the control byte 0x1b at byte 4"), std::string::npos) << err;
    EXPECT_EQ(readText(scratch + "/level10.dat"), bytes);  // the refused pack wrote nothing
    removeScratch(scratch);
}

TEST(Designer, GradesAreShownAndListed)
{
    std::string scratch = scratchFolder("designer-grades");
    std::filesystem::create_directories(scratch + "/10");
    writeText(scratch + "/10/01-chair.txt", sourceText(levelOf("의자", chairRows())));
    std::vector<std::string> frame(10, "#........#");
    frame[0] = frame[9] = "##########";
    frame[4] = "#...##...#";
    writeText(scratch + "/10/02-frame.txt", sourceText(levelOf("액자", frame)));
    std::string out;
    ASSERT_EQ(runTool({"grades", scratch + "/10"}, &out), 0);
    EXPECT_EQ(out, "### 10 x 10 (" + scratch + "/10): 2 levels, 2 easy\n\n"
                   "| # | name | bombs | grade | rounds | steps | a line |\n|---:|---|---:|---|---:|---:|---:|\n"
                   "| 1 | 의자 | 38% | easy | 3 | 26 | 1.30 |\n| 2 | 액자 | 38% | easy | 3 | 23 | 1.15 |\n");
    ASSERT_EQ(runTool({"show", scratch + "/10/02-frame.txt"}, &out), 0);
    EXPECT_EQ(out.find("1. 액자 (10 x 10, 38 bombs, unique by line logic, easy, 3 rounds, 23 steps, 1.15 a line)\n"), 0u) << out;
    writeText(scratch + "/10/03-blob.txt", sourceText(levelOf("덩어리", ambiguousRows())));
    EXPECT_EQ(runTool({"grades", scratch + "/10"}, &out), 1);
    EXPECT_NE(out.find("3 levels, 2 easy, 1 fails the check"), std::string::npos) << out;
    EXPECT_NE(out.find("| 3 | 덩어리 | 52% | fails the check: line logic is stuck with 4 blocks undecided"),
              std::string::npos)
        << out;
    removeScratch(scratch);
}

TEST(Designer, FiguresShowHowTheBoundsFollowFromTheLevels)
{
    std::string scratch = scratchFolder("designer-figures");
    std::filesystem::create_directories(scratch + "/10");
    writeText(scratch + "/10/01-chair.txt", sourceText(levelOf("의자", chairRows())));
    std::vector<std::string> frame(10, "#........#");
    frame[0] = frame[9] = "##########";
    frame[4] = "#...##...#";
    writeText(scratch + "/10/02-frame.txt", sourceText(levelOf("액자", frame)));
    writeText(scratch + "/10/03-blob.txt", sourceText(levelOf("덩어리", ambiguousRows())));
    std::string out;
    // The folder above the size folders stands for all of them.
    ASSERT_EQ(runTool({"figures", scratch}, &out), 0);
    EXPECT_NE(out.find("  10   1      3    26   1.30    80%  easy    의자 (" + scratch + "/10/01-chair.txt)\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("  10   2      3    23   1.15   100%  easy    액자 ("), std::string::npos) << out;
    EXPECT_NE(out.find("  10   3      -     -      -    96%  fails   덩어리 ("), std::string::npos) << out;
    EXPECT_NE(out.find("| 10 x 10 | " + scratch + "/10 | 3 | 2 | 0 | 0 | 1 |\n\n"
                                 "10 x 10: 2 of 3 pictures (67%) mirror-symmetric, at most 40%: too many\n"),
              std::string::npos)
        << out;
    // Of the two that pass, the first is a third of the way up, the second two thirds.
    EXPECT_NE(out.find("bounds by thirds of the 2 passing levels: easy up to 1.15, middle up to 1.30 steps a line"),
              std::string::npos)
        << out;
    removeScratch(scratch);
}

TEST(Designer, GradesShowTheShareAndTheReasonOfAFailure)
{
    std::string scratch = scratchFolder("designer-grade-failures");
    std::string folder = scratch + "/10";
    std::filesystem::create_directories(folder);
    writeText(folder + "/01-chair.txt", sourceText(levelOf("의자", chairRows())));
    writeText(folder + "/02-ragged.txt", "name: 도토리\n.##.......\n.##......\n");
    std::vector<std::string> big(15, std::string(15, '.'));
    std::fill(big.begin(), big.begin() + 6, std::string(15, '#'));
    big[6] = "#########......";  // 99 bombs of 225
    writeText(folder + "/03-big.txt", sourceText(levelOf("큰 것", big)));
    std::string out;
    EXPECT_EQ(runTool({"grades", folder}, &out), 1);
    EXPECT_NE(out.find("| 2 | 도토리 | - | fails the check: " + folder + "/02-ragged.txt:3: ragged row: 9 blocks, the "
                       "first row has 10; " + folder + "/02-ragged.txt:3: 2 rows, the board needs 10 | - | - | - |\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("| 3 | 큰 것 | 44% | fails the check: " + folder + "/03-big.txt: a 15 x 15 board among 10 x 10 "
                       "ones | - | - | - |\n"),
              std::string::npos)
        << out;
    removeScratch(scratch);
}

TEST(Designer, BenchNamesTheSlowestBoard)
{
    std::string scratch = scratchFolder("designer-bench");
    writeText(scratch + "/chair.txt", sourceText(levelOf("의자", chairRows())));
    writeText(scratch + "/blob.txt", sourceText(levelOf("덩어리", ambiguousRows())));
    std::string out;
    ASSERT_EQ(runTool({"bench", scratch + "/chair.txt", scratch + "/blob.txt"}, &out), 0);
    EXPECT_EQ(out.find("checked 2 levels (1 pass): 1 unique by line logic, 1 more than one picture\n"), 0u) << out;
    EXPECT_NE(out.find("time per level: median "), std::string::npos);
    EXPECT_NE(out.find("\nslowest: "), std::string::npos);
    ASSERT_EQ(runTool({"bench", "--random", "2"}, &out), 0);
    EXPECT_EQ(out.find("checked 2 levels (0 pass): "), 0u) << out;
    EXPECT_NE(out.find("slowest: "), std::string::npos);
    EXPECT_NE(out.find("\nname: random "), std::string::npos);  // the board, to try again by hand
    removeScratch(scratch);
}

TEST(Designer, WritesReplaceWholeFilesAndNeverFollowLinks)
{
    std::string scratch = scratchFolder("designer-files");
    std::string problem;
    // A link at the destination is replaced, its target left alone.
    writeText(scratch + "/target", "keep me");
    std::filesystem::create_symlink(scratch + "/target", scratch + "/out.txt");
    ASSERT_TRUE(writeFileAtomically(scratch + "/out.txt", "new", &problem)) << problem;
    EXPECT_EQ(readText(scratch + "/target"), "keep me");
    EXPECT_EQ(readText(scratch + "/out.txt"), "new");
    EXPECT_FALSE(std::filesystem::is_symlink(scratch + "/out.txt"));
    // The file gets the usual permissions and nothing is left beside it.
    mode_t mask = umask(022);
    ASSERT_TRUE(writeFileAtomically(scratch + "/plain.txt", "x", &problem));
    ASSERT_TRUE(writeFolderAtomically(scratch + "/folder", {{"a.txt", "a"}}, &problem));
    umask(mask);
    struct stat info;
    ASSERT_EQ(stat((scratch + "/plain.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
    ASSERT_EQ(stat((scratch + "/folder").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0755u);
    EXPECT_EQ(folderListing(scratch), (std::vector<std::string>{"folder", "out.txt", "plain.txt", "target"}));
    EXPECT_EQ(folderListing(scratch + "/folder"), std::vector<std::string>{"a.txt"});
    // A folder that cannot take the file: the old one stays, no part file.
    std::filesystem::create_directories(scratch + "/closed");
    writeText(scratch + "/closed/old.txt", "old");
    chmod((scratch + "/closed").c_str(), 0555);
    bool written = writeFileAtomically(scratch + "/closed/old.txt", "new", &problem);
    chmod((scratch + "/closed").c_str(), 0755);
    if (geteuid() != 0) {  // root writes anywhere
        EXPECT_FALSE(written);
        EXPECT_EQ(problem, scratch + "/closed/old.txt: cannot be written");
        EXPECT_EQ(readText(scratch + "/closed/old.txt"), "old");
    }
    EXPECT_EQ(folderListing(scratch + "/closed"), std::vector<std::string>{"old.txt"});
    removeScratch(scratch);
}
