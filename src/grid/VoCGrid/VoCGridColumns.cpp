// The column item and the collection of a column grid.
#include "grid/VoCGrid/VoCGrid.h"

#include <algorithm>

// --- TGridColumnItem ---------------------------------------------------------------------------

TGridColumnItem::TGridColumnItem(TGridColumnCollection* Collection) : FCollection(Collection)
{
    FBorderPen.SetColor(clSilver);
    FPrintBorderPen.SetColor(clBlack);
    if (VOroDavoduRuzu* g = grid()) {
        FFont.Assign(g->Font());
        FPrintFont.Assign(g->Font());
        FHeaderFont.Assign(g->Font());
        FColor = g->Color();
    }
    if (FCollection) {
        FFont.OnChange = [this](TObject*) { changed(); };
        FBorderPen.OnChange = [this](TObject*) { changed(); };
        FHeaderFont.OnChange = [this](TObject*) { changed(); };
    }
    FFilter.OnChange = [this](TObject*) { repaint(); };
}

TGridColumnItem::~TGridColumnItem() = default;

VOroDavoduRuzu* TGridColumnItem::grid() const
{
    return FCollection ? FCollection->Owner() : nullptr;
}

int TGridColumnItem::Index() const
{
    return FCollection ? FCollection->indexOf(this) : -1;
}

void TGridColumnItem::changed()
{
    if (FCollection)
        FCollection->Update();
}

void TGridColumnItem::repaint()
{
    if (VOroDavoduRuzu* g = grid())
        g->Invalidate();
}

void TGridColumnItem::Assign(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const TGridColumnItem*>(&Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    AssignVisuals(*src);
    FFont.Assign(src->FFont);
    FColor = src->FColor;
    FComboItems.Assign(src->FComboItems);
    DropDownCount = src->DropDownCount;
    FHeaderFont.Assign(src->FHeaderFont);
    FHeader = src->FHeader;
    Name = src->Name;
    Tag = src->Tag;
    changed();
}

void TGridColumnItem::AssignVisuals(const TGridColumnItem& Source)
{
    FWidth = Source.Width();
    FAlignment = Source.FAlignment;
    SortStyle = Source.SortStyle;
    SortPrefix = Source.SortPrefix;
    SortSuffix = Source.SortSuffix;
    EditMask = Source.EditMask;
    EditLength = Source.EditLength;
    EditLink = Source.EditLink;
    if (VOroDavoduRuzu* g = grid()) {
        FFont.Assign(g->Font());
        FColor = g->Color();
    }
    FEditor = Source.FEditor;
    FFixed = Source.FFixed;
    ReadOnly = Source.ReadOnly;
    SpinMin = Source.SpinMin;
    SpinMax = Source.SpinMax;
    SpinStep = Source.SpinStep;
    FPassword = Source.FPassword;
    FPrintFont.Assign(Source.FPrintFont);
    PrintColor = Source.PrintColor;
    FBorders = Source.FBorders;
    FBorderPen.Assign(Source.FBorderPen);
    PrintBorders = Source.PrintBorders;
    FPrintBorderPen.Assign(Source.FPrintBorderPen);
    DefIdx = Source.DefIdx;
    CheckFalse = Source.CheckFalse;
    CheckTrue = Source.CheckTrue;
    FShowBands = Source.FShowBands;
    FFilter.Assign(Source.FFilter);
    MaxSize = Source.MaxSize;
    MinSize = Source.MinSize;
    AutoMinSize = Source.AutoMinSize;
    AutoMaxSize = Source.AutoMaxSize;
    ColumnPopup = Source.ColumnPopup;
    FilterCaseSensitive = Source.FilterCaseSensitive;
    FFloatFormat = Source.FFloatFormat;
    FHeaderAlignment = Source.FHeaderAlignment;
}

QString TGridColumnItem::DisplayName() const
{
    if (!Name.isEmpty())
        return QStringLiteral("Col %1: %2").arg(Index()).arg(Name);
    return QStringLiteral("Column %1").arg(Index());
}

int TGridColumnItem::Width() const
{
    if (!FCollection)
        return 0;
    VOroDavoduRuzu* g = grid();
    const int i = Index();
    if (!g)
        return FWidth;
    return i < g->AllColCount() ? g->AllColWidths(i) : FWidth;
}

void TGridColumnItem::SetWidth(int Value)
{
    FWidth = Value;
    VOroDavoduRuzu* g = grid();
    if (g && Index() < g->AllColCount())
        g->SetAllColWidths(Index(), Value);
}

void TGridColumnItem::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    repaint();
}

void TGridColumnItem::SetHeader(const QString& Value)
{
    FHeader = Value;
    TVoColumnGrid* g = FCollection ? FCollection->Owner() : nullptr;
    if (!g)
        return;
    if (g->FixedRows() > 0 && !g->FColumnMoving) {
        g->SetCells(Index(), 0, Value);
        FCollection->Update();
    }
    TStringList headers;
    for (int i = 0; i < FCollection->Count(); ++i)
        headers.Add(FCollection->Items(i)->Header());
    g->ColumnHeaders().Assign(headers);
}

void TGridColumnItem::SetFont(const TFont& Value)
{
    FFont.Assign(Value);
}

void TGridColumnItem::SetColor(TColor Value)
{
    FColor = Value;
    changed();
}

void TGridColumnItem::SetEditor(TEditorType Value)
{
    const bool repaints = Value != FEditor && (Value == edDataCheckBox || FEditor == edDataCheckBox);
    FEditor = Value;
    if (repaints)
        repaint();
}

void TGridColumnItem::SetFixed(bool Value)
{
    FFixed = Value;
    changed();
}

