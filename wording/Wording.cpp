#include "wording/Wording.h"

#include "answers/ChequeCheck.h"

#include <QDir>

#include <algorithm>
#include <cmath>
#include <QRegularExpression>

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

// ---- Measurements, placement and profiles --------------------------------

namespace {

// A figure as shown, rounded once (ShownFigure), in the audience's numbers.
QString Shown(Wording::For audience, double value, int decimals)
{
    return Wording::Figure(audience, ShownFigure(value, decimals), decimals);
}

// "+0.004": a figure that shows as zero has no sign.
QString Signed(Wording::For audience, double value, int decimals)
{
    const double shown = ShownFigure(value, decimals);
    return (shown > 0 ? QStringLiteral("+") : QString()) + Wording::Figure(audience, shown, decimals);
}

// "0.25", "7", "2.5": a limit as people write it.
QString Limit(Wording::For audience, double inches)
{
    QLocale numbers = Wording::Numbers(audience);
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    return numbers.toString(ShownInches(inches), 'g', 4);
}

QString FaceName(CalibrationLine line, FontWeightChoice weight)
{
    return QString::fromLatin1(MicrFaceName(line, weight));
}

// "top", "middle" or "bottom", as a sentence names the check.
QString ChequeWord(Wording::For audience, ChequePosition position)
{
    static const struct
    {
        const char *source;
        const char *comment;
    } names[] = {QT_TRANSLATE_NOOP3("Wording", "top", "which check of three"),
                 QT_TRANSLATE_NOOP3("Wording", "middle", "which check of three"),
                 QT_TRANSLATE_NOOP3("Wording", "bottom", "which check of three")};
    return Wording::Say(audience, names[int(position)].source, names[int(position)].comment);
}

// "3-up on Letter, 3.5 in a check".
QString StockWords(Wording::For audience, const ChequeStock &stock)
{
    switch (stock.Kind()) {
    case StockKind::Letter:
        return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "3-up on Letter, 3.5 in a check"));
    case StockKind::A4:
        return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "3-up on A4, 99 mm a check"));
    case StockKind::Custom:
        break;
    }
    return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "3-up, %1 in (%2 mm) a check"))
        .arg(Wording::Figure(audience, stock.chequeInches, 3),
             Wording::Figure(audience, MillimetresFromInches(stock.chequeInches), 1));
}

} // namespace

QString Wording::LengthOf(For audience, double inches)
{
    return Say(audience, QT_TRANSLATE_NOOP("Wording", "%1 in (%2 mm)"))
        .arg(Figure(audience, ShownFigure(inches, 3), 3),
             Figure(audience, ShownFigure(MillimetresFromInches(inches), 2), 2));
}

QString Wording::Stock(For audience, const ChequeStock &stock)
{
    return StockWords(audience, stock);
}

QString Wording::FieldName(For audience, const QString &name)
{
    static const struct
    {
        const char *source;
        const char *comment;
    } names[] = {
        QT_TRANSLATE_NOOP3("Wording", "amount", "a MICR line field"),
        QT_TRANSLATE_NOOP3("Wording", "on-us", "a MICR line field"),
        QT_TRANSLATE_NOOP3("Wording", "transit", "a MICR line field"),
        QT_TRANSLATE_NOOP3("Wording", "auxiliary on-us", "a MICR line field"),
        QT_TRANSLATE_NOOP3("Wording", "external processing code", "a MICR line field"),
    };
    for (const auto &known : names) {
        if (name == QLatin1String(known.source))
            return Say(audience, known.source, known.comment);
    }
    return name;
}

QString Wording::Residual(For audience, double inches)
{
    return Say(audience, QT_TRANSLATE_NOOP("Wording", "%1 in (%2 mm)"))
        .arg(Signed(audience, inches, 3), Signed(audience, MillimetresFromInches(inches), 2));
}

QString Wording::VerdictOf(For audience, Verdict verdict)
{
    switch (verdict) {
    case Verdict::Good:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "good (within %1 in)"))
            .arg(Figure(audience, GoodToleranceInches, 3));
    case Verdict::Marginal:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "marginal (within %1 in: check with a MICR gauge)"))
            .arg(Figure(audience, MarginalToleranceInches, 3));
    case Verdict::Out:
        break;
    }
    return Say(audience, QT_TRANSLATE_NOOP("Wording", "out of tolerance (more than %1 in from 7 in)"))
        .arg(Figure(audience, MarginalToleranceInches, 3));
}

