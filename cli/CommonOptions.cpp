#include "CommonOptions.h"

#include "Command.h"

#include "pages/PageExport.h"
#include "answers/Readings.h"
#include "wording/ReadingWording.h"

#include <QCoreApplication>
#include <QMap>

#include <algorithm>

QCommandLineOption BoldOption(const QString &help)
{
    return {QStringLiteral("bold"), help};
}

QCommandLineOption JsonOption(const QString &what)
{
    return {QStringLiteral("json"), QCoreApplication::translate("Exporter", "Prints %1 instead of text.").arg(what)};
}

QCommandLineOption PaperOption()
{
    return {QStringLiteral("paper"),
            QCoreApplication::translate("Exporter", "letter (default) or a4. The calibration page starts a quarter inch in from the paper's "
                           "top and left edges; the placement page is measured from the paper's own edges, on 3-up "
                           "stock of the paper."),
            QStringLiteral("NAME")};
}

QCommandLineOption ChequeWidthOption()
{
    return {QStringLiteral("cheque-width"),
            QCoreApplication::translate("Exporter", "The check's width (default 8.5 in), for where the line's left end goes."),
            QStringLiteral("LENGTH")};
}

QList<QCommandLineOption> PlacementOptions()
{
    return {{QStringLiteral("cheque"), QCoreApplication::translate("Exporter", "The top (default), middle or bottom check of 3-up stock."),
             QStringLiteral("WHICH")},
            {QStringLiteral("cheque-height"),
             QCoreApplication::translate("Exporter", "The height of one check of 3-up stock, from 3 in to a third of the paper (default "
                            "3.5 in on Letter, 99 mm on A4)."),
             QStringLiteral("LENGTH")},
            {QStringLiteral("line"),
             QCoreApplication::translate("Exporter", "The page's MICR line is in the face of calibration line N (1 to 5, default 3); with "
                            "--bold, its bold face."),
             QStringLiteral("N")},
            {QStringLiteral("applied"),
             QCoreApplication::translate("Exporter", "The correction the page carries, as check-printing software applies it: its MICR "
                            "line, position 1's tick and the baseline rule moved RIGHT and UP inches (negative: "
                            "left and down), for example 0.04,-0.012. Readings of such a page give the move still "
                            "to make and the total."),
             QStringLiteral("RIGHT,UP")}};
}

QPageSize::PageSizeId ReadPaper(const QCommandLineParser &parser)
{
    if (!parser.isSet(QStringLiteral("paper")))
        return QPageSize::Letter;
    const QString text = parser.value(QStringLiteral("paper"));
    if (text.compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0)
        return QPageSize::Letter;
    if (text.compare(QLatin1String("a4"), Qt::CaseInsensitive) == 0)
        return QPageSize::A4;
    throw Refusal(RefusalKind::BadValue, QCoreApplication::translate("Exporter", "--paper is letter or a4, not \"%1\"").arg(text));
}

int ReadChoice(const QString &option, const QString &text, const QStringList &names)
{
    const qsizetype index = names.indexOf(text.toLower());
    if (index < 0)
        throw Refusal(RefusalKind::BadValue, QCoreApplication::translate("Exporter", "--%1 is %2 or %3, not \"%4\"")
                          .arg(option, names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.last(), text));
    return int(index);
}

Correction ReadCorrection(const QString &text)
{
    // As far as a correction the profiles keep goes.
    const LengthRange range{0, 1.5, ReadingKind::Correction};
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        throw Refusal(RefusalKind::BadValue, QCoreApplication::translate("Exporter", "--applied takes RIGHT,UP in inches (negative: left and down), not \"%1\"")
                          .arg(text));
    double moves[2] = {};
    for (int i = 0; i < 2; ++i) {
        QString part = parts[i].trimmed();
        const bool negative = part.startsWith(QLatin1Char('-')) || part.startsWith(QChar(0x2212));
        if (negative || part.startsWith(QLatin1Char('+')))
            part = part.mid(1);
        QString error;
        const std::optional<double> inches = ParseLength(part, range, &error);
        if (!inches)
            throw Refusal(RefusalKind::BadValue, QCoreApplication::translate("Exporter", "--applied: %1").arg(error.left(1).toLower() + error.mid(1)));
        moves[i] = negative ? -*inches : *inches;
    }
    return {moves[0], moves[1]};
}

