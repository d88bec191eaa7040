#pragma once

#include "standard/ChequeGeometry.h"

#include <QList>
#include <QMap>
#include <QString>

#include <optional>

// What a ruler says, as people type it, for both measuring windows and the
// exporter: lengths in inches, fractions, millimetres or centimetres, lists
// of named readings, and the cheque stock the placement page is laid out for.

// What a reading is of: each kind is taken its own way, and a refusal says
// how (Wording::HowToMeasure).
enum class ReadingKind {
    SampleLine,   // a calibration page's sample line, first mark to last
    ReferenceBar, // the placement page's 7-inch bar
    VerticalBar,  // its 2-inch vertical bar
    RightEdge,    // the paper's right edge to position 1's end
    BottomEdge,   // the cheque's bottom edge up to the baseline rule
    TopEdge,      // the paper's top edge down to the baseline rule
    ChequeHeight,
    ChequeWidth,
    Correction,   // the total correction a placement page's readings showed
};

// Where a reading of one kind can fall: a value outside is of something
// else.
struct LengthRange
{
    double shortest;
    double longest;
    ReadingKind kind;
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

// Why a typed length was refused, as data for the wording to say.
struct LengthFault
{
    enum class Kind {
        None,
        Empty,            // nothing typed
        NotALength,       // not a number, or a fraction over zero
        ImproperFraction, // 7 17/16: the fraction after a whole number is one or more
        Negative,
        Zero,             // zero where a reading must be more
        OutOfRange,       // a length, but not of this kind of reading
    };
    Kind kind = Kind::None;
    QString typed;         // as typed, spaces simplified
    double inches = 0;     // OutOfRange: the length it was read as
    bool meantMillimetres = false; // OutOfRange: a bare number that fits only as millimetres
    LengthRange range{};
};

// A length as people type it: 7.06, 7.06 in, 7.06", 7 1/16, 7-1/16 in,
// 179.3 mm, 179,3 mm, 17.93 cm. Inches, or none and why (`fault`, which may
// be null): not a length, an improper fraction, a length outside the range,
// or a bare number that makes sense only in millimetres.
std::optional<double> ReadLength(const QString &text, const LengthRange &range, LengthFault *fault);

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

// Why a NAME=LENGTH list was refused.
struct ReadingListFault
{
    enum class Kind { None, UnknownName, GivenTwice, BadLength };
    Kind kind = Kind::None;
    QString name;  // the item's name, lower-cased
    QString typed; // UnknownName: the item as typed
    LengthFault length; // BadLength: why its length was refused
};

// Reads NAME=LENGTH[,NAME=LENGTH...] as SplitNamedList does, each name at
// most once: the lengths in inches by name, or none and why.
std::optional<QMap<QString, double>> ReadReadingList(const QString &text, const QList<ReadingField> &fields,
                                                     ReadingListFault *fault);

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
std::optional<ChequeStock> ReadCustomStock(const QString &typed, double paperHeightInches, LengthFault *fault);
