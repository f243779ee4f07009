#include "levelfile.h"

#include <cstdint>
#include <iomanip>
#include <sstream>

#include "files.h"
#include "levelformat.h"
#include "namecodec.h"

namespace {

std::string recordLabel(const std::string& where, int index)
{
    return where + ": record " + std::to_string(index + 1);
}

bool appendRecord(const Level& level, std::string* bytes, std::string* problem)
{
    std::string name;
    std::string nameTrouble = nameProblem(level.name);
    if (!nameTrouble.empty() || !utf8ToCp949(level.name, &name)) {
        *problem = level.where + ": " + nameTrouble;
        return false;
    }
    name.resize(levelRecordNameBytes, '\0');
    std::uint8_t packed[64] = {};
    packPicture(level.picture, level.size, packed);
    bytes->append(name);
    bytes->append(reinterpret_cast<const char*>(packed), packedBytes(level.size));
    return true;
}

// The board size the file is for: its name first, else the one size whose
// records fill it exactly.
int sizeOfFile(const std::string& where, long length, int count)
{
    int named = sizeOfLevelFileName(where);
    return named != 0 ? named : sizeFillingLength(length, count);
}

// Where a file cut short ends among the records of one size: "ends inside
// record 3, 20 bytes missing".
std::string truncationText(long length, int size, int count)
{
    long recordsRead = length - levelHeaderBytes;
    std::string within = recordsRead % recordBytes(size) ? "inside" : "before";
    return "ends " + within + " record " + std::to_string(recordsRead / recordBytes(size) + 1) + ", " +
           std::to_string(recordOffset(size, count) - length) + " bytes missing";
}

// A file shorter than its count byte wants at every size is cut short
// whatever its size; "" for a file that may be whole at some size.
std::string truncatedAtEverySize(long length, int count)
{
    std::string text;
    for (int size : {10, 15, 20}) {
        if (length >= recordOffset(size, count))
            return "";
        text += std::string(text.empty() ? "" : "; ") + "as " + std::to_string(size) + " x " + std::to_string(size) +
                " boards it " + truncationText(length, size, count);
    }
    return text;
}

bool padBitsAreZero(const std::uint8_t* packed, int size)
{
    int used = size * size;
    for (int i = used; i < packedBytes(size) * 8; ++i) {
        if ((packed[i / 8] >> (7 - i % 8)) & 1)
            return false;
    }
    return true;
}

std::string hexByte(int value)
{
    std::ostringstream text;
    text << "0x" << std::hex << std::setw(2) << std::setfill('0') << value;
    return text.str();
}

// The name field: zero-terminated CP949 text, zero-padded.
std::string nameFlaw(const std::string& field, std::string* utf8)
{
    size_t end = field.find('\0');
    if (end == std::string::npos)
        return "the name has no zero byte in its 20 bytes";
    if (end == 0)
        return "the name is empty";
    if (field.find_first_not_of('\0', end) != std::string::npos)
        return "bytes after the name's zero byte are not zero";
    // A control byte would reach the records file beside a best time.
    std::string control = controlByteProblem(field.substr(0, end));
    if (!control.empty())
        return control;
    if (!cp949ToUtf8(field.substr(0, end), utf8))
        return "the name is not CP949 text";
    return "";
}

Level readRecord(const std::string& bytes, const std::string& where, int size, int index)
{
    Level level;
    level.size = size;
    level.where = recordLabel(where, index);
    std::string field = bytes.substr(recordOffset(size, index), levelRecordNameBytes);
    const std::uint8_t* packed = reinterpret_cast<const std::uint8_t*>(bytes.data() + pictureOffset(size, index));
    unpackPicture(packed, size, level.picture);
    std::string flaw = nameFlaw(field, &level.name);
    if (flaw.empty() && !padBitsAreZero(packed, size))
        flaw = "pad bits after the last block are set";
    if (!flaw.empty())
        level.flaw = level.where + ": " + flaw;
    return level;
}

}  // namespace

