// The five sound effects through DirectSound. Every block of the largest
// board has its own break and check buffer, so the sounds of a stroke
// overlap instead of cutting each other off. Without a device the game is
// silent and says nothing about it.
#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <cstring>

#include "sound.h"
#include "game.h"
#include "outward.h"
#include "wavechunks.h"

namespace {

const int bankEdge = 20;  // the largest board's edge

LPDIRECTSOUND soundDevice;
LPDIRECTSOUNDBUFFER primaryBuffer;
LPDIRECTSOUNDBUFFER breakBuffers[bankEdge][bankEdge];  // [column][row], "CRASH"
LPDIRECTSOUNDBUFFER checkBuffers[bankEdge][bankEdge];  // [column][row], "ERASE"
LPDIRECTSOUNDBUFFER errorBuffer;
LPDIRECTSOUNDBUFFER hintBuffer;
LPDIRECTSOUNDBUFFER bestTimeBuffer;

// Static one-shot buffers that keep the controls DirectSound offers them.
const DWORD secondaryFlags = DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN |
                             DSBCAPS_CTRLVOLUME | DSBCAPS_GETCURRENTPOSITION2;
static_assert(secondaryFlags == 0x100E2, "secondary buffer flags");
// The five-field description of the first DirectSound versions (20 bytes in
// the 32-bit game, larger with a 64-bit build's format pointer; dwSize says which).
#ifndef _WIN64
static_assert(sizeof(DSBUFFERDESC1) == 20, "buffer description size");
#endif

struct WaveResource {
    WAVEFORMATEX format;
    const unsigned char* data;
    DWORD dataLength;
};

DSBUFFERDESC1 bufferDescription(DWORD flags, DWORD bytes, WAVEFORMATEX* format)
{
    DSBUFFERDESC1 description;
    std::memset(&description, 0, sizeof description);
    description.dwSize = sizeof description;
    description.dwFlags = flags;
    description.dwBufferBytes = bytes;
    description.lpwfxFormat = format;
    return description;
}

HRESULT createBuffer(LPDIRECTSOUND device, const DSBUFFERDESC1& description, LPDIRECTSOUNDBUFFER* buffer)
{
    *buffer = nullptr;
    return device->CreateSoundBuffer(reinterpret_cast<LPCDSBUFFERDESC>(&description), buffer, nullptr);
}

// The format is copied out of its chunk (at most the chunk's own bytes), so
// DirectSound never reads past a short "fmt " chunk at the end of a resource.
void takeFormat(const WaveChunks& chunks, WAVEFORMATEX* format)
{
    std::memset(format, 0, sizeof *format);
    unsigned long length = chunks.formatLength;
    if (length > sizeof(PCMWAVEFORMAT))
        length = sizeof(PCMWAVEFORMAT);
    std::memcpy(format, chunks.format, length);
}

void releaseBuffer(LPDIRECTSOUNDBUFFER* buffer)
{
    if (*buffer != nullptr)
        (*buffer)->Release();
    *buffer = nullptr;
}

void releaseDevice()
{
    releaseBuffer(&primaryBuffer);
    if (soundDevice != nullptr)
        soundDevice->Release();
    soundDevice = nullptr;
}

void playBuffer(LPDIRECTSOUNDBUFFER buffer)
{
    if (game.soundEnabled && buffer != nullptr)
        buffer->Play(0, 0, 0);  // once, from where it stands; the result does not matter
}

bool inBank(int col, int row)
{
    return col >= 0 && col < bankEdge && row >= 0 && row < bankEdge;
}

bool openDevice(HWND window)
{
    if (DirectSoundCreate(nullptr, &soundDevice, nullptr) != DS_OK) {
        soundDevice = nullptr;
        return false;
    }
    if (soundDevice->SetCooperativeLevel(window, DSSCL_PRIORITY) != DS_OK)
        return false;
    return createBuffer(soundDevice, bufferDescription(DSBCAPS_PRIMARYBUFFER, 0, nullptr), &primaryBuffer) ==
           DS_OK;
}

bool findWave(const char* name, WaveResource* wave)
{
    HMODULE program = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(program, name, "WAVE");
    if (found == nullptr)
        return false;
    DWORD size = SizeofResource(program, found);
    HGLOBAL loaded = LoadResource(program, found);
    const void* image = loaded != nullptr ? LockResource(loaded) : nullptr;
    WaveChunks chunks;
    if (image == nullptr || !scanWaveChunks(static_cast<const unsigned char*>(image), size, &chunks))
        return false;
    takeFormat(chunks, &wave->format);
    wave->data = chunks.data;
    wave->dataLength = chunks.dataLength;
    return true;
}

bool copyIntoBuffer(LPDIRECTSOUNDBUFFER buffer, const unsigned char* bytes, DWORD length)
{
    if (buffer == nullptr || bytes == nullptr || length == 0)
        return false;
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstSize = 0;
    DWORD secondSize = 0;
    if (FAILED(buffer->Lock(0, length, &first, &firstSize, &second, &secondSize, 0)))
        return false;
    // Never more than the sample bytes, whatever sizes the lock reports.
    DWORD intoFirst = firstSize < length ? firstSize : length;
    std::memcpy(first, bytes, intoFirst);
    DWORD rest = length - intoFirst;
    if (second != nullptr && secondSize != 0 && rest != 0)
        std::memcpy(second, bytes + intoFirst, secondSize < rest ? secondSize : rest);
    buffer->Unlock(first, firstSize, second, secondSize);
    return true;
}

LPDIRECTSOUNDBUFFER createWaveBuffer(LPDIRECTSOUND device, const char* name)
{
    WaveResource wave;
    if (!findWave(name, &wave))
        return nullptr;
    LPDIRECTSOUNDBUFFER buffer = nullptr;
    if (FAILED(createBuffer(device, bufferDescription(secondaryFlags, wave.dataLength, &wave.format), &buffer)))
        return nullptr;
    if (!copyIntoBuffer(buffer, wave.data, wave.dataLength)) {
        releaseBuffer(&buffer);
        return nullptr;
    }
    return buffer;
}

void loadBanks()
{
    for (int col = 0; col < bankEdge; ++col)
        for (int row = 0; row < bankEdge; ++row) {
            breakBuffers[col][row] = createWaveBuffer(soundDevice, "CRASH");
            checkBuffers[col][row] = createWaveBuffer(soundDevice, "ERASE");
        }
    errorBuffer = createWaveBuffer(soundDevice, "NO");
    hintBuffer = createWaveBuffer(soundDevice, "HELP");
    bestTimeBuffer = createWaveBuffer(soundDevice, "BEST");
}

}  // namespace

