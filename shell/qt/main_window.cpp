#include "shell/layout.h"
#include "shell/qt/qt_backend.h"
#include "shell/shell.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>

namespace {

// The program's one top-level window. Every way of closing it (the close box, the window
// menu, Alt+F4, File > Exit) ends in closeEvent, which leaves the decision to onClose.
class MainWindow : public QMainWindow {
protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        onClose();
    }

    // The window manager adds its frame only once the window is shown; the outer size,
    // frame included, is then brought to the intended one, once.
    void moveEvent(QMoveEvent* event) override
    {
        QMainWindow::moveEvent(event);
        keepOuterSize();
    }
    void showEvent(QShowEvent* event) override
    {
        QMainWindow::showEvent(event);
        keepOuterSize();
    }

private:
    void keepOuterSize()
    {
        const QSize frame = frameGeometry().size() - size();
        if (outerSizeKept || (frame.width() == 0 && frame.height() == 0))
            return;
        outerSizeKept = true;
        resize(QSize(mainWindowWidth, mainWindowHeight) - frame);
    }

    bool outerSizeKept = false;
};

// The client area: white like a Win32 window class with the COLOR_WINDOW brush.
QWidget* makeClientArea()
{
    auto* client = new QWidget;
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Qt::white);
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    return client;
}

QMainWindow* asMainWindow(WindowHandle window)
{
    return qobject_cast<QMainWindow*>(static_cast<QWidget*>(window));
}

}  // namespace

QMainWindow* openMainWindow()
{
    // A machine without Times New Roman gets its metric twin from fonts-liberation.
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    // The program ends only through destroyMainWindow, never as a side effect of a hide.
    QApplication::setQuitOnLastWindowClosed(false);

    auto* window = new MainWindow;
    window->setObjectName(QString::fromLatin1(mainWindowClass));
    window->setWindowTitle(QString::fromLatin1(mainWindowTitle));
    window->setWindowIcon(QIcon(QStringLiteral(":/quorvanteline.ico")));
    window->setCentralWidget(makeClientArea());
    window->move(mainWindowX, mainWindowY);
    window->resize(mainWindowWidth, mainWindowHeight);

    onCreate(static_cast<QWidget*>(window));
    onStartup();
    window->show();
    return window;
}

void buildMenuBar(WindowHandle mainWindow, const MenuItem* items, int itemCount)
{
    QMenuBar* bar = asMainWindow(mainWindow)->menuBar();
    QMenu* popup = nullptr;
    const char* popupTitle = nullptr;
    for (int index = 0; index < itemCount; ++index) {
        const MenuItem& item = items[index];
        if (popup == nullptr || qstrcmp(popupTitle, item.popupTitle) != 0) {
            popupTitle = item.popupTitle;
            popup = bar->addMenu(QString::fromLocal8Bit(item.popupTitle));
        }
        const int commandId = item.commandId;
        QObject::connect(popup->addAction(QString::fromLocal8Bit(item.text)), &QAction::triggered,
                         [commandId] { onCommand(commandId); });
    }
}

void postCloseRequest(WindowHandle mainWindow)
{
    QCoreApplication::postEvent(static_cast<QWidget*>(mainWindow), new QCloseEvent);
}

// The window is hidden, not deleted: a status reporter may still be about to set the
// status text, and the process ends as soon as the event loop has returned.
void destroyMainWindow(WindowHandle mainWindow)
{
    static_cast<QWidget*>(mainWindow)->hide();
    QCoreApplication::exit(0);
}
