#pragma once

#include "standard/ChequeGeometry.h"

#include <QList>
#include <QMap>
#include <QString>

#include <optional>

// What a ruler says, as people type it, for both measuring windows and the
// exporter: lengths in inches, fractions, millimetres or centimetres, lists
// of named readings, and the cheque stock the placement page is laid out for.

// Where a reading of one kind can fall, and how it is taken: a value outside
// is of something else, and the message says how to measure it.
struct LengthRange
{
    double shortest;
    double longest;
    QString howToMeasure;
};

// A sample line of the calibration page, on a page printed near 100 %.
LengthRange SampleLineRange();
// The placement page's readings: its 7-inch bar, its 2-inch vertical bar,
// position 1's end from the paper's right edge, the baseline from the
// cheque's bottom edge and from the paper's top edge.
LengthRange ReferenceBarRange();
LengthRange VerticalBarRange();
LengthRange RightEdgeRange();
LengthRange BottomEdgeRange();
LengthRange TopEdgeRange();
// On paper `paperHeightInches` tall: a reading past its bottom edge is of
// something else.
LengthRange TopEdgeRange(double paperHeightInches);
// A cheque's width, for where its MICR line's left end goes.
LengthRange ChequeWidthRange();

// A length as people type it: 7.06, 7.06 in, 7.06", 7 1/16, 7-1/16 in,
// 179.3 mm, 179,3 mm, 17.93 cm. Returns inches, or none with a message that
// says what is wrong: not a length, an improper fraction, a length outside
// the range (with the range and how to measure), or a bare number that
// makes sense only in millimetres ("did you mean 179.3 mm?").
std::optional<double> ParseLength(const QString &text, const LengthRange &range, QString *error);

// "0.25", "7", "2.5": a limit as people write it.
QString FormatLimit(double inches);

// "7.062 in (179.37 mm)"
QString FormatLength(double inches);

// ShownFigure() written out with its `decimals` places.
QString FormatShown(double value, int decimals);

// One named reading of a list such as "bar=7,right=5/16": its name and range.
struct ReadingField
{
    QString name;
    LengthRange range;
};

// One item of a NAME=VALUE[,NAME=VALUE...] list: its name lower-cased
// (empty when the item has no "NAME="), its value, and the item as typed.
struct NamedItem
{
    QString name;
    QString value;
    QString typed;
};

// The one grammar of every NAME=VALUE list the program reads: a comma
// starts a new item only before "NAME=", so "179,3 mm" keeps its comma.
QList<NamedItem> SplitNamedList(const QString &text);

// Reads NAME=LENGTH[,NAME=LENGTH...] as SplitNamedList does. Each name at
// most once.
// Returns the lengths in inches by name, or none with *error saying what
// is wrong (`form` is the list's form for that message).
std::optional<QMap<QString, double>> ParseReadingList(const QString &text, const QList<ReadingField> &fields,
                                                      const QString &form, QString *error);

// Cheque stock: cheques of one height stacked from the paper's top edge,
// three to a sheet, as wide as the paper.
struct ChequeStock
{
    double chequeInches;
    bool custom = false;

    // "3-up on Letter, 3.5 in a cheque", "3-up on A4, 99 mm a cheque", "3-up,
    // 3.667 in a cheque".
    QString Name() const;
    // Letter's or A4's own stock, or a height typed.
    StockKind Kind() const { return custom ? StockKind::Custom : StockKindOfHeight(chequeInches); }
    // The paper it is laid out on.
    QSizeF PaperInches() const;
};

ChequeStock LetterStock();
ChequeStock A4Stock();
// The usual stock for a paper `heightInches` tall: A4's 99 mm cheques on
// paper taller than Letter, as shown, Letter's 3.5 in otherwise.
ChequeStock StockForPaper(double heightInches);
// The stock a cheque `chequeInches` tall is (StockKindOfHeight()).
ChequeStock StockOfHeight(double chequeInches);
// What a cheque of 3-up stock may measure on paper `paperHeightInches` tall:
// from 3 in to a third of the paper, as shown (3.667 in on Letter). The
// window and the exporter both judge a typed height by it.
LengthRange ChequeHeightRange(double paperHeightInches);
// A cheque height the user typed, for paper `paperHeightInches` tall: three
// must fit on the sheet.
std::optional<ChequeStock> CustomStock(const QString &typed, double paperHeightInches, QString *error);
