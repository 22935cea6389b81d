// Construction, defaults and life cycle of the string grid: what it owns, the state it starts in, window
// creation, the end of loading, copying another grid, repainting, resizing and the integral height.
#include <QBuffer>

#include "grid/VoGrid/Editors/GridValueEditors.h"
#include "grid/VoGrid/VoGrid.h"
#include "grid/base/VoXPVS.h"
#include "platform/Forms.h"
#include "platform/SystemMetrics.h"

namespace {
constexpr UINT_PTR GridTimerId = 111;
constexpr UINT GridTimerInterval = 500;
constexpr TColor XPBorderColor = 0xB99D7F;
constexpr TColor ClassicBorderColor = 0x808080;
constexpr int SearchPanelHeight = 32;
}  // namespace

VOroDavoduRuzu::VOroDavoduRuzu(TComponent* AOwner) : TBaseGrid(AOwner)
{
    VoGridInitialize();
    const bool designing = ComponentState() & csDesigning;
    ControlStyle |= csAcceptsControls;
    SetBorderStyle(bsSingle);

    FFooterPanel = new TFooterPanel(this);
    FSearchFooter = std::make_unique<TSearchFooter>(designing && !(ComponentState() & csLoading));
    FSearchFooter->OnChange = [this](TObject*) { searchFooterChanged(); };
    FFloatingFooter.OnChange = [this](TObject*) { floatingFooterChanged(); };
    FColumnSize.OnStretch = [this] { StretchColumnToFit(FColumnSize.StretchColumn); };
    FBands.OnChange = [this](TObject*) { Invalidate(); };
    FCellNode.OnChange = [this](TObject*) { Invalidate(); };
    FMouseActions.OnChange = [this](TObject*) { MouseActionsChanged(); };
    FMouseActions.OnIsDesigning = [this](TObject*, bool& IsDesigning) { IsDesigning = QueryIsDesigning(); };
    FMouseActions.OnInvalidate = [this](TObject*) { MouseActionsInvalidate(); };
    FNavigation.OnChange = [this](TObject*) { NavigationChanged(); };
    FColumnHeaders.OnChange = [this](TObject*) {
        ColumnHeadersChanged();
        ShowColumnHeaders();
    };
    FRowHeaders.OnChange = [this](TObject*) { ShowRowHeaders(); };
    FFixedFont.SetName(QStringLiteral("Tahoma"));
    FFixedFont.SetStyle(fsBold);
    FFixedFont.OnChange = [this](TObject*) { Invalidate(); };
    if (designing)
        FActiveCellFont.SetName(QStringLiteral("Tahoma"));
    FActiveCellFont.SetStyle(fsBold);
    FActiveCellFont.OnChange = [this](TObject*) { Invalidate(); };
    FScrollHintWnd = new THTMLHintWindow(this);
    FProgressAppearance.OnChange = [this](TObject*) { Invalidate(); };
    FBalloonSettings.OnEnableChange = [this](TObject*) { balloonEnableChanged(); };
    FShowModified.OnChange = [this](TObject*) { RepaintCol(0); };
    FMergedColumns.OnChange = [this](TObject*, int, int) { mergedColumnsChanged(); };
    FFilterList.CaseSensitive = true;
    FFilterDropDown.OnChange = [this](TObject*) { Invalidate(); };

    FVisibleCol.fill(true);
    FTones.Background.BrushColor = clNone;
    FTones.Background.BorderColor = clNone;
    QEVGradientTo = ColorToRGB(clBtnFace);
    // The drop target is the I/O library's: turning it on makes the grid's I/O object, which registers it.
    FDragDropSettings.OnDropTargetChange = [this](bool Register) {
        if (Register)
            IO();
    };

    SetRowCount(10);
    SetBounds(Left(), Top(), 400, 250);
    SetAutoSize(false);
    SetDefaultRowHeight(22);
    FFixedRowHeight = DefaultRowHeight();
    applyPlatformFlags();
    FScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    FOldLeftCol = LeftCol();
    FOldTopRow = TopRow();
    hookOwnerForm();
    VoGridUnit().LinkCursor = crHandPoint;
}

