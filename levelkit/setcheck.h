#pragma once
// The rules the shipped levels keep as a whole set, the three sizes together:
// every subject once, so no name twice, and not too many pictures that are
// the same on both halves.
#include <string>
#include <vector>

#include "levelset.h"

// A picture counts as mirror-symmetric when at least this share of its
// blocks equal their left-right mirror...
const int symmetricBlockPercent = 90;
// ...and at most this share of a size's pictures may be so.
const int mostSymmetricPercent = 40;

// Every level whose name another level of the sets had before it, with both
// places: "name 고양이 twice: levels/10/15-cat.txt and levels/20/25-cat.txt".
// Names are compared without their blanks ("웃는 얼굴" is "웃는얼굴").
std::vector<std::string> repeatedNames(const std::vector<LevelSet>& sets);

// The percent (rounded down) of a picture's blocks that equal their
// left-right mirror, and whether that makes it a mirror-symmetric picture.
int mirrorPercent(const Level& level);
bool isMirrorSymmetric(const Level& level);

// Of the well-formed pictures of one board size, how many are mirror-symmetric.
struct SymmetryShare {
    int size = 0;
    int symmetric = 0;
    int pictures = 0;
};
// One share per board size the sets hold, in size order.
std::vector<SymmetryShare> symmetryShares(const std::vector<LevelSet>& sets);
bool tooSymmetric(const SymmetryShare& share);
// "10 x 10: 12 of 57 pictures (21%) mirror-symmetric, at most 40%".
std::string symmetryText(const SymmetryShare& share);
