#include "playtest.h"

#include <windows.h>

#include <string>
#include <vector>

#include "ansitext.h"
#include "editorwindow.h"
#include "files.h"
#include "levelfile.h"
#include "programfolder.h"
#include "recordvalues.h"

const wchar_t gameProgram[] = L"bombagram2.exe";
const wchar_t scratchFolderName[] = L"Bombagram2 editor play";
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
    const std::wstring folder = std::wstring(temporary) + scratchFolderName;
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    *left = current;
    return SetCurrentDirectoryW(folder.c_str()) != 0;
}

// A file of the scratch folder, the current one while the play-test writes:
// ".\\" keeps the profile calls from looking in the Windows folder.
static std::string inScratchFolder(const std::string& name)
{
    return ".\\" + name;
}

// The game's settings: picture boards (Random 0) of the picture's size.
static bool writeSettings(int size)
{
    const std::string path = inScratchFolder(recordsFileName);
    DeleteFileA(path.c_str());
    return WritePrivateProfileStringA(recordsSectionName, "Size", std::to_string(size).c_str(), path.c_str()) &&
           WritePrivateProfileStringA(recordsSectionName, "Random", "0", path.c_str());
}

// A picture every board size can deal when nothing better is at hand: the
// blocks above the diagonal, which line logic solves from the full first row.
static Level stairsPicture(int size)
{
    Level picture;
    picture.size = size;
    picture.name = "계단";
    for (int col = 0; col < size; ++col)
        for (int row = 0; row < size; ++row)
            picture.picture[col][row] = col + row < size ? 1 : 0;
    return picture;
}

// The bytes of the level file of another size: the one beside the game
// when the game reads it right, else the stairs.
static std::string otherSizeBytes(int size)
{
    const std::string name = "level" + std::to_string(size) + ".dat";
    std::string bytes;
    std::string problem;
    LevelFileContent content;
    if (readWholeFile(programFolder() + name, &bytes, &problem) && parseLevelFile(bytes, name, &content, &problem)) {
        bool whole = true;
        for (const Level& picture : content.levels)
            whole = whole && picture.flaw.empty();
        if (whole)
            return bytes;
    }
    levelFileBytes({stairsPicture(size)}, &bytes, &problem);
    return bytes;
}

// The picture's size gets its level file; every other size one the game
// reads right too, so that a key that reaches the game (F3, F4 ...) deals a
// whole board and no "file open error".
static bool writeLevelFiles(const Level& picture, std::string* problem)
{
    std::string bytes;
    if (!levelFileBytes({picture}, &bytes, problem) ||
        !writeFileAtomically(inScratchFolder("level" + std::to_string(picture.size) + ".dat"), bytes, problem))
        return false;
    for (int size : boardSizes) {
        if (size != picture.size &&
            !writeFileAtomically(inScratchFolder("level" + std::to_string(size) + ".dat"), otherSizeBytes(size),
                                 problem))
            return false;
    }
    return true;
}

// The game of the last play-test, while it may still run.
static HANDLE gamePlaying = nullptr;

// One play-test game at a time: a new one replaces the one before.
static void endEarlierGame()
{
    if (!gamePlaying)
        return;
    if (WaitForSingleObject(gamePlaying, 0) == WAIT_TIMEOUT) {
        TerminateProcess(gamePlaying, 0);
        WaitForSingleObject(gamePlaying, 5000);
    }
    CloseHandle(gamePlaying);
    gamePlaying = nullptr;
}

// A failing picture is played only when the player says so, told why it fails.
static bool mayPlayFailing(const Level& picture)
{
    std::vector<PictureFailure> failures = failingPictures({picture});
    if (failures.empty())
        return true;
    const std::string text = "이 그림은 검사를 통과하지 못합니다: " + ansiFromUtf8(failures[0].reason) +
                             "\r\n\r\n게임에서는 풀 수 없거나, 답이 여럿이거나, 너무 쉽게 끝납니다. 그래도 해 볼까요?";
    return MessageBoxA(editorWindow(), text.c_str(), "Bombagram 2 레벨 편집기",
                       MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
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
    gamePlaying = process.hProcess;
    return true;
}

static void playInScratchFolder(const Level& picture, const std::wstring& program)
{
    std::string problem;
    if (!writeSettings(picture.size)) {
        tellProblem("해 볼 폴더를 만들지 못했습니다.");
        return;
    }
    if (!writeLevelFiles(picture, &problem)) {
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
    const std::wstring program = programFolderWide() + gameProgram;  // UTF-16, for the same reason
    if (GetFileAttributesW(program.c_str()) == INVALID_FILE_ATTRIBUTES) {
        tellProblem("게임 프로그램(bombagram2.exe)이 편집기 옆에 없습니다.");
        return;
    }
    if (!mayPlayFailing(*picture))
        return;
    endEarlierGame();
    std::wstring editorFolder;
    if (!enterScratchFolder(&editorFolder)) {
        tellProblem("해 볼 폴더를 만들지 못했습니다.");
        return;
    }
    playInScratchFolder(*picture, program);
    SetCurrentDirectoryW(editorFolder.c_str());
}
