#include "gateway/UDefOffset.h"

#include "gateway/ProjectModel.h"
#include "grid/VoCGrid/VoCGrid.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"
#include "shell/UComon.h"
#include "shell/ULanguage.h"

#include <QFileInfo>

namespace {

constexpr int Text_Base = 3000;
constexpr int Text_Slave_Header = 3011;
constexpr int Text_In_Header = 3015;
constexpr int Text_Out_Header = 3018;
constexpr int Text_Out_Twice = 3021;
constexpr int Text_First_ID = 3022;
constexpr int Text_Byte = 3023;
constexpr int Text_Second_ID = 3024;
constexpr int Text_Second_Byte = 3025;
constexpr int Text_In_Range = 3026;
constexpr int Text_Out_Range = 3027;
constexpr int Text_ID = 3028;

const QString None = QStringLiteral("None");

QString File_Name(const QString& path)
{
    return QFileInfo(path).fileName();
}

// A column grid with one header row and the given column widths.
TVoColumnGrid* New_Grid(TComponent* owner, const QString& name, std::initializer_list<int> widths, int fixedCols)
{
    auto* grid = new TVoColumnGrid(owner);
    grid->Name = name;
    grid->SetColCount(static_cast<int>(widths.size()));
    grid->SetRowCount(2);
    grid->SetFixedRows(1);
    grid->SetFixedCols(fixedCols);
    int c = 0;
    for (int w : widths)
        grid->Columns().Items(c++)->SetWidth(w);
    return grid;
}

// The rows of a grid that has one row per item under its header (one empty row for no item).
void Set_Item_Rows(TVoColumnGrid& grid, int items)
{
    grid.SetRowCount(std::max(items, 1) + 1);
    grid.SetFixedRows(1);
    if (items == 0)
        for (int c = 0; c < grid.AllColCount(); ++c)
            grid.SetCells(c, 1, QString());
}

// A byte count or ID of DNETM_Net.xml: an integer within the range, written as the network editor's
// check reads it (decimal or hexadecimal, after leading blanks), else the load stops.
int Strict_Number(const std::optional<QString>& text, const char* name, int max)
{
    if (!text)
        throw Exception(
            QStringLiteral("%1: a row has no attribute %2").arg(File_Name(File_DNETM_Net), QLatin1String(name)));
    const int value = Table_Cell_Number(*text);
    if (value < 0 || value > max)
        throw Exception(
            QStringLiteral("%1: '%2' is not a valid %3").arg(File_Name(File_DNETM_Net), *text, QLatin1String(name)));
    return value;
}

// The bytes of one direction of a node: positions and mnemonics for the slave's first bytes.
void Read_Bytes(const std::optional<std::vector<TDefOff_Byte>>& bytes, const char* element, int count,
                QStringList& positions, QStringList& mnemonics)
{
    const std::vector<TDefOff_Byte>& rows = Required_Element(bytes, element, File_DNETM_DefOff);
    for (int k = 0; k < count && k < static_cast<int>(rows.size()); ++k) {
        const TDefOff_Byte& row = rows[static_cast<size_t>(k)];
        if (!row.Offset || !row.Mnemonic)
            throw Exception(QStringLiteral("%1: a row has no attribute %2")
                                .arg(File_Name(File_DNETM_DefOff),
                                     row.Offset ? QStringLiteral("Mnemonic") : QStringLiteral("Offset")));
        positions[k] = *row.Offset;
        mnemonics[k] = *row.Mnemonic;
    }
}

std::vector<TDefOff_Byte> Bytes_Of(const QStringList& positions, const QStringList& mnemonics)
{
    std::vector<TDefOff_Byte> bytes;
    for (qsizetype k = 0; k < positions.size(); ++k)
        bytes.push_back({positions[k], mnemonics[k]});
    return bytes;
}

}  // namespace

