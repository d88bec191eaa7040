#include "ChequeFile.h"

#include "ScanSource.h"

#include "answers/Readings.h"
#include "wording/Wording.h"
#include "chequefile/ChequeFileClient.h"
#include "platform/ErrorBox.h"
#include "platform/FormLayout.h"
#include "platform/KeyStop.h"
#include "platform/ReadingFields.h"
#include "platform/ScanView.h"
#include "scanclient/ScanAnalysis.h"
#include "wording/ChequeWording.h"
#include "wording/ReadingWording.h"
#include "wording/ScanWording.h"
#include "wording/SettingsWording.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QResizeEvent>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

#include <cmath>

namespace {
// A height the user typed that is not one, tinted as the other windows do.
const QColor FaultyFieldTint(255, 220, 220);
const QColor ClearBandTint(235, 235, 235);
const QColor TargetColour(0, 128, 0);
const QColor LineColour(0, 70, 200);
const QColor FaultColour(200, 0, 0);
// The drawing is a cheque this many pixels an inch, at least.
constexpr double MinimumPixelsPerInch = 56;
} // namespace

// The cheque as it lands on the paper: its edges and clear band, the cells
// of the 65 positions along the baseline where the standard puts them
// (green), each character of the file's line where it landed (blue, red
// when out of its cell), and every other mark in the clear band (red).
class ChequeDrawing : public QWidget
{
public:
    explicit ChequeDrawing(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("ChequeDrawing"));
        setAccessibleName(QCoreApplication::translate("TChequeFile", "The check, with the MICR line where it lands"));
        setToolTip(QCoreApplication::translate("TChequeFile", "The check with its clear band (grey): the standard's "
                                                              "cells along the baseline in green, the file's MICR "
                                                              "line where it lands on this printer in blue, anything "
                                                              "out of place in red"));
        setMinimumSize(int(DefaultChequeWidthInches * MinimumPixelsPerInch) + 2,
                       int(LetterChequeInches * MinimumPixelsPerInch) + 2);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

    void Show(const std::optional<ChequeCheck> &check)
    {
        check_ = check;
        update();
    }

protected:
    void paintEvent(QPaintEvent * /*event*/) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        if (!check_)
            return;
        const ChequeCheck &check = *check_;
        const double width = check.layout.paperInches.width();
        const double height = check.layout.stock.chequeInches;
        const double top = ChequeTopInches(check.layout);
        const double scale = std::min((this->width() - 2) / width, (this->height() - 2) / height);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(std::max(1.0, (this->width() - width * scale) / 2), 1);
        // Inches from the cheque's top-left corner to pixels.
        const auto at = [&](double x, double y) { return QPointF(x * scale, (y - top) * scale); };
        const auto box = [&](const QRectF &paper) { return QRectF(at(paper.left(), paper.top()), at(paper.right(), paper.bottom())); };
        painter.fillRect(QRectF(at(0, top), at(width, top + height)), Qt::white);
        painter.fillRect(QRectF(at(0, top + height - ClearBandInches), at(width, top + height)), ClearBandTint);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(QRectF(at(0, top), at(width, top + height)));

        // Where the standard puts the line: the baseline and every cell.
        const double baseline = top + height - PrintBandBottomInches;
        painter.setPen(QPen(TargetColour, 1));
        painter.drawLine(at(0, baseline), at(width, baseline));
        for (int position = 0; position <= PositionCount; ++position) {
            const double x = PositionRightEdge(width, position + 1);
            const double tick = position == 0 || position % 5 == 0 ? 0.08 : 0.04;
            painter.drawLine(at(x, baseline), at(x, baseline + tick));
        }

        QFont font = painter.font();
        font.setPixelSize(std::max(8, int(scale * 0.1)));
        painter.setFont(font);
        for (const LandedCharacter &character : check.characters) {
            const double cellRight = PositionRightEdge(width, character.position);
            const bool inCell = std::abs(character.paper.right() - cellRight) <= OffsetToleranceInches
                && std::abs(character.paper.bottom() - baseline) <= OffsetToleranceInches;
            const QColor colour = inCell ? LineColour : FaultColour;
            painter.setPen(QPen(colour, 1));
            painter.drawRect(box(character.paper));
            painter.drawText(box(character.paper), Qt::AlignCenter, QString(character.letter));
        }
        painter.setPen(QPen(FaultColour, 2));
        for (const ClearBandMark &mark : check.clearBand)
            painter.drawRect(box(mark.paper).adjusted(-1, -1, 1, 1));
    }

private:
    std::optional<ChequeCheck> check_;
};

