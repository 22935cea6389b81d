// Query hooks and notification events: defaults, the grid's own rules, then the event, in order.
#include "VoGridTestGrid.h"
#include "grid/VoGrid/Editors/VoRichEdit.h"
#include "grid/VoGrid/VoGridControls.h"
#include "platform/Forms.h"
#include "support/TestSeams.h"

TEST(VoGridHooks, ActiveCellHeadersTakeTheActiveLook)
{
    RecordingGrid g;
    g.ActiveCellShow = true;
    g.SetCol(2);
    g.SetRow(3);
    struct Case {
        int col, row;
        bool active;
    } cases[] = {{0, 3, true}, {2, 0, true}, {0, 4, false}, {3, 0, false}, {2, 3, false}};
    for (const Case& c : cases) {
        TBrush brush;
        brush.SetColor(clWhite);
        TFont font;
        g.QueryCellColor(c.col, c.row, 0, brush, font);
        EXPECT_EQ(brush.Color() == g.ActiveCellColor, c.active) << c.col << "," << c.row;
        EXPECT_EQ(font.Style() == fsBold, c.active) << c.col << "," << c.row;
    }
}

TEST(VoGridHooks, CellColourFromPropertiesThenEvent)
{
    RecordingGrid g;
    g.SetColors(2, 2, clRed);
    g.SetFontColors(2, 2, clBlue);
    g.AddButton(3, 2, 10, 10, QStringLiteral("b"), haLeft, vaTop);
    g.SetColors(3, 2, clRed);
    std::vector<std::pair<int, int>> asked;
    g.OnGetCellColor = [&](TObject* sender, int ARow, int ACol, TGridDrawState, TBrush&, TFont& font) {
        EXPECT_EQ(sender, &g);
        asked.push_back({ARow, ACol});
        EXPECT_EQ(font.Color(), ACol == 2 ? clBlue : clWindowText);
    };
    for (int c : {2, 3}) {
        TBrush brush;
        brush.SetColor(clWhite);
        TFont font;
        g.QueryCellColor(c, 2, 0, brush, font);
        EXPECT_EQ(brush.Color(), c == 2 ? clRed : clWhite);  // a button's cell keeps the brush
    }
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2, 2}, {2, 3}}));
}

TEST(VoGridHooks, EditableAndFixedCells)
{
    RecordingGrid g;
    g.SetOptions(g.Options() | goEditing);
    std::vector<QString> log;
    g.OnCanEditCell = [&](TObject*, int ARow, int ACol, bool& can) {
        log.push_back(QStringLiteral("can %1 %2 %3").arg(ARow).arg(ACol).arg(can));
    };
    g.SetReadOnly(2, 3, true);
    EXPECT_FALSE(g.IsEditable(2, 3));
    EXPECT_TRUE(g.IsEditable(2, 4));
    EXPECT_FALSE(g.IsEditable(0, 4));  // fixed
    EXPECT_EQ(log.front(), QStringLiteral("can 3 2 0"));
    g.SetOptions(g.Options() & ~goEditing);
    bool can = true;
    g.SetFontSizes(3, 3, 10);  // a cell with properties but goEditing off
    g.QueryCellEditable(3, 3, can);
    EXPECT_FALSE(can);
    can = true;
    g.QueryCellEditable(3, 5, can);  // without properties: left to the event
    EXPECT_TRUE(can);

    g.FixedFooters = 1;
    g.FixedRightCols = 1;
    int fixedAsked = 0;
    g.OnIsFixedCell = [&](TObject*, int, int, bool& fixed) {
        ++fixedAsked;
        fixed = false;
    };
    EXPECT_TRUE(g.IsFixed(2, g.RowCount() - 1));
    EXPECT_TRUE(g.IsFixed(g.ColCount() - 1, 3));
    EXPECT_EQ(fixedAsked, 0);
    EXPECT_FALSE(g.IsFixed(2, 3));
    EXPECT_EQ(fixedAsked, 1);
}

