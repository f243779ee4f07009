#pragma once
// File handling of the level tool. Every write goes to a fresh file created
// exclusively under an unguessable name beside its place, is flushed to the
// disk and renamed into place, so a refused or failed run, or a crash, leaves
// nothing half-made behind, and no one can plant a file or link at the
// temporary name ahead of the tool.
#include <string>
#include <vector>

struct NamedText {
    std::string fileName;
    std::string content;
};

bool readWholeFile(const std::string& path, std::string* content, std::string* problem);
// Whether a command may write the file at path. Never over a file it reads,
// known by its device and inode so a second name or a link is caught too;
// over another existing file only when overwrite is allowed; never over a
// folder.
bool mayWriteFile(const std::string& path, const std::vector<std::string>& inputs, bool overwrite,
                  std::string* problem);
bool writeFileAtomically(const std::string& path, const std::string& content, std::string* problem);
// Writes the files into a folder that does not exist yet or is empty.
bool writeFolderAtomically(const std::string& folder, const std::vector<NamedText>& files, std::string* problem);
// The level sources (*.txt) of a folder, in name order: the record order.
bool listSources(const std::string& folder, std::vector<std::string>* paths, std::string* problem);
bool isFolder(const std::string& path);
std::string fileNameOf(const std::string& path);
// A line of a text file without the blanks, tabs and carriage returns around it.
std::string trimmed(const std::string& text);
// The lines of a text file, without a UTF-8 byte order mark before the first
// and without the carriage return of a Windows line break.
std::vector<std::string> splitLines(const std::string& text);
