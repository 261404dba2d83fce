#pragma once
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class QMainWindow;
class QWidget;

// Drives the real main window of the program on Qt's offscreen platform, as a user would:
// menu items through the menu bar's actions, clicks and typing through the widgets, and
// every modal box answered from the event loop it runs in.

// What a test saw of one message box.
struct SeenBox {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// While it exists, answers every modal message box that opens with `answer`, once `ready`
// holds (at once when it is empty), and keeps what it saw of each.
class BoxAnswerer {
public:
    explicit BoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok, std::function<bool()> ready = {});
    const std::vector<SeenBox>& seen() const { return seen_; }
    int answered() const { return answered_; }

private:
    void look();

    QMessageBox::StandardButton answer_;
    std::function<bool()> ready_;
    QTimer poll_;
    QPointer<QMessageBox> current_;
    std::vector<SeenBox> seen_;
    int answered_ = 0;
    int ticksWaited_ = 0;
};

// Runs `action` and answers the message boxes it opens; returns what they showed.
std::vector<SeenBox> answeringBoxes(const std::function<void()>& action,
                                    QMessageBox::StandardButton answer = QMessageBox::Ok);

// What a test saw of the open dialog when it opened.
struct SeenDialog {
    bool shown = false;
    QString offered;  // the file it offered as its start
    bool existingFileOnly = false;
    const QWidget* owner = nullptr;
};

// Runs `action`, which opens the open dialog, and answers it: `path` is chosen and the
// dialog accepted, or it is cancelled when `path` is empty.
SeenDialog answeringOpenDialog(const std::function<void()>& action, const std::string& path);

// Processes events until `condition` holds; false when it still does not after a minute.
bool waitFor(const std::function<bool()>& condition);

// The box texts of the window, as a user reads them.
inline const QString errorCaption = QStringLiteral("Error");
inline const QString successText = QStringLiteral("The operation was successful.");
inline const QString busyText = QStringLiteral("Please wait while the current action is being performed");

// A fresh directory and a fresh main window for every test.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Triggers the menu item `item` of the popup `popup`, both named with their '&'.
    void trigger(const char* popup, const char* item);
    std::vector<SeenBox> triggerAnswering(const char* popup, const char* item);
    // File > Open, choosing `path` in the dialog.
    void chooseFile(const std::string& path);

    QWidget* control(int controlId) const;
    void click(int controlId);
    std::vector<SeenBox> clickAnswering(int controlId);
    // Types `text` into the value box, key by key.
    void typeValue(const QString& text);
    QString valueText() const;
    QString statusText() const;
    bool isChecked(int controlId) const;
    bool waitForStatus(const QString& text);

    // Chooses `path`, shows the Split panel, picks the radio and types the value.
    void prepareSplit(const std::string& path, bool byCount, const QString& value);

    TempDir dir;
    QMainWindow* window = nullptr;
};

// A named pipe where a job expects one of its files. The job blocks when it opens it and
// so stays busy, for exactly as long as a test needs, until release() lets it through:
// the split worker's part is drained from the pipe, or the merge worker is fed `feed`.
class JobGate {
public:
    explicit JobGate(std::string path, std::optional<std::string> feed = {});
    ~JobGate();
    JobGate(const JobGate&) = delete;
    JobGate& operator=(const JobGate&) = delete;

    void release();

private:
    std::string path_;
    std::optional<std::string> feed_;
    std::thread passage_;
};
