#include "FormGlue.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
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
    const auto labels = root->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (!label->text().isEmpty())
            label->adjustSize();
    }
}

void InstallFaceSubstitutes()
{
    static const char *const windowsFaces[] = {"MS Sans Serif", "Tahoma", "Arial"};
    static const char *const freeFaces[] = {"Liberation Sans", "DejaVu Sans"};
    for (const char *face : windowsFaces) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(face)))
            continue;
        for (const char *stand_in : freeFaces) {
            if (QFontDatabase::hasFamily(QString::fromLatin1(stand_in))) {
                QFont::insertSubstitution(QString::fromLatin1(face), QString::fromLatin1(stand_in));
                break;
            }
        }
    }
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
