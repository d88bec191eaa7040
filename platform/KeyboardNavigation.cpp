#include "KeyboardNavigation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QRadioButton>

namespace Platform {

namespace {

bool InSameGroup(const QWidget *widget, const QRadioButton *radio)
{
    const auto *other = qobject_cast<const QRadioButton *>(widget);
    return other && other->autoExclusive() && other->parentWidget() == radio->parentWidget();
}

QRadioButton *CheckedInGroup(const QRadioButton *radio)
{
    const auto siblings = radio->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
    for (QRadioButton *sibling : siblings) {
        if (sibling->isChecked() && InSameGroup(sibling, radio))
            return sibling;
    }
    return nullptr;
}

// The first widget past the radio's group that Tab (or Backtab) can reach.
QWidget *PastGroup(QRadioButton *radio, bool forward)
{
    QWidget *widget = radio;
    for (int steps = 0; steps < 1000; ++steps) {
        widget = forward ? widget->nextInFocusChain() : widget->previousInFocusChain();
        if (!widget || widget == radio)
            return nullptr;
        if (InSameGroup(widget, radio))
            continue;
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled()
            && widget->window() == radio->window())
            return widget;
    }
    return nullptr;
}

class KeyboardNavigation : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            return KeyPressed(watched, static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::FocusIn)
            FocusCame(watched, static_cast<QFocusEvent *>(event));
        return false;
    }

private:
    static bool KeyPressed(QObject *watched, const QKeyEvent *key)
    {
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        auto *radio = qobject_cast<QRadioButton *>(watched);
        if (radio && radio->autoExclusive() && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            if (QWidget *next = PastGroup(radio, key->key() == Qt::Key_Tab)) {
                next->setFocus(key->key() == Qt::Key_Tab ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
            return false;
        }
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (button && !radio && !button->isCheckable() && plain
            && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && button->hasFocus()) {
            button->animateClick();
            return true;
        }
        return false;
    }

    static void FocusCame(QObject *watched, const QFocusEvent *focus)
    {
        auto *radio = qobject_cast<QRadioButton *>(watched);
        if (!radio || radio->isChecked() || !radio->autoExclusive()
            || (focus->reason() != Qt::TabFocusReason && focus->reason() != Qt::BacktabFocusReason))
            return;
        if (QRadioButton *checked = CheckedInGroup(radio); checked && checked->isVisible() && checked->isEnabled())
            checked->setFocus(focus->reason());
    }
};

} // namespace

void InstallKeyboardNavigation(QApplication &application)
{
    application.installEventFilter(new KeyboardNavigation(&application));
}

} // namespace Platform
