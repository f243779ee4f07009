#include "layout.h"

int boardLeft = 44;
int boardTop = 53;
int panelTop = 203;

Layout layoutFor(int size)
{
    switch (size) {
    case 15: return {68, 88, 313, 317, 373, 45, 15, 15, 0};
    case 20: return {84, 94, 394, 408, 454, 45, 0, 0, 0};
    default: return {44, 53, 203, 218, 263, 45, 30, 30, 0};
    }
}

void setLayout(int size)
{
    Layout layout = layoutFor(size);
    boardLeft = layout.boardLeft;
    boardTop = layout.boardTop;
    panelTop = layout.panelTop;
}

int barAreaEnd(int timeMax) { return barLeft + timeMax + 4; }
int hintAreaEnd(int timeMax) { return barLeft + timeMax + 64; }
int hintIconX(int timeMax, int k) { return barLeft + timeMax + 5 + 20 * (k - 1); }

void secondsDigits(int seconds, int digits[3])
{
    const int blank = 10;
    int e = seconds;
    if (e > 999)
        e = 999;  // the counter has three digits; longer games show 999
    if (e < 0)
        e = 0;
    int h = e / 100;
    int t = e / 10 - 10 * (e / 100);
    if (h == 0)
        h = blank;
    if (t == 0 && h == blank)
        t = blank;
    digits[0] = h;
    digits[1] = t;
    digits[2] = e % 10;
}
