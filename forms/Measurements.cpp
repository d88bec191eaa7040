#include "Measurements.h"

#include "platform/FormLayout.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
// A field whose text is not a length is tinted, as well as named below.
const QColor RefusedFieldTint(255, 220, 220);
} // namespace

TMeasurements::TMeasurements(QWidget *owner) : QDialog(owner)
{
    setupUi(this);
    fields_ = {LengthField1, LengthField2, LengthField3, LengthField4, LengthField5};
    results_ = {LengthResult1, LengthResult2, LengthResult3, LengthResult4, LengthResult5};
    faces_ = {FaceLabel1, FaceLabel2, FaceLabel3, FaceLabel4, FaceLabel5};
    for (QLineEdit *field : fields_)
        connect(field, &QLineEdit::textChanged, this, [this] {
            Reassess();
            Platform::GrowToFitText(this);
        });
}

QLineEdit *TMeasurements::Field(CalibrationLine line) const
{
    return fields_.at(std::size_t(line - 1));
}

bool TMeasurements::Ask(FontWeightChoice weight)
{
    weight_ = weight;
    // Read when asked: the faces may have been installed since start-up.
    nominal_ = NominalLineLengths();
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        faces_[std::size_t(line - 1)]->setText(QString::fromLatin1(MicrFaceName(line, weight)));
        Field(line)->setText(accepted_[std::size_t(line - 1)]);
    }
    Reassess();
    Field(FirstCalibrationLine)->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line)
        accepted_[std::size_t(line - 1)] = Field(line)->text();
    return true;
}

void TMeasurements::Reassess()
{
    LineLengths measured;
    QStringList problems;
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        QLineEdit *field = Field(line);
        QString error;
        std::optional<double> length;
        if (!field->text().trimmed().isEmpty()) {
            length = ParseLength(field->text(), ShortestReadingInches, LongestReadingInches, &error);
            if (!length)
                problems << QStringLiteral("Line %1: %2").arg(line).arg(error);
        }
        QPalette palette = field->parentWidget()->palette();
        if (!error.isEmpty())
            palette.setColor(QPalette::Base, RefusedFieldTint);
        field->setPalette(palette);
        field->setAccessibleDescription(error);
        measured[std::size_t(line - 1)] = length;
    }
    ProblemText->setText(problems.join(QLatin1Char('\n')));
    ProblemText->setVisible(!problems.isEmpty());
    QPushButton *ok = ButtonBox->button(QDialogButtonBox::Ok);
    if (!problems.isEmpty()) {
        // What was shown stays until every reading makes sense again.
        ok->setEnabled(false);
        return;
    }

    assessment_ = AssessReadings(nominal_, measured);
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        const LineEstimate &estimate = assessment_.lines[std::size_t(line - 1)];
        QString text;
        if (estimate.length)
            text = FormatLength(*estimate.length) + (estimate.predicted ? QStringLiteral(", predicted") : QString());
        else if (!nominal_[std::size_t(line - 1)])
            text = QStringLiteral("font not installed");
        results_[std::size_t(line - 1)]->setText(text);
    }
    if (assessment_.recommended != 0)
        RecommendationText->setText(
            QStringLiteral("Use Line %1: %2, at 10 points")
                .arg(assessment_.recommended)
                .arg(QString::fromLatin1(MicrFaceName(assessment_.recommended, weight_))));
    else
        RecommendationText->clear();
    VerdictLabel->setText(assessment_.recommended == 0
                              ? QString()
                              : QStringLiteral("%1 from 7 inches: %2")
                                    .arg(FormatResidual(assessment_.residual), AssessmentVerdictText(assessment_)));
    AdviceText->setText(Advice(assessment_, weight_).join(QLatin1Char(' ')));
    ok->setEnabled(assessment_.recommended != 0);
}