void setUpSound(HWND window)
{
    if (soundDevice != nullptr)
        return;  // one set-up per run
    game.soundEnabled = false;
    if (!openDevice(window)) {
        releaseDevice();  // whatever part of the device was made
        return;
    }
    loadBanks();
    primaryBuffer->SetVolume(DSBVOLUME_MAX);
    primaryBuffer->SetPan(DSBPAN_CENTER);
    game.soundEnabled = true;
}

void releaseSound()
{
    if (!game.soundEnabled)
        return;
    game.soundEnabled = false;
    for (int col = 0; col < bankEdge; ++col)
        for (int row = 0; row < bankEdge; ++row) {
            releaseBuffer(&breakBuffers[col][row]);
            releaseBuffer(&checkBuffers[col][row]);
        }
    releaseBuffer(&errorBuffer);
    releaseBuffer(&hintBuffer);
    releaseBuffer(&bestTimeBuffer);
    releaseDevice();
}

void playBreakSound(int col, int row)
{
    if (inBank(col, row))
        playBuffer(breakBuffers[col][row]);
}

void playCheckSound(int col, int row)
{
    if (inBank(col, row))
        playBuffer(checkBuffers[col][row]);
}

void playErrorSound() { playBuffer(errorBuffer); }
void playHintSound() { playBuffer(hintBuffer); }
void playBestTimeSound() { playBuffer(bestTimeBuffer); }
