// place READINGS: what was measured on a printed placement page, to the
// scale's verdict and how far to move the MICR line.
#include "Command.h"
#include "CommonOptions.h"

#include <QCoreApplication>

#include <cmath>

#include "answers/PlacementCheck.h"
#include "wording/Wording.h"
#include "wording/PlacementWording.h"
#include "wording/ReadingWording.h"
#include "wording/ScanWording.h"
#include "ScanHelper.h"

namespace {

class PlaceCommand : public Command
{
public:
    PlaceCommand()
        : Command(QStringLiteral("place"), QT_TRANSLATE_NOOP("Exporter", "Judges what was measured on a printed placement page."),
                  QT_TRANSLATE_NOOP("Exporter", "Weighs what was measured on a printed placement page: prints the scale with its\n"
                                 "verdict, where the MICR line landed and how far to move it in check-printing\n"
                                 "software. Exits with 0 when the scale is fine and both moves are within\n"
                                 "1/32 in, 1 otherwise (no move from a scaled page, nor from readings that\n"
                                 "cannot be right), 2 for readings refused as typed (past the paper's edge).\n"
                                 "The options describe the page as it was printed, --applied its correction."))
    {
        TakeOptionalArgument(QStringLiteral("READINGS"),
                     QCoreApplication::translate("Exporter", "bar=LENGTH,right=LENGTH,bottom=LENGTH or top=LENGTH instead of bottom, and "
                                    "optionally vbar=LENGTH: the reference bar, the distance from the paper's right "
                                    "edge to where position 1 ends, the baseline from the check's bottom edge "
                                    "(check stock) or from the paper's top edge (plain paper), and the vertical "
                                    "bar."));
        AddOptions(PlacementOptions());
        AddOptions({PaperOption(), bold_, json_, scan_, dpi_});
    }

protected:
    int Execute(const Console &console) override
    {
        const PlacementLayout layout = ReadPlacementLayout(Parser(), ReadPaper(Parser()));
        if (IsSet(scan_) == !Given().isEmpty())
            throw Refusal(IsSet(scan_) ? RefusalKind::ConflictingOptions : RefusalKind::MissingArgument,
                          QCoreApplication::translate("Exporter", "%1 needs READINGS or --scan FILE, not both").arg(Name()));
        if (IsSet(dpi_) && !IsSet(scan_))
            throw Refusal(RefusalKind::OptionOutOfPlace, QCoreApplication::translate("Exporter", "--dpi goes with --scan: it is the scan's resolution"));
        std::optional<PlacementFound> scanned;
        if (IsSet(scan_)) {
            ScanRequest request{QStringLiteral("place"), Value(scan_), ScanDpi(dpi_), layout, {}};
            const auto answer = RunScanHelper(request);
            if (const auto *refusal = std::get_if<ScanRefusal>(&answer)) {
                console.Say(Wording::ScanRefusalText(Wording::For::Reader, *refusal));
                return ScanRefusalStatus(*refusal);
            }
            scanned = Wording::PlacementFoundFromJson(std::get<QJsonObject>(answer));
            if (!scanned) {
                console.Say(Wording::ScanRefusalText(Wording::For::Reader, {ScanProblem::Failed, 0, {}}));
                return Failed;
            }
        }
        const PlacementReadings readings = scanned ? ReadingsFromScan(*scanned, layout) : ReadReadings(Given(), layout.paperInches.height());
        const PlacementResult result = AssessPlacement(layout, readings, NominalLineLengths());
        if (IsSet(json_)) {
            QJsonObject answer = PlacementAsJson(result);
            if (scanned)
                answer.insert(QStringLiteral("readings"), Wording::ScanReadingsAsJson(*scanned));
            PrintJson(console.out, QJsonDocument(answer));
        } else {
            if (scanned)
                console.out << Wording::ScanReadingsLine(Wording::For::Reader, *scanned) << '\n';
            PrintLines(console.out, Wording::Placement(Wording::For::Reader, layout, result));
        }
        return result.fine() ? Done : Failed;
    }

private:
    PlacementReadings ReadReadings(const QString &text, double paperHeightInches) const
    {
        const QString form = QCoreApplication::translate("Exporter", "bar=LENGTH,right=LENGTH,bottom=LENGTH (or top=LENGTH)[,vbar=LENGTH]");
        const QList<ReadingField> fields{{QStringLiteral("bar"), ReferenceBarRange()},
                                         {QStringLiteral("vbar"), VerticalBarRange()},
                                         {QStringLiteral("right"), RightEdgeRange()},
                                         {QStringLiteral("bottom"), BottomEdgeRange()},
                                         // Past the paper's bottom edge it is no reading of this page.
                                         {QStringLiteral("top"), TopEdgeRange(paperHeightInches)}};
        QString error;
        ReadingListFault fault;
        const std::optional<QMap<QString, double>> lengths = ParseReadingList(text, fields, form, &error, &fault);
        // A name that is none of the readings: the list is not in its form.
        if (!lengths && fault.kind == ReadingListFault::Kind::UnknownName)
            throw Refusal(RefusalKind::MalformedArgument, Name() + QLatin1Char(' ') + error);
        if (!lengths)
            throw Refusal(RefusalKind::BadValue, error);
        if (!lengths->contains(QStringLiteral("bar")) || !lengths->contains(QStringLiteral("right"))
            || lengths->contains(QStringLiteral("bottom")) == lengths->contains(QStringLiteral("top")))
            throw Refusal(RefusalKind::MalformedArgument, QCoreApplication::translate("Exporter", "%1 needs bar, right and one of bottom or top, as %2").arg(Name(), form));
        PlacementReadings readings;
        readings.bar = lengths->value(QStringLiteral("bar"));
        readings.right = lengths->value(QStringLiteral("right"));
        if (lengths->contains(QStringLiteral("vbar")))
            readings.verticalBar = lengths->value(QStringLiteral("vbar"));
        readings.vertical = lengths->contains(QStringLiteral("top")) ? VerticalReading::FromPaperTop
                                                                     : VerticalReading::FromChequeBottom;
        readings.fromEdge = lengths->value(readings.vertical == VerticalReading::FromPaperTop
                                               ? QStringLiteral("top")
                                               : QStringLiteral("bottom"));
        return readings;
    }

    QCommandLineOption bold_ = BoldOption(QCoreApplication::translate("Exporter", "The page's MICR line was in the bold face of --line."));
    QCommandLineOption json_ = JsonOption(QCoreApplication::translate("Exporter", "one JSON object"));
    QCommandLineOption scan_{QStringLiteral("scan"),
                             QCoreApplication::translate("Exporter", "Instead of READINGS: take them from a scan of the printed page (PNG, TIFF, JPEG or a one-image PDF), the paper's edges showing against a dark lid."),
                             QStringLiteral("FILE")};
    QCommandLineOption dpi_{QStringLiteral("dpi"),
                            QCoreApplication::translate("Exporter", "With --scan: the scan's resolution, where the file does not give it."),
                            QStringLiteral("N")};
};

} // namespace

std::unique_ptr<Command> MakePlaceCommand()
{
    return std::make_unique<PlaceCommand>();
}
