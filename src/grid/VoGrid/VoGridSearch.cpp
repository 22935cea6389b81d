// Finding cells, replacing text in them, the type-ahead look-up, highlight and mark tags in cell texts, the
// cell checker and the search panel's actions.
#include <QSet>

#include "grid/VoGrid/VoGrid.h"
#include "grid/base/VsgHTMLE/VsgHTMLEText.h"
#include "grid/base/vsgcheck.h"

namespace {

const QString HiTag = QStringLiteral("hi");
const QString MarkTag = QStringLiteral("e");

}  // namespace

// ----- Find -----

TFindArea VOroDavoduRuzu::findArea(TFindParams params)
{
    TFindArea a;
    if (params & fnIncludeFixed) {
        a.FirstCol = 0;
        a.LastCol = ColCount() - 1;
        a.FirstRow = 0;
        a.LastRow = RowCount() - 1;
    } else {
        a.FirstCol = FixedCols();
        a.LastCol = ColCount() - FixedRightCols - 1;
        a.FirstRow = FixedRows();
        a.LastRow = RowCount() - FixedFooters - 1;
    }
    if (params & fnSelectedCells) {
        const TGridRect sel = Selection();
        a.FirstCol = sel.Left;
        a.LastCol = sel.Right;
        a.FirstRow = sel.Top;
        a.LastRow = sel.Bottom;
    }
    if (params & fnIncludeHiddenColumns)
        a.LastCol += NumHiddenColumns();
    if (params & fnIncludeHiddenRows)
        a.LastRow += NumHiddenRows();
    a.Current = {Col(), Row()};
    a.Preset = {FindCol, FindRow};
    a.IgnoreColumn = [this](int c) { return IsIgnoredColumn(c); };
    return a;
}

QString VOroDavoduRuzu::findCellText(int c, int r, TFindParams params, bool wide)
{
    const int col = (params & fnIncludeHiddenColumns) ? c : RealColIndex(c);
    QString text = (params & fnIncludeHiddenRows) ? AllCells(col, r) : Cells(col, r);
    if (wide && text.startsWith(QStringLiteral("|\\")))
        text = DecodeWideText(text);
    if (params & fnIgnoreHTMLTags)
        text = StripHtmlTags(text);
    return text;
}

// The found cell becomes the current cell; a hidden row's node is expanded first.
void VOroDavoduRuzu::gotoFound(TPoint cell, TFindParams params)
{
    int row = cell.Y;
    if ((params & fnIncludeHiddenRows) && IsHiddenRow(row) && HasNodes()) {
        int covered = FixedRows();
        for (int r = FixedRows(); r < RowCount(); ++r) {
            if (!IsNode(r))
                continue;
            covered = RealRowIndex(r) + std::max(GetNodeSpan(r), 1);
            if (covered > row) {
                ExpandNode(RealRowIndex(r));
                break;
            }
        }
    }
    if (params & fnIncludeHiddenRows)
        row = DisplRowIndex(row);
    const int col = (params & fnIncludeHiddenColumns) ? DisplColIndexOf(cell.X) : cell.X;
    if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount())
        return;
    if (FMouseActions.DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(row, true);
        SetRow(row);
    } else {
        FocusCell(col, row, true);
    }
}

TPoint VOroDavoduRuzu::Find(TPoint StartCell, const QString& s, TFindParams FindParams)
{
    const TPoint found = FindWide(StartCell, s, FindParams);
    if (found.X < 0 || !(FindParams & fnAutoGoto))
        return found;
    const int a = FFloatingFooter.Visible() ? 2 : 0;
    if (Row() > TopRow() + VisibleRowCount() - a - 2 && RowCount() > VisibleRowCount() + FixedRows() + a)
        SetTopRow(std::min(TopRow() + a + 1, RowCount() - 1));
    return found;
}

