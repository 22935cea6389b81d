// Cell query hooks and notification events: each hook starts from a default, applies the grid's own
// settings, then fires its event.
#include "grid/VoGrid/VoGrid.h"

void VOroDavoduRuzu::QueryCanEditCell(int ACol, int ARow, bool& CanEdit)
{
    if (OnCanEditCell)
        OnCanEditCell(this, ARow, ACol, CanEdit);
}

void VOroDavoduRuzu::QueryCellCursor(int ACol, int ARow, int X, int Y)
{
    if (!OnGetCellCursor)
        return;
    // The answer for the last cell is not the start value for this one.
    TCursor cursor = FCellCursorAnswered && Cursor() == FCellCursor ? FOldCursor : Cursor();
    OnGetCellCursor(this, ACol, ARow, X, Y, cursor);
    FCellCursor = cursor;
    FCellCursorAnswered = true;
    TBaseGrid::SetCursor(cursor);
}

void VOroDavoduRuzu::QueryCellHint(int ACol, int ARow, QString& AHint, QString& AWideHint)
{
    if (OnGridHint)
        OnGridHint(this, ARow, ACol, AHint);
    if (OnGridWideHint) {
        OnGridWideHint(this, ARow, ACol, AWideHint);
        if (!AWideHint.isEmpty())
            AHint = EncodeWideText(AWideHint);
    }
}

void VOroDavoduRuzu::QueryCellColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont)
{
    if (ActiveCellShow) {
        const int d = DisplColIndexOf(ACol);
        const bool rowHeader = ARow == Row() && FixedCols() > 0 && d == FixedCols() - 1;
        const bool colHeader = d == Col() && FixedRows() > 0 && ARow == FixedRows() - 1;
        if (rowHeader || colHeader) {
            AFont.Assign(FActiveCellFont);
            ABrush.SetColor(ActiveCellColor);
        }
    }
    if (const TCellProperties* p = propsAt(ACol, ARow)) {
        switch (GetCellType(ACol, ARow)) {
        case ctIcon:
        case ctNone:
        case ctImageList:
        case ctEmpty:
        case ctImages:
        case ctComment:
            if (p->BrushColor() != clNone)
                ABrush.SetColor(p->BrushColor());
            break;
        default:
            break;
        }
        p->ApplyFont(AFont);
    }
    if (OnGetCellColor)
        OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void VOroDavoduRuzu::QueryCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont)
{
    if (OnGetCellPrintColor)
        OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void VOroDavoduRuzu::QueryCellBorder(int ACol, int ARow, TCellBorders& Borders, TPen& APen)
{
    auto isCellType = [&](TCellType type) { return ACol > 0 && GetCellType(0, ARow) == type; };
    if (FGrouping.HeaderUnderline && isCellType(ctNode)) {
        Borders = cbBottom;
        APen.SetColor(FGrouping.HeaderLineColor);
        APen.SetWidth(FGrouping.HeaderLineWidth);
    }
    if (FGrouping.SummaryLine && isCellType(ctSummary)) {
        Borders = cbTop;
        APen.SetColor(FGrouping.SummaryLineColor);
        APen.SetWidth(FGrouping.SummaryLineWidth);
    }
    if (OnGetCellBorder)
        OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void VOroDavoduRuzu::QueryCellPrintBorder(int ACol, int ARow, TCellBorders& Borders, TPen& APen)
{
    if (OnGetCellPrintBorder)
        OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void VOroDavoduRuzu::QueryCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (ACol == 0 && FMouseActions.HotmailRowSelect())
        HAlign = taCenter;
    if (OnGetAlignment)
        OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void VOroDavoduRuzu::QueryCellFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix)
{
    if (OnGetFormat)
        OnGetFormat(this, ACol, AStyle, aPrefix, aSuffix);
}

void VOroDavoduRuzu::QuerySpinEditorType(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, AEditor);
}

void VOroDavoduRuzu::QueryEditorType(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, AEditor);
}

bool VOroDavoduRuzu::QueryEditorIsNone(int ACol, int ARow)
{
    if (!OnGetEditorType)
        return false;
    TEditorType editor = edNormal;
    OnGetEditorType(this, ACol, ARow, editor);
    return editor == edNone;
}

void VOroDavoduRuzu::QueryFixedCell(int ACol, int ARow, bool& IsFixed)
{
    if (!IsFixed) {
        IsFixed = ACol < FixedCols() || ARow < FixedRows() || (FixedRowAlways && RowCount() == FFixedRowsMin) ||
                  (FixedColAlways && ColCount() == FFixedColsMin);
    }
    if (!IsFixed && OnIsFixedCell)
        OnIsFixedCell(this, ARow, ACol, IsFixed);
}

