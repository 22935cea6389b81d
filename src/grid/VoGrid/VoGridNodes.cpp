// Nodes: a ctNode graphic in column 0 makes its row the head of a span of rows that it hides (contract) and
// shows again (expand) through the store of hidden rows. Column 0's cell properties carry each row's node
// level. Expandable cells switch their row between two heights.
#include "grid/VoGrid/VoGrid.h"

TCellGraphic* VOroDavoduRuzu::nodeAt(int ARow)
{
    return ARow >= 0 && ARow < RowCount() ? graphicOfType(0, ARow, ctNode) : nullptr;
}

int VOroDavoduRuzu::rowLevel(int ARow) const
{
    return propOr(0, ARow, &TCellProperties::NodeLevel, 0);
}

// The row after the node's span on the display: the next node row when the span is 0.
int VOroDavoduRuzu::nodeSpanEnd(int ARow)
{
    const int span = GetNodeSpan(ARow);
    if (span > 0)
        return std::min(ARow + span, RowCount());
    int e = ARow + 1;
    while (e < RowCount() && !IsNode(e))
        ++e;
    return e;
}

void VOroDavoduRuzu::changeLevels(int ARow, int Count, int Delta)
{
    for (int r = std::max(ARow, 0); r < std::min(ARow + Count, RowCount()); ++r) {
        TCellProperties& p = propsFor(0, r);
        p.NodeLevel = std::max(p.NodeLevel + Delta, 0);
    }
}

void VOroDavoduRuzu::AddNode(int ARow, int Span)
{
    const int d = DisplRowIndex(ARow);
    if (d < 0 || d >= RowCount())
        return;
    TCellGraphic* g = NewCellGraphic(0, d);
    g->CellType = ctNode;
    g->CellHAlign = haBeforeText;
    g->CellVAlign = vaCenter;
    g->CellBoolean = false;
    g->CellIndex = Span;
    g->CellAngle = d;
    g->CellErrFrom = 0;
    g->CellVar = -1;
    changeLevels(d, std::max(Span, 1), 1);
    if (++FNumNodes == 1)
        InvalidateCol(0);
    if (Col() == 0)
        SetCol(1);
}

void VOroDavoduRuzu::AddSummaryRow(int ARow)
{
    const int d = DisplRowIndex(ARow);
    if (d >= 0 && d < RowCount())
        NewCellGraphic(0, d)->CellType = ctSummary;
}

void VOroDavoduRuzu::dropNode(int ARow)
{
    changeLevels(ARow, std::max(GetNodeSpan(ARow), 1), -1);
    RemoveCellGraphic(0, ARow);
    FNumNodes = std::max(FNumNodes - 1, 0);
}

void VOroDavoduRuzu::RemoveNode(int ARow)
{
    if (!nodeAt(DisplRowIndex(ARow)))
        return;
    ExpandNode(ARow);
    dropNode(DisplRowIndex(ARow));
}

void VOroDavoduRuzu::RemoveAllNodes()
{
    for (int r = 0; r < RowCount(); ++r)
        if (IsNode(r)) {
            ExpandNode(RealRowIndex(r));
            dropNode(r);
        }
    Invalidate();
}

bool VOroDavoduRuzu::IsNode(int ARow)
{
    return ARow >= 0 && ARow < RowCount() && GetCellType(0, ARow) == ctNode;
}

bool VOroDavoduRuzu::IsSummary(int ARow)
{
    return ARow >= 0 && ARow < RowCount() && GetCellType(0, ARow) == ctSummary;
}

bool VOroDavoduRuzu::GetNodeState(int ARow)
{
    const TCellGraphic* g = nodeAt(ARow);
    return g && g->CellBoolean;
}

void VOroDavoduRuzu::SetNodeState(int ARow, bool Value)
{
    if (!nodeAt(ARow) || GetNodeState(ARow) == Value)
        return;
    if (Value)
        ContractNode(RealRowIndex(ARow));
    else
        ExpandNode(RealRowIndex(ARow));
}

int VOroDavoduRuzu::GetNodeLevel(int ARow)
{
    return nodeAt(ARow) ? rowLevel(ARow) : -1;
}

int VOroDavoduRuzu::GetNodeSpan(int ARow)
{
    const TCellGraphic* g = nodeAt(ARow);
    return g ? g->CellIndex : -1;
}

void VOroDavoduRuzu::SetNodeSpan(int ARow, int Span)
{
    if (TCellGraphic* g = nodeAt(ARow))
        g->CellIndex = Span;
}

