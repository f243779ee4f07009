#include "commands.h"

#include <cstdio>
#include <cstdlib>
#include <limits>

#include "boardtext.h"
#include "gradetable.h"
#include "files.h"
#include "levelbench.h"
#include "levelcheck.h"
#include "levelfile.h"
#include "levelset.h"
#include "nonfile.h"
#include "setcheck.h"
#include "sourcefile.h"

namespace {

const int exitFine = 0;
const int exitFailed = 1;
const int exitUsage = 2;

// Options that may stand anywhere among the arguments.
struct Options {
    double searchSeconds = defaultSearchSeconds;  // --limit SECONDS
    std::string name;                             // --name NAME (import)
    int randomBoards = 0;                         // --random COUNT (bench)
    bool force = false;                           // --force: write over an existing file
};

const char usageText[] =
    "usage: bombalevels <command> ...\n"
    "  pack <source-folder> <out.dat>      pack the sources of one size into a level file\n"
    "  unpack <file.dat> <out-folder>      write a level file back as sources\n"
    "  check <file.dat | source-folder | set-folder | source.txt>...\n"
    "                                      judge every level: well-formed, unique by line logic,\n"
    "                                      30% to 70% bombs, no repeats (shifted or mirrored ones too);\n"
    "                                      then, for several paths or a set-folder, all as one set: no\n"
    "                                      name twice, at most 40% of a size's pictures mirror-symmetric\n"
    "  show <file.dat | source.txt> [n]    print level n (from 1; all when left out) with its clues\n"
    "  import <file.non> <out.txt> [--name NAME]\n"
    "                                      a .non puzzle into a source, named NAME or by its title\n"
    "  export <source.txt> <out.non>       a source into a .non puzzle\n"
    "  grades <file.dat | source-folder | set-folder>...\n"
    "                                      list every level's grade, as a table for levels/README.md\n"
    "  figures <file.dat | source-folder | set-folder>...\n"
    "                                      every level's rounds, steps and work per line, the grade's bounds\n"
    "                                      those levels give and the bounds in use\n"
    "  bench <file.dat | source-folder>... time the check of the levels, the slowest one named\n"
    "  bench --random COUNT                time the check of COUNT random 20 x 20 boards, 30% to 45% bombs\n"
    "options:\n"
    "  --limit SECONDS   how long the check may search when line logic stalls (default 1)\n"
    "  --force           pack, import and export write over an existing file (never over what they read)\n";

// What is wrong comes first, so it is not lost above the usage.
int usage(std::ostream& err, const std::string& problem = "")
{
    if (!problem.empty())
        err << problem << "\n";
    err << usageText;
    return exitUsage;
}

// The commands and how many arguments each takes besides its options.
struct Command {
    const char* name;
    size_t fewest;
    size_t most;
};

const size_t anyNumber = std::numeric_limits<size_t>::max();
const Command commands[] = {{"pack", 2, 2},   {"unpack", 2, 2}, {"check", 1, anyNumber},  {"show", 1, 2},
                            {"import", 2, 2}, {"export", 2, 2}, {"grades", 1, anyNumber}, {"figures", 1, anyNumber},
                            {"bench", 0, anyNumber}};

const Command* commandNamed(const std::string& name)
{
    for (const Command& command : commands) {
        if (name == command.name)
            return &command;
    }
    return nullptr;
}

std::string countText(size_t fewest, size_t most)
{
    if (most == anyNumber)
        return "at least " + std::to_string(fewest);
    if (fewest == most)
        return std::to_string(fewest);
    return std::to_string(fewest) + " or " + std::to_string(most);
}

// Empty when the command has its arguments, else how many it takes.
std::string argumentProblem(const Command& command, size_t given)
{
    if (given >= command.fewest && given <= command.most)
        return "";
    bool one = command.fewest == 1 && (command.most == 1 || command.most == anyNumber);
    return std::string(command.name) + " takes " + countText(command.fewest, command.most) +
           (one ? " argument, not " : " arguments, not ") + std::to_string(given);
}

int refuse(std::ostream& err, const std::string& problem)
{
    err << problem << "\n";
    return exitFailed;
}

bool readSeconds(const std::string& text, double* seconds)
{
    char* end = nullptr;
    *seconds = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0' && *seconds > 0 && *seconds <= 86400;
}

bool readCount(const std::string& text, int* count)
{
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    *count = std::stoi(text);
    return *count > 0;
}

// What an option wants as its value; "" for no such option.
std::string optionWants(const std::string& option)
{
    if (option == "--limit")
        return "--limit wants a number of seconds above 0 (86400 at most)";
    if (option == "--random")
        return "--random wants a count of boards above 0 (999999 at most)";
    if (option == "--name")
        return "--name wants the level's name";
    return "";
}

bool readOption(const std::string& option, const std::string& value, Options* options)
{
    if (option == "--limit")
        return readSeconds(value, &options->searchSeconds);
    if (option == "--random")
        return readCount(value, &options->randomBoards);
    options->name = value;
    return !value.empty();
}

// Takes the options out of args; on an unknown or incomplete one, says which.
bool takeOptions(std::vector<std::string>* args, Options* options, std::string* problem)
{
    std::vector<std::string> rest;
    bool optionsEnded = false;  // after "--" every argument is a name
    for (size_t i = 0; i < args->size(); ++i) {
        const std::string& arg = (*args)[i];
        if (optionsEnded || arg.compare(0, 2, "--") != 0 || arg == "--") {
            if (optionsEnded || arg != "--")
                rest.push_back(arg);
            optionsEnded = optionsEnded || arg == "--";
            continue;
        }
        if (arg == "--force") {
            options->force = true;
            continue;
        }
        *problem = optionWants(arg);
        if (problem->empty()) {
            *problem = "unknown option \"" + arg + "\"";
            return false;
        }
        if (i + 1 == args->size() || !readOption(arg, (*args)[++i], options))
            return false;
    }
    problem->clear();
    *args = rest;
    return true;
}

// An option given to a command that has no use for it.
std::string misplacedOption(const Options& options, const std::string& command)
{
    if (!options.name.empty() && command != "import")
        return "--name is for import only";
    if (options.randomBoards > 0 && command != "bench")
        return "--random is for bench only";
    if (options.force && command != "pack" && command != "import" && command != "export")
        return "--force is for pack, import and export";
    return "";
}

void printWarnings(const LevelSet& set, std::ostream& err)
{
    for (const std::string& warning : set.warnings)
        err << "warning: " << warning << "\n";
}

bool isNonPath(const std::string& path)
{
    return path.size() > 4 && path.compare(path.size() - 4, 4, ".non") == 0;
}

// A .non puzzle is not a level until it is imported.
bool loadLevels(const std::string& path, LevelSet* set, std::string* problem)
{
    if (isNonPath(path) && !isFolder(path)) {
        *problem = path + ": a .non puzzle; bring it in with: bombalevels import " + path + " <source.txt>";
        return false;
    }
    return loadLevelSet(path, set, problem);
}

// Every failing level with its reason; true when all pass.
bool reportFailures(const LevelSet& set, const std::vector<LevelVerdict>& verdicts, std::ostream& err)
{
    bool allPass = true;
    for (size_t i = 0; i < verdicts.size(); ++i) {
        if (verdicts[i].passes)
            continue;
        allPass = false;
        const Level& level = set.levels[i];
        err << (level.flaw.empty() ? level.where + ": " : "") << failureReason(level, verdicts[i]) << "\n";
        if (verdicts[i].wellFormed && verdicts[i].lineResult == linesStuck)
            err << knowledgeGrid(level.size, verdicts[i].known, "    ");
    }
    return allPass;
}

int pack(const std::vector<std::string>& args, const Options& options, std::ostream& out, std::ostream& err)
{
    if (!isFolder(args[1]))
        return refuse(err, args[1] + ": pack reads a folder of level sources");
    LevelSet set;
    std::string problem;
    std::vector<std::string> sources;
    if (!listSources(args[1], &sources, &problem))
        return refuse(err, problem);
    if (!mayWriteFile(args[2], sources, options.force, &problem))
        return refuse(err, problem + "\nrefused: " + args[2] + " not written");
    if (!loadLevels(args[1], &set, &problem))
        return refuse(err, problem);
    if (!reportFailures(set, judgeLevels(set.levels, options.searchSeconds), err))
        return refuse(err, "refused: " + args[2] + " not written");
    std::string bytes;
    if (!levelFileBytes(set.levels, &bytes, &problem) || !writeFileAtomically(args[2], bytes, &problem))
        return refuse(err, problem + "\nrefused: " + args[2] + " not written");
    out << "packed " << set.levels.size() << " levels of " << set.size << " x " << set.size << " into " << args[2]
        << " (" << bytes.size() << " bytes)\n";
    return exitFine;
}

std::string unpackedFileName(size_t index, size_t count)
{
    char name[16];
    std::snprintf(name, sizeof name, count > 99 ? "%03zu.txt" : "%02zu.txt", index + 1);
    return name;
}

int unpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    LevelSet set;
    std::string problem;
    if (isFolder(args[1]) || isSourcePath(args[1]))
        return refuse(err, args[1] + ": unpack reads a level file");
    if (!loadLevels(args[1], &set, &problem))
        return refuse(err, problem);
    printWarnings(set, err);
    std::vector<NamedText> files;
    for (const Level& level : set.levels) {
        if (!level.flaw.empty())
            return refuse(err, level.flaw + "\nrefused: " + args[2] + " not written");
        files.push_back({unpackedFileName(files.size(), set.levels.size()), sourceText(level)});
    }
    if (!writeFolderAtomically(args[2], files, &problem))
        return refuse(err, problem);
    out << "unpacked " << files.size() << " levels into " << args[2] << "\n";
    return exitFine;
}

