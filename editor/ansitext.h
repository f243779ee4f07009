#pragma once
// The model's texts are UTF-8; the window's text calls take the ANSI code
// page (949 on a Korean Windows). The conversions happen here, at the edge.
#include <string>

std::string ansiFromUtf8(const std::string& utf8);
std::string utf8FromAnsi(const std::string& ansi);
// A window's text in the ANSI code page.
std::string windowAnsiText(void* window);
// A window's text as it is, in UTF-8: read wide, so that a character the
// ANSI code page lacks ("é" of "café", an emoji) is not turned into a
// look-alike or "?" on the way.
std::string windowUtf8Text(void* window);
void setWindowUtf8Text(void* window, const std::string& utf8);