void VOroDavoduRuzu::QueryCellEditable(int ACol, int ARow, bool& CanEdit)
{
    const TPoint base = BaseCell(ACol, ARow);
    if (const TCellProperties* p = propsAt(base.X, base.Y); p && CanEdit) {
        CanEdit = !p->ReadOnly;
        if (!(Options() & goEditing) && !FEditDisable && !FMouseActions.RangeSelectAndEdit)
            CanEdit = false;
    }
    if (base.X < ColCount() + FNumHidden)
        QueryCanEditCell(base.X, base.Y, CanEdit);
    else
        CanEdit = true;
}

void VOroDavoduRuzu::QueryPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (OnIsPasswordCell)
        OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void VOroDavoduRuzu::QueryCellWordWrap(int ACol, int ARow, bool& WordWrap)
{
    if (OnGetWordWrap)
        OnGetWordWrap(this, ACol, ARow, WordWrap);
}

bool VOroDavoduRuzu::QueryHasComboBox(int ACol, int ARow)
{
    bool has = false;
    if (OnHasComboBox) {
        OnHasComboBox(this, ACol, ARow, has);
    } else if (FControlLook.DropDownAlwaysVisible()) {
        TEditorType editor = DefaultEditor;
        QueryEditorType(ACol, ARow, editor);
        has = editor == edComboEdit || editor == edComboList;
    }
    return has;
}

bool VOroDavoduRuzu::QueryHasSpinEdit(int ACol, int ARow)
{
    if (ACol < FixedCols() || ARow < FixedRows())
        return false;
    bool has = false;
    if (OnHasSpinEdit) {
        OnHasSpinEdit(this, ACol, ARow, has);
    } else if (FControlLook.SpinButtonsAlwaysVisible()) {
        TEditorType editor = DefaultEditor;
        QuerySpinEditorType(ACol, ARow, editor);
        has = editor == edSpinEdit || editor == edFloatSpinEdit || editor == edTimeSpinEdit || editor == edDateSpinEdit;
    }
    return has;
}

void VOroDavoduRuzu::QueryCheckTrueText(int ACol, int ARow, QString& Value)
{
    Value = CheckTrue;
    if (OnGetCheckTrue)
        OnGetCheckTrue(this, ACol, ARow, Value);
}

void VOroDavoduRuzu::QueryCheckFalseText(int ACol, int ARow, QString& Value)
{
    Value = CheckFalse;
    if (OnGetCheckFalse)
        OnGetCheckFalse(this, ACol, ARow, Value);
}

namespace {
// A filter value: a text with a blank becomes: text="text".
QString filterEntry(const QString& text)
{
    return text.contains(u' ') ? text + QStringLiteral("=\"") + text + u'"' : text;
}

void addSorted(TStringList& list, const QString& text)
{
    if (list.IndexOf(text) >= 0)
        return;
    int i = 0;
    while (i < list.Count() && list[i] < text)
        ++i;
    list.Insert(i, text);
}
}  // namespace

bool VOroDavoduRuzu::QueryColumnFilterItems(int ACol)
{
    FFilterList.Clear();
    if (FilterDropDownAuto && (ACol >= FixedCols() || FilterDropDownColumns == fdAll)) {
        for (int r = FixedRows(); r < RowCount() - FixedFooters; ++r)
            addSorted(FFilterList, filterEntry(Cells(ACol, r).trimmed()));
        if (!FilterIncremental && ACol >= 0 && ACol < TotalColCount()) {
            for (const TGridItem& item : FGridItems)
                addSorted(FFilterList, filterEntry(item.Items().Text(ACol)));
        }
        if (!FilterDropDownClear.isEmpty())
            FFilterList.Insert(0, FilterDropDownClear);
    }
    if (OnGetColumnFilter)
        OnGetColumnFilter(this, ACol, FFilterList);
    return FFilterList.Count() > 0;
}

void VOroDavoduRuzu::DoClickSort(int ACol)
{
    if (OnClickSort)
        OnClickSort(this, ACol);
}

void VOroDavoduRuzu::DoPrintGetPageNum(int PageNum, int PageColNum, QString& PageNumString)
{
    if (OnPrintGetPageNum)
        OnPrintGetPageNum(this, PageNum, PageColNum, PageNumString);
}

void VOroDavoduRuzu::DoGetEditorProp(int ACol, int ARow, TEditLink* AEditLink)
{
    if (OnGetEditorProp)
        OnGetEditorProp(this, ACol, ARow, AEditLink);
    if (OnGetEditorPropInt)
        OnGetEditorPropInt(this, ARow, ACol);
}

