#pragma once

#include "answers/Readings.h"

#include <QString>

// Readings as people type them, refused in words: how each kind of reading
// is taken, and why a typed length is not one.
namespace Wording {

// "Measure the reference bar from its first tick to its last."
QString HowToMeasure(ReadingKind kind);
// Why a typed length was refused, with the range and how to measure where
// it was out of range.
QString LengthFaultOf(const LengthFault &fault);

} // namespace Wording

// ReadLength(), its refusal in words in *error.
std::optional<double> ParseLength(const QString &text, const LengthRange &range, QString *error);
// ReadReadingList(), its refusal in words in *error and as data in *fault
// (which may be null); `form` is the list's form ("bar=LENGTH,...") for that
// message.
std::optional<QMap<QString, double>> ParseReadingList(const QString &text, const QList<ReadingField> &fields,
                                                      const QString &form, QString *error,
                                                      ReadingListFault *fault = nullptr);
// ReadCustomStock(), its refusal in words in *error.
std::optional<ChequeStock> CustomStock(const QString &typed, double paperHeightInches, QString *error);

// "0.25", "7", "2.5": a limit as people write it.
QString FormatLimit(double inches);
// "7.062 in (179.37 mm)"
QString FormatLength(double inches);
// ShownFigure() written out with its `decimals` places.
QString FormatShown(double value, int decimals);
