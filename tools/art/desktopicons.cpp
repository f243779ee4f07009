#include "desktopicons.h"

#include "pngfile.h"
#include "sprites.h"

const std::vector<int>& desktopIconSizes()
{
    static const std::vector<int> sizes = {16, 32, 48, 64, 128, 256};
    return sizes;
}

static Canvas scaledByNearestPixel(const Canvas& source, int size)
{
    Canvas target = makeCanvas(size, size, iconTransparent);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            setPixel(target, x, y, pixelAt(source, x * source.width / size, y * source.height / size));
    return target;
}

Canvas drawDesktopIcon(int size)
{
    std::vector<Canvas> images = drawIconImages();
    const Canvas& large = images[0];
    const Canvas& small = images[1];
    if (size == small.width)
        return small;
    return scaledByNearestPixel(large, size);
}

std::string desktopIconFileName(int size)
{
    return "bombagram2-" + std::to_string(size) + ".png";
}

bool writeDesktopIcons(const std::string& folder, std::string& failedFile)
{
    for (int size : desktopIconSizes()) {
        std::string name = desktopIconFileName(size);
        if (!writeBytes(folder + "/" + name, encodePng(drawDesktopIcon(size), iconTransparent))) {
            failedFile = name;
            return false;
        }
    }
    return true;
}
