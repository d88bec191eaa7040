#include "MicrLine.h"

#include "PlacementPage.h"

#include <QJsonArray>
#include <QMap>
#include <QRegularExpression>

namespace {

// The standard's places, by position number.
enum Position : int {
    AmountLast = 1, AmountFirst = 12, BlankBetween = 13, OnUsLast = 14, OnUsFirst = 32, TransitLast = 33,
    TransitFirst = 43, ProcessingCode = 44, AuxOnUsLast = 45, LastUsablePosition = PositionCount,
};
// The banks' numbers' lengths in digits.
enum Digits : int { RoutingDigits = 9, BranchDigits = 5, InstitutionDigits = 3 };
constexpr int OnUsRoom = OnUsFirst - OnUsLast + 1;
constexpr int AuxOnUsRoom = LastUsablePosition - AuxOnUsLast + 1;

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

// A bank's number as people type it, with the transit or dash symbols
// around or inside it, spaces or hyphens: the digits are what count, and
// the line puts the symbols in itself.
QString CleanNumber(const QString &typed)
{
    QString digits;
    for (QChar c : typed) {
        const QChar letter = Normalised(c);
        if (letter != Transit && letter != Dash && c != u'-' && !c.isSpace())
            digits += c;
    }
    return digits;
}

// The characters of an on-us field: digits, spaces, the on-us and the dash
// symbol. `name` starts the faults ("The on-us field").
QStringList OnUsFaults(const QString &name, const QString &text)
{
    QStringList faults;
    if (text.contains(Amount))
        faults << QStringLiteral("%1 has the amount symbol (B or ;), which marks only the amount: the on-us symbol "
                                 "is C or <.")
                      .arg(name);
    if (text.contains(Transit))
        faults << QStringLiteral("%1 has the transit symbol (A or :), which marks only the routing number.").arg(name);
    return faults;
}

// Reads a line as a bank's reader-sorter does: every field found by its
// symbols and its positions, each rule the standard sets checked.
class Reader
{
public:
    explicit Reader(MicrLine &line) : line_(line) {}

    void Read()
    {
        Characters();
        if (!Transits())
            return Rest(TransitFirst, TransitLast, false);
        Rest(transitFirst_, transitLast_, transitFirst_ == TransitFirst && transitLast_ == TransitLast);
    }

private:
    QChar At(int position) const
    {
        const int index = line_.FirstPosition() - position;
        return index >= 0 && index < line_.letters.size() ? line_.letters[index] : QChar(u' ');
    }
    QString Span(int first, int last) const
    {
        QString chars;
        for (int position = first; position >= last; --position)
            chars += At(position);
        return chars;
    }
    // The characters between `first` and `last` from the first to the last
    // that is not blank, as a field; none when all are blank.
    std::optional<MicrField> Field(const QString &name, int first, int last)
    {
        while (first >= last && At(first) == u' ')
            --first;
        while (last <= first && At(last) == u' ')
            ++last;
        if (first < last)
            return std::nullopt;
        line_.fields.push_back({name, first, last, Span(first, last)});
        return line_.fields.back();
    }

    void Characters()
    {
        for (QChar c : std::as_const(line_.letters)) {
            if (Printable(c))
                continue;
            line_.faults << (c == u'-' ? QStringLiteral("The line has \"-\", which the MICR font cannot print: the "
                                                        "dash symbol is D or =.")
                                       : QStringLiteral("The line has \"%1\", which the MICR font cannot print: it "
                                                        "prints the digits, spaces and the symbols A, B, C and D (or "
                                                        ": ; < =).")
                                             .arg(c));
            break;
        }
    }

    // The transit field: two transit symbols around the bank's number.
    bool Transits()
    {
        QList<int> positions;
        for (int i = 0; i < line_.letters.size(); ++i) {
            if (line_.letters[i] == Transit)
                positions << line_.PositionOf(i);
        }
        if (positions.size() != 2) {
            line_.faults << QStringLiteral("The line needs two transit symbols (A or :), around the routing number, "
                                           "at positions 43 and 33; it has %1.")
                                .arg(positions.size());
            return false;
        }
        transitFirst_ = positions[0];
        transitLast_ = positions[1];
        const MicrField transit = *Field(QStringLiteral("transit"), transitFirst_, transitLast_);
        if (transitFirst_ != TransitFirst || transitLast_ != TransitLast) {
            const int onUs = transitLast_ - OnUsLast;
            const QString why = transitLast_ > TransitLast && At(transitLast_ - 1) != u' '
                ? QStringLiteral("the on-us field after it takes %1 positions; it has room for %2 (positions 32 to "
                                 "14)")
                      .arg(onUs)
                      .arg(OnUsRoom)
                : transitLast_ > TransitLast ? QStringLiteral("the line is shifted left, with too many spaces after it")
                : transitFirst_ - transitLast_ != TransitFirst - TransitLast
                    ? QStringLiteral("the bank's number in it is not as long as it should be")
                    : QStringLiteral("the line is shifted right, short of spaces after it");
            line_.faults << QStringLiteral("The transit field stands at positions %1 to %2; it belongs at 43 to 33: "
                                           "%3.")
                                .arg(transitFirst_)
                                .arg(transitLast_)
                                .arg(why);
        }
        BankNumber(transit.text.mid(1).chopped(1));
        return true;
    }

