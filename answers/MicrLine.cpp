#include "answers/MicrLine.h"

#include "standard/E13B.h"

#include <QJsonArray>
#include <QMap>
#include <QRegularExpression>

using namespace E13BPositions;

namespace {

constexpr int OnUsRoom = OnUsFirst - OnUsLast + 1;

constexpr QChar Transit = TransitSymbol;
constexpr QChar Amount = AmountSymbol;
constexpr QChar OnUs = OnUsSymbol;
constexpr QChar Dash = DashSymbol;

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

MicrLineFault Fault(MicrFaultKind kind, MicrPart part, const QStringList &texts = {}, const QList<int> &numbers = {})
{
    const MicrSpan span = StandardPositions(part);
    return {kind, part, span.first, span.last, texts, numbers};
}

// The characters of an on-us field, or of the auxiliary one: digits,
// spaces, the on-us and the dash symbol.
MicrLineFaults OnUsFaults(MicrPart part, const QString &text)
{
    MicrLineFaults faults;
    if (text.contains(Amount))
        faults.push_back(Fault(MicrFaultKind::AmountSymbolInOnUs, part));
    if (text.contains(Transit))
        faults.push_back(Fault(MicrFaultKind::TransitSymbolInOnUs, part));
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
            Add(c == u'-' ? MicrFaultKind::Hyphen : MicrFaultKind::Unprintable, MicrPart::Line, {QString(c)});
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
            Add(MicrFaultKind::TransitSymbolCount, MicrPart::Transit, {}, {int(positions.size())});
            return false;
        }
        transitFirst_ = positions[0];
        transitLast_ = positions[1];
        const MicrField transit = *Field(QStringLiteral("transit"), transitFirst_, transitLast_);
        if (transitFirst_ != TransitFirst || transitLast_ != TransitLast) {
            const int onUs = transitLast_ - OnUsLast;
            const MicrFaultKind why = transitLast_ > TransitLast && At(transitLast_ - 1) != u' '
                ? MicrFaultKind::TransitPushedByOnUs
                : transitLast_ > TransitLast ? MicrFaultKind::TransitShiftedLeft
                : transitFirst_ - transitLast_ != TransitFirst - TransitLast ? MicrFaultKind::TransitNumberLength
                                                                             : MicrFaultKind::TransitShiftedRight;
            QList<int> numbers{transitFirst_, transitLast_};
            if (why == MicrFaultKind::TransitPushedByOnUs)
                numbers << onUs;
            Add(why, MicrPart::Transit, {}, numbers);
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
                Add(MicrFaultKind::BranchMissing, MicrPart::Branch);
            else if (AllDigits(branch) && branch.size() == BranchDigits + InstitutionDigits)
                Add(MicrFaultKind::BranchWholeTransitNumber, MicrPart::Branch,
                    {branch, branch.left(BranchDigits), branch.mid(BranchDigits)});
            else if (!AllDigits(branch) || branch.size() != BranchDigits)
                Add(MicrFaultKind::BranchLength, MicrPart::Branch, {branch});
            if (institution.isEmpty())
                Add(MicrFaultKind::InstitutionMissing, MicrPart::Institution);
            else if (!AllDigits(institution) || institution.size() != InstitutionDigits)
                Add(institution.contains(Dash) ? MicrFaultKind::InstitutionSecondDash : MicrFaultKind::InstitutionLength,
                    MicrPart::Institution, {institution});
            return;
        }
        routing_ = inside.trimmed();
        Add(RoutingNumberFaults(routing_));
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
            Add(MicrFaultKind::ProcessingCodeLength, MicrPart::ProcessingCode, {left});
            return;
        }
        if (inPlace && codeIsSymbol)
            Add(MicrFaultKind::ProcessingCodeSymbol, MicrPart::ProcessingCode);
        if (const auto aux = Field(QStringLiteral("auxiliary on-us"), first, transitFirst + (codeIsSymbol ? 1 : 2))) {
            if (aux->first > LastUsablePosition)
                Add(MicrFaultKind::AuxOnUsTooLong, MicrPart::AuxOnUs, {}, {aux->first});
            if (!aux->text.startsWith(OnUs) || !aux->text.endsWith(OnUs))
                Add(MicrFaultKind::AuxOnUsNotBracketed, MicrPart::AuxOnUs, {aux->text});
            if (inPlace && aux->last != AuxOnUsLast && !codeIsSymbol)
                Add(MicrFaultKind::AuxOnUsMisplaced, MicrPart::AuxOnUs, {}, {aux->last});
            Add(OnUsFaults(MicrPart::AuxOnUs, aux->text));
        } else if (first > LastUsablePosition) {
            Add(MicrFaultKind::LineTooLong, MicrPart::Line, {}, {first});
        }
    }

    void RightOfTransit(int transitLast)
    {
        // Right of it: the on-us field down to 14, and the amount field.
        const std::optional<MicrField> onUs = Field(QStringLiteral("on-us"), transitLast - 1, OnUsLast);
        if (!onUs) {
            Add(MicrFaultKind::OnUsMissing, MicrPart::OnUs);
        } else {
            if (!onUs->text.contains(OnUs))
                Add(MicrFaultKind::OnUsSymbolMissing, MicrPart::OnUs, {onUs->text});
            Add(OnUsFaults(MicrPart::OnUs, onUs->text));
            static const QRegularExpression notDigits(QStringLiteral("\\D+"));
            const QStringList runs = onUs->text.split(notDigits, Qt::SkipEmptyParts);
            if (routing_.size() == RoutingDigits && AllDigits(routing_)
                && std::any_of(runs.begin(), runs.end(), [this](const QString &run) { return run.contains(routing_); }))
                Add(MicrFaultKind::OnUsRepeatsRouting, MicrPart::OnUs, {routing_});
        }
        if (At(BlankBetween) != u' ')
            Add(MicrFaultKind::BlankNotBlank, MicrPart::Blank);
        if (const auto amount = Field(QStringLiteral("amount"), AmountFirst, AmountLast)) {
            const bool encoded = amount->text.size() == AmountFirst && amount->text.startsWith(Amount)
                && amount->text.endsWith(Amount) && AllDigits(amount->text.mid(1).chopped(1));
            Add(encoded ? MicrFaultKind::AmountFilled : MicrFaultKind::AmountFilledNotEncoded, MicrPart::Amount,
                {amount->text});
        }
    }

    void Add(MicrFaultKind kind, MicrPart part, const QStringList &texts = {}, const QList<int> &numbers = {})
    {
        line_.faults.push_back(Fault(kind, part, texts, numbers));
    }
    void Add(const MicrLineFaults &faults) { line_.faults.insert(line_.faults.end(), faults.begin(), faults.end()); }

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

