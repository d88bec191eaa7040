// page: writes the calibration page or the placement page to a file.
#include "Command.h"
#include "CommonOptions.h"

#include "pages/CalibrationPage.h"
#include "pages/PageExport.h"
#include "wording/Wording.h"
#include "wording/LineWording.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

class PageCommand : public Command
{
public:
    PageCommand()
        : Command(QStringLiteral("page"),
                  QT_TRANSLATE_NOOP("Exporter", "Writes the calibration page or the placement page to a PDF or PNG file."),
                  QT_TRANSLATE_NOOP("Exporter", "Writes the MICR calibration page or the placement page, exactly as the wizard\n"
                                 "prints them: a PDF (FILE.pdf) or a raster image (FILE.png). Print the file at\n"
                                 "100 % (no \"fit to page\"): measure the calibration page's sample lines, or the\n"
                                 "placement page's bars and where its MICR line lands, and give the readings\n"
                                 "back with the measure or place command."))
    {
        AddOptions({output_, page_, bold_, dpi_, PaperOption()});
        AddOptions(PlacementOptions());
        AddOptions({micrLine_});
    }

protected:
    int Execute(const Console &console) override
    {
        const ExportOptions options = ReadOptions();
        const QStringList missing = MissingMicrFaces();
        if (!missing.isEmpty())
            console.Say(QCoreApplication::translate("Exporter",
                                                    "warning: not installed, their sample lines cannot be measured: %1")
                            .arg(Wording::Listed(Wording::For::Reader, missing)));
        QString error;
        if (!ExportCalibrationPage(options, &error)) {
            console.Say(error);
            return Failed;
        }
        // The page holds the line asked for, but a script must not take it
        // for a line a bank would read.
        if (options.userLine && !options.userLine->faults.empty()) {
            console.Say(QCoreApplication::translate(
                "Exporter", "the page was written, but its MICR line has faults a bank would reject:"));
            for (const QString &fault : Wording::LineFaults(Wording::For::Reader, options.userLine->faults))
                console.Say(QStringLiteral("  ") + fault);
            return Failed;
        }
        return Done;
    }

private:
    ExportOptions ReadOptions() const
    {
        ExportOptions options;
        if (IsSet(page_))
            options.page = ExportedPage(ReadChoice(QStringLiteral("page"), Value(page_),
                                                   {QStringLiteral("calibration"), QStringLiteral("placement")}));
        if (options.page != ExportedPage::Placement) {
            for (const QCommandLineOption &option : PlacementOptions()) {
                if (IsSet(option))
                    throw Refusal(RefusalKind::OptionOutOfPlace, QCoreApplication::translate("Exporter", "--%1 is for the placement page: add --page placement")
                                      .arg(option.names().first()));
            }
            if (IsSet(micrLine_))
                throw Refusal(RefusalKind::OptionOutOfPlace, QCoreApplication::translate("Exporter", "--micr-line prints on the placement page: add --page placement"));
        }
        options.bold = IsSet(bold_);
        if (IsSet(dpi_))
            ReadResolution(Value(dpi_), options);
        options.paper = ReadPaper(Parser());
        if (options.page == ExportedPage::Placement) {
            const PlacementLayout layout = ReadPlacementLayout(Parser(), options.paper);
            options.cheque = layout.cheque;
            options.stock = layout.stock;
            options.line = layout.line;
            options.applied = layout.applied;
            if (IsSet(micrLine_))
                options.userLine = ComposeMicrLine(ReadMicrFields(Value(micrLine_), QStringLiteral("--micr-line")));
        }
        options.output = Value(output_);
        if (options.output.isEmpty())
            throw Refusal(RefusalKind::MissingOption, QCoreApplication::translate("Exporter", "no output file: give one with -o FILE"));
        const QString suffix = QFileInfo(options.output).suffix().toLower();
        if (suffix != QLatin1String("pdf") && suffix != QLatin1String("png"))
            throw Refusal(RefusalKind::BadValue,
                QCoreApplication::translate("Exporter", "the output file must end in .pdf or .png, not \"%1\"").arg(options.output));
        return options;
    }

    static void ReadResolution(const QString &text, ExportOptions &options)
    {
        static const QRegularExpression pattern(QStringLiteral("^(\\d{1,6})(?:[xX](\\d{1,6}))?$"));
        const QRegularExpressionMatch match = pattern.match(text);
        if (!match.hasMatch())
            throw Refusal(RefusalKind::BadValue, QCoreApplication::translate("Exporter", "--dpi takes N or XxY in dots per inch, not \"%1\"").arg(text));
        options.dpiX = match.captured(1).toInt();
        options.dpiY = match.captured(2).isEmpty() ? options.dpiX : match.captured(2).toInt();
        for (int dpi : {options.dpiX, options.dpiY}) {
            if (dpi < MinimumExportDpi || dpi > MaximumExportDpi)
                throw Refusal(RefusalKind::BadValue, QCoreApplication::translate("Exporter", "--dpi must be between %1 and %2, not %3")
                                  .arg(MinimumExportDpi)
                                  .arg(MaximumExportDpi)
                                  .arg(dpi));
        }
    }

    QCommandLineOption output_{{QStringLiteral("o"), QStringLiteral("output")},
                               QCoreApplication::translate("Exporter", "The file to write, FILE.pdf or FILE.png; it is written whole or not "
                                              "at all."),
                               QStringLiteral("FILE")};
    QCommandLineOption page_{QStringLiteral("page"),
                             QCoreApplication::translate("Exporter", "calibration (default): the page with five sample lines; placement: "
                                            "where the MICR line lands on a check, measured from the paper's "
                                            "edges."),
                             QStringLiteral("NAME")};
    QCommandLineOption bold_ = BoldOption(
        QCoreApplication::translate("Exporter", "The bold MICR faces: the calibration page's labels, the placement page's MICR line."));
    QCommandLineOption dpi_{QStringLiteral("dpi"),
                            QCoreApplication::translate("Exporter", "Device resolution the page is laid out for: N or XxY dots per inch "
                                           "(default 1200, as the wizard prints it)."),
                            QStringLiteral("N|XxY")};
    QCommandLineOption micrLine_{QStringLiteral("micr-line"),
                                 QCoreApplication::translate("Exporter", "The placement page prints your own MICR line instead of the "
                                                "sample, composed from FIELDS as the line command takes them. A "
                                                "line with faults is printed all the same, its faults said on "
                                                "stderr and the status 1."),
                                 QStringLiteral("FIELDS")};
};

} // namespace

std::unique_ptr<Command> MakePageCommand()
{
    return std::make_unique<PageCommand>();
}
