#include "tests/shell/fake_window_system.h"

#include "common/job_state.h"
#include "engine/workers.h"
#include "shell/shell.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace {

// A text sent from another thread, waiting for the window thread; its sender blocks on `done`.
struct SentText {
    FakeControl* control;
    std::string text;
    bool done = false;
};

struct FakeWindowSystem {
    std::mutex lock;
    std::condition_variable changed;
    std::thread::id windowThread;
    std::filesystem::path executableDirectory;
    FakeScript script;

    std::vector<std::unique_ptr<FakeControl>> controls;
    std::vector<std::unique_ptr<FakeFont>> fonts;
    std::vector<FakeMenuItem> menuBar;
    std::vector<std::string> log;
    std::vector<FakeMessage> messages;
    std::vector<FakeThreadStart> threadStarts;
    std::vector<std::string> dialogStartPaths;
    std::vector<std::string> desktopOpens;
    bool mainWindowDestroyed = false;
    int closeRequests = 0;

    std::deque<SentText*> sentTexts;
    std::vector<std::thread> threads;
    int runningThreads = 0;
    int sleepsOffWindowThread = 0;
};

FakeWindowSystem fake;
// Stands for the main window; only its address matters.
int mainWindowObject = 0;

constexpr auto hangLimit = std::chrono::minutes(1);

bool onWindowThread()
{
    return std::this_thread::get_id() == fake.windowThread;
}

// The caller holds fake.lock.
void record(std::string line)
{
    fake.log.push_back(std::move(line));
}

int idOf(WindowHandle control)
{
    return control == nullptr ? 0 : static_cast<FakeControl*>(control)->created.id;
}

std::string fontName(FontHandle font)
{
    return font == nullptr ? "no font" : "font" + std::to_string(static_cast<FakeFont*>(font)->number);
}

FakeControl* liveRadio(int controlId)
{
    for (auto& control : fake.controls) {
        if (!control->destroyed && control->created.id == controlId && control->created.kind == ControlKind::RadioButton)
            return control.get();
    }
    return nullptr;
}

// The window thread carries out the queued sent texts. The caller holds fake.lock.
int carryOutSentTexts()
{
    int carriedOut = 0;
    while (!fake.sentTexts.empty()) {
        SentText* sent = fake.sentTexts.front();
        fake.sentTexts.pop_front();
        record("sent setControlText " + std::to_string(idOf(sent->control)) + " " + sent->text);
        if (sent->control != nullptr && !sent->control->destroyed)
            sent->control->text = sent->text;
        sent->done = true;
        ++carriedOut;
    }
    fake.changed.notify_all();
    return carriedOut;
}

const char* procedureName(uint32_t (*procedure)(void*))
{
    if (procedure == splitWorker)
        return "splitWorker";
    if (procedure == mergeWorker)
        return "mergeWorker";
    if (procedure == statusReporter)
        return "statusReporter";
    return "other";
}

}  // namespace

WindowHandle fakeMainWindow()
{
    return &mainWindowObject;
}

void joinFakeThreads()
{
    std::vector<std::thread> finished;
    {
        std::unique_lock<std::mutex> guard(fake.lock);
        while (fake.runningThreads > 0) {
            carryOutSentTexts();
            fake.changed.wait(guard, [] { return fake.runningThreads == 0 || !fake.sentTexts.empty(); });
        }
        finished.swap(fake.threads);
    }
    for (std::thread& thread : finished)
        thread.join();
}

void resetFakeWindowSystem(const std::filesystem::path& executableDirectory)
{
    joinFakeThreads();
    std::lock_guard<std::mutex> guard(fake.lock);
    fake.windowThread = std::this_thread::get_id();
    fake.executableDirectory = executableDirectory;
    fake.script = FakeScript{};
    fake.controls.clear();
    fake.fonts.clear();
    fake.menuBar.clear();
    fake.log.clear();
    fake.messages.clear();
    fake.threadStarts.clear();
    fake.dialogStartPaths.clear();
    fake.desktopOpens.clear();
    fake.mainWindowDestroyed = false;
    fake.closeRequests = 0;
    fake.sleepsOffWindowThread = 0;
}

FakeScript& fakeScript()
{
    return fake.script;
}

std::vector<std::string> fakeLog()
{
    std::lock_guard<std::mutex> guard(fake.lock);
    return fake.log;
}

void clearFakeLog()
{
    std::lock_guard<std::mutex> guard(fake.lock);
    fake.log.clear();
    fake.messages.clear();
}

std::vector<FakeMessage> fakeMessages()
{
    std::lock_guard<std::mutex> guard(fake.lock);
    return fake.messages;
}

std::vector<FakeMenuItem> fakeMenuBar()
{
    std::lock_guard<std::mutex> guard(fake.lock);
    return fake.menuBar;
}

