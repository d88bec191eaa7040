// The windows the wizard opens: the printers' profiles, readings, placement,
// MICR line and cheque file windows, the help, and the four dialogs of its
// buttons. Each is made the first time it is wanted.
#include "Micr.h"

#include "About.h"
#include "ChequeFile.h"
#include "Gauge.h"
#include "Internet.h"
#include "Measurements.h"
#include "MyMicrLine.h"
#include "Placement.h"
#include "Printers.h"
#include "Signature.h"
#include "common/VendorDetails.h"
#include "platform/DataFiles.h"
#include "platform/ErrorBox.h"
#include "platform/ShellLauncher.h"
#include "platform/Tooltips.h"
#include "wording/ProfilesWording.h"

#include <QMessageBox>

#include <cstdlib>

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

void TForm1::ShowStoredProfilesProblem()
{
    ShowProfileProblem(Wording::ProfilesProblemOf(Wording::For::Reader, session_.LoadProfiles().problem));
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

void TForm1::HelpButtonClickClick()
{
    OpenWithShell(OwnerWindow(this), QStringLiteral("open"), Platform::HelpInUserLanguage(QStringLiteral("micr.chm")));
}

namespace {
// The dialog, made the first time it is wanted. Its tooltips stay up as
// long as those of the windows there were when the wizard started.
template <class Dialog> Dialog &MadeOnce(std::unique_ptr<Dialog> &dialog)
{
    if (!dialog) {
        dialog = std::make_unique<Dialog>();
        Platform::ApplyHintHidePause(dialog.get());
    }
    return *dialog;
}
} // namespace

TConnect &TForm1::OrderingDialog()
{
    return MadeOnce(ordering_);
}

TForm2 &TForm1::SignatureDialog()
{
    return MadeOnce(signature_);
}

TForm3 &TForm1::AboutDialog()
{
    return MadeOnce(about_);
}

TForm4 &TForm1::GaugeDialog()
{
    return MadeOnce(gauge_);
}

void TForm1::ShowOrderingPrompt(const QString &verb)
{
    QWidget *owner = OwnerWindow(this);
    if (OrderingDialog().exec() == QDialog::Accepted)
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
    SignatureDialog().exec();
}

void TForm1::GaugeClick()
{
    GaugeDialog().exec();
}

void TForm1::SpeedButton1Click()
{
    AboutDialog().exec();
    HandFocusToNext();
}
