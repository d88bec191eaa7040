#include "Micr.h"

#include "About.h"
#include "ChequeFile.h"
#include "Gauge.h"
#include "Internet.h"
#include "Measurements.h"
#include "MicrSteps.h"
#include "Placement.h"
#include "MyMicrLine.h"
#include "Printers.h"
#include "Signature.h"
#include "answers/Readings.h"
#include "wording/Wording.h"
#include "common/VendorDetails.h"
#include "platform/CharHeights.h"
#include "platform/DataFiles.h"
#include "platform/ErrorBox.h"
#include "platform/FaceSubstitutes.h"
#include "platform/FormLayout.h"
#include "platform/GlyphFile.h"
#include "platform/KeyStop.h"
#include "platform/PrintJob.h"
#include "platform/PrintRun.h"
#include "platform/ShellLauncher.h"
#include "platform/Tooltips.h"
#include "wording/MeasurementWording.h"
#include "wording/ProfilesWording.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>

#include <cstdlib>

TForm1 *Form1 = nullptr;
int CurrentStep = 1;

namespace {
// The window's client area as designed, inside its border.
constexpr QSize DesignedClientSize(457, 324);
constexpr int InnerBorder = 5;
// Where the result label stands on step 3.
constexpr int ResultLabelLeft = 204;
} // namespace

TForm1::TForm1(QWidget *owner) : QWidget(owner)
{
    setupUi(this);
    Platform::ApplyCharHeights(this);
    Platform::UseInstalledFaces(this);
    // F1 opens help only from the window and the controls wired for it.
    for (QWidget *control : {static_cast<QWidget *>(HelpButtonClick),
                             static_cast<QWidget *>(CancelButtonClick),
                             static_cast<QWidget *>(Gauge),
                             static_cast<QWidget *>(StandardMICR),
                             static_cast<QWidget *>(UseBold)})
        new Platform::KeyStop(control, Qt::Key_F1);
    Platform::EncloseControls(this, ClientArea, DesignedClientSize, InnerBorder);

    // The choices go to the session, and the line it names comes back.
    session_.ChooseLine(LineOnRadios());
    session_.ChooseWeight(UseBold->isChecked() ? FontWeightChoice::Bold : FontWeightChoice::Standard);
    for (QRadioButton *line : {RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5})
        connect(line, &QRadioButton::toggled, this, [this] { session_.ChooseLine(LineOnRadios()); });
    connect(UseBold, &QRadioButton::toggled, this, [this](bool bold) {
        session_.ChooseWeight(bold ? FontWeightChoice::Bold : FontWeightChoice::Standard);
    });
    connect(&session_, &PrinterSession::changed, this, &TForm1::ShowSessionLine);
    connect(&session_, &PrinterSession::profilesProblem, this, [this](const ProfilesProblem &problem) {
        ShowProfileProblem(Wording::ProfilesProblemOf(Wording::For::Reader, problem));
    });
    connect(&session_, &PrinterSession::notRemembered, this, [this](const QString &error) {
        QMessageBox::warning(this, Platform::ApplicationTitle(),
                             tr("The printer's face and readings were not remembered: %1.").arg(error));
    });
}

TForm1::~TForm1() = default;

void TForm1::FocusNextButton()
{
    if (!NextButton->isHidden())
        NextButton->setFocus();
}


std::unique_ptr<QPrintDialog> TForm1::MakePrintDialog(QPrinter &printer, const QString &fileName)
{
    // "Print to File" offers the file the printer names when the dialog is
    // made; without one, Qt offers a folder on some platforms, and printing
    // to it fails. The printer goes back to the system's printers once the
    // dialog has taken the name.
    const QString queue = printer.printerName();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    printer.setOutputFileName(QDir(documents.isEmpty() ? QDir::homePath() : documents).filePath(fileName));
    auto dialog = std::make_unique<QPrintDialog>(&printer, this);
    printer.setOutputFileName(QString());
    if (!queue.isEmpty())
        printer.setPrinterName(queue);
    return dialog;
}

QPrintDialog *TForm1::PrintDialog1()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!printDialog_)
        printDialog_ = MakePrintDialog(*printer_, QStringLiteral("calibration-page.pdf"));
    return printDialog_.get();
}

QPrintDialog *TForm1::PlacementPrintDialog()
{
    // A printer of its own: a printer chosen for the placement page changes
    // neither the calibration page's printer nor whose profile step 2 and
    // step 3 show. It is offered the printer the calibration page went to.
    if (!placementPrinter_)
        placementPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!placementPrintDialog_)
        placementPrintDialog_ = MakePrintDialog(*placementPrinter_, QStringLiteral("placement-page.pdf"));
    Platform::OfferPrinter(*placementPrintDialog_, PrinterQueue());
    return placementPrintDialog_.get();
}

