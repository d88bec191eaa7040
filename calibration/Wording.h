#pragma once

#include "MicrLine.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

// Every answer of this layer is data; this is the one place that words it.
// The windows, step 3 and the exporter's text all show these sentences, so
// they never contradict one another, and the catalogues translate them here.
class Wording
{
    Q_DECLARE_TR_FUNCTIONS(Wording)

public:
    // Who reads the words: a person in their own language, or a script that
    // parses JSON and needs the same bytes in every locale (the program's own
    // US English, a point before decimals).
    enum class For { Reader, Script };

    // `sourceText` is marked where it is written, with
    // QT_TRANSLATE_NOOP("Wording", "..."), so that lupdate finds it.
    static QString Say(For audience, const char *sourceText, const char *disambiguation = nullptr, int n = -1);
    static QLocale Numbers(For audience);
    // A figure with `decimals` places, written as the audience writes numbers.
    static QString Figure(For audience, double value, int decimals);

    // ---- The MICR line's faults ----------------------------------------

    // A fault of the user's MICR line as one sentence; every fault, one a
    // sentence, in their order.
    static QString LineFault(For audience, const MicrLineFault &fault);
    static QStringList LineFaults(For audience, const MicrLineFaults &faults);

    // ---- Measurements, placement and profiles --------------------------
};
