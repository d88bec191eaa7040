#include "MicrApplication.h"

#include "platform/ErrorBox.h"
#include "platform/KeyboardNavigation.h"

#include <QCoreApplication>
#include <exception>

MicrApplication::MicrApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    Platform::InstallKeyboardNavigation(*this);
}

MicrApplication::~MicrApplication()
{
    while (!windows_.empty())
        windows_.pop_back();
}

bool MicrApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        Platform::ShowErrorBox(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        Platform::ShowErrorBox(QCoreApplication::translate("MicrApplication", "An unexpected error occurred"));
    }
    return false;
}
