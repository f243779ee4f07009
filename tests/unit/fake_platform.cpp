// The outward operations as recorders for the native tests.
#include "fake_platform.h"

#include <algorithm>
#include <cstring>

#include "game.h"
#include "outward.h"

FakePlatform fake;

void resetFake() { fake = FakePlatform(); }

static std::string nameOf(const std::string& call) { return call.substr(0, call.find(' ')); }

int callCount(const std::string& name)
{
    int count = 0;
    for (const std::string& call : fake.calls)
        count += nameOf(call) == name;
    return count;
}

std::vector<std::string> callsNamed(const std::vector<std::string>& names)
{
    std::vector<std::string> found;
    for (const std::string& call : fake.calls)
        for (const std::string& name : names)
            if (nameOf(call) == name)
                found.push_back(call);
    return found;
}

static void record(const std::string& call) { fake.calls.push_back(call); }

static void runDialog(const char* name, const std::function<void()>& player)
{
    record(name);
    fake.stateInDialog.push_back(game.gameState);
    if (player)
        player();
}

void repaintBlock(int col, int row) { record("repaintBlock " + std::to_string(col) + " " + std::to_string(row)); }

void requestFullRepaint()
{
    record("requestFullRepaint");
    if (fake.onFullRepaint)
        fake.onFullRepaint();
}

void fitWindow(int size) { record("fitWindow " + std::to_string(size)); }

void drawTimeBar()
{
    record("drawTimeBar");
    fake.barDrawnAt.push_back(game.timeLeft);
}

void drawHintArea() { record("drawHintArea " + std::to_string(game.hintsLeft)); }
void drawSeconds() { record("drawSeconds " + std::to_string(game.elapsedSeconds)); }

void drawHourglass()
{
    record("drawHourglass");
    fake.hourglassFrames.push_back(game.tickPhase);
}

void confineCursor(int left, int top, int right, int bottom)
{
    record("confineCursor " + std::to_string(left) + " " + std::to_string(top) + " " + std::to_string(right) +
           " " + std::to_string(bottom));
}

void releaseCursor() { record("releaseCursor"); }

void playBreakSound(int col, int row) { record("playBreakSound " + std::to_string(col) + " " + std::to_string(row)); }
void playCheckSound(int col, int row) { record("playCheckSound " + std::to_string(col) + " " + std::to_string(row)); }
void playErrorSound() { record("playErrorSound"); }
void playHintSound() { record("playHintSound"); }

int readBestTime(int size)
{
    record("readBestTime " + std::to_string(size));
    return fake.bestTime;
}

void runBestDialog() { runDialog("runBestDialog", fake.onBestDialog); }
void runRecordsDialog() { runDialog("runRecordsDialog", nullptr); }
void runWinDialog() { runDialog("runWinDialog", fake.onWinDialog); }
void runLossDialog() { runDialog("runLossDialog", fake.onLossDialog); }

int readLevelBytes(int size, long offset, unsigned char* into, int bytes)
{
    ++fake.levelReadings;
    auto file = fake.levelFiles.find(size);
    if (file == fake.levelFiles.end())
        return -1;
    const std::vector<std::uint8_t>& data = file->second;
    if (fake.levelReadFails || offset < 0 || bytes <= 0 || offset >= static_cast<long>(data.size()))
        return 0;
    int got = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(bytes), data.size() - offset));
    std::memcpy(into, data.data() + offset, static_cast<std::size_t>(got));
    return got;
}

// The shape of CP949: bytes below 0x80 alone; a lead byte 0x81 to 0xFE with
// a second byte 0xA1 to 0xFE, or below lead 0xC7 also 0x41 to 0x5A, 0x61 to
// 0x7A or 0x81 to 0xA0.
static bool cp949Shape(unsigned char lead, unsigned char trail)
{
    if (lead < 0x81 || lead > 0xFE)
        return false;
    if (trail >= 0xA1 && trail <= 0xFE)
        return true;
    return lead < 0xC7 && ((trail >= 0x41 && trail <= 0x5A) || (trail >= 0x61 && trail <= 0x7A) ||
                           (trail >= 0x81 && trail <= 0xA0));
}

bool isAnsiCharacter(const char* bytes, int count)
{
    const unsigned char* b = reinterpret_cast<const unsigned char*>(bytes);
    if (count == 1)
        return b[0] < 0x80;
    if (count != 2)
        return false;
    for (const std::string& unassigned : fake.unassignedCodes)
        if (unassigned == std::string(bytes, 2))
            return false;
    return cp949Shape(b[0], b[1]);
}

void showErrorBox(const char* text) { record(std::string("showErrorBox ") + text); }

unsigned clockSeconds() { return fake.clock; }
