// Builds the help pages and documents from their sources, putting in the
// vendor's details from the one place that holds them.
//   docbuilder expand IN OUT       copies a text file, details put in
//   docbuilder expand-us IN OUT    the same, in US spelling: the help is
//                                  written once, in Canadian English
//   docbuilder pdf IN.html OUT.pdf  renders an HTML page to a Letter PDF
#include "common/VendorDetails.h"

#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>

#include <cstdio>

namespace {

QString Expand(QString text)
{
    const struct
    {
        const char *key;
        const char *value;
    } details[] = {
        {"COMPANY", Vendor::CompanyName},         {"STREET", Vendor::StreetAddress},
        {"CITY", Vendor::CityLine},               {"PHONE", Vendor::PhoneNumber},
        {"FAX", Vendor::FaxNumber},               {"ORDERPHONE", Vendor::OrderPhoneNumber},
        {"WEBHOST", Vendor::WebHost},             {"GAUGEHOST", Vendor::GaugeWebHost},
        {"ORDERPAGE", Vendor::FontSetOrderPage},  {"GAUGEORDERPAGE", Vendor::GaugeOrderPage},
        {"VERSION", Vendor::Version},
    };
    for (const auto &detail : details)
        text.replace(QStringLiteral("{{%1}}").arg(QLatin1String(detail.key)), QString::fromUtf8(detail.value));
    return text;
}

// "cheque" as the US writes it, "check", in what a reader reads: text and
// the table of contents' names and the pictures' words, never in code (the `cheque` command, the
// --cheque option, JSON keys) nor in a link.
QString InUsSpelling(const QString &text)
{
    static const QRegularExpression piece(
        QStringLiteral("(<(code|pre|kbd|tt)\\b.*?</\\2>)|(<param name=\"Name\" value=\")|(<[^>]*>)|([^<]+)"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression cheque(QStringLiteral("(?<![-\\w])([Cc])heque(s?)(?![\\w.]*\\.html)\\b"));
    // A name in the table of contents is its tag's opening, then text.
    QString out;
    for (auto match = piece.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch next = match.next();
        QString part = next.captured();
        if (next.hasCaptured(5)) {
            part.replace(cheque, QStringLiteral("\\1heck\\2"));
        } else if (next.hasCaptured(4)) {
            // A picture's words, as a screen reader says them.
            static const QRegularExpression alt(QStringLiteral("\\balt=\"[^\"]*\""));
            if (const QRegularExpressionMatch words = alt.match(part); words.hasMatch())
                part.replace(words.capturedStart(), words.capturedLength(),
                             QString(words.captured()).replace(cheque, QStringLiteral("\\1heck\\2")));
        }
        out += part;
    }
    return out;
}

bool Read(const char *path, QString *text)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *text = Expand(QString::fromUtf8(file.readAll()));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: docbuilder expand|pdf IN OUT\n");
        return 2;
    }
    const QString mode = QString::fromLatin1(argv[1]);
    QString text;
    if (!Read(argv[2], &text)) {
        std::fprintf(stderr, "docbuilder: cannot read %s\n", argv[2]);
        return 1;
    }
    if (mode == QLatin1String("expand-us"))
        text = InUsSpelling(text);
    if (mode == QLatin1String("expand") || mode == QLatin1String("expand-us")) {
        QFile out(QString::fromLocal8Bit(argv[3]));
        if (!out.open(QIODevice::WriteOnly) || out.write(text.toUtf8()) < 0) {
            std::fprintf(stderr, "docbuilder: cannot write %s\n", argv[3]);
            return 1;
        }
        return 0;
    }
    QTextDocument document;
    document.setHtml(text);
    QPdfWriter writer(QString::fromLocal8Bit(argv[3]));
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("MICR calibration"));
    document.print(&writer);
    return 0;
}
