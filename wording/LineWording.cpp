#include "wording/LineWording.h"

#include "wording/Wording.h"

using namespace Wording::Parts;

namespace {

int Width(MicrSpan span)
{
    return span.first - span.last + 1;
}

// Each kind's sentence; where the on-us and the auxiliary on-us field each
// have their own, `part` tells them apart (Line: any part).
struct FaultSentence
{
    MicrFaultKind kind;
    MicrPart part;
    const char *text;
};

// clang-format off
const FaultSentence FaultSentences[] = {
    {MicrFaultKind::LineEmpty, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The line is empty.")},
    {MicrFaultKind::Hyphen, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The line has \"%1\", which the MICR font cannot print: the dash symbol is D or =.")},
    {MicrFaultKind::Unprintable, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The line has \"%1\", which the MICR font cannot print: it prints the digits, spaces and the symbols A, B, C and D (or : ; < =).")},
    {MicrFaultKind::TransitSymbolCount, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The line needs two transit symbols (A or :), around the routing number, at positions %1 and %2; it has %3.")},
    {MicrFaultKind::TransitPushedByOnUs, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The transit field stands at positions %1 to %2; it belongs at %3 to %4: the on-us field after it takes %5 positions; it has room for %6 (positions %7 to %8).")},
    {MicrFaultKind::TransitShiftedLeft, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The transit field stands at positions %1 to %2; it belongs at %3 to %4: the line is shifted left, with too many spaces after it.")},
    {MicrFaultKind::TransitNumberLength, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The transit field stands at positions %1 to %2; it belongs at %3 to %4: the bank's number in it is not as long as it should be.")},
    {MicrFaultKind::TransitShiftedRight, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The transit field stands at positions %1 to %2; it belongs at %3 to %4: the line is shifted right, short of spaces after it.")},
    {MicrFaultKind::BranchMissing, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The branch number is missing: the transit field holds the %1-digit branch number, the dash symbol (D or =) and the %2-digit institution number.")},
    {MicrFaultKind::BranchWholeTransitNumber, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The branch number %1 has %2 digits: it is the whole transit number. Split it: branch number %3, institution number %4.")},
    {MicrFaultKind::BranchLength, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The branch number \"%1\" is not %2 digits.")},
    {MicrFaultKind::InstitutionMissing, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The institution number is missing: it is the %1 digits after the dash symbol (D or =).")},
    {MicrFaultKind::InstitutionLength, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The institution number \"%1\" is not %2 digits.")},
    {MicrFaultKind::InstitutionSecondDash, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The institution number \"%1\" is not %2 digits: the transit field has one dash symbol (D or =).")},
    {MicrFaultKind::RoutingMissing, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The routing number is missing: type its %1 digits; the line puts the transit symbols around it.")},
    {MicrFaultKind::RoutingNotDigits, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The routing number \"%1\" is not all digits.")},
    {MicrFaultKind::RoutingCanadianNumber, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The routing number has %1 digits; a routing number has %2. A Canadian transit number (%3-digit branch, %4-digit institution) is typed in the Canadian layout: branch number %5, institution number %6.")},
    {MicrFaultKind::RoutingLength, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The routing number has %1 digits; a routing number needs %2.")},
    {MicrFaultKind::RoutingElectronicPrefix, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The routing number starts with %1: prefixes 61 to 72 are for electronic payments only and never stand on a check.")},
    {MicrFaultKind::RoutingPrefix, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The routing number starts with %1, which no Federal Reserve routing symbol on a check does (00-12, 21-32, 80).")},
    {MicrFaultKind::RoutingCheckDigit, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The routing number's check digit is %1, but its other digits make it %2: a digit was mistyped.")},
    {MicrFaultKind::ProcessingCodeLength, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The external processing code \"%1\" is not one digit: it is one digit at position %2, or none.")},
    {MicrFaultKind::ProcessingCodeSymbol, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "Position %1, the external processing code's, holds a symbol: the auxiliary on-us field (a business check's serial number between on-us symbols) ends at %2, with %1 blank or the code's digit.")},
    {MicrFaultKind::AuxOnUsTooLong, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The auxiliary on-us field runs to position %1, past %2, the last on a check: it has room for %3 (positions %2 to %4).")},
    {MicrFaultKind::AuxOnUsNotBracketed, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The auxiliary on-us field \"%1\" is not between on-us symbols (C or <): it starts and ends with one.")},
    {MicrFaultKind::AuxOnUsMisplaced, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The auxiliary on-us field ends at position %1; it ends at %2, next to position %3.")},
    {MicrFaultKind::AmountSymbolInOnUs, MicrPart::AuxOnUs, QT_TRANSLATE_NOOP("Wording", "The auxiliary on-us field has the amount symbol (B or ;), which marks only the amount: the on-us symbol is C or <.")},
    {MicrFaultKind::AmountSymbolInOnUs, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The on-us field has the amount symbol (B or ;), which marks only the amount: the on-us symbol is C or <.")},
    {MicrFaultKind::TransitSymbolInOnUs, MicrPart::AuxOnUs, QT_TRANSLATE_NOOP("Wording", "The auxiliary on-us field has the transit symbol (A or :), which marks only the routing number.")},
    {MicrFaultKind::TransitSymbolInOnUs, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The on-us field has the transit symbol (A or :), which marks only the routing number.")},
    {MicrFaultKind::LineTooLong, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The line runs to position %1; a check has %2.")},
    {MicrFaultKind::OnUsMissing, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The on-us field is missing: type it as your bank prints it (the account number and the on-us symbol, C or <).")},
    {MicrFaultKind::OnUsSymbolMissing, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The on-us field \"%1\" has no on-us symbol (C or <): the bank's checks show one after the account number.")},
    {MicrFaultKind::OnUsRepeatsRouting, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "The on-us field repeats the routing number %1: the account number goes there.")},
    {MicrFaultKind::BlankNotBlank, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "Position %1, between the amount and the on-us field, is not blank.")},
    {MicrFaultKind::AmountFilled, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "Positions %1 to %2, the amount field, hold \"%3\": leave them blank, the bank encodes the amount when the check is deposited.")},
    {MicrFaultKind::AmountFilledNotEncoded, MicrPart::Line, QT_TRANSLATE_NOOP("Wording", "Positions %1 to %2, the amount field, hold \"%3\": leave them blank, the bank encodes the amount when the check is deposited. If the last symbol marks the account number, it is the on-us symbol, C or <.")},
};
// clang-format on

// `sentence` with %1, %2... each replaced by its value at once, so a value
// holding "%1" (a typed field may) is never taken for a marker.
QString Fill(const QString &sentence, const QStringList &values)
{
    static const QRegularExpression marker(QStringLiteral("%([1-9])"));
    QString filled;
    qsizetype from = 0;
    for (QRegularExpressionMatchIterator it = marker.globalMatch(sentence); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        filled += sentence.mid(from, match.capturedStart() - from) + values.value(match.captured(1).toInt() - 1);
        from = match.capturedEnd();
    }
    return filled + sentence.mid(from);
}

} // namespace

QString Wording::LineFault(For audience, const MicrLineFault &fault)
{
    const auto sentence = std::find_if(std::begin(FaultSentences), std::end(FaultSentences),
                                       [&fault](const FaultSentence &s) {
                                           return s.kind == fault.kind && (s.part == fault.part || s.part == MicrPart::Line);
                                       });
    if (sentence == std::end(FaultSentences))
        return {};
    const QLocale numbers = Numbers(audience);
    const auto number = [&numbers](int n) { return numbers.toString(n); };
    // The values found, texts then numbers; every other position and length
    // a sentence names comes from the standard's table, so the words and
    // the rules never drift apart.
    QStringList found = fault.texts;
    for (int n : fault.numbers)
        found << number(n);
    const QString first = number(fault.first);
    const QString last = number(fault.last);
    const QString digits = number(Width({fault.first, fault.last}));
    const auto standard = [&number](MicrPart part) {
        const MicrSpan span = StandardPositions(part);
        return QStringList{number(span.first), number(span.last), number(Width(span))};
    };
    QStringList values;
    switch (fault.kind) {
    case MicrFaultKind::TransitSymbolCount:
        values = QStringList{first, last} + found;
        break;
    case MicrFaultKind::TransitPushedByOnUs: {
        const QStringList onUs = standard(MicrPart::OnUs);
        values = found.mid(0, 2) + QStringList{first, last, found.value(2), onUs[2], onUs[0], onUs[1]};
        break;
    }
    case MicrFaultKind::TransitShiftedLeft:
    case MicrFaultKind::TransitNumberLength:
    case MicrFaultKind::TransitShiftedRight:
        values = found + QStringList{first, last};
        break;
    case MicrFaultKind::BranchMissing:
        values = QStringList{standard(MicrPart::Branch)[2], standard(MicrPart::Institution)[2]};
        break;
    case MicrFaultKind::BranchWholeTransitNumber:
        values = QStringList{found.value(0), number(int(found.value(0).size()))} + found.mid(1);
        break;
    case MicrFaultKind::RoutingCanadianNumber: {
        const int branch = Width(StandardPositions(MicrPart::Branch));
        const int institution = Width(StandardPositions(MicrPart::Institution));
        values = QStringList{number(branch + institution), standard(MicrPart::Routing)[2], number(branch),
                             number(institution)}
            + found;
        break;
    }
    case MicrFaultKind::RoutingLength:
    case MicrFaultKind::BranchLength:
    case MicrFaultKind::InstitutionLength:
    case MicrFaultKind::InstitutionSecondDash:
    case MicrFaultKind::InstitutionMissing:
    case MicrFaultKind::RoutingMissing:
        values = found + QStringList{digits};
        break;
    case MicrFaultKind::ProcessingCodeLength:
    case MicrFaultKind::BlankNotBlank:
        values = found + QStringList{first};
        break;
    case MicrFaultKind::ProcessingCodeSymbol:
        values = QStringList{first, standard(MicrPart::AuxOnUs)[1]};
        break;
    case MicrFaultKind::AuxOnUsTooLong:
        values = found + QStringList{first, digits, last};
        break;
    case MicrFaultKind::AuxOnUsMisplaced:
        values = found + QStringList{last, standard(MicrPart::ProcessingCode)[0]};
        break;
    case MicrFaultKind::LineTooLong:
        values = found + QStringList{standard(MicrPart::Line)[0]};
        break;
    case MicrFaultKind::AmountFilled:
    case MicrFaultKind::AmountFilledNotEncoded:
        values = QStringList{first, last} + found;
        break;
    default:
        values = found;
        break;
    }
    return Fill(Say(audience, sentence->text), values);
}

QStringList Wording::LineFaults(For audience, const MicrLineFaults &faults)
{
    QStringList sentences;
    for (const MicrLineFault &fault : faults)
        sentences << LineFault(audience, fault);
    return sentences;
}

QJsonArray MicrFaultCodesAsJson(const MicrLineFaults &faults)
{
    QJsonArray codes;
    for (const MicrLineFault &fault : faults)
        codes.append(QJsonObject{{QStringLiteral("code"), fault.Code()},
                                 {QStringLiteral("field"), MicrPartCode(fault.part)},
                                 {QStringLiteral("first"), fault.first},
                                 {QStringLiteral("last"), fault.last}});
    return codes;
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
            {QStringLiteral("faults"), QJsonArray::fromStringList(Wording::LineFaults(Wording::For::Script, line.faults))},
            {QStringLiteral("fault_codes"), MicrFaultCodesAsJson(line.faults)},
            {QStringLiteral("left_in"), ShownInches(MicrLineLeftInches(line, chequeWidth))},
            {QStringLiteral("baseline_in"), ShownInches(MicrLineBaselineInches())}};
}
