#include "picturelist.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "ansitext.h"
#include "editorids.h"
#include "editorwindow.h"

static HWND listBox() { return editorControl(IDC_PICTURELIST); }

static std::string lineText(int index, VerdictTextOf verdictText)
{
    const Level& picture = editorDocument().pictures[index];
    return std::to_string(index + 1) + "\t" + ansiFromUtf8(picture.name) + "\t" + verdictText(index);
}

void fitListLines(HWND list)
{
    HDC dc = GetDC(list);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(list, dc);
    SendMessageA(list, LB_SETITEMHEIGHT, 0, metrics.tmHeight + 2);
}

static int textWidth(HDC dc, const char* text)
{
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &extent);
    return extent.cx;
}

// The right edges of the columns (number, name, grade, verdict) on a line
// as wide as width: the number, grade and verdict as wide as their widest
// words, the name whatever is left.
static void columnEdges(HDC dc, int width, int* edges)
{
    const int gap = 6;
    const int verdict = textWidth(dc, "검사 중") + gap;
    const int grade = textWidth(dc, "어려움") + gap;
    edges[0] = textWidth(dc, "127") + gap;
    edges[3] = width;
    edges[2] = width - verdict;
    edges[1] = edges[2] - grade;
}

static std::vector<std::string> lineParts(const std::string& text)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == '\t')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

void drawListLine(const DRAWITEMSTRUCT* item)
{
    if (item->itemID == static_cast<UINT>(-1))
        return;
    HDC dc = item->hDC;
    RECT line = item->rcItem;
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    FillRect(dc, &line, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const COLORREF oldColour = SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const LRESULT length = SendMessageA(item->hwndItem, LB_GETTEXTLEN, item->itemID, 0);
    std::vector<char> text(length > 0 ? length + 1 : 1);
    if (length > 0)
        SendMessageA(item->hwndItem, LB_GETTEXT, item->itemID, reinterpret_cast<LPARAM>(text.data()));
    const std::vector<std::string> parts = lineParts(text.data());
    int edges[4];
    columnEdges(dc, line.right - line.left, edges);
    int left = 0;
    for (size_t i = 0; i < parts.size() && i < 4; ++i) {
        RECT column = {line.left + left + 2, line.top, line.left + edges[i] - 2, line.bottom};
        DrawTextA(dc, parts[i].c_str(), static_cast<int>(parts[i].size()), &column,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        left = edges[i];
    }
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColour);
    if (item->itemState & ODS_FOCUS)
        DrawFocusRect(dc, &line);
}

void showListLines(const std::vector<int>& indexes, VerdictTextOf verdictText)
{
    const int count = static_cast<int>(editorDocument().pictures.size());
    HWND box = listBox();
    const LRESULT top = SendMessageA(box, LB_GETTOPINDEX, 0, 0);
    SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    for (int index : indexes) {
        if (index < 0 || index >= count)
            continue;
        SendMessageA(box, LB_DELETESTRING, index, 0);
        SendMessageA(box, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(lineText(index, verdictText).c_str()));
    }
    SendMessageA(box, LB_SETCURSEL, editorDocument().selected, 0);
    SendMessageA(box, LB_SETTOPINDEX, top, 0);
    SendMessageA(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
}

void showListLine(int index, VerdictTextOf verdictText)
{
    showListLines({index}, verdictText);
}

void showPictureList(VerdictTextOf verdictText)
{
    HWND box = listBox();
    const LRESULT top = SendMessageA(box, LB_GETTOPINDEX, 0, 0);
    SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    SendMessageA(box, LB_RESETCONTENT, 0, 0);
    const int count = static_cast<int>(editorDocument().pictures.size());
    for (int i = 0; i < count; ++i)
        SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lineText(i, verdictText).c_str()));
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
