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
// What the level tool found wrong in a picture file it read (a .non puzzle
// or a level source), told in Korean: each line of its account, from
// "cross.non:7: the board is 12 x 12; ..." to "cross.non 7번째 줄: 판이 ...".
// A wording the table does not know becomes a general Korean line.
std::string koreanReadProblem(const std::string& flaw, const std::string& path);
