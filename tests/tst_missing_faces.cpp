// With the MICR faces not installed, printing warns before the print dialog.
#include "TestSupport.h"

#include "app/MicrApplication.h"
#include "pages/CalibrationPage.h"
#include "forms/ChequeFile.h"
#include "forms/Micr.h"
#include "platform/ErrorBox.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QtTest>

class MissingFacesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<WorkingDirectory> cwd_;
    std::unique_ptr<TForm1> window_;

private slots:
    void init()
    {
        if (!MissingMicrFaces().contains("Ferro Sample"))
            QSKIP("the MICR faces are installed on this machine");
        dir_ = std::make_unique<QTemporaryDir>();
        CopyGlyphFiles(dir_->path());
        cwd_ = std::make_unique<WorkingDirectory>(dir_->path());
        window_ = std::make_unique<TForm1>();
        Form1 = window_.get();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup()
    {
        window_.reset();
        cwd_.reset();
        dir_.reset();
    }

    // Without the printer's face no settings are written for the cheque
    // program: the Cheque File window says why, with Save and Copy off.
    void chequeFileSettingsNeedTheFace()
    {
        TChequeFile window;
        QString shown;
        bool save = true;
        bool copy = true;
        auto seen = AnswerNextModal([&](QWidget *modal) {
            shown = modal->findChild<QPlainTextEdit *>("SettingsText")->toPlainText();
            save = modal->findChild<QPushButton *>("SaveButton")->isEnabled();
            copy = modal->findChild<QPushButton *>("CopyButton")->isEnabled();
            static_cast<QDialog *>(modal)->reject();
        });
        window.Ask(3, FontWeightChoice::Standard, QString(), {});
        QVERIFY(*seen);
        QCOMPARE(window.Settings().problem, SettingsProblem::FaceNotInstalled);
        QVERIFY2(shown.contains("Ferro Sample"), qPrintable(shown));
        QVERIFY(!save);
        QVERIFY(!copy);
    }

    void warningNamesTheMissingFaces_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("printDialogFollows");
        QTest::newRow("Print Anyway") << "Print Anyway" << true;
        QTest::newRow("Cancel") << "Cancel" << false;
        QTest::newRow("Esc") << "Esc" << false;
    }

    void warningNamesTheMissingFaces()
    {
        QFETCH(QString, answer);
        QFETCH(bool, printDialogFollows);

        QString text, details, caption, stepTwoLine;
        QStringList buttons;
        std::shared_ptr<bool> next;
        bool printDialog = false;
        auto seen = AnswerNextModal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            text = box->text();
            details = box->informativeText();
            caption = box->windowTitle();
            stepTwoLine = window_->findChild<QLabel *>("StaticText2")->text();
            for (QAbstractButton *button : box->buttons())
                buttons << button->text().remove('&');
            next = AnswerNextModal([&printDialog](QWidget *dialog) {
                printDialog = qobject_cast<QPrintDialog *>(dialog) != nullptr;
                static_cast<QDialog *>(dialog)->reject();
            }, 1500);
            if (answer == "Esc") {
                QTest::keyClick(box, Qt::Key_Escape);
                return;
            }
            for (QAbstractButton *button : box->buttons()) {
                if (button->text().remove('&') == answer)
                    button->click();
            }
        });
        QTest::mouseClick(window_->NextButton, Qt::LeftButton);
        QVERIFY(*seen);
        QCOMPARE(stepTwoLine, QString("Now printing a test sheet . . ."));
        QCOMPARE(caption, QString("MICR System Calibration"));
        for (const char *face : {"FerroN Sample", "FerroN2 Sample", "Ferro Sample", "FerroW2 Sample", "FerroW Sample"})
            QVERIFY2(text.contains(face), qPrintable(text));
        QVERIFY(!text.contains("Ferrodark"));
        QVERIFY(!text.contains("Warden"));
        QVERIFY(details.contains("cannot be measured"));
        buttons.sort();
        QCOMPARE(buttons, QStringList({"Cancel", "Print Anyway"}));
        if (printDialogFollows) {
            QTRY_VERIFY(*next);
            QVERIFY(printDialog);
        } else {
            QTest::qWait(1700);
            QVERIFY(!*next);
        }
        QCOMPARE(CurrentStep, 2);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

int main(int argc, char **argv)
{
    MicrApplication application(argc, argv);
    Platform::SetApplicationTitle(QStringLiteral("MICR System Calibration"));
    MissingFacesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_missing_faces.moc"