QString Wording::AssessmentVerdictOf(For audience, const Assessment &assessment)
{
    switch (VerdictOfAssessment(assessment)) {
    case AssessmentVerdict::NoReadings:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "no readings"));
    case AssessmentVerdict::Inconsistent:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "readings inconsistent: measure again"));
    case AssessmentVerdict::Scaled:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "page printed scaled: print it at 100 %"));
    case AssessmentVerdict::Out:
    case AssessmentVerdict::Between:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "out of tolerance: the printer falls between two faces"));
    case AssessmentVerdict::Good:
    case AssessmentVerdict::Marginal:
        break;
    }
    return VerdictOf(audience, assessment.verdict);
}

QString Wording::BetweenFaces(For audience, CalibrationLine shorter, double shorterInches, CalibrationLine longer,
                              double longerInches, FontWeightChoice weight)
{
    QStringList sides;
    for (const auto &[line, inches] : {std::pair(shorter, shorterInches), std::pair(longer, longerInches)}) {
        if (line != 0)
            sides << Say(audience, QT_TRANSLATE_NOOP("Wording", "Line %1 (%2) is %3"))
                         .arg(line)
                         .arg(FaceName(line, weight), Residual(audience, inches - TargetLineInches));
    }
    return Say(audience, QT_TRANSLATE_NOOP("Wording", "This printer falls between two faces: %1. Neither is within "
                                                      "tolerance."))
        .arg(sides.join(QStringLiteral("; ")));
}

QString Wording::LineSummary(For audience, const Assessment &assessment, CalibrationLine line)
{
    const LineEstimate &estimate = assessment.lines.at(std::size_t(line - 1));
    if (!estimate.length)
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "Line %1 was not measured.")).arg(line);
    if (assessment.inconsistent || assessment.pageScaled)
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "Not calibrated: %1."))
            .arg(AssessmentVerdictOf(audience, assessment));
    const double residual = *estimate.length - TargetLineInches;
    const QString measured =
        (estimate.predicted ? Say(audience, QT_TRANSLATE_NOOP("Wording", "Line %1 should print %2 in, %3 in from 7 in"))
                            : Say(audience, QT_TRANSLATE_NOOP("Wording", "Line %1 measured %2 in, %3 in from 7 in")))
            .arg(line)
            .arg(Shown(audience, *estimate.length, 3), Signed(audience, residual, 3));
    switch (JudgeResidual(residual)) {
    case Verdict::Good:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "%1: good.")).arg(measured);
    case Verdict::Marginal:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "%1: marginal, check with a MICR gauge.")).arg(measured);
    case Verdict::Out:
        break;
    }
    if (assessment.usable())
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "Not calibrated: %1, out of tolerance. Choose Line %2 on "
                                                          "step 2."))
            .arg(measured)
            .arg(assessment.recommended);
    return Say(audience, QT_TRANSLATE_NOOP("Wording", "Not calibrated: %1, out of tolerance.")).arg(measured);
}

QStringList Wording::Advice(For audience, const Assessment &assessment, FontWeightChoice weight)
{
    QStringList advice;
    if (assessment.recommended == 0) {
        advice << Say(audience, QT_TRANSLATE_NOOP("Wording", "Type the length of at least one sample line."));
        return advice;
    }
    if (assessment.inconsistent) {
        advice << Say(audience, QT_TRANSLATE_NOOP("Wording",
                                                  "The readings do not agree with each other: one printer scales "
                                                  "every line alike, but some reading is more than %1 in from what "
                                                  "the others predict. Measure the lines again, from the left edge "
                                                  "of the first mark to the left edge of the last."))
                      .arg(Figure(audience, ConsistencyToleranceInches, 2));
        return advice;
    }
    if (assessment.pageScaled) {
        const QString percent = Shown(audience, ShownFigure(assessment.scale.value_or(1), 3) * 100, 1);
        advice << (assessment.residual > 0
                       ? Say(audience, QT_TRANSLATE_NOOP("Wording",
                                                         "The page was probably printed scaled, at about %1 %: every "
                                                         "line is longer than any MICR face could make it. Print the "
                                                         "calibration page again at 100 %, with no \"fit to page\" or "
                                                         "\"shrink to fit\", before choosing a face."))
                       : Say(audience, QT_TRANSLATE_NOOP("Wording",
                                                         "The page was probably printed scaled, at about %1 %: every "
                                                         "line is shorter than any MICR face could make it. Print the "
                                                         "calibration page again at 100 %, with no \"fit to page\" or "
                                                         "\"shrink to fit\", before choosing a face.")))
                      .arg(percent);
        return advice;
    }
    if (assessment.verdict == Verdict::Out) {
        const auto lengthOf = [&assessment](CalibrationLine line) {
            return line == 0 ? 0.0 : *assessment.lines[std::size_t(line - 1)].length;
        };
        advice << BetweenFaces(audience, assessment.shorterLine, lengthOf(assessment.shorterLine),
                               assessment.longerLine, lengthOf(assessment.longerLine), weight);
        return advice;
    }
    if (assessment.recommendedIsPredicted())
        advice << Say(audience, QT_TRANSLATE_NOOP("Wording", "Line %1 was not measured: its length is predicted "
                                                             "from the others. Measure it to confirm."))
                      .arg(assessment.recommended);
    if (assessment.verdict == Verdict::Marginal)
        advice << Say(audience,
                      QT_TRANSLATE_NOOP("Wording", "Print a test check and check its MICR line with a MICR gauge."));
    return advice;
}

