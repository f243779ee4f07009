// Any bytes as a level file: the count and record readers and a whole picture
// board must never read or write outside their buffers, and must always leave
// a terminated name and a board of plain 0/1 bombs.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game.h"
#include "outward.h"
#include "puzzle.h"

// The outward operations: silent, with the temp folder as current directory.
static std::string folder;

void repaintBlock(int, int) {}
void requestFullRepaint() {}
void fitWindow(int) {}
void drawTimeBar() {}
void drawHintArea() {}
void drawSeconds() {}
void drawHourglass() {}
void confineCursor(int, int, int, int) {}
void releaseCursor() {}
void playBreakSound(int, int) {}
void playCheckSound(int, int) {}
void playErrorSound() {}
void playHintSound() {}
int readBestTime(int) { return 9999; }
void runBestDialog() {}
void runRecordsDialog() {}
void runWinDialog() {}
void runLossDialog() {}
void showErrorBox(const char*) {}
unsigned clockSeconds() { return 1; }

int currentDirectory(char* buffer, int size)
{
    int length = static_cast<int>(folder.size());
    if (length + 1 > size)
        return 0;
    std::memcpy(buffer, folder.c_str(), length + 1);
    return length;
}

static void removeFolder()
{
    for (int size : {10, 15, 20})
        std::remove((folder + "/level" + std::to_string(size) + ".dat").c_str());
    std::remove(folder.c_str());
}

static void makeFolder()
{
    char pattern[] = "/tmp/fuzz-levels-XXXXXX";
    if (!mkdtemp(pattern))
        std::abort();
    folder = pattern;
    std::atexit(removeFolder);
}

static void writeLevelFile(int size, const std::uint8_t* data, std::size_t length)
{
    std::string path = folder + "/level" + std::to_string(size) + ".dat";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        std::abort();
    if (length > 0)
        std::fwrite(data, 1, length, file);
    std::fclose(file);
}

static void expectTerminated(const char* name)
{
    if (!std::memchr(name, 0, levelNameBytes))
        std::abort();
}

static void expectPlainBoard(int size, bool withCells)
{
    for (int col = 0; col < size; ++col)
        for (int row = 0; row < size; ++row) {
            int bit = solution[col][row];
            if (bit != 0 && bit != 1)
                std::abort();
            if (withCells && cells[col][row] != (bit ? CoveredBomb : Covered))
                std::abort();
        }
}

static void readSomeRecords(int size, int count)
{
    int magnitude = count < 0 ? -count : count;
    const int indexes[] = {0, 1, count - 1, magnitude - 1, magnitude, 126, 127, -1};
    for (int index : indexes) {
        char name[levelNameBytes];
        std::memset(name, 'Z', sizeof name);
        readLevelRecord(size, index, name);
        expectTerminated(name);
        expectPlainBoard(size, false);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t length)
{
    if (folder.empty())
        makeFolder();
    for (int size : {10, 15, 20}) {
        writeLevelFile(size, data, length);
        int count = readLevelCount(size);
        if (count < -128 || count > 127 || count == 0)
            std::abort();
        readSomeRecords(size, count);
        makePictureBoard(size);
        expectTerminated(levelName);
        expectPlainBoard(size, true);
    }
    return 0;
}
