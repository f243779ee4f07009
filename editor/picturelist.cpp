#include "picturelist.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "ansitext.h"
#include "editorids.h"
#include "editorwindow.h"
#include "levelcheck.h"
#include "verdicts.h"

static HWND listBox() { return editorControl(IDC_PICTURELIST); }

// The grade's Korean word for the level check's grade name.
static const char* gradeWord(int steps, int size)
{
    const char* name = gradeName(steps, size);
    if (std::strcmp(name, "easy") == 0)
        return "쉬움";
    if (std::strcmp(name, "middle") == 0)
        return "보통";
    if (std::strcmp(name, "hard") == 0)
        return "어려움";
    return "-";
}

static std::string lineText(int index)
{
    const Level& picture = editorDocument().pictures[index];
    const ListVerdict verdict = listVerdictOf(index);
    std::string text = std::to_string(index + 1) + "\t" + ansiFromUtf8(picture.name) + "\t";
    if (!verdict.known)
        return text + "...\t검사 중";
    return text + (verdict.passes ? gradeWord(verdict.steps, editorDocument().size) : "-") + "\t" + (verdict.passes ? "통과" : "실패");
}

void showListLines(const std::vector<int>& indexes)
{
    const int count = static_cast<int>(editorDocument().pictures.size());
    HWND box = listBox();
    const LRESULT top = SendMessageA(box, LB_GETTOPINDEX, 0, 0);
    SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    for (int index : indexes) {
        if (index < 0 || index >= count)
            continue;
        SendMessageA(box, LB_DELETESTRING, index, 0);
        SendMessageA(box, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(lineText(index).c_str()));
    }
    SendMessageA(box, LB_SETCURSEL, editorDocument().selected, 0);
    SendMessageA(box, LB_SETTOPINDEX, top, 0);
    SendMessageA(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
}

void showListLine(int index) { showListLines({index}); }

void showPictureList()
{
    HWND box = listBox();
    const LRESULT top = SendMessageA(box, LB_GETTOPINDEX, 0, 0);
    SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    SendMessageA(box, LB_RESETCONTENT, 0, 0);
    const int count = static_cast<int>(editorDocument().pictures.size());
    for (int i = 0; i < count; ++i)
        SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lineText(i).c_str()));
    SendMessageA(box, LB_SETTOPINDEX, top, 0);
    SendMessageA(box, LB_SETCURSEL, editorDocument().selected, 0);
    SendMessageA(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
}

void pickListLine()
{
    LRESULT picked = SendMessageA(listBox(), LB_GETCURSEL, 0, 0);
    if (picked < 0 || picked == editorDocument().selected)
        return;
    if (selectPicture(changeDocument(), static_cast<int>(picked)))
        documentChanged();
}
