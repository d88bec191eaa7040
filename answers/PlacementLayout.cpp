#include "answers/PlacementLayout.h"

QString ChequeName(ChequePosition position)
{
    static const char *const names[] = {"top", "middle", "bottom"};
    return QLatin1String(names[int(position)]);
}

double ChequeTopInches(const PlacementLayout &layout)
{
    return int(layout.cheque) * layout.stock.chequeInches;
}

double ChequeBottomInches(const PlacementLayout &layout)
{
    return ChequeTopInches(layout) + layout.stock.chequeInches;
}

double PositionOneRightInches(const PlacementLayout &layout)
{
    return PositionRightEdge(layout.paperInches.width(), 1);
}

double BaselineInches(const PlacementLayout &layout)
{
    return ChequeBottomInches(layout) - PrintBandBottomInches;
}

QString SampleMicrLine()
{
    // Transit 43-33, on-us 31-14, amount 12-1; A transit, B amount, C on-us.
    return QStringLiteral("A123456789A ") + QStringLiteral("0123456789C").rightJustified(18)
        + QStringLiteral(" B0000012345B");
}
