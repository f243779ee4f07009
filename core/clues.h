#pragma once
// Run lengths of a line of the board. One routine serves rows and columns: a
// line is a first entry, a step between entries and a length. A row of a
// [col][row] grid steps by gridRoom, a column by 1.

const int maxRuns = 16;

// Writes the lengths of the runs of entries for which counts() holds, in line
// order, into runs (room for maxRuns); returns their number.
int lineRuns(const int* first, int step, int length, bool (*counts)(int), int* runs);

bool isBomb(int bit);          // a solution bit
