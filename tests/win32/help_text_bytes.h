#pragma once
#include "disk_files.h"

#include <string>

// The guide as a Windows text file holds it: the program's help text with every line
// break stored as CR LF.
Bytes helpFileBytes();
// The About box's text as the program holds it.
std::string aboutTextOfProgram();
