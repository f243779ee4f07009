#include "koreantexts.h"

#include <sstream>
#include <utility>
#include <vector>

#include "files.h"
#include "levelcheck.h"

namespace {

// The level tool's words and the editor's for them.
const std::pair<const char*, const char*> gradeWords[] = {
    {"no grade", "등급 없음"}, {"easy", "쉬움"}, {"middle", "보통"}, {"hard", "어려움"}, {"rounds", "라운드"}, {"steps", "단계"}, {" a line", "/줄"},
};

const std::pair<const char*, const char*> repeatWords[] = {
    {"the same picture", "같은 그림"},
    {"mirrored left to right", "좌우로 뒤집은 그림"},
    {"upside down", "위아래로 뒤집은 그림"},
    {"turned half round", "반 바퀴 돌린 그림"},
    {"shifted", "옮긴 그림"},
};

void replaceAll(std::string* text, const std::string& from, const std::string& to)
{
    for (size_t at = text->find(from); at != std::string::npos; at = text->find(from, at + to.size()))
        text->replace(at, from.size(), to);
}

// The level tool's accounts of a file it could not read, "*" standing for a
// part that differs, and the editor's for them, "%1" ... standing for those
// parts in order (each told in Korean too, when it is a wording of its own).
const std::pair<const char*, const char*> readProblems[] = {
    {"\"*\" is not a number", "\"%1\"은(는) 수가 아닙니다"},
    {"\"*\" has an empty clue: every comma stands between two numbers",
     "\"%1\"에 빈 단서가 있습니다: 쉼표는 두 수 사이에만 씁니다"},
    {"a clue of 0 among other clues", "다른 단서 사이에 0이 있습니다"},
    {"too many clues for one line", "한 줄에 단서가 너무 많습니다"},
    {"the clues need * blocks, the line has *", "단서대로면 블럭 %1개가 필요한데 줄은 %2칸입니다"},
    {"the board is * x *; levels are square 10, 15 or 20",
     "판이 %1 x %2입니다: 그림은 10 x 10, 15 x 15, 20 x 20이어야 합니다"},
    {"the section ends before its * clue lines", "단서 %1줄이 다 나오기 전에 구역이 끝납니다"},
    {"the * section has more than * clue lines", "%1 구역의 단서가 %2줄보다 많습니다"},
    {"* before width and height", "width와 height보다 %1이(가) 먼저 나옵니다"},
    {"unknown character '*' in the goal", "goal에 알 수 없는 글자 '%1'이(가) 있습니다"},
    {"a board needs at least one line", "판에는 줄이 하나 이상 있어야 합니다"},
    {"the goal has * blocks, the board *", "goal은 블럭 %1개인데 판은 %2칸입니다"},
    {"row *'s clue * does not match the goal (*)", "%1번째 행의 단서 %2이(가) goal과 맞지 않습니다 (goal로는 %3)"},
    {"column *'s clue * does not match the goal (*)", "%1번째 열의 단서 %2이(가) goal과 맞지 않습니다 (goal로는 %3)"},
    {"no goal, and not both rows and columns", "goal이 없고, rows와 columns 가운데 하나가 없습니다"},
    {"the clues contradict one another: no picture fits them", "단서끼리 어긋납니다: 맞는 그림이 없습니다"},
    {"no goal, and line logic leaves * blocks undecided*", "goal이 없고, 단서에 맞는 그림을 시간 안에 찾지 못했습니다"},
    {"no width or no height", "width나 height가 없습니다"},
    {"no title, which names the level*", "그림의 이름(title)이 없습니다"},
    {"the file is not UTF-8 text (perhaps saved in CP949); save it as UTF-8",
     "UTF-8 글 파일이 아닙니다 (CP949로 저장한 듯합니다): UTF-8로 저장해 주세요"},
    {"the file is not UTF-8 text; save it as UTF-8", "UTF-8 글 파일이 아닙니다: UTF-8로 저장해 주세요"},
    {"the first line must be \"name: <name>\"", "첫 줄은 \"name: <이름>\"이어야 합니다"},
    {"a blank at the end of line * (nothing may follow the blocks)", "%1번째 줄 끝에 빈칸이 있습니다 (블럭 뒤에는 아무것도 올 수 없습니다)"},
    {"* in column * (only '#' and '.' draw a board)", "%2번째 칸에 %1이(가) 있습니다 ('#'과 '.'만 판을 그립니다)"},
    {"a blank", "빈칸"},
    {"a tab", "탭"},
    {"unknown character byte 0x*", "알 수 없는 바이트 0x%1"},
    {"unknown character '*'", "알 수 없는 글자 '%1'"},
    {"the first row has * blocks; a board is 10, 15 or 20 wide", "첫 행이 블럭 %1개입니다: 판은 10, 15, 20칸 너비입니다"},
    {"ragged row: * blocks, the first row has *", "행의 길이가 다릅니다: 블럭 %1개인데 첫 행은 %2개입니다"},
    {"more than * rows", "행이 %1개보다 많습니다"},
    {"the file is empty; a source begins with \"name: <name>\"", "빈 파일입니다: 그림 소스는 \"name: <이름>\"으로 시작합니다"},
    {"no \"name:\" line and no board", "\"name:\" 줄도 판도 없습니다"},
    {"* rows, the board needs *", "행이 %1개인데 판에는 %2개가 있어야 합니다"},
    {"the name is empty", "이름이 비어 있습니다"},
    {"the name holds the control byte 0x* at byte *", "이름의 %2번째 바이트에 제어 문자(0x%1)가 있습니다"},
    {"the name is not UTF-8 text", "이름이 UTF-8 글이 아닙니다"},
    {"the name \"*\" has characters that CP949 cannot hold", "이름 \"%1\"에 게임이 쓸 수 없는 글자가 있습니다"},
    {"the name \"*\" is * bytes in CP949, at most * fit", "이름 \"%1\"이(가) %2바이트로 깁니다: %3바이트까지 됩니다"},
    {"cannot be read", "읽을 수 없습니다"},
};

// Whether text is pattern with its "*" filled, and with what. Each "*" takes
// the shortest part after which the rest can follow; the last piece ends the text.
bool matchesPattern(const std::string& text, const std::string& pattern, std::vector<std::string>* parts)
{
    std::vector<std::string> pieces;
    for (size_t from = 0;;) {
        size_t star = pattern.find('*', from);
        pieces.push_back(pattern.substr(from, star == std::string::npos ? std::string::npos : star - from));
        if (star == std::string::npos)
            break;
        from = star + 1;
    }
    if (text.compare(0, pieces[0].size(), pieces[0]) != 0)
        return false;
    size_t at = pieces[0].size();
    parts->clear();
    for (size_t i = 1; i < pieces.size(); ++i) {
        const bool last = i + 1 == pieces.size();
        size_t found = last ? (text.size() >= pieces[i].size() ? text.size() - pieces[i].size() : std::string::npos)
                            : text.find(pieces[i], at);
        if (found == std::string::npos || found < at || text.compare(found, pieces[i].size(), pieces[i]) != 0)
            return false;
        parts->push_back(text.substr(at, found - at));
        at = found + pieces[i].size();
    }
    return pieces.size() > 1 || at == text.size();
}

// The Korean of one of the level tool's wordings; false when the table has none.
bool koreanWording(const std::string& english, std::string* korean)
{
    std::vector<std::string> parts;
    for (const auto& wording : readProblems) {
        if (!matchesPattern(english, wording.first, &parts))
            continue;
        *korean = wording.second;
        for (size_t i = 0; i < parts.size(); ++i) {
            std::string part;
            replaceAll(korean, "%" + std::to_string(i + 1), koreanWording(parts[i], &part) ? part : parts[i]);
        }
        return true;
    }
    return false;
}

std::string koreanProblemLine(const std::string& english)
{
    std::string korean;
    return koreanWording(english, &korean) ? korean : "이 파일은 그림으로 읽을 수 없습니다";
}

// "cross.non:7: what" or "folder/cup.txt: what", where is the file's name or path.
std::string koreanFlawLine(const std::string& line, const std::string& path)
{
    for (const std::string& where : {path, fileNameOf(path)}) {
        if (line.compare(0, where.size() + 1, where + ":") != 0)
            continue;
        std::string rest = line.substr(where.size() + 1);
        size_t digits = rest.find_first_not_of("0123456789");
        if (digits != 0 && digits != std::string::npos && rest.compare(digits, 2, ": ") == 0) {
            return fileNameOf(path) + " " + rest.substr(0, digits) + "번째 줄: " +
                   koreanProblemLine(rest.substr(digits + 2));
        }
        return fileNameOf(path) + ": " + koreanProblemLine(trimmed(rest));
    }
    return koreanProblemLine(line);
}


}  // namespace

