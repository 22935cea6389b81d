#include "gateway/UEtherCATSlave.h"

#include "gateway/ProjectFile.h"
#include "gateway/ProjectModel.h"
#include "grid/VoGrid/VoGrid.h"
#include "platform/Locale.h"
#include "shell/UComon.h"
#include "shell/ULanguage.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <span>

namespace {

constexpr int Text_Base = 1000;
constexpr int Text_Delete_Question = 1033;
constexpr int Text_Tab_Slave_Master = 1034;
constexpr int Text_Tab_Master_Slave = 1035;
constexpr int Text_Row_Error = 1051;
constexpr int Text_String_Length_StM = 1052;
constexpr int Text_String_Length_MtS = 1053;
constexpr int Text_Init_Value = 1054;

constexpr int Col_Enable = 1;
constexpr int Col_Type = 2;
constexpr int Col_Length = 3;
constexpr int Col_Init_Value = 5;

using TRow_Member = std::optional<QString> TEtherCAT_Slave_Row::*;

// A column of a grid: header and hint texts, width, cell colour, the attribute it is saved as.
struct TColumn {
    int Header;
    int Hint;  // 0: none (column 0)
    int Width;
    TColor Color;
    TRow_Member Member;
    bool Read_Only;
};

constexpr TColumn Slave_Master_Columns[] = {
    {1014, 0, 40, clNone, nullptr, false},
    {1015, 1024, 50, RGB(255, 216, 176), &TEtherCAT_Slave_Row::Enable, false},
    {1016, 1025, 120, RGB(224, 250, 254), &TEtherCAT_Slave_Row::Type, false},
    {1017, 1026, 100, RGB(224, 250, 254), &TEtherCAT_Slave_Row::Length, false},
    {1019, 1028, 280, RGB(224, 250, 254), &TEtherCAT_Slave_Row::Name, false},
    {1020, 1029, 100, RGB(168, 255, 168), &TEtherCAT_Slave_Row::InitValue, false},
    {1021, 1030, 100, RGB(252, 214, 244), &TEtherCAT_Slave_Row::Position, true},
    {1022, 1031, 100, RGB(252, 214, 244), &TEtherCAT_Slave_Row::BitStart, true},
    {1023, 1032, 100, RGB(255, 255, 255), &TEtherCAT_Slave_Row::Mnemonic, false},
};

constexpr TColumn Master_Slave_Columns[] = {
    {1036, 0, 40, clNone, nullptr, false},
    {1037, 1044, 50, RGB(255, 216, 176), &TEtherCAT_Slave_Row::Enable, false},
    {1038, 1045, 120, RGB(224, 250, 254), &TEtherCAT_Slave_Row::Type, false},
    {1039, 1046, 100, RGB(224, 250, 254), &TEtherCAT_Slave_Row::Length, false},
    {1040, 1047, 280, RGB(224, 250, 254), &TEtherCAT_Slave_Row::Name, false},
    {1041, 1048, 100, RGB(252, 214, 244), &TEtherCAT_Slave_Row::Position, true},
    {1042, 1049, 100, RGB(252, 214, 244), &TEtherCAT_Slave_Row::BitStart, true},
    {1043, 1050, 100, RGB(255, 255, 255), &TEtherCAT_Slave_Row::Mnemonic, false},
};

std::span<const TColumn> Columns_Of(bool slaveMaster)
{
    if (slaveMaster)
        return Slave_Master_Columns;
    return Master_Slave_Columns;
}

// The columns' own read-only marks on a row: the computed Position and Start Bit.
void Mark_Read_Only(VOroDavoduRuzu& grid, int row, bool slaveMaster)
{
    const std::span<const TColumn> columns = Columns_Of(slaveMaster);
    for (size_t c = 1; c < columns.size(); ++c)
        grid.SetReadOnly(static_cast<int>(c), row, columns[c].Read_Only);
}

// The Position column; Start Bit follows it.
int Position_Column(bool slaveMaster)
{
    return slaveMaster ? 6 : 5;
}

// The types, their sizes in bytes (0: the Length cell gives the size) and the range of an integer's
// initial value.
struct TVar_Type {
    const char16_t* Name;
    int Size;
    int64_t Min = 0;
    int64_t Max = 0;
};

constexpr TVar_Type Var_Types[] = {
    {u"Bool", 1, 0, 1},
    {u"Int8", 1, INT8_MIN, INT8_MAX},
    {u"Int16", 2, INT16_MIN, INT16_MAX},
    {u"Int32", 4, INT32_MIN, INT32_MAX},
    {u"UInt8", 1, 0, UINT8_MAX},
    {u"UInt16", 2, 0, UINT16_MAX},
    {u"UInt32", 4, 0, UINT32_MAX},
    {u"Float32", 4},
    {u"String", 0},
};

const TVar_Type* Find_Type(const QString& type)
{
    for (const TVar_Type& known : Var_Types)
        if (type == QStringView(known.Name))
            return &known;
    return nullptr;
}

constexpr int Default_String_Length = 10;

bool Is_String(const QString& type)
{
    return type == u"String" || type == u"ByteString";
}

// The fixed size of a type; 0 for a String or a text that is no type.
int Fixed_Size(const QString& type)
{
    const TVar_Type* known = Find_Type(type);
    return known ? known->Size : 0;
}

// An initial value fits its type: empty (zero), a number in the type's range (a hexadecimal one may give
// any bit pattern of the type's size), or for Float32 a real number a Float32 holds. Strings take none.
bool Init_Value_Fits(const QString& type, const QString& text)
{
    const TVar_Type* known = Find_Type(type);
    if (!known || known->Size == 0 || text.isEmpty())
        return true;
    if (known->Min == known->Max) {
        const std::optional<double> real = Parse_Project_Real(text, DecimalSeparator());
        return real && std::isfinite(*real) && std::fabs(*real) <= FLT_MAX;
    }
    const std::optional<int64_t> value = Parse_Project_Number(text);
    if (!value)
        return false;
    const bool hex = text.contains(u'$') || text.contains(u'x', Qt::CaseInsensitive);
    const int64_t max = hex && known->Min < 0 ? (int64_t(1) << (8 * known->Size)) - 1 : known->Max;
    return *value >= known->Min && *value <= max;
}

}  // namespace

