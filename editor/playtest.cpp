#include "playtest.h"

#include <windows.h>

#include <string>

#include "ansitext.h"
#include "editorwindow.h"
#include "files.h"
#include "levelfile.h"
#include "recordvalues.h"

const wchar_t gameProgram[] = L"bombagram2.exe";
const char scratchFolderName[] = "Bombagram2 editor play";
const int boardSizes[] = {10, 15, 20};

static void tellProblem(const std::string& ansi)
{
    MessageBoxA(editorWindow(), ansi.c_str(), "Bombagram 2 레벨 편집기", MB_ICONERROR);
}

// The play-test works inside its scratch folder, naming the files there
// relative to it as the game names its own, and starts the game there: the
// user's temporary folder may have a name the ANSI code page cannot spell.
// left is the editor's folder, to go back to.
static bool enterScratchFolder(std::wstring* left)
{
    wchar_t temporary[MAX_PATH] = L"";
    wchar_t current[MAX_PATH] = L"";
    DWORD length = GetTempPathW(MAX_PATH, temporary);
    DWORD currentLength = GetCurrentDirectoryW(MAX_PATH, current);
    if (length == 0 || length >= MAX_PATH || currentLength == 0 || currentLength >= MAX_PATH)
        return false;
    const std::string name = scratchFolderName;
    const std::wstring folder = temporary + std::wstring(name.begin(), name.end());
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    *left = current;
    return SetCurrentDirectoryW(folder.c_str()) != 0;
}

// The game beside the editor, by its path in UTF-16 for the same reason.
static std::wstring gameBesideEditor()
{
    wchar_t path[MAX_PATH] = L"";
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring program(path, length < MAX_PATH ? length : 0);
    const size_t slash = program.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : program.substr(0, slash + 1) + gameProgram;
}

// The game's settings: picture boards (Random 0) of the picture's size. The
// scratch folder's name holds no double-byte character, so a plain join does.
static bool writeSettings(const std::string& folder, int size)
{
    const std::string path = folder + "\\" + recordsFileName;
    DeleteFileA(path.c_str());
    return WritePrivateProfileStringA(recordsSectionName, "Size", std::to_string(size).c_str(), path.c_str()) &&
           WritePrivateProfileStringA(recordsSectionName, "Random", "0", path.c_str());
}

// Only the picture's size has a level file there: a file left by an earlier
// play of another size goes.
static bool writeLevelFile(const std::string& folder, const Level& picture, std::string* problem)
{
    for (int size : boardSizes)
        DeleteFileA((folder + "\\level" + std::to_string(size) + ".dat").c_str());
    std::string bytes;
    return levelFileBytes({picture}, &bytes, problem) &&
           writeFileAtomically(folder + "\\level" + std::to_string(picture.size) + ".dat", bytes, problem);
}

// In the editor's current folder: the scratch folder.
static bool startGame(const std::wstring& program)
{
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

static void playInScratchFolder(const Level& picture, const std::wstring& program)
{
    const std::string folder = ".";
    std::string problem;
    if (!writeSettings(folder, picture.size)) {
        tellProblem("해 볼 폴더를 만들지 못했습니다.");
        return;
    }
    if (!writeLevelFile(folder, picture, &problem)) {
        tellProblem("이 그림으로 레벨 파일을 만들지 못했습니다: " + ansiFromUtf8(problem));
        return;
    }
    if (!startGame(program))
        tellProblem("게임을 시작하지 못했습니다.");
}

void playSelectedPicture()
{
    const Level* picture = selectedPicture(editorDocument());
    if (!picture)
        return;
    const std::wstring program = gameBesideEditor();
    if (GetFileAttributesW(program.c_str()) == INVALID_FILE_ATTRIBUTES) {
        tellProblem("게임 프로그램(bombagram2.exe)이 편집기 옆에 없습니다.");
        return;
    }
    std::wstring editorFolder;
    if (!enterScratchFolder(&editorFolder)) {
        tellProblem("해 볼 폴더를 만들지 못했습니다.");
        return;
    }
    playInScratchFolder(*picture, program);
    SetCurrentDirectoryW(editorFolder.c_str());
}
