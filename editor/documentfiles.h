#pragma once
// The file commands: new, open, save, save as, import and export. Closing or
// opening over unsaved changes asks first; saving asks first when pictures
// fail the level check, naming them. Nothing is written but by a save.
#include <string>

// The file named on the command line, else level10.dat of the current folder;
// the new file stays when there is none or nothing could be read.
void openStartingFile(const char* commandLine);
// A new file of that size. It and opening leave the open file without
// asking: mayLeaveChanges asks first.
void newFile(int size);
void openWithDialog();
// False when the player cancelled or the file could not be written.
bool saveFile();
bool saveFileAs();
void importWithDialog();
void exportWithDialog();
// True when the changes may go: none, saved, or let go by the player. The
// name box's name its picture could not take ("" for none) counts as one.
bool mayLeaveChanges(const std::string& refusedName);
