#include "MicrApplication.h"
#include "Startup.h"
#include "WindowSet.h"
#include "WizardHelp.h"
#include "i18n/Translations.h"
#include "forms/Micr.h"
#include "platform/ErrorBox.h"
#include "platform/FaceSubstitutes.h"
#include "platform/StartupTrace.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>


namespace {
void CentreOnDesktop(QWidget *window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}
} // namespace

int main(int argc, char **argv)
{
    if (const std::optional<int> answered = AnswerHelpOrVersion(argc, argv))
        return *answered;
    MicrApplication application(argc, argv);
    // Before any window is made: the forms take their texts when built.
    I18n::InstallTranslations(application);
    // The program reads only small pictures; a file that claims otherwise
    // must not make the decoder allocate hundreds of megabytes.
    QImageReader::setAllocationLimit(16);
    Platform::SetApplicationTitle(QCoreApplication::translate("MicrApplication", "MICR System Calibration"));
    return RunStartup(application, [&application] {
        QGuiApplication::setDesktopFileName(QStringLiteral("example.tolvane.MicrCalibration"));
        Platform::InstallFaceSubstitutes();
        CreateWindowSet(application);
        CentreOnDesktop(Form1);
        Platform::TraceFirstPaint(Form1);
        Form1->show();
    });
}
