#include "wording/ChequeWording.h"

#include "wording/Wording.h"
#include "wording/LineWording.h"
#include "store/PrinterProfiles.h"

#include <QDir>

using namespace Wording::Parts;

namespace {

// Scripts read the words `cheque FILE --json` has always given, which spell
// the cheque the Canadian way: their sentences are their own, untranslated.
QString SayOrScript(Wording::For audience, const char *readerSource, const char *scriptText)
{
    return audience == Wording::For::Script ? QString::fromLatin1(scriptText) : Wording::Say(audience, readerSource);
}

// "the top cheque", as scripts read it.
const char *ChequeOnSheetScript(ChequePosition cheque)
{
    static const char *const names[] = {"the top cheque", "the middle cheque", "the bottom cheque"};
    return names[int(cheque)];
}

// "1.250-2.000 in from the check's left edge, 0.100-0.300 in above its
// bottom edge"
QString WhereOnCheque(Wording::For audience, const QRectF &paper, const ChequeCheck &check)
{
    const double bottom = ChequeBottomInches(check.layout);
    return SayOrScript(audience,
                       QT_TRANSLATE_NOOP("Wording", "%1-%2 in from the check's left edge, %3-%4 in above its bottom edge"),
                       "%1-%2 in from the cheque's left edge, %3-%4 in above its bottom edge")
        .arg(Wording::Figure(audience, paper.left(), 3), Wording::Figure(audience, paper.right(), 3),
             Wording::Figure(audience, std::max(0.0, bottom - paper.bottom()), 3),
             Wording::Figure(audience, bottom - paper.top(), 3));
}


// A face by the name the user knows; scripts keep the file's base name.
QString FaceSaid(Wording::For audience, const QString &face)
{
    return audience == Wording::For::Script ? face : FaceDisplayName(face);
}

} // namespace

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
    const QString date = Date(audience, taken);
    return Say(audience, QT_TRANSLATE_NOOP("Wording", "printer %1, calibrated for Line %2, placement measured %3"))
        .arg(model.queue)
        .arg(model.line)
        .arg(date);
}

