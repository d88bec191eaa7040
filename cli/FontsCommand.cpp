// fonts: whether the faces the pages are set in are installed.
#include "Command.h"

#include <QCoreApplication>

#include "pages/CalibrationPage.h"
#include "pages/PageExport.h"

namespace {

class FontsCommand : public Command
{
public:
    FontsCommand()
        : Command(QStringLiteral("fonts"), QT_TRANSLATE_NOOP("Exporter", "Checks that the MICR and security faces are installed."),
                  QT_TRANSLATE_NOOP("Exporter", "Lists each MICR and security face as installed or missing. Exits with 1 when a\n"
                                 "standard MICR face is missing."))
    {
    }

protected:
    int Execute(const Console &console) override
    {
        PrintLines(console.out, FaceReport());
        return MissingMicrFaces().isEmpty() ? Done : Failed;
    }
};

} // namespace

std::unique_ptr<Command> MakeFontsCommand()
{
    return std::make_unique<FontsCommand>();
}