    void BankNumber(const QString &inside)
    {
        if (inside.contains(Dash)) {
            const QString branch = inside.section(Dash, 0, 0).trimmed();
            const QString institution = inside.section(Dash, 1).trimmed();
            if (branch.isEmpty())
                line_.faults << QStringLiteral("The branch number is missing: the transit field holds the 5-digit "
                                               "branch number, the dash symbol (D or =) and the 3-digit institution "
                                               "number.");
            else if (AllDigits(branch) && branch.size() == BranchDigits + InstitutionDigits)
                line_.faults << QStringLiteral("The branch number %1 has 8 digits: it is the whole transit number. "
                                               "Split it: branch number %2, institution number %3.")
                                    .arg(branch, branch.left(BranchDigits), branch.mid(BranchDigits));
            else if (!AllDigits(branch) || branch.size() != BranchDigits)
                line_.faults << QStringLiteral("The branch number \"%1\" is not 5 digits.").arg(branch);
            if (institution.isEmpty())
                line_.faults << QStringLiteral("The institution number is missing: it is the 3 digits after the dash "
                                               "symbol (D or =).");
            else if (!AllDigits(institution) || institution.size() != InstitutionDigits)
                line_.faults << QStringLiteral("The institution number \"%1\" is not 3 digits%2.")
                                    .arg(institution,
                                         institution.contains(Dash)
                                             ? QStringLiteral(": the transit field has one dash symbol (D or =)")
                                             : QString());
            return;
        }
        routing_ = inside.trimmed();
        line_.faults << RoutingNumberFaults(routing_);
    }

    // The fields around the transit field; their places are checked when
    // the transit field is in its own.
    void Rest(int transitFirst, int transitLast, bool inPlace)
    {
        LeftOfTransit(transitFirst, inPlace);
        RightOfTransit(transitLast);
    }

    void LeftOfTransit(int transitFirst, bool inPlace)
    {
        // Left of the transit field: the external processing code next to
        // it, then the auxiliary on-us field.
        const int first = line_.FirstPosition();
        const QChar code = At(transitFirst + 1);
        const bool codeIsSymbol = code != u' ' && !code.isDigit();
        // Digits alone left of the transit field are the code, however many.
        const QString left = Span(first, transitFirst + 1).trimmed();
        const int codeFirst = AllDigits(left) && code.isDigit() ? transitFirst + int(left.size()) : transitFirst + 1;
        if (code.isDigit())
            Field(QStringLiteral("external processing code"), codeFirst, transitFirst + 1);
        if (codeFirst > transitFirst + 1) {
            line_.faults << QStringLiteral("The external processing code \"%1\" is not one digit: it is one digit "
                                           "at position 44, or none.")
                                .arg(left);
            return;
        }
        if (inPlace && codeIsSymbol)
            line_.faults << QStringLiteral("Position 44, the external processing code's, holds a symbol: the "
                                           "auxiliary on-us field (a business cheque's serial number between on-us "
                                           "symbols) ends at 45, with 44 blank or the code's digit.");
        if (const auto aux = Field(QStringLiteral("auxiliary on-us"), first, transitFirst + (codeIsSymbol ? 1 : 2))) {
            const QString name = QStringLiteral("The auxiliary on-us field");
            if (aux->first > LastUsablePosition)
                line_.faults << QStringLiteral("%1 runs to position %2, past 65, the last on a cheque: it has room "
                                               "for %3 (positions 65 to 45).")
                                    .arg(name)
                                    .arg(aux->first)
                                    .arg(AuxOnUsRoom);
            if (!aux->text.startsWith(OnUs) || !aux->text.endsWith(OnUs))
                line_.faults << QStringLiteral("%1 \"%2\" is not between on-us symbols (C or <): it starts and ends "
                                               "with one.")
                                    .arg(name, aux->text);
            if (inPlace && aux->last != AuxOnUsLast && !codeIsSymbol)
                line_.faults << QStringLiteral("%1 ends at position %2; it ends at 45, next to position 44.")
                                    .arg(name)
                                    .arg(aux->last);
            line_.faults << OnUsFaults(name, aux->text);
        } else if (first > LastUsablePosition) {
            line_.faults << QStringLiteral("The line runs to position %1; a cheque has 65.").arg(first);
        }
    }

