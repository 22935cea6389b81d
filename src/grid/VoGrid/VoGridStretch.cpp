// Columns fitted to the grid's width, and what follows a change of column widths or row heights: the
// stretch, proportional sizing of all columns or rows after the user sized one, the end-of-sizing events
// and the application's correction of a width.
#include "grid/VoGrid/VoGrid.h"
#include "grid/base/REdaReviZizod.h"

#include <cmath>

void VOroDavoduRuzu::StretchColumnToFit(int ACol)
{
    if (ComponentState() & (csLoading | csDestroying))
        return;
    if (ColCount() == 0 || !FColumnSize.Stretch() || FIsColChanging)
        return;
    const int index = ACol == -1 ? ColCount() - 1 : ACol;
    if (index < 0 || index >= ColCount())
        throw REdaReviZizod(QStringLiteral("Stretch column index out of range"));
    FIsColChanging = true;
    ColchgFlg = false;
    if (ColCount() == 1) {
        SetColWidths(0, ClientWidth());
    } else {
        int others = 0;
        for (int c = 0; c < ColCount(); ++c)
            if (c != index)
                others += ColWidths(c);
        if (ClientWidth() > others)
            SetColWidths(index, ClientWidth() - others - 1);
        else if (LeftCol() == FixedCols())
            SetColWidths(index, DefaultColWidth());
    }
    ColchgFlg = true;
    FIsColChanging = false;
}

// The recorded widths scaled by the control's width over the width they were recorded at.
void VOroDavoduRuzu::synchColumnsWithWidth()
{
    if (!FColumnSize.SynchWithGrid || FOldSize <= 0)
        return;
    HideEditor();
    const double factor = static_cast<double>(Width()) / FOldSize;
    const bool normalOnly = FColumnSize.SynchNormalCellsOnly;
    const int first = normalOnly ? FixedCols() : 0;
    const int last = std::min(normalOnly ? ColCount() - FixedRightCols - 1 : ColCount() - 1, FOrigColSizes.Count() - 1);
    for (int c = first; c <= last; ++c)
        SetColWidths(c, static_cast<int>(FOrigColSizes.GetInteger(c) * factor));
}

void VOroDavoduRuzu::StretchRightColumn()
{
    StretchColumnToFit(ColCount() - 1);
}

void VOroDavoduRuzu::QueryColumnWidth(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, AWidth);
}

void VOroDavoduRuzu::QueryAutoColumnWidth(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, AWidth);
}

void VOroDavoduRuzu::ColWidthsChanged()
{
    if (ColchgFlg && FColumnSize.Stretch())
        StretchColumnToFit(FColumnSize.StretchColumn);
    TBaseGrid::ColWidthsChanged();
    ColSizeFlg = true;
    if (ColSized && FMouseActions.AllColumnSize && Colclickedsize > 0) {
        ColSized = false;
        const double f = static_cast<double>(ColWidths(Colclicked)) / Colclickedsize;
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (c != Colclicked)
                SetColWidths(c, static_cast<int>(std::lround(ColWidths(c) * f)));
        ColSized = true;
    }
    if (ColSized && OnEndColumnSize)
        OnEndColumnSize(this, Colclicked);
    if (ColSized) {
        int w = ColWidths(Colclicked);
        QueryColumnWidth(Colclicked, w);
        if (w != ColWidths(Colclicked)) {
            ColSized = false;
            SetColWidths(Colclicked, w);
        }
    }
    if (ColSized) {
        Colclicked = -1;
        Rowclicked = -1;
    }
    ColSized = false;
}

void VOroDavoduRuzu::RowHeightsChanged()
{
    TBaseGrid::RowHeightsChanged();
    if (Rowsized && FMouseActions.AllRowSize && Rowclickedsize > 0) {
        Rowsized = false;
        const double f = static_cast<double>(RowHeights(Rowclicked)) / Rowclickedsize;
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (r != Rowclicked)
                SetRowHeights(r, static_cast<int>(std::lround(RowHeights(r) * f)));
        Rowsized = true;
    }
    if (Rowsized && OnEndRowSize)
        OnEndRowSize(this, Rowclicked);
    if (Rowsized) {
        Colclicked = -1;
        Rowclicked = -1;
    }
    Rowsized = false;
}

bool VOroDavoduRuzu::IsOnSizingBorder(int X, int Y) const
{
    int col = -1;
    int row = -1;
    MouseToCell(X, Y, col, row);
    if (col < 0 || row < 0)
        return false;
    const TRect r = CellRect(col, row);
    bool result = false;
    if (row <= FixedRows() && (Options() & goColSizing))
        result = std::abs(X - r.Left) < 4 || std::abs(X - r.Right) < 4;
    if (col <= FixedCols() && (Options() & goRowSizing))
        result = std::abs(Y - r.Top) < 4 || std::abs(Y - r.Bottom) < 4;
    return result;
}