QString Wording::ChequeFault(For audience, const ChequeCheck &check, const ChequeFinding &finding)
{
    switch (finding.kind) {
    case ChequeFindingKind::NoLine: {
        const QString fonts = audience == For::Reader ? Listed(audience, check.pageFonts)
                                                      : check.pageFonts.join(QStringLiteral(", "));
        const char *text = fonts.isEmpty()
            ? QT_TRANSLATE_NOOP("Wording", "No MICR line found on %1: no text there is in a MICR face. The page uses "
                                           "no fonts.")
            : QT_TRANSLATE_NOOP("Wording", "No MICR line found on %1: no text there is in a MICR face. The page uses "
                                           "the fonts %2.");
        const QString sentence = Say(audience, text).arg(SayOrScript(
            audience, ChequeOnSheetSource(check.layout.cheque), ChequeOnSheetScript(check.layout.cheque)));
        return fonts.isEmpty() ? sentence : sentence.arg(fonts);
    }
    case ChequeFindingKind::MixedFaces:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "The line mixes faces: %1 and %2."))
            .arg(FaceSaid(audience, finding.face), FaceSaid(audience, finding.otherFace));
    case ChequeFindingKind::OtherFace:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "The line is in %1, but this printer is calibrated for %2 "
                                                          "(Line %3)."))
            .arg(FaceSaid(audience, finding.face), finding.otherFace)
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
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "Text in the clear band: \"%1\", %2."))
            .arg(mark.text, WhereOnCheque(audience, mark.paper, check));
    }
    case ChequeFindingKind::OtherPaper:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "The page is %1 x %2 pt, neither Letter nor A4: its checks "
                                                          "are taken as %3 stock's. Print the check on the paper "
                                                          "of the stock."))
            .arg(Figure(audience, finding.points, 1))
            .arg(finding.position)
            .arg(ChequeStockName(audience, check.layout.stock));
    case ChequeFindingKind::DrawnAsShapes:
        return ShapesCause(finding.index) == ShapesCause::UnnamedFont
            ? Say(audience, QT_TRANSLATE_NOOP("Wording", "The MICR line is drawn as shapes, not as text: its glyphs "
                                                         "are in a font with no name, as a program makes them when "
                                                         "the face cannot be embedded. Install the face so that the "
                                                         "program may embed it, or print from a program that embeds "
                                                         "it."))
            : Say(audience, QT_TRANSLATE_NOOP("Wording", "The MICR line is drawn as shapes, not as text: the text "
                                                         "was converted to curves. Print it as text (turn off "
                                                         "\"convert text to paths\" or \"no output fonts\")."));
    case ChequeFindingKind::NoCharacters:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "The MICR line is in %1, but the file keeps no characters "
                                                          "for its glyphs (as pdftops and Ghostscript's ps2write "
                                                          "write PostScript), so where each character lands cannot "
                                                          "be read. Check the PDF the program prints instead."))
            .arg(finding.face);
    case ChequeFindingKind::DrawingInClearBand: {
        const ClearBandMark &mark = check.clearBand.at(std::size_t(finding.index));
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "A drawing in the clear band, %1."))
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
    if (check.pageCount > 1)
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Page %1 of %2 read (choose another with --page)."))
                     .arg(check.pageNumber)
                     .arg(check.pageCount);
    if (check.found) {
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "MICR line: %1 at %2 pt."))
                     .arg(check.faceName, Figure(audience, check.points, 2));
        if (ShownInches(check.pitchInches) != ShownInches(PositionPitchInches))
            lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Its characters stand %1 in apart (the standard's "
                                                                "pitch is %2 in): each is read in the position "
                                                                "nearest its cell."))
                         .arg(Figure(audience, check.pitchInches, 3), Figure(audience, PositionPitchInches, 3));
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
        QT_TRANSLATE_NOOP("Wording", "%1 has no page %3: it has %2"),
        QT_TRANSLATE_NOOP("Wording", "%1 could not be read: its page or text is sized beyond any paper, so it is "
                                     "damaged"),
        QT_TRANSLATE_NOOP("Wording", "%1 could not be read: the reader program, micr-calibration-reader, is not "
                                     "installed"),
        QT_TRANSLATE_NOOP("Wording", "%1 could not be read: reading it stopped the reader, so it is damaged or "
                                     "hostile"),
        QT_TRANSLATE_NOOP("Wording", "%1 could not be read: it needs more than %2 MB of memory"),
        QT_TRANSLATE_NOOP("Wording", "%1 could not be read: it was still being read after %2 s"),
    };
    using Kind = ChequeFileProblem::Kind;
    const QString file = QDir::toNativeSeparators(problem.path);
    if (problem.kind == Kind::NotPostScript && !problem.detail.isEmpty())
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "%1 cannot be read as PostScript (Ghostscript: %2)"))
            .arg(file, problem.detail);
    const QString text = Say(audience, problems[int(problem.kind)]);
    if (problem.kind == Kind::CannotOpen)
        return text.arg(file, problem.detail);
    if (problem.kind == Kind::GhostscriptTimedOut || problem.kind == Kind::ReaderTimedOut)
        return text.arg(file).arg(problem.seconds);
    if (problem.kind == Kind::NoSuchPage)
        return text.arg(file).arg(problem.pages).arg(problem.page);
    if (problem.kind == Kind::ReaderOutOfMemory)
        return text.arg(file).arg(problem.megabytes);
    return text.arg(file);
}


namespace {

// A finding's code and the values it names, for scripts.
QJsonObject ChequeFindingJson(const ChequeCheck &check, const ChequeFinding &finding)
{
    QJsonObject json{{QStringLiteral("code"), ChequeFindingCode(finding.kind)}};
    switch (finding.kind) {
    case ChequeFindingKind::NoLine:
        json.insert(QStringLiteral("cheque"), ChequeName(check.layout.cheque));
        break;
    case ChequeFindingKind::MixedFaces:
        json.insert(QStringLiteral("face"), finding.face);
        json.insert(QStringLiteral("other_face"), finding.otherFace);
        break;
    case ChequeFindingKind::OtherFace:
        json.insert(QStringLiteral("face"), finding.face);
        json.insert(QStringLiteral("calibrated_face"), finding.otherFace);
        json.insert(QStringLiteral("calibrated_line"), check.model.line);
        break;
    case ChequeFindingKind::WrongSize:
        json.insert(QStringLiteral("size_pt"), std::round(finding.points * 100) / 100);
        break;
    case ChequeFindingKind::SharedPosition:
        json.insert(QStringLiteral("position"), finding.position);
        break;
    case ChequeFindingKind::LineOffset:
        json.insert(QStringLiteral("position"), finding.position);
        json.insert(QStringLiteral("belongs_in"), finding.belongs);
        break;
    case ChequeFindingKind::LineFault:
        json.insert(QStringLiteral("line_fault"), finding.index);
        break;
    case ChequeFindingKind::TextInClearBand:
    case ChequeFindingKind::DrawingInClearBand:
        json.insert(QStringLiteral("clear_band"), finding.index);
        break;
    case ChequeFindingKind::OtherPaper:
        json.insert(QStringLiteral("width_pt"), std::round(finding.points * 10) / 10);
        json.insert(QStringLiteral("height_pt"), finding.position);
        break;
    case ChequeFindingKind::DrawnAsShapes:
        json.insert(QStringLiteral("cause"), ShapesCause(finding.index) == ShapesCause::UnnamedFont
                                                 ? QStringLiteral("unnamed-font")
                                                 : QStringLiteral("outlines"));
        break;
    case ChequeFindingKind::NoCharacters:
        json.insert(QStringLiteral("face"), finding.face);
        break;
    }
    return json;
}

} // namespace

