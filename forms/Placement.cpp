#include "Placement.h"

#include "ScanSource.h"
#include "wording/Wording.h"

#include "platform/FormLayout.h"
#include "platform/ReadingFields.h"
#include "platform/KeyStop.h"
#include "platform/ScanView.h"
#include "scanclient/ScanAnalysis.h"
#include "wording/PlacementWording.h"
#include "wording/ReadingWording.h"
#include "wording/ScanWording.h"

#include <QFileInfo>
#include <QLocale>
#include <QLineEdit>

namespace {
// The stock choices, as the combo box's item data: a typed height is on
// one of the two papers, and three must fit on it.
enum class StockChoiceKind { Letter, A4, CustomLetter, CustomA4 };
} // namespace

TPlacement::TPlacement(PagePrinter print, QWidget *owner)
    : QDialog(owner), print_(std::move(print)), scanAnalysis_(new ScanAnalysis(this))
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
    connect(scanAnalysis_, &ScanAnalysis::Finished, this, &TPlacement::TakeScan);
    connect(scanAnalysis_, &ScanAnalysis::Refused, this, &TPlacement::RefuseScan);
    connect(scanProgress_, &ScanProgress::Cancelled, this, [this] { ScanButton->setEnabled(true); });
    Platform::OpenHelpOnF1(this, QStringLiteral("help/placement.html"));
    for (ChequePosition position : {ChequePosition::Top, ChequePosition::Middle, ChequePosition::Bottom})
        ChequeChoice->setItemData(int(position), int(position));
    StockChoice->setItemData(0, int(StockChoiceKind::Letter));
    StockChoice->setItemData(1, int(StockChoiceKind::A4));
    StockChoice->setItemData(2, int(StockChoiceKind::CustomLetter));
    StockChoice->setItemData(3, int(StockChoiceKind::CustomA4));
    BaselineFromChoice->setItemData(0, int(VerticalReading::FromChequeBottom));
    BaselineFromChoice->setItemData(1, int(VerticalReading::FromPaperTop));
    connect(PrintButton, &QPushButton::clicked, this, [this] { PrintPage({}); });
    connect(PrintCorrectedButton, &QPushButton::clicked, this, [this] {
        if (result_ && result_->correctionOffered())
            PrintPage({result_->totalRight(), result_->totalUp()});
    });
    const auto reassess = [this] {
        Reassess();
        Platform::GrowToFitText(this);
    };
    for (QLineEdit *field : {ChequeHeightField, BarField, VerticalBarField, RightField, BaselineField})
        connect(field, &QLineEdit::textChanged, this, reassess);
    for (QComboBox *choice : {ChequeChoice, StockChoice, BaselineFromChoice})
        connect(choice, &QComboBox::currentIndexChanged, this, reassess);
    // A choice made, the focus goes on to the field it is for: a combo box
    // would take the next reading typed as a search among its items.
    connect(StockChoice, &QComboBox::activated, this, [this] {
        (ChequeHeightField->isEnabled() ? ChequeHeightField : BarField)->setFocus();
    });
    connect(ChequeChoice, &QComboBox::activated, this, [this] { BarField->setFocus(); });
    connect(BaselineFromChoice, &QComboBox::activated, this, [this] { BaselineField->setFocus(); });
    Platform::KeepReturnInFields(this);
    ShowApplied();
    Reassess();
}

void TPlacement::Ask(CalibrationLine line, FontWeightChoice weight)
{
    layout_.line = line;
    layout_.weight = weight;
    // Read when asked: the faces may have been installed since start-up.
    nominal_ = NominalLineLengths();
    FaceText->setText(tr("The page's MICR line is set in %1, the face of Line %2 chosen on step 2.")
                          .arg(QString::fromLatin1(MicrFaceName(line, weight)))
                          .arg(line));
    Reassess();
    // Straight to the readings: they are what is typed most.
    BarField->setFocus();
    exec();
}

void TPlacement::SetStock(const ChequeStock &stock)
{
    // A typed height is on the paper it is laid out on.
    const bool onLetter = stock.PaperInches() == LetterPaperInches();
    const StockChoiceKind kind = stock.Kind() == StockKind::Custom
        ? (onLetter ? StockChoiceKind::CustomLetter : StockChoiceKind::CustomA4)
        : stock.Kind() == StockKind::A4 ? StockChoiceKind::A4
                                        : StockChoiceKind::Letter;
    StockChoice->setCurrentIndex(StockChoice->findData(int(kind)));
    if (stock.custom)
        ChequeHeightField->setText(QString::number(stock.chequeInches, 'f', 3));
}

