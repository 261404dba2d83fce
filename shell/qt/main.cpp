#include "shell/qt/qt_backend.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    openMainWindow();
    const int exitCode = QApplication::exec();
    // A worker or a status reporter may still be running: like a Win32 process, this one
    // ends without waiting for them and without tearing down what they may still touch.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}
