// Nodes hiding and showing their spans, nesting, child rows and expandable cells.
#include "VoGridTestGrid.h"

namespace {
void numberRows(VOroDavoduRuzu& g, int rows)
{
    g.SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
        g.SetCells(1, r, QString::number(r));
}

QStringList shown(VOroDavoduRuzu& g)
{
    QStringList texts;
    for (int r = 0; r < g.RowCount(); ++r)
        texts << g.Cells(1, r);
    return texts;
}
}  // namespace

TEST(VoGridNodes, NodeCoversItsSpanAndHidesIt)
{
    RecordingGrid g;
    numberRows(g, 8);
    EXPECT_FALSE(g.HasNodes());
    EXPECT_EQ(g.GetParentRow(3), -1);
    g.AddNode(2, 3);
    EXPECT_TRUE(g.HasNodes());
    EXPECT_EQ(g.GetNodeSpan(2), 3);
    EXPECT_EQ(g.GetNodeLevel(2), 1);
    EXPECT_EQ(g.GetNodeLevel(3), -1);
    EXPECT_FALSE(g.GetNodeState(2));
    const std::pair<int, int> parents[] = {{3, 2}, {4, 2}, {5, -1}, {2, 2}, {1, -1}};
    for (auto [row, parent] : parents)
        EXPECT_EQ(g.GetParentRow(row), parent) << row;
    EXPECT_EQ(g.GetNodeSpanType(2), 0);
    EXPECT_EQ(g.GetNodeSpanType(3), 2);
    EXPECT_EQ(g.GetNodeSpanType(4), 1);

    g.ContractNode(2);
    EXPECT_TRUE(g.GetNodeState(2));
    EXPECT_EQ(g.RowCount(), 6);
    EXPECT_EQ(g.NumHiddenRows(), 2);
    g.ContractNode(2);  // already contracted
    EXPECT_EQ(g.RowCount(), 6);
    g.SetNodeState(2, false);
    EXPECT_EQ(shown(g), (QStringList{"0", "1", "2", "3", "4", "5", "6", "7"}));

    g.ContractNode(2);
    g.RemoveNode(2);  // expands first
    EXPECT_FALSE(g.IsNode(2));
    EXPECT_EQ(g.RowCount(), 8);
    EXPECT_EQ(g.NodeCount(), 0);
}

TEST(VoGridNodes, ContractedSubNodeComesBackExpandedWithItsParent)
{
    RecordingGrid g;
    numberRows(g, 10);
    g.AddNode(2, 5);  // rows 2..6
    g.AddNode(3, 2);  // rows 3..4, level 2
    EXPECT_EQ(g.GetNodeLevel(3), 2);
    EXPECT_EQ(g.GetParentRow(4), 3);
    EXPECT_EQ(g.GetParentRow(3), 2);
    g.ContractNode(3);
    EXPECT_EQ(g.RowCount(), 9);
    g.ContractNode(2);
    EXPECT_EQ(shown(g), (QStringList{"0", "1", "2", "7", "8", "9"}));
    g.ExpandNode(2);
    EXPECT_EQ(shown(g), (QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_FALSE(g.GetNodeState(3));

    g.ContractAll();
    EXPECT_EQ(shown(g), (QStringList{"0", "1", "2", "7", "8", "9"}));
    g.ExpandAll();
    EXPECT_EQ(g.RowCount(), 10);
    EXPECT_FALSE(g.GetNodeState(2));
}

TEST(VoGridNodes, ExpandOneContractsTheOthers)
{
    RecordingGrid g;
    numberRows(g, 10);
    g.AddNode(1, 3);
    g.AddNode(5, 3);
    g.CellNode().ExpandOne = true;
    g.ContractNode(1);
    g.ContractNode(5);
    g.ExpandNode(1);
    EXPECT_FALSE(g.GetNodeState(1));
    g.ExpandNode(g.RealRowIndex(5));
    EXPECT_TRUE(g.GetNodeState(1));
    EXPECT_FALSE(g.GetNodeState(3));
    EXPECT_EQ(g.Cells(1, 4), QStringLiteral("6"));
}

TEST(VoGridNodes, ChildRowsGrowAndShrinkTheParentSpan)
{
    RecordingGrid g;
    numberRows(g, 8);
    g.AddNode(2, 3);
    g.InsertChildRow(3, 1);  // after row 3
    EXPECT_EQ(g.GetNodeSpan(2), 4);
    EXPECT_EQ(g.GetSubNodeCount(2), 1);
    EXPECT_EQ(g.GetParentRow(4), 2);
    EXPECT_EQ(g.Cells(1, 4), QString());
    EXPECT_EQ(g.Cells(1, 5), QStringLiteral("4"));
    g.InsertChildRow(2, 0);  // the node's first child takes the node row's texts
    EXPECT_EQ(g.Cells(1, 3), QStringLiteral("2"));
    EXPECT_EQ(g.Cells(1, 2), QString());
    EXPECT_EQ(g.GetNodeSpan(2), 5);
    g.RemoveChildRow(4);
    EXPECT_EQ(g.GetNodeSpan(2), 4);
    EXPECT_EQ(g.RowCount(), 9);
    g.ContractNode(2);
    EXPECT_EQ(g.RowCount(), 6);
}

TEST(VoGridNodes, ExpandableCellsSwitchBetweenTwoHeights)
{
    RecordingGrid g;
    g.SetRowHeights(2, 30);
    EXPECT_EQ(g.GetExpandHeight(1, 2, true), g.DefaultRowHeight());
    EXPECT_FALSE(g.ToggleExpand(1, 2));
    g.AddExpand(1, 2, 80);
    EXPECT_TRUE(g.HasExpand(1, 2));
    EXPECT_TRUE(g.ToggleExpand(1, 2));
    EXPECT_TRUE(g.GetExpandState(1, 2));
    EXPECT_EQ(g.GetExpandHeight(1, 2, true), 80);
    EXPECT_EQ(g.GetExpandHeight(1, 2, false), 30);
    EXPECT_TRUE(g.RemoveExpand(1, 2));
    EXPECT_FALSE(g.HasExpand(1, 2));
}

TEST(VoGridNodes, ChangedNodeLooksNotifyOnceEach)
{
    TCellNode node;
    int changes = 0;
    node.OnChange = [&](TObject*) { ++changes; };
    node.SetNodeType(cnXP);
    node.SetShowTree(true);
    EXPECT_EQ(changes, 0) << "the same values notify nothing";
    node.SetNodeType(cnLeaf);
    node.SetNodeIndent(16);
    node.SetTreeColor(clRed);
    node.SetShowTree(false);
    node.SetShowTreeFull(false);
    EXPECT_EQ(changes, 5);
}

// A node row shows how many rows it holds beside its text, in the grouping's format when one is given.
TEST(VoGridNodes, GroupCountInTheNodeText)
{
    RecordingGrid g;
    numberRows(g, 8);
    g.AddNode(1, 5);
    EXPECT_EQ(g.Cells(1, 1), QStringLiteral("1"));
    g.Grouping().ShowGroupCount = true;
    EXPECT_EQ(g.Cells(1, 1), QStringLiteral("1 (4)"));
    EXPECT_EQ(g.Cells(1, 2), QStringLiteral("2"));  // not a node row
    g.Grouping().GroupCountFormat = QStringLiteral(" [%d items]");
    EXPECT_EQ(g.Cells(1, 1), QStringLiteral("1 [4 items]"));
    EXPECT_EQ(g.GetGridCell(1, 1), QStringLiteral("1"));  // the stored text stays
}
