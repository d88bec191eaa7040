#include "FormLayout.h"

#include "WidgetTree.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QWidget>

namespace Platform {

namespace {

// A picture of the program's own, decoded by Qt's built-in reader for the
// format its name ends in. Left to find a reader itself, Qt would first ask
// each of its image plugins, loading all of them and the libraries they
// link (JPEG, TIFF, WebP, MNG, colour management), which the program's PNG
// and BMP pictures never need.
QImage ReadPicture(const QString &fileName)
{
    QImageReader reader(fileName, QFileInfo(fileName).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QString TwiceAsSharp(const QString &fileName)
{
    const int dot = int(fileName.lastIndexOf(QLatin1Char('.')));
    return fileName.left(dot) + QStringLiteral("@2x") + fileName.mid(dot);
}

} // namespace

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
        QPixmap sharp = QPixmap::fromImage(ReadPicture(TwiceAsSharp(fileName)));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return QPixmap::fromImage(ReadPicture(fileName));
}

void ApplyGlyphs(QWidget *root)
{
    ForWidgetTree(root, [](QWidget *widget) {
        const QString glyph = widget->property("glyph").toString();
        if (glyph.isEmpty())
            return;
        QIcon icon(QPixmap::fromImage(ReadPicture(glyph)));
        if (qApp->devicePixelRatio() > 1) {
            const QImage sharp = ReadPicture(TwiceAsSharp(glyph));
            if (!sharp.isNull())
                icon.addPixmap(QPixmap::fromImage(sharp));
        }
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setIcon(icon);
        else if (widget->isWindow())
            widget->setWindowIcon(icon);
    });
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
