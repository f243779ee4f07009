#include "savechecks.h"

#include "files.h"
#include "levelfile.h"

namespace {

std::string sizeText(int size) { return std::to_string(size) + " x " + std::to_string(size); }

}  // namespace

std::string levelFileNameFor(int size) { return "level" + std::to_string(size) + ".dat"; }

// The game's file calls take a name in any case, as Windows does.
int misreadSizeOfName(const std::string& path, int size)
{
    std::string lower = fileNameOf(path);
    for (char& c : lower)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    int named = sizeOfLevelFileName(lower);
    return named != 0 && named != size ? named : 0;
}

std::string misreadNameQuestion(int named, int size)
{
    return "이 이름은 " + sizeText(named) + " 그림의 레벨 파일 이름입니다.\n" +
           "게임은 이 파일을 " + sizeText(named) + " 그림으로 읽어, 이 " + sizeText(size) +
           " 그림들을 엉뚱한 판으로 잘못 내놓습니다.\n" + sizeText(size) + " 그림은 " + levelFileNameFor(size) +
           "에 저장해야 게임이 바로 읽습니다.\n\n그래도 이 이름으로 저장할까요?";
}

bool changedOnDisk(const EditDocument& document, const std::string& path)
{
    if (!document.diskKnown || path != document.path)
        return false;
    std::string bytes;
    std::string problem;
    if (!readWholeFile(path, &bytes, &problem))
        return false;
    return bytes != document.diskBytes;
}

void noteDiskBytes(EditDocument* document, const std::string& bytes)
{
    document->diskKnown = true;
    document->diskBytes = bytes;
}