TFDefOffset::TFDefOffset(TComponent* AOwner) : TTable_Editor(AOwner, Text_Base, 482, 610, false)
{
    Name = QStringLiteral("FDefOffset");
    // The page last chosen stays across openings.
    First_Page_At_Show = false;
    P_Slaves = new TPanel(this);
    P_Slaves->SetParent(this);
    P_Slaves->SetAlign(alTop);
    P_Slaves->SetHeight(200);
    P_Slaves->SetBevelOuter(bvNone);
    P_Slaves->SetShowCaption(false);
    P_Slaves->SetParentColor(true);
    Label1 = new TLabel(this);
    Label1->SetParent(P_Slaves);
    Label1->SetBounds(8, 4, 460, 14);
    ACG_DN_Slaves = New_Grid(this, QStringLiteral("ACG_DN_Slaves"), {100, 100, 100, 160}, 0);
    ACG_DN_Slaves->SetParent(P_Slaves);
    ACG_DN_Slaves->SetBounds(8, 22, 466, 172);
    ACG_DN_Slaves->Anchors = akLeft | akTop | akRight | akBottom;
    for (int c = 0; c < 4; ++c)
        ACG_DN_Slaves->Columns().Items(c)->ReadOnly = true;
    ACG_DN_Slaves->OnClick = [this](TObject* s) { ACG_DN_SlavesClick(s); };
    // The grid clicks on mouse release only: a key that moves to another slave selects it too.
    ACG_DN_Slaves->OnSelectionChanged = [this](TObject* s, int, int, int, int) {
        if (ACG_DN_Slaves->Row() - 1 != Slave_Before_Select)
            ACG_DN_SlavesClick(s);
    };

    Splitter1 = new TSplitter(this);
    Splitter1->SetParent(this);
    Splitter1->SetAlign(alTop);
    Splitter1->SetHeight(3);
    Splitter1->SetCursor(crVSplit);

    P_Bytes = new TPanel(this);
    P_Bytes->SetParent(this);
    P_Bytes->SetAlign(alClient);
    P_Bytes->SetBevelOuter(bvNone);
    P_Bytes->SetShowCaption(false);
    P_Bytes->SetParentColor(true);
    Label2 = new TLabel(this);
    Label2->SetParent(P_Bytes);
    Label2->SetBounds(8, 4, 460, 14);
    Label3 = new TLabel(this);
    Label3->SetParent(P_Bytes);
    Label3->SetWordWrap(true);
    Label3->SetBounds(8, 20, 460, 28);
    PageControl1 = new TPageControl(this);
    PageControl1->SetParent(P_Bytes);
    PageControl1->SetBounds(8, 52, 466, P_Bytes->Height() - 60);
    PageControl1->Anchors = akLeft | akTop | akRight | akBottom;
    TVoColumnGrid** const grids[] = {&ACG_ByteIN, &ACG_ByteOUT};
    TTabSheet** const sheets[] = {&TabSheet1, &TabSheet2};
    for (int i = 0; i < 2; ++i) {
        *sheets[i] = new TTabSheet(this);
        (*sheets[i])->SetPageControl(PageControl1);
        TVoColumnGrid* grid =
            New_Grid(this, i == 0 ? QStringLiteral("ACG_ByteIN") : QStringLiteral("ACG_ByteOUT"), {60, 90, 300}, 1);
        grid->SetParent(*sheets[i]);
        grid->SetAlign(alClient);
        grid->SetOptions(grid->Options() | goEditing);
        grid->Columns().Items(0)->SetFixed(true);
        grid->Columns().Items(1)->SetEditor(edComboList);
        *grids[i] = grid;
    }
}

void TFDefOffset::Set_Lang()
{
    SetCaption(Lang_Text[Text_Base]);
    L_SW_Desc->SetCaption(Lang_Text[Text_Base + 1]);
    Btn_OK->SetCaption(Lang_Text[3002]);
    Btn_Cancel->SetCaption(Lang_Text[3003]);
    Btn_OK->Hint = Lang_Text[3004];
    Btn_Cancel->Hint = Lang_Text[3005];
    Btn_OK->ShowHint = Btn_Cancel->ShowHint = true;
    TabSheet1->SetCaption(Lang_Text[3006]);
    TabSheet2->SetCaption(Lang_Text[3007]);
    Label1->SetCaption(Lang_Text[3008]);
    Label2->SetCaption(Lang_Text[3009]);
    Label3->SetCaption(Lang_Text[3010]);
    for (int c = 0; c < 4; ++c)
        ACG_DN_Slaves->SetCells(c, 0, Lang_Text[Text_Slave_Header + c]);
    for (int c = 0; c < 3; ++c) {
        ACG_ByteIN->SetCells(c, 0, Lang_Text[Text_In_Header + c]);
        ACG_ByteOUT->SetCells(c, 0, Lang_Text[Text_Out_Header + c]);
    }
}