// The paths named after the command, a set folder as its size folders.
std::vector<std::string> namedPaths(const std::vector<std::string>& args)
{
    std::vector<std::string> paths;
    for (size_t i = 1; i < args.size(); ++i) {
        for (const std::string& path : pathsOfSet(args[i]))
            paths.push_back(path);
    }
    return paths;
}

// The sets named after the command, beside their paths.
struct NamedSets {
    std::vector<std::string> paths;
    std::vector<LevelSet> sets;
};

// The levels of every named path, in order; false, with the problem told to
// err, when one cannot be read.
bool loadNamedSets(const std::vector<std::string>& args, NamedSets* named, std::ostream& err)
{
    named->paths = namedPaths(args);
    for (const std::string& path : named->paths) {
        LevelSet set;
        std::string problem;
        if (!loadLevels(path, &set, &problem)) {
            refuse(err, problem);
            return false;
        }
        named->sets.push_back(set);
    }
    return true;
}

// One file's or folder's report; false when a level fails or the count does.
bool checkOneSet(const std::string& path, const LevelSet& set, const Options& options, std::ostream& out,
                 std::ostream& err)
{
    printWarnings(set, err);
    std::vector<LevelVerdict> verdicts = judgeLevels(set.levels, options.searchSeconds);
    std::string size = std::to_string(set.size);
    std::string ofSize = set.size ? "of " + size + " x " + size : "of no board size";
    out << path << ": " << set.levels.size() << " levels " << ofSize << "\n";
    int passing = 0;
    for (size_t i = 0; i < verdicts.size(); ++i) {
        out << verdictReport(set.levels[i], verdicts[i], static_cast<int>(i));
        passing += verdicts[i].passes ? 1 : 0;
    }
    int failing = static_cast<int>(verdicts.size()) - passing;
    out << passing << " pass, " << failing << " fail\n";
    if (set.levels.empty()) {
        refuse(err, path + ": no levels");
        return false;
    }
    std::string problem = levelCountProblem(set.levels.size());
    if (!problem.empty()) {
        refuse(err, path + ": " + problem + ", so pack refuses them");
        return false;
    }
    return failing == 0;
}

