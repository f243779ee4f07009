#pragma once
// The operating system's headers for the library's two files that call it
// (fileplatform, namecodec): Windows for the level editor's build, POSIX for
// the tool's.
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
