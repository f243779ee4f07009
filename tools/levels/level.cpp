#include "level.h"

bool isBoardSize(int size) { return size == 10 || size == 15 || size == 20; }

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
