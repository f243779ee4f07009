// The two puzzle sources: the seeded board generator and the picture level
// files of the current directory.
#include "puzzle.h"

#include <climits>
#include <cstdint>
#include <cstring>

#include "game.h"
#include "levelformat.h"
#include "outward.h"

static std::uint32_t generatorState = 1;

const int bombThreshold = 60;  // a draw remainder of 60..99 out of 100 is a bomb
const char randomLevelName[] = "Random Level";
const int largestPackedBytes = 50;  // the picture of a 20 x 20 board

void seedRandom(unsigned seed) { generatorState = seed; }

int nextRandom()
{
    generatorState = generatorState * 214013u + 2531011u;
    return static_cast<int>((generatorState >> 16) & 0x7FFF);
}

void fillBoardFromSource(int size)
{
    if (game.randomMode != 0)
        makeRandomBoard(size);
    else
        makePictureBoard(size);
}

static void coverBoard(int size)
{
    for (int col = 0; col < size; ++col)
        for (int row = 0; row < size; ++row)
            game.cells[col][row] = game.solution[col][row] == 1 ? CoveredBomb : Covered;
}

static void clearSolution(int size)
{
    for (int col = 0; col < size; ++col)
        for (int row = 0; row < size; ++row)
            game.solution[col][row] = 0;
}

static void blankName(char* name)
{
    std::memset(name, ' ', levelNameBytes - 1);
    name[levelNameBytes - 1] = 0;
}

void makeRandomBoard(int size)
{
    size = playableSize(size);
    std::memset(game.levelName, 0, levelNameBytes);
    std::memcpy(game.levelName, randomLevelName, sizeof randomLevelName);
    game.bestTimeAllowed = true;
    seedRandom(clockSeconds());
    // Draw j decides column j / N, row j % N: the draws run down each column.
    for (int col = 0; col < size; ++col)
        for (int row = 0; row < size; ++row)
            game.solution[col][row] = nextRandom() % 100 >= bombThreshold ? 1 : 0;
    coverBoard(size);
}

// The count byte, or 0 after a message when the header cannot be had. A count
// of 0 would leave no record to pick, so it is an unreadable header too.
static int levelCountOf(int size)
{
    unsigned char header[levelHeaderBytes] = {0, 0, 0};
    int got = readLevelBytes(size, 0, header, levelHeaderBytes);
    if (got < 0) {
        showErrorBox("file open error");
        return 0;
    }
    int count = static_cast<std::int8_t>(header[2]);
    if (got < levelHeaderBytes || count == 0) {
        showErrorBox("header read error");
        return 0;
    }
    return count;
}

int readLevelCount(int size)
{
    int count = levelCountOf(size);
    return count == 0 ? -1 : count;
}

// Reads the record's bytes into record; what lies beyond the end of the file
// keeps its preset. True when the whole record was there.
static bool readRecordBytes(int size, int index, unsigned char* record)
{
    const int bytes = recordBytes(size);
    long long start = levelHeaderBytes + static_cast<long long>(index) * bytes;
    if (start < 0 || start > LONG_MAX - bytes)
        return false;
    return readLevelBytes(size, static_cast<long>(start), record, bytes) == bytes;
}

// A name of 20 bytes with no zero among them is cut to 19.
static void terminateName(char* name)
{
    if (std::memchr(name, 0, levelNameBytes) == nullptr)
        name[levelNameBytes - 1] = 0;
}

// The bytes at name[k] a name keeps: a character of the code page, or
// nothing (0) where a blank must stand for a byte.
static int characterBytesAt(const char* name, int k)
{
    unsigned char c = static_cast<unsigned char>(name[k]);
    if (c < 0x20)
        return 0;
    if (c < 0x80)
        return 1;
    if (name[k + 1] != 0 && isAnsiCharacter(name + k, 2))
        return 2;
    return isAnsiCharacter(name + k, 1) ? 1 : 0;
}

// Level files are swapped between players: a byte below 0x20 in a name (a
// line break above all) and every byte that begins no character of the code
// page (a Latin-1 letter, a lead byte without its second byte) is shown and
// stored as a blank, the name keeping its length. So no name reaches the
// records file as anything but one value, and the file holds what the
// dialogs show: a name the text calls cannot carry whole would make the
// records write read back something else and drop the new best time.
static void blankWhatIsNoCharacter(char* name)
{
    int k = 0;
    while (k < levelNameBytes && name[k] != 0) {
        int bytes = characterBytesAt(name, k);
        if (bytes == 0)
            name[k++] = ' ';
        k += bytes;
    }
}

bool readLevelRecord(int size, int index, char* name)
{
    const int bytes = packedBytes(size);
    unsigned char record[levelRecordNameBytes + largestPackedBytes] = {};
    blankName(reinterpret_cast<char*>(record));
    bool whole = bytes > 0 && readRecordBytes(size, index, record);
    std::memcpy(name, record, levelRecordNameBytes);
    terminateName(name);
    blankWhatIsNoCharacter(name);
    if (bytes > 0)
        unpackPicture(record + levelRecordNameBytes, size, game.solution);
    return whole;
}

void makePictureBoard(int size)
{
    size = playableSize(size);
    seedRandom(clockSeconds());
    int draw = nextRandom();  // drawn before the file is touched
    int count = levelCountOf(size);
    if (count == 0) {
        // No header: a board without bombs, no record read, no second message.
        blankName(game.levelName);
        clearSolution(size);
        game.bestTimeAllowed = false;
    } else {
        // A board the file did not hold whole is no level: its win sets no best time.
        game.bestTimeAllowed = readLevelRecord(size, draw % count, game.levelName);
    }
    coverBoard(size);
}
