#include "editmodel.h"

#include <algorithm>
#include <cstdlib>

#include "namecodec.h"

namespace {

std::string numberedName(int index) { return "그림 " + std::to_string(index + 1); }

Level emptyPicture(int size, int index)
{
    Level picture;
    picture.size = size;
    picture.name = numberedName(index);
    picture.where = picture.name;
    return picture;
}

bool onPicture(const EditDocument& document, int col, int row)
{
    return col >= 0 && row >= 0 && col < document.size && row < document.size;
}

int currentSerial(const EditDocument& document)
{
    return document.undoSteps.empty() ? document.baseSerial : document.undoSteps.back().serial;
}

void recordChange(EditDocument* document, EditChange change)
{
    change.serial = document->nextSerial++;
    document->undoSteps.push_back(change);
    document->redoSteps.clear();
    if (static_cast<int>(document->undoSteps.size()) > mostUndoSteps) {
        document->baseSerial = document->undoSteps.front().serial;
        document->undoSteps.pop_front();
    }
}

// The selected picture changed from before to what it holds now.
void recordPictureChange(EditDocument* document, const Level& before)
{
    EditChange change;
    change.kind = changePicture;
    change.index = document->selected;
    change.before = before;
    change.after = document->pictures[document->selected];
    recordChange(document, change);
    ++document->edits;
}

void selectNear(EditDocument* document, int index)
{
    int count = static_cast<int>(document->pictures.size());
    document->selected = count == 0 ? -1 : std::min(std::max(index, 0), count - 1);
}

void insertAt(EditDocument* document, int index, const Level& picture)
{
    document->pictures.insert(document->pictures.begin() + index, picture);
    document->selected = index;
    ++document->edits;
}

void removeAt(EditDocument* document, int index)
{
    document->pictures.erase(document->pictures.begin() + index);
    selectNear(document, index);
    ++document->edits;
}

void moveFromTo(EditDocument* document, int from, int to)
{
    Level moving = document->pictures[from];
    document->pictures.erase(document->pictures.begin() + from);
    document->pictures.insert(document->pictures.begin() + to, moving);
    document->selected = to;
    ++document->edits;
}

// The picture by value: it may be one of the document's, which the insert moves.
void recordInsert(EditDocument* document, int index, Level picture)
{
    insertAt(document, index, picture);
    EditChange change;
    change.kind = changeInsert;
    change.index = index;
    change.after = picture;
    recordChange(document, change);
}

bool movePicture(EditDocument* document, int by)
{
    endEditStroke(document);
    int from = document->selected;
    int to = from + by;
    if (from < 0 || to < 0 || to >= static_cast<int>(document->pictures.size()))
        return false;
    moveFromTo(document, from, to);
    EditChange change;
    change.kind = changeMove;
    change.index = from;
    change.otherIndex = to;
    recordChange(document, change);
    return true;
}

bool setStrokeBlock(EditDocument* document, int col, int row)
{
    int& block = document->pictures[document->selected].picture[col][row];
    if (block == document->stroke.value)
        return false;
    block = document->stroke.value;
    ++document->edits;
    return true;
}

int stepToward(int from, int to) { return from < to ? 1 : (from > to ? -1 : 0); }

int clampToBoard(int value, int size) { return std::min(std::max(value, 0), size - 1); }

// The length of the UTF-8 sequence a lead byte begins, 1 for a stray byte.
size_t sequenceLength(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    return lead >= 0xC0 ? 2 : 1;
}

// The two ways through the steps: undo takes a change back, redo makes it again.
const bool stepBack = false;
const bool stepForward = true;

// The picture a change leaves behind going that way.
const Level& pictureAfterStep(const EditChange& change, bool forward) { return forward ? change.after : change.before; }

// Takes a change back or makes it again: going back, an insert is a removal
// and a removal an insert, and a move goes the way it came.
void applyStep(EditDocument* document, const EditChange& change, bool forward)
{
    switch (change.kind) {
    case changePicture:
        document->pictures[change.index] = pictureAfterStep(change, forward);
        document->selected = change.index;
        ++document->edits;
        break;
    case changeInsert:
    case changeRemove: {
        bool addsPicture = (change.kind == changeInsert) == forward;
        if (addsPicture)
            insertAt(document, change.index, pictureAfterStep(change, forward));
        else
            removeAt(document, change.index);
        break;
    }
    case changeMove:
        moveFromTo(document, forward ? change.index : change.otherIndex, forward ? change.otherIndex : change.index);
        break;
    }
}

// Moves the last change of one list through the document onto the other:
// from the undo steps back, from the redo steps forward.
bool takeStep(EditDocument* document, bool forward)
{
    endEditStroke(document);
    std::deque<EditChange>& from = forward ? document->redoSteps : document->undoSteps;
    std::deque<EditChange>& to = forward ? document->undoSteps : document->redoSteps;
    if (from.empty())
        return false;
    EditChange change = from.back();
    from.pop_back();
    applyStep(document, change, forward);
    to.push_back(change);
    return true;
}

}  // namespace

