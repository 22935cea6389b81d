// The column grid: construction, the column count, headers, the cell hooks answered per column and the
// column structure.
#include "grid/VoCGrid/VoCGrid.h"

#include "platform/Menus.h"

#include <algorithm>

TVoColumnGrid::TVoColumnGrid(TComponent* AOwner) : VOroDavoduRuzu(AOwner)
{
    FColumns = CreateColumns();
    FColumns->FNoRecursiveUpdate = true;
    SyncColumnItems();
    FColumns->FNoRecursiveUpdate = false;
    FVirtCheck.CellType = ctVirtCheckBox;
}

TVoColumnGrid::~TVoColumnGrid()
{
    FDestroying = true;
    FColumns.reset();
}

std::unique_ptr<TGridColumnCollection> TVoColumnGrid::CreateColumns()
{
    return std::make_unique<TGridColumnCollection>(this);
}

QString TVoColumnGrid::GetVersionString() const
{
    const std::uint32_t v = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4 Aug, 2012")
        .arg(v >> 24)
        .arg((v >> 16) & 0xFF)
        .arg((v >> 8) & 0xFF)
        .arg(v & 0xFF);
}

void TVoColumnGrid::Loaded()
{
    VOroDavoduRuzu::Loaded();
    SyncColumnItems();
    FColumns->SetOrganization();
}

void TVoColumnGrid::SetColCount(int Value)
{
    VOroDavoduRuzu::SetColCount(Value);
    FColumns->FNoRecursiveUpdate = true;
    SyncColumnItems();
    FColumns->FNoRecursiveUpdate = false;
}

void TVoColumnGrid::SyncColumnItems()
{
    const int wanted = ColCount() + NumHiddenColumns();
    while (FColumns->Count() < wanted)
        FColumns->Add();
    while (FColumns->Count() > wanted)
        FColumns->Delete(FColumns->Count() - 1);
}

TGridColumnItem* TVoColumnGrid::item(int realCol) const
{
    return FColumns && realCol >= 0 && realCol < FColumns->Count() ? FColumns->Items(realCol) : nullptr;
}

bool TVoColumnGrid::isNormalCell(int ACol, int ARow) const
{
    return ACol >= FixedCols() && ARow >= FixedRows() && ACol < ColCount() + NumHiddenColumns() - FixedRightCols &&
           ARow < RowCount() - FixedFooters;
}

TGridColumnItem* TVoColumnGrid::GetColumnByName(const QString& AValue) const
{
    for (int i = 0; i < FColumns->Count(); ++i)
        if (FColumns->Items(i)->Name == AValue)
            return FColumns->Items(i);
    return nullptr;
}

void TVoColumnGrid::RebuildColumnHeaders()
{
    if (FixedRows() <= 0)
        return;
    TStringList headers;
    for (int i = 0; i < FColumns->Count(); ++i) {
        TGridColumnItem* c = FColumns->Items(i);
        if (c->FHeader.isEmpty() && i < AllColCount() && !Cells(i, 0).isEmpty())
            c->FHeader = Cells(i, 0);
        headers.Add(c->FHeader);
    }
    ColumnHeaders().Assign(headers);
}

void TVoColumnGrid::RecalcFooter()
{
    VOroDavoduRuzu::RecalcFooter();
    FColumns->FNoRecursiveUpdate = true;
    SyncColumnItems();
    FColumns->FNoRecursiveUpdate = false;
}

void TVoColumnGrid::ColumnHeadersChanged()
{
    TStringList& headers = ColumnHeaders();
    for (int i = 0; i < FColumns->Count() && i + 1 < headers.Count(); ++i)
        FColumns->Items(i)->FHeader = headers[i];
}

// --- Cell hooks ----------------------------------------------------------------------------------

