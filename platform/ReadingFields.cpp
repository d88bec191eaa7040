#include "ReadingFields.h"
#include "wording/ReadingWording.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>

namespace Platform {

namespace {

// A field whose text is not a length is tinted, as well as named below.
const QColor RefusedFieldTint(255, 220, 220);

// A field is refused when CheckLengthFields gave it a reason.
bool Refused(const QLineEdit *field)
{
    return !field->accessibleDescription().isEmpty();
}

bool TakesReadings(const QWidget *widget, const QWidget *window)
{
    const auto *field = qobject_cast<const QLineEdit *>(widget);
    return field && field->isVisible() && field->isEnabled() && !field->isReadOnly() && field->window() == window;
}

class ReturnMovesOn : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        auto *field = static_cast<QLineEdit *>(watched);
        emit field->returnPressed();
        // On to the next field in tab order, never to a button (with OK
        // disabled, Cancel would be next) nor to a combo box (it would take
        // the next reading as a search among its items).
        QWidget *window = field->window();
        for (QWidget *next = field->nextInFocusChain(); next && next != field; next = next->nextInFocusChain()) {
            if (next->focusPolicy() & Qt::TabFocus && TakesReadings(next, window)) {
                // Past the last field: back to the first one refused, or
                // on to OK where it is offered (Return then presses it).
                if (IsAfter(field, next, window)) {
                    for (QLineEdit *refused : FieldsInOrder(window)) {
                        if (Refused(refused)) {
                            refused->setFocus(Qt::TabFocusReason);
                            return true;
                        }
                    }
                    if (QPushButton *ok = OfferedOk(window))
                        ok->setFocus(Qt::TabFocusReason);
                    return true;
                }
                next->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
        return true;
    }

private:
    static QPushButton *OfferedOk(QWidget *window)
    {
        for (QDialogButtonBox *box : window->findChildren<QDialogButtonBox *>()) {
            for (QAbstractButton *button : box->buttons()) {
                if (box->buttonRole(button) == QDialogButtonBox::AcceptRole && button->isEnabled()
                    && button->isVisible())
                    return qobject_cast<QPushButton *>(button);
            }
        }
        return nullptr;
    }

    // The window's reading fields in tab order, from the first.
    static QList<QLineEdit *> FieldsInOrder(QWidget *window)
    {
        QList<QLineEdit *> fields;
        QWidget *start = window;
        for (QWidget *w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus && TakesReadings(w, window))
                fields << static_cast<QLineEdit *>(w);
        }
        return fields;
    }

    // Whether `next` comes before `field` in tab order: the chain wrapped.
    static bool IsAfter(QLineEdit *field, QWidget *next, QWidget *window)
    {
        const QList<QLineEdit *> fields = FieldsInOrder(window);
        return fields.indexOf(static_cast<QLineEdit *>(next)) <= fields.indexOf(field);
    }
};

} // namespace

std::optional<double> ParseTypedLength(const QString &text, const LengthRange &range, const QLocale &locale,
                                       QString *error)
{
    const QString typed = text.simplified();
    const QString group = locale.groupSeparator();
    const QString decimal = locale.decimalPoint();
    // Only a separator that could also be a decimal one makes a number
    // ambiguous: a French space never does.
    if ((group == QLatin1String(",") || group == QLatin1String(".")) && group != decimal) {
        static const QRegularExpression grouped(QStringLiteral("^[-+\\x{2212}]?\\d{1,3}([.,])\\d{3}(\\s*[^\\d\\s.,/].*)?$"));
        const QRegularExpressionMatch match = grouped.match(typed);
        if (match.hasMatch() && match.captured(1) == group) {
            QString meant = typed;
            meant.replace(match.capturedStart(1), 1, decimal);
            *error = QCoreApplication::translate("ReadingFields", "\"%1\" could be read as thousands: type %2.")
                         .arg(typed, meant);
            return std::nullopt;
        }
    }
    return ParseLength(typed, range, error);
}

std::optional<std::vector<std::optional<double>>> CheckLengthFields(const std::vector<LengthField> &fields,
                                                                    QLabel *problems,
                                                                    std::vector<std::optional<double>> *accepted)
{
    std::vector<std::optional<double>> lengths;
    QStringList refused;
    for (const LengthField &entry : fields) {
        QString error;
        std::optional<double> length;
        if (!entry.field->text().trimmed().isEmpty()) {
            length = ParseTypedLength(entry.field->text(), entry.range, QLocale(), &error);
            if (!length)
                refused << QCoreApplication::translate("Readings", "%1: %2",
                                                       "a reading's name and what is wrong with it")
                               .arg(entry.name, error);
        }
        QPalette palette = entry.field->parentWidget()->palette();
        if (!error.isEmpty())
            palette.setColor(QPalette::Base, RefusedFieldTint);
        entry.field->setPalette(palette);
        entry.field->setAccessibleDescription(error);
        lengths.push_back(length);
    }
    problems->setText(refused.join(QLatin1Char('\n')));
    problems->setVisible(!refused.isEmpty());
    if (accepted)
        *accepted = lengths;
    if (!refused.isEmpty())
        return std::nullopt;
    return lengths;
}

void KeepReturnInFields(QWidget *window)
{
    for (QLineEdit *field : window->findChildren<QLineEdit *>())
        field->installEventFilter(new ReturnMovesOn(field));
}

} // namespace Platform