// --- Controls made on first use -------------------------------------------------------------------

// Under the grid's other children, where one made with the grid lies.
void VOroDavoduRuzu::adoptLateControl(TControl& Control)
{
    Control.SetParent(this);
    Control.SendToBack();
}

template <typename T, typename SetUp>
T* VOroDavoduRuzu::madeOnFirstUse(T*& Control, SetUp setUp)
{
    if (!Control) {
        Control = new T(this);
        adoptLateControl(*Control);
        setUp(*Control);
    }
    return Control;
}

TGridCombo* VOroDavoduRuzu::Combobox()
{
    return madeOnFirstUse(EditCombo, [this](TGridCombo& combo) {
        combo.IsWinXP = FEditorsWinXP;
        combo.IsVista = FEditorsVista;
        if (FTonedBorderColor)
            toneEditor(combo);
    });
}

TGridTransEdit* VOroDavoduRuzu::FixedCellEdit()
{
    return madeOnFirstUse(EditTrans);
}

TGridTransCombo* VOroDavoduRuzu::FixedCellCombo()
{
    return madeOnFirstUse(ComboTrans);
}

TGridCheckBox* VOroDavoduRuzu::EditCheckBox()
{
    return madeOnFirstUse(EditCheck);
}

TGridEditBtn* VOroDavoduRuzu::BtnEdit()
{
    return madeOnFirstUse(EditBtn, [this](TGridEditBtn& edit) {
        edit.SetIsWinXP(FEditorsWinXP);
        if (FTonedBorderColor)
            toneEditor(edit);
    });
}

TGridUnitEditBtn* VOroDavoduRuzu::BtnUnitEdit()
{
    return madeOnFirstUse(UnitEditBtn, [this](TGridUnitEditBtn& edit) {
        edit.SetIsWinXP(FEditorsWinXP);
        edit.OnUnitChanged = [this](TObject*, const QString& NewUnit) {
            if (OnUnitChanged)
                OnUnitChanged(this, RealCol(), Row(), NewUnit);
        };
    });
}

TGridButton* VOroDavoduRuzu::Btn()
{
    return madeOnFirstUse(GridButton,
                          [this](TGridButton& button) { button.OnClick = [this](TObject*) { GridButtonClick(); }; });
}

THeaderDragButton* VOroDavoduRuzu::HeaderDragButton()
{
    if (!MoveButton) {
        MoveButton = new THeaderDragButton(this, this);
        adoptLateControl(*MoveButton);
    }
    return MoveButton;
}

bool VOroDavoduRuzu::HeaderDragButtonShown() const
{
    return MoveButton && MoveButton->Visible();
}

TControlEdit* VOroDavoduRuzu::CellControlEdit()
{
    return madeOnFirstUse(FEditControl);
}

TControlCombo* VOroDavoduRuzu::CellControlCombo()
{
    return madeOnFirstUse(FComboControl);
}

TScrollBar& VOroDavoduRuzu::cellScrollBar()
{
    if (!FScrollBar) {
        FScrollBar = new TScrollBar(this);
        FScrollBar->Hide();
        adoptLateControl(*FScrollBar);
        FScrollBar->TabStop = false;
        FScrollBar->SetKind(sbVertical);
        FScrollBar->Ctl3D = false;
    }
    return *FScrollBar;
}

TDropList* VOroDavoduRuzu::FilterDropList()
{
    return madeOnFirstUse(FDropList, [this](TDropList& list) {
        list.OnSelect = [this](TObject*, int ItemIndex) {
            // A choice gives the focus back to the grid, whichever grid handles it.
            if (CanFocus())
                SetFocus();
            FilterListSelect(ItemIndex);
        };
        list.OnCancel = [this](TObject*) { FFilterCol = -1; };
    });
}

