#pragma once
#include "common/status_codes.h"

#include <cstdint>
#include <iosfwd>
#include <string>

// The on-disk layout of a part set: the names of its files and its info record.
//
//   part N     baseName + "_part" + N + ".qv"       bytes of the input, raw
//   info file  baseName + "_part0.qvo"              the info record, flipHighBits applied
//   merged     baseName + "_merged" + extension     written by a merge
//
// The plain info record is infoSignature "." partCount extension "." fileSize, with no
// line end; the extension's own leading '.' separates it from the count.

extern const char infoSignature[];

// Every byte with its highest bit toggled; the transform is its own inverse.
std::string flipHighBits(std::string bytes);

std::string partName(const std::string& baseName, int32_t partNumber);
std::string infoName(const std::string& baseName);
// A recorded extension of "." alone stands for an input without extension.
std::string mergedName(const std::string& baseName, const std::string& extension);

// The split side's cut of an input path at the last '.' of its file name. A file name
// without '.' keeps the whole path as baseName and records the extension ".".
struct SplitNames {
    std::string baseName;
    std::string extension;
};
SplitNames splitNamesOf(const std::string& inputPath);

// The merge side's baseName, derived from the name of any file of a set: the path up to
// its last '_'. StatusNotMergeable when the extension is neither ".qv" nor ".qvo",
// StatusBadPartName when the file name holds no '_'; StatusOk otherwise.
StatusCode baseNameOfSetFile(const std::string& setFilePath, std::string& baseName);

struct InfoRecord {
    int32_t partCount = 0;
    std::string extension;
    int32_t fileSize = 0;
};

// The plain (untransformed) record text.
std::string plainInfoRecord(const InfoRecord& record);

// Writes the info file of `baseName`, replacing any earlier one. StatusInfoNotCreated when
// it cannot be opened or written in full; StatusOk otherwise.
StatusCode writeInfoFile(const std::string& baseName, const InfoRecord& record);

// Judges one decoded record line. StatusInfoInvalid when it is not a valid record;
// StatusOk with `record` filled otherwise.
StatusCode parseInfoLine(const std::string& decodedLine, InfoRecord& record);

// Reads the first line of an open info file (up to the first 0x0A byte), decodes it and
// judges it as parseInfoLine does.
StatusCode readInfoRecord(std::istream& info, InfoRecord& record);

// Reads and validates the info file of `baseName`: StatusInfoMissing when it cannot be
// opened, StatusInfoInvalid when its record is not valid, StatusOk with `record` filled.
StatusCode readInfoFile(const std::string& baseName, InfoRecord& record);
