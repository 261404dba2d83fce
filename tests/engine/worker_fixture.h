#pragma once
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

// A fresh directory per test, a volume with room to spare, and the workers run to their end.
class WorkerTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Runs a split of `input` with `partSize` on a thread of its own; returns its final code.
    int32_t split(const std::string& input, uint32_t partSize);
    // Runs a merge from `setFile` on a thread of its own; returns its final code.
    int32_t merge(const std::string& setFile);
    // Splits 10 bytes of "report.txt" into parts of 4: three parts and the info file.
    std::string makeReportSet();

    TempDir dir;
};