void newDocument(EditDocument* document, int size)
{
    *document = EditDocument();
    document->size = size;
    document->pictures.push_back(emptyPicture(size, 0));
    document->selected = 0;
}

bool changedSinceSaved(const EditDocument& document) { return currentSerial(document) != document.savedSerial; }

void markSaved(EditDocument* document) { document->savedSerial = currentSerial(*document); }

const Level* selectedPicture(const EditDocument& document)
{
    if (document.selected < 0 || document.selected >= static_cast<int>(document.pictures.size()))
        return nullptr;
    return &document.pictures[document.selected];
}

bool selectPicture(EditDocument* document, int index)
{
    if (index < 0 || index >= static_cast<int>(document->pictures.size()))
        return false;
    endEditStroke(document);
    document->selected = index;
    return true;
}

bool addPicture(EditDocument* document)
{
    endEditStroke(document);
    if (static_cast<int>(document->pictures.size()) >= mostEditorPictures || !isBoardSize(document->size))
        return false;
    int index = document->selected + 1;
    recordInsert(document, index, emptyPicture(document->size, index));
    return true;
}

bool duplicatePicture(EditDocument* document)
{
    endEditStroke(document);
    const Level* picture = selectedPicture(*document);
    if (!picture || static_cast<int>(document->pictures.size()) >= mostEditorPictures)
        return false;
    recordInsert(document, document->selected + 1, *picture);
    return true;
}

bool insertPicture(EditDocument* document, const Level& picture)
{
    endEditStroke(document);
    if (picture.size != document->size || static_cast<int>(document->pictures.size()) >= mostEditorPictures)
        return false;
    recordInsert(document, document->selected + 1, picture);
    return true;
}

bool deletePicture(EditDocument* document)
{
    endEditStroke(document);
    if (!selectedPicture(*document) || document->pictures.size() < 2)
        return false;
    EditChange change;
    change.kind = changeRemove;
    change.index = document->selected;
    change.before = document->pictures[document->selected];
    removeAt(document, document->selected);
    recordChange(document, change);
    return true;
}

bool movePictureUp(EditDocument* document) { return movePicture(document, -1); }

bool movePictureDown(EditDocument* document) { return movePicture(document, 1); }

std::string renamePicture(EditDocument* document, const std::string& name)
{
    endEditStroke(document);
    if (!selectedPicture(*document))
        return "고를 그림이 없습니다";
    std::string problem = typedNameProblemText(name);
    if (!problem.empty() || name == document->pictures[document->selected].name)
        return problem;
    Level before = document->pictures[document->selected];
    document->pictures[document->selected].name = name;
    recordPictureChange(document, before);
    return "";
}

bool setCredits(EditDocument* document, const std::vector<std::pair<std::string, std::string>>& credits)
{
    endEditStroke(document);
    if (!selectedPicture(*document) || document->pictures[document->selected].credits == credits)
        return false;
    for (const auto& credit : credits) {
        if (!isCreditKey(credit.first) || !controlByteProblem(credit.second).empty() || !isUtf8(credit.second))
            return false;
    }
    Level before = document->pictures[document->selected];
    document->pictures[document->selected].credits = credits;
    recordPictureChange(document, before);
    return true;
}

bool setBlock(EditDocument* document, int col, int row, int value)
{
    endEditStroke(document);
    if (!selectedPicture(*document) || !onPicture(*document, col, row))
        return false;
    int& block = document->pictures[document->selected].picture[col][row];
    if (block == (value ? 1 : 0))
        return false;
    Level before = document->pictures[document->selected];
    block = value ? 1 : 0;
    recordPictureChange(document, before);
    return true;
}

bool setBlocks(EditDocument* document, const int (*picture)[gridRoom])
{
    endEditStroke(document);
    if (!selectedPicture(*document))
        return false;
    Level before = document->pictures[document->selected];
    Level after = before;
    for (int col = 0; col < document->size; ++col) {
        for (int row = 0; row < document->size; ++row)
            after.picture[col][row] = picture[col][row] ? 1 : 0;
    }
    if (samePicture(before, after))
        return false;
    document->pictures[document->selected] = after;
    recordPictureChange(document, before);
    return true;
}

