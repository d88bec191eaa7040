// micr-calibration-reader: reads one untrusted file for the programs, which
// start it with the file and read its answer on standard output (see
// ChequeFileClient.h). The only program that links the PDF library.
//   micr-calibration-reader cheque [--page N] -- FILE
#include "ChequeFileReader.h"
#include "ChequeFileWire.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <new>
#include <unistd.h>

namespace {

// An allocation refused under the memory limit ends the reading at once, with
// a status that says so.
[[noreturn]] void OutOfMemory()
{
    _exit(ReaderOutOfMemoryExit);
}

int ReadCheque(const QString &path, int pageNumber)
{
    ChequeFileReading reading;
    reading.page = ReadChequeFile(path, &reading.problem, pageNumber);
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return 1;
    out.write(ChequeFileReadingToWire(reading));
    out.flush();
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    std::set_new_handler(OutOfMemory);
    const QCoreApplication application(argc, argv);
    // The request's kind, then its file; a kind's own options (--page N for
    // cheque files) go before the file.
    QCommandLineParser parser;
    const QCommandLineOption page(QStringLiteral("page"), QStringLiteral("the page to read, from 1"), QStringLiteral("N"));
    parser.addOption(page);
    parser.addPositionalArgument(QStringLiteral("request"), QStringLiteral("cheque"));
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("the file to read"));
    const QStringList arguments = parser.parse(QCoreApplication::arguments()) ? parser.positionalArguments()
                                                                               : QStringList();
    if (arguments.size() == 2 && arguments.front() == QLatin1String("cheque"))
        return ReadCheque(arguments.back(), parser.value(page).toInt());
    std::fputs("usage: micr-calibration-reader cheque [--page N] -- FILE\n", stderr);
    return 64;
}
