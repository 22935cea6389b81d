// Cell store, cell properties and merged cells of the base grid.
#include <algorithm>

#include "grid/base/BaseGrid/BaseGrid.h"
#include "grid/base/REdaReviZizod.h"
#include "grid/base/VoUndo.h"
#include "grid/base/VoUtil/VoUtilText.h"

TCellProperties::TCellProperties(TBaseGrid* owner, int col, int row)
    : OwnerCol(col), OwnerRow(row), FOwnerGrid(owner), FWordWrap(owner ? owner->WordWrap : true)
{
    if (owner)
        owner->HasCellProps = true;
}

void TCellProperties::ApplyFont(TFont& font) const
{
    if (FontColor != clNone)
        font.SetColor(FontColor);
    if (FontStyle != 0)
        font.SetStyle(FontStyle);
    if (FontSize != 0)
        font.SetSize(FontSize);
    if (!FontName.isEmpty())
        font.SetName(FontName);
}

void TCellProperties::Assign(const TPersistent& source)
{
    const auto* src = dynamic_cast<const TCellProperties*>(&source);
    if (!src)
        return;
    IsBaseCell = src->IsBaseCell;
    CellSpanX = src->CellSpanX;
    CellSpanY = src->CellSpanY;
    OwnerRow = src->OwnerRow;
    OwnerCol = src->OwnerCol;
    CellObject = src->CellObject;
    Alignment = src->Alignment;
    BorderColor = src->BorderColor;
    BorderWidth = src->BorderWidth;
    FBrushColor = src->FBrushColor;
    BrushStyle = src->BrushStyle;
    FontColor = src->FontColor;
    FontStyle = src->FontStyle;
    FontName = src->FontName;
    FontSize = src->FontSize;
    ReadOnly = src->ReadOnly;
    Editor = src->Editor;
    FVAlignment = src->FVAlignment;
    FWordWrap = src->FWordWrap;
    NodeLevel = src->NodeLevel;
    Control = src->Control;
}

void TCellProperties::repaint()
{
    if (FOwnerGrid)
        FOwnerGrid->RepaintCell(OwnerCol, OwnerRow);
}

void TCellProperties::SetBrushColor(TColor value)
{
    FBrushColor = value;
    repaint();
}

void TCellProperties::SetBrushColorTo(TColor value)
{
    FBrushColorTo = value;
    repaint();
}

void TCellProperties::SetVAlignment(TVAlignment value)
{
    FVAlignment = value;
    repaint();
}

void TCellProperties::SetWordWrap(bool value)
{
    FWordWrap = value;
    repaint();
}

TPoint TCellProperties::GetBaseCell(int c, int r) const
{
    if (!IsBaseCell && CellSpanX != -1 && CellSpanY != -1)
        return {c - CellSpanX, r - CellSpanY};
    return {c, r};
}

TBaseGrid::TBaseGrid(TComponent* AOwner) : TObjStringGrid(AOwner)
{
    TCustomGrid::DefaultDrawing = false;
    TCustomGrid::SetGridLineWidth(0);
}

TBaseGrid::~TBaseGrid()
{
    Destroying();
    if (FUndoRedo)
        FUndoRedo->FGrid = nullptr;
    FreeAllCellProps();
}

void TBaseGrid::SetDefaultDrawing(bool value)
{
    FDefaultDrawing = value;
    TCustomGrid::DefaultDrawing = false;
}

void TBaseGrid::SetGridLineWidth(int value)
{
    FGridLineWidth = value;
    TCustomGrid::SetGridLineWidth(0);
    Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor value)
{
    FGridLineColor = value;
    Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor value)
{
    FGridFixedLineColor = value;
    Invalidate();
}

void TBaseGrid::SetUndoRedo(TVoGridUndoRedo* value)
{
    if (FUndoRedo && FUndoRedo->FGrid == this)
        FUndoRedo->FGrid = nullptr;
    FUndoRedo = value;
    if (value) {
        if (value->FGrid && value->FGrid != this)
            value->FGrid->FUndoRedo = nullptr;
        value->FGrid = this;
    }
}

