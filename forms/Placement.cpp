#include "Placement.h"

#include "platform/FormLayout.h"
#include "platform/ReadingFields.h"
#include "platform/KeyStop.h"

#include <QLineEdit>

namespace {
// The stock choices, as the combo box's item data.
enum class StockKind { Letter, A4, Custom };
} // namespace

TPlacement::TPlacement(PagePrinter print, QWidget *owner) : QDialog(owner), print_(std::move(print))
{
    setupUi(this);
    Platform::OpenHelpOnF1(this, QStringLiteral("help/placement.html"));
    for (ChequePosition position : {ChequePosition::Top, ChequePosition::Middle, ChequePosition::Bottom})
        ChequeChoice->setItemData(int(position), int(position));
    StockChoice->setItemData(0, int(StockKind::Letter));
    StockChoice->setItemData(1, int(StockKind::A4));
    StockChoice->setItemData(2, int(StockKind::Custom));
    BaselineFromChoice->setItemData(0, int(VerticalReading::FromChequeBottom));
    BaselineFromChoice->setItemData(1, int(VerticalReading::FromPaperTop));
    connect(PrintButton, &QPushButton::clicked, this, &TPlacement::PrintPage);
    const auto reassess = [this] {
        Reassess();
        Platform::GrowToFitText(this);
    };
    for (QLineEdit *field : {ChequeHeightField, BarField, VerticalBarField, RightField, BaselineField})
        connect(field, &QLineEdit::textChanged, this, reassess);
    for (QComboBox *choice : {ChequeChoice, StockChoice, BaselineFromChoice})
        connect(choice, &QComboBox::currentIndexChanged, this, reassess);
    Platform::KeepReturnInFields(this);
    Reassess();
}

void TPlacement::Ask(CalibrationLine line, FontWeightChoice weight)
{
    layout_.line = line;
    layout_.weight = weight;
    // Read when asked: the faces may have been installed since start-up.
    nominal_ = NominalLineLengths();
    FaceText->setText(QStringLiteral("The page's MICR line is set in %1, the face of Line %2 chosen on step 2.")
                          .arg(QString::fromLatin1(MicrFaceName(line, weight)))
                          .arg(line));
    Reassess();
    StockChoice->setFocus();
    exec();
}

void TPlacement::SetStock(const ChequeStock &stock)
{
    const StockKind kind = stock.custom                            ? StockKind::Custom
                           : stock.chequeInches == A4ChequeInches ? StockKind::A4
                                                                  : StockKind::Letter;
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
}

std::optional<PlacementRecord> TPlacement::Record() const
{
    if (!result_)
        return std::nullopt;
    PlacementRecord record;
    record.cheque = layout_.cheque;
    record.stock = layout_.stock;
    record.readings = readings_;
    record.moveRight = result_->moveRight;
    record.moveUp = result_->moveUp;
    record.scaleVerdict = ScaleVerdictKey(result_->scaleVerdict);
    record.taken = QDateTime::currentDateTimeUtc();
    return record;
}


bool TPlacement::ReadLayout(QString *problem)
{
    layout_.cheque = ChequePosition(ChequeChoice->currentData().toInt());
    const auto kind = StockKind(StockChoice->currentData().toInt());
    ChequeHeightField->setEnabled(kind == StockKind::Custom);
    if (kind == StockKind::Letter) {
        layout_.stock = LetterStock();
    } else if (kind == StockKind::A4) {
        layout_.stock = A4Stock();
    } else {
        // Three to the taller of the two papers; the printer's paper decides.
        const std::optional<ChequeStock> custom =
            CustomStock(ChequeHeightField->text(), 297 / MillimetresPerInch, problem);
        if (!custom)
            return false;
        layout_.stock = *custom;
    }
    // The page is laid out on the stock's own paper.
    layout_.paperInches = kind == StockKind::A4 ? QSizeF(210, 297) / MillimetresPerInch : QSizeF(8.5, 11);
    return true;
}

void TPlacement::PrintPage()
{
    QString problem;
    if (ReadLayout(&problem))
        print_(layout_);
}

void TPlacement::Reassess()
{
    QString stockProblem;
    const bool stockRead = ReadLayout(&stockProblem);
    const auto typed = Platform::CheckLengthFields(
        {{BarField, QStringLiteral("Reference bar"), ReferenceBarRange()},
         {VerticalBarField, QStringLiteral("Vertical bar"), VerticalBarRange()},
         {RightField, QStringLiteral("Right edge"), RightEdgeRange()},
         {BaselineField, QStringLiteral("Baseline"),
          BaselineFromChoice->currentData().toInt() == int(VerticalReading::FromPaperTop) ? TopEdgeRange()
                                                                                           : BottomEdgeRange()}},
        ProblemText);
    PrintButton->setEnabled(stockRead);
    if (!stockRead) {
        ProblemText->setText(QStringLiteral("Cheque height: %1").arg(stockProblem)
                             + (ProblemText->text().isEmpty() ? QString() : QLatin1Char('\n') + ProblemText->text()));
        ProblemText->setVisible(true);
    }
    if (!typed || !stockRead)
        return; // what was shown stays until every reading makes sense
    const std::vector<std::optional<double>> &lengths = *typed;
    if (!lengths[0] || !lengths[2] || !lengths[3]) {
        result_.reset();
        ResultText->setText(QStringLiteral("Type the bar, the right edge and the baseline readings to see the "
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
    ResultText->setText(DescribePlacement(layout_, *result_).join(QLatin1Char('\n')));
}