bool TForm1::event(QEvent *event)
{
    // Step 1 is laid out before the window is first seen, even where no
    // window manager ever activates it.
    if (event->type() == QEvent::Show && !shownBefore_) {
        shownBefore_ = true;
        Platform::PrepareForFirstShow(this);
    }
    if ((event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) && !startedUp_) {
        startedUp_ = true;
        Startup();
    }
    return QWidget::event(event);
}

void TForm1::Startup()
{
    CurrentStep = 1;
    ShowIntroStep();
    Platform::SetHintHidePause(6000);
    if (Form3)
        Form3->CurVersion->setText(QStringLiteral("V") + QLatin1String(Vendor::Version));
    BuyNow->setVisible(true);
    BuyNow->setText(tr("&Buy Now"));
    BuyNow->setToolTip(tr("How to buy this software right now"));
    // A damaged profile file is set aside at start, and said once the
    // window is up.
    QMetaObject::invokeMethod(this, "ShowStoredProfilesProblem", Qt::QueuedConnection);
}

void TForm1::ShowIntroStep() { ApplyStepLayout(IntroStep); }
void TForm1::ShowMeasureStep() { ApplyStepLayout(MeasureStep); }
void TForm1::ShowResultStep() { ApplyStepLayout(ResultStep); }

void TForm1::ApplyStepLayout(const StepLayout &step)
{
    NextButton->setVisible(step.nextShown);
    PreviousButton->setVisible(step.previousShown);
    GroupBox1->setVisible(step.lineChoiceShown);

    QLabel *const lines[] = {StaticText1, StaticText2, StaticText3, StaticText4,
                             StaticText5, StaticText6, StaticText7, StaticText8};
    const QStringList texts = tr(step.lines).split(QLatin1Char('\n'));
    for (std::size_t i = 0; i < std::size(lines); ++i)
        Platform::SetStaticText(lines[i], texts.value(qsizetype(i)));

    StaticText9->setVisible(step.resultShown);
    MeasureButton->setVisible(step.measureButtonShown);
    PlacementButton->setVisible(step.placementButtonShown);
    MicrLineButton->setVisible(step.placementButtonShown);
    ChequeFileButton->setVisible(step.placementButtonShown);
    if (step.resultShown)
        ShowMeasuredResult();
    else
        MeasuredResult->setVisible(false);
    GroupBox2->setVisible(step.weightChoiceShown);
    if (step.nextGlyphFile)
        LoadNextButtonGlyph(step.nextGlyphFile);
    if (step.nextHint)
        NextButton->setToolTip(tr(step.nextHint));
    if (step.previousHint)
        PreviousButton->setToolTip(tr(step.previousHint));
    CancelButtonClick->setToolTip(tr(step.exitHint));
    CancelButtonClick->setText(tr(step.exitCaption));

    Platform::EncloseControls(this, ClientArea, DesignedClientSize, InnerBorder);
}

void TForm1::LoadNextButtonGlyph(const char *fileName)
{
    // A glyph that cannot be read leaves the previous one in place: the
    // step, and the printing that follows it, must not depend on artwork.
    const QString name = QString::fromLatin1(fileName);
    QString reason;
    QPixmap glyph;
    if (devicePixelRatioF() > 1) {
        // NAME@2x.bmp, drawn at twice the size, where there is one.
        const QString sharp = Platform::LocateDataFile(QFileInfo(name).completeBaseName() + QStringLiteral("@2x.")
                                                       + QFileInfo(name).suffix());
        if (!sharp.isEmpty())
            glyph = Platform::ReadGlyphFile(sharp, &reason);
        if (!glyph.isNull())
            glyph.setDevicePixelRatio(2);
    }
    if (glyph.isNull()) {
        const QString found = Platform::LocateDataFile(name);
        glyph = Platform::ReadGlyphFile(found.isEmpty() ? name : found, &reason);
    }
    if (glyph.isNull()) {
        qWarning("micr-calibration: cannot load button glyph \"%s\": %s", fileName, qPrintable(reason));
        return;
    }
    NextButton->setIcon(QIcon(glyph));
}

void TForm1::NextButtonClickClick()
{
    const int oldStep = CurrentStep;
    CurrentStep = std::min(CurrentStep + 1, 3);
    if (CurrentStep == 3) {
        // The line chosen on step 2 is the printer's own face.
        FollowPrinter();
        session_.LineConfirmed();
        ShowResultFontName();
        ShowResultStep();
        return;
    }
    ShowMeasureStep();
    if (oldStep == 1) {
        bool printed = false;
        Platform::ShowingErrors(
            [this, &printed] { printed = PrintCalibrationPage(*PrintDialog1(), session_.Weight()); });
        // The printer is known once a page went to it, and step 2 shows its
        // own line and readings, never those of the printer before.
        if (printed)
            FollowPrinter(true);
    }
}

