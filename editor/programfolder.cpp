#include "programfolder.h"

#include <windows.h>

template <typename Char>
static std::basic_string<Char> folderOf(const Char* path, DWORD length, DWORD room)
{
    const std::basic_string<Char> program(path, length < room ? length : 0);
    const Char separators[] = {'\\', '/', 0};
    const size_t slash = program.find_last_of(separators);
    return slash == std::basic_string<Char>::npos ? std::basic_string<Char>() : program.substr(0, slash + 1);
}

std::string programFolder()
{
    char path[MAX_PATH] = "";
    return folderOf(path, GetModuleFileNameA(nullptr, path, MAX_PATH), MAX_PATH);
}

std::wstring programFolderWide()
{
    wchar_t path[MAX_PATH] = L"";
    return folderOf(path, GetModuleFileNameW(nullptr, path, MAX_PATH), MAX_PATH);
}
