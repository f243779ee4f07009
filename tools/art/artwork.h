#pragma once
// Every picture file of the game, by the name the resource script gives it.
#include <string>

#include "bmpfile.h"

struct ArtFile {
    const char* fileName;
    Bytes (*encode)();
};

int artFileCount();
const ArtFile& artFile(int index);

// Writes every picture into the folder; false, naming the file, on the first
// that cannot be written.
bool writeArtwork(const std::string& folder, std::string& failedFile);
