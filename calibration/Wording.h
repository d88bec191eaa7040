#pragma once

#include <QCoreApplication>
#include <QString>

// Every answer of this layer is data; this is the one place that words it.
// The windows, step 3 and the exporter's text all show these sentences, so
// they never contradict one another, and the catalogues translate them here.
class Wording
{
    Q_DECLARE_TR_FUNCTIONS(Wording)

public:
    // ---- The MICR line's faults ----------------------------------------

    // ---- Measurements, placement and profiles --------------------------
};
