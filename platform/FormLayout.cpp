#include "FormLayout.h"

#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QWidget>

namespace Platform {

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
    window->setFixedSize(client + QSize(2 * border, 2 * border));
}

void GrowToFitText(QWidget *window)
{
    QLayout *layout = window->layout();
    if (!layout)
        return;
    layout->activate();
    const int needed = layout->hasHeightForWidth() ? layout->totalHeightForWidth(window->width())
                                                   : layout->totalSizeHint().height();
    if (needed > window->height())
        window->resize(window->width(), needed);
}

QPixmap PictureFor(const QString &fileName, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1) {
        const int dot = int(fileName.lastIndexOf(QLatin1Char('.')));
        QPixmap sharp(fileName.left(dot) + QStringLiteral("@2x") + fileName.mid(dot));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return QPixmap(fileName);
}

void PrepareForFirstShow(QWidget *root)
{
    const auto labels = root->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        const QString picture = label->property("picture").toString();
        if (!picture.isEmpty())
            label->setPixmap(PictureFor(picture, label->devicePixelRatioF()));
        else if (!label->text().isEmpty())
            label->adjustSize();
    }
}

} // namespace Platform