void TVoColumnGrid::QueryCellColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont)
{
    if (TGridColumnItem* c = item(ACol);
        c && ACol >= FixedCols() && ACol < AllColCount() - FixedRightCols && ARow < RowCount() - FixedFooters) {
        if (c->Fixed())
            ABrush.SetColor(FixedColor());
        else if (ARow >= FixedRows() && (!c->ShowBands() || !Bands().Active()))
            ABrush.SetColor(c->Color());
        AFont.Assign(ARow < FixedRows() ? c->HeaderFont() : c->Font());
        if (HasCellProperties(ACol, ARow)) {
            const TCellProperties* p = GetCellProperties(ACol, ARow);
            if (p->BrushColor() != clNone)
                ABrush.SetColor(p->BrushColor());
            if (p->FontColor != clNone)
                AFont.SetColor(p->FontColor);
        }
    }
    VOroDavoduRuzu::QueryCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TVoColumnGrid::QueryCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont)
{
    if (TGridColumnItem* c = item(ACol)) {
        if (!isNormalCell(ACol, ARow)) {
            AFont.Assign(PrintSettings().FixedFont());
        } else {
            ABrush.SetColor(c->Fixed() ? FixedColor() : c->PrintColor);
            const TCellProperties* p = HasCellProperties(ACol, ARow) ? GetCellProperties(ACol, ARow) : nullptr;
            if (p && p->BrushColor() != clNone)
                ABrush.SetColor(p->BrushColor());
            if (c->PrintFontCustom) {
                AFont.Assign(c->PrintFont());
                if (p && p->FontColor != clNone)
                    AFont.SetColor(p->FontColor);
                if (p && p->FontStyle != 0)
                    AFont.SetStyle(p->FontStyle);
                if (p && p->FontSize != 0)
                    AFont.SetSize(p->FontSize);
                if (p && !p->FontName.isEmpty())
                    AFont.SetName(p->FontName);
            }
        }
    }
    VOroDavoduRuzu::QueryCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TVoColumnGrid::QueryCellBorder(int ACol, int ARow, TCellBorders& Borders, TPen& APen)
{
    if (TGridColumnItem* c = item(ACol); c && inNormalRegion(ACol, ARow)) {
        Borders = c->Borders();
        APen.Assign(c->BorderPen());
    }
    VOroDavoduRuzu::QueryCellBorder(ACol, ARow, Borders, APen);
}

void TVoColumnGrid::QueryCellPrintBorder(int ACol, int ARow, TCellBorders& Borders, TPen& APen)
{
    if (TGridColumnItem* c = item(ACol); c && c->PrintBorderCustom && inNormalRegion(ACol, ARow)) {
        Borders = c->PrintBorders;
        APen.Assign(c->PrintBorderPen());
    }
    VOroDavoduRuzu::QueryCellPrintBorder(ACol, ARow, Borders, APen);
}

void TVoColumnGrid::QueryCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (TGridColumnItem* c = item(ACol)) {
        HAlign = ARow < FixedRows() ? c->HeaderAlignment() : c->Alignment();
        if (HasCellProperties(ACol, ARow))
            HAlign = GetCellProperties(ACol, ARow)->Alignment;
    }
    VOroDavoduRuzu::QueryCellAlignment(ACol, ARow, HAlign, VAlign);
}

void TVoColumnGrid::QueryCellFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix)
{
    if (TGridColumnItem* c = item(ACol)) {
        AStyle = c->SortStyle;
        aPrefix = c->SortPrefix;
        aSuffix = c->SortSuffix;
    }
    VOroDavoduRuzu::QueryCellFormat(ACol, AStyle, aPrefix, aSuffix);
}

void TVoColumnGrid::QueryEditorType(int ACol, int ARow, TEditorType& AEditor)
{
    if (TGridColumnItem* c = item(ACol)) {
        if (inNormalRegion(ACol, ARow)) {
            AEditor = c->Editor();
            if (TGridCombo* combo = Combobox()) {
                combo->Items().Assign(c->ComboItems());
                combo->SetDropDownCount(c->DropDownCount);
            }
            ControlLook().DropDownCount = c->DropDownCount;
        }
        if (!c->FloatFormat().isEmpty())
            FloatFormat = c->FloatFormat();
    }
    VOroDavoduRuzu::QueryEditorType(ACol, ARow, AEditor);
}

void TVoColumnGrid::QueryFixedCell(int ACol, int ARow, bool& IsFixed)
{
    const int real = RealColIndex(ACol);
    if (TGridColumnItem* c = item(real); c && real >= FixedCols() && ARow >= FixedRows())
        IsFixed = c->Fixed();
    VOroDavoduRuzu::QueryFixedCell(ACol, ARow, IsFixed);
}

