#include "common/job_state.h"
#include "shell/window_system.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include <cstring>

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    return icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::Information;
}

// Runs a box modal to its owner and returns the button that closed it.
int runBox(WindowHandle owner, const char* text, const char* caption, QMessageBox::Icon icon,
           QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, QString::fromLocal8Bit(caption), QString::fromLocal8Bit(text), buttons,
                    static_cast<QWidget*>(owner));
    box.setTextFormat(Qt::PlainText);
    if (owner != nullptr)
        box.setWindowModality(Qt::WindowModal);
    return box.exec();
}

}  // namespace

void showMessage(WindowHandle owner, const char* text, const char* caption, MessageIcon icon)
{
    runBox(owner, text, caption, boxIcon(icon), QMessageBox::Ok);
}

bool askYesNo(WindowHandle owner, const char* text, const char* caption)
{
    return runBox(owner, text, caption, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

// Qt's own dialog, not the desktop's, so that it behaves the same everywhere. Every file is
// offered, with or without an extension.
bool runOpenDialog(WindowHandle owner, char* path)
{
    QFileDialog dialog(static_cast<QWidget*>(owner));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("All Files (*)"));
    if (path[0] != '\0')
        dialog.selectFile(QFile::decodeName(path));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;

    const QByteArray chosen = QFile::encodeName(QDir::toNativeSeparators(dialog.selectedFiles().first()));
    if (chosen.size() >= static_cast<qsizetype>(pathCapacity))
        return false;  // does not fit a path buffer
    std::memcpy(path, chosen.constData(), static_cast<std::size_t>(chosen.size()) + 1);
    return true;
}

void openWithDesktop(const char* path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(path)));
}
