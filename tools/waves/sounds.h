#pragma once
// The game's five wave sounds, each as a complete RIFF WAVE file image.
#include "riffimage.h"

Bytes makeCrashWave();  // the break sound: a block crumbles
Bytes makeEraseWave();  // the check sound: a short click
Bytes makeNoWave();     // the error sound: a buzz
Bytes makeHelpWave();   // the hint sound: a chime
Bytes makeBestWave();   // the best-time sound: a fanfare

struct WaveFile {
    const char* fileName;
    Bytes (*make)();
};
const int waveFileCount = 5;
extern const WaveFile waveFiles[waveFileCount];