TEST(VoGridHooks, EditorAndSpinAndComboQueries)
{
    RecordingGrid g;
    EXPECT_FALSE(g.QueryEditorIsNone(2, 2));
    g.DefaultEditor = edNone;
    EXPECT_FALSE(g.QueryEditorIsNone(2, 2));
    g.OnGetEditorType = [](TObject*, int ACol, int, TEditorType& e) {
        if (ACol == 3)
            e = edNone;
        else if (ACol == 2)
            e = edSpinEdit;
    };
    EXPECT_TRUE(g.QueryEditorIsNone(3, 2));
    EXPECT_FALSE(g.QueryEditorIsNone(2, 2));
    g.ControlLook().SetSpinButtonsAlwaysVisible(true);
    EXPECT_TRUE(g.QueryHasSpinEdit(2, 2));
    g.OnHasSpinEdit = [](TObject*, int, int, bool& has) { has = true; };
    EXPECT_FALSE(g.QueryHasSpinEdit(0, 2));
    EXPECT_FALSE(g.QueryHasSpinEdit(2, 0));
    g.DefaultEditor = edComboList;
    EXPECT_FALSE(g.QueryHasComboBox(4, 4));
    g.ControlLook().SetDropDownAlwaysVisible(true);
    EXPECT_TRUE(g.QueryHasComboBox(4, 4));
}

TEST(VoGridHooks, FilterListIsSortedWithoutDuplicatesAfterTheClearEntry)
{
    RecordingGrid g;
    g.SetRowCount(6);
    g.FilterDropDownAuto = true;
    const char* texts[] = {"a b", "c", "a b", " c ", "zz"};
    for (int r = 1; r <= 5; ++r)
        g.SetCells(2, r, QString::fromLatin1(texts[r - 1]));
    g.HideRow(5);
    EXPECT_TRUE(g.QueryColumnFilterItems(2));
    ASSERT_EQ(g.FilterList().Count(), 4);
    EXPECT_EQ(g.FilterList()[0], QStringLiteral("(All)"));
    EXPECT_EQ(g.FilterList()[1], QStringLiteral("a b=\"a b\""));
    EXPECT_EQ(g.FilterList()[2], QStringLiteral("c"));
    EXPECT_EQ(g.FilterList()[3], QStringLiteral("zz"));  // from the hidden row
    g.FilterIncremental = true;                          // hidden rows left out
    g.QueryColumnFilterItems(2);
    EXPECT_EQ(g.FilterList().Count(), 3);
    g.FilterDropDownAuto = false;
    EXPECT_FALSE(g.QueryColumnFilterItems(2));
}

TEST(VoGridHooks, EventsFireInOrderWithTheirParameterOrder)
{
    RecordingGrid g;
    std::vector<QString> log;
    g.OnGridHint = [&](TObject*, int ARow, int ACol, QString& h) {
        log.push_back(QStringLiteral("hint r%1 c%2").arg(ARow).arg(ACol));
        h = QStringLiteral("plain");
    };
    g.OnGridWideHint = [&](TObject*, int ARow, int ACol, QString& h) {
        log.push_back(QStringLiteral("wide r%1 c%2").arg(ARow).arg(ACol));
        h = QStringLiteral("w");
    };
    QString hint, wide;
    g.QueryCellHint(1, 2, hint, wide);
    EXPECT_EQ(hint, EncodeWideText(QStringLiteral("w")));

    g.OnGetEditorProp = [&](TObject*, int ACol, int ARow, TEditLink*) {
        log.push_back(QStringLiteral("prop c%1 r%2").arg(ACol).arg(ARow));
    };
    g.OnGetEditorPropInt = [&](TObject*, int ARow, int ACol) {
        log.push_back(QStringLiteral("propint r%1 c%2").arg(ARow).arg(ACol));
    };
    g.DoGetEditorProp(3, 4, nullptr);
    g.OnComboCloseUp = [&](TObject*, int ARow, int ACol) {
        log.push_back(QStringLiteral("closeup r%1 c%2").arg(ARow).arg(ACol));
    };
    g.DoComboCloseUp(5, 6);
    g.OnCheckBoxClick = [&](TObject*, int ACol, int ARow, bool state) {
        log.push_back(QStringLiteral("check c%1 r%2 %3").arg(ACol).arg(ARow).arg(state));
    };
    g.DoCheckBoxClick(1, 2, true);
    g.OnGetCheckTrue = [&](TObject*, int, int, QString& v) { v += u'!'; };
    QString yes;
    g.QueryCheckTrueText(1, 1, yes);
    EXPECT_EQ(yes, QStringLiteral("Y!"));
    EXPECT_TRUE(g.QueryCanShowFixedDropDown(1));
    EXPECT_EQ(log, (std::vector<QString>{"hint r2 c1", "wide r2 c1", "prop c3 r4", "propint r4 c3", "closeup r5 c6",
                                         "check c1 r2 1"}));
}