QString Wording::Move(For audience, double inches, Axis axis, Length length)
{
    const double size = std::abs(ShownInches(inches));
    const char *const full[2][3] = {
        {QT_TRANSLATE_NOOP("Wording", "right or left %1 in (%2 mm, %3/1000 in)"),
         QT_TRANSLATE_NOOP("Wording", "right %1 in (%2 mm, %3/1000 in)"),
         QT_TRANSLATE_NOOP("Wording", "left %1 in (%2 mm, %3/1000 in)")},
        {QT_TRANSLATE_NOOP("Wording", "up or down %1 in (%2 mm, %3/1000 in)"),
         QT_TRANSLATE_NOOP("Wording", "up %1 in (%2 mm, %3/1000 in)"),
         QT_TRANSLATE_NOOP("Wording", "down %1 in (%2 mm, %3/1000 in)")}};
    const char *const brief[2][3] = {{QT_TRANSLATE_NOOP("Wording", "right or left %1 in"),
                                      QT_TRANSLATE_NOOP("Wording", "right %1 in"),
                                      QT_TRANSLATE_NOOP("Wording", "left %1 in")},
                                     {QT_TRANSLATE_NOOP("Wording", "up or down %1 in"),
                                      QT_TRANSLATE_NOOP("Wording", "up %1 in"),
                                      QT_TRANSLATE_NOOP("Wording", "down %1 in")}};
    const int way = int(DirectionOfMove(inches));
    const int along = axis == Axis::Across ? 0 : 1;
    if (length == Brief)
        return Say(audience, brief[along][way]).arg(Figure(audience, size, 3));
    return Say(audience, full[along][way])
        .arg(Figure(audience, size, 3), Shown(audience, MillimetresFromInches(size), 2))
        .arg(std::lround(size * 1000));
}

QString Wording::Moves(For audience, double right, double up, Length length)
{
    return Say(audience, QT_TRANSLATE_NOOP("Wording", "%1 and %2"))
        .arg(Move(audience, right, Axis::Across, length), Move(audience, up, Axis::Upright, length));
}

namespace {

// "Line 3's face, Ferro Sample".
QString FaceOf(Wording::For audience, const PlacementLayout &layout, CalibrationLine line)
{
    return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "Line %1's face, %2"))
        .arg(line)
        .arg(FaceName(line, layout.weight));
}