QJsonObject ChequeCheckJson(const ChequeCheck &check)
{
    QJsonArray fields;
    for (const MicrField &field : check.checked.fields)
        fields.append(QJsonObject{{QStringLiteral("name"), field.name},
                                  {QStringLiteral("first"), field.first},
                                  {QStringLiteral("last"), field.last},
                                  {QStringLiteral("text"), field.text}});
    QJsonArray band;
    for (const ClearBandMark &mark : check.clearBand) {
        const double bottom = ChequeBottomInches(check.layout);
        band.append(QJsonObject{{QStringLiteral("kind"), mark.text.isEmpty() ? QStringLiteral("drawing")
                                                                             : QStringLiteral("text")},
                                {QStringLiteral("text"), mark.text},
                                {QStringLiteral("left_in"), ShownInches(mark.paper.left())},
                                {QStringLiteral("right_in"), ShownInches(mark.paper.right())},
                                {QStringLiteral("bottom_in"), ShownInches(bottom - mark.paper.bottom())},
                                {QStringLiteral("top_in"), ShownInches(bottom - mark.paper.top())}});
    }
    QJsonArray faults;
    QJsonArray findings;
    // Beside each fault its code: the MICR line's have the object
    // `check-line` gives them; the file's own have theirs in `findings`.
    QJsonArray codes;
    const QJsonArray lineCodes = MicrFaultCodesAsJson(check.checked.faults);
    for (const ChequeFinding &finding : check.findings) {
        faults.append(Wording::ChequeFault(Wording::For::Script, check, finding));
        findings.append(ChequeFindingJson(check, finding));
        codes.append(finding.kind == ChequeFindingKind::LineFault ? lineCodes.at(finding.index) : QJsonValue());
    }
    const auto orNull = [&check](const QJsonValue &value) { return check.found ? value : QJsonValue(); };
    return {{QStringLiteral("found"), check.found},
            {QStringLiteral("face"), orNull(check.face)},
            {QStringLiteral("calibrated_face"), check.model.Face()},
            {QStringLiteral("size_pt"), orNull(std::round(check.points * 100) / 100)},
            {QStringLiteral("text"), orNull(check.text)},
            {QStringLiteral("first_position"), orNull(check.firstPosition)},
            {QStringLiteral("last_position"), orNull(check.lastPosition)},
            {QStringLiteral("fields"), fields},
            {QStringLiteral("right_in"), orNull(ShownInches(check.rightInches))},
            {QStringLiteral("baseline_in"), orNull(ShownInches(check.baselineInches))},
            {QStringLiteral("move_right_in"), orNull(ShownInches(check.moveRight))},
            {QStringLiteral("move_up_in"), orNull(ShownInches(check.moveUp))},
            {QStringLiteral("within_tolerance"), check.found && check.movesFine()},
            {QStringLiteral("clear_band"), band},
            {QStringLiteral("page_fonts"), QJsonArray::fromStringList(check.pageFonts)},
            {QStringLiteral("faults"), faults},
            {QStringLiteral("fault_codes"), codes},
            {QStringLiteral("findings"), findings},
            {QStringLiteral("face_name"), orNull(check.faceName)},
            {QStringLiteral("pitch_in"), orNull(ShownInches(check.pitchInches))},
            {QStringLiteral("page"), check.pageNumber},
            {QStringLiteral("pages"), check.pageCount},
            {QStringLiteral("paper_known"), check.paperKnown}};
}
