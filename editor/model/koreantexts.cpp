#include "koreantexts.h"

#include <sstream>
#include <utility>

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

std::string flipText(int col, int row, int value)
{
    return std::to_string(col + 1) + "열 " + std::to_string(row + 1) + "행 블럭을 " + (value ? "폭탄으로" : "빈 블럭으로");
}
