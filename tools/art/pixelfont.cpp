#include "pixelfont.h"

#include <cstring>

static const char* const digitGlyphs[10][glyphHeight] = {
    {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "...#.", "...#.", "...#.", "...#.", "...#."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#....", "#####"},
    {".###.", "#...#", "....#", "..##.", "....#", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#..#.", "#####", "...#.", "...#."},
    {"#####", "#....", "####.", "....#", "....#", "....#", "#...#", ".###."},
    {".###.", "#...#", "#....", "####.", "#...#", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "...#.", "..#..", "..#..", ".#...", ".#..."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", "#...#", ".####", "....#", "#...#", ".###."},
};

int textWidth(const char* text, int scale)
{
    return static_cast<int>(std::strlen(text)) * glyphAdvance * scale;
}

// A glyph sits one pixel into its advance, as Arial's digits do.
static void drawGlyph(Canvas& canvas, int x, int top, int digit, int scale, Rgb colour)
{
    for (int row = 0; row < glyphHeight; ++row)
        for (int col = 0; col < 5; ++col)
            if (digitGlyphs[digit][row][col] == '#')
                fillRect(canvas, x + (1 + col) * scale, top + (glyphTopGap + row) * scale, scale,
                         scale, colour);
}

void drawText(Canvas& canvas, int x, int top, const char* text, int scale, Rgb colour)
{
    for (const char* c = text; *c != '\0'; ++c, x += glyphAdvance * scale)
        if (*c >= '0' && *c <= '9')
            drawGlyph(canvas, x, top, *c - '0', scale, colour);
}

void drawCentredText(Canvas& canvas, int left, int top, int width, const char* text, int scale,
                     Rgb colour)
{
    drawText(canvas, left + (width - textWidth(text, scale)) / 2, top, text, scale, colour);
}