QString ScaleSentence(Wording::For audience, const PlacementLayout &layout, const PlacementResult &result)
{
    using W = Wording;
    const QString across = W::Say(audience, QT_TRANSLATE_NOOP("Wording", "Page scale across: %1 % (the bar is %2 in)."))
                               .arg(Shown(audience, ShownFigure(result.scaleX, 3) * 100, 1),
                                    Shown(audience, result.scaleX * ReferenceBarInches, 3));
    const QString chosen = result.chosenLineInches
        ? W::Say(audience, QT_TRANSLATE_NOOP("Wording", "%1, prints the MICR line %2 in long"))
              .arg(FaceOf(audience, layout, layout.line), Shown(audience, *result.chosenLineInches, 3))
        : W::Say(audience, QT_TRANSLATE_NOOP("Wording", "%1 is not installed")).arg(FaceOf(audience, layout, layout.line));
    const QString tolerance = Shown(audience, MarginalToleranceInches, 3);
    switch (result.scaleVerdict) {
    case ScaleVerdict::Fine:
        return W::Say(audience, QT_TRANSLATE_NOOP("Wording", "%1 At this scale %2: fine, the face makes up for the "
                                                             "printer's scale."))
            .arg(across, chosen);
    case ScaleVerdict::OtherFace:
        return W::Say(audience, QT_TRANSLATE_NOOP("Wording", "%1 At this scale %2: out of tolerance. %3 would print "
                                                             "it within %4 in of 7 in."))
            .arg(across, chosen, FaceOf(audience, layout, result.lineForScale), tolerance);
    case ScaleVerdict::BetweenFaces:
        return W::Say(audience, QT_TRANSLATE_NOOP("Wording", "%1 At this scale %2: out of tolerance, and no face "
                                                             "prints it within %3 in of 7 in. %4"))
            .arg(across, chosen, tolerance,
                 W::BetweenFaces(audience, result.shorterLine, result.shorterInches, result.longerLine,
                                 result.longerInches, layout.weight));
    case ScaleVerdict::PrintPath:
        break;
    }
    return W::Say(audience, QT_TRANSLATE_NOOP("Wording", "%1 No face prints the MICR line within %2 in of 7 in at "
                                                         "this scale, nor comes near: the page was scaled on its way "
                                                         "to the printer."))
        .arg(across, tolerance);
}

// Why no move is offered from readings that cannot be right, and what to
// measure again.
QString ProblemSentence(Wording::For audience, const PlacementLayout &layout, const PlacementResult &result)
{
    using W = Wording;
    const QString chosen = ChequeWord(audience, layout.cheque);
    switch (result.problem) {
    case ReadingProblem::ScalesDisagree:
        return W::Say(audience, QT_TRANSLATE_NOOP("Wording",
                                                  "No correction from these readings: the page's scales across and "
                                                  "down differ by more than %1 %, which no printer does, so a bar was "
                                                  "misread. Measure the reference bar (%2 in) and the vertical bar "
                                                  "(%3 in) again, each from its first tick to its last."))
            .arg(Limit(audience, MostScaleDifferencePercent), Shown(audience, ReferenceBarInches, 3),
                 Shown(audience, VerticalBarInches, 3));
    case ReadingProblem::OtherCheque:
        return W::Say(audience, QT_TRANSLATE_NOOP("Wording",
                                                  "No correction from these readings: the baseline lies on the %1 "
                                                  "check, but the page was printed for the %2 check. Choose the check "
                                                  "the page was printed for, or measure again from the paper's top "
                                                  "edge down to the baseline rule under the MICR line of the %2 "
                                                  "check."))
            .arg(ChequeWord(audience, result.baselineCheque), chosen);
    case ReadingProblem::FarFromBand:
        return W::Say(audience, QT_TRANSLATE_NOOP("Wording",
                                                  "No correction from these readings: the baseline is %1 in above the "
                                                  "%2 check's bottom edge, more than 1/2 in outside its MICR print "
                                                  "band (%3 to %4 in). Measure again, from the check's bottom edge up "
                                                  "to the baseline rule under the MICR line, or from the paper's top "
                                                  "edge down to it."))
            .arg(Shown(audience, result.baselineInches, 3), chosen, Shown(audience, PrintBandBottomInches, 3),
                 Shown(audience, PrintBandTopInches, 3));
    case ReadingProblem::None:
        break;
    }
    return {};
}

} // namespace

