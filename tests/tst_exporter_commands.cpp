// The exporter's commands: each old form against the command it became,
// every command's help, names mistyped and options given to the wrong
// command.
#include "store/PrinterProfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int status;
    QString out;
    QString errors;
};

// The commands as the program's users know them.
const QStringList CommandNames{"page", "measure", "place", "line", "check-line", "cheque", "profiles", "fonts",
                               "settings"};

} // namespace

class ExporterCommandsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

    Run Exporter(const QStringList &arguments, const QString &config = "config", const QString &lang = {}) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", dir_.filePath(config));
        if (!lang.isEmpty()) {
            for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC"})
                environment.remove(variable);
            environment.insert("LANG", lang);
        }
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(MICR_PAGE_EXPORTER), arguments);
        process.waitForFinished(120000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        // A printer remembered, for the profiles to list.
        PrinterProfile profile;
        profile.queue = "Office";
        profile.makeAndModel = "Laser 9000";
        profile.line = 4;
        MeasurementRecord measured;
        measured.readings[3] = 7.004;
        measured.line = 4;
        measured.verdict = "good";
        measured.taken = QDateTime(QDate(2026, 12, 1), QTime(9, 30), Qt::UTC);
        profile.measurement = measured;
        QString error;
        QVERIFY2(PrinterProfiles(dir_.filePath("config/micr-calibration/printers.ini")).Save(profile, &error),
                 qPrintable(error));
    }

    // Scripts keep working: an old form gives what its command gives, on
    // stdout and stderr, with the same status, and writes the same page.
    void oldFormsAsCommands_data()
    {
        QTest::addColumn<QStringList>("old");
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<int>("status");
        const QString scaled = "bar=6.923,vbar=1.978,right=0.4026,top=3.2761";
        const QString fields = "layout=us,routing=021000021,onus=123456789C 1234,aux=C5678C";
        QTest::newRow("fonts") << QStringList{"--check-fonts"} << QStringList{"fonts"} << 0;
        QTest::newRow("fonts, the rest ignored") << QStringList{"--bold", "--check-fonts", "--dpi", "300"}
                                                 << QStringList{"fonts"} << 0;
        QTest::newRow("profiles") << QStringList{"--profiles"} << QStringList{"profiles"} << 0;
        QTest::newRow("profiles, JSON") << QStringList{"--json", "--profiles", "--paper", "a4"}
                                        << QStringList{"profiles", "--json"} << 0;
        QTest::newRow("measured") << QStringList{"--measured", "3=7 1/64"} << QStringList{"measure", "3=7 1/64"} << 0;
        QTest::newRow("measured, bold, JSON, scaled")
            << QStringList{"--measured", "1=6.434,5=6.726", "--bold", "--json"}
            << QStringList{"measure", "1=6.434,5=6.726", "--bold", "--json"} << 1;
        QTest::newRow("measured, page options ignored")
            << QStringList{"--dpi", "300", "--measured", "3=7.039", "--paper", "a4", "--page", "calibration"}
            << QStringList{"measure", "3=7.039"} << 1;
        QTest::newRow("placement readings") << QStringList{"--placement-measured", scaled, "--line", "4"}
                                            << QStringList{"place", scaled, "--line", "4"} << 1;
        QTest::newRow("placement readings, A4, JSON")
            << QStringList{"--placement-measured", "bar=7,right=5/16,top=11.505", "--paper", "a4", "--cheque",
                           "bottom", "--json", "--dpi", "300"}
            << QStringList{"place", "bar=7,right=5/16,top=11.505", "--paper", "a4", "--cheque", "bottom", "--json"}
            << 0;
        QTest::newRow("placement readings, own stock, bold")
            << QStringList{"--placement-measured=bar=7,right=5/16,top=3.479", "--cheque-height", "3 2/3", "--bold"}
            << QStringList{"place", "bar=7,right=5/16,top=3.479", "--cheque-height=3 2/3", "--bold"} << 0;
        QTest::newRow("MICR line") << QStringList{"--micr-line", fields} << QStringList{"line", fields} << 0;
        QTest::newRow("MICR line, JSON, width, a fault")
            << QStringList{"--micr-line", "layout=us,routing=021000022,onus=1C", "--cheque-width", "8 1/4",
                           "--json"}
            << QStringList{"line", "layout=us,routing=021000022,onus=1C", "--cheque-width", "8 1/4", "--json"} << 1;
        QTest::newRow("line checked") << QStringList{"--check-line", "A021000021A 1C"}
                                      << QStringList{"check-line", "A021000021A 1C"} << 1;
        QTest::newRow("line checked, JSON, bold ignored")
            << QStringList{"--bold", "--check-line", "A021000021A         123456789C", "--json", "--cheque-width",
                           "200 mm"}
            << QStringList{"check-line", "--json", "A021000021A         123456789C", "--cheque-width", "200 mm"} << 0;
        QTest::newRow("calibration page") << QStringList{"--dpi", "100", "--bold", "-o", "old.png"}
                                          << QStringList{"page", "--dpi", "100", "--bold", "-o", "new.png"} << 0;
        QTest::newRow("placement page with the user's line")
            << QStringList{"--page", "placement", "--micr-line", fields, "--cheque-width", "8", "--cheque", "middle",
                           "--dpi", "120x100", "--paper", "a4", "-o", "old.png"}
            << QStringList{"page", "--page", "placement", "--micr-line", fields, "--cheque", "middle", "--dpi",
                           "120x100", "--paper", "a4", "--output", "new.png"}
            << 0;
        QTest::newRow("page not written") << QStringList{"-o", "no/such/folder/old.png"}
                                          << QStringList{"page", "-o", "no/such/folder/old.png"} << 1;
        QTest::newRow("refused readings") << QStringList{"--measured", "3=seven"} << QStringList{"measure", "3=seven"}
                                          << 2;
        QTest::newRow("settings") << QStringList{"--export-settings", "gnucash", "--micr-line", fields, "--line", "2"}
                                  << QStringList{"settings", "gnucash", "--micr-line", fields, "--line", "2"} << 0;
    }

    void oldFormsAsCommands()
    {
        QFETCH(QStringList, old);
        QFETCH(QStringList, command);
        QFETCH(int, status);
        for (QStringList *arguments : {&old, &command}) {
            for (QString &argument : *arguments) {
                if (argument.endsWith(".png"))
                    argument = dir_.filePath(argument);
            }
        }
        const Run before = Exporter(old);
        const Run after = Exporter(command);
        QCOMPARE(before.status, status);
        QCOMPARE(after.status, status);
        QCOMPARE(before.out, after.out);
        if (status == 2) {
            // The same fault, each pointing to its own help.
            QCOMPARE(before.errors.section('\n', 0, 0), after.errors.section('\n', 0, 0));
        } else {
            QCOMPARE(before.errors, after.errors);
            QVERIFY2(status == 1 || before.errors.isEmpty(), qPrintable(before.errors));
        }
        const bool page = command.first() == "page";
        if (page && status == 0) {
            const QImage oldPage(dir_.filePath("old.png"));
            QVERIFY(!oldPage.isNull());
            QCOMPARE(oldPage, QImage(dir_.filePath("new.png")));
        }
        // Pages are written to a file, answers to stdout.
        QCOMPARE(before.out.isEmpty(), page || status == 2);
    }

    // The placement page with a line a bank would reject: written all the
    // same, in either form of the command, its faults said on stderr in the
    // order the line command gives them, and the status 1.
    void faultyLineOnThePlacementPage_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<int>("status");
        const QString good = "layout=us,routing=021000021,onus=123456789C";
        const QString noSymbol = "layout=us,routing=021000021,onus=123456789";
        const QString amountAndAux = "layout=us,routing=611000004,onus=021000021C,aux=1234";
        QTest::newRow("good") << QStringList{"page", "--page", "placement"} << good << 0;
        QTest::newRow("no on-us symbol") << QStringList{"page", "--page", "placement"} << noSymbol << 1;
        QTest::newRow("no on-us symbol, old form") << QStringList{"--page", "placement"} << noSymbol << 1;
        QTest::newRow("three faults") << QStringList{"page", "--page", "placement"} << amountAndAux << 1;
    }

    void faultyLineOnThePlacementPage()
    {
        QFETCH(QStringList, command);
        QFETCH(QString, fields);
        QFETCH(int, status);
        const QString file = dir_.filePath(QString("faulty-%1.png").arg(QTest::currentDataTag()).replace(' ', '-'));
        const Run run = Exporter(command + QStringList{"--micr-line", fields, "--dpi", "100", "-o", file});
        QCOMPARE(run.status, status);
        QVERIFY(!QImage(file).isNull()); // written whole all the same
        const Run line = Exporter({"line", fields, "--json"});
        const QStringList faults = QJsonDocument::fromJson(line.out.toUtf8())["faults"].toVariant().toStringList();
        QCOMPARE(faults.isEmpty(), status == 0);
        if (status == 0) {
            QCOMPARE(run.errors, QString());
            return;
        }
        qsizetype at = 0;
        for (const QString &fault : faults) {
            at = run.errors.indexOf(fault, at);
            QVERIFY2(at >= 0, qPrintable(run.errors));
        }
    }

    // A line's faults for a script: the same bytes in every language, a
    // code beside each fault; the text for a person is in theirs.
    void lineJsonInEveryLanguage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("check-line") << QStringList{"check-line", "A021000022A         123456789C B0000012345B"}
                                    << QStringList{"routing-check-digit", "amount-field-filled"};
        QTest::newRow("line") << QStringList{"line", "layout=ca,branch=1234,institution=003,onus=123456789"}
                              << QStringList{"transit-field-length", "branch-length", "on-us-symbol-missing"};
    }

    void lineJsonInEveryLanguage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, codes);
        const Run english = Exporter(arguments + QStringList{"--json"}, "config", "C");
        const Run french = Exporter(arguments + QStringList{"--json"}, "config", "fr_CA.UTF-8");
        QCOMPARE(english.status, 1);
        QCOMPARE(french.out, english.out);
        const QJsonObject answer = QJsonDocument::fromJson(english.out.toUtf8()).object();
        QStringList found;
        for (const auto &fault : answer["fault_codes"].toArray())
            found << fault.toObject().value("code").toString();
        QCOMPARE(found, codes);
        QCOMPARE(answer["faults"].toArray().size(), codes.size());
        // The same faults, in French for a person.
        const Run text = Exporter(arguments, "config", "fr_CA.UTF-8");
        QCOMPARE(text.status, 1);
        for (const auto &fault : answer["faults"].toArray())
            QVERIFY2(!text.out.contains(fault.toString()), qPrintable(text.out));
    }

    // Listing the profiles of a damaged file changes nothing: the file is
    // said, left where it is byte for byte, the status is 1 and the JSON
    // holds the problem and the printers that could be read.
    void damagedProfilesOnlyRead()
    {
        const QString path = dir_.filePath("damaged/micr-calibration/printers.ini");
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        const QByteArray damaged = "[General]\nversion=1\n\n[printer-Office]\nline=9\nqueue=Office\nweight=heavy\n\n"
                                   "[printer-Home]\nline=2\nqueue=Home\nweight=bold\n\n[printer-Attic]\nline=3\n";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(damaged);
        file.close();
        for (const QStringList &arguments : {QStringList{"profiles", "--json"}, QStringList{"--profiles"}}) {
            const Run run = Exporter(arguments, "damaged");
            QCOMPARE(run.status, 1);
            QVERIFY2(run.errors.contains(path) && run.errors.contains("left as it is"), qPrintable(run.errors));
            QVERIFY2(run.errors.contains("printer \"Office\"") && run.errors.contains("printer \"Attic\""),
                     qPrintable(run.errors));
            if (arguments.contains("--json")) {
                const QJsonObject answer = QJsonDocument::fromJson(run.out.toUtf8()).object();
                QVERIFY2(answer["problem"].toString().contains(path), qPrintable(run.out));
                QCOMPARE(answer["printers"].toArray().size(), 2);
            }
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), damaged);
            file.close();
            QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList({"printers.ini.damaged-*"}), QStringList());
        }
    }

    // The profile file is read from XDG_CONFIG_HOME.
    void profilesListed()
    {
        const Run run = Exporter({"profiles", "--json"});
        QCOMPARE(run.status, 0);
        const QJsonArray printers = QJsonDocument::fromJson(run.out.toUtf8()).array();
        QCOMPARE(printers.size(), 1);
        QCOMPARE(printers[0]["printer"].toString(), QString("Office"));
        QCOMPARE(printers[0]["measurement"]["readings_in"]["4"].toDouble(), 7.004);
    }

    void help_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : CommandNames)
            QTest::newRow(qPrintable(name)) << name;
    }

    // Each command has a line in the program's help and a help of its own.
    void help()
    {
        QFETCH(QString, name);
        const Run program = Exporter({"--help"});
        QCOMPARE(program.status, 0);
        const QStringList lines = program.out.split('\n');
        QVERIFY2(std::any_of(lines.begin(), lines.end(),
                             [&name](const QString &line) {
                                 return QRegularExpression(QString("^  %1( [A-Z]+)?  +[A-Z].*\\.$")
                                                               .arg(QRegularExpression::escape(name)))
                                     .match(line)
                                     .hasMatch();
                             }),
                 qPrintable(program.out));
        const Run own = Exporter({name, "--help"});
        QCOMPARE(own.status, 0);
        QVERIFY2(own.out.startsWith(QString("Usage: micr-calibration-page %1 [options]").arg(name)),
                 qPrintable(own.out));
        QVERIFY(own.out.contains("-h, --help"));
        QVERIFY(own.errors.isEmpty());
        QCOMPARE(Exporter({"help", name}).out, own.out);
    }

    void mistypedCommands_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("meant");
        QTest::newRow("a letter missing") << "mesure" << "measure";
        QTest::newRow("two swapped") << "plcae" << "place";
        QTest::newRow("singular") << "font" << "fonts";
        QTest::newRow("no hyphen") << "checkline" << "check-line";
        QTest::newRow("plural") << "pages" << "page";
        QTest::newRow("capitals") << "PROFILES" << "profiles";
        QTest::newRow("another word") << "lines" << "line";
    }

    void mistypedCommands()
    {
        QFETCH(QString, typed);
        QFETCH(QString, meant);
        const Run run = Exporter({typed, "3=7"});
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.errors.contains(QString("did you mean \"%1\"?").arg(meant)), qPrintable(run.errors));
    }

    // A command line refused.
    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        // Each command's refusals are tst_cli's, in process; here the
        // program's, said on stderr with status 2.
        QTest::newRow("no such option anywhere") << QStringList{"page", "--colour"} << "unknown argument \"--colour\"";
        QTest::newRow("two old tasks") << QStringList{"--measured", "3=7", "--profiles"}
                                       << "--profiles and --measured are different commands (profiles and measure)";
    }

    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = Exporter(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.errors.startsWith("micr-calibration-page: ") && run.errors.contains(message),
                 qPrintable(run.errors));
        const QString help = arguments.first().startsWith('-') ? "micr-calibration-page --help."
                                                               : QString("micr-calibration-page %1 --help.")
                                                                     .arg(arguments.first());
        QVERIFY2(run.errors.endsWith("Try " + help + "\n"), qPrintable(run.errors));
    }

    // settings PROGRAM: stdout, or the whole file; a remembered printer's
    // face and correction; what cannot be written said, with nothing written.
    void settings_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said"); // in stdout when written, else in stderr
        const QString fields = "layout=us,routing=021000021,onus=123456789C 1234";
        QTest::newRow("FreeCheck, Line 4") << QStringList{"settings", "freecheck", "--line", "4"} << 0
                                           << "MICRFontName = FerroW2Sample-Regular";
        QTest::newRow("old form") << QStringList{"--export-settings", "odoo", "--line", "2"} << 0
                                  << "Add to Check Left Margin:";
        QTest::newRow("GnuCash, bold, bottom cheque on A4")
            << QStringList{"settings", "gnucash", "--line", "5", "--bold", "--cheque", "bottom", "--paper", "a4",
                           "--micr-line", fields}
            << 0 << "Font = FerrodarkW Sample, 10";
        QTest::newRow("a remembered printer") << QStringList{"settings", "freecheck", "--printer", "Office"} << 0
                                              << "model from printer Office, calibrated for Line 4";
        QTest::newRow("a printer not remembered") << QStringList{"settings", "odoo", "--printer", "Nowhere"} << 1
                                                  << "no printer \"Nowhere\" is remembered";
        QTest::newRow("GnuCash without a line") << QStringList{"settings", "gnucash"} << 1
                                                << "compose your MICR line first";
        QTest::newRow("another program") << QStringList{"settings", "quicken"} << 2
                                         << "freecheck, gnucash or odoo, not \"quicken\"";
        QTest::newRow("a printer and a line") << QStringList{"settings", "odoo", "--printer", "Office", "--line", "2"}
                                              << 2 << "--printer or --line, not both";
    }

    void settings()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, said);
        const Run run = Exporter(arguments);
        QCOMPARE(run.status, status);
        if (status != 0) {
            QVERIFY(run.out.isEmpty());
            QVERIFY2(run.errors.contains(said), qPrintable(run.errors));
            return;
        }
        QVERIFY2(run.out.contains(said), qPrintable(run.out));
        QVERIFY2(run.errors.isEmpty(), qPrintable(run.errors));
        // -o writes the same.
        const QString file = dir_.filePath(QStringLiteral("settings-%1").arg(QTest::currentDataTag()));
        const Run written = Exporter(arguments + QStringList{"-o", file});
        QCOMPARE(written.status, 0);
        QVERIFY(written.out.isEmpty() && written.errors.isEmpty());
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(saved.readAll()), run.out);
    }

    // A file that cannot be written is said, and nothing is left behind.
    void settingsNotWritten()
    {
        const QString file = dir_.filePath("no-such-folder/micr.chk");
        const Run run = Exporter({"settings", "freecheck", "-o", file});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.errors.contains("could not write " + file), qPrintable(run.errors));
        QVERIFY(!QFile::exists(file));
        QVERIFY(run.out.isEmpty());
    }

    // A check-line TEXT that starts like an option, after "--".
    void argumentAfterDashes()
    {
        const Run run = Exporter({"check-line", "--json", "--", "-C12C"});
        QCOMPARE(run.status, 1);
        QVERIFY2(QJsonDocument::fromJson(run.out.toUtf8()).object()["faults"].toArray().size() > 0,
                 qPrintable(run.out));
    }
};

QTEST_MAIN(ExporterCommandsTest)
#include "tst_exporter_commands.moc"
