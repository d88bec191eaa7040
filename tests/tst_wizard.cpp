// The wizard window on the offscreen platform: its steps, navigation, face
// choice, help key, tooltips, error box and glyph files.
#include "TestSupport.h"

#include "app/MicrApplication.h"
#include "app/Startup.h"
#include "store/PrinterProfiles.h"
#include "wording/Wording.h"
#include "forms/Micr.h"
#include "forms/MyMicrLine.h"
#include "forms/ChequeFile.h"
#include "forms/Measurements.h"
#include "forms/Placement.h"
#include "forms/Printers.h"
#include "platform/ErrorBox.h"
#include "platform/FaceSubstitutes.h"
#include "wording/LineWording.h"

#include <QFile>
#include <QFileInfo>
#include <QClipboard>
#include <QComboBox>
#include <QFontInfo>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>
#include <stdexcept>

namespace {

const QStringList IntroTexts = {
    "This utility will print a sample of each MICR font in this package.",
    "You will then be guided through the process of selecting the right",
    "MICR font for your printer and operating system.",
    "",
    "Turn your laser printer on. Make sure this printer has blank paper",
    "loaded in it. Leave the font selection set to standard unless you",
    "need bold fonts to increase signal strength. Click Next to select a",
    "printer and print the calibration page.",
};
const QStringList MeasureTexts = {
    "",
    "Now printing a test sheet . . .",
    "",
    "Wait until page that is now printing is cool, then measure the",
    "length of each printed MICR line. Select the line that is nearest to",
    "7 inches in length. If two lines are the same length, pick the one",
    "closest to Line 3. Select the line number below that corresponds",
    "to this 7 inch long MICR line.",
};
const QStringList ResultTexts = {
    "",
    "",
    "Congratulations, your computer and printer system is now",
    "calibrated. Note that if you change printers or operating systems",
    "you should run this calibration program again.",
    "",
    "You must use the following MICR font name, printing at 10 points,",
    "in your check printing program:",
};

template <class T = QWidget> T *Control(QWidget *window, const char *name)
{
    T *control = window->findChild<T *>(QLatin1String(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

QStringList StepTexts(QWidget *window)
{
    QStringList texts;
    for (int i = 1; i <= 8; ++i)
        texts << Control<QLabel>(window, qPrintable(QStringLiteral("StaticText%1").arg(i)))->text();
    return texts;
}

void Click(QWidget *window, const char *name)
{
    QTest::mouseClick(Control(window, name), Qt::LeftButton);
}

// Next from step 1 prints: the print dialog is cancelled.
void NextCancellingPrint(QWidget *window)
{
    bool printDialog = false;
    auto seen = AnswerNextModal([&printDialog](QWidget *modal) {
        printDialog = qobject_cast<QPrintDialog *>(modal) != nullptr;
        static_cast<QDialog *>(modal)->reject();
    });
    Click(window, "NextButton");
    QVERIFY(*seen);
    QVERIFY2(printDialog, "Next from step 1 must open the print dialog");
}

// A key file read as GLib's GKeyFile reads GnuCash's check formats and as
// FreeCheck reads its configuration: "[Group]", "Key = Value", "#" comments.
// A line that is none of these is kept under "" as a fault.
QMap<QString, QMap<QString, QString>> ReadKeyFile(const QString &text)
{
    QMap<QString, QMap<QString, QString>> groups;
    QString group;
    for (const QString &raw : text.split('\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith('[') && line.endsWith(']'))
            group = line.mid(1, line.size() - 2);
        else if (line.contains('=') && !group.isEmpty())
            groups[group][line.section('=', 0, 0).trimmed()] = line.section('=', 1).trimmed();
        else
            groups[QString()][line] = QString();
    }
    return groups;
}

} // namespace

class WizardTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<WorkingDirectory> cwd_;
    std::unique_ptr<TForm1> window_;

    TForm1 *OpenWizard()
    {
        window_ = std::make_unique<TForm1>();
        Form1 = window_.get();
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_.get()))
            qFatal("wizard window never shown");
        return window_.get();
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        CopyGlyphFiles(dir_->path());
        cwd_ = std::make_unique<WorkingDirectory>(dir_->path());
    }

    void cleanup()
    {
        window_.reset();
        Form1 = nullptr;
        cwd_.reset();
        dir_.reset();
    }

    void stepLayouts_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("hidden");
        QTest::addColumn<QString>("nextHint");
        QTest::addColumn<QString>("previousHint");
        QTest::addColumn<QString>("exitCaption");
        QTest::addColumn<QString>("exitHint");

        const QString nextHint1 = "Print a calibration page and move to the next step";
        const QString nextHint2 = "Move to the next step which will tell you what font to use";
        const QString back1 = "Return to the print a calibration page step";
        const QString back2 = "Return to the line length selection step";
        const QString exitHint = "Exit the program immediately";
        QTest::newRow("start") << QStringList{} << 1 << IntroTexts
                               << "NextButton GroupBox2 BuyNow" << "PreviousButton GroupBox1 StaticText9"
                               << nextHint1 << "" << "Exit" << exitHint;
        QTest::newRow("next") << QStringList{"next"} << 2 << MeasureTexts
                              << "NextButton PreviousButton GroupBox1" << "GroupBox2 StaticText9"
                              << nextHint2 << back1 << "Exit" << exitHint;
        QTest::newRow("next next") << QStringList{"next", "next"} << 3 << ResultTexts
                                   << "PreviousButton StaticText9" << "NextButton GroupBox1 GroupBox2"
                                   << nextHint2 << back2 << "Done" << "All done, exit now";
        QTest::newRow("back to 2") << QStringList{"next", "next", "previous"} << 2 << MeasureTexts
                                   << "NextButton PreviousButton GroupBox1" << "GroupBox2 StaticText9"
                                   << nextHint2 << back1 << "Exit" << exitHint;
        QTest::newRow("back to 1") << QStringList{"next", "previous"} << 1 << IntroTexts
                                   << "NextButton GroupBox2" << "PreviousButton GroupBox1 StaticText9"
                                   << nextHint1 << back1 << "Exit" << exitHint;
        QTest::newRow("back from 3 to 1") << QStringList{"next", "next", "previous", "previous"} << 1
                                          << IntroTexts << "NextButton GroupBox2"
                                          << "PreviousButton GroupBox1 StaticText9" << nextHint1 << back1
                                          << "Exit" << exitHint;
    }

    void stepLayouts()
    {
        QFETCH(QStringList, path);
        QFETCH(int, step);
        QFETCH(QStringList, texts);
        QFETCH(QString, shown);
        QFETCH(QString, hidden);
        QFETCH(QString, nextHint);
        QFETCH(QString, previousHint);
        QFETCH(QString, exitCaption);
        QFETCH(QString, exitHint);

        TForm1 *window = OpenWizard();
        for (const QString &move : path) {
            if (move == "next" && CurrentStep == 1)
                NextCancellingPrint(window);
            else
                Click(window, move == "next" ? "NextButton" : "PreviousButton");
        }
        QCOMPARE(CurrentStep, step);
        QCOMPARE(StepTexts(window), texts);
        for (const QString &name : shown.split(' '))
            QVERIFY2(Control(window, qPrintable(name))->isVisible(), qPrintable(name));
        for (const QString &name : hidden.split(' '))
            QVERIFY2(!Control(window, qPrintable(name))->isVisible(), qPrintable(name));
        QCOMPARE(Control(window, "NextButton")->toolTip(), nextHint);
        QCOMPARE(Control(window, "PreviousButton")->toolTip(), previousHint);
        QCOMPARE(Control<QPushButton>(window, "CancelButtonClick")->text(), exitCaption);
        QCOMPARE(Control(window, "CancelButtonClick")->toolTip(), exitHint);
        QCOMPARE(Control<QPushButton>(window, "BuyNow")->text(), QString("&Buy Now"));
        QCOMPARE(Control(window, "BuyNow")->toolTip(), QString("How to buy this software right now"));
        QCOMPARE(window->windowTitle(), QString("Tolvane MICR Font Set"));
    }