TChequeFile::TChequeFile(QWidget *owner)
    : QDialog(owner), drawing_(new ChequeDrawing(this)), reading_(new ChequeFileReadingJob(this)),
      readingProgress_(new QProgressBar(this)), cancelReading_(new QPushButton(this)),
      scanAnalysis_(new ScanAnalysis(this)), scanProgress_(new ScanProgress(scanAnalysis_, this))
{
    setupUi(this);
    DrawingHolder->addWidget(drawing_);
    // While the reader reads: a busy bar and Cancel, above the answer.
    readingProgress_->setObjectName(QStringLiteral("ReadingProgress"));
    readingProgress_->setRange(0, 0);
    readingProgress_->setFormat(tr("Reading the file..."));
    readingProgress_->setTextVisible(true);
    cancelReading_->setObjectName(QStringLiteral("CancelReadingButton"));
    cancelReading_->setText(tr("Cancel Reading"));
    cancelReading_->setToolTip(tr("Stops reading the file"));
    auto *readingRow = new QHBoxLayout;
    readingRow->addWidget(readingProgress_, 1);
    readingRow->addWidget(cancelReading_);
    MainLayout->insertLayout(MainLayout->indexOf(ResultText), readingRow);
    MainLayout->insertWidget(MainLayout->indexOf(ResultText), scanProgress_);
    OfferScans(ScanButton, [this](const QString &path) { MeasureScan(path); });
    SettingsNotes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SettingsNotes->installEventFilter(this);
    connect(scanAnalysis_, &ScanAnalysis::Finished, this, &TChequeFile::TakeScan);
    connect(scanAnalysis_, &ScanAnalysis::Refused, this, [this](const ScanRefusal &refusal) {
        ShowScanAnswer({tr("%1: %2.", "a scan refused: its file, why")
                            .arg(QFileInfo(scanAnalysis_->Request().file).fileName(),
                                 Wording::ScanRefusalText(Wording::For::Reader, refusal))});
    });
    connect(scanProgress_, &ScanProgress::Cancelled, this, [this] { ScanButton->setEnabled(true); });    ShowReading(false);
    connect(reading_, &ChequeFileReadingJob::Finished, this, &TChequeFile::Take);
    connect(cancelReading_, &QPushButton::clicked, this, &TChequeFile::CancelReading);
    for (ChequeProgram program : {ChequeProgram::FreeCheck, ChequeProgram::GnuCash, ChequeProgram::Odoo})
        ProgramChoice->addItem(ChequeProgramName(program), int(program));
    SettingsText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Platform::OpenHelpOnF1(this, QStringLiteral("help/cheque-file.html"));
    Platform::KeepReturnInFields(this);
    connect(BrowseButton, &QPushButton::clicked, this, &TChequeFile::Browse);
    connect(FileField, &QLineEdit::editingFinished, this, &TChequeFile::Read);
    connect(CheckButton, &QPushButton::clicked, this, &TChequeFile::Read);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ChequeChoice, &QComboBox::currentIndexChanged, this, &TChequeFile::Recheck);
    connect(PrinterChoice, &QComboBox::currentIndexChanged, this, &TChequeFile::Recheck);
    connect(HeightField, &QLineEdit::textChanged, this, &TChequeFile::Recheck);
    connect(ProgramChoice, &QComboBox::currentIndexChanged, this, &TChequeFile::Recheck);
    connect(SaveButton, &QPushButton::clicked, this, &TChequeFile::SaveSettings);
    connect(CopyButton, &QPushButton::clicked, this, &TChequeFile::CopySettings);
}

void TChequeFile::Ask(CalibrationLine line, FontWeightChoice weight, const QString &queue,
                      const QList<PrinterProfile> &profiles)
{
    line_ = line;
    weight_ = weight;
    profiles_ = profiles;
    const QSignalBlocker blocker(PrinterChoice);
    PrinterChoice->clear();
    PrinterChoice->addItem(tr("No remembered printer: Line %1's face, %2, at 100 %")
                               .arg(line)
                               .arg(QString::fromLatin1(MicrFaceName(line, weight))),
                           QString());
    for (const PrinterProfile &profile : profiles) {
        const QString item = profile.placement
            ? tr("%1: Line %2, %3, placement measured %4")
                  .arg(profile.queue)
                  .arg(profile.line)
                  .arg(profile.Face(), QLocale().toString(profile.placement->taken.toLocalTime().date(),
                                                          QStringLiteral("d MMM yyyy")))
            : tr("%1: Line %2, %3").arg(profile.queue).arg(profile.line).arg(profile.Face());
        PrinterChoice->addItem(item, profile.queue);
        if (profile.queue == queue)
            PrinterChoice->setCurrentIndex(PrinterChoice->count() - 1);
    }
    Recheck();
    FileField->setFocus();
    exec();
}