void TVoColumnGrid::QueryCellEditable(int ACol, int ARow, bool& CanEdit)
{
    CanEdit = false;
    if (!(ComponentState() & csLoading) && inNormalRegion(ACol, ARow)) {
        const TGridColumnItem* c = item(ACol);
        CanEdit = !c || (!c->ReadOnly && !c->Fixed());
        if (CanEdit && HasCellProperties(ACol, ARow))
            CanEdit = !GetCellProperties(ACol, ARow)->ReadOnly;
    }
    const TPoint base = BaseCell(ACol, ARow);
    QueryCanEditCell(base.X, base.Y, CanEdit);
}

void TVoColumnGrid::QueryPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (TGridColumnItem* c = item(ACol))
        IsPassword = c->Password();
    VOroDavoduRuzu::QueryPasswordCell(ACol, ARow, IsPassword);
}

bool TVoColumnGrid::QueryHasComboBox(int ACol, int ARow)
{
    bool has = false;
    if (TGridColumnItem* c = item(ACol); c && inNormalRegion(ACol, ARow))
        has = c->Editor() == edComboEdit || c->Editor() == edComboList;
    if (OnHasComboBox)
        OnHasComboBox(this, ACol, ARow, has);
    return has;
}

void TVoColumnGrid::QueryCheckTrueText(int ACol, int ARow, QString& Value)
{
    VOroDavoduRuzu::QueryCheckTrueText(ACol, ARow, Value);
    if (TGridColumnItem* c = item(ACol); c && isNormalCell(ACol, ARow))
        Value = c->CheckTrue;
}

void TVoColumnGrid::QueryCheckFalseText(int ACol, int ARow, QString& Value)
{
    VOroDavoduRuzu::QueryCheckFalseText(ACol, ARow, Value);
    if (TGridColumnItem* c = item(ACol); c && isNormalCell(ACol, ARow))
        Value = c->CheckFalse;
}

QString TVoColumnGrid::QueryFloatFormat(int ACol, int)
{
    const TGridColumnItem* c = item(ACol);
    return c && !c->FFloatFormat.isEmpty() ? c->FFloatFormat : FloatFormat;
}

bool TVoColumnGrid::QueryColumnFilterItems(int ACol)
{
    VOroDavoduRuzu::QueryColumnFilterItems(ACol);
    TGridColumnItem* c = item(ACol);
    if (!c || c->Filter().Count() == 0)
        return false;
    FilterList().Clear();
    for (int i = 0; i < c->Filter().Count(); ++i)
        FilterList().Add(c->Filter()[i].section(u'=', 0, 0));
    return true;
}

void TVoColumnGrid::QueryCellVisuals(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                     TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                     bool& WW, TCellGradientDirection& GD)
{
    TGridColumnItem* c = item(ACol);
    if (!c) {
        VOroDavoduRuzu::QueryCellVisuals(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HA, VA, WW,
                                         GD);
        return;
    }
    AFont.Assign(c->Font());
    ABrush.SetColor(c->Color());
    AColorTo = clNone;
    HA = ARow < FixedRows() ? c->HeaderAlignment() : c->Alignment();
    VA = VAlignment;
    WW = WordWrap;
    const bool fixed = ARow < RowCount() && IsFixed(DisplColIndexOf(ACol), ARow);
    if (fixed || (Bands().Active() && c->ShowBands()))
        ABrush.SetColor(clNone);
}

void TVoColumnGrid::FilterListSelect(int ItemIndex)
{
    const int col = FilterColumn();
    // No list is open any more, whatever the pick.
    struct TClose {
        TVoColumnGrid& Grid;
        ~TClose() { Grid.SetFilterColumn(-1); }
    } close{*this};
    TGridColumnItem* c = item(col);
    if (!c || ItemIndex < 0 || ItemIndex >= c->Filter().Count())
        return;
    // "display=condition", or a condition shown as it stands.
    const QString entry = c->Filter()[ItemIndex];
    const QString display = entry.section(u'=', 0, 0);
    QString condition = entry.contains(u'=') ? entry.section(u'=', 1) : entry;
    if (AutoFilterDisplay)
        c->SetHeader(display);
    if (AutoFilterUpdate)
        SetFilterActive(false);
    if (OnFilterSelect)
        OnFilterSelect(this, col, ItemIndex, display, condition);
    TFilterData* filter = Filter().ColFilter(col);
    filter->Condition = condition;
    filter->CaseSensitive = c->FilterCaseSensitive;
    if (!AutoFilterUpdate)
        return;
    SetFilterActive(true);
    if (RowCount() > FixedRows())
        SetRow(FixedRows());
    DoFilterDone();
}

