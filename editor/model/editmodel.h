#pragma once
// The level editor's model: the pictures of one level file being drawn, the
// strokes that draw them, undo and redo, the names, and opening and saving.
// Platform-free: the editor's window layer draws what this holds and calls
// these operations; nothing here draws or asks the player anything.
// Texts for the player are Korean in UTF-8; the window layer converts them to
// the ANSI code page (949) at the edge.
// The verdicts and suggestions of a picture are in pictureverdict.h.
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "level.h"
#include "levelfile.h"

// The most pictures a level file holds (the game reads no more).
const int mostEditorPictures = maxLevelsPerFile;
// How many changes undo keeps; the oldest go first.
const int mostUndoSteps = 1000;

// The kinds of an undoable change.
const int changePicture = 0;  // blocks, name or credits of one picture
const int changeInsert = 1;   // a picture added or duplicated at index
const int changeRemove = 2;   // the picture at index deleted
const int changeMove = 3;     // the picture at index moved to otherIndex

struct EditChange {
    int kind = changePicture;
    int index = 0;
    int otherIndex = 0;  // changeMove: where the picture went
    Level before;        // changePicture, changeRemove: the picture as it was
    Level after;         // changePicture, changeInsert: the picture as it became
    int serial = 0;      // tells the saved state apart from every other
};

// A drag with one button: the left sets bombs, the right clears. It acts on
// the block it began on, then along the one row or column fixed by the first
// move away from that block.
const int strokeNoLine = 0;
const int strokeAlongRow = 1;
const int strokeAlongColumn = 2;

struct EditStroke {
    bool active = false;
    int value = 0;  // 1 bomb, 0 free
    int startCol = 0;
    int startRow = 0;
    int line = strokeNoLine;
    int lastCol = 0;  // the block the stroke last reached
    int lastRow = 0;
    Level before;  // the picture as the stroke found it
};

struct EditDocument {
    int size = 0;                 // 10, 15 or 20; 0 before anything is opened
    std::vector<Level> pictures;  // at most mostEditorPictures
    int selected = -1;            // -1 only when there are no pictures
    std::string path;             // the file it was opened from or saved to; "" for a new one
    // The bytes the file at path held when it was opened or last saved, to
    // tell whether another program has written it since.
    bool diskKnown = false;
    std::string diskBytes;
    std::deque<EditChange> undoSteps;  // the oldest first
    std::deque<EditChange> redoSteps;  // the next to redo last
    int nextSerial = 1;
    // The state before the oldest undo step: 0 as opened, else the serial of
    // the last step dropped past mostUndoSteps.
    int baseSerial = 0;
    int savedSerial = 0;  // the serial of the state last saved
    // Grows with every change to the pictures, each step of a stroke
    // included: the window layer asks for a fresh verdict when it moves.
    int edits = 0;
    EditStroke stroke;
};

// ---- The document ----

// An empty document of one size with one empty picture, "그림 1".
void newDocument(EditDocument* document, int size);
// Whether anything was changed since the last save (undo back to it counts as unchanged).
bool changedSinceSaved(const EditDocument& document);
// The document as it stands is what the file holds (saveLevelFile does this).
void markSaved(EditDocument* document);
const Level* selectedPicture(const EditDocument& document);
// False when index is out of range.
bool selectPicture(EditDocument* document, int index);
// An empty picture after the selected one, named "그림 N" by its place, and
// selected. False at mostEditorPictures.
bool addPicture(EditDocument* document);
// A copy of the selected picture after it, selected; false at mostEditorPictures.
bool duplicatePicture(EditDocument* document);
// Deletes the selected picture; the one after it (else before) is selected.
// False when it is the last picture: a level file holds at least one.
bool deletePicture(EditDocument* document);
// Moves the selected picture one place up (toward the first) or down; it stays selected.
bool movePictureUp(EditDocument* document);
bool movePictureDown(EditDocument* document);
// Renames the selected picture; "" on success, else why not (Korean), and the name stays.
std::string renamePicture(EditDocument* document, const std::string& name);
// Sets the credits ("by", "copyright", "license" and their texts) of the selected picture.
bool setCredits(EditDocument* document, const std::vector<std::pair<std::string, std::string>>& credits);
// Sets one block of the selected picture (1 bomb, 0 free) as one change;
// false when it already held that value or is off the board.
bool setBlock(EditDocument* document, int col, int row, int value);
// Replaces every block of the selected picture as one change ([col][row], 1 = bomb).
bool setBlocks(EditDocument* document, const int (*picture)[gridRoom]);
// Adds a picture read elsewhere (an imported one) after the selected one, as
// one change; false when the sizes differ or the file is full.
bool insertPicture(EditDocument* document, const Level& picture);