void VOroDavoduRuzu::UpdateNodeSpan(int ARow, int Delta)
{
    if (TCellGraphic* g = nodeAt(ARow))
        g->CellIndex += Delta;
}

int VOroDavoduRuzu::GetSubNodeCount(int ARow)
{
    const TCellGraphic* g = nodeAt(ARow);
    return g ? g->CellErrFrom : 0;
}

void VOroDavoduRuzu::UpdateSubNodeCount(int ARow, int Delta)
{
    if (TCellGraphic* g = nodeAt(ARow))
        g->CellErrFrom += Delta;
}

void VOroDavoduRuzu::ExpandNode(int ARow)
{
    expandNodeRows(ARow);
    CalcFooter(-1);
}

void VOroDavoduRuzu::expandNodeRows(int ARow)
{
    if (FCellNode.ExpandOne)
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (nodeAt(r) && !GetNodeState(r) && RealRowIndex(r) != ARow)
                contractNodeRows(RealRowIndex(r));
    const int d = DisplRowIndex(ARow);
    TCellGraphic* g = nodeAt(d);
    if (!g || !g->CellBoolean)
        return;
    g->CellBoolean = false;
    int e = d + 1;
    if (g->CellIndex == 0)
        while (e < RowCount() && !IsNode(e))
            ++e;
    UnHideRows(RealRowIndex(d) + 1, RealRowIndex(e) - 1);
}

void VOroDavoduRuzu::ContractNode(int ARow)
{
    contractNodeRows(ARow);
    CalcFooter(-1);
}

void VOroDavoduRuzu::contractNodeRows(int ARow)
{
    HideEditor();
    const int d = DisplRowIndex(ARow);
    TCellGraphic* g = nodeAt(d);
    if (!g || g->CellBoolean)
        return;
    int e = nodeSpanEnd(d);
    g->CellBoolean = true;
    int s = d + 1;
    int r = s;
    while (r < e) {
        TCellGraphic* sub = nodeAt(r);
        if (!sub || !sub->CellBoolean) {
            ++r;
            continue;
        }
        // A contracted sub-node is hidden with its rows; they all come back with this node.
        sub->CellBoolean = false;
        const int subSpan = sub->CellIndex;
        HideRows(RealRowIndex(s), RealRowIndex(r));
        e -= subSpan + r - s;
        r = s;
    }
    if (r > s)
        HideRows(RealRowIndex(s), RealRowIndex(r - 1));
}

void VOroDavoduRuzu::ExpandAll()
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (TCellGraphic* g = nodeAt(r)) {
            expandNodeRows(RealRowIndex(r));
            g->CellBoolean = false;
        }
    CalcFooter(-1);
}

void VOroDavoduRuzu::ContractAll()
{
    ExpandAll();
    TIntList rows;
    for (int r = FixedRows(); r < RowCount();) {
        TCellGraphic* g = nodeAt(r);
        if (!g) {
            ++r;
            continue;
        }
        const int e = nodeSpanEnd(r);
        for (int c = r + 1; c < e; ++c)
            rows.Add(c);
        g->CellBoolean = true;
        r = std::max(e, r + 1);
    }
    if (rows.Count() > 0)
        HideRowList(rows);
    CalcFooter(-1);
}

int VOroDavoduRuzu::GetParentRow(int ARow)
{
    if (FNumNodes == 0)
        return -1;
    const bool node = IsNode(ARow);
    const int bar = node ? rowLevel(ARow) : 0xFFFF;
    int sum = 0;
    for (int r = std::min(ARow, RowCount() - 1); r >= FixedRows(); --r) {
        if (!IsNode(r) || rowLevel(r) >= bar)
            continue;
        const int span = GetNodeSpan(r);
        if (GetNodeState(r))
            sum += span - 1;
        if (ARow < r + span - sum)
            return r;
    }
    return node ? ARow : -1;
}

int VOroDavoduRuzu::GetNodeSpanType(int ARow)
{
    if (IsNode(ARow))
        return 0;
    if (ARow >= RowCount() - FixedFooters - 1 || !HasCellProperties(0, ARow + 1) || rowLevel(ARow + 1) < rowLevel(ARow))
        return 1;
    return 2;
}

void VOroDavoduRuzu::InsertNormalRow(int ARow)
{
    InsertRows(DisplRowIndex(ARow), 1);
}

