#pragma once

#include "answers/PlacementLayout.h"
#include "answers/ScanFindings.h"
#include "ScanHelperProgram.h"

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

class QProcess;
class QTimer;

// The scan helper, micr-calibration-scan, run as a child process: the image
// libraries stay in it, and a damaged or huge image costs it, not the
// program that asked, its time and memory.
inline constexpr int ScanHelperMilliseconds = 10000;
inline constexpr long long ScanHelperBytes = 1LL << 30;

struct ScanRequest
{
    QString task; // "place", "gauge" or "measure"
    QString file;
    std::optional<double> dpi;
    PlacementLayout layout;
    QString face; // the MICR face the line is printed in, for "gauge"
    // The layout's paper is the Letter or A4 sheet the scan shows, its
    // stock the usual one unless `customStock`.
    bool paperFromSheet = false;
    bool customStock = false;
};

// Its command line for `request`.
QStringList ScanHelperArguments(const ScanRequest &request);
// Bounds the helper's memory, applied in the child before it starts.
void BoundScanHelper(QProcess &helper);
// What a finished helper answered, or why it measured nothing: its own
// refusal, no answer in time, or none at all.
std::variant<QJsonObject, ScanRefusal> ScanHelperAnswer(QProcess &helper, bool timedOut);
// Said when there is no helper to run.
ScanRefusal ScanHelperMissing();

// The helper's task in the background, for a window that stays responsive:
// Finished or Refused comes once for each Start that is not cancelled (at
// once, within Start, when there is no helper); a new Start cancels the one
// under way.
class ScanAnalysis : public QObject
{
    Q_OBJECT

public:
    explicit ScanAnalysis(QObject *parent = nullptr);
    ~ScanAnalysis() override;

    void Start(const ScanRequest &request);
    void Cancel();
    bool Running() const { return helper_ != nullptr; }
    // The request last started.
    const ScanRequest &Request() const { return request_; }

signals:
    void Finished(const QJsonObject &answer);
    void Refused(const ScanRefusal &refusal);

private:
    void Done();

    QProcess *helper_ = nullptr;
    QTimer *deadline_;
    ScanRequest request_;
    bool timedOut_ = false;
};