namespace {
class LoggingNotifier : public TGridChangeNotifier {
public:
    LoggingNotifier(std::vector<QString>& log, QString name) : TGridChangeNotifier(nullptr), log_(log), name_(name) {}
    void CellsChanged(const TGridRect& r) override { log_.push_back(name_ + QStringLiteral(" %1").arg(r.Left)); }

private:
    std::vector<QString>& log_;
    QString name_;
};

class Listener : public IVOroDavoduRuzuSelect {
public:
    void CellSelected(int, int) override {}
};
}  // namespace

TEST(VoGridHooks, CellsChangedReachesTheEventThenTheNotifiersInOrder)
{
    RecordingGrid g;
    std::vector<QString> log;
    LoggingNotifier a(log, "a"), b(log, "b"), never(log, "never");
    g.OnCellsChanged = [&](TObject*, const TGridRect& r) { log.push_back(QStringLiteral("event %1").arg(r.Left)); };
    g.RegisterNotifier(&a);
    g.RegisterNotifier(&b);
    g.RegisterNotifier(&a);
    EXPECT_EQ(g.NotifierCount(), 2);
    g.UnRegisterNotifier(&never);
    EXPECT_EQ(g.NotifierCount(), 2);
    g.CellsChangedNotify({7, 1, 7, 1});
    EXPECT_EQ(log, (std::vector<QString>{"event 7", "a 7", "b 7"}));

    Listener first, second;
    g.RegisterSelListener(&first);
    g.RegisterSelListener(&second);
    EXPECT_EQ(g.SelListener(), &second);
    g.UnRegisterSelListener(&first);  // any argument removes the one listener
    EXPECT_EQ(g.SelListener(), nullptr);
}

TEST(VoGridHooks, DialogCodeAsksForCharactersButInOneCase)
{
    RecordingGrid g;
    auto code = [&] {
        TMessage m{WM_GETDLGCODE, 0, 0, 0};
        g.WndProc(m);
        return static_cast<UINT>(m.Result);
    };
    g.SetOptions(g.Options() | goRowSelect | goEditing);
    EXPECT_EQ(code() & DLGC_WANTCHARS, 0u);
    g.Navigation().AutoGotoWhenSorted = true;
    EXPECT_NE(code() & DLGC_WANTCHARS, 0u);
    g.Navigation().AutoGotoWhenSorted = false;
    g.SetOptions((g.Options() & ~goEditing & ~goRowSelect) | goTabs);
    EXPECT_EQ(code(), static_cast<UINT>(DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS));
}