QStringList Wording::Placement(For audience, const PlacementLayout &layout, const PlacementResult &result)
{
    QStringList lines;
    lines << ScaleSentence(audience, layout, result);
    lines << (result.scaleY
                  ? Say(audience, QT_TRANSLATE_NOOP("Wording", "Page scale down: %1 % (the vertical bar is %2 in)."))
                        .arg(Shown(audience, ShownFigure(*result.scaleY, 3) * 100, 1),
                             Shown(audience, *result.scaleY * VerticalBarInches, 3))
                  : Say(audience, QT_TRANSLATE_NOOP("Wording", "Page scale down: not measured, taken as 100 %.")));
    if (!result.applied.none())
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "This page carries the correction %1."))
                     .arg(Moves(audience, result.applied.right, result.applied.up, Brief));
    if (result.problem != ReadingProblem::None) {
        lines << ProblemSentence(audience, layout, result);
        return lines;
    }
    if (result.scaleVerdict == ScaleVerdict::PrintPath) {
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "No correction from a scaled page: print it at 100 %, "
                                                            "with no \"fit to page\", then measure the page again."));
        return lines;
    }
    lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "On the %1 check (%2), position 1 ends %3 in from the "
                                                        "check's right edge (the standard puts it at %4 in) and the "
                                                        "baseline is %5 in above its bottom edge (%6 in)."))
                 .arg(ChequeWord(audience, layout.cheque), StockWords(audience, layout.stock),
                      Shown(audience, result.rightEndInches, 3), Shown(audience, FirstPositionRightInches, 3),
                      Shown(audience, result.baselineInches, 3), Shown(audience, PrintBandBottomInches, 3));
    if (result.applied.none()) {
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Correction for your check-printing software: move the "
                                                            "MICR line %1."))
                     .arg(Moves(audience, result.moveRight, result.moveUp));
    } else {
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Still to move from the page's correction: %1."))
                     .arg(Moves(audience, result.moveRight, result.moveUp));
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Total correction for your check-printing software, in "
                                                            "place of the page's: move the MICR line %1."))
                     .arg(Moves(audience, result.totalRight(), result.totalUp()));
    }
    const bool movesFine = result.offsetsFine();
    switch (result.scaleVerdict) {
    case ScaleVerdict::Fine:
        lines << (movesFine ? Say(audience, QT_TRANSLATE_NOOP("Wording", "Both moves are within 1/32 in: the "
                                                                         "placement is fine."))
                            : Say(audience, QT_TRANSLATE_NOOP("Wording", "A move is more than 1/32 in: print the page "
                                                                         "again with the total correction, then "
                                                                         "measure it again.")));
        break;
    case ScaleVerdict::OtherFace:
        lines << (movesFine ? Say(audience, QT_TRANSLATE_NOOP("Wording", "Not placed yet: choose Line %1 on step 2, "
                                                                         "then print the page again and measure it."))
                            : Say(audience, QT_TRANSLATE_NOOP("Wording", "Not placed yet: choose Line %1 on step 2, "
                                                                         "then print the page again with the total "
                                                                         "correction and measure it.")))
                     .arg(result.lineForScale);
        break;
    case ScaleVerdict::BetweenFaces:
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Not calibrated: no face makes up for this printer's "
                                                            "scale, so its MICR line is out of tolerance wherever it "
                                                            "is placed."));
        break;
    case ScaleVerdict::PrintPath:
        break;
    }
    return lines;
}

namespace {

QString DroppedWords(Wording::For audience, const ProfilesProblem::Dropped &dropped)
{
    using What = ProfilesProblem::Dropped::What;
    switch (dropped.what) {
    case What::Value:
        return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "printer \"%1\": the value %2 (\"%3\") is out of "
                                                                   "range and was dropped"))
            .arg(dropped.printer, dropped.key, dropped.value);
    case What::Profile:
        if (dropped.printer.isEmpty())
            return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "an entry that names no printer was cut short "
                                                                       "or is not this program's, and was left out"));
        return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "the profile of printer \"%1\" was cut short or "
                                                                   "is not this program's, and was left out"))
            .arg(dropped.printer);
    case What::Line:
        break;
    }
    return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "a line that is not a setting was left out"));
}

QString WhyWords(Wording::For audience, const ProfilesProblem &problem)
{
    switch (problem.why) {
    case ProfilesProblem::Why::CannotRead:
        break;
    case ProfilesProblem::Why::NoVersion:
        return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "it has no version: it is not a settings file "
                                                                   "this program wrote"));
    case ProfilesProblem::Why::OtherVersion:
        return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "it is of another version (%1)"))
            .arg(problem.version);
    }
    return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "it cannot be read"));
}

} // namespace

