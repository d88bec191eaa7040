#include "platform/ScanView.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QThread>
#include <QVBoxLayout>

#include <memory>

namespace {

// Distinct on white paper and on a dark lid, and told apart by people who
// confuse red and green: blue and orange carry the most.
const QColor EdgeColour(0, 114, 178);
const QColor MeasuredColour(204, 121, 167);
const QColor CellColour(0, 158, 115);
const QColor CharacterColour(230, 159, 0);
const QColor BaselineColour(213, 94, 0);
const QColor MarkColour(200, 0, 0);
// The picture is decoded no larger than this on its longer side: finer
// than any screen shows it, and a sixth of a 600-dpi sheet's memory.
constexpr int PreviewSide = 2400;
// Enough to decode any scan the helper measures (150 million pixels),
// scaled down in colour; Qt's default stops at a Letter sheet at 600 dpi.
constexpr int DecodeLimitMegabytes = 640;
// The line's region reaches this far round the line, in inches: the edge
// of the paper beside position 1 shows.
constexpr double RegionMarginInches = 0.35;
// Pen widths in screen pixels.
constexpr double ThinPen = 1.0;
constexpr double ThickPen = 2.0;

QString Swatch(const QColor &colour, const QString &text)
{
    return QStringLiteral("<span style=\"color:%1\">&#9632;</span>&nbsp;%2").arg(colour.name(), text.toHtmlEscaped());
}

} // namespace

ScanView::ScanView(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ScanView::Show(const QImage &picture, QSize scanSize, const ScanOverlay &overlay)
{
    picture_ = picture;
    scanSize_ = scanSize;
    overlay_ = overlay;
    update();
}

void ScanView::SetRegion(const QRectF &region)
{
    region_ = region;
    update();
}

void ScanView::SetPlaceholder(const QString &text)
{
    placeholder_ = text;
    update();
}

QRectF ScanView::LineRegion(const ScanOverlay &overlay, QSize scanSize)
{
    QRectF region;
    for (const auto *shapes : {&overlay.cells, &overlay.characters})
        for (const QPolygonF &shape : *shapes)
            region |= shape.boundingRect();
    if (region.isEmpty())
        return {};
    // The paper's corners are a scan's pixels apart by its size in inches.
    const double across = overlay.sheet.size() == 4 ? QLineF(overlay.sheet[0], overlay.sheet[1]).length() : 0;
    const double margin = across > 0 ? RegionMarginInches * across / 8.5 : region.height();
    return region.adjusted(-margin, -margin, margin, margin) & QRectF(QPointF(0, 0), QSizeF(scanSize));
}

void ScanView::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().dark());
    if (picture_.isNull() || scanSize_.isEmpty()) {
        painter.setPen(palette().color(QPalette::BrightText));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, placeholder_);
        return;
    }
    const QRectF shown = region_.isEmpty() ? QRectF(QPointF(0, 0), QSizeF(scanSize_)) : region_;
    const double scale = std::min(width() / shown.width(), height() / shown.height());
    const QPointF offset((width() - shown.width() * scale) / 2, (height() - shown.height() * scale) / 2);
    // The scan's pixels to the widget's.
    QTransform toWidget;
    toWidget.translate(offset.x(), offset.y());
    toWidget.scale(scale, scale);
    toWidget.translate(-shown.left(), -shown.top());
    painter.setClipRect(QRectF(offset, shown.size() * scale));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(toWidget.mapRect(QRectF(QPointF(0, 0), QSizeF(scanSize_))), picture_);

    painter.setRenderHint(QPainter::Antialiasing);
    const auto pen = [](const QColor &colour, double width) {
        QPen p(colour, width);
        p.setCosmetic(true);
        return p;
    };
    const auto outline = [&](const QPolygonF &shape, const QPen &with) {
        painter.setPen(with);
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(toWidget.map(shape));
    };
    for (const QPolygonF &cell : overlay_.cells)
        outline(cell, pen(CellColour, ThinPen));
    outline(overlay_.sheet, pen(EdgeColour, ThickPen));
    painter.setPen(pen(MeasuredColour, ThickPen));
    for (const QLineF &line : overlay_.measured)
        painter.drawLine(toWidget.map(line));
    for (const QPolygonF &mark : overlay_.marks)
        outline(mark, pen(MarkColour, ThinPen));
    for (const QPolygonF &box : overlay_.characters)
        outline(box, pen(CharacterColour, ThinPen));
    if (!overlay_.baseline.isNull()) {
        painter.setPen(pen(BaselineColour, ThinPen));
        painter.drawLine(toWidget.map(overlay_.baseline));
    }
}

