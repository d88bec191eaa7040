// The About window and the ordering, signature-font and gauge dialogs: their
// controls, placement, results, launches, the focus hand-back and the
// ordering prompt. The wizard is made once, as the program makes it, and
// makes each dialog when it is first wanted.
#include "TestSupport.h"

#include "app/MicrApplication.h"
#include "platform/ShellLauncher.h"
#include "app/WindowSet.h"
#include "forms/About.h"
#include "forms/Gauge.h"
#include "forms/Internet.h"
#include "forms/Micr.h"
#include "forms/Signature.h"
#include "platform/ErrorBox.h"
#include "platform/FaceSubstitutes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QtTest>

#include <algorithm>

namespace {

// The dialogs, as the wizard makes them when first wanted.
TConnect *Ordering() { return &Form1->OrderingDialog(); }
TForm2 *Signature() { return &Form1->SignatureDialog(); }
TForm3 *About() { return &Form1->AboutDialog(); }
TForm4 *Gauge() { return &Form1->GaugeDialog(); }

QDialog *DialogNamed(const QString &name)
{
    if (name == "Connect") return Ordering();
    if (name == "Form2") return Signature();
    if (name == "Form3") return About();
    return Gauge();
}

QWidget *ControlOf(QWidget *window, const QString &name)
{
    QWidget *control = window->findChild<QWidget *>(name);
    if (!control)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return control;
}

void Click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
}

// Shows `dialog` through the wizard control that opens it, runs `inside` on
// it while it is up, then closes it with Esc unless `inside` closed it.
void WithDialogOpen(const char *opener, QDialog *dialog, const std::function<void()> &inside)
{
    auto seen = AnswerNextModal([&](QWidget *modal) {
        QCOMPARE(modal, static_cast<QWidget *>(dialog));
        inside();
        if (dialog->isVisible())
            QTest::keyClick(dialog, Qt::Key_Escape);
    });
    Click(ControlOf(Form1, opener));
    QVERIFY(*seen);
    QVERIFY(!dialog->isVisible());
}

const char *const OrderPage = "https://secure.tolvane.example/micr/order.php?p=micrtt";

} // namespace

class DialogsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase()
    {
        CopyGlyphFiles(dir_.path());
        QDir::setCurrent(dir_.path());
        CreateWindowSet(*static_cast<MicrApplication *>(qApp));
        Form1->move(120, 90);
        Form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
    }

    void windowSet()
    {
        QVERIFY(Form1 && Form1->isVisible());
        // The dialogs are made when first wanted, not with the wizard.
        const auto windows = QApplication::topLevelWidgets();
        QVERIFY(std::none_of(windows.begin(), windows.end(),
                             [](QWidget *window) { return qobject_cast<WizardDialog *>(window); }));
        for (QWidget *dialog : {static_cast<QWidget *>(Ordering()), static_cast<QWidget *>(Signature()),
                                static_cast<QWidget *>(About()), static_cast<QWidget *>(Gauge())})
            QVERIFY(!dialog->isVisible());
        QCOMPARE(Ordering()->windowTitle(), QString("How to order Tolvane MICR Font Set"));
        QCOMPARE(Signature()->windowTitle(), QString("Order a signature font"));
        QCOMPARE(About()->windowTitle(), QString("About"));
        QCOMPARE(Gauge()->windowTitle(), QString("MICR Gauge Instructions"));
        QCOMPARE(Ordering()->size(), QSize(400, 271));
        QCOMPARE(Signature()->size(), QSize(294, 198));
        QCOMPARE(About()->size(), QSize(180, 170));
        QCOMPARE(Gauge()->size(), QSize(330, 235));
        QCOMPARE(static_cast<QLabel *>(ControlOf(About(), "CurVersion"))->text(), QString("V8.5"));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hint");
        auto row = [](const char *window, const char *control, QPoint position, const char *text, const char *hint = "") {
            QTest::addRow("%s %s", window, control) << window << control << position << text << hint;
        };
        row("Connect", "Label1", {220, 6}, "MICR Font Set");
        row("Connect", "Label5", {147, 75}, "When you order you can select to download the");
        row("Connect", "Label6", {147, 90}, "software, have it sent as boxed software, or both.");
        row("Connect", "Label7", {147, 115}, "To purchase, make sure you are connected to the");
        row("Connect", "Label8", {147, 130}, "internet and click the Buy Now button below. This");
        row("Connect", "Label10", {147, 160}, "also print an order form and email, fax, or mail it to");
        row("Connect", "Label12", {147, 175}, "us. Press Exit to quit.");
        row("Connect", "Label11", {190, 200}, "Orders: 800-555-0149");
        row("Connect", "BitBtn1", {15, 232}, "Buy Now Online", "Go online and purchase the software now (Alt+O)");
        row("Connect", "SpeedButton1", {157, 232}, "Print an Order Form", "Print a copy of our pdf order form (Alt+P)");
        row("Connect", "CancelButton", {312, 232}, "Exit", "Return back to the utility program (Esc)");
        row("Form2", "StaticText1", {8, 104}, "We can convert your signature into a Windows TrueType");
        row("Form2", "StaticText2", {8, 120}, "font. You can then sign your checks, documents, memos,");
        row("Form2", "StaticText3", {8, 136}, "or faxes automatically! Click below to print an order form.");
        row("Form2", "BitBtn2", {53, 160}, "Order Form", "Display a pdf order form, ready to print");
        row("Form2", "BitBtn1", {168, 160}, "Exit", "Return back to the calibration program");
        row("Form3", "StaticText1", {40, 6}, "MICR Fonts Calibration");
        row("Form3", "StaticText2", {8, 37}, "Tolvane Fonts, Inc.");
        row("Form3", "StaticText3", {8, 53}, "1200 Harbor Way, Suite 4");
        row("Form3", "StaticText4", {8, 69}, "Port Alder, WA 98001");
        row("Form3", "StaticText5", {8, 93}, "Phone: 206-555-0147");
        row("Form3", "CurVersion", {136, 37}, "V8.5", "Click to check the web for updates");
        row("Form3", "StaticText8", {32, 129}, "www.tolvane.example", "Click to visit the web site");
        row("Form3", "StaticText7", {29, 147}, "www.micrgauge.example", "Click to visit the web site");
        row("Form4", "StaticText1", {8, 141}, "A MICR gauge is an invaluable tool for verifying that all the data");
        row("Form4", "StaticText2", {8, 157}, "on your check is correctly positioned and sized. Click the Manual");
        row("Form4", "StaticText3", {8, 173}, "button below for instructions on how to use our gauge.");
        row("Form4", "BitBtn1", {2, 197}, "Manual");
        row("Form4", "BitBtn4", {82, 197}, "Order Form");
        row("Form4", "BitBtn3", {180, 197}, "Buy Now");
        // Two pixels left of where it first stood, so that French's "Quitter" fits
        // inside the dialog.
        row("Form4", "BitBtn2", {264, 197}, "Exit", "Return back to the calibration program");
    }

    void controls()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QPoint, position);
        QFETCH(QString, text);
        QFETCH(QString, hint);
        QDialog *dialog = DialogNamed(window);
        QWidget *widget = ControlOf(dialog, control);
        // As the user sees it: while the dialog is up.
        auto seen = AnswerNextModal([&](QWidget *) {
            QVERIFY(widget->isVisible());
            QCOMPARE(widget->pos(), position);
            // The text as shown: a mnemonic's marker is not.
            QCOMPARE(widget->property("text").toString().remove('&'), text);
            QCOMPARE(widget->toolTip(), hint);
            // Nothing clipped, nothing outside the window.
            QVERIFY2(widget->width() >= widget->sizeHint().width() || qobject_cast<QAbstractButton *>(widget),
                     qPrintable(QString("%1 < %2").arg(widget->width()).arg(widget->sizeHint().width())));
            QVERIFY2(dialog->rect().contains(widget->geometry()), qPrintable(control));
            if (!hint.isEmpty())
                QCOMPARE(widget->toolTipDuration(), 6000);
            dialog->reject();
        });
        dialog->exec();
        QVERIFY(*seen);
    }

    void orderingTextLineNine()
    {
        const QString line = static_cast<QLabel *>(ControlOf(Ordering(), "Label9"))->text();
        QCOMPARE(line.size(), 49);
        QVERIFY(line.endsWith("You can"));
        QVERIFY(line.contains("order"));
    }

    void placement_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QPoint>("wizardAt");
        for (QPoint at : {QPoint(120, 90), QPoint(300, 20), QPoint(15, 260)}) {
            QTest::addRow("About at %d,%d", at.x(), at.y()) << "SpeedButton1" << "Form3" << QPoint(142, 93) << at;
            QTest::addRow("ordering at %d,%d", at.x(), at.y()) << "BuyNow" << "Connect" << QPoint(39, 37) << at;
            QTest::addRow("signature at %d,%d", at.x(), at.y()) << "BitBtn1" << "Form2" << QPoint(80, 68) << at;
            QTest::addRow("gauge at %d,%d", at.x(), at.y()) << "Gauge" << "Form4" << QPoint(70, 50) << at;
        }
    }

    void placement()
    {
        QFETCH(QString, opener);
        QFETCH(QString, dialog);
        QFETCH(QPoint, offset);
        QFETCH(QPoint, wizardAt);
        Form1->move(wizardAt);
        QDialog *expected = DialogNamed(dialog);
        QPoint placed;
        WithDialogOpen(qPrintable(opener), expected, [&] { placed = expected->frameGeometry().topLeft(); });
        QCOMPARE(placed, Form1->frameGeometry().topLeft() + offset);
        Form1->move(120, 90);
    }

    void results_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("ordering, Buy Now Online") << "Connect" << "BitBtn1" << int(QDialog::Accepted);
        QTest::newRow("ordering, Exit") << "Connect" << "CancelButton" << int(QDialog::Rejected);
        QTest::newRow("ordering, Esc") << "Connect" << "Esc" << int(QDialog::Rejected);
        QTest::newRow("ordering, close box") << "Connect" << "close" << int(QDialog::Rejected);
        QTest::newRow("signature, Exit") << "Form2" << "BitBtn1" << int(QDialog::Rejected);
        QTest::newRow("signature, Esc") << "Form2" << "Esc" << int(QDialog::Rejected);
        QTest::newRow("gauge, Exit") << "Form4" << "BitBtn2" << int(QDialog::Rejected);
        QTest::newRow("gauge, close box") << "Form4" << "close" << int(QDialog::Rejected);
        QTest::newRow("About, Esc") << "Form3" << "Esc" << int(QDialog::Rejected);
        QTest::newRow("About, close box") << "Form3" << "close" << int(QDialog::Rejected);
        // From the keyboard alone.
        QTest::newRow("ordering, Alt+O") << "Connect" << "Alt+O" << int(QDialog::Accepted);
        QTest::newRow("signature, Alt+X") << "Form2" << "Alt+X" << int(QDialog::Rejected);
        QTest::newRow("gauge, Return on Exit") << "Form4" << "Return BitBtn2" << int(QDialog::Rejected);
    }

    void results()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, how);
        QFETCH(int, result);
        QDialog *window = DialogNamed(dialog);
        LaunchRecorder recorder;
        AnswerNextModal([&](QWidget *) {
            if (how == "Esc")
                QTest::keyClick(window, Qt::Key_Escape);
            else if (how.startsWith("Alt+")) {
                window->activateWindow();
                if (QTest::qWaitForWindowActive(window))
                    QTest::keyClick(window, Qt::Key(how.back().unicode()), Qt::AltModifier);
                if (window->isVisible()) // the key did nothing: fail rather than hang
                    QTimer::singleShot(1000, window, [window] { window->done(-1); });
            }
            else if (how.startsWith("Return ")) {
                QWidget *button = ControlOf(window, qPrintable(how.mid(7)));
                button->setFocus();
                QTest::keyClick(button, Qt::Key_Return);
            } else if (how == "close")
                window->close();
            else
                Click(ControlOf(window, qPrintable(how)));
        });
        QCOMPARE(window->exec(), result);
        QVERIFY(recorder.launches.empty());
    }

    void launches_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("verb");
        QTest::addColumn<QString>("target");
        QTest::newRow("order form") << "Connect" << "SpeedButton1" << "" << "o-micr.pdf";
        QTest::newRow("signature order form") << "Form2" << "BitBtn2" << "" << "o-sigtt.pdf";
        QTest::newRow("gauge manual") << "Form4" << "BitBtn1" << "" << "MICR-Gauge-Instructions.pdf";
        QTest::newRow("gauge order page") << "Form4" << "BitBtn3" << "open" << "https://secure.tolvane.example/micr/order.php?p=gauge";
        QTest::newRow("gauge order form") << "Form4" << "BitBtn4" << "" << "MICR-Gauge-Order-Form.pdf";
        QTest::newRow("update check") << "Form3" << "CurVersion" << "open" << "http://update.tolvane.example/file/update.php?v=TFMICR01-8.5";
        QTest::newRow("product page") << "Form3" << "StaticText8" << "" << "http://www.tolvane.example/micr.htm";
        QTest::newRow("gauge web site") << "Form3" << "StaticText7" << "" << "http://www.micrgauge.example";
    }

    void launches()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, control);
        QFETCH(QString, verb);
        QFETCH(QString, target);
        QDialog *window = DialogNamed(dialog);
        LaunchRecorder recorder;
        bool stayedOpen = false;
        AnswerNextModal([&](QWidget *) {
            Click(ControlOf(window, qPrintable(control)));
            stayedOpen = window->isVisible();
            window->reject();
        });
        window->exec();
        QVERIFY(stayedOpen);
        QCOMPARE(int(recorder.launches.size()), 1);
        QCOMPARE(recorder.launches[0].verb, verb);
        QCOMPARE(recorder.launches[0].target, target);
        QVERIFY(recorder.launches[0].owner == nullptr);
    }

    void aboutAndOrderFormHaveKeys()
    {
        LaunchRecorder recorder;
        auto ordering = AnswerNextModal([&](QWidget *modal) {
            modal->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(modal));
            QTest::keyClick(modal, Qt::Key_P, Qt::AltModifier);
            QTRY_COMPARE(int(recorder.launches.size()), 1);
            Ordering()->reject();
        });
        Ordering()->exec();
        QVERIFY(*ordering);
        QCOMPARE(recorder.launches[0].target, QString("o-micr.pdf"));

        Form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        auto about = AnswerNextModal([](QWidget *modal) { static_cast<QDialog *>(modal)->reject(); });
        QTest::keyClick(Form1, Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(*about);
    }

    void linksAnswerTheKeyboard()
    {
        LaunchRecorder recorder;
        AnswerNextModal([&](QWidget *) {
            QTest::keyClick(ControlOf(About(), "StaticText8"), Qt::Key_Return);
            QTest::keyClick(ControlOf(About(), "CurVersion"), Qt::Key_Space);
            About()->reject();
        });
        About()->exec();
        QCOMPARE(int(recorder.launches.size()), 2);
    }

    void focusComesBackToNext_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("onNext");
        for (const char *how : {"close", "CurVersion", "StaticText8", "StaticText7"}) {
            QTest::addRow("step 1, %s", how) << 1 << how << true;
            QTest::addRow("step 2, %s", how) << 2 << how << true;
            QTest::addRow("step 3, %s", how) << 3 << how << false;
        }
    }

    void focusComesBackToNext()
    {
        QFETCH(int, step);
        QFETCH(QString, how);
        QFETCH(bool, onNext);
        // Bring the wizard to the step, the focus somewhere else than Next.
        while (CurrentStep > 1)
            Click(ControlOf(Form1, "PreviousButton"));
        if (step >= 2) {
            RejectNextModal();
            Click(ControlOf(Form1, "NextButton"));
        }
        if (step == 3)
            Click(ControlOf(Form1, "NextButton"));
        QCOMPARE(CurrentStep, step);
        QWidget *elsewhere = ControlOf(Form1, "BitBtn1");
        elsewhere->setFocus();
        QCOMPARE(Form1->focusWidget(), elsewhere);

        LaunchRecorder recorder;
        WithDialogOpen("SpeedButton1", About(), [&] {
            if (how != "close") {
                Click(ControlOf(About(), qPrintable(how)));
                QVERIFY(About()->isVisible());
                QCOMPARE(Form1->focusWidget() == ControlOf(Form1, "NextButton"), onNext);
            }
        });
        QCOMPARE(Form1->focusWidget(), onNext ? ControlOf(Form1, "NextButton") : elsewhere);
        QCOMPARE(CurrentStep, step);
    }

    void buyNowPrompt_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("opensOrderPage");
        QTest::newRow("Buy Now Online") << "BitBtn1" << true;
        QTest::newRow("Exit") << "CancelButton" << false;
        QTest::newRow("Esc") << "Esc" << false;
        QTest::newRow("close box") << "close" << false;
    }

    void buyNowPrompt()
    {
        QFETCH(QString, answer);
        QFETCH(bool, opensOrderPage);
        while (CurrentStep > 1)
            Click(ControlOf(Form1, "PreviousButton"));
        RejectNextModal();
        Click(ControlOf(Form1, "NextButton"));
        Click(ControlOf(Form1, "RadioButton4"));

        LaunchRecorder recorder;
        bool promptOpenAtLaunch = true;
        SetShellHandler([&](QWidget *, const QString &verb, const QString &target) {
            promptOpenAtLaunch = Ordering()->isVisible();
            recorder.launches.push_back({nullptr, verb, target});
        });
        WithDialogOpen("BuyNow", Ordering(), [&] {
            if (answer == "Esc")
                QTest::keyClick(Ordering(), Qt::Key_Escape);
            else if (answer == "close")
                Ordering()->close();
            else
                Click(ControlOf(Ordering(), qPrintable(answer)));
        });
        QCOMPARE(int(recorder.launches.size()), opensOrderPage ? 1 : 0);
        if (opensOrderPage) {
            QCOMPARE(recorder.launches[0].verb, QString("open"));
            QCOMPARE(recorder.launches[0].target, QString(OrderPage));
            QVERIFY(!promptOpenAtLaunch);
        }
        // The wizard keeps its step and its choices.
        QCOMPARE(CurrentStep, 2);
        QVERIFY(Form1->RadioButton4->isChecked());
        QVERIFY(Form1->isVisible());
    }

    void dialogsAreTheSameObjectsEachTime()
    {
        for (int round = 0; round < 3; ++round) {
            WithDialogOpen("SpeedButton1", About(), [] {});
            WithDialogOpen("Gauge", Gauge(), [] {});
            WithDialogOpen("BitBtn1", Signature(), [] {});
            WithDialogOpen("BuyNow", Ordering(), [] {});
        }
        int abouts = 0, gauges = 0, signatures = 0, orderings = 0;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            abouts += qobject_cast<TForm3 *>(widget) != nullptr;
            gauges += qobject_cast<TForm4 *>(widget) != nullptr;
            signatures += qobject_cast<TForm2 *>(widget) != nullptr;
            orderings += qobject_cast<TConnect *>(widget) != nullptr;
        }
        QCOMPARE(abouts, 1);
        QCOMPARE(gauges, 1);
        QCOMPARE(signatures, 1);
        QCOMPARE(orderings, 1);
    }

    // Last: closing the wizard ends the program.
    void closingTheWizardPromptsFirst()
    {
        LaunchRecorder recorder;
        auto seen = AnswerNextModal([](QWidget *modal) {
            QCOMPARE(modal, static_cast<QWidget *>(Ordering()));
            Click(ControlOf(Ordering(), "BitBtn1"));
        });
        QVERIFY(Form1->close());
        QVERIFY(*seen);
        QVERIFY(!Form1->isVisible());
        QCOMPARE(int(recorder.launches.size()), 1);
        QCOMPARE(recorder.launches[0].verb, QString(""));
        QCOMPARE(recorder.launches[0].target, QString(OrderPage));
    }
};

int main(int argc, char **argv)
{
    MicrApplication application(argc, argv);
    Platform::SetApplicationTitle(QStringLiteral("MICR System Calibration"));
    Platform::InstallFaceSubstitutes();
    DialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialogs.moc"