TDropCheckList* VOroDavoduRuzu::FilterDropCheckList()
{
    return madeOnFirstUse(FDropCheckList, [this](TDropCheckList& list) {
        list.OnSelect = [this](TObject*, int) {
            std::vector<int> checked;
            for (int i = 0; i < FDropCheckList->Count(); ++i)
                if (FDropCheckList->Checked(i))
                    checked.push_back(i);
            FilterCheckListSelect(checked);
        };
        list.OnCancel = [this](TObject*) { FFilterCol = -1; };
    });
}

// The search bar is made when the search footer first shows in a grid with a window, or when asked for.
TSearchPanel* VOroDavoduRuzu::SearchPanel()
{
    if (!FSearchPanel) {
        FSearchPanel = new TSearchPanel(this);
        wireSearchPanel();
        if (FFooterPanel->Parent())  // the grid has its window
            placeSearchPanel();
    }
    return FSearchPanel;
}

// Along the bottom edge, shown with the search footer.
void VOroDavoduRuzu::placeSearchPanel()
{
    const bool visible = FSearchFooter->Visible();
    FSearchPanel->SetParent(this);
    FSearchPanel->SetVisible(visible);
    FSearchPanel->SetHeight(visible ? SearchPanelHeight : 0);
    FSearchPanel->LayoutControls();
}

void VOroDavoduRuzu::searchFooterChanged()
{
    if (!FSearchPanel) {
        if (FSearchFooter->Visible() && FFooterPanel->Parent())
            SearchPanel();
        return;
    }
    if (FSearchPanel->Parent())
        placeSearchPanel();
    FSearchPanel->LineColor = GridLineColor();
    FSearchPanel->ApplySettings(*FSearchFooter);
}

int VOroDavoduRuzu::searchPanelHeight() const
{
    return FSearchPanel ? FSearchPanel->Height() : 0;
}

void VOroDavoduRuzu::applyPlatformFlags()
{
    // The desktop this layer stands for: visual styles on, common controls 6, a newer system.
    FIsWinXP = true;
    FIsWin7 = true;
    FIsComCtl6 = ((ReadFileVersionMS(QStringLiteral("COMCTL32.DLL")) >> 16) & 0xFF) > 5;
    FIsWinVista = HasLocaleInfoEx();
    FBorderColor = FIsWinXP ? XPBorderColor : ClassicBorderColor;
}

void VOroDavoduRuzu::hookOwnerForm()
{
    auto* form = dynamic_cast<TForm*>(Owner());
    if (!form || (ComponentState() & csDesigning))
        return;
    FResizeForm = form;
    FOnResize = form->OnResize;
    ResizeAssigned = static_cast<bool>(FOnResize);
    form->OnResize = [this](TObject* Sender) { OwnerFormResize(Sender); };
    PrevSizeX = form->Width();
    PrevSizeY = form->Height();
}

void VOroDavoduRuzu::restoreOwnerForm()
{
    if (FResizeForm && !(FResizeForm->ComponentState() & csDestroying))
        FResizeForm->OnResize = FOnResize;
    FResizeForm = nullptr;
}

void VOroDavoduRuzu::OwnerFormResize(TObject* Sender)
{
    auto* form = FResizeForm;
    if (form && SizeWithForm) {
        const int w = Width() + form->Width() - PrevSizeX;
        const int h = Height() + form->Height() - PrevSizeY;
        if (w > 0 && h > 0)
            SetBounds(Left(), Top(), w, h);
    }
    if (form) {
        PrevSizeX = form->Width();
        PrevSizeY = form->Height();
    }
    if (FOnResize) {
        try {
            FOnResize(Sender);
        } catch (...) {  // the form's own handler may not stop the grid's resizing
        }
    }
    if (FColumnSize.Stretch())
        StretchColumnToFit(FColumnSize.StretchColumn);
}