QString Wording::ProfilesProblemOf(For audience, const ProfilesProblem &problem)
{
    QStringList dropped;
    for (const ProfilesProblem::Dropped &part : problem.dropped)
        dropped << DroppedWords(audience, part);
    const QString parts = dropped.join(QStringLiteral("; "));
    switch (problem.kind) {
    case ProfilesProblem::Kind::None:
        break;
    case ProfilesProblem::Kind::Unusable:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "The printer profiles in %1 cannot be used: %2. The file "
                                                          "was left as it is."))
            .arg(problem.path, WhyWords(audience, problem));
    case ProfilesProblem::Kind::UnusableSetAside:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "The printer profiles in %1 cannot be used: %2. The file "
                                                          "was set aside as %3; the program starts with no printer "
                                                          "profiles."))
            .arg(problem.path, WhyWords(audience, problem), problem.aside);
    case ProfilesProblem::Kind::UnusableStuck:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "The printer profiles in %1 cannot be used: %2, and it "
                                                          "could not be moved aside. The program goes on without "
                                                          "printer profiles."))
            .arg(problem.path, WhyWords(audience, problem));
    case ProfilesProblem::Kind::Damaged:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "The printer profiles in %1 are damaged: %2. The rest can "
                                                          "be read; the file was left as it is."))
            .arg(problem.path, parts);
    case ProfilesProblem::Kind::DamagedCopied:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "In the printer profiles in %1, %2. The other printers and "
                                                          "values were kept; the file as it was is kept as %3."))
            .arg(problem.path, parts, problem.aside);
    case ProfilesProblem::Kind::DamagedStuck:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "In the printer profiles in %1, %2. The other printers and "
                                                          "values were kept; the file was left as it is, as it could "
                                                          "not be copied aside."))
            .arg(problem.path, parts);
    }
    return {};
}

// ---- The cheque file's findings --------------------------------------------

namespace {

// Scripts match the words `cheque FILE --json` has always given, which
// spelled the cheque the Canadian way: the sentences they read keep that
// spelling (the sentence's own words, never what fills it in).
QString SayAsScriptsRead(Wording::For audience, const char *sourceText)
{
    QString text = Wording::Say(audience, sourceText);
    if (audience == Wording::For::Script)
        text.replace(QLatin1String("check"), QLatin1String("cheque"));
    return text;
}

// "1.250-2.000 in from the check's left edge, 0.100-0.300 in above its
// bottom edge"
QString WhereOnCheque(Wording::For audience, const QRectF &paper, const ChequeCheck &check)
{
    const double bottom = ChequeBottomInches(check.layout);
    return SayAsScriptsRead(audience, QT_TRANSLATE_NOOP("Wording", "%1-%2 in from the check's left edge, %3-%4 in "
                                                                   "above its bottom edge"))
        .arg(Wording::Figure(audience, paper.left(), 3), Wording::Figure(audience, paper.right(), 3),
             Wording::Figure(audience, std::max(0.0, bottom - paper.bottom()), 3),
             Wording::Figure(audience, bottom - paper.top(), 3));
}

const char *ChequeOnSheetSource(ChequePosition cheque)
{
    static const char *const names[] = {QT_TRANSLATE_NOOP("Wording", "the top check"),
                                        QT_TRANSLATE_NOOP("Wording", "the middle check"),
                                        QT_TRANSLATE_NOOP("Wording", "the bottom check")};
    return names[int(cheque)];
}

} // namespace

QString Wording::ChequeOnSheet(For audience, ChequePosition cheque)
{
    return Say(audience, ChequeOnSheetSource(cheque));
}

QString Wording::ChequeStockName(For audience, const ChequeStock &stock)
{
    return StockWords(audience, stock);
}

QString Wording::PrinterModelSource(For audience, const PrinterModel &model)
{
    if (model.queue.isEmpty())
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "a printer on which Line %1's face prints the MICR line "
                                                          "%2 in long"))
            .arg(model.line)
            .arg(Figure(audience, TargetLineInches, 3));
    if (!model.placementTaken)
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "printer %1, calibrated for Line %2"))
            .arg(model.queue)
            .arg(model.line);
    const QDateTime &taken = *model.placementTaken;
    const QString date = audience == For::Script ? ShortDate(taken)
        : taken.isValid()                        ? QLocale().toString(taken.toLocalTime(), QStringLiteral("d MMM yyyy"))
                                                 : Say(audience, QT_TRANSLATE_NOOP("Wording", "no date"));
    return Say(audience, QT_TRANSLATE_NOOP("Wording", "printer %1, calibrated for Line %2, placement measured %3"))
        .arg(model.queue)
        .arg(model.line)
        .arg(date);
}

