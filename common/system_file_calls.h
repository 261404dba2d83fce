#pragma once
#include "common/file_io.h"

// The single system calls behind file_io.h, one implementation per platform
// (unix/file_io.cpp, win/file_io.cpp). The portable file_io.cpp builds the rest on them.

// Opens for writing, creating the file if it is missing; with `append`, every write goes
// to its end. Never cuts the file.
SystemFile openForWritingAsIs(const std::string& path, bool append);

// One read of at most `count` bytes: the bytes read, 0 at the end, -1 on failure.
int64_t readOnce(SystemFile file, char* buffer, int64_t count);

// One write of at most `count` bytes: the bytes written, or -1 on failure.
int64_t writeOnce(SystemFile file, const char* bytes, int64_t count);

// Cuts the file to length zero; false on failure.
bool cutToZero(SystemFile file);