MicrLineFaults RoutingNumberFaults(const QString &routing)
{
    if (routing.isEmpty())
        return {Fault(MicrFaultKind::RoutingMissing, MicrPart::Routing)};
    if (!AllDigits(routing))
        return {Fault(MicrFaultKind::RoutingNotDigits, MicrPart::Routing, {routing})};
    if (routing.size() == BranchDigits + InstitutionDigits)
        return {Fault(MicrFaultKind::RoutingCanadianNumber, MicrPart::Routing,
                      {routing.left(BranchDigits), routing.mid(BranchDigits)})};
    if (routing.size() != RoutingDigits)
        return {Fault(MicrFaultKind::RoutingLength, MicrPart::Routing, {}, {int(routing.size())})};
    MicrLineFaults faults;
    const int prefix = routing.left(2).toInt();
    if (prefix >= 61 && prefix <= 72)
        faults.push_back(Fault(MicrFaultKind::RoutingElectronicPrefix, MicrPart::Routing, {routing.left(2)}));
    else if (!((prefix <= 12) || (prefix >= 21 && prefix <= 32) || prefix == 80))
        faults.push_back(Fault(MicrFaultKind::RoutingPrefix, MicrPart::Routing, {routing.left(2)}));
    int d[RoutingDigits] = {};
    for (int i = 0; i < RoutingDigits; ++i)
        d[i] = routing[i].digitValue();
    const int sum = 3 * (d[0] + d[3] + d[6]) + 7 * (d[1] + d[4] + d[7]) + (d[2] + d[5] + d[8]);
    if (sum % 10 != 0) {
        const int expected = (10 - (sum - d[8]) % 10) % 10;
        faults.push_back(Fault(MicrFaultKind::RoutingCheckDigit, MicrPart::Routing, {}, {d[8], expected}));
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
        line.faults.push_back(Fault(MicrFaultKind::LineEmpty, MicrPart::Line));
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
    // One fault said once, though two rules find it.
    MicrLineFaults unique;
    for (const MicrLineFault &fault : line.faults) {
        if (std::find(unique.begin(), unique.end(), fault) == unique.end())
            unique.push_back(fault);
    }
    line.faults = unique;
    return line;
}

double MicrLineLeftInches(const MicrLine &line, double chequeWidth)
{
    return PositionRightEdge(chequeWidth, line.FirstPosition() + 1);
}

double MicrLineBaselineInches()
{
    return PrintBandBottomInches;
}

MicrLayout HomeMicrLayout(const QLocale &locale)
{
    return locale.territory() == QLocale::Canada ? MicrLayout::Canada : MicrLayout::US;
}