std::vector<FakeThreadStart> fakeThreadStarts()
{
    std::lock_guard<std::mutex> guard(fake.lock);
    return fake.threadStarts;
}

FakeControl* liveControl(int controlId)
{
    std::lock_guard<std::mutex> guard(fake.lock);
    for (auto& control : fake.controls) {
        if (!control->destroyed && control->created.id == controlId)
            return control.get();
    }
    return nullptr;
}

std::vector<FakeControl*> allControls()
{
    std::lock_guard<std::mutex> guard(fake.lock);
    std::vector<FakeControl*> result;
    for (auto& control : fake.controls)
        result.push_back(control.get());
    return result;
}

FakeFont* fakeFont(FontHandle font)
{
    return static_cast<FakeFont*>(font);
}

std::string statusTextNow()
{
    std::lock_guard<std::mutex> guard(fake.lock);
    return statusText == nullptr ? std::string() : static_cast<FakeControl*>(statusText)->text;
}

void typeInto(int controlId, const std::string& text)
{
    FakeControl* control = liveControl(controlId);
    std::lock_guard<std::mutex> guard(fake.lock);
    if (control != nullptr)
        control->text = text;
}

int takeMessages()
{
    std::unique_lock<std::mutex> guard(fake.lock);
    const int carriedOut = carryOutSentTexts();
    while (fake.closeRequests > 0) {
        --fake.closeRequests;
        guard.unlock();
        onClose();
        guard.lock();
    }
    return carriedOut;
}

bool waitForSentTextAndTakeMessages()
{
    {
        std::unique_lock<std::mutex> guard(fake.lock);
        if (!fake.changed.wait_for(guard, hangLimit, [] { return !fake.sentTexts.empty(); }))
            return false;
    }
    takeMessages();
    return true;
}

std::vector<std::string> openDialogStartPaths()
{
    std::lock_guard<std::mutex> guard(fake.lock);
    return fake.dialogStartPaths;
}

std::vector<std::string> openedWithDesktop()
{
    std::lock_guard<std::mutex> guard(fake.lock);
    return fake.desktopOpens;
}

bool mainWindowDestroyed()
{
    std::lock_guard<std::mutex> guard(fake.lock);
    return fake.mainWindowDestroyed;
}

int sleepsOffWindowThread()
{
    std::lock_guard<std::mutex> guard(fake.lock);
    return fake.sleepsOffWindowThread;
}

bool waitForSleepsOffWindowThread(int count)
{
    std::unique_lock<std::mutex> guard(fake.lock);
    return fake.changed.wait_for(guard, hangLimit, [count] { return fake.sleepsOffWindowThread >= count; });
}

// The window system's functions, as the shell logic calls them.

void buildMenuBar(WindowHandle, const MenuItem* items, int itemCount)
{
    std::lock_guard<std::mutex> guard(fake.lock);
    record("buildMenuBar");
    for (int index = 0; index < itemCount; ++index)
        fake.menuBar.push_back({items[index].popupTitle, items[index].text, items[index].commandId});
}

WindowHandle createControl(WindowHandle, const ControlSpec& look)
{
    std::lock_guard<std::mutex> guard(fake.lock);
    record("createControl " + std::to_string(look.id));
    auto control = std::make_unique<FakeControl>();
    control->created = look;
    control->text = look.text;
    fake.controls.push_back(std::move(control));
    return fake.controls.back().get();
}

void destroyControl(WindowHandle control)
{
    std::lock_guard<std::mutex> guard(fake.lock);
    record("destroyControl " + std::to_string(idOf(control)));
    if (control != nullptr)
        static_cast<FakeControl*>(control)->destroyed = true;
}

FontHandle createFont(const FontSpec& look)
{
    std::lock_guard<std::mutex> guard(fake.lock);
    auto font = std::make_unique<FakeFont>();
    font->created = look;
    font->number = static_cast<int>(fake.fonts.size()) + 1;
    record("createFont " + std::to_string(look.height) + " " + std::to_string(look.weight) + " " +
           (look.italic ? "italic" : "upright") + " " + fontName(font.get()));
    fake.fonts.push_back(std::move(font));
    return fake.fonts.back().get();
}

void setControlFont(WindowHandle control, FontHandle font)
{
    std::lock_guard<std::mutex> guard(fake.lock);
    record("setControlFont " + std::to_string(idOf(control)) + " " + fontName(font));
    if (control != nullptr)
        static_cast<FakeControl*>(control)->font = font;
}

void destroyFont(FontHandle font)
{
    std::lock_guard<std::mutex> guard(fake.lock);
    record("destroyFont " + fontName(font));
    if (font != nullptr)
        static_cast<FakeFont*>(font)->destroyed = true;
}

