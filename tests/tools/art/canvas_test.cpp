// The drawing primitives: the window's line rule and safe clipping.
#include <gtest/gtest.h>

#include "canvas.h"
#include "picturecheck.h"

TEST(Canvas, LinesDrawTheirStartButNotTheirEndLikeTheWindowsLineTo)
{
    Canvas canvas = makeCanvas(10, 10, white);
    drawLine(canvas, 2, 3, 7, 3, black);
    EXPECT_EQ(pixelAt(canvas, 2, 3), black);
    EXPECT_EQ(pixelAt(canvas, 6, 3), black);
    EXPECT_EQ(pixelAt(canvas, 7, 3), white);
    EXPECT_EQ(countColour(canvas, 0, 0, 10, 10, black), 5);
    drawSegment(canvas, 2, 5, 7, 5, black);
    EXPECT_EQ(pixelAt(canvas, 7, 5), black);
    drawLine(canvas, 4, 4, 4, 4, red);  // an empty line draws nothing
    EXPECT_EQ(countColour(canvas, 0, 0, 10, 10, red), 0);
}

TEST(Canvas, DrawingOffTheCanvasIsClippedAndEmptyCanvasesStayEmpty)
{
    Canvas canvas = makeCanvas(4, 4, white);
    fillRect(canvas, -10, -10, 12, 12, black);
    drawLine(canvas, -100, 1, 100, 1, blue);
    drawRing(canvas, 0, 0, 400, 400, 3, red);
    copyRect(canvas, 2, 2, makeCanvas(1, 1, red), -1, -1, 9, 9);
    EXPECT_EQ(pixelAt(canvas, 1, 1), blue);
    EXPECT_EQ(pixelAt(canvas, 3, 3), red);  // only the source's one pixel is copied
    EXPECT_EQ(pixelAt(canvas, 2, 2), white);
    EXPECT_EQ(countColour(canvas, 0, 0, 4, 4, red), 1);
    EXPECT_EQ(pixelAt(canvas, -1, 0), black);  // outside reads as black
    Canvas none = makeCanvas(-3, 5, white);
    EXPECT_EQ(none.width, 0);
    EXPECT_TRUE(none.pixels.empty());
    fillRect(none, 0, 0, 5, 5, black);
    EXPECT_EQ(pixelAt(none, 0, 0), black);
}

TEST(Canvas, RingsLeaveTheirInsideAlone)
{
    Canvas canvas = makeCanvas(21, 21, white);
    drawRing(canvas, 21, 21, 20, 20, 2, red);  // centre (10.5, 10.5), radius 10
    EXPECT_EQ(pixelAt(canvas, 10, 10), white);
    EXPECT_EQ(pixelAt(canvas, 0, 10), red);
    EXPECT_EQ(pixelAt(canvas, 1, 10), red);
    EXPECT_EQ(pixelAt(canvas, 2, 10), white);
    EXPECT_EQ(pixelAt(canvas, 20, 10), red);
    EXPECT_EQ(pixelAt(canvas, 10, 0), red);
    EXPECT_EQ(pixelAt(canvas, 0, 0), white);  // corners lie outside
}