// Each hook hands its cell to its event in the event's declared parameter order.
TEST(VoGridHooks, RemainingHooksPassTheirCellInDeclaredOrder)
{
    RecordingGrid g;
    std::vector<QString> log;
    auto rc = [&](const char* name) {
        return [&log, name](TObject* sender, int ARow, int ACol, auto&&...) {
            EXPECT_NE(sender, nullptr);
            log.push_back(QStringLiteral("%1 r%2 c%3").arg(QLatin1String(name)).arg(ARow).arg(ACol));
        };
    };
    auto cr = [&](const char* name) {
        return [&log, name](TObject*, int ACol, int ARow, auto&&...) {
            log.push_back(QStringLiteral("%1 r%2 c%3").arg(QLatin1String(name)).arg(ARow).arg(ACol));
        };
    };
    g.OnGetCellPrintColor = rc("printcolor");
    g.OnGetCellBorder = rc("border");
    g.OnGetCellPrintBorder = rc("printborder");
    g.OnIsPasswordCell = rc("password");
    g.OnGetAlignment = rc("align");
    g.OnGetWordWrap = cr("wrap");
    g.OnGetCheckFalse = [&](TObject*, int ACol, int ARow, QString& v) {
        log.push_back(QStringLiteral("false r%1 c%2 %3").arg(ARow).arg(ACol).arg(v));
    };
    g.OnHasComboBox = [&](TObject*, int ACol, int ARow, bool& has) {
        log.push_back(QStringLiteral("combo r%1 c%2").arg(ARow).arg(ACol));
        has = true;
    };
    g.OnButtonClick = cr("button");
    g.OnComboDropDown = rc("dropdown");
    g.OnPrintGetPageNum = [&](TObject*, int page, int pageCol, QString& s) {
        log.push_back(QStringLiteral("page %1 %2 %3").arg(page).arg(pageCol).arg(s));
        s = QStringLiteral("p");
    };
    g.OnClickSort = [&](TObject*, int ACol) { log.push_back(QStringLiteral("sort c%1").arg(ACol)); };
    g.OnCanShowFixedDropDown = [&](TObject*, int ACol, bool& canShow) {
        log.push_back(QStringLiteral("fixeddrop c%1 %2").arg(ACol).arg(canShow));
        canShow = false;
    };
    int blocks = 0;
    g.FOnStartBlockFocus = [&](TObject*) { ++blocks; };
    g.FOnEndBlockFocus = [&](TObject*) { blocks += 10; };

    TBrush brush;
    TFont font;
    TPen pen;
    TCellBorders borders;
    g.QueryCellPrintColor(1, 2, 0, brush, font);
    g.QueryCellBorder(1, 2, borders, pen);
    g.QueryCellPrintBorder(1, 2, borders, pen);
    EXPECT_FALSE(g.IsPasswordCell(1, 2));
    TAlignment h = taLeftJustify;
    TVAlignment v = vtaTop;
    g.QueryCellAlignment(1, 2, h, v);
    bool wrap = false;
    g.QueryCellWordWrap(1, 2, wrap);
    QString no;
    g.QueryCheckFalseText(1, 2, no);
    EXPECT_TRUE(g.QueryHasComboBox(1, 2));
    g.DoButtonClick(1, 2);
    g.DoComboDropDown(2, 1);
    QString page = QStringLiteral("1/3");
    g.DoPrintGetPageNum(1, 3, page);
    EXPECT_EQ(page, QStringLiteral("p"));
    g.DoClickSort(4);
    EXPECT_FALSE(g.QueryCanShowFixedDropDown(4));
    g.DoStartBlockFocus();
    g.DoEndBlockFocus();
    EXPECT_EQ(blocks, 11);
    EXPECT_EQ(log, (std::vector<QString>{"printcolor r2 c1", "border r2 c1", "printborder r2 c1", "password r2 c1",
                                         "align r2 c1", "wrap r2 c1", "false r2 c1 N", "combo r2 c1", "button r2 c1",
                                         "dropdown r2 c1", "page 1 3 1/3", "sort c4", "fixeddrop c4 1"}));
}

TEST(VoGridHooks, ExpandClickFiresThenSetsTheRowHeightOfTheNewState)
{
    RecordingGrid g;
    g.AddExpand(1, 2, 80);
    std::vector<int> heightsSeen;
    g.OnExpandClick = [&](TObject*, int ACol, int ARow, bool expanded) {
        EXPECT_EQ(ACol, 1);
        EXPECT_EQ(ARow, 2);
        EXPECT_TRUE(expanded);
        heightsSeen.push_back(g.RowHeights(2));
    };
    const int collapsed = g.RowHeights(2);
    g.DoExpandClick(1, 2, g.ToggleExpand(1, 2));
    EXPECT_EQ(heightsSeen, std::vector<int>{collapsed});
    EXPECT_EQ(g.RowHeights(2), 80);
    g.OnExpandClick = nullptr;
    g.DoExpandClick(1, 2, g.ToggleExpand(1, 2));
    EXPECT_EQ(g.RowHeights(2), g.GetExpandHeight(1, 2, false));
}

namespace {
struct ShownGrid {
    ShownGrid() : form(nullptr)
    {
        form.SetBounds(0, 0, 500, 300);
        grid = new RecordingGrid(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 400, 250);
        form.Show();
    }
    TPoint centre(int c, int r) const
    {
        const TRect R = grid->CellRect(c, r);
        return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
    }
    TForm form;
    RecordingGrid* grid;
};
}  // namespace

// Moving over cells asks OnGetCellCursor per cell, each time from the grid's own cursor.
TEST(VoGridHooks, CellCursorIsAskedOnEveryMoveFromTheGridsCursor)
{
    ShownGrid f;
    std::vector<QString> log;
    f.grid->OnGetCellCursor = [&](TObject*, int ACol, int ARow, int, int, TCursor& cursor) {
        log.push_back(QStringLiteral("c%1 r%2 start %3").arg(ACol).arg(ARow).arg(cursor));
        if (ACol == 2)
            cursor = crCross;
    };
    SendMouse(*f.grid, TMouseAction::Move, TMouseButton::mbLeft, f.centre(2, 1));
    EXPECT_EQ(f.grid->Cursor(), crCross);
    SendMouse(*f.grid, TMouseAction::Move, TMouseButton::mbLeft, f.centre(3, 1));
    EXPECT_EQ(f.grid->Cursor(), crDefault);
    EXPECT_EQ(log, (std::vector<QString>{QStringLiteral("c2 r1 start %1").arg(crDefault),
                                         QStringLiteral("c3 r1 start %1").arg(crDefault)}));
}

