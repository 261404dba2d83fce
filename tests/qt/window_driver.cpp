#include "tests/qt/window_driver.h"

#include "common/job_state.h"
#include "shell/command_ids.h"
#include "shell/qt/qt_backend.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int pollMilliseconds = 5;
// How long a box may stay unanswered because its `ready` does not hold: one minute.
constexpr int patienceTicks = 60000 / pollMilliseconds;

QMenu* popupNamed(QMainWindow* window, const QString& title)
{
    for (QAction* action : window->menuBar()->actions()) {
        if (action->text() == title)
            return action->menu();
    }
    return nullptr;
}

void passThrough(const std::string& path, const std::optional<std::string>& feed)
{
    if (feed) {
        const int pipe = ::open(path.c_str(), O_WRONLY);
        if (pipe < 0)
            return;
        for (std::size_t written = 0; written < feed->size();) {
            const ssize_t piece = ::write(pipe, feed->data() + written, feed->size() - written);
            if (piece <= 0)
                break;
            written += static_cast<std::size_t>(piece);
        }
        ::close(pipe);
        return;
    }
    const int pipe = ::open(path.c_str(), O_RDONLY);
    if (pipe < 0)
        return;
    char buffer[65536];
    while (::read(pipe, buffer, sizeof buffer) > 0) {
    }
    ::close(pipe);
}

}  // namespace

BoxAnswerer::BoxAnswerer(QMessageBox::StandardButton answer, std::function<bool()> ready)
    : answer_(answer), ready_(std::move(ready))
{
    QObject::connect(&poll_, &QTimer::timeout, [this] { look(); });
    poll_.start(pollMilliseconds);
}

void BoxAnswerer::look()
{
    QWidget* modal = QApplication::activeModalWidget();
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr && qobject_cast<QDialog*>(modal) != nullptr && modal->isVisible()) {
        ADD_FAILURE() << "a dialog opened where only message boxes were expected";
        qobject_cast<QDialog*>(modal)->reject();
        return;
    }
    if (box == nullptr || !box->isVisible())
        return;
    if (box != current_) {
        current_ = box;
        ticksWaited_ = 0;
        seen_.push_back({box->text(), box->windowTitle(), box->icon(), box->standardButtons()});
    }
    if (ready_ && !ready_() && ++ticksWaited_ < patienceTicks)
        return;
    if (ready_ && !ready_())
        ADD_FAILURE() << "a box was answered before the test's condition held";
    QAbstractButton* button = box->button(answer_);
    if (button == nullptr) {
        ADD_FAILURE() << "the box \"" << box->text().toStdString() << "\" has not the expected button";
        button = box->buttons().value(0);
    }
    ++answered_;
    current_ = nullptr;
    button->click();
}

std::vector<SeenBox> answeringBoxes(const std::function<void()>& action, QMessageBox::StandardButton answer)
{
    BoxAnswerer answerer(answer);
    action();
    return answerer.seen();
}

SeenDialog answeringOpenDialog(const std::function<void()>& action, const std::string& path)
{
    SeenDialog seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible() || seen.shown)
            return;
        seen = {true, dialog->selectedFiles().value(0), dialog->fileMode() == QFileDialog::ExistingFile,
                dialog->parentWidget()};
        if (path.empty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(QFile::decodeName(path.c_str()));
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog checks the choice first
    });
    poll.start(pollMilliseconds);
    action();
    EXPECT_TRUE(seen.shown) << "no open dialog was shown";
    return seen;
}

bool waitFor(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, 60000);
}

void WindowTest::SetUp()
{
    window = openMainWindow();
}

// The window is hidden, never deleted: the shell's panel handles may still name its
// controls until the next window builds a panel and destroys them.
void WindowTest::TearDown()
{
    EXPECT_TRUE(waitFor([] { return jobState.idle.load(); })) << "a job was still running";
    QCoreApplication::processEvents();
    window->hide();
}

void WindowTest::trigger(const char* popup, const char* item)
{
    QMenu* menu = popupNamed(window, QString::fromLatin1(popup));
    ASSERT_NE(menu, nullptr) << popup;
    for (QAction* action : menu->actions()) {
        if (action->text() == QString::fromLatin1(item)) {
            action->trigger();
            return;
        }
    }
    FAIL() << "no menu item " << item;
}

std::vector<SeenBox> WindowTest::triggerAnswering(const char* popup, const char* item)
{
    return answeringBoxes([&] { trigger(popup, item); });
}

void WindowTest::chooseFile(const std::string& path)
{
    answeringOpenDialog([&] { trigger("&File", "&Open"); }, path);
}

QWidget* WindowTest::control(int controlId) const
{
    return findControl(window, controlId);
}

void WindowTest::click(int controlId)
{
    QWidget* target = control(controlId);
    ASSERT_NE(target, nullptr) << "no control " << controlId;
    QTest::mouseClick(target, Qt::LeftButton);
}

std::vector<SeenBox> WindowTest::clickAnswering(int controlId)
{
    return answeringBoxes([&] { click(controlId); });
}

void WindowTest::typeValue(const QString& text)
{
    QWidget* box = control(IDC_VALUE);
    ASSERT_NE(box, nullptr) << "no value box";
    QTest::keyClicks(box, text);
}

QString WindowTest::valueText() const
{
    const auto* box = qobject_cast<QLineEdit*>(control(IDC_VALUE));
    return box == nullptr ? QString() : box->text();
}

QString WindowTest::statusText() const
{
    return qobject_cast<QLabel*>(control(IDC_STATUS))->text();
}

bool WindowTest::isChecked(int controlId) const
{
    const auto* radio = qobject_cast<QAbstractButton*>(control(controlId));
    return radio != nullptr && radio->isChecked();
}

bool WindowTest::waitForStatus(const QString& text)
{
    return waitFor([&] { return statusText() == text; });
}

void WindowTest::prepareSplit(const std::string& path, bool byCount, const QString& value)
{
    chooseFile(path);
    trigger("&Actions", "&Split");
    if (!byCount)
        click(IDC_BY_SIZE);
    typeValue(value);
}

JobGate::JobGate(std::string path, std::optional<std::string> feed) : path_(std::move(path)), feed_(std::move(feed))
{
    if (::mkfifo(path_.c_str(), 0600) != 0)
        ADD_FAILURE() << "cannot make the pipe " << path_;
}

void JobGate::release()
{
    if (!passage_.joinable())
        passage_ = std::thread(passThrough, path_, feed_);
}

// A job that is still held is let through, so that no thread waits for ever.
JobGate::~JobGate()
{
    if (!jobState.idle.load())
        release();
    if (passage_.joinable())
        passage_.join();
}
