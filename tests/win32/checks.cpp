#include "checks.h"

#include <cstdio>

namespace {
const char* currentScenario = "";
int scenarioFailures = 0;

// Shows control characters, so that a stray CR or tab in a text can be seen.
std::string visible(const std::string& text)
{
    std::string shown;
    for (const char c : text) {
        if (c == '\n')
            shown += "\\n";
        else if (c == '\r')
            shown += "\\r";
        else if (c == '\t')
            shown += "\\t";
        else
            shown += c;
    }
    return shown;
}
}  // namespace

bool expect(bool passed, const std::string& what)
{
    if (!passed) {
        ++scenarioFailures;
        std::printf("  FAILED [%s]: %s\n", currentScenario, what.c_str());
        std::fflush(stdout);
    }
    return passed;
}

bool expectText(const std::string& actual, const std::string& expected, const std::string& what)
{
    return expect(actual == expected, what + ": got \"" + visible(actual) + "\", expected \"" + visible(expected) + "\"");
}

void beginScenario(const char* name)
{
    currentScenario = name;
    scenarioFailures = 0;
    std::printf("-- %s\n", name);
    std::fflush(stdout);
}

bool endScenario()
{
    std::printf("%s %s\n", scenarioFailures == 0 ? "PASS" : "FAIL", currentScenario);
    std::fflush(stdout);
    return scenarioFailures == 0;
}