// The rules of the whole set over every level given; false when one is broken.
bool checkWholeSet(const std::vector<LevelSet>& sets, std::ostream& out)
{
    size_t levels = 0;
    for (const LevelSet& set : sets)
        levels += set.levels.size();
    out << "the set: " << levels << " levels\n";
    std::vector<std::string> repeats = repeatedNames(sets);
    for (const std::string& repeat : repeats)
        out << repeat << "\n";
    int symmetricSizes = 0;
    for (const SymmetryShare& share : symmetryShares(sets)) {
        bool tooMany = tooSymmetric(share);
        out << symmetryText(share) << (tooMany ? ": too many\n" : "\n");
        symmetricSizes += tooMany ? 1 : 0;
    }
    std::string names = repeats.empty() ? "every name once" : std::to_string(repeats.size()) + " names twice";
    std::string sizes = symmetricSizes == 0 ? "no size" : std::to_string(symmetricSizes) + " size";
    sizes += symmetricSizes > 1 ? "s" : "";
    out << "set: " << names << ", " << sizes << " too symmetric\n";
    return repeats.empty() && symmetricSizes == 0;
}

// The rules of the whole set hold for the levels of several paths, or of a
// folder holding 10/ 15/ 20/: a level file or a folder of one size alone is
// no set, so a player's file of one symmetric picture passes.
bool namesASet(const std::vector<std::string>& args, const std::vector<std::string>& paths)
{
    return paths.size() > 1 || (paths.size() == 1 && paths[0] != args[1]);
}