// --- Hooks answered neutrally -------------------------------------------------------------------

bool TBaseGrid::IsFixed(int, int)
{
    return false;
}
int TBaseGrid::GetNodeIndent(int)
{
    return 0;
}
bool TBaseGrid::HasNodes()
{
    return false;
}
void TBaseGrid::CellTextChanged(int, int)
{}
bool TBaseGrid::HasCellBorderEvent()
{
    return false;
}
bool TBaseGrid::UseStylesActive()
{
    return false;
}
int TBaseGrid::DisplColIndex(int ACol)
{
    return ACol;
}
int TBaseGrid::TotalColCount() const
{
    return ColCount();
}
bool TBaseGrid::OwnsGraphicObject(const TObject*) const
{
    return false;
}

void TBaseGrid::GetVisualProperties(int, int, TGridDrawState&, bool, bool, bool, TBrush&, TColor&, TColor&, TColor&,
                                    TFont&, TAlignment&, TVAlignment&, bool&, TCellGradientDirection&)
{}

void TBaseGrid::QueryDisplText(int ACol, int ARow, QString& Value)
{
    if (OnGetDisplText)
        OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::QueryDisplWideText(int ACol, int ARow, QString& Value)
{
    if (OnGetDisplWideText)
        OnGetDisplWideText(this, ACol, ARow, Value);
}

void TBaseGrid::QueryCellVisuals(int, int, TFont& AFont, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                 TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                                 TCellGradientDirection& GD)
{
    AFont.Assign(Font());
    ABrush.SetColor(Color());
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;
    HA = taLeftJustify;
    VA = vtaTop;
    WW = WordWrap;
    GD = GradientVertical;
}

// --- Text ---------------------------------------------------------------------------------------

QString TBaseGrid::GetCellEx(int c, int r)
{
    // Without any cell properties no cell is merged.
    const TPoint base = HasCellProps ? BaseCell(c, r) : TPoint{c, r};
    QString value = GetGridCell(base.X, base.Y);
    if (base.Y < NormalRowCount) {
        QueryDisplText(base.X, base.Y, value);
        if (OnGetDisplWideText) {
            QString wide = DecodeWideText(value);
            QueryDisplWideText(base.X, base.Y, wide);
            value = EncodeWideText(wide);
        }
    }
    return value;
}

void TBaseGrid::SetCellEx(int c, int r, const QString& Value)
{
    if (HasCellProperties(c, r)) {
        const TPoint base = BaseCell(c, r);
        SetGridCell(base.X, base.Y, Value);
        CellTextChanged(base.X, base.Y);
        if (Parent())
            RepaintCell(c, r);
    } else {
        SetGridCell(c, r, Value);
    }
    if (HideLastRow && r == RowCount() - 1)
        UpdateLastRow();
}

// --- Properties ---------------------------------------------------------------------------------

TCellProperties* TBaseGrid::props(int c, int r) const
{
    return HasCellProperties(c, r) ? static_cast<TCellProperties*>(GetGridObject(c, r)) : nullptr;
}

bool TBaseGrid::HasCellProperties(int c, int r) const
{
    return c >= 0 && r >= 0 && c < TotalColCount() && r < RowCount() && GetGridObject(c, r) != nullptr;
}

TCellProperties* TBaseGrid::GetCellProperties(int c, int r)
{
    if (c < 0 || c >= TotalColCount())
        throw REdaReviZizod(QStringLiteral("Invalid column accessed"));
    if (r < 0 || r >= RowCount())
        throw REdaReviZizod(QStringLiteral("Invalid row accessed"));
    if (auto* existing = props(c, r))
        return existing;
    auto* p = new TCellProperties(this, c, r);  // owned through the object slot
    SetGridObject(c, r, p);
    TFont font;
    TBrush brush;
    TCellLook look;
    look.ww = WordWrap;
    QueryCellVisuals(c, r, font, brush, look.colorTo, look.mirrorColor, look.mirrorColorTo, look.ha, look.va, look.ww,
                     look.gd);
    p->CalcType = acNONE;
    p->Alignment = look.ha;
    p->FVAlignment = look.va;
    p->FWordWrap = look.ww;
    p->FontName = font.Name();
    p->FontSize = font.Size();
    p->FontStyle = font.Style();
    p->FontColor = font.Color();
    p->FBrushColor = brush.Color();
    p->FBrushColorTo = look.colorTo;
    p->GradientDirection = look.gd;
    return p;
}

void TBaseGrid::SetCellProperties(int c, int r, TCellProperties* Value)
{
    delete GetGridObject(c, r);
    SetGridObject(c, r, Value);
}

TObject* TBaseGrid::GetObjectEx(int c, int r) const
{
    const TCellProperties* p = props(c, r);
    return p ? p->CellObject : nullptr;
}

void TBaseGrid::SetObjectEx(int c, int r, TObject* Value)
{
    const bool empty = GetCellEx(c, r).isEmpty();
    if (empty)
        SetCellEx(c, r, QStringLiteral(" "));
    GetCellProperties(c, r)->CellObject = Value;
    if (empty)
        SetCellEx(c, r, QString());
}

TObject* TBaseGrid::GetGraphicObjectEx(int c, int r) const
{
    const TCellProperties* p = props(c, r);
    return p ? p->GraphicObject : nullptr;
}

void TBaseGrid::SetGraphicObjectEx(int c, int r, TObject* Value)
{
    if (ComponentState() & csDestroying)
        return;
    const bool empty = GetCellEx(c, r).isEmpty();
    if (empty)
        SetCellEx(c, r, QStringLiteral(" "));
    GetCellProperties(c, r)->GraphicObject = Value;
    if (empty)
        SetCellEx(c, r, QString());
}

void TBaseGrid::FreeCellPropsRect(int c1, int r1, int c2, int r2)
{
    if (!HasCellProps)
        return;
    for (int c = std::max(c1, 0); c <= std::min(c2, TotalColCount() - 1); ++c) {
        for (int r = std::max(r1, 0); r <= std::min(r2, RowCount() - 1); ++r) {
            TObject* slot = GetGridObject(c, r);
            if (!slot)
                continue;
            FreeCellProps(slot);
            SetGridObject(c, r, nullptr);
        }
    }
}

void TBaseGrid::FreeCellProps(TObject* slot) const
{
    auto* p = static_cast<TCellProperties*>(slot);
    if (!p)
        return;
    if (p->GraphicObject && OwnsGraphicObject(p->GraphicObject))
        delete p->GraphicObject;
    delete p;
}

void TBaseGrid::FreeAllCellProps()
{
    FreeCellPropsRect(0, 0, TotalColCount() - 1, RowCount() - 1);
}

void TBaseGrid::FreeCellObject(int c, int r)
{
    delete GetGridObject(c, r);
    SetGridObject(c, r, nullptr);
}

void TBaseGrid::ClearCell(int c, int r)
{
    SetCellEx(c, r, QString());
    SetGridObject(c, r, nullptr);
}

void TBaseGrid::ClearColumnCells(int ACol)
{
    for (int r = 0; r < RowCount(); ++r) {
        SetGridObject(ACol, r, nullptr);
        SetCellEx(ACol, r, QString());
    }
}

void TBaseGrid::ResetRowCells(int r)
{
    for (int c = 0; c < ColCount(); ++c) {
        SetGridObject(c, r, nullptr);
        SetCellEx(c, r, QString());
    }
}

// --- Merged cells -------------------------------------------------------------------------------

void TBaseGrid::MergeCells(int c, int r, int spanx, int spany)
{
    ++FMergeCount;
    for (int i = c; i < c + spanx; ++i) {
        for (int j = r; j < r + spany; ++j) {
            TCellProperties* p = GetCellProperties(i, j);
            p->IsBaseCell = i == c && j == r;
            p->CellSpanX = p->IsBaseCell ? spanx - 1 : i - c;
            p->CellSpanY = p->IsBaseCell ? spany - 1 : j - r;
        }
    }
    for (int i = c; i < c + spanx; ++i)
        for (int j = r; j < r + spany; ++j)
            RepaintCell(i, j);
}

void TBaseGrid::SplitCells(int c, int r)
{
    const TPoint base = GetCellProperties(c, r)->GetBaseCell(c, r);
    const TCellProperties* bp = GetCellProperties(base.X, base.Y);
    const int sx = bp->CellSpanX;
    const int sy = bp->CellSpanY;
    for (int i = base.X; i <= base.X + sx; ++i) {
        for (int j = base.Y; j <= base.Y + sy; ++j) {
            TCellProperties* p = GetCellProperties(i, j);
            p->IsBaseCell = true;
            p->CellSpanX = -1;
            p->CellSpanY = -1;
            RepaintCell(i, j);
        }
    }
    --FMergeCount;
}

bool TBaseGrid::FindBaseCell(int c, int r, int& bc, int& br) const
{
    bc = c;
    br = r;
    const TCellProperties* p = props(c, r);
    if (!p || p->IsBaseCell)
        return true;
    const TPoint base = p->GetBaseCell(c, r);
    bc = base.X;
    br = base.Y;
    return false;
}

void TBaseGrid::MoveToBaseCell()
{
    if (!HasCellProperties(Col(), Row()))
        return;
    const TPoint base = BaseCell(Col(), Row());
    if (base.X != Col())
        SetCol(base.X);
    if (base.Y != Row())
        SetRow(base.Y);
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) const
{
    const TCellProperties* p = props(ACol, ARow);
    return p && (p->CellSpanX > 0 || p->CellSpanY > 0);
}

bool TBaseGrid::IsMergedNonBaseCell(int ACol, int ARow) const
{
    return IsMergedCell(ACol, ARow) && !props(ACol, ARow)->IsBaseCell;
}

bool TBaseGrid::IsXMergedCell(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow))
        return false;
    const TPoint base = BaseCell(ACol, ARow);
    const TCellProperties* bp = props(base.X, base.Y);
    return bp && bp->CellSpanX > 0;
}

