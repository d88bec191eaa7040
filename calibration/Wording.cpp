#include "Wording.h"

QString Wording::Say(For audience, const char *sourceText, const char *disambiguation, int n)
{
    if (audience == For::Reader)
        return tr(sourceText, disambiguation, n);
    QString text = QString::fromUtf8(sourceText);
    // As tr() would without a catalogue: %n is the count.
    if (n >= 0)
        text.replace(QLatin1String("%n"), QString::number(n));
    return text;
}

QLocale Wording::Numbers(For audience)
{
    return audience == For::Reader ? QLocale() : QLocale::c();
}

QString Wording::Figure(For audience, double value, int decimals)
{
    QLocale numbers = Numbers(audience);
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    return numbers.toString(value, 'f', decimals);
}

// ---- The MICR line's faults ----------------------------------------------

// ---- Measurements, placement and profiles --------------------------------