// Each path is judged on its own, then, when they make a set, every level of
// them together.
int check(const std::vector<std::string>& args, const Options& options, std::ostream& out, std::ostream& err)
{
    NamedSets named;
    if (!loadNamedSets(args, &named, err))
        return exitFailed;
    bool allPass = true;
    for (size_t i = 0; i < named.sets.size(); ++i)
        allPass = checkOneSet(named.paths[i], named.sets[i], options, out, err) && allPass;
    if (namesASet(args, named.paths))
        allPass = checkWholeSet(named.sets, out) && allPass;
    return allPass ? exitFine : exitFailed;
}

void showLevel(const Level& level, int index, const LevelVerdict& verdict, std::ostream& out)
{
    out << index + 1 << ". " << level.name << " (" << level.size << " x " << level.size << ", "
        << bombCount(level) << " bombs, " << picturesText(verdict.pictures, verdict.searchSeconds);
    if (verdict.pictures == uniqueByLines)
        out << ", " << gradeText(verdict.rounds, verdict.steps, level.size);
    out << ")\n" << boardWithClues(level) << "\n";
}

bool readIndex(const std::string& text, int count, int* index)
{
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    *index = std::stoi(text) - 1;
    return *index >= 0 && *index < count;
}

int show(const std::vector<std::string>& args, const Options& options, std::ostream& out, std::ostream& err)
{
    LevelSet set;
    std::string problem;
    if (!loadLevels(args[1], &set, &problem))
        return refuse(err, problem);
    int count = static_cast<int>(set.levels.size());
    int first = 0;
    int last = count - 1;
    if (args.size() == 3 && !readIndex(args[2], count, &first))
        return refuse(err, args[1] + ": no level " + args[2] + " (there are " + std::to_string(count) + ")");
    if (args.size() == 3)
        last = first;
    for (int i = first; i <= last; ++i) {
        if (!set.levels[i].flaw.empty())
            return refuse(err, set.levels[i].flaw);
        showLevel(set.levels[i], i, judgeLevel(set.levels[i], options.searchSeconds), out);
    }
    return count > 0 ? exitFine : refuse(err, args[1] + ": no levels");
}

int import(const std::vector<std::string>& args, const Options& options, std::ostream& out, std::ostream& err)
{
    std::string text;
    std::string problem;
    if (!mayWriteFile(args[2], {args[1]}, options.force, &problem))
        return refuse(err, problem + "\nrefused: " + args[2] + " not written");
    if (!readWholeFile(args[1], &text, &problem))
        return refuse(err, problem);
    Level level;
    NonReadOptions reading;
    reading.name = options.name;
    reading.searchSeconds = options.searchSeconds;
    if (!parseNon(text, args[1], &level, reading))
        return refuse(err, level.flaw + "\nrefused: " + args[2] + " not written");
    LevelVerdict verdict = judgeLevel(level, options.searchSeconds);
    if (!verdict.passes) {
        err << args[1] << ": " << failureReason(level, verdict) << "\n";
        if (verdict.lineResult == linesStuck)
            err << knowledgeGrid(level.size, verdict.known, "    ");
        return refuse(err, "refused: " + args[2] + " not written");
    }
    if (!writeFileAtomically(args[2], sourceText(level), &problem))
        return refuse(err, problem);
    out << "imported " << level.name << " (" << level.size << " x " << level.size << ", "
        << gradeText(verdict.rounds, verdict.steps, level.size) << ") into " << args[2] << "\n";
    return exitFine;
}

