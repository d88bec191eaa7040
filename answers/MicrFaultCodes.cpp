#include "answers/MicrLine.h"

#include "standard/E13B.h"

// The codes scripts read a fault and a part of the line by, and where the
// standard puts each part.

using namespace E13BPositions;

QString MicrLineFault::Code() const
{
    switch (kind) {
    case MicrFaultKind::LineEmpty: return QStringLiteral("line-empty");
    case MicrFaultKind::Hyphen: return QStringLiteral("hyphen-for-dash");
    case MicrFaultKind::Unprintable: return QStringLiteral("unprintable-character");
    case MicrFaultKind::TransitSymbolCount: return QStringLiteral("transit-symbol-count");
    case MicrFaultKind::TransitPushedByOnUs: return QStringLiteral("transit-field-pushed-by-on-us");
    case MicrFaultKind::TransitShiftedLeft: return QStringLiteral("transit-field-shifted-left");
    case MicrFaultKind::TransitNumberLength: return QStringLiteral("transit-field-length");
    case MicrFaultKind::TransitShiftedRight: return QStringLiteral("transit-field-shifted-right");
    case MicrFaultKind::BranchMissing: return QStringLiteral("branch-missing");
    case MicrFaultKind::BranchWholeTransitNumber: return QStringLiteral("branch-whole-transit-number");
    case MicrFaultKind::BranchLength: return QStringLiteral("branch-length");
    case MicrFaultKind::InstitutionMissing: return QStringLiteral("institution-missing");
    case MicrFaultKind::InstitutionLength: return QStringLiteral("institution-length");
    case MicrFaultKind::InstitutionSecondDash: return QStringLiteral("institution-second-dash");
    case MicrFaultKind::RoutingMissing: return QStringLiteral("routing-missing");
    case MicrFaultKind::RoutingNotDigits: return QStringLiteral("routing-not-digits");
    case MicrFaultKind::RoutingCanadianNumber: return QStringLiteral("routing-canadian-number");
    case MicrFaultKind::RoutingLength: return QStringLiteral("routing-length");
    case MicrFaultKind::RoutingElectronicPrefix: return QStringLiteral("routing-electronic-prefix");
    case MicrFaultKind::RoutingPrefix: return QStringLiteral("routing-prefix");
    case MicrFaultKind::RoutingCheckDigit: return QStringLiteral("routing-check-digit");
    case MicrFaultKind::ProcessingCodeLength: return QStringLiteral("processing-code-length");
    case MicrFaultKind::ProcessingCodeSymbol: return QStringLiteral("processing-code-symbol");
    case MicrFaultKind::AuxOnUsTooLong: return QStringLiteral("aux-on-us-too-long");
    case MicrFaultKind::AuxOnUsNotBracketed: return QStringLiteral("aux-on-us-not-bracketed");
    case MicrFaultKind::AuxOnUsMisplaced: return QStringLiteral("aux-on-us-misplaced");
    case MicrFaultKind::AmountSymbolInOnUs: return QStringLiteral("amount-symbol-in-on-us");
    case MicrFaultKind::TransitSymbolInOnUs: return QStringLiteral("transit-symbol-in-on-us");
    case MicrFaultKind::LineTooLong: return QStringLiteral("line-too-long");
    case MicrFaultKind::OnUsMissing: return QStringLiteral("on-us-missing");
    case MicrFaultKind::OnUsSymbolMissing: return QStringLiteral("on-us-symbol-missing");
    case MicrFaultKind::OnUsRepeatsRouting: return QStringLiteral("on-us-repeats-routing");
    case MicrFaultKind::BlankNotBlank: return QStringLiteral("position-13-not-blank");
    case MicrFaultKind::AmountFilled: return QStringLiteral("amount-field-filled");
    case MicrFaultKind::AmountFilledNotEncoded: return QStringLiteral("amount-field-not-encoded");
    }
    return {};
}

MicrSpan StandardPositions(MicrPart part)
{
    // Inside the transit field: a symbol at each end; the US routing number
    // fills the nine between, the Canadian branch takes five, a dash, then
    // the institution three.
    constexpr int BranchLast = TransitFirst - BranchDigits;
    switch (part) {
    case MicrPart::Line: return {LastUsablePosition, AmountLast};
    case MicrPart::Amount: return {AmountFirst, AmountLast};
    case MicrPart::Blank: return {BlankBetween, BlankBetween};
    case MicrPart::OnUs: return {OnUsFirst, OnUsLast};
    case MicrPart::Transit: return {TransitFirst, TransitLast};
    case MicrPart::Routing: return {TransitFirst - 1, TransitLast + 1};
    case MicrPart::Branch: return {TransitFirst - 1, BranchLast};
    case MicrPart::Institution: return {TransitLast + InstitutionDigits, TransitLast + 1};
    case MicrPart::ProcessingCode: return {ProcessingCode, ProcessingCode};
    case MicrPart::AuxOnUs: return {LastUsablePosition, AuxOnUsLast};
    }
    return {};
}

QString MicrPartCode(MicrPart part)
{
    switch (part) {
    case MicrPart::Line: return QStringLiteral("line");
    case MicrPart::Amount: return QStringLiteral("amount");
    case MicrPart::Blank: return QStringLiteral("blank");
    case MicrPart::OnUs: return QStringLiteral("on-us");
    case MicrPart::Transit: return QStringLiteral("transit");
    case MicrPart::Routing: return QStringLiteral("routing");
    case MicrPart::Branch: return QStringLiteral("branch");
    case MicrPart::Institution: return QStringLiteral("institution");
    case MicrPart::ProcessingCode: return QStringLiteral("external processing code");
    case MicrPart::AuxOnUs: return QStringLiteral("auxiliary on-us");
    }
    return {};
}