VOroDavoduRuzu::~VOroDavoduRuzu()
{
    Destroying();
    if (VoGridUnit().ActiveGrid == this)
        VoGridUnit().ActiveGrid = nullptr;
    BalloonDone();
    FreeScrollControls();
    restoreOwnerForm();
    ClearTextOnly = false;
    SaveHiddenCells = false;
    UnHideColumnsAll();
    freeHiddenRowObjects();
    if (NumHiddenRows() == 0) {
        if (FMaxRowCount > RowCount())
            TBaseGrid::SetRowCount(FMaxRowCount);
        if (FMaxColCount > ColCount())
            TBaseGrid::SetColCount(FMaxColCount);
    }
    SetCursor(FOldCursor);
    // Here, while the grid still answers which graphics it owns.
    FreeAllCellProps();
}

void VOroDavoduRuzu::freeHiddenRowObjects()
{
    for (TGridItem& item : FGridItems) {
        TGridRowCells& items = item.Items();
        for (int c = 0; c < items.Count(); ++c) {
            FreeCellProps(items.Object(c));
            items.SetObject(c, nullptr);
        }
    }
    FGridItems.clear();
}

void VOroDavoduRuzu::FreeScrollControls()
{
    delete vscrlctrl;
    vscrlctrl = nullptr;
    delete hscrlctrl;
    hscrlctrl = nullptr;
}

// The two slim scroll controls of the ssMetro style: 6 pixels thick, along the right and the bottom edge.
void VOroDavoduRuzu::CreateScrollControls()
{
    if (vscrlctrl)
        return;
    vscrlctrl = new TScrollControl(this);
    vscrlctrl->Direction = 0;
    vscrlctrl->SetWidth(6);
    vscrlctrl->SetAlign(alRight);
    hscrlctrl = new TScrollControl(this);
    hscrlctrl->Direction = 1;
    hscrlctrl->SetHeight(6);
    hscrlctrl->SetAlign(alBottom);
    for (TScrollControl* control : {vscrlctrl, hscrlctrl}) {
        control->SetParent(this);
        control->Show();
    }
}

TCustomForm* VOroDavoduRuzu::FindParentForm(TControl* Control)
{
    for (TControl* c = Control; c; c = c->Parent())
        if (auto* form = dynamic_cast<TCustomForm*>(c))
            return form;
    return nullptr;
}

void VOroDavoduRuzu::CreateWnd()
{
    if (ComponentState() & csDestroying)
        return;
    TBaseGrid::CreateWnd();
    if (!Parent())
        return;
    const bool designing = ComponentState() & csDesigning;
    if (!designing) {
        if (FScrollType == ssMetro)
            CreateScrollControls();
        if (FBalloonSettings.Enable())
            BalloonInit();
    }
    FFooterPanel->SetParent(this);
    FFooterPanel->SetVisible(FFloatingFooter.Visible());
    if (FSearchPanel)
        placeSearchPanel();
    else if (FSearchFooter->Visible())
        SearchPanel();
    if (OnCreatedSearchFooter)
        OnCreatedSearchFooter(this);
    SetTimer(GridTimerId, GridTimerInterval);
    FGridTimerID = GridTimerId;
    if (designing && !FLoaded && !(ComponentState() & csLoading))
        Font().SetName(QStringLiteral("Tahoma"));
    FIsWinXP = FIsWinXP && IsThemeActive();
    setupWheel();
}

void VOroDavoduRuzu::setupWheel()
{
    wheelpan = false;
    UINT lines = 0;
    SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    wheelscrl = lines == WHEEL_PAGESCROLL ? VisibleRowCount() : static_cast<int>(lines);
    wheelmsg = WM_MOUSEWHEEL;
}

void VOroDavoduRuzu::Loaded()
{
    TBaseGrid::Loaded();
    FOldCursor = Cursor();
    ShowColumnHeaders();
    ShowRowHeaders();
    if (FLook == glQEV) {
        FLook = glCustom;
        SetLook(glQEV);
    }
    if (FAutoSize)
        StretchColumnToFit(-1);
    FFixedRowsMin = FixedRows();
    FFixedColsMin = FixedCols();
    MinRowHeight = DefaultRowHeight();
    MinColWidth = 10;
    FMaxRowCount = RowCount();
    FLoaded = true;
    if (Options() & goAlwaysShowEditor) {
        FNavigation.AlwaysEdit = true;
        SetOptions(Options() & ~goAlwaysShowEditor);
    }
    if (!FIsWinXP && FControlLook.ControlStyle() == csTheme && !(ComponentState() & csDesigning))
        FControlLook.SetControlStyle(csClassic);
    FSearchFooter->SetAutoThemeAdapt(AutoThemeAdapt);
    ApplyScrollBarAlways(false);
    InitOrigColSizes();
    SetColumnOrder();
    if (FBalloonSettings.Enable())
        BalloonInit();
}

