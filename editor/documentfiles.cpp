#include "documentfiles.h"

#include <windows.h>
#include <commdlg.h>

#include <cstring>
#include <vector>

// Paths stay in the ANSI code page from the dialogs to the file calls.

#include "ansitext.h"
#include "editorwindow.h"
#include "programfolder.h"
#include "savechecks.h"
#include "savequestions.h"

const char editorCaption[] = "Bombagram 2 레벨 편집기";
const char levelFilter[] = "레벨 파일 (*.dat)\0*.dat\0모든 파일 (*.*)\0*.*\0";
const char pictureFilter[] = "그림 파일 (*.non, *.txt)\0*.non;*.txt\0모든 파일 (*.*)\0*.*\0";
const size_t mostFailuresNamed = 12;

static int tell(const std::string& ansi, UINT kind)
{
    return MessageBoxA(editorWindow(), ansi.c_str(), editorCaption, kind);
}

static void openFile(const std::string& ansiPath)
{
    OpenReport report = openLevelFile(changeDocument(), ansiPath);
    if (report.opened)
        documentChanged();
    if (!report.message.empty())
        tell(ansiFromUtf8(report.message), report.opened ? MB_ICONWARNING : MB_ICONERROR);
}

static bool fileExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A command line of one path, perhaps in quotes.
static std::string pathOnCommandLine(const char* commandLine)
{
    std::string path = commandLine ? commandLine : "";
    while (!path.empty() && (path.back() == ' ' || path.back() == '\t'))
        path.pop_back();
    while (!path.empty() && (path[0] == ' ' || path[0] == '\t'))
        path.erase(0, 1);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
    return path;
}

// Without a file named, the player's level10.dat of the folder the editor is
// started in (the player's own folder under the package's launcher, the
// editor's when it is started from there), named relative to it as the game
// names its level files: no full path passes through the ANSI code page.
void openStartingFile(const char* commandLine)
{
    std::string path = pathOnCommandLine(commandLine);
    if (path.empty() && fileExists("level10.dat"))
        path = "level10.dat";
    if (!path.empty())
        openFile(path);
}

// A name typed but refused goes only with the player's yes.
static bool mayLeaveRefusedName(const std::string& name)
{
    if (name.empty())
        return true;
    const std::string text = "이름 상자의 \"" + ansiFromUtf8(name) +
                             "\"은(는) 그림의 이름이 되지 못했습니다 (옆에 까닭이 있습니다).\r\n이 이름을 버릴까요?";
    return tell(text, MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2) == IDOK;
}

bool mayLeaveChanges(const std::string& refusedName)
{
    if (!mayLeaveRefusedName(refusedName))
        return false;
    if (!changedSinceSaved(editorDocument()))
        return true;
    switch (tell("바뀐 내용을 저장할까요?", MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: return saveFile();
    case IDNO: return true;
    default: return false;
    }
}

void newFile(int size)
{
    newDocument(changeDocument(), size);
    documentChanged();
}

// The folder of the open file; the program's for a new one.
static std::string documentFolder()
{
    char full[MAX_PATH] = "";
    const std::string& path = editorDocument().path;
    const DWORD length = path.empty() ? 0 : GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    const std::string absolute(full, length > 0 && length < sizeof full ? length : 0);
    const size_t slash = absolute.find_last_of("\\/");
    return slash == std::string::npos ? programFolder() : absolute.substr(0, slash + 1);
}

// The common dialog for a file to open or save, in the open file's folder;
// "" when cancelled.
static std::string askForPath(bool saving, const char* filter, const char* extension, const std::string& start)
{
    char path[MAX_PATH] = "";
    if (start.size() < sizeof path)
        start.copy(path, start.size());
    const std::string folder = documentFolder();
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = editorWindow();
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrDefExt = extension;
    dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                   (saving ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    BOOL chosen = saving ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    return chosen ? std::string(path) : std::string();
}

void openWithDialog()
{
    std::string path = askForPath(false, levelFilter, "dat", "");
    if (!path.empty())
        openFile(path);
}

// Asks before writing pictures that fail the level check, naming them.
static bool mayWriteFailures()
{
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    std::vector<PictureFailure> failures = failingPictures(editorDocument().pictures);
    SetCursor(previous);
    if (failures.empty())
        return true;
    std::string text = "검사를 통과하지 못한 그림이 있습니다:\r\n";
    for (size_t i = 0; i < failures.size() && i < mostFailuresNamed; ++i) {
        const PictureFailure& failure = failures[i];
        const std::string name = editorDocument().pictures[failure.index].name;
        text += std::to_string(failure.index + 1) + ". " + ansiFromUtf8(name) + ": " + ansiFromUtf8(failure.reason) +
                "\r\n";
    }
    if (failures.size() > mostFailuresNamed)
        text += "... 외 " + std::to_string(failures.size() - mostFailuresNamed) + "개\r\n";
    text += "\r\n게임은 이 그림들을 풀 수 없거나 답이 여럿일 수 있습니다. 그래도 저장할까요?";
    return tell(text, MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2) == IDOK;
}

static bool saveTo(const std::string& ansiPath)
{
    switch (askAboutChangeOnDisk(ansiPath)) {
    case saveOverChange: break;
    case saveElsewhere: return saveFileAs();
    case reloadChanged: openFile(ansiPath); return false;
    default: return false;
    }
    if (!mayUseNameOfOtherSize(ansiPath) || !mayWriteFailures())
        return false;
    SaveReport report = saveLevelFile(changeDocument(), ansiPath);
    showTitle();
    if (!report.saved)
        tell(ansiFromUtf8(report.message), MB_ICONERROR);
    return report.saved;
}

bool saveFile()
{
    const std::string path = editorDocument().path;
    return path.empty() ? saveFileAs() : saveTo(path);
}

bool saveFileAs()
{
    const std::string suggested = levelFileNameFor(editorDocument().size);
    std::string path = askForPath(true, levelFilter, "dat", suggested);
    return !path.empty() && saveTo(path);
}

void importWithDialog()
{
    std::string path = askForPath(false, pictureFilter, "non", "");
    if (path.empty())
        return;
    ImportReport report = importPicture(changeDocument(), path);
    if (report.imported)
        documentChanged();
    if (!report.message.empty())
        tell(ansiFromUtf8(report.message), report.imported ? MB_ICONWARNING : MB_ICONERROR);
}

// The picture's name as a file name: the characters a file name cannot
// hold become "_"; "그림" for a name of nothing else.
static std::string fileNameOfPicture()
{
    const Level* picture = selectedPicture(editorDocument());
    std::string name = picture ? ansiFromUtf8(picture->name) : "";
    bool meaningful = false;
    for (size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (c >= 0x80 && i + 1 < name.size()) {  // a CP949 character: both bytes stay
            ++i;
            meaningful = true;
        } else if (c < 0x20 || std::strchr("\\/:*?\"<>|", c)) {
            name[i] = '_';
        } else {
            meaningful = meaningful || (c != ' ' && c != '.');
        }
    }
    return (meaningful ? name : std::string("그림")) + ".non";
}

void exportWithDialog()
{
    std::string path = askForPath(true, pictureFilter, "non", fileNameOfPicture());
    if (path.empty())
        return;
    std::string problem = exportPicture(editorDocument(), path);
    if (!problem.empty())
        tell(ansiFromUtf8(problem), MB_ICONERROR);
}