bool TBaseGrid::IsYMergedCell(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow))
        return false;
    const TPoint base = BaseCell(ACol, ARow);
    const TCellProperties* bp = props(base.X, base.Y);
    return bp && bp->CellSpanY > 0;
}

bool TBaseGrid::IsBaseCell(int ACol, int ARow) const
{
    const TCellProperties* p = props(ACol, ARow);
    return !p || p->IsBaseCell;
}

TPoint TBaseGrid::BaseCell(int ACol, int ARow) const
{
    const TCellProperties* p = props(ACol, ARow);
    return p ? p->GetBaseCell(ACol, ARow) : TPoint{ACol, ARow};
}

TPoint TBaseGrid::CellSpan(int ACol, int ARow) const
{
    const TCellProperties* p = props(ACol, ARow);
    if (!p || p->CellSpanX == -1 || p->CellSpanY == -1)
        return {0, 0};
    const TPoint base = p->GetBaseCell(ACol, ARow);
    const TCellProperties* bp = props(base.X, base.Y);
    return bp ? TPoint{bp->CellSpanX, bp->CellSpanY} : TPoint{0, 0};
}

TPoint TBaseGrid::CellExt(int ACol, int ARow) const
{
    const TPoint span = CellSpan(ACol, ARow);
    if (span == TPoint{0, 0})
        return span;
    const TPoint base = BaseCell(ACol, ARow);
    return {base.X + span.X - ACol, base.Y + span.Y - ARow};
}