TPoint VOroDavoduRuzu::FindWide(TPoint StartCell, const QString& s, TFindParams FindParams)
{
    TPoint result{-1, -1};
    FFindParams = FindParams;
    FLastSearch = s;
    SearchCache = FindSearchText(s, FindParams);
    if (ColCount() == 0 || ColCount() == FixedCols() || RowCount() == 0 || AllRowCount() == FixedRows())
        return result;
    FindBusy = true;
    result = FindCell(findArea(FindParams), StartCell, FindParams, [this, FindParams](int c, int r) {
        return FindCellMatches(findCellText(c, r, FindParams, true), SearchCache, FindParams);
    });
    FindBusy = false;
    if (result.X >= 0) {
        SearchCell = result;
        if (FindParams & fnAutoGoto)
            gotoFound(result, FindParams);
    }
    return result;
}

TPoint VOroDavoduRuzu::FindFirst(const QString& s, TFindParams FindParams)
{
    SearchCell = Find({-1, -1}, s, FindParams);
    return SearchCell;
}

TPoint VOroDavoduRuzu::FindNext()
{
    SearchCell = Find(SearchCell, FLastSearch, FFindParams);
    return SearchCell;
}

// Each search goes on after the last hit; a cell found a second time ends the replacing, so a replacement
// that still matches is never replaced again.
int VOroDavoduRuzu::Replace(const QString& OrigStr, const QString& NewStr, TFindParams FindParams)
{
    int changed = 0;
    QSet<qint64> done;
    TPoint cell{-1, -1};
    while (true) {
        cell = Find(cell, OrigStr, FindParams);
        if (cell.X < 0)
            break;
        const qint64 key = (static_cast<qint64>(cell.Y) << 32) | static_cast<quint32>(cell.X);
        if (done.contains(key))
            break;
        done.insert(key);
        const int col = (FindParams & fnIncludeHiddenColumns) ? cell.X : RealColIndex(cell.X);
        const bool real = FindParams & fnIncludeHiddenRows;
        const QString text = real ? AllCells(col, cell.Y) : Cells(col, cell.Y);
        const QString replaced = ReplaceFoundText(text, OrigStr, NewStr, FindParams & fnMatchCase);
        if (real)
            SetAllCells(col, cell.Y, replaced);
        else
            SetCells(col, cell.Y, replaced);
        const int row = real ? DisplRowIndex(cell.Y) : cell.Y;
        if (FShowModified.Enabled && row >= 0 && row < FModifiedRows.Count())
            FModifiedRows.SetInteger(row, 1);
        ++changed;
    }
    return changed;
}

int VOroDavoduRuzu::Search(const QString& s)
{
    if (RowCount() < 2)
        return -1;
    int col = FixedCols();
    if (FSortSettings.Show) {
        if (FSortSettings.IndexShow)
            col = FSortIndexes.Count() > 0 ? FSortIndexes.GetSortColumns(0) : FixedCols();
        else
            col = FSortSettings.Column;
    }
    if (col < 0)
        return -1;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (StripHtmlTags(Cells(col, r)).left(s.size()).toUpper() == s)
            return r;
    return -1;
}

// ----- Highlight and mark tags -----

QString VOroDavoduRuzu::HilightText(bool DoCase, const QString& S, const QString& Text) const
{
    return MarkTextWithTag(S, Text, HiTag, DoCase);
}

QString VOroDavoduRuzu::MarkText(bool DoCase, const QString& S, const QString& Text) const
{
    return MarkTextWithTag(S, Text, MarkTag, DoCase);
}

QString VOroDavoduRuzu::UnHilightText(const QString& S) const
{
    return UnmarkTextTag(S, HiTag);
}

QString VOroDavoduRuzu::UnMarkText(const QString& S) const
{
    return UnmarkTextTag(S, MarkTag);
}

void VOroDavoduRuzu::tagCells(int c1, int r1, int c2, int r2, bool DoCase, const QString& HiText, const QString& tag)
{
    const QString search = HtmlEscape(HiText, false);
    for (int r = r1; r <= r2; ++r)
        for (int c = c1; c <= c2; ++c) {
            if (!IsBaseCell(c, r))
                continue;
            const QString text = HtmlEscape(OnGetDisplText ? Cells(c, r) : GetGridCell(c, r), false);
            SetCells(c, r, MarkTextWithTag(text, search, tag, DoCase));
        }
}

