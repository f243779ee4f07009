#include "helppage.h"

#include "editorids.h"

static const char helpText[] =
    "Bombagram 2 레벨 편집기\r\n"
    "\r\n"
    "그리기\r\n"
    "- 왼쪽 단추로 누르면 블럭이 폭탄이 되고, 오른쪽 단추로 누르면 폭탄이 지워집니다.\r\n"
    "- 단추를 누른 채 끌면 처음 움직인 방향의 한 줄(가로 또는 세로)을 따라 칠해집니다.\r\n"
    "- 칠한 한 번의 획은 Ctrl+Z로 되돌리고 Ctrl+Y로 다시 할 수 있습니다.\r\n"
    "- 판 둘레의 숫자는 게임에서 보일 단서입니다. 그림을 바꾸면 바로 바뀝니다.\r\n"
    "- 키보드로도 그립니다. Tab으로 판에 가면 초록 테두리가 보이고, 화살표로 옮깁니다. "
    "Space나 Enter를 누르면 그 블럭이 바뀌고, Space를 누른 채 화살표를 누르면 한 줄을 따라 칠해집니다.\r\n"
    "- 창을 키우거나 최대화하면 판이 2배, 3배로 커집니다.\r\n"
    "\r\n"
    "판정 읽기\r\n"
    "- 판 아래에 판정이 나옵니다. 그림을 바꿀 때마다 다시 검사하며, 검사하는 동안에는 "
    "\"검사 중...\"이 보입니다.\r\n"
    "- \"선으로 풀림\"이면 게임에서 추측 없이 풀 수 있는 좋은 그림입니다. 괄호 안은 난이도입니다.\r\n"
    "- 분홍 테두리 블럭: 가로세로 단서만으로는 정해지지 않는 블럭입니다.\r\n"
    "- 안쪽 주황 테두리 블럭: 단서가 같은 다른 그림이 있을 때, 그 그림과 다른 블럭입니다.\r\n"
    "- 폭탄은 판의 30 %에서 70 % 사이여야 하고, 앞의 그림과 같거나 옮기고 뒤집은 그림이면 안 됩니다.\r\n"
    "\r\n"
    "제안 쓰기\r\n"
    "- 그림이 선으로 풀리지 않으면 왼쪽 아래 \"제안\" 목록에 블럭 하나를 바꾸는 방법이 나옵니다.\r\n"
    "- 좋은 것부터 나옵니다. 누르거나, 화살표로 골라 Enter를 누르면 그 블럭이 바뀝니다(Ctrl+Z로 되돌릴 수 있습니다).\r\n"
    "\r\n"
    "그림과 파일\r\n"
    "- 왼쪽 목록에 번호, 이름, 난이도, 판정이 나옵니다. 단추로 추가, 복제, 삭제, 순서 바꾸기를 합니다.\r\n"
    "- 이름은 한글 9자(19바이트)까지 쓸 수 있고, Enter를 누르거나 다른 곳을 누르면 정해집니다.\r\n"
    "- 저장할 때 검사를 통과하지 못한 그림이 있으면 그 이름을 알려 주고 묻습니다.\r\n"
    "- F5를 누르면 게임이 이 그림 하나로 시작되어 직접 풀어 볼 수 있습니다.\r\n";

// The page opens at its top with nothing selected and the focus in it, so
// that the arrows and Page Down read on.
static void showHelpText(HWND dialog)
{
    HWND text = GetDlgItem(dialog, IDC_HELPTEXT);
    SetWindowTextA(text, helpText);
    SetFocus(text);
    SendMessageA(text, EM_SETSEL, 0, 0);
    SendMessageA(text, EM_SCROLLCARET, 0, 0);
}

static INT_PTR CALLBACK helpProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: showHelpText(dialog); return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, 0);
        return TRUE;
    default: return FALSE;
    }
}

void showHelpPage(HWND owner)
{
    DialogBoxParamA(GetModuleHandleA(nullptr), "EDITORHELP", owner, helpProc, 0);
}
