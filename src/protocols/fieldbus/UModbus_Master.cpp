#include "protocols/fieldbus/UModbus_Master.h"

#include "grid/VoCGrid/VoCGrid.h"
#include "shell/UComon.h"
#include "shell/ULanguage.h"

#include <QFileInfo>
#include <algorithm>

namespace {

constexpr int Poll_Time_Max = 100000000;

bool In_Range(const QString& text, qint64 low, qint64 high)
{
    const int value = Table_Cell_Number(text);
    return value >= low && value <= high;
}

TStringList List_Of(TModbus_List list)
{
    TStringList items;
    switch (list) {
    case TModbus_List::Read_Types:
        for (const char* type : {"Coil Status", "Input Status", "Holding Register", "Input Register"})
            items.Add(QString::fromLatin1(type));
        break;
    case TModbus_List::Write_Types:
        items.Add(QStringLiteral("Coil Status"));
        items.Add(QStringLiteral("Holding Register"));
        break;
    case TModbus_List::Bits:
        for (int b = 0; b < 8; ++b)
            items.Add(QString::number(b));
        break;
    case TModbus_List::Positions:
    case TModbus_List::None:
        break;
    }
    return items;
}

}  // namespace

TModbus_Failure Check_Modbus_Row(VOroDavoduRuzu& grid, int row, const TModbus_Rules& rules, int imageBytes)
{
    const auto cell = [&grid, row](int column) { return grid.Cells(column, row); };
    if (rules.IP >= 0 && TModbus_Master_Editor::Check_IP_Address(cell(rules.IP)))
        return {rules.Text_IP, QString()};
    if (rules.Port >= 0 && !In_Range(cell(rules.Port), 0, 65535))
        return {rules.Text_Port, QString()};
    if (!In_Range(cell(rules.Slave_ID), 1, 247))
        return {rules.Text_Slave_ID, QString()};
    const QString type = cell(rules.Type).trimmed().toUpper();
    if (type.isEmpty())
        return {rules.Text_Type, QString()};
    const bool bits = type == u"COIL STATUS" || (rules.Read && type == u"INPUT STATUS");
    if (!In_Range(cell(rules.Address), 0, 65535))
        return {rules.Text_Address, QString()};
    const int points = rules.Read ? (bits ? 2000 : 125) : (bits ? 1968 : 123);
    if (!In_Range(cell(rules.NPoint), 1, points))
        return {rules.Text_NPoint, QString::number(points)};
    if (!In_Range(cell(rules.Poll_Time), rules.Read ? 1 : 0, Poll_Time_Max))
        return {rules.Text_Poll_Time, QString()};
    if (!In_Range(cell(rules.Max_Error), 0, Poll_Time_Max))
        return {rules.Text_Max_Error, QString()};
    if (!In_Range(cell(rules.Position), 0, imageBytes - 1))
        return {rules.Text_Position, QString::number(imageBytes - 1)};
    const qint64 position = Table_Cell_Number(cell(rules.Position));
    const qint64 count = Table_Cell_Number(cell(rules.NPoint));
    qint64 last = position + 2 * count - 1;
    if (bits) {
        if (cell(rules.Bit).trimmed().isEmpty())
            return {rules.Text_Bit, QString()};
        const qint64 bit = Table_Cell_Value(cell(rules.Bit)).value_or(0);
        // Pascal's div: the quotient truncated toward zero.
        last = position + (count + bit - 1) / 8;
    }
    if (last >= imageBytes)
        return {rules.Text_Too_Many, QString()};
    return {};
}

TModbus_Master_Editor::TModbus_Master_Editor(TComponent* AOwner, int textBase, int clientWidth,
                                             const TModbus_Table_Design& read, const TModbus_Table_Design& write,
                                             const QString& file, const char* root, const TTexts& texts)
    : TTable_Editor(AOwner, textBase, clientWidth, 337),
      texts_(texts),
      read_(read),
      write_(write),
      file_(file),
      root_(root)
{
    List_Publish_Topic.CaseSensitive = true;
    ACG_Modbus_Read = New_Grid(read);
    ACG_Modbus_Write = New_Grid(write);
    TS_Modbus_Read = Table(0).Sheet;
    TS_Modbus_Write = Table(1).Sheet;
    TS_Modbus_Read->Name = QStringLiteral("TS_Modbus_Read");
    TS_Modbus_Write->Name = QStringLiteral("TS_Modbus_Write");
}

TVoColumnGrid* TModbus_Master_Editor::New_Grid(const TModbus_Table_Design& design)
{
    auto* grid = new TVoColumnGrid(this);
    grid->Name = QString::fromLatin1(design.Name);
    grid->SetColCount(static_cast<int>(design.Columns.size()));
    grid->SetRowCount(Grid_Rows + 1);
    grid->SetFixedRows(1);
    grid->SetFixedCols(1);
    grid->SetOptions(grid->Options() | goEditing);
    for (int c = 0; c < static_cast<int>(design.Columns.size()); ++c) {
        const TModbus_Column_Design& column = design.Columns[static_cast<size_t>(c)];
        TGridColumnItem* item = grid->Columns().Items(c);
        item->SetWidth(column.Width);
        if (c > 0)
            item->SetEditor(static_cast<TEditorType>(column.Editor));
        if (column.Editor == edDataCheckBox)
            item->SetAlignment(taCenter);
        item->SetComboItems(List_Of(column.List));
    }
    TTable& table = Add_Table(grid, true);
    table.Has_Enable = true;
    table.Key_Column = 2;
    return grid;
}

