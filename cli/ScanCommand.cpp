// scan FILE: a printed cheque checked from its scan, as a MICR gauge and
// comparator would check it: each character recognised and placed, the
// line's pitch, skew and bar width, and the clear band.
#include "Command.h"
#include "CommonOptions.h"
#include "ScanHelper.h"

#include "answers/ScanFindings.h"
#include "store/PrinterProfiles.h"
#include "wording/ProfilesWording.h"
#include "wording/ScanWording.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace {

class ScanCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(ScanCommand)

public:
    ScanCommand()
        : Command(QStringLiteral("scan"), QT_TRANSLATE_NOOP("Exporter", "Checks a printed check from its scan."),
                  QT_TRANSLATE_NOOP("Exporter", "Reads the MICR line of a printed check from a scan of the sheet (PNG, TIFF,\n"
                                 "JPEG or a one-image PDF, its edges showing against a dark lid): each character\n"
                                 "recognised against the face's own shapes, its position, its right edge and\n"
                                 "bottom from the check's edges, the pitch, skew and bar width, and every mark in\n"
                                 "the clear band. Exits with 0 within every tolerance, 1 otherwise or for a scan\n"
                                 "of the wrong thing, 2 for a file that cannot be taken as a scan."))
    {
        TakeArgument(QStringLiteral("FILE"), QCoreApplication::translate("Exporter", "The scan: PNG, TIFF, JPEG or a PDF of one image."));
        AddOptions(PlacementOptions());
        AddOptions({PaperOption(), printer_, bold_, json_, dpi_});
    }

protected:
    int Execute(const Console &console) override
    {
        ScanRequest request{QStringLiteral("gauge"), Given(), ScanDpi(dpi_),
                            ReadPlacementLayout(Parser(), ReadPaper(Parser())), {}};
        request.face = Face(console, request.layout);
        const auto answer = RunScanHelper(request);
        if (const auto *refusal = std::get_if<ScanRefusal>(&answer)) {
            console.Say(Wording::ScanRefusalText(Wording::For::Reader, *refusal));
            return ScanRefusalStatus(*refusal);
        }
        const std::optional<GaugeFound> found = Wording::GaugeFoundFromJson(std::get<QJsonObject>(answer));
        if (!found) {
            console.Say(Wording::ScanRefusalText(Wording::For::Reader, {ScanProblem::Failed, 0, {}}));
            return Failed;
        }
        const GaugeResult result = AssessGauge(*found);
        if (IsSet(json_))
            PrintJson(console.out, QJsonDocument(Wording::GaugeAsJson(*found, result)));
        else
            PrintLines(console.out, Wording::Gauge(Wording::For::Reader, *found, result));
        return result.withinTolerance() ? Done : Failed;
    }

private:
    // The face the line is printed in: the printer's, or --line's.
    QString Face(const Console &console, const PlacementLayout &layout) const
    {
        if (!IsSet(printer_))
            return QString::fromLatin1(MicrFaceName(layout.line, layout.weight));
        if (Parser().isSet(QStringLiteral("line")) || IsSet(bold_))
            throw Refusal(RefusalKind::ConflictingOptions, tr("--printer takes the face from the printer's profile: give --printer, or --line and --bold"));
        ProfilesProblem problem;
        const std::optional<PrinterProfile> profile = PrinterProfiles().Find(Value(printer_), &problem);
        const QString said = Wording::ProfilesProblemOf(Wording::For::Reader, problem);
        if (!said.isEmpty())
            console.Say(said);
        if (!profile)
            throw Refusal(RefusalKind::NotAvailable, tr("no printer \"%1\" is remembered: see the profiles command").arg(Value(printer_)));
        return profile->Face();
    }

    QCommandLineOption printer_{QStringLiteral("printer"),
                                tr("The printer the check was printed on, by its CUPS queue: its face is the one "
                                   "recognised. Without it, --line N."),
                                QStringLiteral("QUEUE")};
    QCommandLineOption bold_ = BoldOption(tr("Without --printer: the line is in --line's bold face."));
    QCommandLineOption json_ = JsonOption(tr("one JSON object"));
    QCommandLineOption dpi_{QStringLiteral("dpi"), tr("The scan's resolution, where the file does not give it."),
                            QStringLiteral("N")};
};

} // namespace

std::unique_ptr<Command> MakeScanCommand()
{
    return std::make_unique<ScanCommand>();
}
