#pragma once
#include <cstdint>
#include <string>

// The few services the engine and the command line need from the operating system.
// Each platform has its own implementation file (unix/platform.cpp, win/platform.cpp).

// The character that separates directories in a path: '\\' on Windows, '/' elsewhere.
extern const char pathSeparator;

// What to ask for free space when writing files next to `path`. On Windows the drive
// root: the characters before the first backslash, then a backslash. Elsewhere the
// directory that holds `path`.
std::string volumeRootOf(const std::string& path);

// Free bytes this process can write below `volumeRoot`. False when the query failed.
bool queryFreeBytes(const std::string& volumeRoot, uint64_t& freeBytes);

// `path` made absolute against the current directory. False when that cannot be done.
bool absolutePath(const std::string& path, std::string& absolute);

// True when standard error is an interactive terminal.
bool standardErrorIsTerminal();