TFEtherCATSlave::TFEtherCATSlave(TComponent* AOwner) : TTable_Editor(AOwner, Text_Base, 1200, 337)
{
    Name = QStringLiteral("FEtherCATSlave");
    // The first page is made active at creation only.
    First_Page_At_Show = false;
    VSG_SlaveMaster = New_Grid(QStringLiteral("VSG_SlaveMaster"));
    VSG_MasterSlave = New_Grid(QStringLiteral("VSG_MasterSlave"));
    TS_SlaveToMaster = Table(0).Sheet;
    TS_MasterToSlave = Table(1).Sheet;
    TS_SlaveToMaster->Name = QStringLiteral("TS_SlaveToMaster");
    TS_MasterToSlave->Name = QStringLiteral("TS_MasterToSlave");
    Init_Table();
}

VOroDavoduRuzu* TFEtherCATSlave::New_Grid(const QString& name)
{
    auto* grid = new VOroDavoduRuzu(this);
    grid->Name = name;
    TTable& table = Add_Table(grid, true);
    table.Has_Enable = true;
    table.Key_Column = Col_Type;
    grid->OnGetEditorType = [this](TObject* s, int c, int r, TEditorType& e) {
        VSG_SlaveMasterGetEditorType(s, c, r, e);
    };
    grid->OnComboChange = [this](TObject* s, int c, int r, int i, const QString& text) {
        VSG_SlaveMasterComboChange(s, c, r, i, text);
    };
    grid->OnCellValidate = [this](TObject* s, int c, int r, QString& value, bool& valid) {
        VSG_SlaveMasterCellValidate(s, c, r, value, valid);
    };
    grid->OnCheckBoxChange = [this](TObject* s, int c, int r, bool state) {
        VSG_SlaveMasterCheckBoxChange(s, c, r, state);
    };
    return grid;
}