void TPlacement::SetRecord(const PlacementRecord &record)
{
    SetStock(record.stock);
    ChequeChoice->setCurrentIndex(ChequeChoice->findData(int(record.cheque)));
    BaselineFromChoice->setCurrentIndex(BaselineFromChoice->findData(int(record.readings.vertical)));
    const auto shown = [](double inches) { return QString::number(inches, 'f', 3); };
    BarField->setText(shown(record.readings.bar));
    VerticalBarField->setText(record.readings.verticalBar ? shown(*record.readings.verticalBar) : QString());
    RightField->setText(shown(record.readings.right));
    BaselineField->setText(shown(record.readings.fromEdge));
    // The readings are of the page that carried this correction.
    layout_.applied = record.applied;
    ShowApplied();
    Reassess();
}

std::optional<PlacementRecord> TPlacement::Record() const
{
    if (!result_)
        return std::nullopt;
    PlacementRecord record;
    record.cheque = layout_.cheque;
    record.stock = layout_.stock;
    record.readings = readings_;
    record.applied = result_->applied;
    // The whole correction to enter; from a scaled page or readings that
    // cannot be right, only the page's own.
    const bool offered = result_->correctionOffered();
    record.moveRight = offered ? result_->totalRight() : result_->applied.right;
    record.moveUp = offered ? result_->totalUp() : result_->applied.up;
    record.scaleVerdict = ScaleVerdictKey(result_->scaleVerdict);
    record.taken = QDateTime::currentDateTimeUtc();
    return record;
}


void TPlacement::MeasureScan(const QString &path)
{
    QString problem;
    if (!ReadLayout(&problem))
        return;
    // Shown first: a helper that cannot be started refuses within Start.
    scanProgress_->Measuring(path);
    ScanButton->setEnabled(false);
    scanAnalysis_->Start({QStringLiteral("place"), path, std::nullopt, layout_, {}});
}

bool TPlacement::Measuring() const
{
    return scanAnalysis_->Running();
}

QString TPlacement::ScanSaid() const
{
    return scanText_->text();
}

void TPlacement::TakeScan(const QJsonObject &answer)
{
    ScanButton->setEnabled(true);
    const std::optional<PlacementFound> found = Wording::PlacementFoundFromJson(answer);
    if (!found) {
        RefuseScan({ScanProblem::Failed, 0, {}});
        return;
    }
    const ScanRequest &request = scanAnalysis_->Request();
    const PlacementReadings readings = ReadingsFromScan(*found, request.layout);
    // Typed as a person would type them, to the scan's ten-thousandth: the
    // usual check follows.
    const auto shown = [](double inches) { return QString::number(inches, 'f', 4); };
    BaselineFromChoice->setCurrentIndex(BaselineFromChoice->findData(int(readings.vertical)));
    BarField->setText(shown(readings.bar));
    VerticalBarField->setText(readings.verticalBar ? shown(*readings.verticalBar) : QString());
    RightField->setText(shown(readings.right));
    BaselineField->setText(shown(readings.fromEdge));
    scanText_->setText(Wording::ScanReadingsLine(Wording::For::Reader, *found));
    scanText_->show();
    if (!scanPicture_)
        scanPicture_ = new ScanPictureDialog(this);
    scanPicture_->Show(request.file, found->overlay);
    Platform::GrowToFitText(this);
}

void TPlacement::RefuseScan(const ScanRefusal &refusal)
{
    ScanButton->setEnabled(true);
    scanText_->setText(tr("%1: %2.", "a scan refused: its file, why")
                           .arg(QFileInfo(scanAnalysis_->Request().file).fileName(),
                                Wording::ScanRefusalText(Wording::For::Reader, refusal)));
    scanText_->show();
    Platform::GrowToFitText(this);
}

