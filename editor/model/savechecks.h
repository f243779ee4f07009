#pragma once
// What a save asks about before it writes, decided apart from the window: a
// level-file name of another board size, which the game would misread, and
// a file that another program (a second editor, say) wrote since this one
// opened or last saved it, whose work the save would drop.
#include <string>

#include "editmodel.h"

// The level-file name of pictures of that size: "level15.dat".
std::string levelFileNameFor(int size);
// The board size the file's name makes the game read it as, when that is
// not the size of the pictures (level10.dat for 15 x 15 pictures); 0 when the
// name fits or is no level-file name (which the game does not read at all).
int misreadSizeOfName(const std::string& path, int size);
// The question before saving pictures of size under the name of named, in Korean.
std::string misreadNameQuestion(int named, int size);

// Whether the file at path holds other bytes than the document last read
// from or wrote to it. False for a file the document never had (Save As
// elsewhere asks in its own dialog) and for one that is gone (the save
// loses nothing of anyone's).
bool changedOnDisk(const EditDocument& document, const std::string& path);
// The document's bytes on disk are these (after opening or saving path).
void noteDiskBytes(EditDocument* document, const std::string& bytes);
