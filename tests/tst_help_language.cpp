// The help opens in the language the user reads messages in: the wizard's
// help file and every window's F1 page, French where the French is there.
#include "TestSupport.h"
#include "forms/Micr.h"
#include "i18n/Translations.h"
#include "platform/DataFiles.h"
#include "platform/KeyStop.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

namespace {

// The message locale set for as long as it lives, as a user's session sets it.
class MessageLocale
{
public:
    explicit MessageLocale(const QByteArray &lang)
    {
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            saved_.append({name, qgetenv(name)});
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            qunsetenv(name);
        qputenv("LANG", lang);
    }
    ~MessageLocale()
    {
        for (const auto &[name, value] : saved_) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }
    MessageLocale(const MessageLocale &) = delete;
    MessageLocale &operator=(const MessageLocale &) = delete;

private:
    QList<QPair<const char *, QByteArray>> saved_;
};

void Touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class HelpLanguageTest : public QObject
{
    Q_OBJECT

private slots:
    // The wizard's Help button and F1, and a window's F1: French only in
    // French and only where the French help is there.
    void opened_data()
    {
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Quebec") << QByteArray("fr_CA.UTF-8") << "placement" << "micr-fr.chm" << "help/fr/placement.html";
        QTest::newRow("France") << QByteArray("fr_FR.UTF-8") << "verdicts" << "micr-fr.chm" << "help/fr/verdicts.html";
        QTest::newRow("C") << QByteArray("C") << "placement" << "micr.chm" << "help/placement.html";
        QTest::newRow("Ontario") << QByteArray("en_CA.UTF-8") << "placement" << "micr-en_CA.chm" << "help/en_CA/placement.html";
        QTest::newRow("United States") << QByteArray("en_US.UTF-8") << "verdicts" << "micr.chm" << "help/verdicts.html";
        // A page with no French version falls back to the English one.
        QTest::newRow("French missing") << QByteArray("fr_CA.UTF-8") << "no-such-page" << "micr-fr.chm"
                                        << "help/no-such-page.html";
    }

    void opened()
    {
        QFETCH(QByteArray, lang);
        QFETCH(QString, page);
        QFETCH(QString, file);
        QFETCH(QString, shown);
        const QTemporaryDir dir;
        CopyGlyphFiles(dir.path());
        const WorkingDirectory cwd(dir.path());
        Touch(dir.filePath("micr.chm"));
        Touch(dir.filePath("micr-fr.chm"));
        Touch(dir.filePath("micr-en_CA.chm"));
        for (const QString &language : {QString(), QStringLiteral("fr/"), QStringLiteral("en_CA/")})
            for (const char *name : {"placement", "verdicts"})
                Touch(dir.filePath(QStringLiteral("help/%1%2.html").arg(language, name)));
        const MessageLocale locale(lang);
        LaunchRecorder recorder;
        TForm1 wizard;
        Form1 = &wizard;
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        QTest::mouseClick(wizard.findChild<QPushButton *>("HelpButtonClick"), Qt::LeftButton);
        QTest::keyClick(&wizard, Qt::Key_F1);
        QWidget window;
        Platform::OpenHelpOnF1(&window, QStringLiteral("help/%1.html").arg(page));
        QTest::keyClick(&window, Qt::Key_F1);
        Form1 = nullptr;
        QCOMPARE(int(recorder.launches.size()), 3);
        QCOMPARE(recorder.launches[0].target, file);
        QCOMPARE(recorder.launches[1].target, file);
        QCOMPARE(recorder.launches[2].target, shown);
    }

    void helpNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("expected");
        QTest::newRow("file, French") << "micr.chm" << "fr_CA" << "micr-fr.chm";
        QTest::newRow("page, French") << "help/placement.html" << "fr_CA" << "help/fr/placement.html";
        QTest::newRow("file, US English") << "micr.chm" << "" << "micr.chm";
        QTest::newRow("page, Canadian English") << "help/verdicts.html" << "en_CA" << "help/en_CA/verdicts.html";
        QTest::newRow("file, Canadian English") << "micr.chm" << "en_CA" << "micr-en_CA.chm";
        QTest::newRow("a page already French") << "help/fr/index.html" << "fr_CA" << "help/fr/index.html";
        QTest::newRow("no help at all") << "o-micr.pdf" << "fr_CA" << "o-micr.pdf";
    }

    void helpNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, catalogue);
        QFETCH(QString, expected);
        QCOMPARE(I18n::HelpNameFor(name, catalogue), expected);
    }
};

QTEST_MAIN(HelpLanguageTest)
#include "tst_help_language.moc"