bool TPlacement::ReadLayout(QString *problem)
{
    layout_.cheque = ChequePosition(ChequeChoice->currentData().toInt());
    const auto kind = StockChoiceKind(StockChoice->currentData().toInt());
    const bool custom = kind == StockChoiceKind::CustomLetter || kind == StockChoiceKind::CustomA4;
    ChequeHeightField->setEnabled(custom);
    // The page is laid out on the stock's own paper.
    layout_.paperInches = kind == StockChoiceKind::A4 || kind == StockChoiceKind::CustomA4 ? A4PaperInches() : LetterPaperInches();
    // The hint is the tallest a cheque of three on that paper can be.
    ChequeHeightField->setPlaceholderText(
        tr("%1 in", "a cheque's height").arg(QLocale().toString(layout_.paperInches.height() / 3, 'f', 3)));
    if (kind == StockChoiceKind::Letter) {
        layout_.stock = LetterStock();
    } else if (kind == StockChoiceKind::A4) {
        layout_.stock = A4Stock();
    } else {
        const std::optional<ChequeStock> typed =
            CustomStock(ChequeHeightField->text(), layout_.paperInches.height(), problem);
        if (!typed)
            return false;
        layout_.stock = *typed;
    }
    return true;
}

void TPlacement::PrintPage(const Correction &applied)
{
    QString problem;
    if (!ReadLayout(&problem))
        return;
    PlacementLayout page = layout_;
    page.applied = applied;
    if (!print_(page))
        return;
    // The readings typed were of the page before; the next are of this one.
    const bool changed = applied.right != layout_.applied.right || applied.up != layout_.applied.up;
    layout_.applied = applied;
    ShowApplied();
    if (changed) {
        for (QLineEdit *field : {BarField, VerticalBarField, RightField, BaselineField})
            field->clear();
        BarField->setFocus();
    }
    Reassess();
}

void TPlacement::ShowApplied()
{
    AppliedText->setText(tr("The readings are of the page printed with the correction %1.")
                             .arg(Wording::Moves(Wording::For::Reader, layout_.applied.right, layout_.applied.up,
                                                 Wording::Brief)));
    AppliedText->setVisible(!layout_.applied.none());
}

void TPlacement::Reassess()
{
    QString stockProblem;
    const Correction applied = layout_.applied;
    const bool stockRead = ReadLayout(&stockProblem);
    layout_.applied = applied;
    const auto typed = Platform::CheckLengthFields(
        {{BarField, tr("Reference bar"), ReferenceBarRange()},
         {VerticalBarField, tr("Vertical bar"), VerticalBarRange()},
         {RightField, tr("Right edge"), RightEdgeRange()},
         {BaselineField, tr("Baseline"),
          BaselineFromChoice->currentData().toInt() == int(VerticalReading::FromPaperTop)
              ? TopEdgeRange(layout_.paperInches.height())
              : BottomEdgeRange()}},
        ProblemText);
    PrintButton->setEnabled(stockRead);
    ScanButton->setEnabled(stockRead && !scanAnalysis_->Running());
    PrintCorrectedButton->setEnabled(false);
    if (!stockRead) {
        ProblemText->setText(tr("Check height: %1").arg(stockProblem)
                             + (ProblemText->text().isEmpty() ? QString() : QLatin1Char('\n') + ProblemText->text()));
        ProblemText->setVisible(true);
        // No answer for a stock that is not there.
        result_.reset();
        ResultText->clear();
        return;
    }
    if (!typed)
        return; // what was shown stays until every reading makes sense
    const std::vector<std::optional<double>> &lengths = *typed;
    if (!lengths[0] || !lengths[2] || !lengths[3]) {
        result_.reset();
        ResultText->setText(tr("Type the bar, the right edge and the baseline readings to see the "
                                "scale, where the MICR line landed and the correction."));
        return;
    }
    PlacementReadings readings;
    readings.bar = *lengths[0];
    readings.verticalBar = lengths[1];
    readings.right = *lengths[2];
    readings.vertical = VerticalReading(BaselineFromChoice->currentData().toInt());
    readings.fromEdge = *lengths[3];
    readings_ = readings;
    result_ = AssessPlacement(layout_, readings, nominal_);
    ResultText->setText(Wording::Placement(Wording::For::Reader, layout_, *result_).join(QLatin1Char('\n')));
    PrintCorrectedButton->setEnabled(result_->correctionOffered());
}