int exportNon(const std::vector<std::string>& args, const Options& options, std::ostream& out, std::ostream& err)
{
    std::string problem;
    if (!mayWriteFile(args[2], {args[1]}, options.force, &problem))
        return refuse(err, problem + "\nrefused: " + args[2] + " not written");
    Level level;
    if (!loadSource(args[1], &level))
        return refuse(err, level.flaw + "\nrefused: " + args[2] + " not written");
    // A puzzle on its way to be mended or shared elsewhere may fail the check;
    // the designer hears why, and gets the file.
    LevelVerdict verdict = judgeLevel(level, options.searchSeconds);
    if (!verdict.passes)
        err << "warning: " << args[1] << ": " << failureReason(level, verdict) << " (exported all the same)\n";
    if (!writeFileAtomically(args[2], nonText(level), &problem))
        return refuse(err, problem);
    out << "exported " << level.name << " into " << args[2] << "\n";
    return exitFine;
}

int grades(const std::vector<std::string>& args, const Options& options, std::ostream& out, std::ostream& err)
{
    NamedSets named;
    if (!loadNamedSets(args, &named, err))
        return exitFailed;
    bool allPass = true;
    for (size_t i = 0; i < named.sets.size(); ++i) {
        std::vector<LevelVerdict> verdicts = judgeLevels(named.sets[i].levels, options.searchSeconds);
        out << (i ? "\n" : "") << gradeTable(named.paths[i], named.sets[i], verdicts);
        for (const LevelVerdict& verdict : verdicts)
            allPass = allPass && verdict.passes;
    }
    return allPass ? exitFine : exitFailed;
}

int figures(const std::vector<std::string>& args, const Options& options, std::ostream& out, std::ostream& err)
{
    NamedSets named;
    if (!loadNamedSets(args, &named, err))
        return exitFailed;
    std::vector<std::vector<LevelVerdict>> verdicts;
    for (const LevelSet& set : named.sets)
        verdicts.push_back(judgeLevels(set.levels, options.searchSeconds));
    out << figuresReport(named.paths, named.sets, verdicts);
    return exitFine;
}

int bench(const std::vector<std::string>& args, const Options& options, std::ostream& out, std::ostream& err)
{
    std::vector<Level> levels;
    if (options.randomBoards > 0) {
        if (args.size() > 1)
            return usage(err, "bench --random takes no files or folders");
        levels = randomBoards(options.randomBoards, 20);
    }
    NamedSets named;
    if (!loadNamedSets(args, &named, err))
        return exitFailed;
    for (const LevelSet& set : named.sets)
        levels.insert(levels.end(), set.levels.begin(), set.levels.end());
    if (levels.empty())
        return usage(err, "bench takes files or folders, or --random COUNT");
    out << benchReport(levels, options.searchSeconds);
    return exitFine;
}

}  // namespace

int runLevelsTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> args = arguments;
    Options options;
    std::string problem;
    if (!takeOptions(&args, &options, &problem) || args.empty())
        return usage(err, problem);
    const Command* known = commandNamed(args[0]);
    if (!known)
        return usage(err, "unknown command \"" + args[0] + "\"");
    problem = argumentProblem(*known, args.size() - 1);
    if (problem.empty())
        problem = misplacedOption(options, args[0]);
    if (!problem.empty())
        return usage(err, problem);
    const std::string& command = args[0];
    if (command == "pack")
        return pack(args, options, out, err);
    if (command == "unpack")
        return unpack(args, out, err);
    if (command == "check")
        return check(args, options, out, err);
    if (command == "show")
        return show(args, options, out, err);
    if (command == "import")
        return import(args, options, out, err);
    if (command == "export")
        return exportNon(args, options, out, err);
    if (command == "grades")
        return grades(args, options, out, err);
    if (command == "figures")
        return figures(args, options, out, err);
    return bench(args, options, out, err);
}
