#pragma once
// The list of the file's pictures: one line each with its number, name,
// grade and verdict, the selected picture's line selected.

// Every line anew, and the selection.
void showPictureList();
// One line anew (its verdict came, or its name changed).
void showListLine(int index);
// The player picked a line: that picture becomes the selected one.
void pickListLine();