void VOroDavoduRuzu::untagCells(int c1, int r1, int c2, int r2, const QString& tag)
{
    for (int r = r1; r <= r2; ++r)
        for (int c = c1; c <= c2; ++c) {
            if (!IsBaseCell(c, r))
                continue;
            const QString text = GetGridCell(c, r);
            const QString plain = UnmarkTextTag(HtmlUnescape(text, false), tag);
            if (plain != text)
                SetCells(c, r, plain);
        }
}

void VOroDavoduRuzu::HilightInCell(bool DoCase, int Col, int Row, const QString& HiText)
{
    tagCells(Col, Row, Col, Row, DoCase, HiText, HiTag);
}

void VOroDavoduRuzu::MarkInCell(bool DoCase, int Col, int Row, const QString& HiText)
{
    tagCells(Col, Row, Col, Row, DoCase, HiText, MarkTag);
}

void VOroDavoduRuzu::HilightInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText)
{
    tagCells(Col, DoFixed ? 0 : FixedRows(), Col, DoFixed ? RowCount() - 1 : RowCount() - FixedFooters - 1, DoCase,
             HiText, HiTag);
}

void VOroDavoduRuzu::MarkInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText)
{
    tagCells(Col, DoFixed ? 0 : FixedRows(), Col, DoFixed ? RowCount() - 1 : RowCount() - FixedFooters - 1, DoCase,
             HiText, MarkTag);
}

void VOroDavoduRuzu::HilightInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText)
{
    tagCells(DoFixed ? 0 : FixedCols(), Row, DoFixed ? ColCount() - 1 : ColCount() - FixedRightCols - 1, Row, DoCase,
             HiText, HiTag);
}

void VOroDavoduRuzu::MarkInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText)
{
    tagCells(DoFixed ? 0 : FixedCols(), Row, DoFixed ? ColCount() - 1 : ColCount() - FixedRightCols - 1, Row, DoCase,
             HiText, MarkTag);
}

void VOroDavoduRuzu::HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText)
{
    if (DoFixed)
        tagCells(0, 0, ColCount() - 1, RowCount() - 1, DoCase, HiText, HiTag);
    else
        tagCells(FixedCols(), FixedRows(), TotalColCount() - FixedRightCols - 1, RowCount() - FixedFooters - 1, DoCase,
                 HiText, HiTag);
}

void VOroDavoduRuzu::MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText)
{
    if (DoFixed)
        tagCells(0, 0, ColCount() - 1, RowCount() - 1, DoCase, HiText, MarkTag);
    else
        tagCells(FixedCols(), FixedRows(), ColCount() - FixedRightCols - 1, RowCount() - FixedFooters - 1, DoCase,
                 HiText, MarkTag);
}

void VOroDavoduRuzu::UnHilightInCell(int Col, int Row)
{
    untagCells(Col, Row, Col, Row, HiTag);
}

void VOroDavoduRuzu::UnMarkInCell(int Col, int Row)
{
    untagCells(Col, Row, Col, Row, MarkTag);
}

void VOroDavoduRuzu::UnHilightInCol(bool DoFixed, int Col)
{
    untagCells(Col, DoFixed ? 0 : FixedRows(), Col, DoFixed ? RowCount() - 1 : RowCount() - FixedFooters - 1, HiTag);
}

void VOroDavoduRuzu::UnMarkInCol(bool DoFixed, int Col)
{
    untagCells(Col, DoFixed ? 0 : FixedRows(), Col, DoFixed ? RowCount() - 1 : RowCount() - FixedFooters - 1, MarkTag);
}

void VOroDavoduRuzu::UnHilightInRow(bool DoFixed, int Row)
{
    untagCells(DoFixed ? 0 : FixedCols(), Row, DoFixed ? TotalColCount() - 1 : TotalColCount() - FixedRightCols - 1,
               Row, HiTag);
}

void VOroDavoduRuzu::UnMarkInRow(bool DoFixed, int Row)
{
    untagCells(DoFixed ? 0 : FixedCols(), Row, DoFixed ? TotalColCount() - 1 : TotalColCount() - FixedRightCols - 1,
               Row, MarkTag);
}

