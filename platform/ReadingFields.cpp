#include "ReadingFields.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace Platform {

namespace {

// A field whose text is not a length is tinted, as well as named below.
const QColor RefusedFieldTint(255, 220, 220);

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
        // As Tab would: the next control that takes the focus.
        for (QWidget *next = field->nextInFocusChain(); next && next != field; next = next->nextInFocusChain()) {
            if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled()
                && next->window() == field->window()) {
                next->setFocus(Qt::TabFocusReason);
                break;
            }
        }
        return true;
    }
};

} // namespace

std::optional<std::vector<std::optional<double>>> CheckLengthFields(const std::vector<LengthField> &fields,
                                                                    QLabel *problems)
{
    std::vector<std::optional<double>> lengths;
    QStringList refused;
    for (const LengthField &entry : fields) {
        QString error;
        std::optional<double> length;
        if (!entry.field->text().trimmed().isEmpty()) {
            length = ParseLength(entry.field->text(), entry.range, &error);
            if (!length)
                refused << QStringLiteral("%1: %2").arg(entry.name, error);
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