void TGridColumnItem::SetPassword(bool Value)
{
    FPassword = Value;
    changed();
}

void TGridColumnItem::SetBorders(TCellBorders Value)
{
    FBorders = Value;
    changed();
}

void TGridColumnItem::SetShowBands(bool Value)
{
    FShowBands = Value;
    changed();
}

void TGridColumnItem::SetFloatFormat(const QString& Value)
{
    FFloatFormat = Value;
    repaint();
}

void TGridColumnItem::SetHeaderAlignment(TAlignment Value)
{
    FHeaderAlignment = Value;
    repaint();
}

void TGridColumnItem::SetHeaderFont(const TFont& Value)
{
    FHeaderFont.Assign(Value);
    repaint();
}

QString TGridColumnItem::Rows(int ARow) const
{
    VOroDavoduRuzu* g = grid();
    return g ? g->Cells(Index(), ARow) : QString();
}

void TGridColumnItem::SetRows(int ARow, const QString& Value)
{
    if (VOroDavoduRuzu* g = grid())
        g->SetCells(Index(), ARow, Value);
}

int TGridColumnItem::Ints(int ARow) const
{
    VOroDavoduRuzu* g = grid();
    return g ? g->Ints(Index(), ARow) : 0;
}

void TGridColumnItem::SetInts(int ARow, int Value)
{
    if (VOroDavoduRuzu* g = grid())
        g->SetInts(Index(), ARow, Value);
}

double TGridColumnItem::Floats(int ARow) const
{
    VOroDavoduRuzu* g = grid();
    return g ? g->Floats(Index(), ARow) : 0.0;
}

void TGridColumnItem::SetFloats(int ARow, double Value)
{
    if (VOroDavoduRuzu* g = grid())
        g->SetFloats(Index(), ARow, Value);
}

TDateTime TGridColumnItem::Dates(int ARow) const
{
    VOroDavoduRuzu* g = grid();
    return g ? g->Dates(Index(), ARow) : TDateTime();
}

void TGridColumnItem::SetDates(int ARow, TDateTime Value)
{
    if (VOroDavoduRuzu* g = grid())
        g->SetDates(Index(), ARow, Value);
}

TDateTime TGridColumnItem::Times(int ARow) const
{
    VOroDavoduRuzu* g = grid();
    return g ? g->Times(Index(), ARow) : TDateTime();
}

void TGridColumnItem::SetTimes(int ARow, TDateTime Value)
{
    if (VOroDavoduRuzu* g = grid())
        g->SetTimes(Index(), ARow, Value);
}

// --- TGridColumnCollection -----------------------------------------------------------------------

TGridColumnCollection::~TGridColumnCollection()
{
    // The items report nothing while the collection goes.
    FUpdateCount = 1;
    FItems.clear();
}

int TGridColumnCollection::indexOf(const TGridColumnItem* item) const
{
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == item)
            return static_cast<int>(i);
    return -1;
}

TGridColumnItem* TGridColumnCollection::Add()
{
    auto item = std::make_unique<TGridColumnItem>(this);
    if (!FItems.empty())
        item->AssignVisuals(*FItems.back());
    FItems.push_back(std::move(item));
    Update();
    return FItems.back().get();
}

TGridColumnItem* TGridColumnCollection::Insert(int Index)
{
    Index = std::clamp(Index, 0, Count());
    auto it = FItems.insert(FItems.begin() + Index, std::make_unique<TGridColumnItem>(this));
    Update();
    return it->get();
}

void TGridColumnCollection::Delete(int Index)
{
    FItems.erase(FItems.begin() + Index);
    Update();
}

void TGridColumnCollection::Clear()
{
    FItems.clear();
    Update();
}

void TGridColumnCollection::Move(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= Count() || ToIndex >= Count())
        return;
    auto item = std::move(FItems[static_cast<size_t>(FromIndex)]);
    FItems.erase(FItems.begin() + FromIndex);
    FItems.insert(FItems.begin() + ToIndex, std::move(item));
}

void TGridColumnCollection::Assign(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const TGridColumnCollection*>(&Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    BeginUpdate();
    while (Count() > src->Count())
        FItems.pop_back();
    while (Count() < src->Count())
        FItems.push_back(std::make_unique<TGridColumnItem>(this));
    for (int i = 0; i < Count(); ++i)
        Items(i)->Assign(*src->Items(i));
    EndUpdate();
}

void TGridColumnCollection::EndUpdate()
{
    if (--FUpdateCount == 0)
        Update();
}

void TGridColumnCollection::Update()
{
    if (FUpdateCount > 0 || FNoRecursiveUpdate || !FOwner || (FOwner->ComponentState() & csLoading) ||
        FOwner->FDestroying)
        return;
    const int shown = Count() - FOwner->NumHiddenColumns();
    if (shown != FOwner->ColCount() && shown > FOwner->FixedCols())
        FOwner->VOroDavoduRuzu::SetColCount(shown);
    FOwner->RebuildColumnHeaders();
    FOwner->Invalidate();
}

void TGridColumnCollection::SetOrganization()
{
    FNoRecursiveUpdate = true;
    FOwner->SyncColumnItems();
    FNoRecursiveUpdate = false;
    for (int i = 0; i < Count(); ++i)
        Items(i)->DefIdx = i;
}

void TGridColumnCollection::ResetOrganization()
{
    bool moved = true;
    while (moved) {
        moved = false;
        for (int i = 0; i < Count(); ++i) {
            const int target = Items(i)->DefIdx;
            if (target < i && target >= 0) {
                FOwner->MoveColumnTo(i, target);
                moved = true;
            }
        }
    }
}
