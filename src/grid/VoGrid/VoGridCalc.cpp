// Column and row summaries, and the calculated cells of the floating footer.
#include "grid/VoGrid/VoGrid.h"
#include "grid/base/REdaReviZizod.h"

// -1 for either end means the normal rows. The range holds real rows (hidden ones included) when it reaches
// past the shown rows.
bool VOroDavoduRuzu::realRange(int& FromRow, int& ToRow)
{
    if (FromRow == -1 || ToRow == -1) {
        FromRow = FixedRows();
        ToRow = RowCount() - FixedFooters - 1;
    }
    return FFloatingFooter.Visible() ? ToRow > RowCount() - 1 : ToRow > RowCount();
}

// Node and summary rows of a grouped grid and covered merged cells are not counted.
std::vector<TCalcCell> VOroDavoduRuzu::columnCells(int ACol, int FromRow, int ToRow, bool real)
{
    std::vector<TCalcCell> cells;
    if (ToRow < FromRow)
        return cells;
    cells.reserve(static_cast<std::size_t>(ToRow - FromRow + 1));
    for (int r = FromRow; r <= ToRow; ++r) {
        const bool hidden = real && IsHiddenRow(r);
        const int row = real ? DisplRowIndex(r) : r;
        TCalcCell cell;
        const bool grouped = GroupColumn != -1 && !hidden && (IsNode(row) || IsSummary(row));
        cell.counted = !grouped && (hidden || IsBaseCell(ACol, row));
        cell.value = CalcCellValue(real ? AllCells(ACol, r) : Cells(ACol, r));
        cells.push_back(cell);
    }
    return cells;
}

double VOroDavoduRuzu::ColumnSum(int ACol, int FromRow, int ToRow)
{
    const bool real = realRange(FromRow, ToRow);
    return CalcSum(columnCells(ACol, FromRow, ToRow, real));
}

double VOroDavoduRuzu::ColumnAvg(int ACol, int FromRow, int ToRow)
{
    const bool real = realRange(FromRow, ToRow);
    return CalcAvg(columnCells(ACol, FromRow, ToRow, real));
}

double VOroDavoduRuzu::ColumnMin(int ACol, int FromRow, int ToRow)
{
    const bool real = realRange(FromRow, ToRow);
    return CalcMin(columnCells(ACol, FromRow, ToRow, real));
}

double VOroDavoduRuzu::ColumnMax(int ACol, int FromRow, int ToRow)
{
    const bool real = realRange(FromRow, ToRow);
    return CalcMax(columnCells(ACol, FromRow, ToRow, real));
}

double VOroDavoduRuzu::ColumnStdDev(int ACol, int FromRow, int ToRow)
{
    const bool real = realRange(FromRow, ToRow);
    return CalcStdDev(columnCells(ACol, FromRow, ToRow, real));
}

std::vector<QString> VOroDavoduRuzu::columnTexts(int ACol, int FromRow, int ToRow, bool real)
{
    std::vector<QString> texts;
    for (int r = FromRow; r <= ToRow; ++r)
        texts.push_back(real ? AllCells(ACol, r) : Cells(ACol, r));
    return texts;
}

double VOroDavoduRuzu::ColumnDistinct(int ACol, int FromRow, int ToRow)
{
    const bool real = realRange(FromRow, ToRow);
    return CalcDistinct(columnTexts(ACol, FromRow, ToRow, real));
}

double VOroDavoduRuzu::ColumnCustomCalc(int ACol, int FromRow, int ToRow)
{
    double res = 0;
    if (OnColumnCalc)
        OnColumnCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

double VOroDavoduRuzu::CustomGroupCalcValue(int ACol, int FromRow, int ToRow)
{
    double res = 0;
    if (OnGroupCalc)
        OnGroupCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

std::vector<TCalcCell> VOroDavoduRuzu::rowCells(int ARow, int fromCol, int toCol)
{
    std::vector<TCalcCell> cells;
    for (int c = fromCol; c <= toCol; ++c)
        cells.push_back({CalcCellValue(Cells(c, ARow)), IsBaseCell(c, ARow)});
    return cells;
}

double VOroDavoduRuzu::RowSum(int ARow, int fromCol, int toCol)
{
    return CalcSum(rowCells(ARow, fromCol, toCol));
}

double VOroDavoduRuzu::RowAvg(int ARow, int fromCol, int toCol)
{
    return CalcAvg(rowCells(ARow, fromCol, toCol));
}

double VOroDavoduRuzu::RowMin(int ARow, int fromCol, int toCol)
{
    return toCol < fromCol ? Floats(fromCol, ARow) : CalcMin(rowCells(ARow, fromCol, toCol));
}

double VOroDavoduRuzu::RowMax(int ARow, int fromCol, int toCol)
{
    return toCol < fromCol ? Floats(fromCol, ARow) : CalcMax(rowCells(ARow, fromCol, toCol));
}

// ----- Floating footer -----

void VOroDavoduRuzu::CalcFooter(int ACol)
{
    if (!FFloatingFooter.Visible() || FFloatingFooter.FooterStyle() != fsFixedLastRow ||
        !FFloatingFooter.EnableCalculation)
        return;
    if (ACol >= 0) {
        writeFooterCalc(ACol);
    } else {
        for (int c = 0; c < AllColCount(); ++c)
            writeFooterCalc(c);
    }
    UpdateFooter();
}

// A column whose first cell holds no number has no minimum or maximum: its footer cell is left as it is.
void VOroDavoduRuzu::writeFooterCalc(int c)
{
    const int last = RowCount() - 1;
    if (last < FixedRows() || !HasCellProperties(c, last))
        return;
    const int h = FFloatingFooter.CalculateHiddenRows ? NumHiddenRows() : 0;
    const int from = FixedRows();
    const int to = RowCount() - 2 + h;
    const bool real = h > 0;
    const auto cells = [&] { return columnCells(c, from, to, real); };
    try {
        switch (GetCellProperties(c, last)->CalcType) {
        case acSUM:
            SetFloats(c, last, CalcSum(cells()));
            break;
        case acAVG:
            SetFloats(c, last, CalcAvg(cells()));
            break;
        case acCOUNT:
            SetInts(c, last, RowCount() - FixedRows() - 1 + h);
            break;
        case acMIN:
            SetFloats(c, last, CalcMin(cells()));
            break;
        case acMAX:
            SetFloats(c, last, CalcMax(cells()));
            break;
        case acCUSTOM: {
            QString value;
            if (OnFooterCalc)
                OnFooterCalc(this, c, last + h, value);
            else if (FFloatingFooter.OnCalcFooter)
                FFloatingFooter.OnCalcFooter(this, c, last + h, value);
            SetCells(c, last, value);
            break;
        }
        case acDISTINCT:
            SetFloats(c, last, CalcDistinct(columnTexts(c, from, to, real)));
            break;
        case acSTDDEV:
            SetFloats(c, last, CalcStdDev(cells()));
            break;
        case acNONE:
        case acSPREAD:
            break;
        }
    } catch (const REdaReviZizod&) {
        // No number to start from: nothing to show.
    }
}

void VOroDavoduRuzu::UpdateFooter()
{
    if (FFooterPanel)
        FFooterPanel->Invalidate();
}