void setControlText(WindowHandle control, const char* text)
{
    std::unique_lock<std::mutex> guard(fake.lock);
    auto* target = static_cast<FakeControl*>(control);
    if (onWindowThread()) {
        record("setControlText " + std::to_string(idOf(control)) + " " + text);
        if (target != nullptr && !target->destroyed)
            target->text = text;
        return;
    }
    SentText sent{target, text};
    fake.sentTexts.push_back(&sent);
    fake.changed.notify_all();
    fake.changed.wait(guard, [&sent] { return sent.done; });
}

void readControlText(WindowHandle control, char* buffer, int capacity)
{
    std::lock_guard<std::mutex> guard(fake.lock);
    record("readControlText " + std::to_string(idOf(control)));
    const std::string text = control == nullptr ? std::string() : static_cast<FakeControl*>(control)->text;
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(capacity - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

void setRadioChecked(WindowHandle, int controlId, bool checked)
{
    std::lock_guard<std::mutex> guard(fake.lock);
    record("setRadioChecked " + std::to_string(controlId) + " " + (checked ? "1" : "0"));
    if (FakeControl* radio = liveRadio(controlId))
        radio->checked = checked;
}

bool isRadioChecked(WindowHandle, int controlId)
{
    std::lock_guard<std::mutex> guard(fake.lock);
    record("isRadioChecked " + std::to_string(controlId));
    const FakeControl* radio = liveRadio(controlId);
    return radio != nullptr && radio->checked;
}

void showMessage(WindowHandle, const char* text, const char* caption, MessageIcon icon)
{
    std::lock_guard<std::mutex> guard(fake.lock);
    const std::string kind = icon == MessageIcon::Exclamation ? "Exclamation" : "Information";
    record("showMessage " + std::string(caption) + " " + kind + " " + text);
    fake.messages.push_back({text, caption, kind});
    carryOutSentTexts();  // the box's own message loop
}

bool askYesNo(WindowHandle, const char* text, const char* caption)
{
    std::lock_guard<std::mutex> guard(fake.lock);
    record("askYesNo " + std::string(caption) + " " + text);
    fake.messages.push_back({text, caption, "YesNo"});
    carryOutSentTexts();
    return fake.script.yesNoAnswer;
}

bool runOpenDialog(WindowHandle, char* path)
{
    std::lock_guard<std::mutex> guard(fake.lock);
    record("runOpenDialog");
    fake.dialogStartPaths.emplace_back(path);
    carryOutSentTexts();
    // A dialog that fails may leave anything in the buffer.
    const std::string result = fake.script.openDialogAccepts ? fake.script.openDialogPath : "left by a cancelled dialog";
    std::strncpy(path, result.c_str(), pathCapacity - 1);
    path[pathCapacity - 1] = '\0';
    return fake.script.openDialogAccepts;
}

void openWithDesktop(const char* path)
{
    std::lock_guard<std::mutex> guard(fake.lock);
    record(std::string("openWithDesktop ") + path);
    fake.desktopOpens.emplace_back(path);
}

bool executablePath(char* buffer, int capacity)
{
    std::lock_guard<std::mutex> guard(fake.lock);
    record("executablePath");
    std::filesystem::path program = fake.executableDirectory / "Quorvanteline.exe";
    const std::string full = program.make_preferred().string();
    if (!fake.script.executablePathKnown || full.size() + 1 > static_cast<std::size_t>(capacity))
        return false;
    std::memcpy(buffer, full.c_str(), full.size() + 1);
    return true;
}

bool startThread(uint32_t (*procedure)(void*), void* argument)
{
    std::lock_guard<std::mutex> guard(fake.lock);
    record(std::string("startThread ") + procedureName(procedure));
    fake.threadStarts.push_back({procedureName(procedure), jobState.idle.load(), jobState.jobsStarted.load()});
    if (fake.script.threadStartsThatFail > 0) {
        --fake.script.threadStartsThatFail;
        return false;
    }
    const int delay = procedure == statusReporter ? 0 : fake.script.workerStartDelayMilliseconds;
    ++fake.runningThreads;
    fake.threads.emplace_back([procedure, argument, delay] {
        if (delay > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        procedure(argument);
        std::lock_guard<std::mutex> ended(fake.lock);
        --fake.runningThreads;
        fake.changed.notify_all();
    });
    return true;
}

void sleepMilliseconds(int milliseconds)
{
    {
        std::lock_guard<std::mutex> guard(fake.lock);
        if (onWindowThread()) {
            record("sleepMilliseconds " + std::to_string(milliseconds));
        } else {
            ++fake.sleepsOffWindowThread;
            fake.changed.notify_all();
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void postCloseRequest(WindowHandle)
{
    std::lock_guard<std::mutex> guard(fake.lock);
    record("postCloseRequest");
    ++fake.closeRequests;
}

void destroyMainWindow(WindowHandle)
{
    std::lock_guard<std::mutex> guard(fake.lock);
    record("destroyMainWindow");
    fake.mainWindowDestroyed = true;
}
