#include "pages/PrintableArea.h"


#include <algorithm>

QPointF CalibrationOrigin(const PaperMargins &margins)
{
    return {std::max(CalibrationOriginInches, margins.left), std::max(CalibrationOriginInches, margins.top)};
}

QStringList MarksCut(const std::vector<MeasuredMark> &marks, const QSizeF &paperInches,
                     const PaperMargins &margins)
{
    QStringList cut;
    for (const MeasuredMark &mark : marks) {
        // A rule is a rectangle with no width or no height: compared by its
        // edges, as QRectF::contains would not take it.
        const bool inside = mark.inches.left() >= margins.left && mark.inches.top() >= margins.top
            && mark.inches.right() <= paperInches.width() - margins.right
            && mark.inches.bottom() <= paperInches.height() - margins.bottom;
        if (!inside && !cut.contains(mark.name))
            cut << mark.name;
    }
    return cut;
}