void VOroDavoduRuzu::UnHilightInGrid(bool DoFixed)
{
    if (DoFixed)
        untagCells(0, 0, TotalColCount() - 1, RowCount() - 1, HiTag);
    else
        untagCells(FixedCols(), FixedRows(), TotalColCount() - FixedRightCols - 1, RowCount() - FixedFooters - 1,
                   HiTag);
}

void VOroDavoduRuzu::UnMarkInGrid(bool DoFixed)
{
    if (DoFixed)
        untagCells(0, 0, TotalColCount() - 1, RowCount() - 1, MarkTag);
    else
        untagCells(FixedCols(), FixedRows(), TotalColCount() - FixedRightCols - 1, RowCount() - FixedFooters - 1,
                   MarkTag);
}

// ----- Cell checker -----

bool VOroDavoduRuzu::CheckCellText(int Col, int Row)
{
    auto* checker = dynamic_cast<VOroDavoduRuzuCheck*>(CellChecker);
    if (!checker)
        return true;
    const QString cell = Cells(Col, Row);
    if (checker->GotoCell && Row < RowCount())
        FocusCell(DisplColIndexOf(Col), Row, true);
    const QString text = checker->CheckCell(Col, Row, cell);
    SetCells(Col, Row, text);
    return text == UnmarkTextTag(cell, MarkTag);
}

bool VOroDavoduRuzu::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    auto* checker = dynamic_cast<VOroDavoduRuzuCheck*>(CellChecker);
    if (!checker)
        return true;
    checker->StartCheck();
    const int oldCol = Col();
    const int oldRow = Row();
    bool unchanged = true;
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c = FromCol; c <= ToCol; ++c)
            unchanged = CheckCellText(c, r) && unchanged;
    checker->StopCheck();
    if (checker->GotoCell)
        FocusCell(oldCol, oldRow, true);
    return unchanged;
}

bool VOroDavoduRuzu::CheckCol(bool DoFixed, int Col)
{
    return CheckCells(Col, DoFixed ? 0 : FixedRows(), Col, DoFixed ? RowCount() - 1 : RowCount() - FixedFooters - 1);
}

bool VOroDavoduRuzu::CheckRow(bool DoFixed, int Row)
{
    return CheckCells(DoFixed ? 0 : FixedCols(), Row, DoFixed ? ColCount() - 1 : ColCount() - FixedRightCols - 1, Row);
}

bool VOroDavoduRuzu::CheckGrid(bool DoFixed)
{
    return CheckCells(DoFixed ? 0 : FixedCols(), DoFixed ? 0 : FixedRows(),
                      DoFixed ? ColCount() - 1 : ColCount() - FixedRightCols - 1,
                      DoFixed ? RowCount() - 1 : RowCount() - FixedFooters - 1);
}

// ----- The search panel's actions -----

TFindParams VOroDavoduRuzu::searchPanelParams(bool MatchCase, bool HighlightDown, bool forNext)
{
    const TSearchFooter& sf = SearchFooter();
    TFindParams params = fnAutoGoto;
    if (HighlightDown)
        params |= fnIgnoreHTMLTags;
    if (MatchCase)
        params |= fnMatchCase;
    if (sf.SearchActiveColumnOnly)
        params |= fnFindInCurrentCol;
    if (sf.SearchMatchStart)
        params |= fnMatchStart;
    if (!forNext && sf.SearchFixedCells)
        params |= fnIncludeFixed;
    if (!forNext && sf.SearchHiddenRows)
        params |= fnIncludeHiddenRows;
    if (sf.SearchDirection == sdLeftRight)
        params |= fnDirectionLeftRight;
    if (sf.SearchColumn >= 0 && sf.SearchColumn < ColCount()) {
        FindCol = sf.SearchColumn;
        params |= fnFindInPresetCol;
    }
    return params;
}

void VOroDavoduRuzu::searchHighlight(const QString& Text, bool MatchCase)
{
    if (SearchFooter().SearchColumn >= 0)
        HilightInCol(false, MatchCase, SearchFooter().SearchColumn, Text);
    else
        HilightInGrid(false, MatchCase, Text);
}

void VOroDavoduRuzu::searchUnHighlight()
{
    if (SearchFooter().SearchColumn >= 0)
        UnHilightInCol(false, SearchFooter().SearchColumn);
    else
        UnHilightInGrid(false);
}