// --- Virtual check boxes and display text -----------------------------------------------------------

TCellType TVoColumnGrid::GetCellType(int ACol, int ARow)
{
    // A cell without a graphic of its own, in a data check-box column.
    if (!FDestroying && ACol >= 0 && ARow >= 0 && isNormalCell(ACol, ARow) &&
        !VOroDavoduRuzu::GetCellGraphic(ACol, ARow))
        if (const TGridColumnItem* c = item(ACol); c && c->Editor() == edDataCheckBox)
            return ctDataCheckBox;
    return VOroDavoduRuzu::GetCellType(ACol, ARow);
}

TCellGraphic* TVoColumnGrid::GetCellGraphic(int ACol, int ARow)
{
    TCellGraphic* own = VOroDavoduRuzu::GetCellGraphic(ACol, ARow);
    if (own || FDestroying || !isNormalCell(ACol, ARow))
        return own;
    const TGridColumnItem* c = item(ACol);
    if (!c || c->Editor() != edDataCheckBox)
        return own;
    FVirtCheck.CellType = ctVirtCheckBox;
    FVirtCheck.CellTransparent = ControlLook().ControlStyle() == csFlat;
    return &FVirtCheck;
}

QString TVoColumnGrid::GetFormattedCell(int ACol, int ARow)
{
    const QString text = Cells(ACol, ARow);
    const TGridColumnItem* c = item(ACol);
    if (!c)
        return text;
    QString format = c->FloatFormat();
    const int kind = NumberTextKind(text);
    bool isFloat = kind == ntkInteger || kind == ntkDecimal;
    if (OnGetFloatFormat)
        OnGetFloatFormat(this, ACol, ARow, isFloat, format);
    if (format.isEmpty() || !isFloat)
        return text;
    // Through the checked formatter: a column format is never handed to printf.
    try {
        return FormatIndicatorValue(format, Floats(ACol, ARow));
    } catch (const std::exception&) {
        return text;
    }
}

// --- Sizing and editing limits -------------------------------------------------------------

void TVoColumnGrid::QueryColumnSize(int ACol, int& NewWidth)
{
    if (const TGridColumnItem* c = item(ACol)) {
        if (c->MinSize > 0)
            NewWidth = std::max(NewWidth, c->MinSize);
        if (c->MaxSize > 0)
            NewWidth = std::min(NewWidth, c->MaxSize);
    }
}

void TVoColumnGrid::QueryAutoColumnSize(int ACol, int& NewWidth)
{
    if (const TGridColumnItem* c = item(ACol)) {
        if (c->AutoMinSize > 0)
            NewWidth = std::max(NewWidth, c->AutoMinSize);
        if (c->AutoMaxSize > 0)
            NewWidth = std::min(NewWidth, c->AutoMaxSize);
    }
}

QString TVoColumnGrid::GetEditMask(int ACol, int ARow)
{
    const QString own = VOroDavoduRuzu::GetEditMask(ACol, ARow);
    if (Col() < FColumns->Count() && Col() >= FixedCols() && own.isEmpty())
        return FColumns->Items(RealColIndex(Col()))->EditMask;
    return own;
}

int TVoColumnGrid::GetEditLimit()
{
    if (Col() < FColumns->Count() && Col() >= FixedCols())
        return FColumns->Items(RealColIndex(Col()))->EditLength;
    return VOroDavoduRuzu::GetEditLimit();
}

// --- Column structure -----------------------------------------------------------------------------

void TVoColumnGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    const int top = TopRow();
    FColumns->FNoRecursiveUpdate = true;
    VOroDavoduRuzu::ColumnMoved(FromIndex, ToIndex);
    FColumns->FNoRecursiveUpdate = false;
    const int from = RealColIndex(FromIndex);
    const int to = RealColIndex(ToIndex);
    FColumnMoving = true;
    FColumns->BeginUpdate();
    FColumns->Move(from, to);
    FColumns->EndUpdate();
    FColumnMoving = false;
    SetTopRow(top);
    if (OnAfterColumnMoved)
        OnAfterColumnMoved(this, from, to);
}