void VOroDavoduRuzu::Assign(const TPersistent& Source)
{
    auto* src = const_cast<VOroDavoduRuzu*>(dynamic_cast<const VOroDavoduRuzu*>(&Source));
    if (!src)
        return;
    SetFont(src->Font());
    ActiveCellColor = src->ActiveCellColor;
    ActiveCellColorTo = src->ActiveCellColorTo;
    SetActiveCellFont(src->FActiveCellFont);
    ActiveCellShow = src->ActiveCellShow;
    SetActiveRowShow(src->ActiveRowShow());
    SetAlign(src->Align());
    FFilterDropDown.Assign(src->FFilterDropDown);
    AnchorHint = src->AnchorHint;
    AutoNumAlign = src->AutoNumAlign;
    FAutoSize = src->FAutoSize;
    AutoThemeAdapt = src->AutoThemeAdapt;
    AutoFilterUpdate = src->AutoFilterUpdate;
    FMouseActions.Assign(src->FMouseActions);
    FNavigation.Assign(src->FNavigation);
    FGrouping.Assign(src->FGrouping);
    FSearchFooter->Assign(*src->FSearchFooter);
    FPrintSettings.Assign(src->FPrintSettings);
    FHTMLSettings.Assign(src->FHTMLSettings);
    FBands.Assign(src->FBands);
    FCellNode.Assign(src->FCellNode);
    FSortSettings.Assign(src->FSortSettings);
    FDragScrollOptions.Assign(src->FDragScrollOptions);
    FDragDropSettings.Assign(src->FDragDropSettings);
    FProgressAppearance.Assign(src->FProgressAppearance);
    FColumnSize.Assign(src->FColumnSize);
    FSyncGrid.Assign(src->FSyncGrid);
    FFocusHelper.Assign(src->FFocusHelper);
    FixedRowAlways = src->FixedRowAlways;
    SetColCount(src->ColCount());
    SetRowCount(src->RowCount());
    SetFixedRows(src->FixedRows());
    SetFixedCols(src->FixedCols());
    SetDefaultColWidth(src->DefaultColWidth());
    SetDefaultRowHeight(src->DefaultRowHeight());
    SetFixedRowHeight(src->FFixedRowHeight);
    SetFixedColWidth(src->FFixedColWidth);
    InvalidEntryTitle = src->InvalidEntryTitle;
    InvalidEntryIcon = src->InvalidEntryIcon;
    InvalidEntryText = src->InvalidEntryText;
    SetOptions(src->Options());
    for (int c = 0; c < ColCount(); ++c)
        SetColWidths(c, src->ColWidths(c));
    SetColumnHeaders(src->FColumnHeaders);
    for (int r = 0; r < RowCount(); ++r)
        SetRowHeights(r, src->RowHeights(r));
    ScrollProportional = src->ScrollProportional;
    ScrollSynch = src->ScrollSynch;
    FScrollWidth = src->FScrollWidth;
    ScrollHints = src->ScrollHints;
    FScrollBarAlways = src->FScrollBarAlways;
    SetScrollBars(src->ScrollBars());
    SetScrollColor(src->FScrollColor);
    SetScrollType(src->FScrollType);
    SetScrollWidth(src->FScrollWidth);
    AssignCells(Source);
}

