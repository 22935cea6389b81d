// Moving the current cell on after Enter and Tab.
#include "grid/VoGrid/VoGrid.h"

void VOroDavoduRuzu::AdvanceAfterEnter(int ACol, int ARow, bool OpenEditor, bool Forward, bool AutoEdit, bool Force)
{
    if (!Force && !FNavigation.AdvanceOnEnter)
        return;
    const int step = Forward ? 1 : -1;
    const TAdvanceDirection direction = FNavigation.AdvanceDirection();
    const bool byColumn = direction == adTopBottom || direction == adTopBottomInCol;
    const bool wraps = direction == adLeftRight || direction == adTopBottom;
    int c = ACol;
    int r = ARow;
    if (byColumn) {
        r += step;
        if (r >= RowCount() || r < FixedRows()) {
            if (!wraps)
                return;
            r = Forward ? FixedRows() : RowCount() - 1;
            c += step;
        }
    } else {
        c += step;
        if (c >= ColCount() || c < FixedCols()) {
            if (!wraps)
                return;
            c = Forward ? FixedCols() : ColCount() - 1;
            r += step;
        }
    }
    if (c < FixedCols() || c >= ColCount() || r < FixedRows() || r >= RowCount())
        return;
    FocusCell(c, r, true);
    if (OpenEditor && AutoEdit)
        ShowInplaceEdit();
}

void VOroDavoduRuzu::HandleTabKey(bool Backward)
{
    const TAdvanceDirection direction = FNavigation.AdvanceDirection();
    FNavigation.SetAdvanceDirection(adLeftRight);
    AdvanceAfterEnter(Col(), Row(), false, !Backward, false, true);
    FNavigation.SetAdvanceDirection(direction);
}
