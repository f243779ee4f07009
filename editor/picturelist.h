#pragma once
// The list of the file's pictures: one line each with its number, name,
// grade and verdict, the selected picture's line selected. The list draws
// its lines itself, each part in a column of its own: a long name is cut
// short with an ellipsis, and the grade and the verdict always show.
#include <windows.h>

#include <string>
#include <vector>

// The lines' height for the list's font (the list is owner-drawn, fixed).
void fitListLines(HWND list);
// One line, for the main window's WM_DRAWITEM.
void drawListLine(const DRAWITEMSTRUCT* item);

// A line's grade and verdict, as the check's texts give them (verdicts.h);
// asked only of the lines shown anew.
typedef std::string (*VerdictTextOf)(int index);

// Every line anew, and the selection.
void showPictureList(VerdictTextOf verdictText);
// One line anew (its verdict came, or its name changed), or several.
void showListLine(int index, VerdictTextOf verdictText);
void showListLines(const std::vector<int>& indexes, VerdictTextOf verdictText);
// The player picked a line: that picture becomes the selected one.
void pickListLine();