ScanPictureDialog::ScanPictureDialog(QWidget *parent)
    : QDialog(parent), line_(new ScanView(this)), sheet_(new ScanView(this)), legend_(new QLabel(this))
{
    setObjectName(QStringLiteral("ScanPicture"));
    line_->setObjectName(QStringLiteral("ScanLineView"));
    sheet_->setObjectName(QStringLiteral("ScanSheetView"));
    line_->setAccessibleName(tr("The MICR line's part of the scan, with what was found"));
    sheet_->setAccessibleName(tr("The whole scan, with what was found"));
    line_->setMinimumHeight(120);
    sheet_->setMinimumSize(340, 440);
    legend_->setObjectName(QStringLiteral("ScanLegend"));
    legend_->setTextFormat(Qt::RichText);
    legend_->setWordWrap(true);
    legend_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    legend_->setText(QStringList{Swatch(EdgeColour, tr("The paper's edges")),
                                 Swatch(MeasuredColour, tr("The readings taken")),
                                 Swatch(CellColour, tr("The position cells, at the scale measured")),
                                 Swatch(CharacterColour, tr("Each character's box")),
                                 Swatch(BaselineColour, tr("The baseline through the characters")),
                                 Swatch(MarkColour, tr("Other marks in the clear band"))}
                         .join(QStringLiteral("<br>")));
    auto *lower = new QHBoxLayout;
    lower->addWidget(sheet_, 3);
    lower->addWidget(legend_, 2);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(line_, 1);
    layout->addLayout(lower, 4);
    layout->addWidget(buttons);
    resize(820, 720);
}

void ScanPictureDialog::Show(const QString &path, const ScanOverlay &overlay)
{
    setWindowTitle(tr("Scan: %1").arg(QFileInfo(path).fileName()));
    const int request = ++request_;
    decoding_ = true;
    overlay_ = overlay;
    picture_ = QImage();
    for (ScanView *view : {line_, sheet_}) {
        view->Show({}, {}, {});
        view->SetPlaceholder(tr("Opening the scan..."));
    }
    // Decoded away from the window: a 600-dpi sheet takes a good part of a
    // second. The thread deletes itself; a dialog gone by then is not told.
    auto decoded = std::make_shared<std::pair<QImage, QSize>>();
    if (QImageReader::allocationLimit() < DecodeLimitMegabytes)
        QImageReader::setAllocationLimit(DecodeLimitMegabytes);
    QThread *decoder = QThread::create([path, decoded] {
        QImageReader reader(path);
        const QSize size = reader.size();
        if (size.isValid() && std::max(size.width(), size.height()) > PreviewSide)
            reader.setScaledSize(size.scaled(PreviewSide, PreviewSide, Qt::KeepAspectRatio));
        decoded->first = reader.read();
        decoded->second = size;
    });
    connect(decoder, &QThread::finished, decoder, &QObject::deleteLater);
    connect(decoder, &QThread::finished, this, [this, request, decoded, overlay] {
        if (request != request_)
            return;
        decoding_ = false;
        const auto &[picture, size] = *decoded;
        picture_ = picture;
        line_->SetRegion(ScanView::LineRegion(overlay, size));
        for (ScanView *view : {line_, sheet_}) {
            view->SetPlaceholder(tr("The scan cannot be shown."));
            view->Show(picture, size, overlay);
        }
    });
    decoder->start();
    show();
}
