#include "playtest.h"

#include <windows.h>

#include <string>

#include "ansitext.h"
#include "documentfiles.h"
#include "editorwindow.h"
#include "files.h"
#include "levelfile.h"
#include "recordvalues.h"

const char gameProgram[] = "bombagram2.exe";
const char scratchFolderName[] = "Bombagram2 editor play";
const int boardSizes[] = {10, 15, 20};

static void tellProblem(const std::string& ansi)
{
    MessageBoxA(editorWindow(), ansi.c_str(), "Bombagram 2 레벨 편집기", MB_ICONERROR);
}

static std::string scratchFolder()
{
    char temporary[MAX_PATH] = "";
    DWORD length = GetTempPathA(sizeof temporary, temporary);
    if (length == 0 || length >= sizeof temporary)
        return std::string();
    std::string folder = std::string(temporary) + scratchFolderName;
    if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return std::string();
    return folder;
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

static bool startGame(const std::string& program, const std::string& folder)
{
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void playSelectedPicture()
{
    const Level* picture = selectedPicture(editorDocument());
    if (!picture)
        return;
    const std::string program = programFolder() + gameProgram;
    if (GetFileAttributesA(program.c_str()) == INVALID_FILE_ATTRIBUTES) {
        tellProblem("게임 프로그램(" + std::string(gameProgram) + ")이 편집기 옆에 없습니다.");
        return;
    }
    const std::string folder = scratchFolder();
    std::string problem;
    if (folder.empty() || !writeSettings(folder, picture->size)) {
        tellProblem("해 볼 폴더를 만들지 못했습니다.");
        return;
    }
    if (!writeLevelFile(folder, *picture, &problem)) {
        tellProblem("이 그림으로 레벨 파일을 만들지 못했습니다: " + ansiFromUtf8(problem));
        return;
    }
    if (!startGame(program, folder))
        tellProblem("게임을 시작하지 못했습니다.");
}