QString Wording::ChequeFault(For audience, const ChequeCheck &check, const ChequeFinding &finding)
{
    switch (finding.kind) {
    case ChequeFindingKind::NoLine: {
        const QString fonts = check.pageFonts.join(QStringLiteral(", "));
        const char *text = fonts.isEmpty()
            ? QT_TRANSLATE_NOOP("Wording", "No MICR line found on %1: no text there is in a MICR face. The page uses "
                                           "no fonts.")
            : QT_TRANSLATE_NOOP("Wording", "No MICR line found on %1: no text there is in a MICR face. The page uses "
                                           "the fonts %2.");
        const QString sentence = SayAsScriptsRead(audience, text).arg(
            SayAsScriptsRead(audience, ChequeOnSheetSource(check.layout.cheque)));
        return fonts.isEmpty() ? sentence : sentence.arg(fonts);
    }
    case ChequeFindingKind::MixedFaces:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "The line mixes faces: %1 and %2."))
            .arg(finding.face, finding.otherFace);
    case ChequeFindingKind::OtherFace:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "The line is in %1, but this printer is calibrated for %2 "
                                                          "(Line %3)."))
            .arg(finding.face, finding.otherFace)
            .arg(check.model.line);
    case ChequeFindingKind::WrongSize:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "The line prints at %1 pt; it must print at 10 pt (within "
                                                          "%2 pt). A page zoomed or fitted to the paper changes the "
                                                          "size: print at 100 %."))
            .arg(Figure(audience, finding.points, 2), Figure(audience, MicrPointsTolerance, 2));
    case ChequeFindingKind::SharedPosition:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "Two characters fall in position %1: they stand closer "
                                                          "than %2 in (another size or face), or the line is printed "
                                                          "twice."))
            .arg(finding.position)
            .arg(Figure(audience, PositionPitchInches, 3));
    case ChequeFindingKind::LineOffset: {
        const int shift = finding.position - finding.belongs;
        const char *text = nullptr;
        if (std::abs(shift) == 1)
            text = shift > 0 ? QT_TRANSLATE_NOOP("Wording", "The line's last character stands in position %1; it "
                                                            "belongs in position %2: the line is 1 position too far "
                                                            "left.")
                             : QT_TRANSLATE_NOOP("Wording", "The line's last character stands in position %1; it "
                                                            "belongs in position %2: the line is 1 position too far "
                                                            "right.");
        else
            text = shift > 0 ? QT_TRANSLATE_NOOP("Wording", "The line's last character stands in position %1; it "
                                                            "belongs in position %2: the line is %3 positions too far "
                                                            "left.")
                             : QT_TRANSLATE_NOOP("Wording", "The line's last character stands in position %1; it "
                                                            "belongs in position %2: the line is %3 positions too far "
                                                            "right.");
        QString sentence = Say(audience, text).arg(finding.position).arg(finding.belongs);
        return std::abs(shift) == 1 ? sentence : sentence.arg(std::abs(shift));
    }
    case ChequeFindingKind::LineFault:
        // The MICR line's own fault, as its section words it.
        return LineFault(audience, check.checked.faults.at(std::size_t(finding.index)));
    case ChequeFindingKind::TextInClearBand: {
        const ClearBandMark &mark = check.clearBand.at(std::size_t(finding.index));
        return SayAsScriptsRead(audience, QT_TRANSLATE_NOOP("Wording", "Text in the clear band: \"%1\", %2."))
            .arg(mark.text, WhereOnCheque(audience, mark.paper, check));
    }
    case ChequeFindingKind::DrawingInClearBand: {
        const ClearBandMark &mark = check.clearBand.at(std::size_t(finding.index));
        return SayAsScriptsRead(audience, QT_TRANSLATE_NOOP("Wording", "A drawing in the clear band, %1."))
            .arg(WhereOnCheque(audience, mark.paper, check));
    }
    }
    return {};
}

