// The exporter's commands run in process through the cli library, on string
// streams: each command's refusals, with their kind, and its boundaries.
// The program around them (exit statuses, the old forms) is
// tst_exporter_commands'.
#include "TestFiles.h"

#include "cli/Program.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<RefusalKind>)

namespace {

struct Ran
{
    int status;
    QString out;
    QString err;
};

const QString Fields = "layout=us,routing=021000021,onus=123456789C";

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    std::optional<CommandTable> table_;

    Ran RunLine(const QStringList &arguments) const
    {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        const int status = RunCommandLine(arguments, *table_, Console{outStream, errStream});
        outStream.flush();
        errStream.flush();
        return {status, out, err};
    }

    // The kind of refusal, where the command line is refused.
    std::optional<RefusalKind> KindRefused(const QStringList &arguments) const
    {
        QString ignored;
        QTextStream sink(&ignored);
        try {
            RunCommand(arguments, *table_, Console{sink, sink});
        } catch (const Refusal &refusal) {
            return refusal.kind();
        }
        return std::nullopt;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        // No printer remembered.
        qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toUtf8());
        table_.emplace(ExporterCommands());
    }

    void commands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<std::optional<RefusalKind>>("kind");
        // On stdout when the status is 0, on stderr otherwise.
        QTest::addColumn<QString>("said");
        using K = RefusalKind;
        const std::optional<RefusalKind> none;

        // The program: its commands by name, and its old forms.
        QTest::newRow("a name mistyped") << QStringList{"mesure", "3=7"} << 2 << std::optional(K::UnknownCommand)
                                         << "did you mean \"measure\"?";
        QTest::newRow("help on a command") << QStringList{"help", "measure"} << 0 << none
                                           << "Usage: micr-calibration-page measure [options] READINGS";
        QTest::newRow("two old forms") << QStringList{"--measured", "3=7", "--profiles"} << 2
                                       << std::optional(K::ConflictingOptions) << "--profiles and --measured";
        QTest::newRow("an old form's stray word") << QStringList{"-o", "x.pdf", "colour"} << 2
                                                  << std::optional(K::UnexpectedArgument) << "\"colour\"";

        // page: the file, its resolution's bounds, the placement page's options.
        QTest::newRow("page without a file") << QStringList{"page"} << 2 << std::optional(K::MissingOption) << "-o FILE";
        QTest::newRow("page to a text file") << QStringList{"page", "-o", "x.txt"} << 2 << std::optional(K::BadValue)
                                             << "\"x.txt\"";
        QTest::newRow("dpi least") << QStringList{"page", "--dpi", "50", "-o", "least.png"} << 0 << none << "";
        QTest::newRow("dpi below") << QStringList{"page", "--dpi", "49", "-o", "x.png"} << 2
                                   << std::optional(K::BadValue) << "49";
        QTest::newRow("dpi most") << QStringList{"page", "--dpi", "2400", "-o", "most.pdf"} << 0 << none << "";
        QTest::newRow("dpi above") << QStringList{"page", "--dpi", "300x2401", "-o", "x.pdf"} << 2
                                   << std::optional(K::BadValue) << "2401";
        QTest::newRow("dpi not a number") << QStringList{"page", "--dpi", "high", "-o", "x.pdf"} << 2
                                          << std::optional(K::BadValue) << "\"high\"";
        QTest::newRow("line on the calibration page") << QStringList{"page", "--line", "3", "-o", "x.pdf"} << 2
                                                      << std::optional(K::OptionOutOfPlace)
                                                      << "--line is for the placement page: add --page placement";
        QTest::newRow("the user's line on the calibration page")
            << QStringList{"page", "--micr-line", Fields, "-o", "x.pdf"} << 2 << std::optional(K::OptionOutOfPlace)
            << "--micr-line prints on the placement page";
        QTest::newRow("no such option") << QStringList{"page", "--colour"} << 2 << std::optional(K::UnknownOption)
                                        << "\"--colour\"";
        QTest::newRow("value missing") << QStringList{"page", "-o", "x.pdf", "--dpi"} << 2
                                       << std::optional(K::MissingValue) << "--dpi needs";
        QTest::newRow("short options run together, value missing")
            << QStringList{"page", "-ho"} << 2 << std::optional(K::MissingValue) << "-ho needs";
        QTest::newRow("a value to a short switch") << QStringList{"page", "-h=1"} << 2
                                                   << std::optional(K::UnexpectedValue) << "-h takes";

        // measure: its readings' form, each line at most once, lines 1 to 5.
        QTest::newRow("measured at 7 in") << QStringList{"measure", "3=7 1/64", "--json"} << 0 << none
                                          << "\"face\": \"Ferro Sample\"";
        QTest::newRow("no readings") << QStringList{"measure", "--bold"} << 2 << std::optional(K::MissingArgument)
                                     << "measure needs READINGS";
        QTest::newRow("two arguments") << QStringList{"measure", "3=7", "4=7"} << 2
                                       << std::optional(K::UnexpectedArgument) << "unknown argument \"4=7\"";
        QTest::newRow("line 5") << QStringList{"measure", "5=7"} << 0 << none << "Line 5";
        // A decimal comma as a French user types it, in measure and place
        // alike: a comma starts another reading only before NAME=.
        QTest::newRow("decimal comma") << QStringList{"measure", "3=7,003"} << 0 << none << "7.003 in";
        QTest::newRow("decimal comma, then a reading") << QStringList{"measure", "3=7,003,3=7"} << 2
                                                       << std::optional(K::BadValue) << "line 3";
        QTest::newRow("line 6") << QStringList{"measure", "6=7"} << 2 << std::optional(K::BadValue) << "6";
        QTest::newRow("not a line") << QStringList{"measure", "x=7"} << 2 << std::optional(K::MalformedArgument)
                                    << "measure takes";
        QTest::newRow("a name after a reading") << QStringList{"measure", "3=7,x=7"} << 2
                                                << std::optional(K::MalformedArgument) << "\"x=7\"";
        QTest::newRow("a line twice before a name")
            << QStringList{"measure", "3=7,3=7,x=1"} << 2 << std::optional(K::BadValue) << "line 3";
        QTest::newRow("not a length") << QStringList{"measure", "3=seven"} << 2 << std::optional(K::BadValue)
                                      << "seven";
        QTest::newRow("a placement option") << QStringList{"measure", "3=7", "--cheque", "top"} << 2
                                            << std::optional(K::OptionOfAnotherCommand)
            << "--cheque is for page, place, cheque, scan and settings; measure takes no --cheque";
        QTest::newRow("a file") << QStringList{"measure", "3=7", "-o", "x.pdf"} << 2
                                << std::optional(K::OptionOfAnotherCommand)
                                << "-o writes a page or file (for page and settings); measure writes no file";
        QTest::newRow("values to two switches: the last said")
            << QStringList{"measure", "3=7", "--json=1", "--bold=2"} << 2 << std::optional(K::UnexpectedValue)
            << "--bold takes no value";
        QTest::newRow("a value to JSON") << QStringList{"measure", "3=7", "--json=yes"} << 2
                                         << std::optional(K::UnexpectedValue) << "--json takes no value";

        // place: the readings it needs, the page as printed.
        QTest::newRow("where the standard puts it")
            << QStringList{"place", "bar=7,right=5/16,bottom=3/16", "--json"} << 0 << none
            << "\"within_tolerance\": true";
        QTest::newRow("decimal commas placed")
            << QStringList{"place", "bar=7,03,right=0,32,bottom=0,19"} << 0 << none << "the bar is 7.030 in";
        QTest::newRow("no baseline") << QStringList{"place", "bar=7,right=1"} << 2
                                     << std::optional(K::MalformedArgument) << "bottom or top";
        QTest::newRow("an unknown reading") << QStringList{"place", "bar=7,right=1,bottom=1,side=2"} << 2
                                            << std::optional(K::MalformedArgument) << "\"side=2\"";
        QTest::newRow("a reading twice") << QStringList{"place", "bar=7,bar=7"} << 2 << std::optional(K::BadValue)
                                         << "bar";
        QTest::newRow("line value last") << QStringList{"place", "bar=7,right=1,bottom=1", "--line"} << 2
                                         << std::optional(K::MissingValue) << "--line needs a value";
        QTest::newRow("no line 6") << QStringList{"place", "bar=7,right=1,bottom=1", "--line", "6"} << 2
                                   << std::optional(K::BadValue) << "\"6\"";
        QTest::newRow("another paper") << QStringList{"place", "bar=7,right=1,bottom=1", "--paper", "b5"} << 2
                                       << std::optional(K::BadValue) << "\"b5\"";
        QTest::newRow("one move applied") << QStringList{"place", "bar=7,right=1,bottom=1", "--applied", "0.04"}
                                          << 2 << std::optional(K::BadValue) << "\"0.04\"";
        QTest::newRow("a resolution") << QStringList{"place", "bar=7,right=1,bottom=1", "--dpi", "300"} << 2
                                      << std::optional(K::OptionOutOfPlace) << "--dpi goes with --scan";

        // A scan's options, refused before any helper runs.
        QTest::newRow("a scan's resolution not a number") << QStringList{"scan", "x.png", "--dpi", "abc"} << 2
                                                          << std::optional(K::BadValue) << "not \"abc\"";
        QTest::newRow("a scan's resolution nought") << QStringList{"measure", "--scan", "x.png", "--dpi", "0"} << 2
                                                    << std::optional(K::BadValue) << "not \"0\"";
        QTest::newRow("a ruler without a scan") << QStringList{"measure", "3=7", "--ruler", "3=7"} << 2
                                                << std::optional(K::OptionOutOfPlace) << "--ruler goes with --scan";
        QTest::newRow("a ruler on two lines") << QStringList{"measure", "--scan", "x.png", "--ruler", "3=7,4=7"} << 2
                                              << std::optional(K::BadValue) << "\"3=7,4=7\"";
        QTest::newRow("a ruler on line 6") << QStringList{"measure", "--scan", "x.png", "--ruler", "6=7"} << 2
                                           << std::optional(K::BadValue) << "no line 6";
        QTest::newRow("a ruler read as no length") << QStringList{"measure", "--scan", "x.png", "--ruler", "3=abc"}
                                                   << 2 << std::optional(K::BadValue) << "\"abc\"";

        // line and check-line: the fields' form and the cheque's width.
        QTest::newRow("a line composed") << QStringList{"line", Fields} << 0 << none << "A021000021A";
        QTest::newRow("no layout") << QStringList{"line", "routing=021000021"} << 2
                                   << std::optional(K::MalformedArgument) << "layout=us or layout=ca";
        QTest::newRow("a key twice") << QStringList{"line", Fields + ",onus=2C"} << 2
                                     << std::optional(K::MalformedArgument) << "onus=2C";
        QTest::newRow("paper to line") << QStringList{"line", Fields, "--paper", "a4"} << 2
                                       << std::optional(K::OptionOfAnotherCommand) << "--paper is for page, place, scan and settings";
        QTest::newRow("a cheque 2 in wide") << QStringList{"line", Fields, "--cheque-width", "2"} << 2
                                            << std::optional(K::BadValue) << "--cheque-width";
        QTest::newRow("nothing to check") << QStringList{"check-line"} << 2 << std::optional(K::MissingArgument)
                                          << "TEXT";
        QTest::newRow("a line like an option") << QStringList{"check-line", "--", "-C12C"} << 1 << none << "";

        // cheque: the file and the printer it is checked against.
        QTest::newRow("a cheque in Line 1's face")
            << QStringList{"cheque", QStringLiteral(MICR_SOURCE_DIR "/tests/data/gnucash-cheque-line1.pdf"), "--line",
                           "1"}
            << 0 << none << "A121000248A";
        QTest::newRow("no such cheque") << QStringList{"cheque", dir_.filePath("none.pdf")} << 2 << none
                                        << dir_.filePath("none.pdf");
        QTest::newRow("a printer and a line") << QStringList{"cheque", "x.pdf", "--printer", "Office", "--line", "2"}
                                              << 2 << std::optional(K::ConflictingOptions) << "--printer";
        QTest::newRow("a printer not remembered") << QStringList{"cheque", "x.pdf", "--printer", "Nowhere"} << 2
                                                  << std::optional(K::NotAvailable) << "\"Nowhere\"";

        // profiles, fonts, settings.
        QTest::newRow("no printers") << QStringList{"profiles", "--json"} << 0 << none << "[\n]\n";
        QTest::newRow("an argument to profiles") << QStringList{"profiles", "all"} << 2
                                                 << std::optional(K::UnexpectedArgument) << "unknown argument \"all\"";
        QTest::newRow("the test faces") << QStringList{"fonts"} << 0 << none << "FerrodarkW Sample";
        QTest::newRow("JSON from fonts") << QStringList{"fonts", "--json"} << 2
                                         << std::optional(K::OptionOfAnotherCommand) << "fonts takes no --json";
        QTest::newRow("settings for another program") << QStringList{"settings", "quicken"} << 2
                                                      << std::optional(K::BadValue) << "\"quicken\"";
        QTest::newRow("settings for a printer and a line")
            << QStringList{"settings", "odoo", "--printer", "Office", "--line", "2"} << 2
            << std::optional(K::ConflictingOptions) << "--printer";
        QTest::newRow("settings for a printer not remembered")
            << QStringList{"settings", "odoo", "--printer", "Nowhere"} << 1 << none << "\"Nowhere\"";
    }

    void commands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(std::optional<RefusalKind>, kind);
        QFETCH(QString, said);
        const WorkingDirectory here(dir_.path());
        const Ran ran = RunLine(arguments);
        QCOMPARE(ran.status, status);
        QCOMPARE(KindRefused(arguments), kind);
        const QString &where = status == 0 ? ran.out : ran.err;
        QVERIFY2(where.contains(said), qPrintable(where));
        if (status == 0)
            QVERIFY2(ran.err.isEmpty(), qPrintable(ran.err));
        if (kind) {
            // Said on stderr alone, pointing to the help of the command refused.
            QVERIFY(ran.out.isEmpty());
            const bool program = arguments.first().startsWith('-') || *kind == RefusalKind::UnknownCommand;
            QVERIFY2(ran.err.startsWith("micr-calibration-page: "), qPrintable(ran.err));
            QVERIFY2(ran.err.endsWith(program ? QString("Try micr-calibration-page --help.\n")
                                              : QString("Try micr-calibration-page %1 --help.\n").arg(arguments.first())),
                     qPrintable(ran.err));
        }
        // A page asked for is written, or nothing is.
        const qsizetype output = arguments.indexOf("-o");
        if (output >= 0 && output + 1 < arguments.size())
            QCOMPARE(QFile::exists(arguments[output + 1]), status == 0);
    }
};

QTEST_MAIN(CliTest)
#include "tst_cli.moc"
