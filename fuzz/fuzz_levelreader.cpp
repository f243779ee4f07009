// Any bytes as a level file, handed over as the platform hands the game its
// files: the count and record readers and a whole picture board must never
// read or write outside their buffers, and must always leave a terminated
// name of characters only (no control bytes, no byte that begins no
// character) and a board of plain 0/1 bombs.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "game.h"
#include "levelformat.h"
#include "outward.h"
#include "puzzle.h"

// The outward operations: silent, with the input as every size's level file.
static const std::uint8_t* levelData = nullptr;
static std::size_t levelLength = 0;

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

// Characters shaped as a double-byte code page's: bytes below 0x80 alone, a
// lead byte 0x81 to 0xFE with a second byte 0x41 to 0xFE.
bool isAnsiCharacter(const char* bytes, int count)
{
    const unsigned char* b = reinterpret_cast<const unsigned char*>(bytes);
    if (count == 1)
        return b[0] < 0x80;
    return count == 2 && b[0] >= 0x81 && b[0] <= 0xFE && b[1] >= 0x41 && b[1] <= 0xFE;
}

int readLevelBytes(int, long offset, unsigned char* into, int bytes)
{
    if (offset < 0 || bytes < 0)
        std::abort();  // the reader asks only for bytes that can be in a file
    if (static_cast<unsigned long>(offset) >= levelLength)
        return 0;
    std::size_t got = std::min(static_cast<std::size_t>(bytes), levelLength - static_cast<std::size_t>(offset));
    std::memcpy(into, levelData + offset, got);
    return static_cast<int>(got);
}

// The checks carry no coverage: their loops over every block would cost more
// than the reader itself and guide the fuzzer nowhere.
#define UNTRACED __attribute__((no_sanitize("coverage")))

// A name ends within its 20 bytes and holds only characters before its end:
// no byte below 0x20, no byte that begins no character.
UNTRACED static void expectTerminated(const char* name)
{
    const char* end = static_cast<const char*>(std::memchr(name, 0, levelNameBytes));
    if (!end)
        std::abort();
    for (const char* p = name; p != end;) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c < 0x20)
            std::abort();
        if (c < 0x80) {
            ++p;
            continue;
        }
        if (p + 1 == end || !isAnsiCharacter(p, 2))
            std::abort();
        p += 2;
    }
}

UNTRACED static void expectPlainBoard(int size, bool withCells)
{
    for (int col = 0; col < size; ++col)
        for (int row = 0; row < size; ++row) {
            int bit = game.solution[col][row];
            if (bit != 0 && bit != 1)
                std::abort();
            if (withCells && game.cells[col][row] != (bit ? CoveredBomb : Covered))
                std::abort();
        }
}

static void readSomeRecords(int size, int count)
{
    int magnitude = count < 0 ? -count : count;
    const int indexes[] = {0, 1, count - 1, magnitude - 1, magnitude, 126, 127, -1};
    for (int k = 0; k < 8; ++k) {
        int index = indexes[k];
        if (std::find(indexes, indexes + k, index) != indexes + k)
            continue;  // read already
        char name[levelNameBytes];
        std::memset(name, 'Z', sizeof name);
        readLevelRecord(size, index, name);
        expectTerminated(name);
        expectPlainBoard(size, false);
    }
}

// A picture board may set a best time exactly when the header is sound and the
// file holds the whole record the draw picks (the clock stands at 1 here).
UNTRACED static void expectBestTimeRule(int size, const std::uint8_t* data, std::size_t length)
{
    int count = length >= 3 ? static_cast<std::int8_t>(data[2]) : 0;
    bool whole = false;
    if (count != 0) {
        seedRandom(1);
        int index = nextRandom() % count;
        whole = length >= static_cast<std::size_t>(recordOffset(size, index + 1));
    }
    if (game.bestTimeAllowed != whole)
        std::abort();
}

// Header byte 0 is not read by the game; here it picks the board size, so
// that every input is read once, as one size's file.
static int sizeFor(const std::uint8_t* data, std::size_t length)
{
    static const int sizes[3] = {10, 15, 20};
    return sizes[length > 0 ? data[0] % 3 : 0];
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t length)
{
    game = Game();  // every input starts from a fresh game
    levelData = data;
    levelLength = length;
    int size = sizeFor(data, length);
    int count = readLevelCount(size);
    if (count < -128 || count > 127 || count == 0)
        std::abort();
    readSomeRecords(size, count);
    makePictureBoard(size);
    expectTerminated(game.levelName);
    expectPlainBoard(size, true);
    expectBestTimeRule(size, data, length);
    return 0;
}