void VOroDavoduRuzu::SearchEditChange(const QString& Text, bool MatchCase, bool HighlightDown)
{
    bool defaultSearch = true;
    if (OnSearchEditChange)
        OnSearchEditChange(this, Text, defaultSearch);
    if (!defaultSearch || !SearchFooter().AutoSearch)
        return;
    const bool highlight = HighlightDown || SearchFooter().AlwaysHighLight;
    const TFindParams params = searchPanelParams(MatchCase, HighlightDown, false);
    if (highlight)
        searchUnHighlight();
    FSearchFailed = false;
    if (Text.isEmpty())
        return;
    SearchCell = Find({-1, -1}, Text, params);
    DoSearchFooterAction(Text, SearchCell.X, SearchCell.Y, saFindFirst);
    FSearchFailed = SearchCell.X < 0;
    if (!FSearchFailed)
        ScrollInView(SearchCell.X, SearchCell.Y);
    if (highlight)
        searchHighlight(Text, MatchCase);
}

void VOroDavoduRuzu::SearchFindNext(const QString& Text, bool MatchCase, bool HighlightDown, bool Backward)
{
    TSearchFooter& sf = SearchFooter();
    if (!sf.AutoSearch && Text != sf.LastSearch) {
        SearchCell = {-1, -1};
        sf.LastSearch = Text;
    }
    TFindParams params = searchPanelParams(MatchCase, HighlightDown, true);
    if (Backward)
        params = (params | fnBackward) & ~fnDirectionLeftRight;
    SearchCell = Find(SearchCell, Text, params);
    // Find next scrolls the hit into view and then keeps it off the bottom edge; find previous the other
    // way round.
    if (Backward)
        searchScrollStep();
    if (SearchCell.X >= 0)
        ScrollInView(SearchCell.X, SearchCell.Y);
    if (!Backward)
        searchScrollStep();
    DoSearchFooterAction(Text, SearchCell.X, SearchCell.Y, Backward ? saFindPrevious : saFindNext);
    FSearchFailed = SearchCell.X < 0;
    if (FSearchPanel)
        FSearchPanel->Invalidate();
}

// A current row near the bottom edge moves the view two rows down.
void VOroDavoduRuzu::searchScrollStep()
{
    const bool footer = FFloatingFooter.Visible();
    if (Row() > TopRow() + VisibleRowCount() - (footer ? 3 : 2) &&
        RowCount() > VisibleRowCount() + FixedRows() + (footer ? 1 : 0))
        SetTopRow(std::min(TopRow() + 2, RowCount() - 1));
}

void VOroDavoduRuzu::SearchHighlight(const QString& Text, bool MatchCase, bool Down)
{
    if (Down)
        searchHighlight(Text, MatchCase);
    else
        searchUnHighlight();
}

void VOroDavoduRuzu::SearchClose()
{
    if (OnSearchFooterClose)
        OnSearchFooterClose(this);
    SearchFooter().SetVisible(false);
}

// The bar's buttons and edit box drive the actions above; its look follows the search footer settings.
void VOroDavoduRuzu::wireSearchPanel()
{
    TSearchPanel& panel = *FSearchPanel;
    const auto showResult = [this] { FSearchPanel->SetFailed(FSearchFailed); };
    panel.OnEditChange = [this, &panel, showResult](TObject*) {
        SearchEditChange(panel.SearchText(), panel.MatchCase(), panel.HighlightDown());
        showResult();
    };
    panel.OnForwardClick = [this, &panel, showResult](TObject*) {
        SearchFindNext(panel.SearchText(), panel.MatchCase(), panel.HighlightDown(), false);
        showResult();
    };
    panel.OnBackwardClick = [this, &panel, showResult](TObject*) {
        SearchFindNext(panel.SearchText(), panel.MatchCase(), panel.HighlightDown(), true);
        showResult();
    };
    panel.OnHighlightClick = [this, &panel](TObject*) {
        SearchHighlight(panel.SearchText(), panel.MatchCase(), panel.HighlightDown());
    };
    panel.OnExitClick = [this](TObject*) { SearchClose(); };
    panel.LineColor = GridLineColor();
    panel.ApplySettings(*FSearchFooter);
}
