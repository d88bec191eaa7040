#pragma once

#include "ChequeFileWire.h"

#include <QObject>
#include <QString>

class QProcess;
class QTimer;

// Cheque files are read by a program of their own, micr-calibration-reader,
// the one that links the PDF library: a damaged or hostile file can crash
// it, or make it run long or grow large, and none of that reaches the
// program that asked. It runs under these limits; past them the file is
// refused.
constexpr int ReaderSeconds = 10;
constexpr qint64 ReaderMemoryBytes = qint64(1) << 30;

// The reader program: $MICR_CALIBRATION_READER, or the one beside this
// program (the build directory), or the installed one.
QString ReaderProgram();

// Reads `path` in the reader and waits for it, at most ReaderSeconds;
// `pageNumber` as ReadChequeFile takes it.
ChequeFileReading ReadChequeFileApart(const QString &path, int pageNumber = 0);

// The same, in the background: Finished comes once for each Start that is
// not cancelled; a new Start cancels the reading under way.
class ChequeFileReadingJob : public QObject
{
    Q_OBJECT

public:
    explicit ChequeFileReadingJob(QObject *parent = nullptr);
    ~ChequeFileReadingJob() override;

    void Start(const QString &path);
    void Cancel();
    bool Running() const { return process_ != nullptr; }

signals:
    void Finished(const ChequeFileReading &reading);

private:
    void Done();

    QProcess *process_ = nullptr;
    QTimer *deadline_;
    QString path_;
    bool timedOut_ = false;
};