std::string koreanGradeText(int rounds, int steps, int size)
{
    // Words of a grade the table above does not know stay as the level tool says them.
    std::string text = gradeText(rounds, steps, size);
    for (const auto& word : gradeWords)
        replaceAll(&text, word.first, word.second);
    return text;
}

std::string uniqueByLinesText(int rounds, int steps, int size)
{
    return "선으로 풀림: 유일한 그림 (" + koreanGradeText(rounds, steps, size) + ")";
}

std::string linesStopText(int undecided)
{
    return "선으로 풀다 멈춤: 블럭 " + std::to_string(undecided) + "개가 정해지지 않음 (표시한 블럭)";
}

std::string severalPicturesText(int differing)
{
    return "그림이 둘 이상 맞음: 다른 그림과 블럭 " + std::to_string(differing) + "개가 다름 (표시한 블럭)";
}

std::string needsGuessingText() { return "그림은 하나뿐이지만 찍어 봐야 풀림"; }

std::string unknownCountText(double seconds)
{
    std::ostringstream text;
    text << seconds;
    return "맞는 그림이 몇 개인지 " + text.str() + "초 안에 알 수 없음";
}

std::string bombShareText(int percent)
{
    return "폭탄이 " + std::to_string(percent) + "%: " + std::to_string(fewestBombPercent) + "~" +
           std::to_string(mostBombPercent) + "%여야 함";
}

std::string emptyPictureText() { return "빈 그림: 폭탄 블럭을 그려 주세요"; }

std::string repeatText(int index, const std::string& how)
{
    std::string korean = how;
    for (const auto& word : repeatWords)
        replaceAll(&korean, word.first, word.second);
    replaceAll(&korean, " and 옮긴 그림", " (옮김)");
    return std::to_string(index + 1) + "번 그림과 겹침: " + korean;
}

std::string koreanReadProblem(const std::string& flaw, const std::string& path)
{
    std::string korean;
    for (const std::string& line : splitLines(flaw)) {
        if (!line.empty() && line[0] != ' ')  // an indented line draws the board, in '#' and '.'
            korean += (korean.empty() ? "" : "\n") + koreanFlawLine(line, path);
    }
    return korean;
}

std::string flipText(int col, int row, int value)
{
    return std::to_string(col + 1) + "열 " + std::to_string(row + 1) + "행 블럭을 " + (value ? "폭탄으로" : "빈 블럭으로");
}
