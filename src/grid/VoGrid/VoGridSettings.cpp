// Copy rules and the writes with effects of the grid's settings objects.
#include "grid/VoGrid/VoGridSettings.h"

#include <typeinfo>

namespace {
// The source as the same class, or nullptr.
template <typename T>
const T* same(const TPersistent& source)
{
    return dynamic_cast<const T*>(&source);
}
}  // namespace

void TColumnSize::Assign(const TPersistent& Source)
{
    const auto* s = same<TColumnSize>(Source);
    if (!s)
        return;
    Rows = s->Rows;
    Save = s->Save;
    Key = s->Key;
    Section = s->Section;
    FStretch = s->FStretch;
    StretchColumn = s->StretchColumn;
    SynchWithGrid = s->SynchWithGrid;
    SynchNormalCellsOnly = s->SynchNormalCellsOnly;
    Location = s->Location;
}

void TColumnSize::SetStretch(bool Value)
{
    FStretch = Value;
    if (Owner && Owner->Parent() && OnStretch)
        OnStretch();
}

void THTMLSettings::Assign(const TPersistent& Source)
{
    const auto* s = same<THTMLSettings>(Source);
    if (!s)
        return;
    const bool exportImages = ExportImages;
    TIntList widths;
    for (int i = 0; i < FColWidths.Count(); ++i)
        widths.Add(FColWidths.GetInteger(i));
    AutoPreview = s->AutoPreview;
    BorderSize = s->BorderSize;
    CellSpacing = s->CellSpacing;
    CellPadding = s->CellPadding;
    ConvertSpecialChars = s->ConvertSpecialChars;
    FooterFile = s->FooterFile;
    HeaderFile = s->HeaderFile;
    NonBreakingText = s->NonBreakingText;
    PrefixTag = s->PrefixTag;
    SaveColor = s->SaveColor;
    SaveFonts = s->SaveFonts;
    SuffixTag = s->SuffixTag;
    Summary = s->Summary;
    TableStyle = s->TableStyle;
    Width = s->Width;
    XHTML = s->XHTML;
    ExportImages = exportImages;
}

void TPrintSettings::Assign(const TPersistent& Source)
{
    const auto& s = dynamic_cast<const TPrintSettings&>(Source);  // std::bad_cast for another class
    TControl* const grid = FGrid;
    const bool fixedCellsAlways = FixedCellsAlways;
    FooterSize = s.FooterSize;
    HeaderSize = s.HeaderSize;
    Time = s.Time;
    Date = s.Date;
    DateFormat = s.DateFormat;
    PageNr = s.PageNr;
    Title = s.Title;
    TitleText = s.TitleText;
    Borders = s.Borders;
    BorderStyle = s.BorderStyle;
    BorderColor = s.BorderColor;
    Centered = s.Centered;
    RepeatFixedRows = s.RepeatFixedRows;
    RepeatFixedCols = s.RepeatFixedCols;
    LeftSize = s.LeftSize;
    RightSize = s.RightSize;
    ColumnSpacing = s.ColumnSpacing;
    RowSpacing = s.RowSpacing;
    TitleSpacing = s.TitleSpacing;
    Orientation = s.Orientation;
    PagePrefix = s.PagePrefix;
    PageSuffix = s.PageSuffix;
    PageNumberOffset = s.PageNumberOffset;
    MaxPagesOffset = s.MaxPagesOffset;
    FixedWidth = s.FixedWidth;
    FixedHeight = s.FixedHeight;
    UseFixedHeight = s.UseFixedHeight;
    UseFixedWidth = s.UseFixedWidth;
    FitToPage = s.FitToPage;
    JobName = s.JobName;
    PageNumSep = s.PageNumSep;
    NoAutoSize = s.NoAutoSize;
    NoAutoSizeRow = s.NoAutoSizeRow;
    PrintGraphics = s.PrintGraphics;
    UseDisplayFont = s.UseDisplayFont;
    UseDefaultOrientation = s.UseDefaultOrientation;
    FFont.Assign(s.FFont);
    FHeaderFont.Assign(s.FHeaderFont);
    FFooterFont.Assign(s.FFooterFont);
    FFixedFont.Assign(s.FFixedFont);
    FTitleLines.Assign(s.FTitleLines);
    FGrid = grid;
    FixedCellsAlways = fixedCellsAlways;
}

void TControlLook::Assign(const TPersistent& Source)
{
    const auto* s = same<TControlLook>(Source);
    if (!s)
        return;
    FCheckSize = s->FCheckSize;
    FRadioSize = s->FRadioSize;
    FControlStyle = s->FControlStyle;
    FCheckedGlyph.Assign(s->FCheckedGlyph);
    FUnCheckedGlyph.Assign(s->FUnCheckedGlyph);
    FRadioOnGlyph.Assign(s->FRadioOnGlyph);
    FRadioOffGlyph.Assign(s->FRadioOffGlyph);
    FProgressMarginX = s->FProgressMarginX;
    FProgressMarginY = s->FProgressMarginY;
    FCommentColor = s->FCommentColor;
    FColor = s->FColor;
    ProgressBorderColor = s->ProgressBorderColor;
    CheckAlwaysActive = s->CheckAlwaysActive;
    RadioAlwaysActive = s->RadioAlwaysActive;
    FFixedGradient = s->FFixedGradient;
    FDropDownAlwaysVisible = s->FDropDownAlwaysVisible;
    FSpinButtonsAlwaysVisible = s->FSpinButtonsAlwaysVisible;
    DropDownCount = s->DropDownCount;
    FDropDownFooter.Assign(s->FDropDownFooter);
    FDropDownHeader.Assign(s->FDropDownHeader);
    HintMaxWidth = s->HintMaxWidth;
}