QString TForm1::PrinterQueue() const
{
    if (!printer_)
        return QPrinterInfo::defaultPrinterName();
    return printer_->outputFileName().isEmpty() ? printer_->printerName() : QString();
}

void TForm1::FollowPrinter(bool printed)
{
    const QString queue = PrinterQueue();
    if (!printed && session_.Follows(queue))
        return;
    const QString model = QPrinterInfo::printerInfo(queue).makeAndModel();
    if (printed)
        session_.CalibrationPagePrinted(queue, model, PaperStock(queue));
    else
        session_.FollowPrinter(queue, model, PaperStock(queue));
}

ChequeStock TForm1::PaperStock(const QString &queue) const
{
    // The usual stock of the paper the printer has.
    QPageSize paper = QPrinterInfo::printerInfo(queue).defaultPageSize();
    if (queue.isEmpty() && printer_)
        paper = printer_->pageLayout().pageSize();
    return paper.isValid() ? StockForPaper(paper.size(QPageSize::Millimeter).height() / MillimetresPerInch)
                           : LetterStock();
}

void TForm1::ShowProfileProblem(const QString &problem)
{
    // Each problem once: the file it names was set aside already.
    if (problem.isEmpty() || problem == profileProblemShown_)
        return;
    profileProblemShown_ = problem;
    QMessageBox box(QMessageBox::Warning, Platform::ApplicationTitle(), problem, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("ProfileProblemBox"));
    box.exec();
}

std::function<bool(const PlacementLayout &)> TForm1::PlacementPagePrinter()
{
    return [this](const PlacementLayout &layout) {
        bool printed = false;
        Platform::ShowingErrors(
            [this, &layout, &printed] { printed = PrintPlacementPage(*PlacementPrintDialog(), layout); });
        // The readings taken from this page are the printer's it went to; a
        // file leaves them with the calibration page's printer.
        if (printed && placementPrinter_->outputFileName().isEmpty())
            session_.PlacementPagePrinted(placementPrinter_->printerName(),
                                          QPrinterInfo::printerInfo(placementPrinter_->printerName()).makeAndModel());
        return printed;
    };
}

void TForm1::MicrLineButtonClick()
{
    if (!micrLine_)
        micrLine_ = std::make_unique<TMyMicrLine>(PlacementPagePrinter(), this);
    FollowPrinter();
    micrLine_->Ask(session_.Line(), session_.Weight(), session_.Placement(), session_.MicrLine(),
                   session_.PaperStock());
    session_.MicrLineTyped(micrLine_->Fields());
    MicrLineButton->setFocus();
}

void TForm1::ChequeFileButtonClick()
{
    if (!chequeFile_)
        chequeFile_ = std::make_unique<TChequeFile>(this);
    FollowPrinter();
    const LoadedProfiles loaded = session_.LoadProfiles();
    ShowProfileProblem(Wording::ProfilesProblemOf(Wording::For::Reader, loaded.problem));
    chequeFile_->Ask(session_.Line(), session_.Weight(), session_.Queue(), loaded.profiles);
    ChequeFileButton->setFocus();
}

void TForm1::ShowStoredProfilesProblem()
{
    ShowProfileProblem(Wording::ProfilesProblemOf(Wording::For::Reader, session_.LoadProfiles().problem));
}

void TForm1::PrintersButtonClick()
{
    if (!printers_)
        printers_ = std::make_unique<TPrinters>(session_, this);
    FollowPrinter();
    printers_->Ask();
    // The file is read again: a printer forgotten there takes its readings
    // with it.
    session_.ProfilesReread();
    if (CurrentStep == 3) {
        ShowResultFontName();
        ShowResultStep();
    }
}

void TForm1::MeasureButtonClick()
{
    if (!measurements_)
        measurements_ = std::make_unique<TMeasurements>(session_, this);
    // The window opens with this printer's last readings, or empty fields
    // when it has none: another printer's would be saved as this one's.
    FollowPrinter();
    measurements_->Ask();
    MeasureButton->setFocus();
}