void TChequeFile::Browse()
{
    const QString path = QFileDialog::getOpenFileName(this, windowTitle(), FileField->text(),
                                                      tr("Check files (*.pdf *.ps);;All files (*)"));
    if (!path.isEmpty())
        Open(path);
}

void TChequeFile::Open(const QString &path)
{
    FileField->setText(path);
    Read();
}

bool TChequeFile::Reading() const
{
    return reading_->Running();
}

// The answer for an earlier file goes as soon as another is chosen.
void TChequeFile::Read()
{
    scanLines_.clear();
    page_.reset();
    readProblem_.reset();
    reading_->Cancel();
    const QString path = FileField->text().trimmed();
    if (!path.isEmpty())
        reading_->Start(path);
    ShowReading(reading_->Running());
    Recheck();
}

void TChequeFile::Take(const ChequeFileReading &reading)
{
    page_ = reading.page;
    if (!page_)
        readProblem_ = reading.problem;
    ShowReading(false);
    Recheck();
}

void TChequeFile::CancelReading()
{
    reading_->Cancel();
    ShowReading(false);
    Recheck();
}

void TChequeFile::ShowReading(bool reading)
{
    readingProgress_->setVisible(reading);
    cancelReading_->setVisible(reading);
}

void TChequeFile::Recheck()
{
    check_.reset();
    QStringList lines;
    std::optional<ChequeStock> stock;
    QPalette heightPalette = HeightField->parentWidget()->palette();
    if (!HeightField->text().trimmed().isEmpty()) {
        QString problem;
        const double paperHeight = page_ ? page_->pageInches.height() : 11.0;
        stock = CustomStock(HeightField->text(), paperHeight, &problem);
        if (!stock) {
            heightPalette.setColor(QPalette::Base, FaultyFieldTint);
            lines << tr("Check height: %1").arg(problem);
        }
    }
    HeightField->setPalette(heightPalette);

    std::optional<PrinterModel> model;
    const PrinterProfile *printer = nullptr;
    const QString queue = PrinterChoice->currentData().toString();
    for (const PrinterProfile &profile : std::as_const(profiles_)) {
        if (profile.queue == queue) {
            model = ModelForProfile(profile);
            printer = &profile;
        }
    }
    if (queue.isEmpty())
        model = ModelForLine(line_, weight_);
    if (!model)
        lines << tr("The printer's face is not installed, so its scale is unknown: install the MICR fonts (see the "
                    "help page \"When fonts are missing\").");

    if (readProblem_)
        lines << tr("%1.", "a cheque file that cannot be read: why")
                     .arg(Wording::ChequeFileUnread(Wording::For::Reader, *readProblem_));
    else if (reading_->Running())
        lines << tr("Reading %1...").arg(QDir::toNativeSeparators(FileField->text().trimmed()));
    else if (!page_ && !scanLines_.isEmpty())
        lines << scanLines_;
    else if (!page_)
        lines << tr("Choose the file your check-printing program printed one check to.");
    else if (model && lines.isEmpty())
        check_ = CheckCheque(*page_, ChequePosition(ChequeChoice->currentIndex()), stock, *model);
    if (check_)
        lines << Wording::ChequeCheckLines(Wording::For::Reader, *check_);
    ResultText->setPlainText(lines.join(QLatin1Char('\n')));
    drawing_->Show(check_);

    // The settings are for the paper and cheque checked, or without a
    // check for those chosen here.
    PlacementLayout layout;
    if (check_) {
        layout = check_->layout;
    } else {
        if (page_)
            layout.paperInches = page_->pageInches;
        layout.cheque = ChequePosition(ChequeChoice->currentIndex());
        layout.stock = stock.value_or(StockForPaper(layout.paperInches.height()));
    }
    ShowSettings(layout, printer);
}

void TChequeFile::MeasureScan(const QString &path)
{
    ScanRequest request{QStringLiteral("gauge"), path, std::nullopt, {}, {}};
    request.layout.cheque = ChequePosition(ChequeChoice->currentIndex());
    request.paperFromSheet = true;
    if (!HeightField->text().trimmed().isEmpty()) {
        QString problem;
        const std::optional<ChequeStock> stock = CustomStock(HeightField->text(), request.layout.paperInches.height(), &problem);
        if (!stock)
            return; // said under the choices already
        request.layout.stock = *stock;
        request.customStock = true;
    }
    // The face the line is printed in: the chosen printer's, or the
    // wizard's line's.
    request.face = QString::fromLatin1(MicrFaceName(line_, weight_));
    for (const PrinterProfile &profile : std::as_const(profiles_))
        if (profile.queue == PrinterChoice->currentData().toString())
            request.face = profile.Face();
    // Shown first: a helper that cannot be started refuses within Start.
    scanProgress_->Measuring(path);
    ScanButton->setEnabled(false);
    scanAnalysis_->Start(request);
}

