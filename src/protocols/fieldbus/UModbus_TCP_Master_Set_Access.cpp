#include "protocols/fieldbus/UModbus_TCP_Master_Set_Access.h"

#include "grid/VoCGrid/VoCGrid.h"
#include "shell/UComon.h"
#include "shell/ULanguage.h"

namespace {

using L = TModbus_List;

constexpr TModbus_Column_Design Read_Columns[] = {
    {40, edNormal},
    {50, edDataCheckBox},
    {101, edNormal},
    {45, edNormal},
    {55, edNormal},
    {100, edComboList, L::Read_Types},
    {55, edNormal},
    {45, edNormal},
    {60, edNormal},
    {64, edNormal},
    {60, edComboList, L::Positions},
    {60, edComboList, L::Bits},
    {40, edDataCheckBox},
    {80, edDataCheckBox},
    {120, edComboList},
    {140, edNormal},
};
constexpr TModbus_Column_Design Write_Columns[] = {
    {40, edNormal},
    {50, edDataCheckBox},
    {101, edNormal},
    {45, edNormal},
    {55, edNormal},
    {100, edComboList, L::Write_Types},
    {55, edNormal},
    {45, edNormal},
    {60, edNormal},
    {66, edDataCheckBox},
    {56, edDataCheckBox},
    {62, edNormal},
    {55, edComboList, L::Positions},
    {55, edComboList, L::Bits},
    {40, edDataCheckBox},
    {80, edDataCheckBox},
    {150, edNormal},
};

constexpr TTable_Column Read_File[] = {
    {1, "Enable", "Y"}, {2, "IP_Address"}, {3, "Port"},           {4, "Slave_ID"},         {5, "Type"},
    {6, "Address"},     {7, "NPoint"},     {8, "PollTime"},       {9, "MaxError"},         {10, "Position"},
    {11, "Bit"},        {12, "Swap", "N"}, {13, "SwapWord", "N"}, {14, "Index_Topic", ""}, {15, "Mnemonic"},
};
constexpr TTable_Column Write_File[] = {
    {1, "Enable", "Y"}, {2, "IP_Address"},  {3, "Port"},           {4, "Slave_ID"},
    {5, "Type"},        {6, "Address"},     {7, "NPoint"},         {8, "PollTime"},
    {9, "OnChange"},    {10, "OnCMD", "N"}, {11, "MaxError"},      {12, "Position"},
    {13, "Bit"},        {14, "Swap", "N"},  {15, "SwapWord", "N"}, {16, "Mnemonic"},
};

const TModbus_Table_Design Read_Design{
    "ACG_Modbus_Read", Read_Columns, Read_File, {true, 2,    3,    4,    5,    6,    7,    8,    9,    10,   11,
                                                 1839, 1840, 1841, 1842, 1843, 1844, 1899, 1846, 1847, 1848, 1849}};
const TModbus_Table_Design Write_Design{
    "ACG_Modbus_Write", Write_Columns, Write_File, {false, 2,    3,    4,    5,    6,    7,    8,    11,   12,   13,
                                                    1850,  1851, 1852, 1853, 1854, 1855, 1856, 1857, 1858, 1859, 1860}};

constexpr int Read_Headers[] = {1808, 1809, 1810, 1811, 1812, 1813, 1814, 1815,
                                1816, 1817, 1818, 1819, 1820, 1900, 1862, 1821};
constexpr int Write_Headers[] = {1822, 1823, 1824, 1825, 1826, 1827, 1828, 1829, 1830,
                                 1831, 1832, 1833, 1834, 1835, 1836, 1901, 1837};
constexpr int Read_Hints[] = {1869, 1870, 1871, 1872, 1873, 1874, 1875, 1876, 1877, 1878, 1879, 1880, 1902, 1881, 1882};
// The read hints at a showing: the columns as shown, without the hidden Topic column.
constexpr int Shown_Read_Hints[] = {1869, 1870, 1871, 1872, 1873, 1874, 1875, 1876, 1877, 1878, 1879, 1880, 1902, 1882};
constexpr int Write_Hints[] = {1883, 1884, 1885, 1886, 1887, 1888, 1889, 1890,
                               1891, 1892, 1893, 1894, 1895, 1896, 1903, 1897};

constexpr int Button_Hints = 1863;

}  // namespace

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(TComponent* AOwner)
    : TModbus_Master_Editor(AOwner, 1800, 1150, Read_Design, Write_Design, File_ModbusTCPM_SetAccess,
                            "PROFINET_Master_to_Modbus_TCP_Master",
                            {1838, 1861, 1806, Read_Headers, Write_Headers, Read_Hints, Write_Hints})
{
    Name = QStringLiteral("FModbus_TCP_Master_Set_Access");
}

void TFModbus_TCP_Master_Set_Access::Set_Lang()
{
    TModbus_Master_Editor::Set_Lang();
    // Captions of OK to Insert Row from the block; Copy and Paste Row keep their own.
    TOdButton* const buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int i = 0; i < 6; ++i) {
        if (i < 4)
            buttons[i]->SetCaption(Lang_Text[textBase_ + 2 + i]);
        buttons[i]->Hint = Lang_Text[Button_Hints + i];
    }
    Btn_CopyRow->SetCaption(QStringLiteral("Copy Row"));
    Btn_PasteRow->SetCaption(QStringLiteral("Paste Row"));
}

void TFModbus_TCP_Master_Set_Access::Prepare()
{
    TStringList& hints = Table(0).Hints;
    hints.Clear();
    for (int text : Shown_Read_Hints)
        hints.Add(Lang_Text[text]);
    TModbus_Master_Editor::Prepare();
}

QString TFModbus_TCP_Master_Set_Access::Loaded_Topic(int, const std::optional<QString>& attribute)
{
    return attribute ? Get_Topic_From_Index(Table_Cell_Number(*attribute)) : QString();
}

QString TFModbus_TCP_Master_Set_Access::Saved_Topic(int, const QString& cell) const
{
    return QString::number(Get_Index_From_Topic(cell));
}
