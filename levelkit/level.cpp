#include "level.h"

bool isBoardSize(int size) { return size == 10 || size == 15 || size == 20; }

bool isCreditKey(const std::string& key) { return key == "by" || key == "copyright" || key == "license"; }

int bombCount(const Level& level)
{
    int bombs = 0;
    for (int col = 0; col < level.size; ++col) {
        for (int row = 0; row < level.size; ++row)
            bombs += level.picture[col][row] ? 1 : 0;
    }
    return bombs;
}

bool samePicture(const Level& a, const Level& b)
{
    if (a.size != b.size)
        return false;
    for (int col = 0; col < a.size; ++col) {
        for (int row = 0; row < a.size; ++row) {
            if (a.picture[col][row] != b.picture[col][row])
                return false;
        }
    }
    return true;
}

namespace {

// The smallest rectangle holding every bomb; false for a picture without any.
struct Box {
    int left, top, right, bottom;  // inclusive
};

bool boxOf(const Level& level, Box* box)
{
    *box = {level.size, level.size, -1, -1};
    for (int col = 0; col < level.size; ++col) {
        for (int row = 0; row < level.size; ++row) {
            if (!level.picture[col][row])
                continue;
            box->left = col < box->left ? col : box->left;
            box->right = col > box->right ? col : box->right;
            box->top = row < box->top ? row : box->top;
            box->bottom = row > box->bottom ? row : box->bottom;
        }
    }
    return box->right >= 0;
}

// b's box holds a's box, mirrored as asked.
bool sameInBoxes(const Level& a, const Box& inA, const Level& b, const Box& inB, bool acrossColumns, bool acrossRows)
{
    int width = inA.right - inA.left;
    int height = inA.bottom - inA.top;
    if (width != inB.right - inB.left || height != inB.bottom - inB.top)
        return false;
    for (int x = 0; x <= width; ++x) {
        for (int y = 0; y <= height; ++y) {
            int col = acrossColumns ? inA.right - x : inA.left + x;
            int row = acrossRows ? inA.bottom - y : inA.top + y;
            if (a.picture[col][row] != b.picture[inB.left + x][inB.top + y])
                return false;
        }
    }
    return true;
}

}  // namespace

std::string repeatOf(const Level& a, const Level& b)
{
    if (a.size != b.size)
        return "";
    if (samePicture(a, b))
        return "the same picture";
    Box inA;
    Box inB;
    if (!boxOf(a, &inA) || !boxOf(b, &inB))
        return "";
    const char* ways[4] = {"", "mirrored left to right", "upside down", "turned half round"};
    for (int way = 0; way < 4; ++way) {
        if (!sameInBoxes(a, inA, b, inB, way & 1, way & 2))
            continue;
        // A mirror of the whole board moves the box to the mirrored place.
        int left = way & 1 ? a.size - 1 - inA.right : inA.left;
        int top = way & 2 ? a.size - 1 - inA.bottom : inA.top;
        bool moved = inB.left != left || inB.top != top;
        if (way == 0)
            return "shifted";
        return std::string(ways[way]) + (moved ? " and shifted" : "");
    }
    return "";
}
