#pragma once
// The icon of the Linux desktop entry: the program's own icon pictures as PNG
// files at the sizes desktops look for, bombagram2-<size>.png.
#include <string>
#include <vector>

#include "canvas.h"

const std::vector<int>& desktopIconSizes();

// The 16-pixel icon is the program's small picture; every larger one is its
// 32-pixel picture scaled by nearest pixel, so the desktop shows the same
// icon as the window's caption.
Canvas drawDesktopIcon(int size);

std::string desktopIconFileName(int size);

// Writes every size into the folder; false, naming the file, on the first
// that cannot be written.
bool writeDesktopIcons(const std::string& folder, std::string& failedFile);
