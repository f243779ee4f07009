#pragma once
// Where the editor's program lies: the file commands start their dialogs
// there for a new file, and "Play it" reads the level files beside it and
// starts the game from there.
#include <string>

// The folder of the editor's program, with its separator at the end.
std::string programFolder();
// The same in UTF-16, which spells every folder name.
std::wstring programFolderWide();
