// Opening, saving, importing and exporting the editor's level files.
#include <cstdint>

#include "editmodel.h"
#include "files.h"
#include "koreantexts.h"
#include "levelcheck.h"
#include "levelformat.h"
#include "namecodec.h"
#include "nonfile.h"
#include "savechecks.h"
#include "sourcefile.h"

namespace {

std::string pictureLabel(int index) { return "그림 " + std::to_string(index + 1); }

std::string sizeText(int size) { return std::to_string(size) + " x " + std::to_string(size); }

bool endsWith(const std::string& text, const std::string& ending)
{
    if (text.size() < ending.size())
        return false;
    std::string tail = text.substr(text.size() - ending.size());
    for (char& c : tail)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return tail == ending;
}

void addLine(std::string* message, const std::string& line) { *message += (message->empty() ? "" : "\n") + line; }

// Takes the pictures read into the document; a picture whose record was
// flawed gets a fresh name or its pad bits dropped, and the message says so.
void takePictures(EditDocument* document, const std::string& path, const LevelFileContent& content,
                  std::string* message)
{
    *document = EditDocument();
    document->size = content.size;
    document->path = path;
    for (size_t i = 0; i < content.levels.size(); ++i) {
        Level picture = content.levels[i];
        int index = static_cast<int>(i);
        if (!picture.flaw.empty() && !nameProblem(picture.name).empty()) {
            picture.name = pictureLabel(index);
            addLine(message, pictureLabel(index) + ": 이름을 읽을 수 없어 \"" + picture.name + "\"(으)로 바꿈");
        } else if (!picture.flaw.empty()) {
            addLine(message, pictureLabel(index) + ": 그림 뒤의 남는 비트가 켜져 있음 (저장하면 지워짐)");
        }
        picture.flaw.clear();
        picture.where = pictureLabel(index);
        document->pictures.push_back(picture);
    }
    document->selected = 0;
}

// A foreign file that happens to have a fitting length reads as records of nonsense names.
bool noNameReadable(const LevelFileContent& content)
{
    for (const Level& picture : content.levels) {
        if (nameProblem(picture.name).empty())
            return false;
    }
    return true;
}

// A file cut short inside its records: the whole records before the cut,
// read as a file of that many. False when not one is whole.
bool readWholeRecords(const std::string& bytes, const std::string& path, int size, LevelFileContent* content,
                      int* whole)
{
    long length = static_cast<long>(bytes.size());
    *whole = static_cast<int>((length - levelHeaderBytes) / recordBytes(size));
    if (*whole < 1)
        return false;
    std::string cut = bytes.substr(0, recordOffset(size, *whole));
    cut[2] = static_cast<char>(*whole);
    std::string problem;
    return parseLevelFile(cut, path, content, &problem);
}

// What is wrong with a level file before its records are read; "" when the
// header is sound.
std::string headerProblem(const std::string& bytes)
{
    if (bytes.empty())
        return "빈 파일입니다: 그림이 하나도 없습니다";
    if (bytes.size() < static_cast<size_t>(levelHeaderBytes))
        return "레벨 파일이 아닙니다: " + std::to_string(bytes.size()) + "바이트뿐입니다";
    int count = static_cast<std::uint8_t>(bytes[2]);
    if (count < 1 || count > maxLevelsPerFile) {
        return "레벨 파일이 아닙니다: 그림 수를 적는 바이트가 " + std::to_string(count) + "입니다 (1~" +
               std::to_string(maxLevelsPerFile) + "이어야 합니다)";
    }
    return "";
}

// The board size to read a file as: the one its records fill exactly, else
// the one its name gives; 0 when neither tells. A note when they disagree.
int sizeToRead(const std::string& bytes, const std::string& path, std::string* message)
{
    int count = static_cast<std::uint8_t>(bytes[2]);
    int fitting = sizeFillingLength(static_cast<long>(bytes.size()), count);
    int named = sizeOfLevelFileName(path);
    if (fitting != 0 && named != 0 && fitting != named) {
        addLine(message, "파일 이름은 " + sizeText(named) + " 그림의 것인데 내용은 " + sizeText(fitting) +
                             " 그림 " + std::to_string(count) + "개입니다: " + sizeText(fitting) +
                             "(으)로 열었습니다 (게임은 이 이름의 파일을 " + sizeText(named) + "(으)로 읽습니다)");
    }
    return fitting != 0 ? fitting : named;
}

void addExtraBytes(const std::string& bytes, int size, std::string* message)
{
    long length = static_cast<long>(bytes.size());
    long used = recordOffset(size, static_cast<std::uint8_t>(bytes[2]));
    if (length > used) {
        addLine(message, "마지막 그림 뒤에 " + std::to_string(length - used) +
                             "바이트가 더 있습니다 (게임은 읽지 않으며 저장하면 없어집니다)");
    }
}

std::string failureText(const Level& picture, const LevelVerdict& verdict)
{
    std::string text;
    if (verdict.lineResult != solvedByLines)
        text = linesStopText(verdict.undecided);
    if (!verdict.fairShare)
        text += (text.empty() ? "" : "; ") + bombShareText(verdict.bombs * 100 / (picture.size * picture.size));
    if (verdict.repeatOf >= 0)
        text += (text.empty() ? "" : "; ") + repeatText(verdict.repeatOf, verdict.repeatHow);
    return text;
}

// The bytes the game would read back as exactly these pictures.
bool gameReadsBack(const std::string& bytes, const std::vector<Level>& pictures, int size)
{
    LevelFileContent content;
    std::string problem;
    if (!parseLevelFile(bytes, "level" + std::to_string(size) + ".dat", &content, &problem))
        return false;
    if (!content.warnings.empty() || content.levels.size() != pictures.size())
        return false;
    for (size_t i = 0; i < pictures.size(); ++i) {
        const Level& read = content.levels[i];
        if (!read.flaw.empty() || read.name != pictures[i].name || !samePicture(read, pictures[i]))
            return false;
    }
    return true;
}

bool readPictureFile(const std::string& path, const std::string& placeholderName, Level* picture)
{
    if (!endsWith(path, ".non"))
        return loadSource(path, picture);
    std::string text;
    std::string problem;
    if (!readWholeFile(path, &text, &problem)) {
        picture->flaw = problem;
        return false;
    }
    // A puzzle that is no level yet (no single answer) is still worth mending.
    NonReadOptions options;
    options.anyFittingPicture = true;
    if (parseNon(text, fileNameOf(path), picture, options))
        return true;
    // Nor is one whose title cannot be a name.
    Level renamed;
    options.name = placeholderName;
    if (!parseNon(text, fileNameOf(path), &renamed, options)) {
        *picture = renamed;  // what is wrong besides the title
        return false;
    }
    *picture = renamed;
    return true;
}

}  // namespace

