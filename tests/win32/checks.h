#pragma once
#include <string>

// The driver's record of what went wrong. A scenario reports each failed expectation and
// goes on where it can; the driver fails when any scenario has reported one.

// Records `what` as failed unless `passed`; returns `passed`.
bool expect(bool passed, const std::string& what);
// Records a failed expectation that compares two texts, showing both.
bool expectText(const std::string& actual, const std::string& expected, const std::string& what);

// Starts a new scenario: later failures are counted against it.
void beginScenario(const char* name);
// Prints the scenario's result; true when it met no failure.
bool endScenario();