void TForm1::PlacementButtonClick()
{
    FollowPrinter();
    // Another printer's stock and readings are not this one's: the window
    // starts afresh on this printer's paper.
    if (session_.PlacementOpened() || !placement_) {
        placement_ = std::make_unique<TPlacement>(PlacementPagePrinter(), this);
        placement_->SetStock(session_.PaperStock());
    }
    if (const std::optional<PlacementRecord> record = session_.Placement())
        placement_->SetRecord(*record);
    placement_->Ask(session_.Line(), session_.Weight());
    session_.PlacementClosed(placement_->Record());
    PlacementButton->setFocus();
}

CalibrationLine TForm1::LineOnRadios() const
{
    const QRadioButton *const lines[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
    for (CalibrationLine line = FirstCalibrationLine; line < LastCalibrationLine; ++line) {
        if (lines[line - 1]->isChecked())
            return line;
    }
    return LastCalibrationLine;
}

void TForm1::ShowSessionLine()
{
    QRadioButton *const lines[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5};
    if (LineOnRadios() != session_.Line())
        lines[session_.Line() - 1]->setChecked(true);
}

void TForm1::ShowMeasuredResult()
{
    // After a restart, the printer's last readings stand for this run's.
    FollowPrinter();
    const StepThreeAnswer answer = session_.StepThree();
    if (!answer.readings) {
        MeasuredResult->setVisible(false);
        return;
    }
    const QString summary = Wording::LineSummary(Wording::For::Reader, *answer.readings, answer.line);
    MeasuredResult->setText(answer.taken.isValid()
                                ? QStringLiteral("%1, %2: %3").arg(answer.printer, Wording::Date(Wording::For::Reader, answer.taken), summary)
                                : summary);
    MeasuredResult->setVisible(true);
    if (CurrentStep == 3 && !answer.calibrated) {
        // Step 3 never congratulates on a line measured out of tolerance,
        // nor names its face as the one to use.
        const QStringList notCalibrated =
            tr("Your computer and printer system is not calibrated yet: the line\n"
               "chosen on step 2 measured out of tolerance (see above). Go back\n"
               "with Previous and choose the line the measurements name, or print\n"
               "the calibration page again and measure it; F1 says what to do.")
                .split(QLatin1Char('\n'));
        QLabel *const lines[] = {StaticText3, StaticText4, StaticText5, StaticText6, StaticText7, StaticText8};
        for (std::size_t i = 0; i < std::size(lines); ++i)
            Platform::SetStaticText(lines[i], notCalibrated.value(qsizetype(i)));
        StaticText9->setVisible(false);
    }
}

void TForm1::PreviousButtonClickClick()
{
    CurrentStep = std::max(CurrentStep - 1, 1);
    if (CurrentStep == 1)
        ShowIntroStep();
    else
        ShowMeasureStep();
}

void TForm1::HelpButtonClickClick()
{
    OpenWithShell(OwnerWindow(this), QStringLiteral("open"), Platform::HelpInUserLanguage(QStringLiteral("micr.chm")));
}

void TForm1::FormKeyDown(QObject * /*sender*/, int key, Qt::KeyboardModifiers /*shift*/)
{
    if (key == Qt::Key_F1)
        HelpButtonClickClick();
}

void TForm1::keyPressEvent(QKeyEvent *event)
{
    FormKeyDown(focusWidget() ? static_cast<QObject *>(focusWidget()) : this, event->key(),
                event->modifiers());
    // The key goes on as it came.
    QWidget::keyPressEvent(event);
}

void TForm1::ShowOrderingPrompt(const QString &verb)
{
    QWidget *owner = OwnerWindow(this);
    if (Connect && Connect->exec() == QDialog::Accepted)
        OpenWithShell(owner, verb, QLatin1String(Vendor::FontSetOrderPage));
}

void TForm1::BuyNowClickClick()
{
    ShowOrderingPrompt(QStringLiteral("open"));
}

void TForm1::CancelButtonClickClick()
{
    ShowOrderingPrompt(QString());
    std::exit(1);
}

void TForm1::FormClose(QObject * /*sender*/, TCloseAction &action)
{
    ShowOrderingPrompt(QString());
    action = caFree;
}

void TForm1::BitBtn1Click()
{
    Form2->exec();
}

void TForm1::GaugeClick()
{
    Form4->exec();
}

void TForm1::SpeedButton1Click()
{
    Form3->exec();
    HandFocusToNext();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    TCloseAction action = caHide;
    FormClose(this, action);
    if (action == caNone) {
        event->ignore();
        return;
    }
    // Closing the main window in any other way ends the program.
    event->accept();
    QCoreApplication::quit();
}

QString SelectedFaceName()
{
    return Form1->Session().Face();
}

void ShowResultFontName()
{
    Form1->StaticText9->move(ResultLabelLeft, Form1->StaticText9->y());
    Platform::SetStaticText(Form1->StaticText9, SelectedFaceName());
}
