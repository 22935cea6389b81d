#include "gateway/UDNet.h"

#include "gateway/ProjectModel.h"
#include "grid/VoCGrid/VoCGrid.h"
#include "shell/UComon.h"
#include "shell/ULanguage.h"

#include <QFileInfo>
#include <array>

namespace {

constexpr int Text_Base = 2900;
constexpr int Text_Header = 2914;
constexpr int Text_Hint = 2919;
constexpr int Text_Row_Error = 2923;
constexpr int Text_ID = 2924;
constexpr int Text_NB_IN = 2925;
constexpr int Text_NB_OUT = 2926;
constexpr int Text_ID_Used = 2928;
constexpr int Text_Total_IN = 2929;
constexpr int Text_Total_OUT = 2930;

// The data bank places each slave's bytes after the earlier slaves' bytes, at 16-bit starts.
constexpr int Max_Total_Bytes = 65535;

constexpr int Column_Widths[] = {45, 100, 100, 100, 375};

// The saved columns 1 to 4 and their attributes; none has a default.
constexpr std::optional<QString> TDNet_Row::*Columns[] = {&TDNet_Row::ID, &TDNet_Row::NB_IN, &TDNet_Row::NB_OUT,
                                                          &TDNet_Row::Mnemonic};
constexpr const char* Attributes[] = {"ID", "NB_IN", "NB_OUT", "Mnemonic"};

}  // namespace

TFDNet::TFDNet(TComponent* AOwner) : TTable_Editor(AOwner, Text_Base, 745, 337)
{
    Name = QStringLiteral("FDNet");
    VSG = new TVoColumnGrid(this);
    VSG->Name = QStringLiteral("VSG");
    VSG->SetRowCount(Table_Rows + 1);
    VSG->SetColCount(5);
    VSG->SetFixedRows(1);
    VSG->SetFixedCols(1);
    VSG->SetOptions(VSG->Options() | goEditing);
    for (int c = 0; c < 5; ++c)
        VSG->Columns().Items(c)->SetWidth(Column_Widths[c]);
    TTable& table = Add_Table(VSG, false);
    // The ID is the key, tested as it stands: a blank counts as filled.
    table.Key_Column = 1;
    table.Trim_Key = false;
}

void TFDNet::Set_Lang()
{
    TTable_Editor::Set_Lang();
    for (int c = 0; c < 5; ++c)
        VSG->SetCells(c, 0, Lang_Text[Text_Header + c]);
    TStringList& hints = Table(0).Hints;
    hints.Clear();
    for (int i = 0; i < 4; ++i)
        hints.Add(Lang_Text[Text_Hint + i]);
}

void TFDNet::Load_File()
{
    const std::optional<TDNet_File> file = Read_DNet_File(File_DNETM_Net);
    if (!file)
        return;
    const int rows = std::min(static_cast<int>(file->Rows.size()), Table_Rows);
    for (int i = 0; i < rows; ++i)
        for (int c = 0; c < 4; ++c) {
            const std::optional<QString>& value = file->Rows[static_cast<size_t>(i)].*Columns[c];
            if (!value)
                Missing_Attribute(QFileInfo(File_DNETM_Net).fileName(), Attributes[c]);
            VSG->SetCells(c + 1, i + 1, *value);
        }
    Report_Ignored_Rows(static_cast<int>(file->Rows.size()) - rows);
}

bool TFDNet::Controllo_dati()
{
    struct TRule {
        int Column, Max, Text;
    };
    const TRule rules[] = {{1, 63, Text_ID}, {2, 65535, Text_NB_IN}, {3, 65535, Text_NB_OUT}};
    const int used = Used_Rows(Table(0));
    for (int r = 1; r <= used; ++r)
        for (const TRule& rule : rules) {
            const int value = Table_Cell_Number(VSG->Cells(rule.Column, r));
            if (value < 0 || value > rule.Max) {
                Row_Error(Text_Row_Error, r, rule.Text);
                return false;
            }
        }
    return Check_Whole_Table(used);
}

bool TFDNet::Check_Whole_Table(int used)
{
    std::array<int, 64> rowOfId{};
    int totalIn = 0;
    int totalOut = 0;
    for (int r = 1; r <= used; ++r) {
        int& first = rowOfId[static_cast<size_t>(Table_Cell_Number(VSG->Cells(1, r)))];
        if (first > 0) {
            Row_Error(Text_Row_Error, r, Text_ID_Used, QString::number(first));
            return false;
        }
        first = r;
        // Each count is at most 65535 and the running totals stay below twice that.
        totalIn += Table_Cell_Number(VSG->Cells(2, r));
        totalOut += Table_Cell_Number(VSG->Cells(3, r));
        const int text = totalIn > Max_Total_Bytes ? Text_Total_IN : totalOut > Max_Total_Bytes ? Text_Total_OUT : 0;
        if (text != 0) {
            Row_Error(Text_Row_Error, r, text, QString::number(Max_Total_Bytes));
            return false;
        }
    }
    return true;
}

void TFDNet::Save_File()
{
    TDNet_File file;
    const int used = Used_Rows(Table(0));
    for (int r = 1; r <= used; ++r) {
        TDNet_Row& row = file.Rows.emplace_back();
        for (int c = 0; c < 4; ++c)
            row.*Columns[c] = VSG->Cells(c + 1, r);
    }
    Write_DNet_File(File_DNETM_Net, file);
}
