#pragma once
// A recorder of every outward operation of the game core, with scripted
// answers: the best time, the dialogs' behaviour and the clock.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

struct FakePlatform {
    std::vector<std::string> calls;  // "repaintBlock 3 4", "runLossDialog", ...
    std::vector<int> barDrawnAt;     // timeLeft at each drawTimeBar
    std::vector<int> hourglassFrames;
    std::vector<int> stateInDialog;  // gameState while each dialog ran
    int bestTime = 9999;
    unsigned clock = 1;
    // The level files by board size; a size without an entry cannot be opened.
    std::map<int, std::vector<std::uint8_t>> levelFiles;
    bool levelReadFails = false;     // the file opens, but every read fails
    int levelReadings = 0;           // readLevelBytes calls, each one opening
    // Double-byte codes of CP949's shape that the code page holds no character for.
    std::vector<std::string> unassignedCodes;
    // Run inside a dialog or a repaint, to play the player's part.
    std::function<void()> onLossDialog;
    std::function<void()> onWinDialog;
    std::function<void()> onBestDialog;
    std::function<void()> onFullRepaint;
};

extern FakePlatform fake;

void resetFake();
// How many calls begin with the given name (a whole word).
int callCount(const std::string& name);
// The calls whose name is one of names, in order.
std::vector<std::string> callsNamed(const std::vector<std::string>& names);
