#include "protocols/fieldbus/UDMXDefVal.h"

#include "grid/VoCGrid/VoCGrid.h"
#include "platform/XmlDocument.h"
#include "shell/UComon.h"
#include "shell/ULanguage.h"

#include <QFileInfo>

namespace {

constexpr int Text_Base = 3100;
constexpr int Text_Headers = 3106;
constexpr int Text_Hints = 3109;
constexpr int Text_Row_Error = 3111;
constexpr int Text_Range = 3112;

constexpr TTable_Column File_Columns[] = {{1, "Default_Value", "0"}, {2, "Mnemonic", ""}};
constexpr TTable_Layout Layout[] = {{nullptr, File_Columns, "Row"}};

}  // namespace

TFDMXDefVal::TFDMXDefVal(TComponent* AOwner) : TTable_Editor(AOwner, Text_Base, 475, 337, false)
{
    Name = QStringLiteral("FDMXDefVal");
    ACG_DMX_Def_Val = new TVoColumnGrid(this);
    ACG_DMX_Def_Val->Name = QStringLiteral("ACG_DMX_Def_Val");
    ACG_DMX_Def_Val->SetColCount(3);
    ACG_DMX_Def_Val->SetRowCount(Default_Channels + 1);
    ACG_DMX_Def_Val->SetFixedRows(1);
    ACG_DMX_Def_Val->SetFixedCols(1);
    ACG_DMX_Def_Val->SetOptions(ACG_DMX_Def_Val->Options() | goEditing);
    const int widths[] = {100, 100, 250};
    for (int c = 0; c < 3; ++c)
        ACG_DMX_Def_Val->Columns().Items(c)->SetWidth(widths[c]);
    Add_Table(ACG_DMX_Def_Val, false);
}

void TFDMXDefVal::Set_Lang()
{
    TTable_Editor::Set_Lang();
    for (int c = 0; c < 3; ++c)
        ACG_DMX_Def_Val->SetCells(c, 0, Lang_Text[Text_Headers + c]);
    TStringList& hints = Table(0).Hints;
    hints.Clear();
    hints.Add(Lang_Text[Text_Hints]);
    hints.Add(Lang_Text[Text_Hints + 1]);
}

int TFDMXDefVal::Channel_Count()
{
    if (!QFileInfo::exists(File_ParGen))
        return Default_Channels;
    XmlDocument doc;
    if (!doc.Load(File_ParGen))
        return Default_Channels;
    const int count = Table_Cell_Number(doc.Root().Child(u"DMX_Num_Channels").Text());
    // A count the general parameters would refuse gives the full universe.
    return count >= Min_Channels && count <= Default_Channels ? count : Default_Channels;
}

void TFDMXDefVal::Prepare()
{
    // The grid follows the channel count; the rows are reset after it is known.
    ACG_DMX_Def_Val->SetRowCount(Channel_Count() + 1);
    Reset_Table(Table(0));
}

void TFDMXDefVal::Reset_Table(TTable& table)
{
    VOroDavoduRuzu& grid = *table.Grid;
    for (int r = 1; r < grid.RowCount(); ++r) {
        grid.SetCells(0, r, QString::number(r));
        grid.SetCells(1, r, QStringLiteral("0"));
        grid.SetCells(2, r, QString());
    }
}

void TFDMXDefVal::Load_File()
{
    std::optional<std::vector<TTable_Rows>> tables = Read_Table_File(File_DMX_Default_Values, Layout);
    if (!tables)
        return;
    // Rows beyond the channels are dropped without a word: the channel count decides.
    TTable_Rows& rows = (*tables)[0];
    if (rows.size() > static_cast<size_t>(ACG_DMX_Def_Val->RowCount() - 1))
        rows.resize(static_cast<size_t>(ACG_DMX_Def_Val->RowCount() - 1));
    Fill_Table(Table(0), rows, File_Columns, QFileInfo(File_DMX_Default_Values).fileName());
}

bool TFDMXDefVal::Controllo_dati()
{
    for (int r = 1; r < ACG_DMX_Def_Val->RowCount(); ++r) {
        const int value = Table_Cell_Number(ACG_DMX_Def_Val->Cells(1, r));
        if (value < 0 || value > 255) {
            Row_Error(Text_Row_Error, r, Text_Range);
            return false;
        }
    }
    return true;
}

void TFDMXDefVal::Save_File()
{
    std::vector<TTable_Rows> tables(1);
    for (int r = 1; r < ACG_DMX_Def_Val->RowCount(); ++r)
        tables[0].push_back({ACG_DMX_Def_Val->Cells(1, r), ACG_DMX_Def_Val->Cells(2, r)});
    Write_Table_File(File_DMX_Default_Values, QStringLiteral("DMX_Default_Values"), Layout, tables);
}
