// A look into the running game from the same Wine session, for the end-to-end
// tests: window rectangles, control texts and states, and the number of GDI
// objects the game's process holds. Texts are printed in UTF-8.
//
//   probe windows                 every visible top-level window
//   probe controls <title>        the controls of the top-level window titled so
//   probe gdi <title>             GDI objects in use by that window's process
//   probe menu <title>            menu items of that window with their states
//   probe repaint <title>         invalidates the whole client area, as uncovering it does,
//                                 and returns once the window has painted it
//   probe clip                    the cursor confinement rectangle, in screen pixels
//   probe answers <title>         whether that window's thread takes a sent message within 5 s,
//                                 and whether keys go to a window of that thread
//   probe items <title>           the lines of every list box of that window, and which is selected
//                                 (with each line's rectangle, in screen pixels)
//   probe edit <title> <id>       the selection and the first line shown of that window's edit box
//   probe move <hwnd> <x> <y>     moves the top-left corner of the window of that number (as the
//                                 windows listing gives it) to the screen point
//   probe text <title> <id>       a control's text read wide, so a character the code page lacks shows
//   probe settext <title> <id> <text>  sets a control's text wide, as a paste into it does
//   probe close <title>           what the title bar's close button sends (WM_SYSCOMMAND, SC_CLOSE)
//   probe logoff <title>          asks the window whether the session may end (WM_QUERYENDSESSION);
//                                 prints its answer once it gives one (within 60 s)
//   probe inputlog <title>        hooks that window's thread with inputlog.dll (beside the probe),
//                                 which writes every mouse message the thread takes to
//                                 inputlog.txt in its current folder; prints "inputlog 1" once
//                                 hooked and keeps the hook until the probe is ended
//
// A control's focus=1 marks the control that has the keyboard focus of its
// window's thread.
#include <windows.h>
#include <shellapi.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string toUtf8(const char* ansi)
{
    wchar_t wide[1024];
    int n = MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide, 1024);
    if (n <= 0)
        return std::string();
    char utf8[4096];
    int m = WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
    return m > 0 ? std::string(utf8) : std::string();
}

// Wine hands a program its arguments already in the ANSI code page, so a
// title that is not valid UTF-8 is taken as it stands.
std::string fromUtf8(const char* utf8)
{
    wchar_t wide[1024];
    int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, wide, 1024);
    if (n <= 0)
        return std::string(utf8);
    char ansi[4096];
    int m = WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, sizeof ansi, nullptr, nullptr);
    return m > 0 ? std::string(ansi) : std::string();
}

// Tabs and line breaks inside a text are printed escaped, so one line is one item.
std::string escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string windowText(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return escaped(toUtf8(text));
}