void TFEtherCATSlave::Init_Table()
{
    Init_Grid(*VSG_SlaveMaster, true);
    Init_Grid(*VSG_MasterSlave, false);
    VarType.Clear();
    for (const TVar_Type& type : Var_Types)
        VarType.Add(QString::fromUtf16(type.Name));
}

void TFEtherCATSlave::Init_Grid(VOroDavoduRuzu& grid, bool slaveMaster)
{
    const std::span<const TColumn> columns = Columns_Of(slaveMaster);
    grid.SetColCount(static_cast<int>(columns.size()));
    grid.SetRowCount(Table_Rows + 1);
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    grid.SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect | goEditing);
    grid.Font().SetName(QStringLiteral("Tahoma"));
    grid.Font().SetSize(8);
    grid.ActiveCellFont().SetStyle(fsBold);
    grid.SetDefaultRowHeight(22);
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        grid.SetColWidths(c, columns[static_cast<size_t>(c)].Width);
        grid.SetCells(c, 0, Lang_Text[columns[static_cast<size_t>(c)].Header]);
    }
    grid.AddCheckBoxColumn(Col_Enable, true, false);
    for (int r = 1; r <= Table_Rows; ++r) {
        for (int c = 1; c < static_cast<int>(columns.size()); ++c)
            grid.SetColors(c, r, columns[static_cast<size_t>(c)].Color);
        Mark_Read_Only(grid, r, slaveMaster);
        grid.SetAlignments(Col_Enable, r, taCenter);
    }
}

void TFEtherCATSlave::Reset_Table(TTable& table)
{
    TTable_Editor::Reset_Table(table);
    // Delete Row leaves the last row read-only: every opening starts from the columns' own marks.
    VOroDavoduRuzu& grid = *table.Grid;
    const bool slaveMaster = Is_Slave_Master(grid);
    for (int r = 1; r < grid.RowCount(); ++r)
        Mark_Read_Only(grid, r, slaveMaster);
}

void TFEtherCATSlave::Set_Lang()
{
    TTable_Editor::Set_Lang();
    TS_SlaveToMaster->SetCaption(Lang_Text[Text_Tab_Slave_Master]);
    TS_MasterToSlave->SetCaption(Lang_Text[Text_Tab_Master_Slave]);
    for (int t = 0; t < 2; ++t) {
        TTable& table = Table(t);
        const std::span<const TColumn> columns = Columns_Of(t == 0);
        table.Hints.Clear();
        for (size_t c = 0; c < columns.size(); ++c) {
            table.Grid->SetCells(static_cast<int>(c), 0, Lang_Text[columns[c].Header]);
            if (c > 0)
                table.Hints.Add(Lang_Text[columns[c].Hint]);
        }
    }
}

void TFEtherCATSlave::VarSetLength(VOroDavoduRuzu& Grid, const QString& Type, int ARow, int ACol)
{
    if (const int size = Fixed_Size(Type); size > 0) {
        Grid.SetCells(ACol, ARow, QString::number(size));
        Grid.SetReadOnly(ACol, ARow, true);
    } else if (Is_String(Type)) {
        Grid.SetCells(ACol, ARow, QString::number(Default_String_Length));
        Grid.SetReadOnly(ACol, ARow, false);
    }
}

