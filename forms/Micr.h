#pragma once

#include "standard/MicrFaceTable.h"
#include "session/PrinterSession.h"
#include "ui_Micr.h"

#include <QWidget>

#include <functional>
#include <memory>

class QPrintDialog;
class QPrinter;
class TConnect;
class TForm2;
class TForm3;
class TForm4;
class TMeasurements;
class TPlacement;
class TPrinters;
class TMyMicrLine;
class TChequeFile;
struct StepLayout;

// What closing a window does with it.
enum TCloseAction { caNone = 0, caHide = 1, caFree = 2, caMinimize = 3 };

// The calibration wizard: the program's main window. Three steps share its
// controls; a step is the texts, visibilities, hints and captions it sets
// (Micr.cpp). It follows the printer pages go to (MicrPrinter.cpp) and opens
// the program's other windows (MicrWindows.cpp).
class TForm1 : public QWidget, private Ui::TForm1
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *owner = nullptr);
    // The keyboard back to the Next button, where it is shown.
    void FocusNextButton();
    ~TForm1() override;

    // Controls other windows and the print job read.
    using Ui::TForm1::NextButton;
    using Ui::TForm1::StaticText9;
    using Ui::TForm1::StandardMICR;
    using Ui::TForm1::UseBold;
    using Ui::TForm1::RadioButton1;
    using Ui::TForm1::RadioButton2;
    using Ui::TForm1::RadioButton3;
    using Ui::TForm1::RadioButton4;
    using Ui::TForm1::RadioButton5;
    using Ui::TForm1::MeasureButton;
    using Ui::TForm1::MeasuredResult;
    using Ui::TForm1::PlacementButton;
    using Ui::TForm1::PrintersButton;
    using Ui::TForm1::MicrLineButton;
    using Ui::TForm1::ChequeFileButton;

    // The print dialog, made on first use: it asks CUPS for every queue.
    QPrintDialog *PrintDialog1();
    // The placement page's print dialog, on the same printer, offering its
    // own file name for "Print to File".
    QPrintDialog *PlacementPrintDialog();

    // The dialogs the window opens, each made the first time it is wanted
    // and kept for the run: the same window every time.
    TConnect &OrderingDialog();
    TForm2 &SignatureDialog();
    TForm3 &AboutDialog();
    TForm4 &GaugeDialog();

    // The printer pages go to; empty when they go to a file.
    QString PrinterQueue() const;

    // The printer, its line and readings, as the user chose and measured.
    const PrinterSession &Session() const { return session_; }

    void ShowIntroStep();
    void ShowMeasureStep();
    void ShowResultStep();

    void FormKeyDown(QObject *sender, int key, Qt::KeyboardModifiers shift);
    void FormClose(QObject *sender, TCloseAction &action);

public slots:
    void Startup();
    void MeasureButtonClick();
    void PlacementButtonClick();
    void PrintersButtonClick();
    void MicrLineButtonClick();
    void ChequeFileButtonClick();
    // Reads the printer profiles, and says if their file was set aside.
    void ShowStoredProfilesProblem();
    void NextButtonClickClick();
    void PreviousButtonClickClick();
    void HelpButtonClickClick();
    void CancelButtonClickClick();
    void BuyNowClickClick();
    void BitBtn1Click();
    void GaugeClick();
    void SpeedButton1Click();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void ApplyStepLayout(const StepLayout &step);
    // Offers the font set before anything else: the order page is opened,
    // with `verb` (empty: the default action), when the user chooses to buy online.
    void ShowOrderingPrompt(const QString &verb);
    void LoadNextButtonGlyph(const char *fileName);
    // A print dialog on the window's printer whose "Print to File" offers
    // `fileName` in the documents folder.
    std::unique_ptr<QPrintDialog> MakePrintDialog(QPrinter &printer, const QString &fileName);

    // The step-3 line under the face name, from the session's readings.
    void ShowMeasuredResult();
    // The line the radio buttons show: the first checked of lines 1 to 4,
    // or Line 5.
    CalibrationLine LineOnRadios() const;
    void ShowSessionLine();

    // The session follows the printer pages go to; `printed`: a calibration
    // page just went to it.
    void FollowPrinter(bool printed = false);
    // The usual cheque stock of the printer's paper.
    ChequeStock PaperStock(const QString &queue) const;
    void ShowProfileProblem(const QString &problem);
    // Prints the placement page for a layout through its own print dialog.
    std::function<bool(const PlacementLayout &)> PlacementPagePrinter();

    PrinterSession session_;
    std::unique_ptr<TMeasurements> measurements_;
    std::unique_ptr<TPlacement> placement_;
    std::unique_ptr<TPrinters> printers_;
    std::unique_ptr<TMyMicrLine> micrLine_;
    std::unique_ptr<TChequeFile> chequeFile_;
    std::unique_ptr<TConnect> ordering_;
    std::unique_ptr<TForm2> signature_;
    std::unique_ptr<TForm3> about_;
    std::unique_ptr<TForm4> gauge_;
    QString profileProblemShown_;
    // The printer lives as long as the window, which lives for the run, so
    // the user's choice of printer stays for the next page.
    // Each printer is declared before its dialog, so the dialog goes first.
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPrintDialog> printDialog_;
    std::unique_ptr<QPrinter> placementPrinter_;
    std::unique_ptr<QPrintDialog> placementPrintDialog_;
    bool startedUp_ = false;
    bool shownBefore_ = false;
    bool profilesRead_ = false;
};

// The wizard window, made once at start-up.
extern TForm1 *Form1;

// The wizard step shown, 1 to 3.
extern int CurrentStep;

// The face for the line and weight chosen on Form1.
QString SelectedFaceName();

// Fills the result label with the chosen face and moves it into place.
void ShowResultFontName();
