#include "artwork.h"

#include "sprites.h"

static Bytes blockFile() { return encodeBmp(drawBlockSheet()); }
static Bytes block2File() { return encodeBmp(drawStripBars()); }
static Bytes timeFile() { return encodeBmp(drawTimeBar()); }
static Bytes scoreFile() { return encodeBmp(drawScoreDigits()); }
static Bytes helpFile() { return encodeBmp(drawHintIcons()); }
static Bytes timerFile() { return encodeBmp(drawHourglasses()); }
static Bytes iconFile() { return encodeIcon(drawIconImages(), iconTransparent); }

static const ArtFile artFiles[] = {
    {"block.bmp", blockFile}, {"block2.bmp", block2File}, {"time.bmp", timeFile},
    {"score.bmp", scoreFile}, {"help.bmp", helpFile},     {"timer.bmp", timerFile},
    {"zemb.ico", iconFile},
};

int artFileCount() { return static_cast<int>(sizeof artFiles / sizeof artFiles[0]); }
const ArtFile& artFile(int index) { return artFiles[index]; }

bool writeArtwork(const std::string& folder, std::string& failedFile)
{
    for (const ArtFile& file : artFiles) {
        if (!writeBytes(folder + "/" + file.fileName, file.encode())) {
            failedFile = file.fileName;
            return false;
        }
    }
    return true;
}