void TFDefOffset::Prepare()
{
    List_Slaves_DN.clear();
    MAX_BYTE_IN = MAX_BYTE_OUT = Positions;
    TStringList items;
    items.Add(None);
    for (int p = 0; p < Positions; ++p)
        items.Add(QString::number(p));
    ACG_ByteIN->Columns().Items(1)->SetComboItems(items);
    ACG_ByteOUT->Columns().Items(1)->SetComboItems(items);
    Slave_Before_Select = -1;
}

void TFDefOffset::Load_File()
{
    try {
        Load_Slave_DN();
        Load_Offset_Slave_DN();
    } catch (...) {
        // The grids show what was read, the slave grid and the byte grids alike.
        Select_First();
        throw;
    }
}

void TFDefOffset::Load_Slave_DN()
{
    Set_Item_Rows(*ACG_DN_Slaves, 0);
    const std::optional<TDNet_File> file = Read_DNet_File(File_DNETM_Net);
    if (!file)
        return;
    Set_Item_Rows(*ACG_DN_Slaves, static_cast<int>(file->Rows.size()));
    int r = 1;
    for (const TDNet_Row& row : file->Rows) {
        const std::optional<QString>* cells[] = {&row.ID, &row.NB_IN, &row.NB_OUT, &row.Mnemonic};
        const char* names[] = {"ID", "NB_IN", "NB_OUT", "Mnemonic"};
        for (int c = 0; c < 4; ++c) {
            if (!*cells[c])
                Missing_Attribute(File_Name(File_DNETM_Net), names[c]);
            ACG_DN_Slaves->SetCells(c, r, **cells[c]);
        }
        TSlave_DN slave;
        slave.ID = Strict_Number(row.ID, "ID", 255);
        slave.ByteIN = Strict_Number(row.NB_IN, "NB_IN", 65535);
        slave.ByteOUT = Strict_Number(row.NB_OUT, "NB_OUT", 65535);
        for (int k = 0; k < slave.ByteIN; ++k) {
            slave.SL_ByteIN.append(None);
            slave.SL_ByteIN_M.append(QString());
        }
        for (int k = 0; k < slave.ByteOUT; ++k) {
            slave.SL_ByteOUT.append(None);
            slave.SL_ByteOUT_M.append(QString());
        }
        List_Slaves_DN.push_back(std::move(slave));
        ++r;
    }
}

void TFDefOffset::Load_Offset_Slave_DN()
{
    const std::optional<TDefOff_File> file = Read_DefOff_File(File_DNETM_DefOff);
    if (!file)
        return;
    for (size_t j = 0; j < file->Nodes.size() && j < List_Slaves_DN.size(); ++j) {
        TSlave_DN& slave = List_Slaves_DN[j];
        Read_Bytes(file->Nodes[j].Byte_In, "ByteIN", slave.ByteIN, slave.SL_ByteIN, slave.SL_ByteIN_M);
        Read_Bytes(file->Nodes[j].Byte_Out, "ByteOUT", slave.ByteOUT, slave.SL_ByteOUT, slave.SL_ByteOUT_M);
    }
}

void TFDefOffset::Select_First()
{
    if (List_Slaves_DN.empty()) {
        Slave_Before_Select = -1;
        Update_Slave_DN();
        return;
    }
    ACG_DN_Slaves->SetRow(1);
    ACG_DN_SlavesClick(ACG_DN_Slaves);
}

void TFDefOffset::ACG_DN_SlavesClick(TObject*)
{
    if (Slave_Before_Select >= 0)
        Save_Data_ByteIN_ByteOUT();
    const int row = ACG_DN_Slaves->Row();
    ACG_DN_Slaves->SetSelection({0, row, ACG_DN_Slaves->ColCount() - 1, row});
    Slave_Before_Select = row - 1 < static_cast<int>(List_Slaves_DN.size()) ? row - 1 : -1;
    Update_Slave_DN();
}