TRect TBaseGrid::FullCell(int c, int r) const
{
    const TPoint base = BaseCell(c, r);
    const TPoint span = CellSpan(c, r);
    return Rect(base.X, base.Y, base.X + span.X, base.Y + span.Y);
}

int TBaseGrid::MinRowSpan(int ARow) const
{
    int result = RowCount();
    for (int c = 0; c < ColCount(); ++c) {
        const int span = CellSpan(c, ARow).Y;
        if (span > 0)
            result = std::min(result, span);
    }
    return result;
}

int TBaseGrid::MaxRowSpan(int ARow) const
{
    int result = 0;
    for (int c = 0; c < ColCount(); ++c)
        result = std::max(result, CellSpan(c, ARow).Y);
    return result;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) const
{
    bool qualified = false;
    for (int c = 0; c < ColCount(); ++c) {
        if (CellSpan(c, ARow1).Y > 0 && CellSpan(c, ARow2).Y > 0) {
            qualified = true;
            if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y)
                return false;
        }
    }
    return qualified;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) const
{
    bool qualified = false;
    for (int r = 0; r < RowCount(); ++r) {
        const int span1 = CellSpan(ACol1, r).X;
        const int span2 = CellSpan(ACol2, r).X;
        if (span1 > 0 && span2 > 0) {
            qualified = true;
            if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X)
                return false;
        } else if (span1 != span2) {
            return false;
        }
    }
    return qualified;
}

