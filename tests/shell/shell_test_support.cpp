#include "tests/shell/shell_test_support.h"

#include "common/job_state.h"
#include "shell/command_ids.h"
#include "shell/panels.h"
#include "shell/shell.h"

void ShellTest::SetUp()
{
    directory = std::filesystem::path(temporary.root()).make_preferred();
    programDirectory = directory / "program";
    std::filesystem::create_directories(programDirectory);
    resetFakeWindowSystem(programDirectory);
    jobState.idle.store(true);
    jobState.statusCode.store(0);
    onCreate(fakeMainWindow());
    onStartup();
    clearFakeLog();
}

void ShellTest::TearDown()
{
    joinFakeThreads();
    jobState.idle.store(true);
    destroyPanelControls();
}

std::filesystem::path ShellTest::makeFile(const std::string& name, uint64_t size)
{
    const std::filesystem::path path = directory / name;
    writeFile(path.string(), patternBytes(static_cast<std::size_t>(size)));
    return path;
}

std::filesystem::path ShellTest::makeSparseFile(const std::string& name, uint64_t size)
{
    const std::filesystem::path path = makeFile(name, 0);
    std::filesystem::resize_file(path, size);
    return path;
}

void ShellTest::chooseFile(const std::filesystem::path& path)
{
    fakeScript().openDialogAccepts = true;
    fakeScript().openDialogPath = path.string();
    onCommand(IDM_OPEN);
    ASSERT_EQ(std::string(jobState.selectedPath), path.string());
    clearFakeLog();
}

void ShellTest::showSplitPanelWith(const std::string& valueText, bool byCount)
{
    onCommand(IDM_SPLIT);
    ASSERT_NE(liveControl(IDC_VALUE), nullptr);
    typeInto(IDC_VALUE, valueText);
    onCommand(byCount ? IDC_BY_COUNT : IDC_BY_SIZE);
    clearFakeLog();
}

void ShellTest::pretendJobRuns()
{
    jobState.idle.store(false);
}

std::string fileBytes(const std::filesystem::path& path)
{
    return readFile(path.string());
}