std::string className(HWND window)
{
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

void printWindow(HWND window)
{
    RECT outer;
    GetWindowRect(window, &outer);
    RECT client;
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    std::printf("window hwnd=%lu pid=%lu class=%s rect=%ld,%ld,%ld,%ld client=%ld,%ld,%ld,%ld enabled=%d title=%s\n",
                (unsigned long)(UINT_PTR)window, (unsigned long)pid, className(window).c_str(), outer.left,
                outer.top, outer.right, outer.bottom, origin.x, origin.y, client.right, client.bottom,
                IsWindowEnabled(window) ? 1 : 0, windowText(window).c_str());
}

BOOL CALLBACK printTopLevel(HWND window, LPARAM)
{
    if (IsWindowVisible(window))
        printWindow(window);
    return TRUE;
}

struct Search {
    std::string title;
    HWND found;
};

BOOL CALLBACK findByTitle(HWND window, LPARAM param)
{
    Search* search = reinterpret_cast<Search*>(param);
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    if (IsWindowVisible(window) && search->title == text) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND topLevel(const char* utf8Title)
{
    Search search = {fromUtf8(utf8Title), nullptr};
    EnumWindows(findByTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The control with the keyboard focus of the window's thread (GetFocus
// answers only for the probe's own thread).
HWND focusOf(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

BOOL CALLBACK printChild(HWND child, LPARAM focus)
{
    RECT r;
    GetWindowRect(child, &r);
    LONG style = GetWindowLongA(child, GWL_STYLE);
    int checked = 0;
    if (className(child) == "Button")
        checked = (int)SendMessageA(child, BM_GETCHECK, 0, 0);
    std::printf("control id=%d class=%s rect=%ld,%ld,%ld,%ld visible=%d enabled=%d checked=%d style=0x%08lx focus=%d text=%s\n",
                GetDlgCtrlID(child), className(child).c_str(), r.left, r.top, r.right, r.bottom,
                IsWindowVisible(child) ? 1 : 0, IsWindowEnabled(child) ? 1 : 0, checked,
                (unsigned long)style, reinterpret_cast<HWND>(focus) == child ? 1 : 0, windowText(child).c_str());
    return TRUE;
}

// The GDI handle table: its address at offset 0x94 of the process environment
// block of a 32-bit process, at 0xF8 (8 bytes) of a 64-bit one; the probe is
// built at the game's width, so its own width tells which. The table is the
// same in both: 0x10000 entries of 24 bytes, an entry in use having a
// non-zero type byte at offset 14.
#ifdef _WIN64
const SIZE_T gdiTableOffset = 0xF8;
#else
const SIZE_T gdiTableOffset = 0x94;
#endif

long countGdiObjects(DWORD pid)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process)
        return -1;
    PROCESS_BASIC_INFORMATION info = {};
    ULONG got = 0;
    long count = -1;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &info, sizeof info, &got) == 0) {
        UINT_PTR table = 0;
        SIZE_T read = 0;
        const char* peb = reinterpret_cast<const char*>(info.PebBaseAddress);
        if (ReadProcessMemory(process, peb + gdiTableOffset, &table, sizeof table, &read) && table) {
            const SIZE_T entries = 0x10000, entryBytes = 24;
            static unsigned char copy[0x10000 * 24];
            if (ReadProcessMemory(process, reinterpret_cast<const void*>(table), copy,
                                  entries * entryBytes, &read)) {
                count = 0;
                for (SIZE_T i = 0; i < entries; ++i)
                    if (copy[i * entryBytes + 14] != 0)
                        ++count;
            }
        }
    }
    CloseHandle(process);
    return count;
}

void printMenu(HMENU menu, int depth)
{
    int items = GetMenuItemCount(menu);
    for (int i = 0; i < items; ++i) {
        char text[256] = "";
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        UINT state = GetMenuState(menu, i, MF_BYPOSITION);
        UINT id = GetMenuItemID(menu, i);
        std::printf("item depth=%d id=%d state=0x%x text=%s\n", depth, (int)id, state,
                    escaped(toUtf8(text)).c_str());
        HMENU sub = GetSubMenu(menu, i);
        if (sub)
            printMenu(sub, depth + 1);
    }
}

// Returns once the window has painted what was invalidated: its update
// region is empty (the paint has begun) and its thread takes a sent message
// (the paint has ended). Gives up after 5 s.
void waitPainted(HWND window)
{
    DWORD start = GetTickCount();
    while (GetUpdateRect(window, nullptr, FALSE) && GetTickCount() - start < 5000)
        Sleep(10);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
}

// A list box's lines through the wide messages: the box belongs to the
// program, and Wine carries the wide text whole between processes (the ANSI
// one comes back cut at its first tab).
BOOL CALLBACK printListItems(HWND child, LPARAM)
{
    if (className(child) != "ListBox")
        return TRUE;
    LRESULT count = SendMessageA(child, LB_GETCOUNT, 0, 0);
    LRESULT selected = SendMessageA(child, LB_GETCURSEL, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t wide[1024] = L"";
        LRESULT length = SendMessageW(child, LB_GETTEXTLEN, i, 0);
        if (length >= 0 && length < 1024)
            SendMessageW(child, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
        char utf8[4096] = "";
        WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
        RECT line = {};
        SendMessageW(child, LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&line));
        MapWindowPoints(child, nullptr, reinterpret_cast<POINT*>(&line), 2);
        std::printf("item id=%d index=%d selected=%d rect=%ld,%ld,%ld,%ld text=%s\n", GetDlgCtrlID(child),
                    static_cast<int>(i), i == selected ? 1 : 0, line.left, line.top, line.right, line.bottom,
                    escaped(utf8).c_str());
    }
    return TRUE;
}

// Asked of the control itself: GetWindowText of another process's window
// gives its caption, which an edit box does not keep.
void printWideText(HWND control)
{
    wchar_t wide[1024] = L"";
    SendMessageW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide));
    char utf8[4096] = "";
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("text %s\n", escaped(utf8).c_str());
}

// Wine hands the probe its arguments in the ANSI code page: a text with a
// character that code page lacks comes from the command line read wide.
std::wstring wideArgument(int index)
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring argument = arguments && index < count ? arguments[index] : L"";
    LocalFree(arguments);
    return argument;
}

