#include "Measurements.h"

#include "wording/Wording.h"

#include "platform/FormLayout.h"
#include "platform/ReadingFields.h"
#include "platform/KeyStop.h"
#include "wording/MeasurementWording.h"
#include "wording/ReadingWording.h"

#include <QLineEdit>
#include <QPushButton>

TMeasurements::TMeasurements(QWidget *owner) : QDialog(owner)
{
    setupUi(this);
    Platform::OpenHelpOnF1(this, QStringLiteral("help/verdicts.html"));
    fields_ = {LengthField1, LengthField2, LengthField3, LengthField4, LengthField5};
    results_ = {LengthResult1, LengthResult2, LengthResult3, LengthResult4, LengthResult5};
    faces_ = {FaceLabel1, FaceLabel2, FaceLabel3, FaceLabel4, FaceLabel5};
    for (QLineEdit *field : fields_)
        connect(field, &QLineEdit::textChanged, this, [this] {
            Reassess();
            Platform::GrowToFitText(this);
        });
    Platform::KeepReturnInFields(this);
}

void TMeasurements::SetReadings(const LineLengths &readings)
{
    for (std::size_t i = 0; i < readings.size(); ++i)
        accepted_[i] = readings[i] ? QString::number(*readings[i], 'f', 3) : QString();
}

LineLengths TMeasurements::Readings() const
{
    LineLengths readings;
    QString ignored;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        if (!accepted_[i].trimmed().isEmpty())
            readings[i] = ParseLength(accepted_[i], SampleLineRange(), &ignored);
    }
    return readings;
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
    std::vector<Platform::LengthField> checks;
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line)
        checks.push_back({Field(line), tr("Line %1").arg(line), SampleLineRange()});
    const auto typed = Platform::CheckLengthFields(checks, ProblemText);
    QPushButton *ok = ButtonBox->button(QDialogButtonBox::Ok);
    if (!typed) {
        // What was shown stays until every reading makes sense again, but
        // for the line to use: it goes with OK.
        ok->setEnabled(false);
        RecommendationText->clear();
        return;
    }
    LineLengths measured;
    std::copy(typed->begin(), typed->end(), measured.begin());

    assessment_ = AssessReadings(nominal_, measured);
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        const LineEstimate &estimate = assessment_.lines[std::size_t(line - 1)];
        QString text;
        if (estimate.length)
            text = estimate.predicted ? tr("%1, predicted").arg(FormatLength(*estimate.length))
                                      : FormatLength(*estimate.length);
        else if (!nominal_[std::size_t(line - 1)])
            text = tr("font not installed");
        results_[std::size_t(line - 1)]->setText(text);
    }
    if (assessment_.usable())
        RecommendationText->setText(
            tr("Use Line %1: %2, at 10 points")
                .arg(assessment_.recommended)
                .arg(QString::fromLatin1(MicrFaceName(assessment_.recommended, weight_))));
    else if (assessment_.recommended != 0)
        RecommendationText->setText(tr("Not calibrated: no face can be named from these readings"));
    else
        RecommendationText->clear();
    VerdictLabel->setText(assessment_.recommended == 0
                              ? QString()
                              : tr("Line %1 is %2 from 7 inches: %3")
                                    .arg(assessment_.recommended)
                                    .arg(Wording::Residual(Wording::For::Reader, assessment_.residual),
                                         Wording::AssessmentVerdictOf(Wording::For::Reader, assessment_)));
    AdviceText->setText(Wording::Advice(Wording::For::Reader, assessment_, weight_).join(QLatin1Char(' ')));
    // OK checks the line on step 2: only for a face within tolerance.
    ok->setEnabled(assessment_.usable());
}
