#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

// The calibration page's origin on paper, in inches from the top and left
// edges where the printable area allows: inside any common laser printer's.
inline constexpr double CalibrationOriginInches = 0.25;

// What a printer leaves unprinted at each edge of its paper, in inches
// (a PPD's ImageableArea, IPP's media-*-margin).
struct PaperMargins
{
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// Something the user measures or reads on a page, named for the user, and
// the paper it covers, in inches from the paper's top-left corner.
struct MeasuredMark
{
    QString name;
    QRectF inches;
};

// Where the calibration page's origin stands on a printer with `margins`:
// at the printable area's corner, but never nearer the paper's edges than
// the quarter inch the exported file keeps, so the two agree wherever they
// can.
QPointF CalibrationOrigin(const PaperMargins &margins);

// The names of the marks that the printer would cut: any part of them
// outside the printable area of paper `paperInches`.
QStringList MarksCut(const std::vector<MeasuredMark> &marks, const QSizeF &paperInches,
                     const PaperMargins &margins);
