#pragma once
// Where the editor's program lies: the file commands start their dialogs
// there for a new file, and "Play it" reads the level files beside it.
#include <string>

// The folder of the editor's program, with its separator at the end.
std::string programFolder();