    void RightOfTransit(int transitLast)
    {
        // Right of it: the on-us field down to 14, and the amount field.
        const std::optional<MicrField> onUs = Field(QStringLiteral("on-us"), transitLast - 1, OnUsLast);
        const QString name = QStringLiteral("The on-us field");
        if (!onUs) {
            line_.faults << QStringLiteral("%1 is missing: type it as your bank prints it (the account number and "
                                           "the on-us symbol, C or <).")
                                .arg(name);
        } else {
            if (!onUs->text.contains(OnUs))
                line_.faults << QStringLiteral("%1 \"%2\" has no on-us symbol (C or <): the bank's cheques show one "
                                               "after the account number.")
                                    .arg(name, onUs->text);
            line_.faults << OnUsFaults(name, onUs->text);
            static const QRegularExpression notDigits(QStringLiteral("\\D+"));
            const QStringList runs = onUs->text.split(notDigits, Qt::SkipEmptyParts);
            if (routing_.size() == RoutingDigits && AllDigits(routing_)
                && std::any_of(runs.begin(), runs.end(), [this](const QString &run) { return run.contains(routing_); }))
                line_.faults << QStringLiteral("%1 repeats the routing number %2: the account number goes there.")
                                    .arg(name, routing_);
        }
        if (At(BlankBetween) != u' ')
            line_.faults << QStringLiteral("Position 13, between the amount and the on-us field, is not blank.");
        if (const auto amount = Field(QStringLiteral("amount"), AmountFirst, AmountLast)) {
            const bool encoded = amount->text.size() == AmountFirst && amount->text.startsWith(Amount)
                && amount->text.endsWith(Amount) && AllDigits(amount->text.mid(1).chopped(1));
            line_.faults << QStringLiteral("Positions 12 to 1, the amount field, hold \"%1\": leave them blank, the "
                                           "bank encodes the amount when the cheque is deposited.%2")
                                .arg(amount->text,
                                     encoded ? QString()
                                             : QStringLiteral(" If the last symbol marks the account number, it is "
                                                              "the on-us symbol, C or <."));
        }
    }

    MicrLine &line_;
    int transitFirst_ = TransitFirst;
    int transitLast_ = TransitLast;
    QString routing_;
};

// Left to right, as the fields stand on the cheque.
void SortFields(MicrLine &line)
{
    std::sort(line.fields.begin(), line.fields.end(),
              [](const MicrField &a, const MicrField &b) { return a.first > b.first; });
}

} // namespace

QStringList RoutingNumberFaults(const QString &routing)
{
    if (routing.isEmpty())
        return {QStringLiteral("The routing number is missing: type its 9 digits; the line puts the transit symbols "
                               "around it.")};
    if (!AllDigits(routing))
        return {QStringLiteral("The routing number \"%1\" is not all digits.").arg(routing)};
    if (routing.size() == BranchDigits + InstitutionDigits)
        return {QStringLiteral("The routing number has 8 digits; a routing number has 9. A Canadian transit number "
                               "(5-digit branch, 3-digit institution) is typed in the Canadian layout: branch number "
                               "%1, institution number %2.")
                    .arg(routing.left(BranchDigits), routing.mid(BranchDigits))};
    if (routing.size() != RoutingDigits)
        return {QStringLiteral("The routing number has %1 digits; a routing number needs 9.").arg(routing.size())};
    QStringList faults;
    const int prefix = routing.left(2).toInt();
    if (prefix >= 61 && prefix <= 72)
        faults << QStringLiteral("The routing number starts with %1: prefixes 61 to 72 are for electronic payments "
                                 "only and never stand on a cheque.")
                      .arg(routing.left(2));
    else if (!((prefix <= 12) || (prefix >= 21 && prefix <= 32) || prefix == 80))
        faults << QStringLiteral("The routing number starts with %1, which no Federal Reserve routing symbol on a "
                                 "cheque does (00-12, 21-32, 80).")
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
    // The fields side by side, each where the standard puts it while it
    // fits; one that does not pushes the others out of place rather than
    // over them, and the line is then read as a typed one would be, so
    // that what is shown to type is what was checked.
    const QString transit = fields.layout == MicrLayout::US
        ? Transit + CleanNumber(fields.routing) + Transit
        : Transit + CleanNumber(fields.branch) + Dash + CleanNumber(fields.institution) + Transit;
    const QString onUs = Normalised(fields.onUs.trimmed());
    const QString aux = Normalised(fields.auxOnUs.trimmed());
    const QString code = fields.processingCode.trimmed();
    QString text;
    if (!aux.isEmpty())
        text = aux + (code.isEmpty() ? QStringLiteral(" ") : code);
    else
        text = code;
    text += transit;
    if (!onUs.isEmpty())
        text += QString(std::max<qsizetype>(0, OnUsRoom - onUs.size()), u' ') + onUs;
    return CheckMicrLine(text);
}

MicrLine CheckMicrLine(const QString &typed)
{
    MicrLine line;
    line.letters = Normalised(typed.trimmed());
    if (line.letters.isEmpty()) {
        line.faults << QStringLiteral("The line is empty.");
        return line;
    }
    // It ends with the on-us field at 14, or with the amount field at 1;
    // a line that ends with the transit field lacks its on-us field.
    line.lastPosition = line.letters.endsWith(Amount) ? AmountLast
        : line.letters.endsWith(Transit)                ? TransitLast
                                                        : OnUsLast;
    for (QChar c : std::as_const(line.letters))
        line.punctuation += Punctuation(c);
    Reader(line).Read();
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