int sizeOfLevelFileName(const std::string& path)
{
    std::string name = fileNameOf(path);
    for (int size : {10, 15, 20}) {
        if (name == "level" + std::to_string(size) + ".dat")
            return size;
    }
    return 0;
}

// Record sizes differ, so at most one size fills a length exactly.
int sizeFillingLength(long length, int count)
{
    for (int size : {10, 15, 20}) {
        if (length == recordOffset(size, count))
            return size;
    }
    return 0;
}

std::string levelCountProblem(size_t count)
{
    if (count <= static_cast<size_t>(maxLevelsPerFile))
        return "";
    return std::to_string(count) + " levels, a file holds at most " + std::to_string(maxLevelsPerFile);
}

bool levelFileBytes(const std::vector<Level>& levels, std::string* bytes, std::string* problem)
{
    if (levels.empty()) {
        *problem = "no levels to pack";
        return false;
    }
    *problem = levelCountProblem(levels.size());
    if (!problem->empty())
        return false;
    int size = levels[0].size;
    bytes->assign(levelFileMark, levelFileMark + 2);
    bytes->push_back(static_cast<char>(levels.size()));
    for (const Level& level : levels) {
        if (!isBoardSize(level.size) || level.size != size) {
            *problem = level.where + ": a " + std::to_string(level.size) + " x " + std::to_string(level.size) +
                       " board among " + std::to_string(size) + " x " + std::to_string(size) + " ones";
            return false;
        }
        if (!appendRecord(level, bytes, problem))
            return false;
    }
    return true;
}

bool parseLevelFile(const std::string& bytes, const std::string& where, LevelFileContent* content,
                    std::string* problem)
{
    *content = LevelFileContent();
    long length = static_cast<long>(bytes.size());
    if (length < levelHeaderBytes) {
        *problem = where + ": header truncated: " + std::to_string(length) + " bytes, a level file begins with 3";
        return false;
    }
    int count = static_cast<std::uint8_t>(bytes[2]);
    if (count < 1 || count > maxLevelsPerFile) {
        *problem = where + ": count byte " + std::to_string(count) + " (offset 2) is out of range 1..127";
        return false;
    }
    int size = sizeOfFile(where, length, count);
    std::string cut = size > 0 ? "" : truncatedAtEverySize(length, count);
    if (!cut.empty()) {
        *problem = where + ": truncated: the count byte says " + std::to_string(count) + " records; " + cut;
        return false;
    }
    if (size <= 0) {
        *problem = where + ": cannot tell the board size from a " + std::to_string(length) +
                   "-byte file of " + std::to_string(count) + " records; name it level10.dat, level15.dat or level20.dat";
        return false;
    }
    if (length < recordOffset(size, count)) {
        *problem = where + ": truncated: the count byte says " + std::to_string(count) + " records of " +
                   std::to_string(size) + " x " + std::to_string(size) + "; the file " +
                   truncationText(length, size, count) + " (" + std::to_string(length) + " bytes, " +
                   std::to_string(recordOffset(size, count)) + " needed)";
        return false;
    }
    content->size = size;
    if (bytes[0] != levelFileMark[0] || bytes[1] != levelFileMark[1]) {
        content->warnings.push_back(where + ": header bytes " + hexByte(static_cast<std::uint8_t>(bytes[0])) + " " +
                                    hexByte(static_cast<std::uint8_t>(bytes[1])) +
                                    " are not 'B' '2' (the game ignores them; a repack writes 'B' '2')");
    }
    if (length > recordOffset(size, count)) {
        content->warnings.push_back(where + ": " + std::to_string(length - recordOffset(size, count)) +
                                    " bytes after the last record (the game ignores them)");
    }
    for (int index = 0; index < count; ++index)
        content->levels.push_back(readRecord(bytes, where, size, index));
    return true;
}

bool loadLevelFile(const std::string& path, LevelFileContent* content, std::string* problem)
{
    std::string bytes;
    if (!readWholeFile(path, &bytes, problem))
        return false;
    return parseLevelFile(bytes, path, content, problem);
}