QStringList Wording::ChequeCheckLines(For audience, const ChequeCheck &check)
{
    QStringList lines;
    lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Printer: %1 (%2 at 10 pt); page scale %3 % across, %4 % "
                                                        "down."))
                 .arg(PrinterModelSource(audience, check.model), check.model.Face(),
                      Figure(audience, check.model.sx * 100, 2), Figure(audience, check.model.sy * 100, 2));
    static const char *const cheques[] = {QT_TRANSLATE_NOOP("Wording", "Check: the top one, %1."),
                                          QT_TRANSLATE_NOOP("Wording", "Check: the middle one, %1."),
                                          QT_TRANSLATE_NOOP("Wording", "Check: the bottom one, %1.")};
    lines << Say(audience, cheques[int(check.layout.cheque)]).arg(ChequeStockName(audience, check.layout.stock));
    if (check.found) {
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "MICR line: %1 at %2 pt."))
                     .arg(check.face, Figure(audience, check.points, 2));
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Text: \"%1\", positions %2 to %3."))
                     .arg(check.text)
                     .arg(check.firstPosition)
                     .arg(check.lastPosition);
        // The fields by the names the line's JSON gives them, in columns.
        for (const MicrField &field : check.checked.fields)
            lines << QStringLiteral("  %1 %2-%3  %4").arg(field.name, -26).arg(field.first).arg(field.last).arg(field.text);
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Position 1 ends %1 in from the check's right edge (the "
                                                            "standard puts it at %2 in); the baseline is %3 in above "
                                                            "its bottom edge (%4 in)."))
                     .arg(Figure(audience, check.rightInches, 3), Figure(audience, FirstPositionRightInches, 3),
                          Figure(audience, check.baselineInches, 3), Figure(audience, PrintBandBottomInches, 3));
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Move the MICR line in the program that made the file: "
                                                            "%1."))
                     .arg(Moves(audience, check.moveRight, check.moveUp, Brief));
    }
    if (check.findings.empty())
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "No faults."));
    for (const ChequeFinding &finding : check.findings)
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Fault: %1")).arg(ChequeFault(audience, check, finding));
    if (check.found)
        lines << (check.movesFine() ? Say(audience, QT_TRANSLATE_NOOP("Wording", "Both moves are within 1/32 in."))
                                    : Say(audience, QT_TRANSLATE_NOOP("Wording", "A move is more than 1/32 in: move "
                                                                                 "the line, print the check to a file "
                                                                                 "again and check it.")));
    return lines;
}

QString Wording::ChequeFileUnread(For audience, const ChequeFileProblem &problem)
{
    // One a kind, in the kinds' order; %1 is the file.
    static const char *const problems[] = {
        QT_TRANSLATE_NOOP("Wording", "%1: no such file"),
        QT_TRANSLATE_NOOP("Wording", "%1 cannot be opened: %2"),
        QT_TRANSLATE_NOOP("Wording", "%1 is empty"),
        QT_TRANSLATE_NOOP("Wording", "%1 is neither a PDF nor a PostScript file"),
        QT_TRANSLATE_NOOP("Wording", "%1 is cut short: it does not end as a PDF file does"),
        QT_TRANSLATE_NOOP("Wording", "%1 is cut short: it does not end as a PostScript file does"),
        QT_TRANSLATE_NOOP("Wording", "%1 cannot be read: it is damaged, or not a PDF file"),
        QT_TRANSLATE_NOOP("Wording", "%1 is encrypted with a password: print the check to a file without one"),
        QT_TRANSLATE_NOOP("Wording", "%1 has no page"),
        QT_TRANSLATE_NOOP("Wording", "%1: its first page cannot be read"),
        // One sentence, too long for a line.
        // NOLINTNEXTLINE(bugprone-suspicious-missing-comma)
        QT_TRANSLATE_NOOP("Wording", "%1 is PostScript, and reading PostScript needs Ghostscript (gs), which is not "
                                     "installed: install the ghostscript package, or print the check to a PDF file"),
        QT_TRANSLATE_NOOP("Wording", "%1: Ghostscript could not read it in %2 s"),
        QT_TRANSLATE_NOOP("Wording", "%1 cannot be read as PostScript"),
        QT_TRANSLATE_NOOP("Wording", "%1: no temporary folder for Ghostscript's PDF"),
    };
    using Kind = ChequeFileProblem::Kind;
    const QString file = QDir::toNativeSeparators(problem.path);
    if (problem.kind == Kind::NotPostScript && !problem.detail.isEmpty())
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "%1 cannot be read as PostScript (Ghostscript: %2)"))
            .arg(file, problem.detail);
    const QString text = Say(audience, problems[int(problem.kind)]);
    if (problem.kind == Kind::CannotOpen)
        return text.arg(file, problem.detail);
    if (problem.kind == Kind::GhostscriptTimedOut)
        return text.arg(file).arg(problem.seconds);
    return text.arg(file);
}
