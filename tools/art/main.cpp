// Draws every picture of the game and writes the files the resource script
// packs: art <folder>.
#include <cstdio>
#include <string>

#include "artwork.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: art <output folder>\n");
        return 2;
    }
    std::string failed;
    if (!writeArtwork(argv[1], failed)) {
        std::fprintf(stderr, "art: cannot write %s/%s\n", argv[1], failed.c_str());
        return 1;
    }
    return 0;
}
