#include "FormGlue.h"

#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <QWindow>

// Resources compiled into a static library are only registered on request.
static void RegisterFormResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace Platform {

void RegisterResources()
{
    static const bool registered = (RegisterFormResources(), true);
    Q_UNUSED(registered);
}

void PrepareForm(QWidget *root)
{
    ApplyCharHeights(root);
    const auto controls = root->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (control->property("opaqueWhite").toBool()) {
            QPalette palette = control->palette();
            palette.setColor(QPalette::Window, Qt::white);
            control->setPalette(palette);
            control->setAutoFillBackground(true);
        }
    }
}

void InstallFaceSubstitutes()
{
    // Qt turns to substitutes only for a family that is not installed, so
    // they are set without looking: looking would make Qt read every
    // installed font, the largest cost of start-up.
    const QStringList freeFaces = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    for (const char *face : {"MS Sans Serif", "Tahoma", "Arial"})
        QFont::insertSubstitutions(QString::fromLatin1(face), freeFaces);
}

namespace {
void ApplyCharHeight(QWidget *widget)
{
    const QVariant height = widget->property("charHeight");
    if (!height.isValid())
        return;
    QFont font = widget->font();
    font.setPixelSize(height.toInt());
    widget->setFont(font);
}
} // namespace

void ApplyCharHeights(QWidget *root)
{
    ApplyCharHeight(root);
    const auto descendants = root->findChildren<QWidget *>();
    for (QWidget *widget : descendants)
        ApplyCharHeight(widget);
}

void SetStaticText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->adjustSize();
}

void EncloseControls(QWidget *window, QWidget *clientArea, QSize designedClientSize, int border)
{
    QRect used(QPoint(0, 0), designedClientSize);
    const auto controls = clientArea->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (const QWidget *control : controls) {
        if (!control->isHidden())
            used = used.united(control->geometry());
    }
    const QSize client = used.size();
    clientArea->resize(client);
    const QSize outer = client + QSize(2 * border, 2 * border);
    window->setMinimumSize(outer);
    if (window->width() < outer.width() || window->height() < outer.height())
        window->resize(window->size().expandedTo(outer));
}

void PrepareForFirstShow(QWidget *root)
{
    if (root->property("preparedForShow").toBool())
        return;
    root->setProperty("preparedForShow", true);
    const auto labels = root->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        const QString picture = label->property("picture").toString();
        if (!picture.isEmpty())
            label->setPixmap(QPixmap(picture));
        else if (!label->text().isEmpty())
            label->adjustSize();
    }
}

void UseDialogFrame(QWidget *dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint);
    dialog->setFixedSize(dialog->size());
}

void PlaceRelativeTo(QWidget *window, const QWidget *anchor, QPoint offset)
{
    if (!anchor)
        return;
    window->move(anchor->frameGeometry().topLeft() + offset);
    if (window->windowHandle() && anchor->windowHandle())
        window->windowHandle()->setTransientParent(anchor->windowHandle());
}

void PrepareDialog(QWidget *dialog)
{
    PrepareForm(dialog);
    UseDialogFrame(dialog);
}

void ShowDialogRelativeTo(QWidget *dialog, const QWidget *anchor, QPoint offset)
{
    PrepareForFirstShow(dialog);
    PlaceRelativeTo(dialog, anchor, offset);
}

namespace {
int &HintHidePauseStorage()
{
    static int milliseconds = -1;
    return milliseconds;
}
} // namespace

void SetHintHidePause(int milliseconds)
{
    HintHidePauseStorage() = milliseconds;
    const auto widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets)
        widget->setToolTipDuration(milliseconds);
}

int HintHidePause()
{
    return HintHidePauseStorage();
}

KeyStop::KeyStop(QWidget *control, int key) : QObject(control), key_(key)
{
    control->installEventFilter(this);
}

bool KeyStop::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        && static_cast<QKeyEvent *>(event)->key() == key_) {
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Platform