    void printDialogComesAfterStepTwoTexts()
    {
        TForm1 *window = OpenWizard();
        QString lineWhilePrinting;
        auto seen = AnswerNextModal([&](QWidget *dialog) {
            lineWhilePrinting = Control<QLabel>(window, "StaticText2")->text();
            static_cast<QDialog *>(dialog)->reject();
        });
        Click(window, "NextButton");
        QVERIFY(*seen);
        QCOMPARE(lineWhilePrinting, QString("Now printing a test sheet . . ."));
        QCOMPARE(CurrentStep, 2);
        // Going back never prints; forward again from step 1 does.
        Click(window, "NextButton");
        Click(window, "PreviousButton");
        QCOMPARE(CurrentStep, 2);
        QCOMPARE(StepTexts(window), MeasureTexts);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        Click(window, "PreviousButton");
        QCOMPARE(CurrentStep, 1);
        NextCancellingPrint(window);
    }

    void faceForEachChoice_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("face");
        const char *standard[] = {"FerroN Sample", "FerroN2 Sample", "Ferro Sample", "FerroW2 Sample",
                                  "FerroW Sample"};
        const char *bold[] = {"FerrodarkN Sample", "FerrodarkN2 Sample", "Ferrodark Sample",
                              "FerrodarkW2 Sample", "FerrodarkW Sample"};
        for (int line = 1; line <= 5; ++line) {
            QTest::addRow("line %d standard", line) << line << false << QString(standard[line - 1]);
            QTest::addRow("line %d bold", line) << line << true << QString(bold[line - 1]);
        }
    }

    void faceForEachChoice()
    {
        QFETCH(int, line);
        QFETCH(bool, bold);
        QFETCH(QString, face);

        TForm1 *window = OpenWizard();
        if (bold)
            Click(window, "UseBold");
        NextCancellingPrint(window);
        QTest::mouseClick(Control(window, qPrintable(QStringLiteral("RadioButton%1").arg(line))),
                          Qt::LeftButton, {}, QPoint(5, 7));
        Click(window, "NextButton");

        auto *result = Control<QLabel>(window, "StaticText9");
        QVERIFY(result->isVisible());
        QCOMPARE(result->text(), face);
        QCOMPARE(result->pos(), QPoint(204, 207));
        QVERIFY(result->width() >= result->sizeHint().width());

        // The choices survive going back and forth.
        Click(window, "PreviousButton");
        Click(window, "PreviousButton");
        QCOMPARE(Control<QRadioButton>(window, "UseBold")->isChecked(), bold);
        QVERIFY(Control<QRadioButton>(window, qPrintable(QStringLiteral("RadioButton%1").arg(line)))->isChecked());
    }

    void resultFollowsTheLatestChoice()
    {
        TForm1 *window = OpenWizard();
        NextCancellingPrint(window);
        Click(window, "NextButton");
        QCOMPARE(Control<QLabel>(window, "StaticText9")->text(), QString("Ferro Sample"));
        Click(window, "PreviousButton");
        Click(window, "PreviousButton");
        Click(window, "UseBold");
        NextCancellingPrint(window);
        Click(window, "NextButton");
        QCOMPARE(Control<QLabel>(window, "StaticText9")->text(), QString("Ferrodark Sample"));
    }

    void lineFiveIsTheFallThrough()
    {
        // Line 5 is whatever is left when none of lines 1 to 4 is checked.
        TForm1 *window = OpenWizard();
        for (const char *name : {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4", "RadioButton5"})
            Control<QRadioButton>(window, name)->setAutoExclusive(false);
        for (const char *name : {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4", "RadioButton5"})
            Control<QRadioButton>(window, name)->setChecked(false);
        QCOMPARE(SelectedFaceName(), QString("FerroW Sample"));
        Control<QRadioButton>(window, "RadioButton2")->setChecked(true);
        Control<QRadioButton>(window, "RadioButton4")->setChecked(true);
        QCOMPARE(SelectedFaceName(), QString("FerroN2 Sample"));
    }

    void startupRunsOnce()
    {
        TForm1 *window = OpenWizard();
        NextCancellingPrint(window);
        window->hide();
        window->show();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(window, &activate);
        QCOMPARE(CurrentStep, 2);
        QCOMPARE(StepTexts(window), MeasureTexts);
    }

    void helpKey_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("launches");
        const char *wired[] = {"TForm1", "RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4",
                               "RadioButton5", "BuyNow", "BitBtn1", "NextButton", "PreviousButton"};
        for (const char *name : wired) {
            QTest::addRow("%s", name) << name << int(Qt::NoModifier) << 1;
            QTest::addRow("%s ctrl", name) << name << int(Qt::ControlModifier) << 1;
        }
        QTest::addRow("TForm1 shift") << "TForm1" << int(Qt::ShiftModifier) << 1;
        QTest::addRow("NextButton alt") << "NextButton" << int(Qt::AltModifier) << 1;
        QTest::addRow("RadioButton3 ctrl+shift") << "RadioButton3" << int(Qt::ControlModifier | Qt::ShiftModifier) << 1;
        for (const char *name : {"HelpButtonClick", "CancelButtonClick", "Gauge", "StandardMICR", "UseBold"}) {
            QTest::addRow("%s", name) << name << int(Qt::NoModifier) << 0;
            QTest::addRow("%s shift", name) << name << int(Qt::ShiftModifier) << 0;
        }
    }

    void helpKey()
    {
        QFETCH(QString, control);
        QFETCH(int, modifiers);
        QFETCH(int, launches);

        TForm1 *window = OpenWizard();
        NextCancellingPrint(window);
        LaunchRecorder recorder;
        QWidget *target = control == "TForm1" ? window : Control(window, qPrintable(control));
        QTest::keyClick(target, Qt::Key_F1, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(int(recorder.launches.size()), launches);
        if (launches) {
            QCOMPARE(recorder.launches[0].verb, QString("open"));
            QCOMPARE(recorder.launches[0].target, QString("micr.chm"));
        }
        QCOMPARE(CurrentStep, 2);
        QCOMPARE(StepTexts(window), MeasureTexts);
    }

    void otherKeysOpenNothing()
    {
        TForm1 *window = OpenWizard();
        LaunchRecorder recorder;
        for (Qt::Key key : {Qt::Key_F2, Qt::Key_F12, Qt::Key_H, Qt::Key_Question})
            QTest::keyClick(window, key);
        QCOMPARE(int(recorder.launches.size()), 0);
    }

    void helpButton()
    {
        TForm1 *window = OpenWizard();
        LaunchRecorder recorder;
        Click(window, "HelpButtonClick");
        QCOMPARE(int(recorder.launches.size()), 1);
        QCOMPARE(recorder.launches[0].verb, QString("open"));
        QCOMPARE(recorder.launches[0].target, QString("micr.chm"));
        QVERIFY(recorder.launches[0].owner == nullptr);
        QCOMPARE(StepTexts(window), IntroTexts);
    }

    void tooltipsStayUpSixSeconds()
    {
        TForm1 *window = OpenWizard();
        NextCancellingPrint(window);
        Click(window, "NextButton");
        int withTip = 0;
        const auto controls = Control(window, "ClientArea")->findChildren<QWidget *>();
        for (const QWidget *control : controls) {
            if (control->toolTip().isEmpty())
                continue;
            ++withTip;
            QVERIFY2(control->toolTipDuration() == 6000, qPrintable(control->objectName()));
        }
        QCOMPARE(withTip, 21); // the designed 16; measurements, placement, MICR line, cheque file and printers buttons
        const QString lineTip = "Pick the line on the calibration sheet that is 7 inches long";
        for (const char *name : {"GroupBox1", "RadioButton1", "RadioButton5"})
            QCOMPARE(Control(window, name)->toolTip(), lineTip);
    }

    void windowEnclosesEveryText()
    {
        TForm1 *window = OpenWizard();
        auto check = [window](const char *step) {
            QWidget *client = Control(window, "ClientArea");
            QVERIFY(client->width() >= 457 && client->height() >= 324);
            QVERIFY(window->width() >= client->width() + 10);
            const auto labels = client->findChildren<QLabel *>();
            for (const QLabel *label : labels) {
                if (!label->isVisible() || label->text().isEmpty())
                    continue;
                const QString where = QStringLiteral("%1 on %2").arg(label->objectName(), step);
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(where));
                QVERIFY2(label->height() >= label->sizeHint().height(), qPrintable(where));
                QRect inClient(label->mapTo(client, QPoint(0, 0)), label->size());
                QVERIFY2(client->rect().contains(inClient), qPrintable(where));
            }
        };
        check("step 1");
        NextCancellingPrint(window);
        check("step 2");
        Click(window, "NextButton");
        check("step 3");
    }

    void windowFacesStandIn()
    {
        TForm1 *window = OpenWizard();
        const QFontInfo text(Control(window, "StaticText1")->font());
        QCOMPARE(text.family(), QString("Liberation Sans"));
        QCOMPARE(text.pixelSize(), 10);
        const QFontInfo title(Control(window, "StaticText17")->font());
        QCOMPARE(title.family(), QString("Liberation Sans"));
        QVERIFY(title.bold());
        QCOMPARE(title.pixelSize(), 16);
        QVERIFY(Control<QLabel>(window, "StaticText17")->text().endsWith(QChar(0x2122)));
        const QFontInfo result(Control(window, "StaticText9")->font());
        QVERIFY(result.bold());
        QCOMPARE(result.pixelSize(), 16);
    }

    void measurementsChooseTheLine()
    {
        TForm1 *window = OpenWizard();
        QVERIFY(!Control(window, "MeasureButton")->isVisible());
        NextCancellingPrint(window);
        QVERIFY(Control(window, "MeasureButton")->isVisible());

        // Cancel leaves the line as it was, whatever was typed.
        auto cancelled = AnswerNextModal([](QWidget *modal) {
            QTest::keyClicks(modal->findChild<QLineEdit *>("LengthField3"), "6.95");
            QTest::mouseClick(modal->findChild<QDialogButtonBox *>("ButtonBox")->button(QDialogButtonBox::Cancel),
                              Qt::LeftButton);
        });
        Click(window, "MeasureButton");
        QVERIFY(*cancelled);
        QVERIFY(Control<QRadioButton>(window, "RadioButton3")->isChecked());
        Click(window, "NextButton");
        QVERIFY(!Control(window, "MeasuredResult")->isVisible());
        Click(window, "PreviousButton");

        // 7 1/16 in on line 5, the widest face (0.92 em), puts this printer
        // 1.3 % short: line 4 (0.91 em) prints 6.986 in.
        bool okForBadInput = true;
        bool fieldLeftEmpty = false;
        auto accepted = AnswerNextModal([&](QWidget *modal) {
            QLineEdit *line1 = modal->findChild<QLineEdit *>("LengthField1");
            QLineEdit *line3 = modal->findChild<QLineEdit *>("LengthField3");
            QPushButton *ok = modal->findChild<QDialogButtonBox *>("ButtonBox")->button(QDialogButtonBox::Ok);
            fieldLeftEmpty = line3->text().isEmpty(); // nothing of the cancelled readings
            QTest::keyClicks(line1, "7.2 mm");
            okForBadInput = ok->isEnabled();
            line1->clear();
            QTest::keyClicks(modal->findChild<QLineEdit *>("LengthField5"), "7 1/16");
            QTest::keyClick(ok, Qt::Key_Space);
        });
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        Control(window, "RadioButton3")->setFocus();
        QTest::keyClick(Control(window, "RadioButton3"), Qt::Key_M, Qt::AltModifier); // the button's mnemonic
        QTRY_VERIFY(*accepted); // a mnemonic clicks a moment later
        QVERIFY(fieldLeftEmpty);
        QVERIFY(!okForBadInput);
        QVERIFY(Control<QRadioButton>(window, "RadioButton4")->isChecked());
        Click(window, "NextButton");
        QCOMPARE(Control<QLabel>(window, "StaticText9")->text(), QString("FerroW2 Sample"));
        QVERIFY(Control(window, "MeasuredResult")->isVisible());
        QVERIFY2(Control<QLabel>(window, "MeasuredResult")->text().startsWith("Line 4 should print 6.986 in"),
                 qPrintable(Control<QLabel>(window, "MeasuredResult")->text()));
        // Every step text is as it was.
        QCOMPARE(StepTexts(window), ResultTexts);
    }

    void printToFileOffersAFile()
    {
        TForm1 *window = OpenWizard();
        const auto *fileName = window->PrintDialog1()->findChild<QLineEdit *>("filename");
        QVERIFY(fileName);
        QVERIFY2(fileName->text().endsWith("/calibration-page.pdf"), qPrintable(fileName->text()));
        QVERIFY(!QFileInfo(fileName->text()).isDir());
        QCOMPARE(window->PrintDialog1()->printer()->outputFileName(), QString());
        QCOMPARE(window->PrintDialog1()->printer()->docName(), QString());
        const auto *placementFile = window->PlacementPrintDialog()->findChild<QLineEdit *>("filename");
        QVERIFY2(placementFile->text().endsWith("/placement-page.pdf"), qPrintable(placementFile->text()));
        // A printer of its own, offered the calibration page's queue.
        QVERIFY(window->PlacementPrintDialog()->printer() != window->PrintDialog1()->printer());
        QCOMPARE(window->PlacementPrintDialog()->printer()->printerName(),
                 window->PrintDialog1()->printer()->printerName());
        QCOMPARE(window->PlacementPrintDialog()->printer()->outputFileName(), QString());
    }

    // OK checks a line only for a face within tolerance; otherwise the
    // window says what to do. Return in a field never closes it.
    void measurementsOkOnlyForAFace_data()
    {
        QTest::addColumn<QStringList>("readings"); // lines 1 to 5
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("advice");
        QTest::newRow("good") << QStringList{"", "", "7.004", "", ""} << true << "Use Line 3";
        QTest::newRow("marginal at +0.030") << QStringList{"", "", "7.030", "", ""} << true << "MICR gauge";
        QTest::newRow("printed at 94 %") << QStringList{"6.434", "", "", "", "6.726\""} << false
                                         << "Print the calibration page again at 100 %";
        QTest::newRow("inconsistent") << QStringList{"", "6.922", "7.039", "", ""} << false
                                      << "Measure the lines again";
        QTest::newRow("between two faces") << QStringList{"", "", "7.039", "", ""} << false
                                           << "falls between two faces";
    }

    void measurementsOkOnlyForAFace()
    {
        QFETCH(QStringList, readings);
        QFETCH(bool, ok);
        QFETCH(QString, advice);
        TForm1 *window = OpenWizard();
        NextCancellingPrint(window);
        bool okEnabled = !ok;
        bool openAfterReturn = false;
        QString shown;
        auto answered = AnswerNextModal([&](QWidget *modal) {
            for (int line = 1; line <= 5; ++line) {
                auto *field = modal->findChild<QLineEdit *>(QString("LengthField%1").arg(line));
                QTest::keyClicks(field, readings[line - 1]);
                QTest::keyClick(field, Qt::Key_Return);
            }
            openAfterReturn = modal->isVisible();
            QPushButton *button = modal->findChild<QDialogButtonBox *>("ButtonBox")->button(QDialogButtonBox::Ok);
            okEnabled = button->isEnabled();
            for (const QLabel *label : modal->findChildren<QLabel *>())
                shown += label->text() + '\n';
            static_cast<QDialog *>(modal)->reject();
        });
        Click(window, "MeasureButton");
        QVERIFY(*answered);
        QVERIFY(openAfterReturn);
        QCOMPARE(okEnabled, ok);
        QVERIFY2(shown.contains(advice), qPrintable(shown));
        QCOMPARE(shown.contains("Use Line"), ok);
    }

    // The printers remembered, listed from the wizard by keyboard; one
    // forgotten with the button, the rest exported as text.
    void printersWindow()
    {
        const PrinterProfiles profiles;
        QString error;
        for (const char *queue : {"Office", "Home"}) {
            PrinterProfile profile;
            profile.queue = queue;
            profile.line = 4;
            QVERIFY(profiles.Save(profile, &error));
        }
        TForm1 *window = OpenWizard();
        QStringList listed, remaining;
        QString exported = dir_->filePath("printers.txt");
        bool exportWritten = false;
        auto seen = AnswerNextModal([&](QWidget *modal) {
            auto *printers = qobject_cast<TPrinters *>(modal);
            listed = printers->Listed();
            auto asked = AnswerNextModal([](QWidget *box) {
                for (auto *button : box->findChildren<QPushButton *>()) {
                    if (button->text() == "&Forget")
                        button->click();
                }
            });
            QTest::mouseClick(modal->findChild<QPushButton *>("ForgetButton"), Qt::LeftButton);
            QVERIFY(*asked);
            remaining = printers->Listed();
            exportWritten = printers->ExportTo(exported, &error);
            printers->reject();
        });
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(*seen);
        QCOMPARE(listed.size(), 2);
        QCOMPARE(remaining.size(), 1);
        QVERIFY(!remaining.contains(listed.first()));
        QVERIFY(exportWritten);
        QFile text(exported);
        QVERIFY(text.open(QIODevice::ReadOnly));
        const QString written = QString::fromUtf8(text.readAll());
        QVERIFY2(written.contains(remaining.first()) && written.contains("FerroW2 Sample (Line 4)"), qPrintable(written));
        QVERIFY(!written.contains(listed.first() + "\n"));
        QFile::remove(PrinterProfiles::DefaultPath());
    }

    // The user's line composed in its window as they type: faults named and
    // their field marked, the line copied; Canada's fields in their place.
    void myMicrLineWindow()
    {
        TForm1 *window = OpenWizard();
        NextCancellingPrint(window);
        Click(window, "NextButton");
        QString copied, faultsBad, markBad, markGood, canadian;
        MicrLineFaults bad;
        auto seen = AnswerNextModal([&](QWidget *modal) {
            auto *routing = modal->findChild<QLineEdit *>("RoutingField");
            QTest::keyClicks(routing, "021000022"); // one digit off JPMorgan Chase's
            QTest::keyClicks(modal->findChild<QLineEdit *>("OnUsField"), "123456789< 1001");
            QTest::keyClick(routing, Qt::Key_Return);
            faultsBad = modal->findChild<QLabel *>("FaultText")->text();
            bad = qobject_cast<TMyMicrLine *>(modal)->Line().faults;
            markBad = routing->accessibleDescription();
            routing->clear();
            QTest::keyClicks(routing, "021000021");
            markGood = routing->accessibleDescription();
            QTest::mouseClick(modal->findChild<QPushButton *>("CopyButton"), Qt::LeftButton);
            copied = QGuiApplication::clipboard()->text();
            modal->findChild<QComboBox *>("LayoutChoice")->setCurrentIndex(1);
            QTest::keyClicks(modal->findChild<QLineEdit *>("BranchField"), "12345");
            QTest::keyClicks(modal->findChild<QLineEdit *>("InstitutionField"), "003");
            canadian = qobject_cast<TMyMicrLine *>(modal)->Line().letters;
            static_cast<QDialog *>(modal)->reject();
        });
        Click(window, "MicrLineButton");
        QVERIFY(*seen);
        // The one fault, on the routing number's field, shown as worded.
        QCOMPARE(bad.size(), std::size_t(1));
        QCOMPARE(bad.front().Code(), QString("routing-check-digit"));
        QCOMPARE(faultsBad, Wording::LineFault(Wording::For::Reader, bad.front()));
        QCOMPARE(markBad, faultsBad);
        QCOMPARE(markGood, QString());
        // Transit 43-33, four blanks, the on-us field ending at 14.
        QCOMPARE(copied, QString("A021000021A    123456789C 1001"));
        QCOMPARE(canadian, QString("A12345D003A    123456789C 1001"));
    }

    // The Cheque File window on step 3: a file typed in is read and
    // checked against Line 3's printer, the cheque drawn, F1 opens its help.
    void chequeFileWindow()
    {
        TForm1 *window = OpenWizard();
        NextCancellingPrint(window);
        Click(window, "NextButton");
        QVERIFY(window->findChild<QPushButton *>("ChequeFileButton")->isVisible());
        QString printers;
        std::optional<ChequeCheck> good, bad;
        bool drawn = false, readingShown = false, cancelled = false;
        QString goodSaid;
        LaunchRecorder recorder;
        auto seen = AnswerNextModal([&](QWidget *modal) {
            auto *file = modal->findChild<QLineEdit *>("FileField");
            QTest::keyClicks(file, MICR_SOURCE_DIR "/tests/data/weasyprint.pdf");
            QTest::keyClick(file, Qt::Key_Return);
            QTRY_VERIFY_WITH_TIMEOUT(!qobject_cast<TChequeFile *>(modal)->Reading(), 15000);
            good = qobject_cast<TChequeFile *>(modal)->Result();
            goodSaid = modal->findChild<QPlainTextEdit *>("ResultText")->toPlainText();
            drawn = !goodSaid.isEmpty();
            modal->findChild<QComboBox *>("ChequeChoice")->setCurrentIndex(1);
            bad = qobject_cast<TChequeFile *>(modal)->Result();
            printers = modal->findChild<QComboBox *>("PrinterChoice")->currentText();
            // A file the reader takes long over: the earlier answer goes at
            // once, the window goes on answering, and Cancel stops the reading.
            const QString slowReader = dir_->filePath("slow-reader");
            QFile script(slowReader);
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\nexec sleep 60\n");
            script.close();
            script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
            const QByteArray reader = qgetenv("MICR_CALIBRATION_READER");
            qputenv("MICR_CALIBRATION_READER", QFile::encodeName(slowReader));
            auto *chequeFile = qobject_cast<TChequeFile *>(modal);
            chequeFile->Open(MICR_SOURCE_DIR "/tests/data/wkhtmltopdf.pdf");
            qputenv("MICR_CALIBRATION_READER", reader);
            auto *cancel = modal->findChild<QPushButton *>("CancelReadingButton");
            readingShown = chequeFile->Reading() && !chequeFile->Result() && cancel->isVisible();
            QTest::qWait(0);
            QTest::mouseClick(cancel, Qt::LeftButton);
            cancelled = !chequeFile->Reading() && !chequeFile->Result() && !cancel->isVisible();
            QTest::keyClick(file, Qt::Key_F1);
            static_cast<QDialog *>(modal)->reject();
        });
        Click(window, "ChequeFileButton");
        QVERIFY(*seen);
        QVERIFY(drawn);
        QVERIFY(readingShown);
        QVERIFY(cancelled);
        QVERIFY2(good && good->found, qPrintable(goodSaid));
        QCOMPARE(good->face, QString("Ferro-Sample"));
        QVERIFY(std::abs(good->points - 10) < 0.005);
        QVERIFY(good->findings.empty());
        QVERIFY2(std::abs(good->rightInches - 0.3125) <= 0.002, qPrintable(QString::number(good->rightInches)));
        QVERIFY(bad && !bad->found);
        QCOMPARE(bad->layout.cheque, ChequePosition::Middle);
        QCOMPARE(bad->findings.front().kind, ChequeFindingKind::NoLine);
        QVERIFY2(printers.startsWith("No remembered printer: Line 3's face"), qPrintable(printers));
        QCOMPARE(recorder.launches.size(), std::size_t(1));
        QCOMPARE(recorder.launches[0].target, QString("help/cheque-file.html"));
    }

    // The settings for the chosen program under the check, for a remembered
    // printer's face and the MICR line remembered with it: GnuCash's a key
    // file with the line in TEXT items and the cheque number, FreeCheck's
    // keys naming the face by its PostScript name at 10 points; Save writes
    // the text shown, Copy copies it. A screenshot for looking at.
    void chequeFileSettings()
    {
        PrinterProfile office;
        office.queue = "Office";
        office.line = 1;
        office.micrLine = MicrFields{};
        office.micrLine->routing = "121000248";
        office.micrLine->onUs = "4659801C 1001";
        TChequeFile window;
        QString gnucash, freecheck, copied, suggested, saveError;
        bool saveEnabled = false;
        int height = 0;
        const QString saved = dir_->filePath("freecheck.cfg");
        auto seen = AnswerNextModal([&](QWidget *modal) {
            auto *file = modal->findChild<QLineEdit *>("FileField");
            QTest::keyClicks(file, MICR_SOURCE_DIR "/tests/data/gnucash-cheque-line1.pdf");
            QTest::keyClick(file, Qt::Key_Return);
            QTRY_VERIFY_WITH_TIMEOUT(!qobject_cast<TChequeFile *>(modal)->Reading(), 15000);
            auto *program = modal->findChild<QComboBox *>("ProgramChoice");
            auto *text = modal->findChild<QPlainTextEdit *>("SettingsText");
            program->setCurrentIndex(program->findText("GnuCash"));
            gnucash = text->toPlainText();
            height = modal->height();
            modal->grab().save(QDir::temp().filePath("cheque-file-window.png"));
            program->setCurrentIndex(program->findText("FreeCheck"));
            freecheck = text->toPlainText();
            QTest::mouseClick(modal->findChild<QPushButton *>("CopyButton"), Qt::LeftButton);
            copied = QGuiApplication::clipboard()->text();
            auto *save = modal->findChild<QPushButton *>("SaveButton");
            saveEnabled = save->isEnabled();
            auto asked = AnswerNextModal([&](QWidget *dialog) {
                auto *files = qobject_cast<QFileDialog *>(dialog);
                suggested = files ? QFileInfo(files->selectedFiles().value(0)).fileName() : QString();
                if (files) {
                    Control<QLineEdit>(files, "fileNameEdit")->setText(saved);
                    QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
                }
            });
            QTest::mouseClick(save, Qt::LeftButton);
            QVERIFY(*asked);
            // Into a folder that is not there: refused, and nothing left.
            window.SaveSettingsTo(dir_->filePath("none/freecheck.cfg"), &saveError);
            static_cast<QDialog *>(modal)->reject();
        });
        window.Ask(3, FontWeightChoice::Standard, "Office", {office});
        QVERIFY(*seen);
        // With its settings shown, the window and a title bar (28 px) still
        // fit a 1024 x 768 screen.
        QVERIFY2(height + 28 <= 768, qPrintable(QString::number(height)));

        const auto chk = ReadKeyFile(gnucash);
        QVERIFY2(!chk.contains(QString()), qPrintable(chk.value(QString()).keys().join('\n')));
        QCOMPARE(chk["Top"]["Font"], QString("FerroN Sample, 10"));
        QVERIFY(!chk["Top"]["Guid"].isEmpty() && chk["Top"]["Title"].contains("Office"));
        QCOMPARE(chk["Check Positions"]["Names"], QString("Top;Middle;Bottom"));
        const QMap<QString, QString> &items = chk["Check Items"];
        QString letters;
        int numbers = 0;
        double lastX = -1;
        for (int item = 1; items.contains(QString("Type_%1").arg(item)); ++item) {
            const QString type = items[QString("Type_%1").arg(item)];
            const double x = items[QString("Coords_%1").arg(item)].section(';', 0, 0).toDouble();
            if (type == "TEXT") {
                letters += items[QString("Text_%1").arg(item)];
                QVERIFY2(x > lastX, qPrintable(QString("item %1 at %2").arg(item).arg(x)));
                lastX = x;
            } else {
                QCOMPARE(type, QString("CHECK_NUMBER"));
                ++numbers;
            }
        }
        // The line remembered with the printer, its blanks gaps and its
        // cheque number the transaction's.
        QCOMPARE(letters, QString("A121000248A4659801C"));
        QCOMPARE(numbers, 1);

        const auto cfg = ReadKeyFile(freecheck);
        QVERIFY2(!cfg.contains(QString()), qPrintable(freecheck));
        QCOMPARE(cfg["Global"]["MICRFontSize"], QString("10"));
        // As the test faces name themselves.
        QCOMPARE(cfg["Global"]["MICRFontName"], QString("FerroNSample-Regular"));
        QCOMPARE(copied, freecheck);
        QVERIFY(saveEnabled);
        QCOMPARE(suggested, QString("freecheck-micr.cfg"));
        QFile written(saved);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(written.readAll()), freecheck);
        QVERIFY2(saveError.contains("none/freecheck.cfg"), qPrintable(saveError));
        QVERIFY(!QFileInfo::exists(dir_->filePath("none")));
    }

    // A line with faults goes to the placement page only once the user has
    // been asked and said yes; a good line goes at once.
    void faultyLineAskedBeforePrinting_data()
    {
        QTest::addColumn<QString>("onUs");
        QTest::addColumn<int>("answer"); // QMessageBox::Yes or No; 0: no question
        QTest::addColumn<int>("printed");
        QTest::newRow("good line") << "123456789C" << 0 << 1;
        QTest::newRow("no on-us symbol, No") << "123456789" << int(QMessageBox::No) << 0;
        QTest::newRow("no on-us symbol, Yes") << "123456789" << int(QMessageBox::Yes) << 1;
        QTest::newRow("routing repeated, Escape") << "021000021C" << int(QMessageBox::Escape) << 0;
    }

    void faultyLineAskedBeforePrinting()
    {
        QFETCH(QString, onUs);
        QFETCH(int, answer);
        QFETCH(int, printed);
        int prints = 0;
        MicrLineFaults printedFaults;
        TMyMicrLine window([&](const PlacementLayout &layout) {
            ++prints;
            printedFaults = layout.userLine->faults;
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClicks(window.findChild<QLineEdit *>("RoutingField"), "021000021");
        QTest::keyClicks(window.findChild<QLineEdit *>("OnUsField"), onUs);
        QString asked, details;
        if (answer == 0) {
            // Printed within the click: no question stopped it.
            QTest::mouseClick(window.findChild<QPushButton *>("PrintButton"), Qt::LeftButton);
            QCOMPARE(prints, printed);
            QVERIFY(window.Line().faults.empty());
            return;
        }
        auto seen = AnswerNextModal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            asked = box->text();
            details = box->informativeText();
            if (answer == int(QMessageBox::Escape))
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(QMessageBox::StandardButton(answer))->click();
        });
        QTest::mouseClick(window.findChild<QPushButton *>("PrintButton"), Qt::LeftButton);
        QVERIFY(*seen);
        QCOMPARE(prints, printed);
        QVERIFY2(asked.contains("A bank would reject this line"), qPrintable(asked));
        QVERIFY(!window.Line().faults.empty());
        QCOMPARE(details, Wording::LineFaults(Wording::For::Reader, window.Line().faults).join('\n'));
        if (printed)
            QVERIFY(printedFaults == window.Line().faults);
    }

    // The window opens with the printer's own line, and with empty fields
    // for a printer that has none, whatever was typed for another.
    void myMicrLineOpensWithThePrintersLine()
    {
        TMyMicrLine window([](const PlacementLayout &) {});
        MicrFields canadian;
        canadian.layout = MicrLayout::Canada;
        canadian.branch = "12345";
        canadian.institution = "003";
        canadian.onUs = "1234567D890<";
        QString shown;
        MicrFields fields;
        auto seen = AnswerNextModal([&](QWidget *modal) {
            shown = qobject_cast<TMyMicrLine *>(modal)->Line().letters;
            fields = qobject_cast<TMyMicrLine *>(modal)->Fields();
            static_cast<QDialog *>(modal)->reject();
        });
        window.Ask(3, FontWeightChoice::Standard, std::nullopt, canadian);
        QVERIFY(*seen);
        QCOMPARE(shown, QString("A12345D003A       1234567D890C"));
        QVERIFY(fields == canadian);
        seen = AnswerNextModal([&](QWidget *modal) {
            fields = qobject_cast<TMyMicrLine *>(modal)->Fields();
            static_cast<QDialog *>(modal)->reject();
        });
        window.Ask(3, FontWeightChoice::Standard, std::nullopt, std::nullopt);
        QVERIFY(*seen);
        QVERIFY(fields.empty());
        QCOMPARE(fields.layout, MicrLayout::US);
    }

    // A damaged profile file at start: said once, naming both files, and
    // the wizard goes on with none.
    void damagedProfilesAtStart()
    {
        const QString path = PrinterProfiles::DefaultPath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[printer-Office]\nqueue=Off");
        file.close();
        QString told;
        auto seen = AnswerNextModal([&told](QWidget *modal) {
            told = static_cast<QMessageBox *>(modal)->text();
            static_cast<QDialog *>(modal)->accept();
        });
        OpenWizard();
        QTRY_VERIFY(*seen);
        QVERIFY2(told.contains(path) && told.contains(path + ".damaged-"), qPrintable(told));
        QVERIFY(!QFileInfo::exists(path));
        const QStringList aside = QFileInfo(path).dir().entryList({"printers.ini.damaged-*"});
        for (const QString &name : aside)
            QFile::remove(QFileInfo(path).dir().filePath(name));
        QCOMPARE(aside.size(), 1);
    }

    // F1 in each measuring window opens the help page that explains it.
    void helpInTheMeasuringWindows()
    {
        TForm1 *window = OpenWizard();
        NextCancellingPrint(window);
        LaunchRecorder recorder;
        auto measured = AnswerNextModal([](QWidget *modal) {
            QTest::keyClick(modal->findChild<QLineEdit *>("LengthField2"), Qt::Key_F1);
            static_cast<QDialog *>(modal)->reject();
        });
        Click(window, "MeasureButton");
        QVERIFY(*measured);
        Click(window, "NextButton");
        auto placed = AnswerNextModal([](QWidget *modal) {
            QTest::keyClick(modal->findChild<QLineEdit *>("RightField"), Qt::Key_F1);
            static_cast<QDialog *>(modal)->reject();
        });
        Click(window, "PlacementButton");
        QVERIFY(*placed);
        QCOMPARE(recorder.launches.size(), std::size_t(2));
        QCOMPARE(recorder.launches[0].target, QString("help/verdicts.html"));
        QCOMPARE(recorder.launches[1].target, QString("help/placement.html"));
    }

    // The page printed with the correction and read again by the same
    // printer: nothing still to move, the total said and remembered.
    void placementPrintWithTheCorrection()
    {
        std::vector<PlacementLayout> printed;
        TPlacement placement([&printed](const PlacementLayout &layout) {
            printed.push_back(layout);
            return true;
        });
        QString first, second, applied, left;
        bool correctable = false;
        auto answered = AnswerNextModal([&](QWidget *modal) {
            const auto field = [modal](const char *name) { return modal->findChild<QLineEdit *>(name); };
            // At 100 %, position 1 landed 0.040 in left, the baseline 0.010 in low.
            QTest::keyClicks(field("BarField"), "7");
            QTest::keyClicks(field("RightField"), "0.3525");
            QTest::keyClicks(field("BaselineField"), "0.1775");
            first = modal->findChild<QLabel *>("ResultText")->text();
            auto *button = modal->findChild<QPushButton *>("PrintCorrectedButton");
            correctable = button->isEnabled();
            QTest::mouseClick(button, Qt::LeftButton);
            left = field("BarField")->text() + field("RightField")->text() + field("BaselineField")->text();
            applied = modal->findChild<QLabel *>("AppliedText")->text();
            // The corrected page lands where the standard puts the line.
            QTest::keyClicks(field("BarField"), "7");
            QTest::keyClicks(field("RightField"), "0.3125");
            QTest::keyClicks(field("BaselineField"), "0.1875");
            second = modal->findChild<QLabel *>("ResultText")->text();
            static_cast<QDialog *>(modal)->reject();
        });
        placement.Ask(3, FontWeightChoice::Standard);
        QVERIFY(*answered);
        QVERIFY(correctable);
        QVERIFY2(first.contains("move the MICR line right 0.040 in (1.02 mm, 40/1000 in) and up 0.010 in"),
                 qPrintable(first));
        QCOMPARE(printed.size(), std::size_t(1));
        QCOMPARE(printed[0].applied.right, 0.04);
        QCOMPARE(printed[0].applied.up, 0.01);
        QVERIFY2(left.isEmpty(), qPrintable(left)); // the old page's readings are gone
        QVERIFY2(applied.contains("right 0.040 in and up 0.010 in"), qPrintable(applied));
        // A move that shows as 0.000 has no direction.
        QVERIFY2(second.contains("Still to move from the page's correction: right or left 0.000 in")
                     && second.contains("Total correction for your check-printing software, in place of the "
                                        "page's: move the MICR line right 0.040 in (1.02 mm, 40/1000 in) and up "
                                        "0.010 in")
                     && second.endsWith("the placement is fine."),
                 qPrintable(second));
        const std::optional<PlacementRecord> record = placement.Record();
        QVERIFY(record);
        QCOMPARE(record->moveRight, 0.04);
        QCOMPARE(record->moveUp, 0.01);
        QCOMPARE(record->applied.right, 0.04);
    }

    // One cheque-height rule: a third of the chosen paper as shown; a
    // refused height takes the answer away.
    void placementChequeHeight()
    {
        TPlacement placement([](const PlacementLayout &) { return true; });
        QStringList results, problems;
        auto answered = AnswerNextModal([&](QWidget *modal) {
            const auto field = [modal](const char *name) { return modal->findChild<QLineEdit *>(name); };
            QTest::keyClicks(field("BarField"), "7");
            QTest::keyClicks(field("RightField"), "0.3125");
            QTest::keyClicks(field("BaselineField"), "0.1875");
            auto *stock = modal->findChild<QComboBox *>("StockChoice");
            for (const auto &[choice, typed] : {std::pair(0, ""), std::pair(2, "3.7"), std::pair(2, "3.667"),
                                                 std::pair(3, "3.7")}) {
                stock->setCurrentIndex(choice);
                field("ChequeHeightField")->setText(typed);
                results << modal->findChild<QLabel *>("ResultText")->text();
                problems << (modal->findChild<QLabel *>("ProblemText")->isVisibleTo(modal)
                                 ? modal->findChild<QLabel *>("ProblemText")->text()
                                 : QString());
            }
            static_cast<QDialog *>(modal)->reject();
        });
        placement.Ask(3, FontWeightChoice::Standard);
        QVERIFY(*answered);
        QVERIFY2(results[0].contains("3-up on Letter, 3.5 in a check"), qPrintable(results[0]));
        QVERIFY2(results[1].isEmpty() && problems[1].contains("between 3 and 3.667 in"), qPrintable(problems[1]));
        QVERIFY2(results[2].contains("3.667 in (93.1 mm) a check") && problems[2].isEmpty(), qPrintable(results[2]));
        QVERIFY2(results[3].contains("3.700 in") && problems[3].isEmpty(), qPrintable(problems[3]));
    }

    // Return moves on to the next field past a combo box, from the last
    // field to the first refused one; with OK disabled it never reaches
    // Cancel, and "Use Line N" goes with OK.
    void returnStaysInTheReadings()
    {
        TPlacement placement([](const PlacementLayout &) { return true; });
        QString afterRight, afterLast;
        auto placed = AnswerNextModal([&](QWidget *modal) {
            const auto field = [modal](const char *name) { return modal->findChild<QLineEdit *>(name); };
            QTest::keyClicks(field("BarField"), "seven");
            QTest::keyClicks(field("RightField"), "0.3125");
            QTest::keyClick(field("RightField"), Qt::Key_Return);
            afterRight = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
            QTest::keyClicks(field("BaselineField"), "0.1875");
            QTest::keyClick(field("BaselineField"), Qt::Key_Return);
            afterLast = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
            static_cast<QDialog *>(modal)->reject();
        });
        placement.Ask(3, FontWeightChoice::Standard);
        QVERIFY(*placed);
        QCOMPARE(afterRight, QString("BaselineField"));
        QCOMPARE(afterLast, QString("BarField"));

        PrinterSession session;
        TMeasurements measurements(session);
        QString focusAtScaled, focusAtRefused, useLine, useLineRefused;
        bool okWithRefused = true;
        auto measured = AnswerNextModal([&](QWidget *modal) {
            const auto field = [modal](int line) { return modal->findChild<QLineEdit *>(QString("LengthField%1").arg(line)); };
            QTest::keyClicks(field(1), "6.434");
            field(5)->setFocus();
            QTest::keyClicks(field(5), "6.726"); // 94 %: OK disabled
            QTest::keyClick(field(5), Qt::Key_Return);
            focusAtScaled = QApplication::focusWidget()->objectName();
            field(1)->clear();
            field(5)->clear();
            QTest::keyClicks(field(3), "7.004");
            useLine = modal->findChild<QLabel *>("RecommendationText")->text();
            QTest::keyClicks(field(2), "x");
            useLineRefused = modal->findChild<QLabel *>("RecommendationText")->text();
            okWithRefused = modal->findChild<QDialogButtonBox *>("ButtonBox")->button(QDialogButtonBox::Ok)->isEnabled();
            field(5)->setFocus();
            QTest::keyClick(field(5), Qt::Key_Return);
            focusAtRefused = QApplication::focusWidget()->objectName();
            static_cast<QDialog *>(modal)->reject();
        });
        measurements.Ask();
        QVERIFY(*measured);
        QCOMPARE(focusAtScaled, QString("LengthField5"));
        QCOMPARE(focusAtRefused, QString("LengthField2"));
        QVERIFY2(useLine.startsWith("Use Line 3"), qPrintable(useLine));
        QVERIFY(useLineRefused.isEmpty());
        QVERIFY(!okWithRefused);
    }

    // Step 3 for a line measured out of tolerance: the not-calibrated
    // advice, no congratulations and no face to use.
    void stepThreeNotCalibrated()
    {
        TForm1 *window = OpenWizard();
        NextCancellingPrint(window);
        auto accepted = AnswerNextModal([](QWidget *modal) {
            QTest::keyClicks(modal->findChild<QLineEdit *>("LengthField3"), "7.004");
            QTest::mouseClick(modal->findChild<QDialogButtonBox *>("ButtonBox")->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
        });
        Click(window, "MeasureButton");
        QVERIFY(*accepted);
        Control<QRadioButton>(window, "RadioButton1")->setChecked(true); // predicted 6.848 in: out
        Click(window, "NextButton");
        const QString texts = StepTexts(window).join('\n');
        QVERIFY2(!texts.contains("Congratulations") && texts.contains("not calibrated yet"), qPrintable(texts));
        QVERIFY(!Control(window, "StaticText9")->isVisible());
        QVERIFY(Control<QLabel>(window, "MeasuredResult")->text().startsWith("Not calibrated: Line 1"));
        Click(window, "PreviousButton");
        Control<QRadioButton>(window, "RadioButton3")->setChecked(true);
        Click(window, "NextButton");
        QCOMPARE(StepTexts(window), ResultTexts);
        QVERIFY(Control(window, "StaticText9")->isVisible());
    }

    // The placement window driven by its controls: a page on A4 stock, read
    // on plain paper from the top edge, gives the move; a refused cheque
    // height is named and nothing else changes.
    void placementWindow()
    {
        TForm1 *window = OpenWizard();
        NextCancellingPrint(window);
        Click(window, "NextButton");
        QString result, refused, face;
        bool openAfterReturn = false;
        bool printable = true;
        auto answered = AnswerNextModal([&](QWidget *modal) {
            face = modal->findChild<QLabel *>("FaceText")->text();
            modal->findChild<QComboBox *>("StockChoice")->setCurrentIndex(1);         // A4, 99 mm
            modal->findChild<QComboBox *>("ChequeChoice")->setCurrentIndex(2);        // bottom
            modal->findChild<QComboBox *>("BaselineFromChoice")->setCurrentIndex(1);  // paper's top
            QTest::keyClicks(modal->findChild<QLineEdit *>("BarField"), "7");
            QTest::keyClicks(modal->findChild<QLineEdit *>("RightField"), "0.3325");
            // 3 cheques of 99 mm: the baseline belongs 297 mm - 3/16 in down;
            // this one landed 0.010 in higher.
            QTest::keyClicks(modal->findChild<QLineEdit *>("BaselineField"), "11.4954");
            QTest::keyClick(modal->findChild<QLineEdit *>("BaselineField"), Qt::Key_Return);
            openAfterReturn = modal->isVisible();
            result = modal->findChild<QLabel *>("ResultText")->text();
            modal->findChild<QComboBox *>("StockChoice")->setCurrentIndex(2); // another height
            QTest::keyClicks(modal->findChild<QLineEdit *>("ChequeHeightField"), "2 in");
            refused = modal->findChild<QLabel *>("ProblemText")->text();
            printable = modal->findChild<QPushButton *>("PrintButton")->isEnabled();
            static_cast<QDialog *>(modal)->reject();
        });
        Click(window, "PlacementButton");
        QVERIFY(*answered);
        QVERIFY(openAfterReturn);
        QVERIFY2(face.contains("Ferro Sample"), qPrintable(face));
        QVERIFY2(result.contains("3-up on A4, 99 mm a check"), qPrintable(result));
        QVERIFY2(result.contains("move the MICR line right 0.020 in (0.51 mm, 20/1000 in) and down 0.010 in"),
                 qPrintable(result));
        QVERIFY2(refused.startsWith("Check height: ") && refused.contains("between 3 and"), qPrintable(refused));
        QVERIFY(!printable);
    }

    void keyboardOnly()
    {
        TForm1 *window = OpenWizard();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        // Return presses the focused button.
        {
            LaunchRecorder recorder;
            Control(window, "HelpButtonClick")->setFocus();
            QTest::keyClick(Control(window, "HelpButtonClick"), Qt::Key_Return);
            QTRY_COMPARE(int(recorder.launches.size()), 1);
            QCOMPARE(recorder.launches[0].target, QString("micr.chm"));
        }
        bool printDialog = false;
        auto seen = AnswerNextModal([&printDialog](QWidget *modal) {
            printDialog = qobject_cast<QPrintDialog *>(modal) != nullptr;
            static_cast<QDialog *>(modal)->reject();
        });
        Control(window, "NextButton")->setFocus();
        QTest::keyClick(Control(window, "NextButton"), Qt::Key_Enter, Qt::KeypadModifier);
        QTRY_VERIFY(*seen);
        QVERIFY(printDialog);
        QCOMPARE(CurrentStep, 2);
        QApplication::setActiveWindow(window); // back from the print dialog
        QVERIFY(QTest::qWaitForWindowActive(window));

        // Tab into the line choice lands on the checked line; Tab again
        // leaves the group; Backtab comes back to the checked line.
        Control<QRadioButton>(window, "RadioButton4")->setChecked(true);
        Control(window, "Gauge")->setFocus();
        QTest::keyClick(Control(window, "Gauge"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Control(window, "RadioButton4"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Control(window, "MeasureButton"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), Control(window, "RadioButton4"));
    }

    void tabOrder()
    {
        TForm1 *window = OpenWizard();
        QStringList chain;
        QWidget *first = Control(window, "RadioButton1");
        QWidget *widget = first;
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                chain << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != first);
        QCOMPARE(chain, QStringList({"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4",
                                     "RadioButton5", "MeasureButton", "PlacementButton", "MicrLineButton", "ChequeFileButton", "HelpButtonClick", "BuyNow", "BitBtn1", "StandardMICR",
                                     "UseBold", "CancelButtonClick", "NextButton", "PreviousButton", "Gauge"}));
        QCOMPARE(Control(window, "SpeedButton1")->focusPolicy(), Qt::NoFocus);
    }

    void exceptionInAHandlerShowsTheErrorBox_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Printer is out of paper" << "Printer is out of paper.";
        QTest::newRow("full stop") << "Printer is out of paper." << "Printer is out of paper.";
        QTest::newRow("exclamation") << "Out of paper!" << "Out of paper!";
        QTest::newRow("closing paren") << "Out of paper (tray 2)" << "Out of paper (tray 2)";
        QTest::newRow("digit") << "Error 42" << "Error 42.";
        QTest::newRow("slash") << "Cannot open /" << "Cannot open /.";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("non-ascii") << QString("Caf") + QChar(0xe9) << QString("Caf") + QChar(0xe9) + ".";
    }

    void exceptionInAHandlerShowsTheErrorBox()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);

        class Thrower : public QObject
        {
        public:
            std::string what;
            int handled = 0;
            bool event(QEvent *event) override
            {
                if (event->type() != QEvent::User)
                    return QObject::event(event);
                ++handled;
                throw std::runtime_error(what);
            }
        } thrower;
        thrower.what = message.toStdString();

        QString text, caption;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        auto seen = AnswerNextModal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            text = box->text();
            caption = box->windowTitle();
            icon = box->icon();
            buttons = box->standardButtons();
            box->accept();
        });
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QTRY_VERIFY(*seen);
        QCOMPARE(text, shown);
        QCOMPARE(caption, QString("MICR System Calibration"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // The program goes on: the next event is handled too.
        auto again = RejectNextModal();
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QTRY_VERIFY(*again);
        QCOMPARE(thrower.handled, 2);
    }

    void failedStartUpIsNotSuccess()
    {
        QString shown;
        auto seen = AnswerNextModal([&shown](QWidget *box) {
            shown = static_cast<QMessageBox *>(box)->text();
            static_cast<QDialog *>(box)->accept();
        });
        const int status = RunStartup(*static_cast<MicrApplication *>(qApp),
                                      [] { throw std::runtime_error("Cannot create the wizard window"); });
        QVERIFY(*seen);
        QCOMPARE(shown, QString("Cannot create the wizard window."));
        QCOMPARE(status, 2);
        // A start that succeeds returns 0 when the loop ends.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCOMPARE(RunStartup(*static_cast<MicrApplication *>(qApp), [] {}), 0);
    }

    void glyphFileFaults_data()
    {
        QTest::addColumn<QString>("fault");
        for (const char *fault : {"missing", "empty", "random bytes", "truncated", "huge header", "directory", "text"})
            QTest::newRow(fault) << QString(fault);
    }

    void glyphFileFaults()
    {
        QFETCH(QString, fault);

        const QString path = dir_->filePath("print24.bmp");
        QFile good(path);
        QVERIFY(good.open(QIODevice::ReadOnly));
        const QByteArray original = good.readAll();
        good.close();
        QFile::remove(path);
        QFile bad(path);
        if (fault == "directory") {
            QVERIFY(QDir(dir_->path()).mkdir("print24.bmp"));
        } else if (fault != "missing") {
            QVERIFY(bad.open(QIODevice::WriteOnly));
            if (fault == "random bytes") {
                QByteArray noise(3000, 0);
                for (int i = 0; i < noise.size(); ++i)
                    noise[i] = char((i * 7919 + 13) % 251);
                bad.write(noise);
            } else if (fault == "truncated") {
                bad.write(original.left(80));
            } else if (fault == "huge header") {
                QByteArray header = original.left(54);
                const qint32 side = 30000;
                std::memcpy(header.data() + 18, &side, 4);
                std::memcpy(header.data() + 22, &side, 4);
                bad.write(header + QByteArray(100, '\xff'));
            } else if (fault == "text") {
                bad.write("this is not a bitmap\n");
            }
            bad.close();
        }

        WarningCollector warnings;
        window_ = std::make_unique<TForm1>();
        Form1 = window_.get();
        auto *next = Control<QPushButton>(window_.get(), "NextButton");
        const qint64 designGlyph = next->icon().cacheKey();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));

        // The whole of step 1 is in place, with the designed glyph kept.
        QCOMPARE(StepTexts(window_.get()), IntroTexts);
        QCOMPARE(next->toolTip(), QString("Print a calibration page and move to the next step"));
        QCOMPARE(Control<QPushButton>(window_.get(), "CancelButtonClick")->text(), QString("Exit"));
        QVERIFY(Control(window_.get(), "BuyNow")->isVisible());
        QCOMPARE(next->icon().cacheKey(), designGlyph);
        QCOMPARE(warnings.lines.size(), 1);
        QVERIFY(warnings.lines[0].contains("print24.bmp"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        // Next still lays out step 2 and goes on to print.
        NextCancellingPrint(window_.get());
        QCOMPARE(StepTexts(window_.get()), MeasureTexts);
        QVERIFY(next->icon().cacheKey() != designGlyph);
        QCOMPARE(warnings.lines.size(), 1);
    }

    void printerFailureShowsTheErrorBox()
    {
        TForm1 *window = OpenWizard();
        QString error;
        std::shared_ptr<bool> errorShown;
        auto seen = AnswerNextModal([&](QWidget *modal) {
            // Printing to a file that cannot be made.
            auto *file = modal->findChild<QLineEdit *>(QStringLiteral("filename"));
            QVERIFY(file);
            file->setText(QStringLiteral("/proc/micr-calibration-test.pdf"));
            errorShown = AnswerNextModal([&error](QWidget *box) {
                error = static_cast<QMessageBox *>(box)->text();
                static_cast<QDialog *>(box)->accept();
            });
            static_cast<QDialog *>(modal)->accept();
        });
        Click(window, "NextButton");
        QVERIFY(*seen);
        QTRY_VERIFY(errorShown && *errorShown);
        QVERIFY2(error.startsWith("Cannot print the calibration page"), qPrintable(error));
        QVERIFY(error.endsWith('.'));
        QVERIFY(!QFile::exists("/proc/micr-calibration-test.pdf"));
        // The wizard is still usable, on step 2.
        QCOMPARE(CurrentStep, 2);
        QCOMPARE(StepTexts(window), MeasureTexts);
        Click(window, "PreviousButton");
        QCOMPARE(CurrentStep, 1);
        NextCancellingPrint(window);
    }

    void shippedGlyphsLoad()
    {
        WarningCollector warnings;
        TForm1 *window = OpenWizard();
        auto *next = Control<QPushButton>(window, "NextButton");
        const QImage step1 = next->icon().pixmap(24, 24).toImage();
        NextCancellingPrint(window);
        const QImage step2 = next->icon().pixmap(24, 24).toImage();
        QVERIFY(warnings.lines.isEmpty());
        QCOMPARE(step1.size(), QSize(24, 24));
        QVERIFY(step1 != step2);
        // The bitmaps' background colour is see-through.
        QCOMPARE(qAlpha(step2.pixel(0, 23)), 0);
        QVERIFY(qAlpha(step2.pixel(12, 12)) > 0);
    }
};

int main(int argc, char **argv)
{
    MicrApplication application(argc, argv);
    Platform::SetApplicationTitle(QStringLiteral("MICR System Calibration"));
    Platform::InstallFaceSubstitutes();
    WizardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wizard.moc"
