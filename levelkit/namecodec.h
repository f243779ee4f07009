#pragma once
// Level names are UTF-8 in the sources and CP949 in the level files, which the
// game hands to the ANSI text calls of a Korean Windows as they stand.
#include <string>

// False when the text has characters CP949 cannot hold (or is not UTF-8).
bool utf8ToCp949(const std::string& utf8, std::string* cp949);
// False when the bytes are not CP949 text.
bool cp949ToUtf8(const std::string& cp949, std::string* utf8);

// True when the bytes are UTF-8 text: no stray, overlong or surrogate forms.
bool isUtf8(const std::string& text);
// Says that a file is not UTF-8, with the likely cause when its line reads
// as CP949, the code page a Korean Windows editor saves in.
std::string notUtf8Problem(const std::string& line);

// Empty when the text holds no control byte, else which one and where; the
// same bytes are refused in the sources and in the level files.
std::string controlByteProblem(const std::string& text);

// Empty when the name can be a level's name, else what is wrong with it.
std::string nameProblem(const std::string& utf8);
