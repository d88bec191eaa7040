#include "Measurements.h"

#include "ScanSource.h"
#include "wording/Wording.h"

#include "platform/FormLayout.h"
#include "platform/ReadingFields.h"
#include "platform/KeyStop.h"
#include "wording/MeasurementWording.h"
#include "scanclient/ScanAnalysis.h"
#include "wording/ReadingWording.h"
#include "wording/ScanWording.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

TMeasurements::TMeasurements(PrinterSession &session, QWidget *owner)
    : QDialog(owner), session_(session), scanAnalysis_(new ScanAnalysis(this))
{
    setupUi(this);
    // While a scan is measured: a busy bar and Cancel, then what it gave.
    scanProgress_ = new ScanProgress(scanAnalysis_, this);
    scanText_ = new QLabel(this);
    scanText_->setObjectName(QStringLiteral("ScanText"));
    scanText_->setWordWrap(true);
    scanText_->setTextFormat(Qt::PlainText);
    scanText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    scanText_->hide();
    MainLayout->insertWidget(MainLayout->indexOf(ProblemText), scanProgress_);
    MainLayout->insertWidget(MainLayout->indexOf(ProblemText), scanText_);
    OfferScans(ScanButton, [this](const QString &path) { MeasureScan(path); });
    connect(scanAnalysis_, &ScanAnalysis::Finished, this, &TMeasurements::TakeScan);
    connect(scanAnalysis_, &ScanAnalysis::Refused, this, &TMeasurements::RefuseScan);
    connect(scanProgress_, &ScanProgress::Cancelled, this, [this] { ScanButton->setEnabled(true); });
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

QLineEdit *TMeasurements::Field(CalibrationLine line) const
{
    return fields_.at(std::size_t(line - 1));
}

bool TMeasurements::Ask()
{
    session_.ReadingsOpened();
    const LineLengths &readings = session_.Readings();
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        const std::size_t i = std::size_t(line - 1);
        faces_[i]->setText(QString::fromLatin1(MicrFaceName(line, session_.Weight())));
        const QString shown = readings[i] ? QString::number(*readings[i], 'f', 3) : QString();
        Field(line)->setText(readings == acceptedReadings_ ? acceptedTexts_[i] : shown);
    }
    Reassess();
    Field(FirstCalibrationLine)->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line)
        acceptedTexts_[std::size_t(line - 1)] = Field(line)->text();
    session_.ReadingsAccepted();
    acceptedReadings_ = session_.Readings();
    return true;
}

void TMeasurements::MeasureScan(const QString &path)
{
    // Shown first: a helper that cannot be started refuses within Start.
    scanProgress_->Measuring(path);
    ScanButton->setEnabled(false);
    scanAnalysis_->Start({QStringLiteral("measure"), path, std::nullopt, PlacementLayout{}, {}});
}

bool TMeasurements::Measuring() const
{
    return scanAnalysis_->Running();
}

QString TMeasurements::ScanSaid() const
{
    return scanText_->text();
}

void TMeasurements::TakeScan(const QJsonObject &answer)
{
    ScanButton->setEnabled(true);
    const std::optional<CalibrationFound> found = Wording::CalibrationFoundFromJson(answer);
    if (!found) {
        RefuseScan({ScanProblem::Failed, 0, {}});
        return;
    }
    // At the scan's own resolution: no line was read with a ruler here.
    const ScannedLengths scanned = ScaleScannedLines(*found);
    // Typed as a person would type them, to the scan's ten-thousandth: the
    // usual check follows.
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        const std::optional<double> &length = scanned.lengths[std::size_t(line - 1)];
        Field(line)->setText(length ? QString::number(*length, 'f', 4) : QString());
    }
    scanText_->setText(Wording::ScanLengthsLines(Wording::For::Reader, *found, scanned).constFirst());
    scanText_->show();
    Platform::GrowToFitText(this);
}

void TMeasurements::RefuseScan(const ScanRefusal &refusal)
{
    ScanButton->setEnabled(true);
    scanText_->setText(tr("%1: %2.", "a scan refused: its file, why")
                           .arg(QFileInfo(scanAnalysis_->Request().file).fileName(),
                                Wording::CalibrationScanRefusalText(Wording::For::Reader, refusal)));
    scanText_->show();
    Platform::GrowToFitText(this);
}

void TMeasurements::Reassess()
{
    std::vector<Platform::LengthField> checks;
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line)
        checks.push_back({Field(line), tr("Line %1").arg(line), SampleLineRange()});
    // A refused reading counts for nothing: the lengths and the verdict
    // are the other readings'.
    std::vector<std::optional<double>> accepted;
    const bool allRead = Platform::CheckLengthFields(checks, ProblemText, &accepted).has_value();
    LineLengths typed;
    std::copy(accepted.begin(), accepted.end(), typed.begin());
    session_.ReadingsTyped(typed);
    const Assessment &assessment = session_.TypedAssessment();
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        const std::size_t i = std::size_t(line - 1);
        const LineEstimate &estimate = assessment.lines[i];
        // Nothing stands for a refused reading, not even a prediction.
        const bool refused = !typed[i] && !Field(line)->text().trimmed().isEmpty();
        QString text;
        if (!refused && estimate.length)
            text = estimate.predicted ? tr("%1, predicted").arg(FormatLength(*estimate.length))
                                      : FormatLength(*estimate.length);
        else if (!refused && !session_.NominalLengths()[i])
            text = tr("font not installed");
        results_[i]->setText(text);
    }
    const FontWeightChoice weight = session_.Weight();
    // The line to use goes with OK, which waits until every reading makes
    // sense.
    if (assessment.usable() && allRead)
        RecommendationText->setText(
            tr("Use Line %1: %2, at 10 points")
                .arg(assessment.recommended)
                .arg(QString::fromLatin1(MicrFaceName(assessment.recommended, weight))));
    else if (assessment.recommended != 0 && allRead)
        RecommendationText->setText(tr("Not calibrated: no face can be named from these readings"));
    else
        RecommendationText->clear();
    VerdictLabel->setText(assessment.recommended == 0
                              ? QString()
                              : tr("Line %1 is %2 from 7 inches: %3")
                                    .arg(assessment.recommended)
                                    .arg(Wording::Residual(Wording::For::Reader, assessment.residual),
                                         Wording::AssessmentVerdictOf(Wording::For::Reader, assessment)));
    AdviceText->setText(Wording::Advice(Wording::For::Reader, assessment, weight).join(QLatin1Char(' ')));
    // OK checks the line on step 2: only for a face within tolerance.
    ButtonBox->button(QDialogButtonBox::Ok)->setEnabled(allRead && assessment.usable());
}