void TFDefOffset::Fill_Byte_Grid(TVoColumnGrid& grid, const QStringList& positions, const QStringList& mnemonics)
{
    Set_Item_Rows(grid, static_cast<int>(positions.size()));
    for (qsizetype i = 0; i < positions.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        grid.SetCells(0, r, QString::number(i));
        grid.SetCells(1, r, positions[i]);
        grid.SetCells(2, r, mnemonics[i]);
    }
}

void TFDefOffset::Update_Slave_DN()
{
    static const QStringList empty;
    const TSlave_DN* slave =
        Slave_Before_Select >= 0 ? &List_Slaves_DN[static_cast<size_t>(Slave_Before_Select)] : nullptr;
    Fill_Byte_Grid(*ACG_ByteIN, slave ? slave->SL_ByteIN : empty, slave ? slave->SL_ByteIN_M : empty);
    Fill_Byte_Grid(*ACG_ByteOUT, slave ? slave->SL_ByteOUT : empty, slave ? slave->SL_ByteOUT_M : empty);
}

void TFDefOffset::Store_Byte_Grid(TVoColumnGrid& grid, QStringList& positions, QStringList& mnemonics) const
{
    for (qsizetype i = 0; i < positions.size(); ++i) {
        positions[i] = grid.Cells(1, static_cast<int>(i) + 1);
        mnemonics[i] = grid.Cells(2, static_cast<int>(i) + 1);
    }
}

bool TFDefOffset::Save_Data_ByteIN_ByteOUT()
{
    if (Slave_Before_Select < 0)
        return true;
    TSlave_DN& slave = List_Slaves_DN[static_cast<size_t>(Slave_Before_Select)];
    Store_Byte_Grid(*ACG_ByteIN, slave.SL_ByteIN, slave.SL_ByteIN_M);
    Store_Byte_Grid(*ACG_ByteOUT, slave.SL_ByteOUT, slave.SL_ByteOUT_M);
    return true;
}

void TFDefOffset::Reset_Array_Check()
{
    Check_Byte_Offset.fill({-1, -1});
}

bool TFDefOffset::Check_Data()
{
    Reset_Array_Check();
    const auto outOfRange = [](int text, int id, int byte) {
        MessageDlg(Lang_Text[text] + QStringLiteral("\n\r( ") + Lang_Text[Text_ID] + QString::number(id) +
                       Lang_Text[Text_Byte] + QString::number(byte) + QStringLiteral(")"),
                   mtError, mbOK);
        return false;
    };
    for (const TSlave_DN& slave : List_Slaves_DN) {
        // "None" and texts that are not numbers leave a byte unplaced, as in the compiled image.
        for (qsizetype i = 0; i < slave.SL_ByteIN.size(); ++i)
            if (Table_Cell_Number(slave.SL_ByteIN[i]) >= Positions)
                return outOfRange(Text_In_Range, slave.ID, static_cast<int>(i));
        for (qsizetype i = 0; i < slave.SL_ByteOUT.size(); ++i) {
            const int position = Table_Cell_Number(slave.SL_ByteOUT[i]);
            if (position < 0)
                continue;
            if (position >= Positions)
                return outOfRange(Text_Out_Range, slave.ID, static_cast<int>(i));
            std::pair<int, int>& user = Check_Byte_Offset[static_cast<size_t>(position)];
            if (user.first >= 0) {
                MessageDlg(Lang_Text[Text_Out_Twice] + QStringLiteral("\n\r( ") + Lang_Text[Text_First_ID] +
                               QString::number(user.first) + Lang_Text[Text_Byte] + QString::number(user.second) +
                               Lang_Text[Text_Second_ID] + QString::number(slave.ID) + Lang_Text[Text_Second_Byte] +
                               QString::number(i) + QStringLiteral(")"),
                           mtError, mbOK);
                return false;
            }
            user = {slave.ID, static_cast<int>(i)};
        }
    }
    return true;
}

bool TFDefOffset::Controllo_dati()
{
    Save_Data_ByteIN_ByteOUT();
    return Check_Data();
}

void TFDefOffset::Save_Offset_Slave_DN()
{
    TDefOff_File file;
    for (const TSlave_DN& slave : List_Slaves_DN)
        file.Nodes.push_back(
            {Bytes_Of(slave.SL_ByteIN, slave.SL_ByteIN_M), Bytes_Of(slave.SL_ByteOUT, slave.SL_ByteOUT_M)});
    Write_DefOff_File(File_DNETM_DefOff, file);
}
