#pragma once
// The editor's Korean texts (UTF-8) for the level check's findings.
#include <string>

// The level tool's grade text in Korean: "쉬움, 4 라운드".
std::string koreanGradeText(int rounds, int steps, int size);
std::string uniqueByLinesText(int rounds, int steps, int size);
std::string linesStopText(int undecided);
std::string severalPicturesText(int differing);
std::string needsGuessingText();
std::string unknownCountText(double seconds);
std::string bombShareText(int percent);
std::string emptyPictureText();
// index is the earlier picture's place (from 0); how is repeatOf's account.
std::string repeatText(int index, const std::string& how);
// A flipped block, by its column and row from 0: "3열 7행 블럭을 폭탄으로".
std::string flipText(int col, int row, int value);
