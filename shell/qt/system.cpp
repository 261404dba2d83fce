#include "shell/window_system.h"

#include <QCoreApplication>
#include <QFile>

#include <chrono>
#include <cstring>
#include <system_error>
#include <thread>

bool executablePath(char* buffer, int capacity)
{
    const QByteArray path = QFile::encodeName(QCoreApplication::applicationFilePath());
    if (path.isEmpty() || path.size() >= capacity)
        return false;
    std::memcpy(buffer, path.constData(), static_cast<std::size_t>(path.size()) + 1);
    return true;
}

bool startThread(uint32_t (*procedure)(void*), void* argument)
{
    try {
        std::thread(procedure, argument).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

void sleepMilliseconds(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
