#pragma once
// Digits drawn like the game's 12-pixel Arial clue numbers: 5 x 8 glyphs on
// a 6-pixel advance, their tops 2 pixels below the text's top edge.
#include "canvas.h"

const int glyphAdvance = 6;
const int glyphHeight = 8;
const int glyphTopGap = 2;

// Width in pixels of a text of digits at the given scale (other characters
// take an advance and draw nothing).
int textWidth(const char* text, int scale);
void drawText(Canvas& canvas, int x, int top, const char* text, int scale, Rgb colour);
// The window's DT_CENTER for a text that is not single-line: centred across
// the rectangle's width, starting at its top edge.
void drawCentredText(Canvas& canvas, int left, int top, int width, const char* text, int scale,
                     Rgb colour);
