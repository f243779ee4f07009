// The two puzzle sources: the seeded board generator and the picture level
// files of the current directory.
#include "puzzle.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "game.h"
#include "levelfile.h"
#include "levelformat.h"
#include "outward.h"

#ifdef _WIN32
const char pathSeparator = '\\';
#else
const char pathSeparator = '/';
#endif

int levelFileOpenings = 0;
int levelFilesOpen = 0;

static std::uint32_t generatorState = 1;

const int bombThreshold = 60;  // a draw remainder of 60..99 out of 100 is a bomb
const char randomLevelName[] = "Random Level";

void seedRandom(unsigned seed) { generatorState = seed; }

int nextRandom()
{
    generatorState = generatorState * 214013u + 2531011u;
    return static_cast<int>((generatorState >> 16) & 0x7FFF);
}

void fillBoardFromSource(int size)
{
    if (randomMode != 0)
        makeRandomBoard(size);
    else
        makePictureBoard(size);
}

static void coverBoard(int size)
{
    for (int col = 0; col < size; ++col)
        for (int row = 0; row < size; ++row)
            cells[col][row] = solution[col][row] == 1 ? CoveredBomb : Covered;
}

static void clearSolution(int size)
{
    for (int col = 0; col < size; ++col)
        for (int row = 0; row < size; ++row)
            solution[col][row] = 0;
}

static void blankName(char* name)
{
    std::memset(name, ' ', levelNameBytes - 1);
    name[levelNameBytes - 1] = 0;
}

void makeRandomBoard(int size)
{
    size = playableSize(size);
    std::memset(levelName, 0, levelNameBytes);
    std::memcpy(levelName, randomLevelName, sizeof randomLevelName);
    seedRandom(clockSeconds());
    // Draw j decides column j / N, row j % N: the draws run down each column.
    for (int col = 0; col < size; ++col)
        for (int row = 0; row < size; ++row)
            solution[col][row] = nextRandom() % 100 >= bombThreshold ? 1 : 0;
    coverBoard(size);
}

bool levelFilePath(int size, char* path, int room)
{
    char directory[levelPathRoom];
    if (room <= 0)
        return false;
    path[0] = 0;
    int length = currentDirectory(directory, levelPathRoom);
    if (length <= 0 || length >= levelPathRoom)
        return false;
    directory[length] = 0;
    if (room > levelPathRoom)
        room = levelPathRoom;  // the path never grows past the platform's buffer
    int written = std::snprintf(path, room, "%s%clevel%d.dat", directory, pathSeparator, size);
    if (written < 0 || written >= room) {
        path[0] = 0;
        return false;
    }
    return true;
}

static std::FILE* openLevelFile(int size)
{
    char path[levelPathRoom];
    if (!levelFilePath(size, path, levelPathRoom))
        return nullptr;
    std::FILE* file = std::fopen(path, "rb");
    if (file) {
        ++levelFileOpenings;
        ++levelFilesOpen;
    }
    return file;
}

static void closeLevelFile(std::FILE* file)
{
    std::fclose(file);
    --levelFilesOpen;
}

// The count byte, or 0 after a message when the header cannot be had. A count
// of 0 would leave no record to pick, so it is an unreadable header too.
static int levelCountOf(int size)
{
    std::FILE* file = openLevelFile(size);
    if (!file) {
        showErrorBox("file open error");
        return 0;
    }
    std::uint8_t header[levelHeaderBytes] = {0, 0, 0};
    std::size_t got = std::fread(header, 1, levelHeaderBytes, file);
    closeLevelFile(file);
    int count = static_cast<std::int8_t>(header[2]);
    if (got < static_cast<std::size_t>(levelHeaderBytes) || count == 0) {
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

// Reads up to bytes at offset; what lies beyond the end keeps its preset.
static void readAt(std::FILE* file, long long offset, void* into, int bytes)
{
    if (offset < 0 || offset > LONG_MAX - bytes)
        return;
    if (std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0)
        return;
    std::size_t got = std::fread(into, 1, static_cast<std::size_t>(bytes), file);
    (void)got;  // a short read leaves the rest of the preset
}

// A name of 20 bytes with no zero among them is cut to 19.
static void terminateName(char* name)
{
    if (std::memchr(name, 0, levelNameBytes) == nullptr)
        name[levelNameBytes - 1] = 0;
}

void readLevelRecord(int size, int index, char* name)
{
    const int bytes = packedBytes(size);
    char nameBuffer[levelRecordNameBytes];
    std::uint8_t picture[50] = {};
    blankName(nameBuffer);
    std::FILE* file = bytes > 0 ? openLevelFile(size) : nullptr;
    if (file) {
        long long start = levelHeaderBytes + static_cast<long long>(index) * recordBytes(size);
        readAt(file, start, nameBuffer, levelRecordNameBytes);
        readAt(file, start + levelRecordNameBytes, picture, bytes);
        closeLevelFile(file);
    }
    std::memcpy(name, nameBuffer, levelRecordNameBytes);
    terminateName(name);
    if (bytes > 0)
        unpackPicture(picture, size, solution);
}

void makePictureBoard(int size)
{
    size = playableSize(size);
    seedRandom(clockSeconds());
    int draw = nextRandom();  // drawn before the file is touched
    int count = levelCountOf(size);
    if (count == 0) {
        // No header: a board without bombs, no record read, no second message.
        blankName(levelName);
        clearSolution(size);
    } else {
        readLevelRecord(size, draw % count, levelName);
    }
    coverBoard(size);
}
