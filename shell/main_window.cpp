#include "common/job_state.h"
#include "shell/layout.h"
#include "shell/shell.h"

WindowHandle mainWindow = nullptr;
WindowHandle statusText = nullptr;

namespace {
const char closeQuestion[] = "The current file is not finished processing. Are you sure you want to exit";
}  // namespace

void onCreate(WindowHandle window)
{
    mainWindow = window;
    buildMenuBar(window, menuItems, menuItemCount);
    statusText = createControl(window, statusTextSpec);
    setControlFont(statusText, createFont(statusFont));
}

void onStartup()
{
    jobState.selectedPath[0] = '\0';
    jobState.idle.store(true, std::memory_order_release);
}

void onClose()
{
    if (jobState.idle.load(std::memory_order_acquire) || askYesNo(mainWindow, closeQuestion, "Error"))
        destroyMainWindow(mainWindow);
}
