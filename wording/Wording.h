#pragma once

#include "answers/PlacementLayout.h"
#include "answers/Readings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

// Every answer is data; the wording/ layer is the one place that words it,
// for a person in their own language or for a script. The windows, step 3
// and the exporter's text all show these sentences, so they never
// contradict one another, and the catalogues translate them here. This
// header holds what every subject's sentences share; each subject has a
// header of its own beside it.
namespace Wording {

// Who reads the words: a person in their own language, or a script that
// parses JSON and needs the same bytes in every locale (the program's own
// US English, a point before decimals).
enum class For { Reader, Script };

// `sourceText` is marked where it is written, with
// QT_TRANSLATE_NOOP("Wording", "..."), so that lupdate finds it.
QString Say(For audience, const char *sourceText, const char *disambiguation = nullptr, int n = -1);
QLocale Numbers(For audience);
// A figure with `decimals` places, written as the audience writes numbers.
QString Figure(For audience, double value, int decimals);

// A day as the audience writes it: "2 déc. 2026" in the reader's locale,
// "2 Dec 2026" for a script; "no date" for none.
QString Date(For audience, const QDateTime &when);

// "a, b and c" as the audience joins a list: the reader's locale's words,
// the program's own English under the C locale and for a script.
QString Listed(For audience, const QStringList &items);

// A length as shown everywhere: "7.010 in (178.05 mm)".
QString LengthOf(For audience, double inches);
// A stock of 3-up cheques: "3-up on Letter, 3.5 in a check".
QString Stock(For audience, const ChequeStock &stock);
// A MICR line field's name ("transit", "on-us") as a sentence or a
// table says it; JSON keeps the name itself.
QString FieldName(For audience, const QString &name);

// A residual from 7 in: "+0.004 in (+0.10 mm)"; one that shows as zero
// has no sign.
QString Residual(For audience, double inches);

// A move of the MICR line in check-printing software, right (up) when
// positive: "right 0.020 in (0.51 mm, 20/1000 in)", or with Brief
// "right 0.020 in". A move that shows as 0.000 has no direction.
enum class Axis { Across, Upright };
enum Length { Full, Brief };
QString Move(For audience, double inches, Axis axis, Length length = Full);
// "right 0.020 in (...) and down 0.010 in (...)".
QString Moves(For audience, double right, double up, Length length = Full);

// "the top check"
QString ChequeOnSheet(For audience, ChequePosition cheque);
// "3-up on Letter, 3.5 in a check", as the placement's answer says it.
QString ChequeStockName(For audience, const ChequeStock &stock);

} // namespace Wording

// Pieces the subjects' sentences share: figures as shown, limits, faces,
// cheques and stocks, in the audience's words.
namespace Wording::Parts {

// A figure as shown, rounded once (ShownFigure), in the audience's numbers.
QString Shown(For audience, double value, int decimals);
// "+0.004": a figure that shows as zero has no sign.
QString Signed(For audience, double value, int decimals);
// "0.25", "7", "2.5": a limit as people write it.
QString Limit(For audience, double inches);
QString FaceName(CalibrationLine line, FontWeightChoice weight);
// "top", "middle" or "bottom", as a sentence names the check.
QString ChequeWord(For audience, ChequePosition position);
// "3-up on Letter, 3.5 in a check".
QString StockWords(For audience, const ChequeStock &stock);
// "the top check", marked for the catalogue.
const char *ChequeOnSheetSource(ChequePosition cheque);

} // namespace Wording::Parts