void TFEtherCATSlave::Calc_Position_Bit(VOroDavoduRuzu& Grid, bool SlaveMaster)
{
    const int colPosition = Position_Column(SlaveMaster);
    const int colBit = colPosition + 1;
    // 64 bits: 256 lengths of up to 2^31 each can't overflow.
    int64_t pos = 0;
    int bit = 0;
    bool run = false;
    for (int r = 1; r < Grid.RowCount(); ++r) {
        const QString type = Grid.Cells(Col_Type, r);
        if (type.trimmed().isEmpty())
            break;
        int64_t position = 0;
        int start = 0;
        if (!Enabled(Grid, r)) {
            // Takes no space and does not end a run of Bools.
        } else if (type == u"Bool") {
            position = pos;
            start = run ? bit : 0;
            bit = start + 1;
            run = true;
            if (bit == 8) {
                bit = 0;
                ++pos;
            }
        } else {
            if (run && bit > 0)
                ++pos;
            run = false;
            bit = 0;
            position = pos;
            const int size = Fixed_Size(type);
            pos += size > 0 ? size : std::max(Table_Cell_Number(Grid.Cells(Col_Length, r)), 0);
        }
        Grid.SetCells(colPosition, r, QString::number(position));
        Grid.SetCells(colBit, r, QString::number(start));
    }
}

bool TFEtherCATSlave::Controllo_dati()
{
    for (int t = 0; t < 2; ++t) {
        VOroDavoduRuzu& grid = *Table(t).Grid;
        const int used = Used_Rows(Table(t));
        for (int r = 1; r <= used; ++r) {
            if (!Enabled(grid, r))
                continue;
            const QString type = grid.Cells(Col_Type, r);
            const int length = Table_Cell_Number(grid.Cells(Col_Length, r));
            if (Is_String(type) && (length < 1 || length > Max_String_Length)) {
                Row_Error(Text_Row_Error, r, t == 0 ? Text_String_Length_StM : Text_String_Length_MtS,
                          QString::number(Max_String_Length));
                return false;
            }
            // Only the slaves' outputs carry an initial value.
            if (t == 0 && !Init_Value_Fits(type, grid.Cells(Col_Init_Value, r))) {
                Row_Error(Text_Row_Error, r, Text_Init_Value);
                return false;
            }
        }
    }
    return true;
}

void TFEtherCATSlave::Load_File()
{
    const std::optional<TEtherCAT_Slave_File> file = Read_EtherCAT_Slave_File(File_EtherCAT_Slave);
    if (!file)
        return;
    const TEtherCAT_Slave_Variables& variables =
        Required_Element(file->Variables, "EtherCAT_Slave_Variables", File_EtherCAT_Slave);
    int ignored = 0;
    const auto load = [this, &ignored](VOroDavoduRuzu& grid, const TEtherCAT_Slave_Table& rows, bool slaveMaster) {
        const int count = std::min(static_cast<int>(rows.size()), Table_Rows);
        ignored += static_cast<int>(rows.size()) - count;
        const std::span<const TColumn> columns = Columns_Of(slaveMaster);
        for (int i = 0; i < count; ++i) {
            const TEtherCAT_Slave_Row& row = rows[static_cast<size_t>(i)];
            const int r = i + 1;
            // Every attribute has a default: Enable checked unless exactly "N", the others empty.
            Set_Enable(grid, r, row.Enable != u"N");
            const QString type = row.Type.value_or(QString());
            grid.SetCells(Col_Type, r, type);
            VarSetLength(grid, type, r, Col_Length);
            for (size_t c = Col_Length; c < columns.size(); ++c)
                grid.SetCells(static_cast<int>(c), r, (row.*columns[c].Member).value_or(QString()));
        }
    };
    load(*VSG_SlaveMaster, Required_Element(variables.Slave_To_Master, "EtherCAT_Slave_To_Master", File_EtherCAT_Slave),
         true);
    load(*VSG_MasterSlave, Required_Element(variables.Master_To_Slave, "EtherCAT_Master_To_Slave", File_EtherCAT_Slave),
         false);
    Report_Ignored_Rows(ignored);
}

void TFEtherCATSlave::Complete_Load()
{
    Calc_Position_Bit(*VSG_SlaveMaster, true);
    Calc_Position_Bit(*VSG_MasterSlave, false);
}