OpenReport openLevelFile(EditDocument* document, const std::string& path)
{
    OpenReport report;
    std::string bytes;
    std::string problem;
    if (!readWholeFile(path, &bytes, &problem)) {
        report.message = "파일을 읽을 수 없습니다: " + path;
        return report;
    }
    report.message = headerProblem(bytes);
    if (!report.message.empty())
        return report;
    int size = sizeToRead(bytes, path, &report.message);
    if (size == 0) {
        report.message = "레벨 파일이 아닌 것 같습니다: 길이가 어느 크기의 그림에도 맞지 않습니다 "
                         "(잘린 레벨 파일이면 level10.dat, level15.dat, level20.dat 중 하나로 이름을 바꿔 여세요)";
        return report;
    }
    // Read under the name of its size: the name of the file no longer matters.
    std::string asRead = "level" + std::to_string(size) + ".dat";
    LevelFileContent content;
    if (parseLevelFile(bytes, asRead, &content, &problem)) {
        addExtraBytes(bytes, size, &report.message);
    } else {
        int whole = 0;
        if (!readWholeRecords(bytes, asRead, size, &content, &whole)) {
            report.message = "파일이 그림 1 안에서 끝납니다: 읽은 그림이 없습니다";
            return report;
        }
        report.message = "파일이 그림 " + std::to_string(whole + 1) + " 안에서 끝납니다: 그림 " +
                         std::to_string(whole) + "개를 읽었습니다";
    }
    if (noNameReadable(content)) {
        report.message = "레벨 파일이 아닌 것 같습니다: 그림 이름을 하나도 읽을 수 없습니다";
        return report;
    }
    std::string notes = report.message;
    takePictures(document, path, content, &notes);
    noteDiskBytes(document, bytes);
    report.message = notes;
    report.opened = true;
    report.picturesRead = static_cast<int>(document->pictures.size());
    // What was mended or left out differs from the file on disk.
    document->savedSerial = report.message.empty() ? 0 : -1;
    return report;
}

