// waves OUTPUT_FOLDER: writes the game's five wave files (crash.wav,
// erase.wav, no.wav, help.wav, best.wav) into the folder.
#include <cstdio>
#include <string>

#include "sounds.h"

static bool writeFile(const std::string& path, const Bytes& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: waves OUTPUT_FOLDER\n");
        return 2;
    }
    for (const WaveFile& wave : waveFiles) {
        const std::string path = std::string(argv[1]) + "/" + wave.fileName;
        if (!writeFile(path, wave.make())) {
            std::fprintf(stderr, "waves: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
