#include "Startup.h"

#include "MicrApplication.h"
#include "platform/ErrorBox.h"

#include <exception>

int RunStartup(MicrApplication &application, const std::function<void()> &start)
{
    try {
        start();
        application.exec();
    } catch (const std::exception &error) {
        Platform::ShowErrorBox(QString::fromLocal8Bit(error.what()));
        return 2;
    }
    return 0;
}