bool beginEditStroke(EditDocument* document, int col, int row, int value)
{
    endEditStroke(document);
    if (!selectedPicture(*document) || !onPicture(*document, col, row))
        return false;
    EditStroke& stroke = document->stroke;
    stroke.active = true;
    stroke.value = value ? 1 : 0;
    stroke.startCol = stroke.lastCol = col;
    stroke.startRow = stroke.lastRow = row;
    stroke.line = strokeNoLine;
    stroke.before = document->pictures[document->selected];
    setStrokeBlock(document, col, row);
    return true;
}

bool continueEditStroke(EditDocument* document, int col, int row)
{
    EditStroke& stroke = document->stroke;
    if (!stroke.active)
        return false;
    col = clampToBoard(col, document->size);
    row = clampToBoard(row, document->size);
    if (stroke.line == strokeNoLine) {
        if (col == stroke.startCol && row == stroke.startRow)
            return false;
        int across = std::abs(col - stroke.startCol);
        int down = std::abs(row - stroke.startRow);
        stroke.line = across >= down ? strokeAlongRow : strokeAlongColumn;
    }
    int targetCol = stroke.line == strokeAlongRow ? col : stroke.startCol;
    int targetRow = stroke.line == strokeAlongColumn ? row : stroke.startRow;
    bool changed = false;
    int stepCol = stepToward(stroke.lastCol, targetCol);
    int stepRow = stepToward(stroke.lastRow, targetRow);
    while (stroke.lastCol != targetCol || stroke.lastRow != targetRow) {
        stroke.lastCol += stepCol;
        stroke.lastRow += stepRow;
        changed = setStrokeBlock(document, stroke.lastCol, stroke.lastRow) || changed;
    }
    return changed;
}

void endEditStroke(EditDocument* document)
{
    EditStroke& stroke = document->stroke;
    if (!stroke.active)
        return;
    stroke.active = false;
    if (!selectedPicture(*document) || samePicture(stroke.before, document->pictures[document->selected]))
        return;
    recordPictureChange(document, stroke.before);
}

bool canUndo(const EditDocument& document) { return !document.undoSteps.empty() || document.stroke.active; }

bool canRedo(const EditDocument& document) { return !document.redoSteps.empty(); }

bool undoChange(EditDocument* document) { return takeStep(document, stepBack); }

bool redoChange(EditDocument* document) { return takeStep(document, stepForward); }

std::string nameProblemText(const std::string& utf8)
{
    if (utf8.empty())
        return "이름이 비어 있습니다";
    if (!controlByteProblem(utf8).empty())
        return "이름에 제어 문자는 쓸 수 없습니다";
    std::string bytes;
    if (!isUtf8(utf8) || !utf8ToCp949(utf8, &bytes))
        return "이름에 게임이 쓸 수 없는 글자가 있습니다 (한글, 영문, 숫자와 흔한 기호는 됩니다)";
    if (static_cast<int>(bytes.size()) > maxNameBytes) {
        return "이름이 " + std::to_string(bytes.size()) + "바이트로 깁니다: " + std::to_string(maxNameBytes) +
               "바이트까지 됩니다 (한글 한 자는 2바이트)";
    }
    return "";
}

// Blanks as a player types them: the space, and the wide one of Korean input.
static bool blanksOnly(const std::string& utf8)
{
    const std::string wideBlank = "\xE3\x80\x80";
    for (size_t at = 0; at < utf8.size();) {
        if (utf8[at] == ' ')
            at += 1;
        else if (utf8.compare(at, wideBlank.size(), wideBlank) == 0)
            at += wideBlank.size();
        else
            return false;
    }
    return true;
}

std::string typedNameProblemText(const std::string& utf8)
{
    if (!utf8.empty() && blanksOnly(utf8))
        return "이름이 빈칸뿐입니다: 글자를 하나 이상 넣어 주세요";
    return nameProblemText(utf8);
}

int nameBytesLeft(const std::string& utf8)
{
    int used = 0;
    for (size_t at = 0; at < utf8.size();) {
        size_t length = std::min(sequenceLength(static_cast<unsigned char>(utf8[at])), utf8.size() - at);
        std::string bytes;
        used += utf8ToCp949(utf8.substr(at, length), &bytes) ? static_cast<int>(bytes.size()) : 2;
        at += length;
    }
    return maxNameBytes - used;
}
