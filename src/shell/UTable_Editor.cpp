#include "shell/UTable_Editor.h"

#include "grid/VoCGrid/VoCGrid.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"
#include "shell/UButton_Look.h"
#include "shell/UComon.h"
#include "shell/UComonRows.h"
#include "shell/UForm_Panels.h"
#include "shell/ULanguage.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int Button_Width = 110;
constexpr int Button_Step = 118;

// Texts of the frame: a load that stopped before the file's end, and rows that did not fit.
constexpr int Text_Load_Stopped = 1106;
constexpr int Text_Rows_Ignored = 1107;

int Hex_Value(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

}  // namespace

int Table_Cell_Number(const QString& text)
{
    return Table_Cell_Value(text).value_or(-1);
}

std::optional<int> Table_Cell_Value(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    const bool negative = i < n && text[i] == u'-';
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    int base = 10;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == n)
        return std::nullopt;
    qint64 value = 0;
    for (; i < n; ++i) {
        const int d = Hex_Value(text[i]);
        if (d < 0 || d >= base)
            return std::nullopt;
        value = value * base + d;
        if (value > qint64(std::numeric_limits<quint32>::max()))
            return std::nullopt;
    }
    if (negative)
        value = -value;
    // Hexadecimal may use all 32 bits; decimal must fit a signed value.
    if (base == 16 && value > std::numeric_limits<qint32>::max())
        value -= qint64(1) << 32;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

TTable_Editor::TTable_Editor(TComponent* AOwner, int textBase, int clientWidth, int clientHeight, bool rowButtons)
    : TForm(AOwner), textBase_(textBase), clientWidth_(clientWidth), clientHeight_(clientHeight)
{
    Build_Frame(rowButtons);
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

TTable_Editor::~TTable_Editor()
{
    if (langId_ >= 0)
        Unregister_Set_Lang(langId_);
}

TOdButton* TTable_Editor::New_Frame_Button(int left, const QString& glyph)
{
    return New_Button(this, P_Button, Bounds(left, 6, Button_Width, 28), glyph);
}

void TTable_Editor::Build_Frame(bool rowButtons)
{
    SetBorderStyle(bsSingle);
    Position = poScreenCenter;
    SetClientWidth(clientWidth_);
    SetClientHeight(clientHeight_);
    const TForm_Panels panels = New_Form_Panels(*this);
    P_Title = panels.Title;
    L_SW_Code = panels.SW_Code;
    L_SW_Desc = panels.SW_Desc;
    L_SW_Desc->Font().SetColor(clGray);
    P_Button = panels.Buttons;
    Btn_OK = New_Frame_Button(16, QStringLiteral("OK"));
    Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
    Btn_Cancel = New_Frame_Button(16 + Button_Step, QStringLiteral("CANCEL"));
    Btn_Cancel->SetModalResult(mrCancel);
    if (!rowButtons)
        return;
    Btn_DelRow = New_Frame_Button(16 + 2 * Button_Step, QStringLiteral("TABLE"));
    Btn_DelRow->OnClick = [this](TObject* s) { Btn_DelRowClick(s); };
    Btn_InsRow = New_Frame_Button(16 + 3 * Button_Step, QStringLiteral("TABLE"));
    Btn_InsRow->OnClick = [this](TObject* s) { Btn_InsRowClick(s); };
    Btn_CopyRow = New_Frame_Button(16 + 4 * Button_Step, QStringLiteral("TABLE"));
    Btn_CopyRow->OnClick = [this](TObject* s) { Btn_CopyRowClick(s); };
    Btn_PasteRow = New_Frame_Button(16 + 5 * Button_Step, QStringLiteral("TABLE"));
    Btn_PasteRow->OnClick = [this](TObject* s) { Btn_PasteRowClick(s); };
}

TTable_Editor::TTable& TTable_Editor::Add_Table(VOroDavoduRuzu* grid, bool onPage)
{
    auto table = std::make_unique<TTable>();
    table->Grid = grid;
    if (onPage) {
        if (!PageControl1) {
            PageControl1 = new TPageControl(this);
            PageControl1->SetParent(this);
            PageControl1->SetAlign(alClient);
        }
        table->Sheet = new TTabSheet(this);
        table->Sheet->SetPageControl(PageControl1);
        grid->SetParent(table->Sheet);
    } else {
        grid->SetParent(this);
    }
    grid->SetAlign(alClient);
    // The header cells explain their columns.
    grid->ShowHint = true;
    grid->OnClickCell = [this, grid](TObject*, int r, int c) { ClickCell(*grid, r, c); };
    grid->OnDblClickCell = [this, grid](TObject*, int r, int c) { DblClickCell(*grid, r, c); };
    grid->OnKeyPress = [this, grid](TObject*, char16_t& key) { KeyPress(*grid, key); };
    grid->OnGridHint = [this, grid](TObject*, int r, int c, QString& hint) { GridHint(*grid, r, c, hint); };
    tables_.push_back(std::move(table));
    return *tables_.back();
}

TTable_Editor::TTable& TTable_Editor::Active_Table()
{
    if (PageControl1)
        for (auto& table : tables_)
            if (table->Sheet && table->Sheet == PageControl1->ActivePage())
                return *table;
    return *tables_.front();
}

int TTable_Editor::Used_Rows(const TTable& table) const
{
    int r = 1;
    while (r < table.Grid->RowCount()) {
        const QString key = table.Grid->Cells(table.Key_Column, r);
        if ((table.Trim_Key ? key.trimmed() : key).isEmpty())
            break;
        ++r;
    }
    return r - 1;
}

void TTable_Editor::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(Software_Code);
    SetClientWidth(clientWidth_);
    SetClientHeight(clientHeight_);
    if (PageControl1)
        PageControl1->SetActivePageIndex(0);
    Set_Lang();
    if (langId_ < 0)
        langId_ = Register_Set_Lang([this] { Set_Lang(); });
}

