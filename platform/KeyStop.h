#pragma once

#include <QObject>

class QWidget;

namespace Platform {

// Keeps a key from reaching the control's parents: Qt passes a key that a
// control ignores on to its parent widget, so a handler on the window would
// otherwise see keys typed into any of its controls.
class KeyStop : public QObject
{
public:
    KeyStop(QWidget *control, int key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int key_;
};

// F1 anywhere in `window` opens the help page `page` (help/NAME.html), in
// the user's language where it is there, through OpenWithShell.
void OpenHelpOnF1(QWidget *window, const QString &page);

} // namespace Platform