// The hook lives as long as the probe: it prints when it is set, then waits.
int logInput(HWND window)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    char* slash = std::strrchr(path, '\\');
    std::strcpy(slash ? slash + 1 : path, "inputlog.dll");
    HMODULE library = LoadLibraryA(path);
    HOOKPROC hook = library ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library, "inputLogHook"))) : nullptr;
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (!hook || !SetWindowsHookExA(WH_GETMESSAGE, hook, library, thread)) {
        std::printf("inputlog 0\n");
        return 1;
    }
    std::printf("inputlog 1\n");
    std::fflush(stdout);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}

int fail(const char* why)
{
    std::printf("error %s\n", why);
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return fail("usage");
    std::string command = argv[1];
    if (command == "windows") {
        EnumWindows(printTopLevel, 0);
        return 0;
    }
    if (command == "clip") {
        RECT clip;
        GetClipCursor(&clip);
        std::printf("clip %ld,%ld,%ld,%ld\n", clip.left, clip.top, clip.right, clip.bottom);
        return 0;
    }
    if (command == "move" && argc >= 5) {
        HWND moving = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoul(argv[2], nullptr, 10)));
        BOOL moved = SetWindowPos(moving, nullptr, std::atoi(argv[3]), std::atoi(argv[4]), 0, 0,
                                  SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        std::printf("move %d\n", moved ? 1 : 0);
        return 0;
    }
    if (argc < 3)
        return fail("usage");
    HWND window = topLevel(argv[2]);
    if (!window)
        return fail("no-window");
    if (command == "controls") {
        printWindow(window);
        EnumChildWindows(window, printChild, reinterpret_cast<LPARAM>(focusOf(window)));
        return 0;
    }
    if (command == "gdi") {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        std::printf("gdi %ld\n", countGdiObjects(pid));
        return 0;
    }
    if (command == "repaint") {
        std::printf("repaint %d\n", InvalidateRect(window, nullptr, TRUE) ? 1 : 0);
        waitPainted(window);
        return 0;
    }
    if (command == "answers") {
        // Wine holds a thread for a while after it hides one of its windows
        // (it waits for a window manager that a bare X display lacks); input
        // arriving meanwhile is lost. A message answered means the thread is back.
        DWORD_PTR result = 0;
        LRESULT answered = SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
        // Keys typed before the window, or one of its dialogs, is active
        // again after a dialog closes go nowhere.
        HWND active = GetForegroundWindow();
        bool keys = active && GetWindowThreadProcessId(active, nullptr) == GetWindowThreadProcessId(window, nullptr);
        std::printf("answers %d\nkeys %d\n", answered ? 1 : 0, keys ? 1 : 0);
        // Which window holds the keys instead, so that a wait that times out
        // tells a lost activation (none) from a window that took it.
        if (!keys)
            std::printf("foreground %s\n", active ? (className(active) + " " + windowText(active)).c_str() : "none");
        return 0;
    }
    if (command == "items") {
        EnumChildWindows(window, printListItems, 0);
        return 0;
    }
    if (command == "edit" && argc > 3) {
        HWND box = GetDlgItem(window, std::atoi(argv[3]));
        // From the answer, not through pointers: they would point into the probe.
        const DWORD selection = static_cast<DWORD>(SendMessageA(box, EM_GETSEL, 0, 0));
        std::printf("edit start=%u end=%u first=%ld lines=%ld\n", LOWORD(selection), HIWORD(selection),
                    (long)SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0), (long)SendMessageA(box, EM_GETLINECOUNT, 0, 0));
        return 0;
    }
    if (command == "text" && argc >= 4) {
        printWideText(GetDlgItem(window, std::atoi(argv[3])));
        return 0;
    }
    if (command == "settext" && argc >= 5) {
        const std::wstring text = wideArgument(4);
        SendMessageW(GetDlgItem(window, std::atoi(argv[3])), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        return 0;
    }
    if (command == "close") {
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    if (command == "logoff") {
        DWORD_PTR answer = 0;
        LRESULT answered = SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 60000, &answer);
        std::printf("logoff answered=%d may-end=%d\n", answered ? 1 : 0, answer ? 1 : 0);
        return 0;
    }
    if (command == "inputlog")
        return logInput(window);
    if (command == "menu") {
        printWindow(window);
        printMenu(GetMenu(window), 0);
        return 0;
    }
    return fail("unknown-command");
}