void VOroDavoduRuzu::AssignCells(const TPersistent& Source)
{
    auto* src = const_cast<VOroDavoduRuzu*>(dynamic_cast<const VOroDavoduRuzu*>(&Source));
    if (!src || src == this)
        return;
    TIOOperations* from = src->IO();
    TIOOperations* to = IO();
    if (from && to) {
        QBuffer stream;
        stream.open(QIODevice::ReadWrite);
        from->SaveToStream(stream);
        stream.seek(0);
        to->LoadFromStream(stream);
        Invalidate();
        return;
    }
    const int cols = std::min(TotalColCount(), src->TotalColCount());
    const int rows = std::min(RowCount(), src->RowCount());
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            SetGridCell(c, r, src->GetGridCell(c, r));
    Invalidate();
}

void VOroDavoduRuzu::Invalidate()
{
    if (FEditChange) {
        FEditChange = false;
        return;
    }
    TBaseGrid::Invalidate();
    if (!(ComponentState() & csLoading) && FFooterPanel && FFloatingFooter.Visible())
        FFooterPanel->Invalidate();
}

void VOroDavoduRuzu::Resize()
{
    synchColumnsWithWidth();
    // A stretch column past the columns is reported where it is set, not from every resize.
    if (FColumnSize.Stretch() && (FScrollBarAlways == saNone || FScrollBarAlways == saVert) &&
        FColumnSize.StretchColumn < ColCount())
        StretchColumnToFit(FColumnSize.StretchColumn);
    TBaseGrid::Resize();
    if (OnResize)
        OnResize(this);
    if ((FBackGround.Display() == bdGradientHorz || FBackGround.Display() == bdGradientVert) &&
        FBackGround.ColorTo() != clNone)
        Invalidate();
    ApplyScrollBarAlways(false);
    CellControlsUpdate(false);
    if (ComponentState() & csDesigning)
        Invalidate();
}

void VOroDavoduRuzu::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const int R = DefaultRowHeight();
    if (IntegralHeight && FUpdateCount == 0 && R > 0) {
        const int S = VisibleColCount() + FixedCols() < ColCount() ? GetSystemMetrics(SM_CYHSCROLL) : 0;
        const int B = BorderStyle() == bsSingle ? 2 : 0;
        const int H = AHeight - S - B;
        AHeight = S + 2 * B + (H - H % R);
    }
    TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (Parent())
        Invalidate();
}

void VOroDavoduRuzu::ApplyScrollBarAlways(bool HideWhenFitting)
{
    const bool rowsFit = VisibleRowCount() + FixedRows() >= RowCount();
    const bool colsFit = VisibleColCount() + FixedCols() >= ColCount();
    if (FScrollBarAlways == saNone) {
        if (HideWhenFitting) {
            if (rowsFit)
                ShowScrollBar(SB_VERT, false);
            if (colsFit)
                ShowScrollBar(SB_HORZ, false);
        }
        return;
    }
    const bool vert = FScrollBarAlways == saVert || FScrollBarAlways == saBoth;
    const bool horz = FScrollBarAlways == saHorz || FScrollBarAlways == saBoth;
    if (rowsFit)
        ShowScrollBar(SB_VERT, vert);
    if (colsFit)
        ShowScrollBar(SB_HORZ, horz);
    EnableScrollBar(SB_VERT, rowsFit ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
    EnableScrollBar(SB_HORZ, colsFit ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
}

void VOroDavoduRuzu::floatingFooterChanged()
{
    const bool visible = FFloatingFooter.Visible();
    const bool lastRow = visible && FFloatingFooter.FooterStyle() == fsFixedLastRow;
    HideLastRow = lastRow;
    FixedFooters = lastRow ? 1 : 0;
    FFooterPanel->SetHeight(visible ? std::max(FFloatingFooter.Height() - 1, 0) : 0);
    if (FFooterPanel->Parent())
        FFooterPanel->SetVisible(visible);
    FFooterPanel->Invalidate();
    Invalidate();
}

void VOroDavoduRuzu::balloonEnableChanged()
{
    if (ComponentState() & csLoading)
        return;
    if (FBalloonSettings.Enable())
        BalloonInit();
    else
        BalloonDone();
}
