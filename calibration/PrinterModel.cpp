#include "PrinterModel.h"

#include "Measurement.h"
#include "PlacementPage.h"

std::optional<PrinterModel> LineModel(CalibrationLine line, FontWeightChoice weight)
{
    const std::optional<double> length = SampleLineInches(QString::fromLatin1(MicrFaceName(line, weight)));
    if (!length || *length <= 0)
        return std::nullopt;
    PrinterModel model;
    model.sx = TargetLineInches / *length;
    return model;
}

QSizeF PaperOfStock(const ChequeStock &stock, QSizeF otherwise)
{
    if (!stock.custom && stock.chequeInches == LetterChequeInches)
        return {8.5, 11};
    if (!stock.custom && stock.chequeInches == A4ChequeInches)
        return {210 / MillimetresPerInch, 297 / MillimetresPerInch};
    return otherwise;
}

std::optional<PrinterModel> ProfileModel(const PrinterProfile &profile, QSizeF paperInches, QString *how)
{
    if (const auto &placed = profile.placement) {
        // The placement page put position 1's end and the baseline where
        // the standard wants them; the readings say where they landed.
        PlacementLayout layout;
        layout.paperInches = PaperOfStock(placed->stock, paperInches);
        layout.cheque = placed->cheque;
        layout.stock = placed->stock;
        const PlacementReadings &readings = placed->readings;
        PrinterModel model;
        model.sx = readings.bar / ReferenceBarInches;
        model.sy = readings.verticalBar ? *readings.verticalBar / VerticalBarInches : 1;
        const double landedRight = layout.paperInches.width() - readings.right;
        const double landedBaseline = readings.vertical == VerticalReading::FromChequeBottom
                                          ? ChequeBottomInches(layout) - readings.fromEdge
                                          : readings.fromEdge;
        model.ox = landedRight - model.sx * PositionOneRightInches(layout);
        model.oy = landedBaseline - model.sy * BaselineInches(layout);
        if (how)
            *how = QStringLiteral("the placement measured on %1").arg(ShortDate(placed->taken));
        return model;
    }
    if (const auto &measured = profile.measurement) {
        const Assessment assessment = AssessReadings(NominalLineLengths(), measured->readings);
        if (assessment.scale) {
            PrinterModel model;
            model.sx = *assessment.scale;
            if (how)
                *how = QStringLiteral("the calibration of %1 (no placement measured: no shift)")
                           .arg(ShortDate(measured->taken));
            return model;
        }
    }
    if (how)
        *how = QStringLiteral("Line %1's face printing the MICR line 7 in long (nothing measured on this printer)")
                   .arg(profile.line);
    return LineModel(profile.line, profile.weight);
}