bool TChequeFile::Measuring() const
{
    return scanAnalysis_->Running();
}

void TChequeFile::TakeScan(const QJsonObject &answer)
{
    const std::optional<GaugeFound> found = Wording::GaugeFoundFromJson(answer);
    if (!found) {
        ShowScanAnswer({Wording::ScanRefusalText(Wording::For::Reader, {ScanProblem::Failed, 0, {}})});
        return;
    }
    const ScanRequest &request = scanAnalysis_->Request();
    QStringList lines{tr("%1, gauged in %2:", "a scan's file, the face").arg(QFileInfo(request.file).fileName(), request.face)};
    lines << Wording::Gauge(Wording::For::Reader, *found, AssessGauge(*found));
    ShowScanAnswer(lines);
    if (!scanPicture_)
        scanPicture_ = new ScanPictureDialog(this);
    scanPicture_->Show(request.file, found->overlay);
}

// The scan's answer in place of a file's: the file read before goes.
void TChequeFile::ShowScanAnswer(const QStringList &lines)
{
    ScanButton->setEnabled(true);
    reading_->Cancel();
    ShowReading(false);
    page_.reset();
    readProblem_.reset();
    {
        const QSignalBlocker blocker(FileField);
        FileField->clear();
    }
    scanLines_ = lines;
    Recheck();
}

void TChequeFile::ShowSettings(const PlacementLayout &layout, const PrinterProfile *profile)
{
    // A remembered printer brings the MICR line last composed for it.
    const SettingsInputs inputs = profile ? InputsForProfile(*profile, layout) : InputsForLine(line_, weight_, layout);
    settings_ = SettingsFor(ChequeProgram(ProgramChoice->currentData().toInt()), inputs);
    // The file keeps its comments as the program reads them; what it
    // assumes and where it goes is said above it in the user's words.
    SettingsNotes->setText(settings_.notes.join(QLatin1Char('\n')));
    SettingsNotes->setVisible(settings_.ok);
    FitNotes();
    SettingsText->setPlainText(settings_.ok ? settings_.text : settings_.notes.join(QLatin1Char('\n')));
    SaveButton->setEnabled(settings_.ok);
    CopyButton->setEnabled(settings_.ok);
}

// Wrapped notes are as tall as their words at the width the layout gives
// them, not the height of their first line. Before the window is first laid
// out that width is not known (a label starts 100 px wide, which would make
// the window taller than the screen): they are fitted once it is, and again
// whenever the window's width changes.
void TChequeFile::FitNotes()
{
    const bool laidOut = SettingsNotes->isVisible() && SettingsNotes->testAttribute(Qt::WA_Resized);
    SettingsNotes->setMinimumHeight(laidOut ? SettingsNotes->heightForWidth(SettingsNotes->width()) : 0);
}

bool TChequeFile::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SettingsNotes
        && (event->type() == QEvent::Show
            || (event->type() == QEvent::Resize
                && static_cast<QResizeEvent *>(event)->oldSize().width() != SettingsNotes->width())))
        FitNotes();
    return QDialog::eventFilter(watched, event);
}

bool TChequeFile::SaveSettingsTo(const QString &path, QString *error) const
{
    const QByteArray text = settings_.text.toUtf8();
    QSaveFile file(path);
    if (!settings_.ok || !file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        *error = tr("Cannot write %1: %2").arg(path, settings_.ok ? file.errorString()
                                                                  : settings_.notes.join(QLatin1Char(' ')));
        return false;
    }
    return true;
}

void TChequeFile::SaveSettings()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save %1 Settings").arg(ProgramChoice->currentText()),
        QDir(documents.isEmpty() ? QDir::homePath() : documents).filePath(settings_.fileName),
        tr("*.%1;;All files (*)").arg(QFileInfo(settings_.fileName).suffix()));
    QString error;
    if (!path.isEmpty() && !SaveSettingsTo(path, &error))
        QMessageBox::warning(this, Platform::ApplicationTitle(), error);
}

void TChequeFile::CopySettings()
{
    if (settings_.ok)
        QGuiApplication::clipboard()->setText(settings_.text);
}
