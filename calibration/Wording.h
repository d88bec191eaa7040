#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>

struct ChequeCheck;
struct ChequeFinding;
struct ChequeFileProblem;
struct ChequeStock;
struct PrinterModel;
enum class ChequePosition;

// Every answer of this layer is data; this is the one place that words it.
// The windows, step 3 and the exporter's text all show these sentences, so
// they never contradict one another, and the catalogues translate them here.
class Wording
{
    Q_DECLARE_TR_FUNCTIONS(Wording)

public:
    // Who reads the words: a person in their own language, or a script that
    // parses JSON and needs the same bytes in every locale (the program's own
    // US English, a point before decimals).
    enum class For { Reader, Script };

    // `sourceText` is marked where it is written, with
    // QT_TRANSLATE_NOOP("Wording", "..."), so that lupdate finds it.
    static QString Say(For audience, const char *sourceText, const char *disambiguation = nullptr, int n = -1);
    static QLocale Numbers(For audience);
    // A figure with `decimals` places, written as the audience writes numbers.
    static QString Figure(For audience, double value, int decimals);

    // ---- The MICR line's faults ----------------------------------------

    // ---- Measurements, placement and profiles --------------------------

    // ---- The cheque file's findings ------------------------------------

    // The answer to a cheque file, a line each, as `cheque FILE` prints it
    // and the Check File window shows it.
    static QStringList ChequeCheckLines(For audience, const ChequeCheck &check);
    // One finding, a sentence; for a script, in the words its JSON has
    // always had.
    static QString ChequeFault(For audience, const ChequeCheck &check, const ChequeFinding &finding);
    // Why a cheque file could not be read, naming it.
    static QString ChequeFileUnread(For audience, const ChequeFileProblem &problem);
    // Whose model a printer's is: "printer Office, calibrated for Line 3".
    static QString PrinterModelSource(For audience, const PrinterModel &model);
    // "the top check"
    static QString ChequeOnSheet(For audience, ChequePosition cheque);
    // "3-up on Letter, 3.5 in a check"
    static QString ChequeStockName(For audience, const ChequeStock &stock);
    // How far to move the MICR line in the program that made a cheque
    // file: "right 0.031 in and down 0.016 in".
    static QString ChequeFileMoves(For audience, double right, double up);
};
