// Stretching a column to the client width, proportional sizing after the user sized one, sizing borders.
#include "VoGridTestGrid.h"
#include "grid/base/REdaReviZizod.h"
#include "platform/Forms.h"

namespace {
// A grid on a form, 300 pixels of client width, no scroll bars.
struct StretchFixture {
    TForm form{nullptr};
    RecordingGrid* g = new RecordingGrid(&form);
    explicit StretchFixture(int cols)
    {
        g->SetParent(&form);
        g->SetBounds(0, 0, 300, 200);
        g->SetBounds(0, 0, 600 - g->ClientWidth(), 200);
        g->SetColCount(cols);
    }
};
}  // namespace

TEST(VoGridStretch, StretchColumnFillsTheClientWidth)
{
    StretchFixture f(3);
    ASSERT_EQ(f.g->ClientWidth(), 300);
    f.g->ColumnSize().SetStretch(true);
    EXPECT_EQ(f.g->ColWidths(2), 300 - 128 - 1);
    try {
        f.g->StretchColumnToFit(3);
        ADD_FAILURE() << "no error";
    } catch (const REdaReviZizod& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Stretch column index out of range"));
    }
    // Wider than the client area: the stretch column falls back to the default width.
    f.g->ColumnSize().SetStretch(false);
    f.g->SetColWidths(0, 200);
    f.g->SetColWidths(1, 200);
    f.g->ColumnSize().SetStretch(true);
    EXPECT_EQ(f.g->ColWidths(2), f.g->DefaultColWidth());

    StretchFixture one(1);
    one.g->ColumnSize().SetStretch(true);
    EXPECT_EQ(one.g->ColWidths(0), 300);
}

TEST(VoGridStretch, SizingOneColumnSizesTheOthersInProportion)
{
    StretchFixture f(4);
    for (int c = 0; c < 4; ++c)
        f.g->SetColWidths(c, 50);
    f.g->MouseActions().AllColumnSize = true;
    std::vector<int> ended;
    f.g->OnEndColumnSize = [&](TObject*, int c) { ended.push_back(c); };
    f.g->ColSized = true;
    f.g->Colclicked = 2;
    f.g->Colclickedsize = 50;
    f.g->SetColWidths(2, 100);
    EXPECT_EQ(f.g->ColWidths(0), 50);  // fixed
    EXPECT_EQ(f.g->ColWidths(1), 100);
    EXPECT_EQ(f.g->ColWidths(3), 100);
    EXPECT_EQ(ended, std::vector<int>{2});
    EXPECT_EQ(f.g->Colclicked, -1);

    // The application corrects the width once; no second end event.
    f.g->MouseActions().AllColumnSize = false;
    f.g->OnUpdateColumnSize = [](TObject*, int, int& w) { w = 80; };
    f.g->ColSized = true;
    f.g->Colclicked = 1;
    f.g->SetColWidths(1, 120);
    EXPECT_EQ(f.g->ColWidths(1), 80);
    EXPECT_EQ(ended, (std::vector<int>{2, 1}));
}

TEST(VoGridStretch, SizingBordersOfHeaderCells)
{
    StretchFixture f(3);
    const TRect cell = f.g->CellRect(1, 0);
    f.g->SetOptions(f.g->Options() | goColSizing);
    EXPECT_TRUE(f.g->IsOnSizingBorder(cell.Right - 3, cell.Top + 5));
    EXPECT_FALSE(f.g->IsOnSizingBorder(cell.Left + 20, cell.Top + 5));
    f.g->SetOptions(f.g->Options() & ~goColSizing);
    EXPECT_FALSE(f.g->IsOnSizingBorder(cell.Right - 3, cell.Top + 5));
}

TEST(VoGridStretch, ResizingStretchesOrScalesTheColumns)
{
    StretchFixture f(3);
    f.g->ColumnSize().SetStretch(true);
    f.g->SetBounds(0, 0, f.g->Width() + 50, 200);
    EXPECT_EQ(f.g->ColWidths(2), 350 - 128 - 1);
    f.g->ColumnSize().StretchColumn = 7;  // past the columns: resizing leaves the widths alone
    EXPECT_NO_THROW(f.g->SetBounds(0, 0, f.g->Width() + 10, 200));
    EXPECT_EQ(f.g->ColWidths(2), 350 - 128 - 1);

    StretchFixture s(4);
    const int widths[] = {20, 50, 100, 33};
    for (int c = 0; c < 4; ++c)
        s.g->SetColWidths(c, widths[c]);
    s.g->ColumnSize().SynchWithGrid = true;
    s.g->SetBounds(0, 0, 200, 200);  // nothing recorded yet: nothing scales
    EXPECT_EQ(s.g->ColWidths(3), 33);
    s.g->InitOrigColSizes();
    s.g->SetBounds(0, 0, 220, 200);
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(s.g->ColWidths(c), widths[c] * 11 / 10) << c;  // truncated
    s.g->ColumnSize().SynchNormalCellsOnly = true;
    s.g->SetBounds(0, 0, 100, 200);
    EXPECT_EQ(s.g->ColWidths(0), 22);  // the fixed column keeps its width
    EXPECT_EQ(s.g->ColWidths(1), 25);
}
