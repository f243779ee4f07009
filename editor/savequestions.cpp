#include "savequestions.h"

#include <windows.h>

#include "ansitext.h"
#include "editorids.h"
#include "editorwindow.h"
#include "savechecks.h"

const char questionCaption[] = "Bombagram 2 레벨 편집기";

static std::string fileNamePart(const std::string& ansiPath)
{
    const size_t slash = ansiPath.find_last_of("\\/");
    return slash == std::string::npos ? ansiPath : ansiPath.substr(slash + 1);
}

static int choiceOf(int command)
{
    switch (command) {
    case IDC_OVERWRITE: return saveOverChange;
    case IDC_SAVEELSEWHERE: return saveElsewhere;
    case IDC_RELOAD: return reloadChanged;
    default: return saveCancelled;
    }
}

static INT_PTR CALLBACK changedFileProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextA(dialog, IDC_DISKCHANGETEXT, reinterpret_cast<const char*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_OVERWRITE || LOWORD(wParam) == IDC_SAVEELSEWHERE || LOWORD(wParam) == IDC_RELOAD ||
            LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    default: return FALSE;
    }
}

int askAboutChangeOnDisk(const std::string& ansiPath)
{
    if (!changedOnDisk(editorDocument(), ansiPath))
        return saveOverChange;
    const std::string text = "다른 프로그램이 " + fileNamePart(ansiPath) +
                             " 파일을 바꿨습니다 (편집기에서 열거나 저장한 뒤에).\r\n\r\n"
                             "덮어쓰면 그 프로그램이 쓴 내용이 없어집니다. 다시 읽으면 여기서 바꾼 내용이 "
                             "없어집니다. 다른 이름으로 저장하면 둘 다 남습니다.";
    const INT_PTR chosen = DialogBoxParamA(editorInstance(), "EDITORDISKCHANGED", editorWindow(), changedFileProc,
                                           reinterpret_cast<LPARAM>(text.c_str()));
    return choiceOf(static_cast<int>(chosen));
}

bool mayUseNameOfOtherSize(const std::string& ansiPath)
{
    const int size = editorDocument().size;
    const int named = misreadSizeOfName(ansiPath, size);
    if (named == 0)
        return true;
    const std::string text = fileNamePart(ansiPath) + ": " + ansiFromUtf8(misreadNameQuestion(named, size));
    return MessageBoxA(editorWindow(), text.c_str(), questionCaption, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) ==
           IDYES;
}
