#include "ansitext.h"

#include <windows.h>

#include <vector>

static std::wstring wideFrom(UINT codePage, const std::string& text)
{
    if (text.empty())
        return std::wstring();
    int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::vector<wchar_t> wide(length);
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return std::wstring(wide.data(), length);
}

static std::string narrowTo(UINT codePage, const std::wstring& wide)
{
    if (wide.empty())
        return std::string();
    const int wideLength = static_cast<int>(wide.size());
    int length = WideCharToMultiByte(codePage, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::vector<char> narrow(length);
    WideCharToMultiByte(codePage, 0, wide.data(), wideLength, narrow.data(), length, nullptr, nullptr);
    return std::string(narrow.data(), length);
}

std::string ansiFromUtf8(const std::string& utf8) { return narrowTo(CP_ACP, wideFrom(CP_UTF8, utf8)); }

std::string utf8FromAnsi(const std::string& ansi) { return narrowTo(CP_UTF8, wideFrom(CP_ACP, ansi)); }

std::string windowAnsiText(void* window)
{
    HWND handle = static_cast<HWND>(window);
    int length = GetWindowTextLengthA(handle);
    std::vector<char> text(length + 2);
    GetWindowTextA(handle, text.data(), length + 1);
    return std::string(text.data());
}

std::string windowUtf8Text(void* window)
{
    HWND handle = static_cast<HWND>(window);
    int length = GetWindowTextLengthW(handle);
    std::vector<wchar_t> text(length + 2);
    GetWindowTextW(handle, text.data(), length + 1);
    return narrowTo(CP_UTF8, std::wstring(text.data()));
}

void setWindowUtf8Text(void* window, const std::string& utf8)
{
    SetWindowTextW(static_cast<HWND>(window), wideFrom(CP_UTF8, utf8).c_str());
}
