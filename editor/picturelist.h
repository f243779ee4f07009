#pragma once
// The list of the file's pictures: one line each with its number, name,
// grade and verdict, the selected picture's line selected.
#include <vector>

// Every line anew, and the selection.
void showPictureList();
// One line anew (its verdict came, or its name changed), or several.
void showListLine(int index);
void showListLines(const std::vector<int>& indexes);
// The player picked a line: that picture becomes the selected one.
void pickListLine();
