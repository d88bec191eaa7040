#include "MicrLine.h"

#include "PlacementPage.h"

#include <QJsonArray>
#include <QMap>

namespace {

// The standard's places, by position number.
enum Position : int {
    AmountLast = 1, AmountFirst = 12, BlankBetween = 13, OnUsLast = 14, OnUsFirst = 32, TransitLast = 33,
    TransitFirst = 43, ProcessingCode = 44, AuxOnUsLast = 45, LastUsablePosition = PositionCount,
};
// The banks' numbers' lengths in digits.
enum Digits : int { RoutingDigits = 9, BranchDigits = 5, InstitutionDigits = 3 };

constexpr QChar Transit = u'A';
constexpr QChar Amount = u'B';
constexpr QChar OnUs = u'C';
constexpr QChar Dash = u'D';

// A symbol as the face's letter; other characters as they are.
QChar Normalised(QChar c)
{
    switch (c.unicode()) {
    case 'A': case 'a': case ':': case 0x2446:
        return Transit;
    case 'B': case 'b': case ';': case 0x2447:
        return Amount;
    case 'C': case 'c': case '<': case 0x2448:
        return OnUs;
    case 'D': case 'd': case '=': case 0x2449:
        return Dash;
    default:
        return c;
    }
}

QString Normalised(const QString &text)
{
    QString letters;
    for (QChar c : text)
        letters += Normalised(c);
    return letters;
}

QChar Punctuation(QChar letter)
{
    static const QMap<QChar, QChar> punctuation = {{Transit, u':'}, {Amount, u';'}, {OnUs, u'<'}, {Dash, u'='}};
    return punctuation.value(letter, letter);
}

bool Printable(QChar c)
{
    return c.isDigit() || c == u' ' || c == Transit || c == Amount || c == OnUs || c == Dash;
}

bool AllDigits(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The characters of an on-us field as typed: digits, spaces, the on-us and
// the dash symbol. The faults name the field.
QStringList OnUsFaults(const QString &name, const QString &text)
{
    QStringList faults;
    if (text.contains(Amount))
        faults << QStringLiteral("The %1 field has the amount symbol (B or ;), which marks only the amount: the on-us "
                                 "symbol is C or <.")
                      .arg(name);
    if (text.contains(Transit))
        faults << QStringLiteral("The %1 field has the transit symbol (A or :), which marks only the routing "
                                 "number.")
                      .arg(name);
    for (QChar c : text) {
        if (!Printable(c)) {
            faults << QStringLiteral("The %1 field has \"%2\", which the MICR font cannot print: it prints the digits, "
                                     "spaces and the symbols A, B, C and D (or : ; < =).")
                          .arg(name, c);
            break;
        }
    }
    return faults;
}

// Lays fields into positions and finds where they collide.
class Positions
{
public:
    // Puts `text` with its last character at `last`; says what it covers.
    void Put(MicrLine &line, const QString &name, const QString &text, int last)
    {
        if (text.isEmpty())
            return;
        const int first = last + int(text.size()) - 1;
        for (int i = 0; i < text.size(); ++i) {
            const int position = first - i;
            if (position > LastUsablePosition) {
                line.faults << QStringLiteral("The %1 field runs past position %2, the last on the cheque.")
                                   .arg(name)
                                   .arg(LastUsablePosition);
                break;
            }
            if (owner_.contains(position) && text[i] != u' ') {
                line.faults << QStringLiteral("The %1 field overlaps the %2 field at position %3.")
                                   .arg(name, owner_.value(position))
                                   .arg(position);
                break;
            }
            if (text[i] != u' ') {
                chars_.insert(position, text[i]);
                owner_.insert(position, name);
            }
        }
        line.fields.push_back({name, first, last, text});
    }

    // The line from its leftmost character down to `last`.
    void Write(MicrLine &line, int last) const
    {
        line.lastPosition = last;
        if (chars_.isEmpty())
            return;
        for (int position = std::max(chars_.lastKey(), last); position >= last; --position) {
            const QChar c = chars_.value(position, u' ');
            line.letters += c;
            line.punctuation += Punctuation(c);
        }
    }

private:
    QMap<int, QChar> chars_;
    QMap<int, QString> owner_;
};

QString TransitFieldOf(const MicrFields &fields)
{
    if (fields.layout == MicrLayout::US)
        return Transit + fields.routing.trimmed() + Transit;
    return Transit + fields.branch.trimmed() + Dash + fields.institution.trimmed() + Transit;
}

QStringList CanadianTransitFaults(const QString &branch, const QString &institution)
{
    QStringList faults;
    if (!AllDigits(branch) || branch.size() != BranchDigits)
        faults << QStringLiteral("The branch number \"%1\" is not 5 digits.").arg(branch);
    if (!AllDigits(institution) || institution.size() != InstitutionDigits)
        faults << QStringLiteral("The institution number \"%1\" is not 3 digits.").arg(institution);
    return faults;
}

// Left to right, as the fields stand on the cheque.
void SortFields(MicrLine &line)
{
    std::sort(line.fields.begin(), line.fields.end(),
              [](const MicrField &a, const MicrField &b) { return a.first > b.first; });
}

} // namespace

QStringList RoutingNumberFaults(const QString &routing)
{
    if (!AllDigits(routing))
        return {QStringLiteral("The routing number \"%1\" is not all digits.").arg(routing)};
    if (routing.size() != RoutingDigits)
        return {QStringLiteral("The routing number has %1 digits; a routing number has 9.").arg(routing.size())};
    QStringList faults;
    const int prefix = routing.left(2).toInt();
    if (!((prefix <= 12) || (prefix >= 21 && prefix <= 32) || (prefix >= 61 && prefix <= 72) || prefix == 80))
        faults << QStringLiteral("The routing number starts with %1, which no Federal Reserve routing symbol does "
                                 "(00-12, 21-32, 61-72, 80).")
                      .arg(routing.left(2));
    int d[RoutingDigits] = {};
    for (int i = 0; i < RoutingDigits; ++i)
        d[i] = routing[i].digitValue();
    const int sum = 3 * (d[0] + d[3] + d[6]) + 7 * (d[1] + d[4] + d[7]) + (d[2] + d[5] + d[8]);
    if (sum % 10 != 0) {
        const int expected = (10 - (sum - d[8]) % 10) % 10;
        faults << QStringLiteral("The routing number's check digit is %1, but its other digits make it %2: a digit "
                                 "was mistyped.")
                      .arg(d[8])
                      .arg(expected);
    }
    return faults;
}

MicrLine ComposeMicrLine(const MicrFields &fields)
{
    MicrLine line;
    Positions positions;
    const QString onUs = Normalised(fields.onUs.trimmed());
    const QString aux = Normalised(fields.auxOnUs.trimmed());
    const QString code = fields.processingCode.trimmed();
    if (fields.layout == MicrLayout::US)
        line.faults << RoutingNumberFaults(fields.routing.trimmed());
    else
        line.faults << CanadianTransitFaults(fields.branch.trimmed(), fields.institution.trimmed());

    if (onUs.isEmpty())
        line.faults << QStringLiteral("The on-us field is empty: type it as your bank prints it (the account number "
                                      "and the on-us symbol, C or <).");
    line.faults << OnUsFaults(QStringLiteral("on-us"), onUs);
    if (onUs.size() > OnUsFirst - OnUsLast + 1)
        line.faults << QStringLiteral("The on-us field is %1 characters; it has room for 19 (positions 14 to 32).")
                           .arg(onUs.size());
    line.faults << OnUsFaults(QStringLiteral("auxiliary on-us"), aux);
    if (aux.size() > LastUsablePosition - AuxOnUsLast + 1)
        line.faults << QStringLiteral("The auxiliary on-us field is %1 characters; it has room for 21 (positions 45 "
                                      "to 65).")
                           .arg(aux.size());
    if (!code.isEmpty() && (code.size() != 1 || !AllDigits(code)))
        line.faults << QStringLiteral("The external processing code \"%1\" is not one digit.").arg(code);

    positions.Put(line, QStringLiteral("on-us"), onUs, OnUsLast);
    positions.Put(line, QStringLiteral("transit"), TransitFieldOf(fields), TransitLast);
    positions.Put(line, QStringLiteral("external processing code"), code, ProcessingCode);
    positions.Put(line, QStringLiteral("auxiliary on-us"), aux, AuxOnUsLast);
    positions.Write(line, OnUsLast);
    for (const MicrField &field : line.fields) {
        if (field.name == QLatin1String("transit") && field.first != TransitFirst)
            line.faults << QStringLiteral("The transit field runs from position %1 to 33; it belongs at 43 to 33.")
                               .arg(field.first);
    }
    SortFields(line);
    line.faults.removeDuplicates();
    return line;
}

MicrLine CheckMicrLine(const QString &typed)
{
    MicrLine line;
    const QString text = Normalised(typed.trimmed());
    if (text.isEmpty()) {
        line.faults << QStringLiteral("The line is empty.");
        return line;
    }
    for (QChar c : text) {
        if (!Printable(c)) {
            line.faults << QStringLiteral("The line has \"%1\", which the MICR font cannot print.").arg(c);
            break;
        }
    }
    const bool amountFilled = text.endsWith(Amount);
    line.lastPosition = amountFilled ? AmountLast : OnUsLast;
    line.letters = text;
    for (QChar c : text)
        line.punctuation += Punctuation(c);
    const auto at = [&line](int position) {
        const int index = line.FirstPosition() - position;
        return index >= 0 && index < line.letters.size() ? line.letters[index] : QChar(u' ');
    };
    const auto field = [&line](const QString &name, int first, int last) {
        QString chars;
        for (int position = first; position >= last; --position) {
            const int index = line.FirstPosition() - position;
            chars += index >= 0 && index < line.letters.size() ? line.letters[index] : QChar(u' ');
        }
        line.fields.push_back({name, first, last, chars});
        return chars;
    };
    if (line.FirstPosition() > LastUsablePosition)
        line.faults << QStringLiteral("The line is %1 positions long; a cheque has 65.").arg(text.size());

    // The transit field: two transit symbols around the bank's number.
    QList<int> transitPositions;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == Transit)
            transitPositions << line.PositionOf(i);
    }
    int transitFirst = TransitFirst;
    int transitLast = TransitLast;
    if (transitPositions.size() != 2) {
        line.faults << QStringLiteral("The line has %1 transit symbols (A or :); it has two, around the routing "
                                      "number, at positions 43 and 33.")
                           .arg(transitPositions.size());
    } else {
        transitFirst = transitPositions[0];
        transitLast = transitPositions[1];
        const QString inside = field(QStringLiteral("transit"), transitFirst, transitLast).mid(1).chopped(1);
        if (transitFirst != TransitFirst || transitLast != TransitLast)
            line.faults << QStringLiteral("The transit field stands at positions %1 to %2; it belongs at 43 to 33: "
                                          "the fields after it are %3.")
                               .arg(transitFirst)
                               .arg(transitLast)
                               .arg(transitLast > TransitLast ? QStringLiteral("too long, or the line is shifted left")
                                                              : QStringLiteral("short of spaces, or the line is "
                                                                               "shifted right"));
        if (inside.contains(Dash))
            line.faults << CanadianTransitFaults(inside.section(Dash, 0, 0), inside.section(Dash, 1));
        else
            line.faults << RoutingNumberFaults(inside);
    }

    if (amountFilled) {
        const QString amount = field(QStringLiteral("amount"), AmountFirst, AmountLast);
        if (!(amount.startsWith(Amount) && amount.endsWith(Amount) && AllDigits(amount.mid(1).chopped(1))))
            line.faults << QStringLiteral("The amount field (positions 12 to 1) holds \"%1\"; it is the amount symbol, "
                                          "10 digits and the amount symbol, and is left blank by the writer. If the "
                                          "last symbol marks the account number, it is the on-us symbol, C or <.")
                               .arg(amount.trimmed());
        if (at(BlankBetween) != u' ')
            line.faults << QStringLiteral("Position 13, between the amount and the on-us field, is not blank.");
    }
    if (std::min<int>(OnUsFirst, transitLast - 1) >= OnUsLast) {
        const QString onUs = field(QStringLiteral("on-us"), std::min<int>(OnUsFirst, transitLast - 1), OnUsLast).trimmed();
        line.faults << OnUsFaults(QStringLiteral("on-us"), onUs);
    }

    const QChar code = at(ProcessingCode);
    if (transitFirst == TransitFirst && code != u' ' && !code.isDigit())
        line.faults << QStringLiteral("Position 44, the external processing code's, holds a symbol: the auxiliary "
                                      "on-us field (a business cheque's serial number between on-us symbols) ends at "
                                      "45, with 44 blank.");
    if (line.FirstPosition() >= AuxOnUsLast && transitFirst == TransitFirst) {
        const QString aux = field(QStringLiteral("auxiliary on-us"), line.FirstPosition(), AuxOnUsLast).trimmed();
        line.faults << OnUsFaults(QStringLiteral("auxiliary on-us"), aux);
    }
    SortFields(line);
    line.faults.removeDuplicates();
    return line;
}

double MicrLineLeftInches(const MicrLine &line, double chequeWidth)
{
    return chequeWidth - FirstPositionRightInches - line.FirstPosition() * PositionPitchInches;
}

double MicrLineBaselineInches()
{
    return PrintBandBottomInches;
}

QJsonObject MicrLineAsJson(const MicrLine &line, double chequeWidth)
{
    QJsonArray fields;
    for (const MicrField &field : line.fields)
        fields.append(QJsonObject{{QStringLiteral("name"), field.name},
                                  {QStringLiteral("first"), field.first},
                                  {QStringLiteral("last"), field.last},
                                  {QStringLiteral("text"), field.text}});
    return {{QStringLiteral("text"), line.letters},
            {QStringLiteral("punctuation"), line.punctuation},
            {QStringLiteral("fields"), fields},
            {QStringLiteral("faults"), QJsonArray::fromStringList(line.faults)},
            {QStringLiteral("left_in"), ShownInches(MicrLineLeftInches(line, chequeWidth))},
            {QStringLiteral("baseline_in"), ShownInches(MicrLineBaselineInches())}};
}