// ---- Strokes ----

// The button goes down on a block of the selected picture; value 1 sets
// bombs (left button), 0 clears (right button). False off the board.
bool beginEditStroke(EditDocument* document, int col, int row, int value);
// The mouse is over a block: the stroke fixes its line on its first move
// away from the start block (along the row when it moved at least as far
// sideways as up or down), and sets every block of that line from where it
// last was to the block across from (col, row). True when a block changed.
bool continueEditStroke(EditDocument* document, int col, int row);
// The button goes up: the whole stroke becomes one undoable change, if it
// changed anything.
void endEditStroke(EditDocument* document);

// ---- Undo and redo ----

bool canUndo(const EditDocument& document);
bool canRedo(const EditDocument& document);
// Undoes the last change (ending a stroke in progress first) and selects the
// picture it concerns. False when there is nothing to undo.
bool undoChange(EditDocument* document);
bool redoChange(EditDocument* document);

// ---- Names ----

// "" when the name can be a picture's name, else why not, in Korean: empty,
// a control byte, a character CP949 cannot hold, more than 19 bytes in CP949.
std::string nameProblemText(const std::string& utf8);
// A name the player typed: as nameProblemText, and a name of blanks only
// (which the game would show as none) is refused too. Only typing refuses
// it: a file that holds one opens and saves as the game reads it.
std::string typedNameProblemText(const std::string& utf8);
// How many of the 19 bytes of a name are left; below 0 when it is too long.
// A text CP949 cannot hold counts each such character as 2 bytes.
int nameBytesLeft(const std::string& utf8);

// ---- Files ----

struct OpenReport {
    bool opened = false;       // the document holds what could be read
    int picturesRead = 0;
    std::string message;       // Korean: what is wrong and what could be read; "" when all is well
};

// Opens a level file into the document (its undo steps cleared). The board
// size is the one the records fill exactly, else the one the file's name
// gives (level10.dat ...), as the game reads it. A file cut short gives the
// whole pictures before the cut; a picture with a bad name gets "그림 N";
// each is told of in the message, and the document counts as changed. A
// file that holds no picture (empty, foreign, unreadable, no board size to
// tell) leaves the document as it was.
OpenReport openLevelFile(EditDocument* document, const std::string& path);

struct SaveReport {
    bool saved = false;
    std::string message;  // Korean: why not; "" when saved
};

// Writes every picture to path through the level tool's writer, to a new
// file beside it that then replaces it, so a failed save leaves the old file
// whole. Refuses names the game could not read, and any bytes the game's
// reader would not read back as these pictures. Marks the document saved.
SaveReport saveLevelFile(EditDocument* document, const std::string& path);

// A picture that fails the level check, with why (Korean), for the confirm
// dialog before saving.
struct PictureFailure {
    int index = 0;
    std::string reason;
};
// Judges copies of the pictures (repeats of an earlier one included) as the
// level check does; the search of a stalled picture is bounded by
// searchSeconds each. Safe on a worker thread with copies of the pictures.
std::vector<PictureFailure> failingPictures(const std::vector<Level>& pictures, double searchSeconds = 0.2);

struct ImportReport {
    bool imported = false;
    std::string message;  // Korean: why not, or what to mend in the picture imported; "" when all is well
};
// Imports a .non puzzle or a level source (*.txt; the choice by the file's
// ending) as a new picture after the selected one. A .non puzzle whose clues
// line logic cannot solve is imported as one picture that fits them, so
// that it can be mended here; the message says so.
ImportReport importPicture(EditDocument* document, const std::string& path);
// Writes the selected picture as a .non puzzle or a level source (by the
// ending of path), replacing the file whole. "" on success, else why not.
std::string exportPicture(const EditDocument& document, const std::string& path);