void TModbus_Master_Editor::Set_Lang()
{
    TTable_Editor::Set_Lang();
    TS_Modbus_Read->SetCaption(Lang_Text[texts_.Pages]);
    TS_Modbus_Write->SetCaption(Lang_Text[texts_.Pages + 1]);
    const auto headers = [](TVoColumnGrid& grid, std::span<const int> texts) {
        for (int c = 0; c < static_cast<int>(texts.size()); ++c)
            grid.Columns().Items(c)->SetHeader(Lang_Text[texts[static_cast<size_t>(c)]]);
    };
    headers(*ACG_Modbus_Read, texts_.Read_Headers);
    headers(*ACG_Modbus_Write, texts_.Write_Headers);
    const auto hints = [](TStringList& list, std::span<const int> texts) {
        list.Clear();
        for (int text : texts)
            list.Add(Lang_Text[text]);
    };
    hints(Table(0).Hints, texts_.Read_Hints);
    hints(Table(1).Hints, texts_.Write_Hints);
}

void TModbus_Master_Editor::Prepare()
{
    if (!ACG_Modbus_Read->IsHiddenColumn(Topic_Column()))
        ACG_Modbus_Read->HideColumn(Topic_Column());
    NByte_IN = Image_Bytes;
    NByte_OUT = Image_Bytes;
    const auto positions = [](TVoColumnGrid& grid, const TModbus_Table_Design& design, int bytes) {
        TStringList items;
        for (int p = 0; p < bytes; ++p)
            items.Add(QString::number(p));
        grid.Columns().Items(design.Rules.Position)->SetComboItems(items);
    };
    positions(*ACG_Modbus_Read, read_, NByte_IN);
    positions(*ACG_Modbus_Write, write_, NByte_OUT);
}

void TModbus_Master_Editor::Load_File()
{
    const TTable_Layout layouts[] = {{"Modbus_Read", read_.File_Columns}, {"Modbus_Write", write_.File_Columns}};
    std::optional<std::vector<TTable_Rows>> tables = Read_Table_File(file_, layouts);
    if (!tables)
        return;
    // The Topic cell shows the topic the saved index names.
    const size_t topic = read_.File_Columns.size() - 2;
    TTable_Rows& read = (*tables)[0];
    for (size_t i = 0; i < read.size() && i < size_t(Grid_Rows); ++i)
        read[i][topic] = Loaded_Topic(static_cast<int>(i) + 1, read[i][topic]);
    const QString name = QFileInfo(file_).fileName();
    Fill_Table(Table(0), read, read_.File_Columns, name);
    Fill_Table(Table(1), (*tables)[1], write_.File_Columns, name);
}

void TModbus_Master_Editor::Save_File()
{
    const TTable_Layout layouts[] = {{"Modbus_Read", read_.File_Columns}, {"Modbus_Write", write_.File_Columns}};
    std::vector<TTable_Rows> tables{Table_Rows(Table(0), read_.File_Columns),
                                    Table_Rows(Table(1), write_.File_Columns)};
    const size_t topic = read_.File_Columns.size() - 2;
    for (size_t i = 0; i < tables[0].size(); ++i)
        tables[0][i][topic] = Saved_Topic(static_cast<int>(i) + 1, tables[0][i][topic].value_or(QString()));
    Write_Table_File(file_, QString::fromLatin1(root_), layouts, tables);
}

bool TModbus_Master_Editor::Controllo_dati()
{
    const struct {
        int Table;
        const TModbus_Rules& Rules;
        int Bytes;
    } pages[] = {{0, read_.Rules, NByte_IN}, {1, write_.Rules, NByte_OUT}};
    for (const auto& page : pages) {
        TTable& table = Table(page.Table);
        const int used = Used_Rows(table);
        for (int r = 1; r <= used; ++r) {
            if (!Enabled(*table.Grid, r))
                continue;
            const TModbus_Failure failure = Check_Modbus_Row(*table.Grid, r, page.Rules, page.Bytes);
            if (failure.Text) {
                Row_Error(texts_.Row_Prefix, r, failure.Text, failure.Bound);
                return false;
            }
        }
    }
    return true;
}

bool TModbus_Master_Editor::Check_IP_Address(const QString& text)
{
    if (text.isEmpty())
        return true;
    // Cut at the first three dots; the fourth part is the whole rest. Parts are read as cells are.
    QStringView rest(text);
    for (int part = 0; part < 4; ++part) {
        const qsizetype dot = part < 3 ? rest.indexOf(u'.') : rest.size();
        if (dot < 0 || !In_Range(rest.left(dot).toString(), 0, 255))
            return true;
        rest = rest.mid(std::min(dot + 1, rest.size()));
    }
    return false;
}

QString TModbus_Master_Editor::Get_Topic_From_Index(int index) const
{
    return index >= 0 && index < List_Publish_Topic.Count() ? List_Publish_Topic[index] : QString();
}

QString TModbus_Master_Editor::Delete_Question(int row) const
{
    return Lang_Text[texts_.Delete_Question] + QString::number(row);
}
