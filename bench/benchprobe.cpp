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
//   benchprobe editor x,y [x,y ...]
//       in the level editor's window: for picture k of its list, selects it
//       and draws on the board point given k-th (a free block) two strokes,
//       the left button's and then the right one's, which leave the picture
//       as it was. Prints the milliseconds from the second button going up
//       until the window shows the verdict, and until it shows the
//       suggestions (the label above them changes from "checking").
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
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

const char editorClass[] = "Bombagram2Editor";
const int editorList = 100, editorBoard = 120, editorVerdict = 130, editorSuggestionLabel = 140;
const double editorPatienceMs = 20000;

// "검사 중" (checking) in the editor's code page, CP949: the verdict and the
// suggestions label say it while the check runs.
const char checkingText[] = "\xB0\xCB\xBB\xE7 \xC1\xDF";

bool checking(HWND control)
{
    char text[4096] = "";
    GetWindowTextA(control, text, sizeof text);
    return std::strstr(text, checkingText) != nullptr;
}

// Milliseconds from start until the control no longer says "checking"; -1 when it always does.
double untilChecked(HWND control, const LARGE_INTEGER& start)
{
    while (millisecondsSince(start) < editorPatienceMs) {
        if (!checking(control))
            return millisecondsSince(start);
        Sleep(2);
    }
    return -1;
}

void selectPicture(HWND window, int index)
{
    HWND list = GetDlgItem(window, editorList);
    SendMessageA(list, LB_SETCURSEL, index, 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(editorList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

int timeEditor(int argc, char** argv)
{
    HWND window = FindWindowA(editorClass, nullptr);
    if (!window)
        return 1;
    HWND board = GetDlgItem(window, editorBoard);
    HWND verdict = GetDlgItem(window, editorVerdict);
    HWND label = GetDlgItem(window, editorSuggestionLabel);
    for (int k = 0; k + 2 < argc; ++k) {
        POINT p = parsePoint(argv[k + 2]);
        const LPARAM where = MAKELPARAM(p.x, p.y);
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        selectPicture(window, k);
        untilChecked(label, start);  // the selected picture's own check first
        SendMessageA(board, WM_LBUTTONDOWN, MK_LBUTTON, where);
        SendMessageA(board, WM_LBUTTONUP, 0, where);
        SendMessageA(board, WM_RBUTTONDOWN, MK_RBUTTON, where);
        QueryPerformanceCounter(&start);
        SendMessageA(board, WM_RBUTTONUP, 0, where);
        const double verdictMs = untilChecked(verdict, start);
        const double suggestionsMs = untilChecked(label, start);
        std::printf("picture=%d verdict_ms=%.1f suggestions_ms=%.1f\n", k + 1, verdictMs, suggestionsMs);
    }
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
    if (argc >= 3 && std::string_view(argv[1]) == "editor")
        return timeEditor(argc, argv);
    std::printf("error usage\n");
    return 1;
}