void VOroDavoduRuzu::DoCheckBoxClick(int ACol, int ARow, bool State)
{
    if (OnCheckBoxClick)
        OnCheckBoxClick(this, ACol, ARow, State);
}

void VOroDavoduRuzu::DoSearchFooterAction(const QString& Value, int ACol, int ARow, TSearchFooterAction Action)
{
    if (OnSearchFooterAction)
        OnSearchFooterAction(this, Value, ACol, ARow, Action);
}

void VOroDavoduRuzu::DoButtonClick(int ACol, int ARow)
{
    if (OnButtonClick)
        OnButtonClick(this, ACol, ARow);
}

void VOroDavoduRuzu::DoExpandClick(int ACol, int ARow, bool Expanded)
{
    if (OnExpandClick)
        OnExpandClick(this, ACol, ARow, Expanded);
    SetRowHeights(ARow, GetExpandHeight(ACol, ARow, Expanded));
}

void VOroDavoduRuzu::DoComboCloseUp(int ARow, int ACol)
{
    if (OnComboCloseUp)
        OnComboCloseUp(this, ARow, ACol);
}

void VOroDavoduRuzu::DoComboDropDown(int ARow, int ACol)
{
    if (OnComboDropDown)
        OnComboDropDown(this, ARow, ACol);
}

void VOroDavoduRuzu::DoScrollCell()
{
    if (OnScrollCell && FScrollBar)
        OnScrollCell(this, FScrollCol, FScrollRow, FScrollBar->Position(), FScrollBar->Min(), FScrollBar->Max());
}

bool VOroDavoduRuzu::QueryCanShowFixedDropDown(int ACol)
{
    bool canShow = true;
    if (OnCanShowFixedDropDown)
        OnCanShowFixedDropDown(this, ACol, canShow);
    return canShow;
}

void VOroDavoduRuzu::DoStartBlockFocus()
{
    if (FOnStartBlockFocus)
        FOnStartBlockFocus(this);
}

void VOroDavoduRuzu::DoEndBlockFocus()
{
    if (FOnEndBlockFocus)
        FOnEndBlockFocus(this);
}

void VOroDavoduRuzu::GridButtonClick()
{
    if (OnButtonClick)
        OnButtonClick(this, Col(), Row());
}

// --- Helpers -------------------------------------------------------------------------------------

TFont& VOroDavoduRuzu::GetCellFont(int ACol, int ARow)
{
    const TCellProperties* p = propsAt(ACol, ARow);
    if (!p)
        return Font();
    cf.SetName(p->FontName);
    cf.SetSize(p->FontSize);
    cf.SetStyle(p->FontStyle);
    cf.SetColor(p->FontColor);
    return cf;
}

bool VOroDavoduRuzu::IsFixed(int ACol, int ARow)
{
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    const int c = DisplColIndexOf(base.X);
    const int r = base.Y;
    if (r >= RowCount() - FixedFooters || (c >= ColCount() - FixedRightCols && c < ColCount()))
        return true;
    bool fixed = false;
    QueryFixedCell(c, r, fixed);
    return fixed;
}

bool VOroDavoduRuzu::IsEditable(int ACol, int ARow)
{
    if (!(Options() & goEditing) && !FMouseActions.RangeSelectAndEdit && !FEditDisable)
        return false;
    return CellEditAllowed(ACol, ARow);
}

bool VOroDavoduRuzu::CellEditAllowed(int ACol, int ARow)
{
    const TPoint base = IsMergedNonBaseCell(ACol, ARow) ? BaseCell(ACol, ARow) : TPoint{ACol, ARow};
    bool canEdit = true;
    QueryCellEditable(base.X, base.Y, canEdit);
    bool fixed = false;
    QueryFixedCell(DisplColIndexOf(base.X), base.Y, fixed);
    return canEdit && !fixed;
}

bool VOroDavoduRuzu::IsPasswordCell(int ACol, int ARow)
{
    bool password = false;
    QueryPasswordCell(ACol, ARow, password);
    return password;
}

void VOroDavoduRuzu::QueryCellVisuals(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                      TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                      bool& WW, TCellGradientDirection& GD)
{
    TBaseGrid::QueryCellVisuals(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HA, VA, WW, GD);
    HA = DefaultAlignment;
    VA = VAlignment;
    // A cell that follows the fixed look, the bands or the background keeps no colour of its own.
    const bool followsLook = ARow < RowCount() && IsFixed(DisplColIndexOf(ACol), ARow);
    if (followsLook || FBands.Active() || FBackGround.Display() == bdGradientHorz ||
        FBackGround.Display() == bdGradientVert || ABrush.Color() == Color()) {
        ABrush.SetColor(clNone);
        AColorTo = clNone;
    }
}
