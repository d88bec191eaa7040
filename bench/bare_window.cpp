// The baseline for bench/startup-benchmark.sh: a bare Qt program that shows a
// window with as many widgets as the wizard window, of the same kinds.
#include "platform/StartupTrace.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(467, 334);
    auto *client = new QWidget(&window);
    client->setGeometry(5, 5, 457, 324);
    int y = 0;
    for (int i = 0; i < 12; ++i)
        (new QLabel(QStringLiteral("A line of text like the wizard's step texts %1").arg(i), client))->move(142, y += 14);
    auto *weights = new QGroupBox(client);
    weights->setGeometry(165, 144, 245, 30);
    new QRadioButton(QStringLiteral("Standard"), weights);
    new QRadioButton(QStringLiteral("Bold"), weights);
    auto *lines = new QGroupBox(client);
    lines->setGeometry(147, 175, 277, 33);
    for (int i = 0; i < 5; ++i)
        (new QRadioButton(QStringLiteral("Line %1").arg(i + 1), lines))->move(4 + 54 * i, 13);
    for (int i = 0; i < 7; ++i)
        (new QPushButton(QStringLiteral("Button %1").arg(i), client))->setGeometry(i * 65, 294, 60, 30);
    new QToolButton(client);
    Platform::TraceFirstPaint(&window);
    window.show();
    return application.exec();
}
