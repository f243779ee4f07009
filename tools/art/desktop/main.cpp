// Writes the desktop entry's icon at every size: desktop_icons <folder>.
#include <cstdio>
#include <string>

#include "desktopicons.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: desktop_icons <output folder>\n");
        return 2;
    }
    std::string failed;
    if (!writeDesktopIcons(argv[1], failed)) {
        std::fprintf(stderr, "desktop_icons: cannot write %s/%s\n", argv[1], failed.c_str());
        return 1;
    }
    return 0;
}
