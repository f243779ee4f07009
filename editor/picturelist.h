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

// Every line anew, and the selection. verdictTexts holds each line's grade
// and verdict as the check's texts give them (verdicts.h).
void showPictureList(const std::vector<std::string>& verdictTexts);
// One line anew (its verdict came, or its name changed), or several.
void showListLine(int index, const std::vector<std::string>& verdictTexts);
void showListLines(const std::vector<int>& indexes, const std::vector<std::string>& verdictTexts);
// The player picked a line: that picture becomes the selected one.
void pickListLine();
