// Timings taken from inside the Wine session, for the benchmark command.
//
//   benchprobe start <exe> <title> x,y [x,y ...]
//       starts the program and prints the milliseconds until its window shows
//       every given client point in a colour other than the light-gray
//       background: the first complete paint. Then closes the window.
//   benchprobe paint <title> <count>
//       prints the mean milliseconds of a full repaint (invalidate + update).
//   benchprobe changed <title> <count> x,y
//       prints the mean milliseconds of a right click at the client point
//       followed by a full repaint: a paint of a board that has changed.
//   benchprobe action <title> <count> x,y
//       prints the mean milliseconds of a right click at the client point,
//       handled with its block repaint.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

LARGE_INTEGER frequency;

double millisecondsSince(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * (now.QuadPart - start.QuadPart) / frequency.QuadPart;
}

POINT parsePoint(const char* text)
{
    POINT p = {0, 0};
    std::sscanf(text, "%ld,%ld", &p.x, &p.y);
    return p;
}

bool allPainted(HWND window, const std::vector<POINT>& points)
{
    HDC screen = GetDC(nullptr);
    bool painted = true;
    for (POINT p : points) {
        POINT at = p;
        ClientToScreen(window, &at);
        COLORREF c = GetPixel(screen, at.x, at.y);
        if (c == CLR_INVALID || c == RGB(192, 192, 192))
            painted = false;
    }
    ReleaseDC(nullptr, screen);
    return painted;
}

int timeStart(int argc, char** argv)
{
    std::vector<POINT> points;
    for (int i = 4; i < argc; ++i)
        points.push_back(parsePoint(argv[i]));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(argv[2], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::printf("error cannot-start\n");
        return 1;
    }
    double shown = -1, painted = -1;
    while (millisecondsSince(start) < 30000) {
        HWND window = FindWindowA(nullptr, argv[3]);
        if (window && IsWindowVisible(window)) {
            if (shown < 0)
                shown = millisecondsSince(start);
            if (allPainted(window, points)) {
                painted = millisecondsSince(start);
                PostMessageA(window, WM_CLOSE, 0, 0);
                break;
            }
        }
        Sleep(1);
    }
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::printf("start shown_ms=%.1f painted_ms=%.1f\n", shown, painted);
    return painted < 0 ? 1 : 0;
}

int timePaint(char** argv)
{
    HWND window = FindWindowA(nullptr, argv[2]);
    int count = std::atoi(argv[3]);
    if (!window || count <= 0)
        return 1;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < count; ++i) {
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
    }
    std::printf("paint mean_ms=%.3f\n", millisecondsSince(start) / count);
    return 0;
}

// Right clicks at a client point, each followed by a full repaint when asked.
int timeClicks(char** argv, const char* name, bool withPaint)
{
    HWND window = FindWindowA(nullptr, argv[2]);
    int count = std::atoi(argv[3]);
    POINT p = parsePoint(argv[4]);
    if (!window || count <= 0)
        return 1;
    LPARAM where = MAKELPARAM(p.x, p.y);
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < count; ++i) {
        SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, where);
        SendMessageA(window, WM_RBUTTONUP, 0, where);
        if (withPaint) {
            InvalidateRect(window, nullptr, TRUE);
            UpdateWindow(window);
        }
    }
    std::printf("%s mean_ms=%.3f\n", name, millisecondsSince(start) / count);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QueryPerformanceFrequency(&frequency);
    if (argc >= 5 && std::string_view(argv[1]) == "start")
        return timeStart(argc, argv);
    if (argc >= 4 && std::string_view(argv[1]) == "paint")
        return timePaint(argv);
    if (argc >= 5 && std::string_view(argv[1]) == "changed")
        return timeClicks(argv, "changed", true);
    if (argc >= 5 && std::string_view(argv[1]) == "action")
        return timeClicks(argv, "action", false);
    std::printf("error usage\n");
    return 1;
}