// The combo editor's list opening and closing reach OnComboDropDown and OnComboCloseUp with the cell.
TEST(VoGridHooks, ComboEditorListReportsOpeningAndClosing)
{
    ShownGrid f;
    f.grid->SetOptions(f.grid->Options() | goEditing);
    f.grid->OnGetEditorType = [](TObject*, int, int, TEditorType& e) { e = edComboList; };
    f.grid->AddComboString(QStringLiteral("a"));
    f.grid->AddComboString(QStringLiteral("b"));
    f.grid->FocusCell(2, 3);
    f.grid->ShowInplaceEdit();
    std::vector<QString> log;
    f.grid->OnComboDropDown = [&](TObject*, int ARow, int ACol) {
        log.push_back(QStringLiteral("down r%1 c%2").arg(ARow).arg(ACol));
    };
    f.grid->OnComboCloseUp = [&](TObject*, int ARow, int ACol) {
        log.push_back(QStringLiteral("up r%1 c%2").arg(ARow).arg(ACol));
    };
    f.grid->Combobox()->SetDroppedDown(true);
    f.grid->Combobox()->SetDroppedDown(false);
    EXPECT_EQ(log, (std::vector<QString>{"down r3 c2", "up r3 c2"}));
}

TEST(VoGridHooks, RichEditorSelectionChangesReachTheGrid)
{
    RecordingGrid g;
    int changes = 0;
    g.OnRichEditSelectionChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &g);
        ++changes;
    };
    TVoRichEdit& rich = *g.InplaceRichEdit();
    rich.SetText(QStringLiteral("hello"));
    const int afterText = changes;
    rich.SetSelStart(1);
    rich.SetSelLength(2);
    EXPECT_GE(changes, afterText + 2);
    const int before = changes;
    rich.SetSelLength(2);
    EXPECT_EQ(changes, before) << "no move, no notification";
}

class VoGridTestAccess {
public:
    static TRect focusFrame(VOroDavoduRuzu& g) { return g.FFocusWindow->BoundsRect(); }
};

// The focus frame of the active grid follows its cell when a window moves; a freed grid is no longer active.
TEST(VoGridUnit, FocusFrameFollowsTheCellWhenTheFormMoves)
{
    VoGridInitialize();
    auto f = std::make_unique<ShownGrid>();
    f->grid->FocusCell(2, 2);
    f->grid->ShowFocusWindow(f->grid->CellRect(2, 2));
    ASSERT_EQ(VOroDavoduRuzu::ActiveFocusGrid(), f->grid);
    const TRect before = VoGridTestAccess::focusFrame(*f->grid);
    const TPoint gridBefore = f->grid->ClientToScreen({0, 0});
    const TRect form = f->form.BoundsRect();
    f->form.SetBounds(form.Left + 30, form.Top + 20, form.Width(), form.Height());
    const TPoint moved = f->grid->ClientToScreen({0, 0});
    ASSERT_NE(moved.X, gridBefore.X);
    const TRect after = VoGridTestAccess::focusFrame(*f->grid);
    EXPECT_EQ(after.Left - before.Left, moved.X - gridBefore.X);
    EXPECT_EQ(after.Top - before.Top, moved.Y - gridBefore.Y);
    EXPECT_EQ(after.Width(), before.Width());

    f->grid->HideFocusWindow();
    EXPECT_EQ(VOroDavoduRuzu::ActiveFocusGrid(), nullptr);
    f->form.SetBounds(form.Left, form.Top, form.Width(), form.Height());
    EXPECT_EQ(VoGridTestAccess::focusFrame(*f->grid), after) << "a hidden frame stays where it was";

    f->grid->ShowFocusWindow(f->grid->CellRect(2, 2));
    f.reset();
    EXPECT_EQ(VOroDavoduRuzu::ActiveFocusGrid(), nullptr);
}
