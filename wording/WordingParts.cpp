#include "wording/Wording.h"

namespace Wording::Parts {

// A figure as shown, rounded once (ShownFigure), in the audience's numbers.
QString Shown(Wording::For audience, double value, int decimals)
{
    return Wording::Figure(audience, ShownFigure(value, decimals), decimals);
}

// "+0.004": a figure that shows as zero has no sign.
QString Signed(Wording::For audience, double value, int decimals)
{
    const double shown = ShownFigure(value, decimals);
    return (shown > 0 ? QStringLiteral("+") : QString()) + Wording::Figure(audience, shown, decimals);
}

// "0.25", "7", "2.5": a limit as people write it.
QString Limit(Wording::For audience, double inches)
{
    QLocale numbers = Wording::Numbers(audience);
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    return numbers.toString(ShownInches(inches), 'g', 4);
}

QString FaceName(CalibrationLine line, FontWeightChoice weight)
{
    return QString::fromLatin1(MicrFaceName(line, weight));
}

// "top", "middle" or "bottom", as a sentence names the check.
QString ChequeWord(Wording::For audience, ChequePosition position)
{
    static const struct
    {
        const char *source;
        const char *comment;
    } names[] = {QT_TRANSLATE_NOOP3("Wording", "top", "which check of three"),
                 QT_TRANSLATE_NOOP3("Wording", "middle", "which check of three"),
                 QT_TRANSLATE_NOOP3("Wording", "bottom", "which check of three")};
    return Wording::Say(audience, names[int(position)].source, names[int(position)].comment);
}

// "3-up on Letter, 3.5 in a check".
QString StockWords(Wording::For audience, const ChequeStock &stock)
{
    switch (stock.Kind()) {
    case StockKind::Letter:
        return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "3-up on Letter, 3.5 in a check"));
    case StockKind::A4:
        return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "3-up on A4, 99 mm a check"));
    case StockKind::Custom:
        break;
    }
    return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "3-up, %1 in (%2 mm) a check"))
        .arg(Wording::Figure(audience, stock.chequeInches, 3),
             Wording::Figure(audience, MillimetresFromInches(stock.chequeInches), 1));
}

const char *ChequeOnSheetSource(ChequePosition cheque)
{
    static const char *const names[] = {QT_TRANSLATE_NOOP("Wording", "the top check"),
                                        QT_TRANSLATE_NOOP("Wording", "the middle check"),
                                        QT_TRANSLATE_NOOP("Wording", "the bottom check")};
    return names[int(cheque)];
}

} // namespace Wording::Parts
