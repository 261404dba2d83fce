#pragma once
#include <string>

// Exit statuses of the command line. A job that ended with another code than StatusOk
// exits with that code minus 200.
constexpr int exitSuccess = 0;
constexpr int exitRefused = 20;  // a check refused the request, or verify found the set broken
constexpr int exitUsage = 64;

// Each command prints its outcome and returns the exit status.
int runSplit(const std::string& file, bool byCount, const std::string& valueText);
int runMerge(const std::string& file);
int runVerify(const std::string& file);
