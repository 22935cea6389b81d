// System metrics, the scroll bar control, collections and the hint window.
#include "platform/Classes.h"
#include "platform/HintWindow.h"
#include "platform/QtAccess.h"
#include "platform/ScrollBar.h"
#include "platform/SystemMetrics.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QScrollBar>
#include <QWidget>

TEST(SystemMetrics, ScrollBarSizesAndWheelLines)
{
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
    EXPECT_EQ(GetSystemMetrics(SM_CYHSCROLL), 17);
    EXPECT_EQ(GetSystemMetrics(9999), 0);
    UINT lines = 0;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
    EXPECT_EQ(lines, static_cast<UINT>(QApplication::wheelScrollLines()));
    EXPECT_FALSE(SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, nullptr, 0));
    EXPECT_FALSE(SystemParametersInfo(0x1234, 0, &lines, 0));
}

TEST(ScrollBar, ParamsKeepThePositionInRangeAndUserScrollsGoThroughOnScroll)
{
    TScrollBar bar(nullptr);
    int changes = 0;
    bar.OnChange = [&](TObject*) { ++changes; };
    bar.SetParams(150, 10, 110);
    EXPECT_EQ(bar.Position(), 110);
    EXPECT_EQ(changes, 1);
    bar.SetPageSize(11);  // the last position is 110 - 11 + 1
    EXPECT_EQ(bar.Position(), 100);
    bar.SetParams(-5, 10, 110);
    EXPECT_EQ(bar.Position(), 10);
    changes = 0;
    bar.SetPosition(10);
    EXPECT_EQ(changes, 0);

    bar.SetKind(sbVertical);
    EXPECT_EQ(bar.Width(), 17);
    std::vector<TScrollCode> codes;
    bar.SmallChange = 3;
    bar.OnScroll = [&](TObject*, TScrollCode code, int& pos) {
        codes.push_back(code);
        if (code == scPageDown)
            pos = 42;  // the handler decides
    };
    auto* q = static_cast<QScrollBar*>(QtAccess::Widget(bar));
    q->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar.Position(), 13);
    q->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(bar.Position(), 42);
    EXPECT_EQ(q->value(), 42);
    EXPECT_EQ(codes, (std::vector<TScrollCode>{scLineDown, scPageDown}));
}

namespace {
int liveItems = 0;
class CountedItem : public TCollectionItem {
public:
    explicit CountedItem(TCollection* c) : TCollectionItem(c) { ++liveItems; }
    ~CountedItem() override { --liveItems; }
    int value = 0;
};
}  // namespace

TEST(Collection, ItemsAreCreatedInPlaceKeepTheirIdAndAreFreedByTheCollection)
{
    {
        TCollection c(TCollection::ItemsOf<CountedItem>());
        auto* a = static_cast<CountedItem*>(c.Add());
        auto* b = static_cast<CountedItem*>(c.Add());
        auto* first = static_cast<CountedItem*>(c.Insert(0));
        EXPECT_EQ(liveItems, 3);
        EXPECT_EQ(first->Index(), 0);
        EXPECT_EQ(a->Index(), 1);
        EXPECT_EQ(c.FindItemID(b->ID()), b);
        EXPECT_EQ(a->Collection(), &c);
        const int deletedId = a->ID();
        c.Delete(1);
        c.Delete(7);  // outside: nothing
        EXPECT_EQ(liveItems, 2);
        EXPECT_EQ(b->Index(), 1);
        EXPECT_EQ(c.FindItemID(deletedId), nullptr);
    }
    EXPECT_EQ(liveItems, 0);
}

TEST(Collection, RangesDeleteAndSortedTailsMergeInOnePass)
{
    {
        TCollection c(TCollection::ItemsOf<CountedItem>());
        for (int v : {1, 4, 6, 9, 2, 5, 10})  // the last three: a sorted tail
            static_cast<CountedItem*>(c.Add())->value = v;
        c.MergeTail(4, [](const TCollectionItem& a, const TCollectionItem& b) {
            return static_cast<const CountedItem&>(a).value < static_cast<const CountedItem&>(b).value;
        });
        auto values = [&c] {
            std::vector<int> v;
            for (int i = 0; i < c.Count(); ++i)
                v.push_back(static_cast<CountedItem*>(c.Items(i))->value);
            return v;
        };
        EXPECT_EQ(values(), (std::vector<int>{1, 2, 4, 5, 6, 9, 10}));
        c.DeleteIf([](const TCollectionItem& i) { return static_cast<const CountedItem&>(i).value % 2 == 0; });
        EXPECT_EQ(values(), (std::vector<int>{1, 5, 9}));
        c.DeleteRange(1, 5);  // cut to the items that exist
        EXPECT_EQ(values(), (std::vector<int>{1}));
        EXPECT_EQ(liveItems, 1);
    }
    EXPECT_EQ(liveItems, 0);
}

TEST(HintWindow, CalcHintRectWrapsToTheWidthAndActivateShowsAtTheScreenRectangle)
{
    THintWindow hint(nullptr);
    EXPECT_EQ(hint.Color(), clInfoBk);
    const TRect one = hint.CalcHintRect(1000, QStringLiteral("Short hint"), nullptr);
    EXPECT_EQ(one.Left, 0);
    EXPECT_EQ(one.Top, 0);
    const int line = hint.Canvas().TextHeight(QStringLiteral("Ag"));
    EXPECT_EQ(one.Height(), line + 4);
    const TRect wrapped = hint.CalcHintRect(60, QStringLiteral("a much longer hint that has to wrap"), nullptr);
    EXPECT_GT(wrapped.Height(), one.Height());
    EXPECT_LE(wrapped.Width(), 60 + 6);

    EXPECT_FALSE(hint.Active());
    hint.ActivateHint(Rect(100, 120, 100 + one.Width(), 120 + one.Height()), QStringLiteral("Short hint"));
    EXPECT_TRUE(hint.Active());
    EXPECT_EQ(hint.Caption(), QStringLiteral("Short hint"));
    EXPECT_EQ(QtAccess::Widget(hint)->geometry().topLeft(), QPoint(100, 120));
    EXPECT_TRUE(QtAccess::Widget(hint)->isWindow());
    hint.ReleaseHandle();
    EXPECT_FALSE(hint.Active());
}
