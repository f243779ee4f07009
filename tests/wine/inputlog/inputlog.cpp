// A message hook the probe sets on the game's thread (probe inputlog): every
// mouse message the game takes from its queue is written, one line each, to
// inputlog.txt in the game's current folder, with the message's own time and
// the wall clock, so a test can set what the game received beside what it sent.
#include <windows.h>

#include <cstdio>

namespace {

const char* mouseName(UINT message)
{
    switch (message) {
    case WM_MOUSEMOVE: return "move";
    case WM_LBUTTONDOWN: return "ldown";
    case WM_LBUTTONUP: return "lup";
    case WM_LBUTTONDBLCLK: return "ldouble";
    case WM_RBUTTONDOWN: return "rdown";
    case WM_RBUTTONUP: return "rup";
    case WM_RBUTTONDBLCLK: return "rdouble";
    default: return nullptr;
    }
}

// Milliseconds since 1970, the clock the tests' own log uses.
unsigned long long wallClockMs()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ticks;
    ticks.LowPart = now.dwLowDateTime;
    ticks.HighPart = now.dwHighDateTime;
    return ticks.QuadPart / 10000 - 11644473600000ULL;
}

void writeLine(const MSG& msg, const char* name)
{
    char line[160];
    int n = std::snprintf(line, sizeof line, "%llu %s word=%u x=%d y=%d time=%lu\n", wallClockMs(), name,
                          static_cast<unsigned>(msg.wParam), static_cast<int>(static_cast<short>(LOWORD(msg.lParam))),
                          static_cast<int>(static_cast<short>(HIWORD(msg.lParam))), static_cast<unsigned long>(msg.time));
    HANDLE file = CreateFileA("inputlog.txt", FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(n), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK inputLogHook(int code, WPARAM removed, LPARAM param)
{
    const MSG* msg = reinterpret_cast<const MSG*>(param);
    if (code == HC_ACTION && removed == PM_REMOVE) {
        const char* name = mouseName(msg->message);
        if (name)
            writeLine(*msg, name);
    }
    return CallNextHookEx(nullptr, code, removed, param);
}
