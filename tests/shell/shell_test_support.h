#pragma once
#include "support/test_files.h"
#include "tests/shell/fake_window_system.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

// A main window on the fake window system, freshly created and started for each test, and
// a fresh temporary directory for the test's files. The log starts empty after start-up.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A file of `size` patterned bytes in the test's directory.
    std::filesystem::path makeFile(const std::string& name, uint64_t size);
    // A file of that size that takes no room on disk: its content is never read.
    std::filesystem::path makeSparseFile(const std::string& name, uint64_t size);
    // File > Open, with the dialog choosing `path`; the log is cleared afterwards.
    void chooseFile(const std::filesystem::path& path);
    // Actions > Split on the chosen file, then the value and the radio choice as given.
    void showSplitPanelWith(const std::string& valueText, bool byCount);
    // Marks a job as running without starting one, until the test ends.
    void pretendJobRuns();

    TempDir temporary;
    std::filesystem::path directory;
    std::filesystem::path programDirectory;
};

// The whole content of a file, read in binary.
std::string fileBytes(const std::filesystem::path& path);
