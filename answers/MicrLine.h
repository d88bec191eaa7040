#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The user's own MICR line: composed from the bank's details into the E-13B
// fields, or checked as typed, with every fault named. Positions are
// numbered from the right: position 1 ends 5/16 in from the cheque's right
// edge, each is 0.125 in wide, and there are 65.
//
// US layout: amount 1-12 (left blank: the bank of first deposit encodes it),
// 13 blank, on-us 14-32, transit 33-43 (symbol, 9-digit routing number with
// its check digit at 34, symbol), external processing code 44, auxiliary
// on-us 45-65. Canada: the same places, the transit field holding symbol,
// 5-digit branch, dash, 3-digit institution, symbol.

enum class MicrLayout { US, Canada };
// The layout of the banks where the user lives: Canada's for a Canadian
// locale, the US one elsewhere.
MicrLayout HomeMicrLayout(const QLocale &locale);

// What the user types: the bank's numbers and the fields as printed on a
// cheque the bank printed. Symbols may be typed as the face's letters
// (A transit, B amount, C on-us, D dash), its punctuation (: ; < =) or the
// E-13B characters themselves.
struct MicrFields
{
    MicrLayout layout = MicrLayout::US;
    QString routing;     // US
    QString branch;      // Canada
    QString institution; // Canada
    QString onUs;
    QString auxOnUs;
    QString processingCode;

    bool empty() const
    {
        return routing.isEmpty() && branch.isEmpty() && institution.isEmpty() && onUs.isEmpty() && auxOnUs.isEmpty()
            && processingCode.isEmpty();
    }
    friend bool operator==(const MicrFields &a, const MicrFields &b)
    {
        return a.layout == b.layout && a.routing == b.routing && a.branch == b.branch
            && a.institution == b.institution && a.onUs == b.onUs && a.auxOnUs == b.auxOnUs
            && a.processingCode == b.processingCode;
    }
    friend bool operator!=(const MicrFields &a, const MicrFields &b) { return !(a == b); }
};

// One field of a line: its name, its leftmost and rightmost positions (first
// is the larger number) and its characters, in the face's letters.
struct MicrField
{
    QString name;
    int first = 0;
    int last = 0;
    QString text;
};

// The parts of a line a fault can concern: its fields, the bank's numbers
// inside the transit field, position 13 between amount and on-us, and the
// line as a whole.
enum class MicrPart {
    Line, Amount, Blank, OnUs, Transit, Routing, Branch, Institution, ProcessingCode, AuxOnUs,
};

// Where the standard puts a part, as the positions a field has: the
// leftmost (larger) and the rightmost. The line is 65 to 1.
struct MicrSpan
{
    int first = 0;
    int last = 0;
};
MicrSpan StandardPositions(MicrPart part);
// The part's name for scripts: "transit", "routing", "on-us"...
QString MicrPartCode(MicrPart part);

// Every rule a line can break. `texts` and `numbers` of a fault hold the
// values involved, in the order each kind lists them.
enum class MicrFaultKind {
    LineEmpty,
    Hyphen,                     // texts: the character
    Unprintable,                // texts: the character
    TransitSymbolCount,         // numbers: how many there are
    TransitPushedByOnUs,        // numbers: first, last where it stands; the on-us field's length
    TransitShiftedLeft,         // numbers: first, last where it stands
    TransitNumberLength,        // numbers: first, last where it stands
    TransitShiftedRight,        // numbers: first, last where it stands
    BranchMissing,
    BranchWholeTransitNumber,   // texts: the number, its branch part, its institution part
    BranchLength,               // texts: the branch number
    InstitutionMissing,
    InstitutionLength,          // texts: the institution number
    InstitutionSecondDash,      // texts: the institution number, a dash symbol in it
    RoutingMissing,
    RoutingNotDigits,           // texts: the routing number
    RoutingCanadianNumber,      // texts: its branch part, its institution part
    RoutingLength,              // numbers: its digits
    RoutingElectronicPrefix,    // texts: the prefix
    RoutingPrefix,              // texts: the prefix
    RoutingCheckDigit,          // numbers: the check digit, the one the others make
    ProcessingCodeLength,       // texts: the code
    ProcessingCodeSymbol,
    AuxOnUsTooLong,             // numbers: the position it runs to
    AuxOnUsNotBracketed,        // texts: the field
    AuxOnUsMisplaced,           // numbers: the position it ends at
    AmountSymbolInOnUs,         // in the on-us or the auxiliary on-us field
    TransitSymbolInOnUs,        // in the on-us or the auxiliary on-us field
    LineTooLong,                // numbers: the position it runs to
    OnUsMissing,
    OnUsSymbolMissing,          // texts: the field
    OnUsRepeatsRouting,         // texts: the routing number
    BlankNotBlank,
    AmountFilled,               // texts: the field
    AmountFilledNotEncoded,     // texts: the field, which is no encoded amount
};

// One fault: its kind, the part it concerns with that part's positions as
// the standard sets them, and the values involved. Worded by Wording.
struct MicrLineFault
{
    MicrFaultKind kind = MicrFaultKind::LineEmpty;
    MicrPart part = MicrPart::Line;
    int first = 0;
    int last = 0;
    QStringList texts;
    QList<int> numbers;

    // Stable for scripts: "routing-check-digit", "amount-field-filled"...
    QString Code() const;
    friend bool operator==(const MicrLineFault &a, const MicrLineFault &b)
    {
        return a.kind == b.kind && a.part == b.part && a.first == b.first && a.last == b.last && a.texts == b.texts
            && a.numbers == b.numbers;
    }
};
using MicrLineFaults = std::vector<MicrLineFault>;

struct MicrLine
{
    // From the leftmost character to the one at `lastPosition`, blanks as
    // spaces, in the face's letters (A B C D) and in its punctuation.
    QString letters;
    QString punctuation;
    int lastPosition = 0;
    std::vector<MicrField> fields;
    // Every fault found; none for a line that can be printed.
    MicrLineFaults faults;

    bool empty() const { return letters.trimmed().isEmpty(); }
    // The position of letters[index].
    int PositionOf(int index) const { return lastPosition + int(letters.size()) - 1 - index; }
    int FirstPosition() const { return PositionOf(0); }
};

// Puts the fields side by side in their positions (the bank's numbers
// cleaned of the symbols, spaces and hyphens people type with them; the
// amount left blank, so the line ends at position 14), then reads the
// result as CheckMicrLine does: the line, its fields and its faults are
// those of the text to type. A field that does not fit pushes the others
// out of place and is named; nothing is dropped or overlaid.
MicrLine ComposeMicrLine(const MicrFields &fields);

// A line typed as text, read as a bank's reader-sorter reads it: its last
// character at position 14, at 1 when it ends in the amount symbol, or at
// 33 when it ends in the transit symbol (its on-us field missing). Faults:
// anything in the amount field (1-12, the bank encodes it); the transit
// field and its routing number (or Canadian branch and institution); an
// on-us field without an on-us symbol or repeating the routing number; an
// auxiliary on-us field not bracketed by on-us symbols or not ending at
// 45; anything past 65.
MicrLine CheckMicrLine(const QString &typed);

// Where the line goes in cheque-printing software on a cheque
// `chequeWidth` inches wide: its left end from the cheque's left edge and
// its baseline above the bottom edge, in inches.
double MicrLineLeftInches(const MicrLine &line, double chequeWidth);
double MicrLineBaselineInches();

// The faults of a US routing number (9 digits, a Federal Reserve prefix
// that stands on cheques, its check digit), none when it is good.
MicrLineFaults RoutingNumberFaults(const QString &routing);
