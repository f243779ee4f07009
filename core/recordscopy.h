#pragma once
// What a write of the records file must find in its copy before the copy
// takes the file's place. The profile calls report success even when the
// disk is full and the file they rewrote was cut short, so the copy is read
// back and compared with what was there before: every section and every
// entry that was not written stays as it was and in its place, and each key
// written reads back with its value.
//
// A section's entries are given as the profile calls list them: "key=value"
// (or a bare line without "="), in file order.

#include <string>
#include <vector>

// Whether two key names are the same to the profile calls (letter case aside).
bool sameKeyName(const std::string& a, const std::string& b);
// Whether a value read back is the value written: the profile calls drop
// blanks at both ends, and some of them a pair of quotes around it.
bool sameValue(const std::string& readBack, const std::string& written);
// The section names after the write are those before, with the section
// written added at the end when it was not there yet.
bool keepsSections(const std::vector<std::string>& before, const std::vector<std::string>& after,
                   const std::string& section);
// The entries after the write are those before, in order, once the entries
// of the keys written are left aside on both sides.
bool keepsOtherEntries(const std::vector<std::string>& before, const std::vector<std::string>& after,
                       const std::vector<std::string>& keys);
// The first entry of the key holds the value.
bool holdsValue(const std::vector<std::string>& entries, const std::string& key, const std::string& value);
