#pragma once

#include "ScannerWire.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

class QProcess;
class QTimer;

// Looking for scanners may wait on the network; a scan at 1200 dpi on a
// slow USB scanner takes minutes. Past these the helper is stopped.
inline constexpr int ScannerListSeconds = 60;
inline constexpr int ScannerScanSeconds = 15 * 60;
// A Letter bed at 1200 dpi in colour is 430 MB, held twice while saved.
inline constexpr qint64 ScannerHelperBytes = qint64(2) << 30;
// How long a helper asked to stop may take to cancel the scan (the head
// travels home) before it is killed.
inline constexpr int ScannerStopSeconds = 10;

// One scanner request at a time, run in the scan helper (the one process
// that loads SANE) in the background: the device list, or a scan saved as a
// PNG carrying its resolution. Each request ends in exactly one of
// Listed, Saved or Failed; a new request stops the one under way without
// a signal for it.
class ScannerJob : public QObject
{
    Q_OBJECT

public:
    explicit ScannerJob(QObject *parent = nullptr);
    ~ScannerJob() override;

    void ListDevices();
    // `dpi` is asked for; the scanner's nearest resolution is taken.
    void Scan(const QString &device, int dpi, const QString &file);
    // The helper cancels the scan and answers; Failed(Cancelled) follows and
    // no file is left.
    void Cancel();
    bool Running() const { return process_ != nullptr; }

signals:
    void Listed(const QList<ScannerDevice> &devices);
    void Progress(double fraction);
    void Saved(const QString &file, double dpi);
    void Failed(const ScannerFailure &failure);

private:
    // Ends the request under way, with no signal, and removes its file.
    void Abandon();
    void Start(const QStringList &arguments, int seconds);
    void Stop();
    void ReadLines();
    void Done();
    void Fail(ScannerProblem problem, const QString &detail = {}, int seconds = 0);

    QProcess *process_ = nullptr;
    QTimer *deadline_;
    QTimer *stopping_;
    QJsonObject answer_;
    QString file_;
    int seconds_ = 0;
    bool cancelled_ = false;
    bool timedOut_ = false;
};