void VOroDavoduRuzu::RemoveNormalRow(int ARow)
{
    RemoveRows(ARow, 1);
}

// Grows (or shrinks) the span and sub-node count of the parent of the display row and of every ancestor
// above it with a lower level, expanding each of them.
void VOroDavoduRuzu::resizeAncestors(int ARow, int Delta)
{
    int p = GetParentRow(ARow);
    if (p < 0)
        return;
    int level = rowLevel(p);
    auto grow = [&](int node) {
        if (Delta > 0 || GetNodeSpan(node) > 1) {
            UpdateNodeSpan(node, Delta);
            UpdateSubNodeCount(node, Delta);
        }
        ExpandNode(RealRowIndex(node));
    };
    grow(p);
    while (level > 1) {
        const int a = GetParentRow(p);
        if (a < 0 || a == p || rowLevel(a) >= level)
            break;
        grow(a);
        level = rowLevel(a);
        p = a;
    }
}

void VOroDavoduRuzu::InsertChildRow(int ARow, int InsertAt)
{
    const int d = DisplRowIndex(ARow);
    const int p = GetParentRow(d);
    const int level = p >= 0 ? rowLevel(p) : 0;
    resizeAncestors(d, 1);
    const int at = d + (IsNode(d) && InsertAt == 0 ? 1 : InsertAt);
    InsertRows(at, 1);
    if (IsNode(d) && InsertAt == 0) {
        // The first child takes over the node row's texts and, past column 0, its cell objects.
        for (int c = 0; c < TotalColCount(); ++c) {
            SetGridCell(c, at, GetGridCell(c, d));
            SetGridCell(c, d, QString());
            if (c == 0)
                continue;
            SetGridObject(c, at, GetGridObject(c, d));
            SetGridObject(c, d, nullptr);
        }
    }
    if (p >= 0)
        propsFor(0, at).NodeLevel = level;
}

void VOroDavoduRuzu::RemoveChildRow(int ARow)
{
    const int d = DisplRowIndex(ARow);
    resizeAncestors(d, -1);
    RemoveRows(DisplRowIndex(ARow), 1);
}

bool VOroDavoduRuzu::IsNodeGlyphHit(int ARow, int X)
{
    if (!FMouseActions.PreciseNodeClick)
        return true;
    const int level = rowLevel(ARow);
    const int indent = FCellNode.NodeIndent();
    int half = 4;
    int lead = 4;
    switch (FCellNode.NodeType()) {
    case cn3D:
        half = 6;
        lead = 0;
        break;
    case cnLeaf:
        half = 8;
        lead = 2;
        break;
    case cnGlyph:
        half = 0;
        lead = 0;
        break;
    default:
        break;
    }
    return lead + (level - 1) * indent < X && X < half + level * indent;
}

void VOroDavoduRuzu::AddExpand(int ACol, int ARow, int ExpandedHeight)
{
    TCellGraphic* g = NewCellGraphic(ACol, ARow);
    g->CellType = ctExpand;
    g->CellAngle = ExpandedHeight;
    g->CellIndex = RowHeights(ARow);
    g->CellVar = false;
}

bool VOroDavoduRuzu::HasExpand(int ACol, int ARow)
{
    return HasCellGraphicType(ACol, ARow, {ctExpand});
}

TCellGraphic* VOroDavoduRuzu::expandAt(int ACol, int ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    return graphicOfType(base.X, base.Y, ctExpand);
}

bool VOroDavoduRuzu::ToggleExpand(int ACol, int ARow)
{
    TCellGraphic* g = expandAt(ACol, ARow);
    if (!g)
        return false;
    g->CellVar = !g->CellVar.toBool();
    return g->CellVar.toBool();
}

bool VOroDavoduRuzu::GetExpandState(int ACol, int ARow)
{
    const TCellGraphic* g = expandAt(ACol, ARow);
    return g && g->CellVar.toBool();
}

int VOroDavoduRuzu::GetExpandHeight(int ACol, int ARow, bool Expanded)
{
    const TCellGraphic* g = expandAt(ACol, ARow);
    if (!g)
        return DefaultRowHeight();
    return Expanded ? g->CellAngle : g->CellIndex;
}

void VOroDavoduRuzu::RecountNodes()
{
    FNumNodes = 0;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (GetCellType(0, r) == ctNode)
            ++FNumNodes;
    if (FNumNodes > 0)
        InvalidateCol(0);
}
