#include "Wording.h"

QString Wording::Say(For audience, const char *sourceText, const char *disambiguation, int n)
{
    if (audience == For::Reader)
        return tr(sourceText, disambiguation, n);
    QString text = QString::fromUtf8(sourceText);
    // As tr() would without a catalogue: %n is the count.
    if (n >= 0)
        text.replace(QLatin1String("%n"), QString::number(n));
    return text;
}

QLocale Wording::Numbers(For audience)
{
    return audience == For::Reader ? QLocale() : QLocale::c();
}

QString Wording::Figure(For audience, double value, int decimals)
{
    QLocale numbers = Numbers(audience);
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    return numbers.toString(value, 'f', decimals);
}

// ---- The MICR line's faults ----------------------------------------------

namespace {

int Width(MicrSpan span)
{
    return span.first - span.last + 1;
}

} // namespace

QString Wording::LineFault(For audience, const MicrLineFault &fault)
{
    const QLocale numbers = Numbers(audience);
    const auto number = [&numbers](int n) { return numbers.toString(n); };
    const auto at = [&fault, &number](qsizetype i) { return number(fault.numbers.value(i)); };
    const QString text = fault.texts.value(0);
    const auto say = [audience](const char *sourceText) { return Say(audience, sourceText); };
    // Every position and length a sentence names comes from the standard's
    // table, so the words and the rules never drift apart.
    const MicrSpan transit = StandardPositions(MicrPart::Transit);
    const int branchDigits = Width(StandardPositions(MicrPart::Branch));
    const int institutionDigits = Width(StandardPositions(MicrPart::Institution));
    const int routingDigits = Width(StandardPositions(MicrPart::Routing));
    const MicrSpan line = StandardPositions(MicrPart::Line);
    const auto transitAt = [&](const char *sourceText) {
        return say(sourceText).arg(at(0), at(1), number(transit.first), number(transit.last));
    };
    switch (fault.kind) {
    case MicrFaultKind::LineEmpty:
        return say(QT_TRANSLATE_NOOP("Wording", "The line is empty."));
    case MicrFaultKind::Hyphen:
        return say(QT_TRANSLATE_NOOP("Wording", "The line has \"%1\", which the MICR font cannot print: the dash "
                                                "symbol is D or =."))
            .arg(text);
    case MicrFaultKind::Unprintable:
        return say(QT_TRANSLATE_NOOP("Wording", "The line has \"%1\", which the MICR font cannot print: it prints the "
                                                "digits, spaces and the symbols A, B, C and D (or : ; < =)."))
            .arg(text);
    case MicrFaultKind::TransitSymbolCount:
        return say(QT_TRANSLATE_NOOP("Wording", "The line needs two transit symbols (A or :), around the routing "
                                                "number, at positions %1 and %2; it has %3."))
            .arg(number(fault.first), number(fault.last), at(0));
    case MicrFaultKind::TransitPushedByOnUs: {
        const MicrSpan onUs = StandardPositions(MicrPart::OnUs);
        return transitAt(QT_TRANSLATE_NOOP("Wording", "The transit field stands at positions %1 to %2; it belongs at "
                                                      "%3 to %4: the on-us field after it takes %5 positions; it has "
                                                      "room for %6 (positions %7 to %8)."))
            .arg(at(2), number(Width(onUs)), number(onUs.first), number(onUs.last));
    }
    case MicrFaultKind::TransitShiftedLeft:
        return transitAt(QT_TRANSLATE_NOOP("Wording", "The transit field stands at positions %1 to %2; it belongs at "
                                                      "%3 to %4: the line is shifted left, with too many spaces after "
                                                      "it."));
    case MicrFaultKind::TransitNumberLength:
        return transitAt(QT_TRANSLATE_NOOP("Wording", "The transit field stands at positions %1 to %2; it belongs at "
                                                      "%3 to %4: the bank's number in it is not as long as it should "
                                                      "be."));
    case MicrFaultKind::TransitShiftedRight:
        return transitAt(QT_TRANSLATE_NOOP("Wording", "The transit field stands at positions %1 to %2; it belongs at "
                                                      "%3 to %4: the line is shifted right, short of spaces after it."));
    case MicrFaultKind::BranchMissing:
        return say(QT_TRANSLATE_NOOP("Wording", "The branch number is missing: the transit field holds the %1-digit "
                                                "branch number, the dash symbol (D or =) and the %2-digit institution "
                                                "number."))
            .arg(number(branchDigits), number(institutionDigits));
    case MicrFaultKind::BranchWholeTransitNumber:
        return say(QT_TRANSLATE_NOOP("Wording", "The branch number %1 has %2 digits: it is the whole transit number. "
                                                "Split it: branch number %3, institution number %4."))
            .arg(text, number(int(text.size())), fault.texts.value(1), fault.texts.value(2));
    case MicrFaultKind::BranchLength:
        return say(QT_TRANSLATE_NOOP("Wording", "The branch number \"%1\" is not %2 digits."))
            .arg(text, number(branchDigits));
    case MicrFaultKind::InstitutionMissing:
        return say(QT_TRANSLATE_NOOP("Wording", "The institution number is missing: it is the %1 digits after the "
                                                "dash symbol (D or =)."))
            .arg(number(institutionDigits));
    case MicrFaultKind::InstitutionLength:
        return say(QT_TRANSLATE_NOOP("Wording", "The institution number \"%1\" is not %2 digits."))
            .arg(text, number(institutionDigits));
    case MicrFaultKind::InstitutionSecondDash:
        return say(QT_TRANSLATE_NOOP("Wording", "The institution number \"%1\" is not %2 digits: the transit field "
                                                "has one dash symbol (D or =)."))
            .arg(text, number(institutionDigits));
    case MicrFaultKind::RoutingMissing:
        return say(QT_TRANSLATE_NOOP("Wording", "The routing number is missing: type its %1 digits; the line puts the "
                                                "transit symbols around it."))
            .arg(number(routingDigits));
    case MicrFaultKind::RoutingNotDigits:
        return say(QT_TRANSLATE_NOOP("Wording", "The routing number \"%1\" is not all digits.")).arg(text);
    case MicrFaultKind::RoutingCanadianNumber:
        return say(QT_TRANSLATE_NOOP("Wording", "The routing number has %1 digits; a routing number has %2. A "
                                                "Canadian transit number (%3-digit branch, %4-digit institution) is "
                                                "typed in the Canadian layout: branch number %5, institution number "
                                                "%6."))
            .arg(number(branchDigits + institutionDigits), number(routingDigits), number(branchDigits),
                 number(institutionDigits), text, fault.texts.value(1));
    case MicrFaultKind::RoutingLength:
        return say(QT_TRANSLATE_NOOP("Wording", "The routing number has %1 digits; a routing number needs %2."))
            .arg(at(0), number(routingDigits));
    case MicrFaultKind::RoutingElectronicPrefix:
        return say(QT_TRANSLATE_NOOP("Wording", "The routing number starts with %1: prefixes 61 to 72 are for "
                                                "electronic payments only and never stand on a check."))
            .arg(text);
    case MicrFaultKind::RoutingPrefix:
        return say(QT_TRANSLATE_NOOP("Wording", "The routing number starts with %1, which no Federal Reserve routing "
                                                "symbol on a check does (00-12, 21-32, 80)."))
            .arg(text);
    case MicrFaultKind::RoutingCheckDigit:
        return say(QT_TRANSLATE_NOOP("Wording", "The routing number's check digit is %1, but its other digits make it "
                                                "%2: a digit was mistyped."))
            .arg(at(0), at(1));
    case MicrFaultKind::ProcessingCodeLength:
        return say(QT_TRANSLATE_NOOP("Wording", "The external processing code \"%1\" is not one digit: it is one digit "
                                                "at position %2, or none."))
            .arg(text, number(fault.first));
    case MicrFaultKind::ProcessingCodeSymbol:
        return say(QT_TRANSLATE_NOOP("Wording", "Position %1, the external processing code's, holds a symbol: the "
                                                "auxiliary on-us field (a business check's serial number between "
                                                "on-us symbols) ends at %2, with %1 blank or the code's digit."))
            .arg(number(fault.first), number(StandardPositions(MicrPart::AuxOnUs).last));
    case MicrFaultKind::AuxOnUsTooLong:
        return say(QT_TRANSLATE_NOOP("Wording", "The auxiliary on-us field runs to position %1, past %2, the last on a "
                                                "check: it has room for %3 (positions %2 to %4)."))
            .arg(at(0), number(fault.first), number(fault.first - fault.last + 1), number(fault.last));
    case MicrFaultKind::AuxOnUsNotBracketed:
        return say(QT_TRANSLATE_NOOP("Wording", "The auxiliary on-us field \"%1\" is not between on-us symbols (C or "
                                                "<): it starts and ends with one."))
            .arg(text);
    case MicrFaultKind::AuxOnUsMisplaced:
        return say(QT_TRANSLATE_NOOP("Wording", "The auxiliary on-us field ends at position %1; it ends at %2, next to "
                                                "position %3."))
            .arg(at(0), number(fault.last), number(StandardPositions(MicrPart::ProcessingCode).first));
    case MicrFaultKind::AmountSymbolInOnUs:
        return fault.part == MicrPart::AuxOnUs
            ? say(QT_TRANSLATE_NOOP("Wording", "The auxiliary on-us field has the amount symbol (B or ;), which marks "
                                               "only the amount: the on-us symbol is C or <."))
            : say(QT_TRANSLATE_NOOP("Wording", "The on-us field has the amount symbol (B or ;), which marks only the "
                                               "amount: the on-us symbol is C or <."));
    case MicrFaultKind::TransitSymbolInOnUs:
        return fault.part == MicrPart::AuxOnUs
            ? say(QT_TRANSLATE_NOOP("Wording", "The auxiliary on-us field has the transit symbol (A or :), which marks "
                                               "only the routing number."))
            : say(QT_TRANSLATE_NOOP("Wording", "The on-us field has the transit symbol (A or :), which marks only the "
                                               "routing number."));
    case MicrFaultKind::LineTooLong:
        return say(QT_TRANSLATE_NOOP("Wording", "The line runs to position %1; a check has %2."))
            .arg(at(0), number(line.first));
    case MicrFaultKind::OnUsMissing:
        return say(QT_TRANSLATE_NOOP("Wording", "The on-us field is missing: type it as your bank prints it (the "
                                                "account number and the on-us symbol, C or <)."));
    case MicrFaultKind::OnUsSymbolMissing:
        return say(QT_TRANSLATE_NOOP("Wording", "The on-us field \"%1\" has no on-us symbol (C or <): the bank's "
                                                "checks show one after the account number."))
            .arg(text);
    case MicrFaultKind::OnUsRepeatsRouting:
        return say(QT_TRANSLATE_NOOP("Wording", "The on-us field repeats the routing number %1: the account number "
                                                "goes there."))
            .arg(text);
    case MicrFaultKind::BlankNotBlank:
        return say(QT_TRANSLATE_NOOP("Wording", "Position %1, between the amount and the on-us field, is not blank."))
            .arg(number(fault.first));
    case MicrFaultKind::AmountFilled:
        return say(QT_TRANSLATE_NOOP("Wording", "Positions %1 to %2, the amount field, hold \"%3\": leave them blank, "
                                                "the bank encodes the amount when the check is deposited."))
            .arg(number(fault.first), number(fault.last), text);
    case MicrFaultKind::AmountFilledNotEncoded:
        return say(QT_TRANSLATE_NOOP("Wording", "Positions %1 to %2, the amount field, hold \"%3\": leave them blank, "
                                                "the bank encodes the amount when the check is deposited. If the last "
                                                "symbol marks the account number, it is the on-us symbol, C or <."))
            .arg(number(fault.first), number(fault.last), text);
    }
    return {};
}

QStringList Wording::LineFaults(For audience, const MicrLineFaults &faults)
{
    QStringList sentences;
    for (const MicrLineFault &fault : faults)
        sentences << LineFault(audience, fault);
    return sentences;
}

// ---- Measurements, placement and profiles --------------------------------
