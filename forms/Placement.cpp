#include "Placement.h"

#include "calibration/Measurement.h"

#include "platform/FormLayout.h"

#include <QLineEdit>

namespace {
const QColor RefusedFieldTint(255, 220, 220);
// The marks stand 1 in from their edges; a reading far from that is of
// something else.
constexpr double ShortestMarkReading = 0.25;
constexpr double LongestMarkReading = 2.0;
} // namespace

TPlacement::TPlacement(PagePrinter print, QWidget *owner) : QDialog(owner), print_(std::move(print))
{
    setupUi(this);
    connect(PrintButton, &QPushButton::clicked, this, &TPlacement::PrintPage);
    for (QLineEdit *field : {BarField, RightField, BottomField})
        connect(field, &QLineEdit::textChanged, this, [this] {
            Reassess();
            Platform::GrowToFitText(this);
        });
    Reassess();
}

void TPlacement::Ask(CalibrationLine line, FontWeightChoice weight)
{
    layout_.line = line;
    layout_.weight = weight;
    ChequeChoice->setFocus();
    exec();
}

void TPlacement::PrintPage()
{
    layout_.cheque = ChequePosition(ChequeChoice->currentIndex());
    print_(layout_);
}

void TPlacement::Reassess()
{
    struct Reading
    {
        QLineEdit *field;
        const char *name;
        double shortest;
        double longest;
        double PlacementReadings::*into;
    };
    const Reading readings[] = {
        {BarField, "Reference bar", ShortestReadingInches, LongestReadingInches, &PlacementReadings::bar},
        {RightField, "Right edge", ShortestMarkReading, LongestMarkReading, &PlacementReadings::fromRightEdge},
        {BottomField, "Bottom edge", ShortestMarkReading, LongestMarkReading, &PlacementReadings::fromBottomEdge},
    };
    PlacementReadings typed;
    QStringList problems;
    bool complete = true;
    for (const Reading &reading : readings) {
        QString error;
        if (reading.field->text().trimmed().isEmpty()) {
            complete = false;
        } else if (const std::optional<double> length =
                       ParseLength(reading.field->text(), reading.shortest, reading.longest, &error)) {
            typed.*(reading.into) = *length;
        } else {
            problems << QStringLiteral("%1: %2").arg(QLatin1String(reading.name), error);
        }
        QPalette palette = reading.field->parentWidget()->palette();
        if (!error.isEmpty())
            palette.setColor(QPalette::Base, RefusedFieldTint);
        reading.field->setPalette(palette);
        reading.field->setAccessibleDescription(error);
    }
    ProblemText->setText(problems.join(QLatin1Char('\n')));
    ProblemText->setVisible(!problems.isEmpty());
    if (!problems.isEmpty())
        return; // what was shown stays until every reading makes sense
    if (!complete) {
        result_.reset();
        ResultText->setText(QStringLiteral("Type all three readings to see the scale, the offsets and the "
                                           "correction."));
        return;
    }
    result_ = AssessPlacement(typed);
    ResultText->setText(DescribePlacement(*result_).join(QLatin1Char('\n')));
}
