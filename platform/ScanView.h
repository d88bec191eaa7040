#pragma once

#include "answers/ScanFindings.h"

#include <QDialog>
#include <QImage>
#include <QWidget>

class QLabel;

// A scan with what was found drawn over it: the paper's edges, the readings
// taken, the position cells, each character's box, the baseline and the
// other marks, each in its own colour. The image is fitted to the widget,
// the whole scan or a region of it.
class ScanView : public QWidget
{
    Q_OBJECT

public:
    explicit ScanView(QWidget *parent = nullptr);

    // `picture` is the scan decoded at any size; `scanSize` the scan's own
    // size in pixels, which the overlay's coordinates are in.
    void Show(const QImage &picture, QSize scanSize, const ScanOverlay &overlay);
    // Only `region` of the scan, in its pixels; an empty one: all of it.
    void SetRegion(const QRectF &region);
    // Said in the middle while there is no picture.
    void SetPlaceholder(const QString &text);

    // The part of the scan that holds the MICR line or the cells, with a
    // margin round it; empty when the overlay has neither.
    static QRectF LineRegion(const ScanOverlay &overlay, QSize scanSize);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture_;
    QSize scanSize_;
    ScanOverlay overlay_;
    QRectF region_;
    QString placeholder_;
};

// A window showing a scan the helper measured: the line's part of it, the
// whole sheet beside a legend, decoded in the background so the window that
// opened it stays responsive.
class ScanPictureDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ScanPictureDialog(QWidget *parent = nullptr);

    // Shows the scan in `path` with `overlay` over it.
    void Show(const QString &path, const ScanOverlay &overlay);
    bool Decoding() const { return decoding_; }
    const ScanOverlay &Overlay() const { return overlay_; }
    // The scan as decoded for showing; null while decoding or when it
    // cannot be.
    const QImage &Picture() const { return picture_; }

private:
    ScanView *line_;
    ScanView *sheet_;
    QLabel *legend_;
    ScanOverlay overlay_;
    QImage picture_;
    int request_ = 0;
    bool decoding_ = false;
};
