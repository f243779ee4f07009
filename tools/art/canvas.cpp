#include "canvas.h"

#include <cmath>
#include <cstdlib>

bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
bool operator!=(Rgb a, Rgb b) { return !(a == b); }

Canvas makeCanvas(int width, int height, Rgb fill)
{
    Canvas canvas;
    if (width <= 0 || height <= 0)
        return canvas;
    canvas.width = width;
    canvas.height = height;
    canvas.pixels.assign(static_cast<size_t>(width) * height, fill);
    return canvas;
}

bool insideCanvas(const Canvas& canvas, int x, int y)
{
    return x >= 0 && y >= 0 && x < canvas.width && y < canvas.height;
}

Rgb pixelAt(const Canvas& canvas, int x, int y)
{
    if (!insideCanvas(canvas, x, y))
        return black;
    return canvas.pixels[static_cast<size_t>(y) * canvas.width + x];
}

void setPixel(Canvas& canvas, int x, int y, Rgb colour)
{
    if (insideCanvas(canvas, x, y))
        canvas.pixels[static_cast<size_t>(y) * canvas.width + x] = colour;
}

void fillRect(Canvas& canvas, int x, int y, int width, int height, Rgb colour)
{
    for (int row = y; row < y + height; ++row)
        for (int col = x; col < x + width; ++col)
            setPixel(canvas, col, row, colour);
}

// Bresenham from (x0, y0) towards (x1, y1); the end point only when asked.
static void traceLine(Canvas& canvas, int x0, int y0, int x1, int y1, Rgb colour, bool withEnd)
{
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    int x = x0, y = y0;
    while (x != x1 || y != y1) {
        setPixel(canvas, x, y, colour);
        int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
    if (withEnd)
        setPixel(canvas, x1, y1, colour);
}

void drawLine(Canvas& canvas, int x0, int y0, int x1, int y1, Rgb colour)
{
    traceLine(canvas, x0, y0, x1, y1, colour, false);
}

void drawSegment(Canvas& canvas, int x0, int y0, int x1, int y1, Rgb colour)
{
    traceLine(canvas, x0, y0, x1, y1, colour, true);
}

// Whether the centre of pixel (x, y) lies inside the ellipse; all in half
// pixels and whole numbers, so every run draws the same pixels.
static bool insideEllipse(int x, int y, int cx2, int cy2, int rx2, int ry2)
{
    if (rx2 <= 0 || ry2 <= 0)
        return false;
    long long dx = 2LL * x + 1 - cx2;
    long long dy = 2LL * y + 1 - cy2;
    long long a2 = 1LL * rx2 * rx2, b2 = 1LL * ry2 * ry2;
    return dx * dx * b2 + dy * dy * a2 <= a2 * b2;
}

void fillEllipse(Canvas& canvas, int cx2, int cy2, int rx2, int ry2, Rgb colour)
{
    for (int y = (cy2 - ry2) / 2 - 1; y <= (cy2 + ry2) / 2 + 1; ++y)
        for (int x = (cx2 - rx2) / 2 - 1; x <= (cx2 + rx2) / 2 + 1; ++x)
            if (insideEllipse(x, y, cx2, cy2, rx2, ry2))
                setPixel(canvas, x, y, colour);
}

void drawRing(Canvas& canvas, int cx2, int cy2, int rx2, int ry2, int thickness, Rgb colour)
{
    int inner = 2 * thickness;
    for (int y = (cy2 - ry2) / 2 - 1; y <= (cy2 + ry2) / 2 + 1; ++y)
        for (int x = (cx2 - rx2) / 2 - 1; x <= (cx2 + rx2) / 2 + 1; ++x)
            if (insideEllipse(x, y, cx2, cy2, rx2, ry2) &&
                !insideEllipse(x, y, cx2, cy2, rx2 - inner, ry2 - inner))
                setPixel(canvas, x, y, colour);
}

void copyRect(Canvas& target, int tx, int ty, const Canvas& source, int sx, int sy,
              int width, int height)
{
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col)
            if (insideCanvas(source, sx + col, sy + row))
                setPixel(target, tx + col, ty + row, pixelAt(source, sx + col, sy + row));
}

Canvas rotated(const Canvas& source, int degrees, Rgb background)
{
    Canvas turned = makeCanvas(source.width, source.height, background);
    const double pi = 3.14159265358979323846;
    double angle = degrees * pi / 180.0;
    double c = std::cos(angle), s = std::sin(angle);
    double mx = source.width / 2.0, my = source.height / 2.0;
    for (int y = 0; y < turned.height; ++y)
        for (int x = 0; x < turned.width; ++x) {
            // Back from the turned picture into the source.
            double u = x + 0.5 - mx, v = y + 0.5 - my;
            double su = c * u + s * v, sv = -s * u + c * v;
            int fx = static_cast<int>(std::floor(su + mx + 1e-9));
            int fy = static_cast<int>(std::floor(sv + my + 1e-9));
            if (insideCanvas(source, fx, fy))
                setPixel(turned, x, y, pixelAt(source, fx, fy));
        }
    return turned;
}

void paintRaisedBox(Canvas& canvas, int x, int y, int width, int height)
{
    if (width < 2 || height < 2)
        return;
    int right = x + width - 1, bottom = y + height - 1;
    fillRect(canvas, x, y, width, height, lightGray);
    fillRect(canvas, x, y, width - 1, 1, white);
    fillRect(canvas, x, y, 1, height - 1, white);
    fillRect(canvas, right - 1, y + 1, 1, height - 2, gray);
    fillRect(canvas, x + 1, bottom - 1, width - 2, 1, gray);
    fillRect(canvas, right, y, 1, height, black);
    fillRect(canvas, x, bottom, width, 1, black);
}