void TFEtherCATSlave::Save_File()
{
    const auto save = [this](int t) {
        VOroDavoduRuzu& grid = *Table(t).Grid;
        const std::span<const TColumn> columns = Columns_Of(t == 0);
        TEtherCAT_Slave_Table rows;
        const int used = Used_Rows(Table(t));
        for (int r = 1; r <= used; ++r) {
            TEtherCAT_Slave_Row& row = rows.emplace_back();
            row.Enable = Enabled(grid, r) ? QStringLiteral("Y") : QStringLiteral("N");
            for (size_t c = Col_Type; c < columns.size(); ++c)
                row.*columns[c].Member = grid.Cells(static_cast<int>(c), r);
        }
        return rows;
    };
    TEtherCAT_Slave_File file;
    file.Variables = TEtherCAT_Slave_Variables{save(0), save(1)};
    Write_EtherCAT_Slave_File(File_EtherCAT_Slave, file);
}

QString TFEtherCATSlave::Delete_Question(int row) const
{
    return QString(Lang_Text[Text_Delete_Question]).replace(QStringLiteral("%d"), QString::number(row));
}

void TFEtherCATSlave::Paste_Row(TTable& table, int row)
{
    TTable_Editor::Paste_Row(table, row);
    // The type's rule decides the Length cell's read-only flag; a String keeps the pasted length.
    VOroDavoduRuzu& grid = *table.Grid;
    const QString length = grid.Cells(Col_Length, row);
    const QString type = grid.Cells(Col_Type, row);
    VarSetLength(grid, type, row, Col_Length);
    if (Is_String(type))
        grid.SetCells(Col_Length, row, length);
}

void TFEtherCATSlave::Rows_Changed(TTable& table)
{
    Calc_Position_Bit(*table.Grid, Is_Slave_Master(*table.Grid));
}

void TFEtherCATSlave::Recalc(TObject* Sender)
{
    if (auto* grid = dynamic_cast<VOroDavoduRuzu*>(Sender))
        Calc_Position_Bit(*grid, Is_Slave_Master(*grid));
}

void TFEtherCATSlave::VSG_SlaveMasterGetEditorType(TObject* Sender, int ACol, int, TEditorType& AEditor)
{
    if (ACol != Col_Type)
        return;
    auto* grid = dynamic_cast<VOroDavoduRuzu*>(Sender);
    if (!grid)
        return;
    AEditor = edComboList;
    grid->ClearComboString();
    for (int i = 0; i < VarType.Count(); ++i)
        grid->AddComboString(VarType[i]);
}

void TFEtherCATSlave::VSG_SlaveMasterComboChange(TObject* Sender, int ACol, int ARow, int, const QString& ASelection)
{
    auto* grid = dynamic_cast<VOroDavoduRuzu*>(Sender);
    if (ACol != Col_Type || !grid)
        return;
    VarSetLength(*grid, ASelection, ARow, Col_Length);
    grid->SetCells(Col_Type, ARow, ASelection);
    Recalc(Sender);
}

void TFEtherCATSlave::VSG_SlaveMasterCellValidate(TObject* Sender, int ACol, int ARow, QString& Value, bool&)
{
    auto* grid = dynamic_cast<VOroDavoduRuzu*>(Sender);
    if (ACol < Col_Enable || ACol > Col_Length || !grid || grid->Cells(ACol, ARow) == Value)
        return;
    // A type that reached the cell without a combo change (keys on the closed list) gets its length too.
    if (ACol == Col_Type)
        VarSetLength(*grid, Value, ARow, Col_Length);
    // The grid writes the value after this event: the positions are computed from it now.
    grid->SetCells(ACol, ARow, Value);
    Recalc(Sender);
}

void TFEtherCATSlave::VSG_SlaveMasterCheckBoxChange(TObject* Sender, int ACol, int, bool)
{
    if (ACol == Col_Enable)
        Recalc(Sender);
}
