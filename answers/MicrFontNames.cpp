#include "answers/MicrFontNames.h"

#include <QRegularExpression>

namespace {

// A name as compared: without spaces and hyphens, in small letters.
QString Squeezed(const QString &name)
{
    QString squeezed = name;
    squeezed.remove(QLatin1Char(' ')).remove(QLatin1Char('-'));
    return squeezed.toLower();
}

} // namespace

QString FontBaseName(const QString &embedded)
{
    // A subset's six capitals and a plus; a style after a hyphen or comma.
    // Converters join a family's words with hyphens too ("Ferro-Sample"),
    // so only a style's own words are taken off.
    static const QRegularExpression subset(QStringLiteral("^[A-Z]{6}\\+"));
    static const QRegularExpression style(
        QStringLiteral("[-,](Regular|Roman|Book|Normal|Medium|Bold|Italic|Oblique|BoldItalic|BoldOblique)$"));
    QString name = embedded;
    name.remove(subset);
    name.remove(style);
    return name;
}

std::optional<std::pair<CalibrationLine, FontWeightChoice>> FaceOfFont(const QString &embedded)
{
    const QString base = Squeezed(FontBaseName(embedded));
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        for (FontWeightChoice weight : {FontWeightChoice::Standard, FontWeightChoice::Bold}) {
            if (base == Squeezed(QString::fromLatin1(MicrFaceName(line, weight))))
                return std::make_pair(line, weight);
        }
    }
    return std::nullopt;
}

bool IsMicrFont(const QString &embedded)
{
    const QString base = Squeezed(FontBaseName(embedded));
    return FaceOfFont(embedded) || base.contains(QLatin1String("micr")) || base.contains(QLatin1String("e13b"));
}

QString FaceDisplayName(const QString &embedded)
{
    if (const auto face = FaceOfFont(embedded))
        return QString::fromLatin1(MicrFaceName(face->first, face->second));
    return FontBaseName(embedded);
}