// --- Geometry -----------------------------------------------------------------------------------

int TBaseGrid::FixedColsWidth() const
{
    int w = 0;
    for (int c = 0; c < FixedCols(); ++c)
        w += ColWidths(c);
    return w;
}

int TBaseGrid::FixedRowsHeight() const
{
    int h = 0;
    for (int r = 0; r < FixedRows(); ++r)
        h += RowHeights(r);
    return h;
}

TRect TBaseGrid::CalcCellRect(int c, int r) const
{
    int x = 0;
    for (int i = 0; i < c; ++i)
        x += ColWidths(i);
    int y = 0;
    for (int j = 0; j < r; ++j)
        y += RowHeights(j);
    if (c >= FixedCols()) {
        for (int i = 0; i < LeftCol(); ++i)
            x -= ColWidths(i);
        x += FixedColsWidth();
    }
    if (r >= FixedRows()) {
        for (int j = 0; j < TopRow(); ++j)
            y -= RowHeights(j);
        y += FixedRowsHeight();
    }
    return Bounds(x, y, ColWidths(c), RowHeights(r));
}

TRect TBaseGrid::CellRect(int c, int r) const
{
    const TCellProperties* p = props(c, r);
    if (p && (p->CellSpanX != -1 || p->CellSpanY != -1)) {
        const TPoint base = p->GetBaseCell(c, r);
        const TCellProperties* bp = props(base.X, base.Y);
        const int sx = bp ? std::max(bp->CellSpanX, 0) : 0;
        const int sy = bp ? std::max(bp->CellSpanY, 0) : 0;
        TRect r1 = CalcCellRect(base.X, base.Y);
        if (r1.Width() == 0)
            ++r1.Right;
        TRect r2 = CalcCellRect(base.X + sx, base.Y + sy);
        if (r2.Width() == 0)
            --r2.Left;
        return Rect(std::min(r1.Left, r2.Left), std::min(r1.Top, r2.Top), std::max(r1.Right, r2.Right),
                    std::max(r1.Bottom, r2.Bottom));
    }
    if (p && p->Control)
        return CalcCellRect(c, r);
    const TRect standard = TCustomGrid::CellRect(c, r);
    return standard.IsEmpty() ? standard : Bounds(standard.Left, standard.Top, ColWidths(c), RowHeights(r));
}

TPoint TBaseGrid::CellSize(int c, int r) const
{
    const TCellProperties* p = props(c, r);
    if (p && (p->CellSpanX != -1 || p->CellSpanY != -1)) {
        const TRect area = FullCell(c, r);
        const TRect r1 = CalcCellRect(area.Left, area.Top);
        const TRect r2 = CalcCellRect(area.Right, area.Bottom);
        return {r2.Right - r1.Left, r2.Bottom - r1.Top};
    }
    const TRect cell = CalcCellRect(c, r);
    return {cell.Width(), cell.Height()};
}

void TBaseGrid::RepaintCell(int c, int r)
{
    const TRect area = FullCell(c, r);
    for (int i = area.Left; i <= area.Right; ++i)
        for (int j = area.Top; j <= area.Bottom; ++j)
            InvalidateCell(i, j);
}