PlacementLayout ReadPlacementLayout(const QCommandLineParser &parser, QPageSize::PageSizeId paper)
{
    PlacementLayout layout;
    layout.paperInches = PaperInches(paper);
    layout.stock = StockForPaper(layout.paperInches.height());
    if (parser.isSet(QStringLiteral("cheque")))
        layout.cheque = ChequePosition(ReadChoice(QStringLiteral("cheque"), parser.value(QStringLiteral("cheque")),
                                                  {QStringLiteral("top"), QStringLiteral("middle"),
                                                   QStringLiteral("bottom")}));
    if (parser.isSet(QStringLiteral("cheque-height"))) {
        QString error;
        const std::optional<ChequeStock> stock =
            CustomStock(parser.value(QStringLiteral("cheque-height")), layout.paperInches.height(), &error);
        if (!stock)
            throw Refusal(RefusalKind::BadValue, QCoreApplication::translate("Exporter", "--cheque-height: %1").arg(error.left(1).toLower() + error.mid(1)));
        layout.stock = *stock;
    }
    if (parser.isSet(QStringLiteral("line")))
        layout.line = ReadChoice(QStringLiteral("line"), parser.value(QStringLiteral("line")),
                                 {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                  QStringLiteral("4"), QStringLiteral("5")})
            + 1;
    layout.weight = parser.isSet(QStringLiteral("bold")) ? FontWeightChoice::Bold : FontWeightChoice::Standard;
    if (parser.isSet(QStringLiteral("applied")))
        layout.applied = ReadCorrection(parser.value(QStringLiteral("applied")));
    return layout;
}

double ReadChequeWidth(const QCommandLineParser &parser)
{
    if (!parser.isSet(QStringLiteral("cheque-width")))
        return DefaultChequeWidthInches;
    QString error;
    const std::optional<double> width =
        ParseLength(parser.value(QStringLiteral("cheque-width")), ChequeWidthRange(), &error);
    if (!width)
        throw Refusal(RefusalKind::BadValue, QCoreApplication::translate("Exporter", "--cheque-width: %1").arg(error.left(1).toLower() + error.mid(1)));
    return *width;
}

MicrFields ReadMicrFields(const QString &text, const QString &label)
{
    QMap<QString, QString> given;
    for (const NamedItem &item : SplitNamedList(text)) {
        if (item.name.isEmpty() || given.contains(item.name))
            throw Refusal(RefusalKind::MalformedArgument, QCoreApplication::translate("Exporter", "%1 takes KEY=VALUE pairs, each once, not \"%2\"")
                              .arg(label, item.typed));
        // A number given empty is one not given, as "needs routing=" says.
        given.insert(item.name, item.value.isEmpty() ? QString() : item.value);
    }
    const QString layout = given.take(QStringLiteral("layout")).toLower();
    MicrFields fields;
    QStringList needed;
    if (layout == QLatin1String("us")) {
        fields.layout = MicrLayout::US;
        fields.routing = given.take(QStringLiteral("routing"));
        fields.processingCode = given.take(QStringLiteral("epc"));
        needed = {QStringLiteral("routing"), QStringLiteral("onus")};
    } else if (layout == QLatin1String("ca")) {
        fields.layout = MicrLayout::Canada;
        fields.branch = given.take(QStringLiteral("branch"));
        fields.institution = given.take(QStringLiteral("institution"));
        needed = {QStringLiteral("branch"), QStringLiteral("institution"), QStringLiteral("onus")};
    } else {
        throw Refusal(RefusalKind::MalformedArgument, QCoreApplication::translate("Exporter", "%1 needs layout=us or layout=ca").arg(label));
    }
    const bool hasOnUs = given.contains(QStringLiteral("onus"));
    fields.onUs = given.take(QStringLiteral("onus"));
    fields.auxOnUs = given.take(QStringLiteral("aux"));
    if (!given.isEmpty())
        throw Refusal(RefusalKind::MalformedArgument, QCoreApplication::translate("Exporter", "%1 with layout=%2 takes no \"%3\"").arg(label, layout, given.firstKey()));
    for (const QString &key : needed) {
        const bool present = key == QLatin1String("onus") ? hasOnUs
            : key == QLatin1String("routing")             ? !fields.routing.isNull()
            : key == QLatin1String("branch")              ? !fields.branch.isNull()
                                                          : !fields.institution.isNull();
        if (!present)
            throw Refusal(RefusalKind::MalformedArgument, QCoreApplication::translate("Exporter", "%1 with layout=%2 needs %3=").arg(label, layout, key));
    }
    return fields;
}
