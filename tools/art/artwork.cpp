#include "artwork.h"

#include "helppictures.h"
#include "sprites.h"

static Bytes blockFile() { return encodeBmp(drawBlockSheet()); }
static Bytes block2File() { return encodeBmp(drawStripBars()); }
static Bytes timeFile() { return encodeBmp(drawTimeBar()); }
static Bytes scoreFile() { return encodeBmp(drawScoreDigits()); }
static Bytes helpFile() { return encodeBmp(drawHintIcons()); }
static Bytes timerFile() { return encodeBmp(drawHourglasses()); }
static Bytes iconFile() { return encodeIcon(drawIconImages(), iconTransparent); }
static Bytes overviewFile() { return encodeBmp(drawHelpOverview()); }
static Bytes step1File() { return encodeBmp(drawHelpStep(1)); }
static Bytes step2File() { return encodeBmp(drawHelpStep(2)); }
static Bytes step3File() { return encodeBmp(drawHelpStep(3)); }
static Bytes step4File() { return encodeBmp(drawHelpStep(4)); }
static Bytes step5File() { return encodeBmp(drawHelpStep(5)); }
static Bytes step6File() { return encodeBmp(drawHelpStep(6)); }
static Bytes step7File() { return encodeBmp(drawHelpStep(7)); }

static const ArtFile artFiles[] = {
    {"block.bmp", blockFile}, {"block2.bmp", block2File}, {"time.bmp", timeFile},
    {"score.bmp", scoreFile}, {"help.bmp", helpFile},     {"timer.bmp", timerFile},
    {"zemb.ico", iconFile},   {"help0.bmp", overviewFile}, {"help1.bmp", step1File},
    {"help2.bmp", step2File}, {"help3.bmp", step3File},    {"help4.bmp", step4File},
    {"help5.bmp", step5File}, {"help6.bmp", step6File},    {"help7.bmp", step7File},
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