void TVoColumnGrid::InsertCols(int ColIndex, int CCount)
{
    VOroDavoduRuzu::InsertCols(ColIndex, CCount);
    FColumns->FNoRecursiveUpdate = true;
    for (int i = 0; i < CCount; ++i)
        FColumns->Insert(ColIndex);
    FColumns->FNoRecursiveUpdate = false;
}

void TVoColumnGrid::RemoveCols(int ColIndex, int CCount)
{
    VOroDavoduRuzu::RemoveCols(ColIndex, CCount);
    FColumns->FNoRecursiveUpdate = true;
    for (int i = 0; i < CCount && ColIndex < FColumns->Count(); ++i)
        FColumns->Delete(ColIndex);
    FColumns->FNoRecursiveUpdate = false;
}

void TVoColumnGrid::Group(int Colindex)
{
    // The grouped column gets its own settings back before another column's are kept aside.
    if (GroupColumn != -1)
        UnGroup();
    if (const TGridColumnItem* c = item(RealColIndex(Colindex)))
        FSpareColumn.Assign(*c);
    VOroDavoduRuzu::Group(Colindex);
}

void TVoColumnGrid::UnGroup()
{
    const int grouped = GroupColumn;
    VOroDavoduRuzu::UnGroup();
    if (grouped < 0 || GroupColumn != -1)
        return;
    if (TGridColumnItem* c = item(RealColIndex(grouped))) {
        c->Assign(FSpareColumn);
        // The kept item belongs to no grid and reads no width.
        c->FWidth = ColWidths(grouped);
    }
}

void TVoColumnGrid::ChangeScale(int M, int D)
{
    VOroDavoduRuzu::ChangeScale(M, D);
    if (M == D || (ComponentState() & csDesigning))
        return;
    for (int i = 0; i < std::min(ColCount(), FColumns->Count()); ++i) {
        FColumns->Items(i)->Font().ScaleSize(M, D);
        FColumns->Items(i)->HeaderFont().ScaleSize(M, D);
    }
}

void TVoColumnGrid::MoveColumnTo(int FromIndex, int ToIndex)
{
    MoveColumn(FromIndex, ToIndex);
}

void TVoColumnGrid::ColWidthsChanged()
{
    VOroDavoduRuzu::ColWidthsChanged();
    if ((ComponentState() & csLoading) || FDestroying || !FColumns)
        return;
    for (int d = 0; d < ColCount(); ++d)
        if (TGridColumnItem* c = item(RealColIndex(d)))
            c->FWidth = ColWidths(d);
}

void TVoColumnGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    VOroDavoduRuzu::Notification(AComponent, Operation);
    if (Operation != opRemove || !FColumns)
        return;
    for (int i = 0; i < FColumns->Count(); ++i)
        if (FColumns->Items(i)->ColumnPopup == AComponent)
            FColumns->Items(i)->ColumnPopup = nullptr;
}

void TVoColumnGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    VOroDavoduRuzu::MouseDown(Button, Shift, X, Y);
    int col = -1;
    int row = -1;
    MouseToCell(X, Y, col, row);
    if (col < 0 || row < 0)
        return;
    TGridColumnItem* column = item(RealColIndex(col));
    if (!column || !column->ColumnPopup)
        return;
    // The event may change the menu.
    const TColumnPopupType type = column->ColumnPopupType;
    const bool left = type == cpFixedCellsLClick || type == cpNormalCellsLClick || type == cpAllCellsLClick;
    if (Button != (left ? TMouseButton::mbLeft : TMouseButton::mbRight))
        return;
    TPopupMenu* popup = column->ColumnPopup;
    if (OnColumnPopup)
        OnColumnPopup(this, col, row, popup);
    const bool all = type == cpAllCellsLClick || type == cpAllCellsRClick;
    const bool fixedKind = type == cpFixedCellsLClick || type == cpFixedCellsRClick;
    if (!popup || (!all && (row < FixedRows()) != fixedKind))
        return;
    const TRect r = CellRect(col, row);
    const TPoint at = ClientToScreen(TPoint{r.Left, r.Bottom});
    popup->Popup(at.X, at.Y);
}
