#pragma once
// What the level files need of the operating system, written once for POSIX
// systems and once for Windows (the level editor's build): a fresh file made
// exclusively and flushed, a rename over the old one, a fresh folder.
#include <string>

// Creates a new file beside path under an unguessable name (never opening one
// that exists, nor following a link planted there), writes the content and
// flushes it to the disk; false leaves nothing behind.
bool writeFreshFile(const std::string& path, const std::string& content, std::string* temporary);
// Puts the file from in the place of to, replacing what was there at once.
bool replaceFile(const std::string& from, const std::string& to);
void removeFile(const std::string& path);
// Makes the contents of a folder reach the disk, a rename inside it too.
void syncFolder(const std::string& folder);
// A new folder beside folder under an unguessable name, open to the user as
// a folder made plainly would be; "" when it cannot be made.
std::string makeFreshFolder(const std::string& folder);
// The two paths name one file (by device and inode, or the file index).
bool sameFile(const std::string& a, const std::string& b);
// What stands at path, links not followed.
bool somethingAt(const std::string& path);
bool folderAt(const std::string& path);