void TTable_Editor::Reset_Table(TTable& table)
{
    VOroDavoduRuzu& grid = *table.Grid;
    const int columns = grid.ColCount() + grid.NumHiddenColumns();
    for (int r = 1; r < grid.RowCount(); ++r) {
        grid.SetCells(0, r, QString::number(r));
        for (int c = 1; c < columns; ++c)
            grid.SetCells(c, r, QString());
        if (table.Has_Enable)
            Set_Enable(grid, r, true);
    }
}

void TTable_Editor::Set_Enable(VOroDavoduRuzu& grid, int row, bool enabled)
{
    // A cell check box keeps its state apart from the text; a column grid's check box is the text.
    if (!grid.SetCheckBoxState(1, row, enabled))
        grid.SetCells(1, row, enabled ? QStringLiteral("Y") : QStringLiteral("N"));
}

bool TTable_Editor::Enabled(VOroDavoduRuzu& grid, int row)
{
    bool checked = false;
    if (grid.GetCheckBoxState(1, row, checked) && !grid.HasDataCheckBox(1, row))
        return checked;
    return grid.Cells(1, row).trimmed() == u"Y";
}

void TTable_Editor::FormShow(TObject*)
{
    for (auto& table : tables_) {
        Reset_Table(*table);
        table->Do_Copy = false;
    }
    if (PageControl1 && First_Page_At_Show)
        PageControl1->SetActivePageIndex(0);
    loadStopped_ = false;
    Prepare();
    try {
        Load_File();
    } catch (...) {
        loadStopped_ = true;
        HandleEventException();
        return;
    }
    Complete_Load();
}

void TTable_Editor::Btn_OKClick(TObject*)
{
    if (!Controllo_dati())
        return;
    // Rows the stopped load did not read would be lost: the user decides.
    if (loadStopped_ && MessageDlg(Lang_Text[Text_Load_Stopped], mtConfirmation, mbYesNo) != mrYes)
        return;
    try {
        Save_File();
    } catch (...) {
        HandleEventException();
        return;
    }
    SetModalResult(mrOk);
}

QString TTable_Editor::Delete_Question(int row) const
{
    return Lang_Text[textBase_ + 27] + QString::number(row);
}

void TTable_Editor::Btn_DelRowClick(TObject*)
{
    TTable& table = Active_Table();
    const int row = table.Grid->Row();
    if (MessageDlg(Delete_Question(row), mtConfirmation, mbYesNo) == mrYes)
        Delete_Row(table, row);
    Rows_Changed(table);
}

void TTable_Editor::Btn_InsRowClick(TObject*)
{
    TTable& table = Active_Table();
    Insert_Row(table, table.Grid->Row());
}

void TTable_Editor::Btn_CopyRowClick(TObject*)
{
    TTable& table = Active_Table();
    Copy_Row(table, table.Grid->Row());
    for (auto& t : tables_)
        t->Do_Copy = t.get() == &table;
}

void TTable_Editor::Btn_PasteRowClick(TObject*)
{
    TTable& table = Active_Table();
    Paste_Row(table, table.Grid->Row());
    Rows_Changed(table);
}

void TTable_Editor::Delete_Row(TTable& table, int row)
{
    if (auto* columns = dynamic_cast<TVoColumnGrid*>(table.Grid))
        ColGrid_Delete_Row(row, *columns);
    else
        Grid_Delete_Row(row, *table.Grid, table.Has_Enable);
}

