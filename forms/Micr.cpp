#include "Micr.h"

#include "About.h"
#include "ChequeFile.h"
#include "Gauge.h"
#include "Internet.h"
#include "Measurements.h"
#include "MicrSteps.h"
#include "MyMicrLine.h"
#include "Placement.h"
#include "Printers.h"
#include "Signature.h"
#include "wording/Wording.h"
#include "platform/CharHeights.h"
#include "platform/DataFiles.h"
#include "platform/ErrorBox.h"
#include "platform/FaceSubstitutes.h"
#include "platform/FormLayout.h"
#include "platform/GlyphFile.h"
#include "platform/KeyStop.h"
#include "platform/PrintRun.h"
#include "platform/Tooltips.h"
#include "wording/MeasurementWording.h"
#include "wording/ProfilesWording.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

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
    Platform::ApplyGlyphs(this);
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
    const bool handled = QWidget::event(event);
    // The profiles file is first read once the window has been seen: a
    // damaged one is set aside then and said over the window, and the
    // first paint does not wait for the file.
    if (event->type() == QEvent::Paint && !profilesRead_) {
        profilesRead_ = true;
        QMetaObject::invokeMethod(this, "ShowStoredProfilesProblem", Qt::QueuedConnection);
    }
    return handled;
}

void TForm1::Startup()
{
    CurrentStep = 1;
    ShowIntroStep();
    Platform::SetHintHidePause(6000);
    BuyNow->setVisible(true);
    BuyNow->setText(tr("&Buy Now"));
    BuyNow->setToolTip(tr("How to buy this software right now"));
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

void TForm1::PreviousButtonClickClick()
{
    CurrentStep = std::max(CurrentStep - 1, 1);
    if (CurrentStep == 1)
        ShowIntroStep();
    else
        ShowMeasureStep();
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

