#pragma once

#include "TestFiles.h"

#include <QApplication>
#include <QDialog>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

// One launch handed to the desktop, as the launcher seam saw it.
struct Launch
{
    QWidget *owner;
    QString verb; // empty for the default action
    QString target;
};

// Records launches instead of opening anything, for as long as it lives.
class LaunchRecorder
{
public:
    LaunchRecorder();
    ~LaunchRecorder();
    std::vector<Launch> launches;
};

// Collects the program's own warnings written while it lives.
class WarningCollector
{
public:
    WarningCollector();
    ~WarningCollector();
    static QStringList lines;
};

// Answers the next modal dialog that opens: `answer` runs on it once it is
// the active modal widget. Returns a flag that tells whether it was seen.
// With `wanted`, only a modal it accepts is answered; others are left alone.
std::shared_ptr<bool> AnswerNextModal(std::function<void(QWidget *)> answer, int timeoutMs = 5000,
                                      std::function<bool(QWidget *)> wanted = {});

// Rejects the next modal dialog.
// Stops every answer still waiting for a modal, so none outlives the test
// that set it and answers the next test's.
void StopAnsweringModals();
std::shared_ptr<bool> RejectNextModal();
