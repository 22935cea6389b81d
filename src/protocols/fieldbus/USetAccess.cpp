#include "protocols/fieldbus/USetAccess.h"

#include "grid/VoCGrid/VoCGrid.h"
#include "shell/UComon.h"

namespace {

using L = TModbus_List;

constexpr TModbus_Column_Design Read_Columns[] = {
    {40, edNormal},
    {50, edDataCheckBox},
    {60, edNormal},
    {115, edComboList, L::Read_Types},
    {60, edNormal},
    {64, edNormal},
    {64, edNormal},
    {64, edNormal},
    {61, edComboList, L::Positions},
    {64, edComboList, L::Bits},
    {40, edDataCheckBox},
    {80, edDataCheckBox},
    {120, edComboList},
    {120, edNormal},
};
constexpr TModbus_Column_Design Write_Columns[] = {
    {40, edNormal},
    {50, edDataCheckBox},
    {60, edNormal},
    {115, edComboList, L::Write_Types},
    {60, edNormal},
    {64, edNormal},
    {64, edNormal},
    {68, edDataCheckBox},
    {56, edDataCheckBox},
    {64, edNormal},
    {64, edComboList, L::Positions},
    {64, edComboList, L::Bits},
    {40, edDataCheckBox},
    {80, edDataCheckBox},
    {113, edNormal},
};

constexpr TTable_Column Read_File[] = {
    {1, "Enable", "Y"},    {2, "Slave_ID"},         {3, "Type"},      {4, "Address"}, {5, "NPoint"},
    {6, "PollTime"},       {7, "MaxError"},         {8, "Position"},  {9, "Bit"},     {10, "Swap", "N"},
    {11, "SwapWord", "N"}, {12, "Index_Topic", ""}, {13, "Mnemonic"},
};
constexpr TTable_Column Write_File[] = {
    {1, "Enable", "Y"}, {2, "Slave_ID"},   {3, "Type"},           {4, "Address"},   {5, "NPoint"},
    {6, "PollTime"},    {7, "OnChange"},   {8, "OnCMD", "N"},     {9, "MaxError"},  {10, "Position"},
    {11, "Bit"},        {12, "Swap", "N"}, {13, "SwapWord", "N"}, {14, "Mnemonic"},
};

const TModbus_Table_Design Read_Design{
    "ACG_Modbus_Read", Read_Columns, Read_File, {true, -1, -1,   2,    3,    4,    5,    6,    7,    8,    9,
                                                 0,    0,  1769, 1770, 1771, 1772, 1773, 1774, 1775, 1776, 1777}};
const TModbus_Table_Design Write_Design{
    "ACG_Modbus_Write", Write_Columns, Write_File, {false, -1, -1,   2,    3,    4,    5,    6,    9,    10,   11,
                                                    0,     0,  1779, 1780, 1781, 1782, 1783, 1784, 1785, 1786, 1787}};

constexpr int Read_Headers[] = {1716, 1717, 1718, 1719, 1720, 1721, 1722, 1723, 1724, 1725, 1726, 1790, 1742, 1727};
constexpr int Write_Headers[] = {1728, 1729, 1730, 1731, 1732, 1733, 1734, 1735,
                                 1736, 1737, 1738, 1739, 1740, 1791, 1741};
constexpr int Read_Hints[] = {1743, 1744, 1745, 1746, 1747, 1748, 1749, 1750, 1751, 1752, 1792, 1753, 1754};
constexpr int Write_Hints[] = {1755, 1756, 1757, 1758, 1759, 1760, 1761, 1762, 1763, 1764, 1765, 1766, 1793, 1767};

}  // namespace

TFSetAccess::TFSetAccess(TComponent* AOwner)
    : TModbus_Master_Editor(AOwner, 1700, 1040, Read_Design, Write_Design, File_ModbusM_SetAccess,
                            "EtherNetIP_to_Modbus",
                            {1768, 1788, 1714, Read_Headers, Write_Headers, Read_Hints, Write_Hints})
{
    Name = QStringLiteral("FSetAccess");
    // The hint lists hold every real column, the hidden Topic column too.
    Table(0).Hint_By_Real_Column = true;
    Table(1).Hint_By_Real_Column = true;
    ACG_Modbus_Read->OnComboChange = [this](TObject*, int ACol, int ARow, int AItemIndex, const QString&) {
        ComboChange(ACol, ARow, AItemIndex);
    };
}

void TFSetAccess::Prepare()
{
    TModbus_Master_Editor::Prepare();
    ComboItem_Topic.assign(Grid_Rows, -1);
}

int TFSetAccess::Get_Index_From_Topic(const QString& topic, int remembered) const
{
    if (remembered >= 0 && remembered < List_Publish_Topic.Count() && List_Publish_Topic[remembered] == topic)
        return remembered;
    return List_Publish_Topic.IndexOf(topic);
}

void TFSetAccess::ComboChange(int ACol, int ARow, int AItemIndex)
{
    if (ACol >= 0 && ACol < ACG_Modbus_Read->ColCount() && ACG_Modbus_Read->RealColIndex(ACol) == Topic_Column() &&
        ARow >= 1 && ARow <= static_cast<int>(ComboItem_Topic.size()))
        ComboItem_Topic[static_cast<size_t>(ARow - 1)] = AItemIndex;
}

QString TFSetAccess::Loaded_Topic(int row, const std::optional<QString>& attribute)
{
    if (!attribute)
        return QString();
    const int index = Table_Cell_Number(*attribute);
    ComboItem_Topic[static_cast<size_t>(row - 1)] = index;
    return Get_Topic_From_Index(index);
}

QString TFSetAccess::Saved_Topic(int row, const QString& cell) const
{
    // The Topic column is hidden at every showing: nothing is saved for it.
    if (ACG_Modbus_Read->IsHiddenColumn(Topic_Column()))
        return QString();
    return QString::number(Get_Index_From_Topic(cell, ComboItem_Topic[static_cast<size_t>(row - 1)]));
}