SaveReport saveLevelFile(EditDocument* document, const std::string& path)
{
    endEditStroke(document);
    SaveReport report;
    std::vector<Level> pictures = document->pictures;
    for (size_t i = 0; i < pictures.size(); ++i) {
        std::string problem = nameProblemText(pictures[i].name);
        if (!problem.empty()) {
            report.message = pictureLabel(static_cast<int>(i)) + "의 이름: " + problem;
            return report;
        }
        pictures[i].where = pictureLabel(static_cast<int>(i));
    }
    std::string bytes;
    std::string problem;
    if (!levelFileBytes(pictures, &bytes, &problem) || !gameReadsBack(bytes, pictures, document->size)) {
        report.message = "게임이 읽을 수 있는 파일을 만들 수 없습니다" + (problem.empty() ? "" : ": " + problem);
        return report;
    }
    if (!writeFileAtomically(path, bytes, &problem)) {
        report.message = "파일을 쓸 수 없습니다: " + path + " (그 전 파일은 그대로입니다)";
        return report;
    }
    document->path = path;
    noteDiskBytes(document, bytes);
    markSaved(document);
    report.saved = true;
    return report;
}

std::vector<PictureFailure> failingPictures(const std::vector<Level>& pictures, double searchSeconds)
{
    std::vector<PictureFailure> failures;
    std::vector<Level> judged = pictures;
    for (Level& picture : judged)
        picture.flaw.clear();  // names are checked apart
    std::vector<LevelVerdict> verdicts = judgeLevels(judged, searchSeconds);
    for (size_t i = 0; i < verdicts.size(); ++i) {
        if (verdicts[i].passes)
            continue;
        PictureFailure failure;
        failure.index = static_cast<int>(i);
        failure.reason = failureText(judged[i], verdicts[i]);
        failures.push_back(failure);
    }
    return failures;
}

ImportReport importPicture(EditDocument* document, const std::string& path)
{
    ImportReport report;
    if (static_cast<int>(document->pictures.size()) >= mostEditorPictures) {
        report.message = "파일에 그림이 이미 " + std::to_string(mostEditorPictures) + "개라 더 넣을 수 없습니다";
        return report;
    }
    Level picture;
    if (!readPictureFile(path, pictureLabel(document->selected + 1), &picture)) {
        report.message = "가져올 수 없습니다:\n" + koreanReadProblem(picture.flaw, path);
        return report;
    }
    if (picture.size != document->size) {
        report.message = "크기가 다릅니다: " + sizeText(picture.size) + " 그림은 " + sizeText(document->size) +
                         " 파일에 넣을 수 없습니다";
        return report;
    }
    picture.flaw.clear();
    insertPicture(document, picture);
    report.imported = true;
    std::vector<PictureFailure> failures = failingPictures({picture});
    if (!failures.empty()) {
        report.message = "가져왔지만 이 그림은 검사를 통과하지 못합니다: " + failures[0].reason +
                         "\n고친 뒤에 저장해 주세요 (목록에 \"실패\"로 표시됩니다)";
    }
    return report;
}

std::string exportPicture(const EditDocument& document, const std::string& path)
{
    const Level* picture = selectedPicture(document);
    if (!picture)
        return "내보낼 그림이 없습니다";
    std::string text = endsWith(path, ".non") ? nonText(*picture) : sourceText(*picture);
    std::string problem;
    if (!writeFileAtomically(path, text, &problem))
        return "파일을 쓸 수 없습니다: " + path;
    return "";
}