void TTable_Editor::Insert_Row(TTable& table, int row)
{
    if (auto* columns = dynamic_cast<TVoColumnGrid*>(table.Grid))
        ColGrid_Insert_Row(row, *columns, table.Has_Enable);
    else
        Grid_Insert_Row(row, *table.Grid, table.Has_Enable);
}

void TTable_Editor::Copy_Row(TTable& table, int row)
{
    if (auto* columns = dynamic_cast<TVoColumnGrid*>(table.Grid))
        ColGrid_Copy_Row(*columns, row);
    else
        Grid_Copy_Row(*table.Grid, row);
}

void TTable_Editor::Paste_Row(TTable& table, int row)
{
    if (auto* columns = dynamic_cast<TVoColumnGrid*>(table.Grid))
        ColGrid_Paste_Row(*columns, row, table.Do_Copy);
    else
        Grid_Paste_Row(*table.Grid, row, table.Do_Copy);
}

void TTable_Editor::ClickCell(VOroDavoduRuzu& Grid, int ARow, int ACol)
{
    if (ACol == 0 && ARow >= Grid.FixedRows())
        Grid.SetSelection({Grid.FixedCols(), ARow, Grid.ColCount() - 1, ARow});
}

void TTable_Editor::DblClickCell(VOroDavoduRuzu& Grid, int ARow, int ACol)
{
    Grid_Auto_Size_Col(Grid, ARow, ACol);
}

void TTable_Editor::KeyPress(VOroDavoduRuzu& Grid, char16_t& Key)
{
    Grid_Jump_Next_Field(Grid, Key);
}

void TTable_Editor::GridHint(VOroDavoduRuzu& Grid, int ARow, int ACol, QString& HintStr)
{
    HintStr.clear();
    if (ARow != 0 || ACol <= 0)
        return;
    for (auto& table : tables_) {
        if (table->Grid != &Grid)
            continue;
        const int column = table->Hint_By_Real_Column ? Grid.RealColIndex(ACol) : ACol;
        if (column - 1 < table->Hints.Count())
            HintStr = table->Hints[column - 1];
    }
}

void TTable_Editor::Set_Lang()
{
    SetCaption(Lang_Text[textBase_]);
    L_SW_Desc->SetCaption(Lang_Text[textBase_ + 1]);
    TOdButton* const buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int i = 0; i < 6; ++i) {
        if (!buttons[i])
            continue;
        buttons[i]->SetCaption(Lang_Text[textBase_ + 2 + i]);
        buttons[i]->Hint = Lang_Text[textBase_ + 8 + i];
        buttons[i]->ShowHint = true;
    }
}

void TTable_Editor::Row_Error(int prefix, int row, int reason, const QString& tail)
{
    MessageDlg(Lang_Text[prefix] + QString::number(row) + Lang_Text[reason] + tail, mtError, mbOK);
}

void TTable_Editor::Report_Ignored_Rows(int ignored)
{
    if (ignored > 0)
        MessageDlg(Lang_Text[Text_Rows_Ignored] + QString::number(ignored), mtWarning, mbOK);
}

void TTable_Editor::Fill_Table(TTable& table, const TTable_Rows& rows, std::span<const TTable_Column> columns,
                               const QString& file)
{
    VOroDavoduRuzu& grid = *table.Grid;
    const int capacity = grid.RowCount() - 1;
    const int count = std::min(static_cast<int>(rows.size()), capacity);
    for (int i = 0; i < count; ++i) {
        const auto& row = rows[static_cast<size_t>(i)];
        for (size_t c = 0; c < columns.size(); ++c) {
            const TTable_Column& column = columns[c];
            if (row[c])
                grid.SetCells(column.Column, i + 1, *row[c]);
            else if (!column.Default)
                Missing_Attribute(file, column.Attribute);
            else if (*column.Default)
                grid.SetCells(column.Column, i + 1, QString::fromLatin1(column.Default));
        }
    }
    Report_Ignored_Rows(static_cast<int>(rows.size()) - count);
}

TTable_Rows TTable_Editor::Table_Rows(const TTable& table, std::span<const TTable_Column> columns) const
{
    TTable_Rows rows;
    const int used = Used_Rows(table);
    for (int r = 1; r <= used; ++r) {
        auto& row = rows.emplace_back();
        for (const TTable_Column& column : columns)
            row.emplace_back(table.Grid->Cells(column.Column, r));
    }
    return rows;
}

void TTable_Editor::Missing_Attribute(const QString& file, const char* name)
{
    throw Exception(QStringLiteral("%1: a row has no attribute %2").arg(file, QString::fromLatin1(name)));
}