void TGridProgressAppearance::Assign(const TPersistent& Source)
{
    const auto* s = same<TGridProgressAppearance>(Source);
    if (!s)
        return;
    FValues = s->FValues;
    changed();
}

void TDragDropSettings::Assign(const TPersistent& Source)
{
    const auto* s = same<TDragDropSettings>(Source);
    if (!s)
        return;
    FOleDropRTF = s->FOleDropRTF;
    OleAcceptText = s->OleAcceptText;
    OleEntireRows = s->OleEntireRows;
    OleDropSource = s->OleDropSource;
    OleRemoveRows = s->OleRemoveRows;
    OleAcceptFiles = s->OleAcceptFiles;
    OleAcceptURLs = s->OleAcceptURLs;
    FOleDropTarget = s->FOleDropTarget;
    OleInsertRows = s->OleInsertRows;
    OleAppendRows = s->OleAppendRows;
    OleCopyAlways = s->OleCopyAlways;
    OleColumnDragDrop = s->OleColumnDragDrop;
    OleColumnReorder = s->OleColumnReorder;
    OleColumnsOnly = s->OleColumnsOnly;
    ShowCells = s->ShowCells;
}

void TDragDropSettings::SetOleDropTarget(bool Value)
{
    const bool wasRegistered = FOleDropTarget;
    FOleDropTarget = Value;
    if (FGrid && (FGrid->ComponentState() & csDesigning))
        return;
    if (OnDropTargetChange && (Value || wasRegistered))
        OnDropTargetChange(Value);
}

void TDragDropSettings::SetOleDropRTF(bool Value)
{
    if (OnAllowRTFDrop)
        OnAllowRTFDrop(Value);
    FOleDropRTF = Value;
}

void TBalloonSettings::Assign(const TPersistent& Source)
{
    const auto* s = same<TBalloonSettings>(Source);
    if (!s)
        return;
    TextColor = s->TextColor;
    BackgroundColor = s->BackgroundColor;
    InitialDelay = s->InitialDelay;
    AutoHideDelay = s->AutoHideDelay;
    ReshowDelay = s->ReshowDelay;
    FEnable = s->FEnable;
}

void TBalloonSettings::SetEnable(bool Value)
{
    FEnable = Value;
    if (OnEnableChange)
        OnEnableChange(this);
}

void TShowModified::Assign(const TPersistent& Source)
{
    const auto* s = same<TShowModified>(Source);
    if (!s)
        return;
    FColor = s->FColor;
    Enabled = s->Enabled;
}

void TShowModified::SetColor(TColor Value)
{
    FColor = Value;
    if (OnChange)
        OnChange(this);
}

void TDragScrollDelays::Assign(const TPersistent& Source)
{
    if (const auto* s = same<TDragScrollDelays>(Source)) {
        InitialDelay = s->InitialDelay;
        RepeatDelay = s->RepeatDelay;
    }
}

void TDragScrollMargins::Assign(const TPersistent& Source)
{
    if (const auto* s = same<TDragScrollMargins>(Source)) {
        TopMargin = s->TopMargin;
        BottomMargin = s->BottomMargin;
        LeftMargin = s->LeftMargin;
        RightMargin = s->RightMargin;
    }
}

void TDragScrollOptions::Assign(const TPersistent& Source)
{
    if (const auto* s = same<TDragScrollOptions>(Source)) {
        FMargins.Assign(s->FMargins);
        FDelays.Assign(s->FDelays);
        Active = s->Active;
    }
}

void TFloatingFooter::Assign(const TPersistent& Source)
{
    const auto* s = same<TFloatingFooter>(Source);
    if (!s)
        return;
    CalculateHiddenRows = s->CalculateHiddenRows;
    FColor = s->FColor;
    FColumn = s->FColumn;
    FCustomTemplate = s->FCustomTemplate;
    FFooterStyle = s->FFooterStyle;
    SetShowHint(s->FShowHint);
    SetVisible(s->FVisible);
}

void TFloatingFooter::SetVisible(bool v)
{
    FVisible = v;
    changed();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle v)
{
    FFooterStyle = v;
    changed();
}

void TFloatingFooter::SetHeight(int v)
{
    FHeight = v;
    changed();
}

void TCellNode::Assign(const TPersistent& Source)
{
    const auto* s = same<TCellNode>(Source);
    if (!s)
        return;
    FNodeType = s->FNodeType;
    FNodeIndent = s->FNodeIndent;
    Color = s->Color;
    NodeColor = s->NodeColor;
    FTreeColor = s->FTreeColor;
    FShowTree = s->FShowTree;
    FShowTreeFull = s->FShowTreeFull;
    ExpandOne = s->ExpandOne;
    FExpandGlyph.Assign(s->FExpandGlyph);
    FContractGlyph.Assign(s->FContractGlyph);
}

void TFilterDropDown::Assign(const TPersistent& Source)
{
    const auto* s = same<TFilterDropDown>(Source);
    if (!s)
        return;
    Color = s->Color;
    ColumnWidth = s->ColumnWidth;
    FFont.Assign(s->FFont);
    Height = s->Height;
    Width = s->Width;
    SetGlyph(s->FGlyph);
    SetGlyphActive(s->FGlyphActive);
}

void TFilterDropDown::SetGlyph(const TBitmap& Value)
{
    FGlyph.Assign(Value);
    if (OnChange)
        OnChange(this);
}

void TFilterDropDown::SetGlyphActive(const TBitmap& Value)
{
    FGlyphActive.Assign(Value);
    if (OnChange)
        OnChange(this);
}
