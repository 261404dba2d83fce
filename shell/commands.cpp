#include "common/job_state.h"
#include "common/records.h"
#include "engine/workers.h"
#include "shell/command_ids.h"
#include "shell/help_text.h"
#include "shell/panels.h"
#include "shell/shell.h"
#include "shell/split_checks.h"

#include <cstring>

namespace {

const char busyMessage[] = "Please wait while the current action is being performed";
const char noFileMessage[] = "Please choose a file first";
const char notStartedMessage[] = "The job could not be started; please try again.";

void showError(const char* text)
{
    showMessage(mainWindow, text, "Error", MessageIcon::Exclamation);
}

bool isIdle()
{
    return jobState.idle.load(std::memory_order_acquire);
}

// The busy guard: refuses while a job runs.
bool passesBusyGuard()
{
    if (isIdle())
        return true;
    showError(busyMessage);
    return false;
}

// The busy guard, then the file guard: refuses before a file is chosen.
bool passesBothGuards()
{
    if (!passesBusyGuard())
        return false;
    if (jobState.selectedPath[0] != '\0')
        return true;
    showError(noFileMessage);
    return false;
}

// Starts `worker` on `argument`, waits until it has marked the job busy, then starts the
// reporter and shows the waiting text. The chosen file is forgotten. False when the worker
// could not be started; `argument` is then still the caller's.
bool launchJob(uint32_t (*worker)(void*), void* argument, const char* waitingText)
{
    const uint32_t ticket = jobStartTicket();
    if (!startThread(worker, argument)) {
        showError(notStartedMessage);
        return false;
    }
    awaitJobStarted(ticket);
    sleepMilliseconds(100);
    auto* target = new ReporterTarget{mainWindow, statusText};
    if (!startThread(statusReporter, target))
        delete target;
    setControlText(statusText, waitingText);
    jobState.selectedPath[0] = '\0';
    return true;
}

void chooseInputFile()
{
    // The dialog works on a copy, so that a failed or cancelled dialog leaves the chosen
    // file exactly as it was.
    char chosen[pathCapacity];
    std::memcpy(chosen, jobState.selectedPath, pathCapacity);
    if (!runOpenDialog(mainWindow, chosen))
        return;
    chosen[pathCapacity - 1] = '\0';
    std::memcpy(jobState.selectedPath, chosen, pathCapacity);
    setControlText(statusText, jobState.selectedPath);
    destroyPanelControls();
}

void selectRadio(int selected, int other)
{
    if (!isIdle())
        return;
    setRadioChecked(mainWindow, other, false);
    setRadioChecked(mainWindow, selected, true);
}

void startSplitting()
{
    const bool byCount = isRadioChecked(mainWindow, IDC_BY_COUNT);
    char valueText[valueTextCapacity] = {};
    readControlText(valueBoxControl(), valueText, valueTextCapacity);

    const SplitPlan plan = planSplit(byCount, valueText, jobState.selectedPath);
    if (plan.refusal != nullptr) {
        if (plan.shownAs == RefusalShownAs::MessageBox)
            showError(plan.refusal);
        else
            setControlText(statusText, plan.refusal);
        return;
    }
    SplitRequest* request = makeSplitRequest(plan.partSize, jobState.selectedPath);
    if (!launchJob(splitWorker, request, "Please wait, your file is being split..."))
        releaseSplitRequest(request);
}

void startMerging()
{
    char* pathCopy = makePathCopy(jobState.selectedPath);
    if (!launchJob(mergeWorker, pathCopy, "Please wait, your file is being merged..."))
        releasePathCopy(pathCopy);
}

void showHowToUse()
{
    if (!writeHelpFile())
        showMessage(mainWindow, "Help could not be loaded", "Sorry", MessageIcon::Information);
}

void showAbout()
{
    showMessage(mainWindow, aboutText, "About This Program", MessageIcon::Information);
}

}  // namespace

void onCommand(int commandId)
{
    switch (commandId) {
    case IDM_OPEN:
        if (passesBusyGuard())
            chooseInputFile();
        break;
    case IDM_EXIT:
        postCloseRequest(mainWindow);
        break;
    case IDM_SPLIT:
        if (passesBothGuards())
            buildSplitPanel();
        break;
    case IDM_MERGE:
        if (passesBothGuards())
            buildMergePanel();
        break;
    case IDM_HOWTO:
        showHowToUse();
        break;
    case IDM_ABOUT:
        showAbout();
        break;
    case IDC_BY_COUNT:
        selectRadio(IDC_BY_COUNT, IDC_BY_SIZE);
        break;
    case IDC_BY_SIZE:
        selectRadio(IDC_BY_SIZE, IDC_BY_COUNT);
        break;
    case IDC_START_SPLIT:
        if (passesBothGuards())
            startSplitting();
        break;
    case IDC_START_MERGE:
        if (passesBothGuards())
            startMerging();
        break;
    default:  // the value box's notifications and every other id
        break;
    }
}
