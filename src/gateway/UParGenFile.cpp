#include "gateway/UParGenFile.h"

#include "gateway/ProjectFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

using K = TParGen_Kind;

const std::array<TParGen_Key_Info, ParGen_Editor_Key_Count> Keys{{
    {K::Text, ""},    {K::Check, "0"},          {K::Check, "0"},  {K::Check, "0"},  {K::Text, "8"},   {K::Text, "8"},
    {K::Text, "8"},   {K::Text, "8"},           {K::Text, "8"},   {K::Text, "8"},   {K::Text, "4"},   {K::Text, "4"},
    {K::Text, "0"},   {K::Text, "devicename1"}, {K::Text, "1"},   {K::Text, "0"},   {K::Index, "2"},  {K::Text, "192"},
    {K::Text, "168"}, {K::Text, "0"},           {K::Text, "5"},   {K::Text, "255"}, {K::Text, "255"}, {K::Text, "255"},
    {K::Text, "0"},   {K::Text, "192"},         {K::Text, "168"}, {K::Text, "0"},   {K::Text, "1"},   {K::Check, "0"},
}};

// The value a key takes from the text of its element.
QString Value_From_Text(const TParGen_Key_Info& key, const QString& text)
{
    switch (key.Kind) {
    case K::Check:
        return text == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0");
    case K::Index: {
        const std::optional<int64_t> index = Parse_Project_Number(text);
        if (!index)
            return QString::fromLatin1(key.Default);
        // An index past the list leaves it without a selection.
        return QString::number(*index >= 0 && *index < ParGen_Baudrate_Count ? *index : -1);
    }
    case K::Text:
        break;
    }
    return text;
}

struct TRange_Check {
    int First_Key;
    int Count;
    int64_t Low;
    int64_t High;
    int First_Text;
    int Condition_Key;       // a check box that must be ticked for the check to run; -1: always
    bool Not_Blank = false;  // a text that must not be blank instead of a number in range
};

const TRange_Check Range_Checks[] = {
    {pg_Eth_Conn_Primary_DNS1, 4, 0, 255, 1563, pg_Eth_Conn_Enable_DNS},
    {pg_Eth_Conn_Secondary_DNS1, 4, 0, 255, 1567, pg_Eth_Conn_Enable_DNS},
    {pg_EtherCAT_Slave_Revision_Number, 1, 0, 0xFFFFFFFF, 412, -1},
    {pg_EtherCAT_Slave_Name, 1, 0, 0, 411, -1, true},
    {pg_EtherCAT_Slave_Node_Address, 1, 1, 192, 989, -1},
    {pg_DNETM_ID_DEV, 1, 0, 63, 674, -1},
    {pg_Ethernet_IP1, 4, 0, 255, 720, -1},
    {pg_Ethernet_SM1, 4, 0, 255, 724, -1},
    {pg_Ethernet_GAT1, 4, 0, 255, 728, pg_Ethernet_EN_GAT},
};

}  // namespace

const TParGen_Key_Info& ParGen_Key_Info(int key)
{
    return Keys.at(static_cast<std::size_t>(key));
}

TParGen_Values ParGen_Defaults()
{
    TParGen_Values values;
    for (int k = 0; k < ParGen_Editor_Key_Count; ++k)
        values[k] = QString::fromLatin1(Keys[k].Default);
    return values;
}

TParGen_Values Read_ParGen(const QString& path)
{
    TParGen_Values values = ParGen_Defaults();
    const std::optional<TParGen_File> file = Read_ParGen_File(path);
    if (!file)
        return values;
    for (int k = 0; k < ParGen_Editor_Key_Count; ++k) {
        if (k == pg_Eth_Conn_DHCP_WiFi)
            continue;  // always off in this model
        if (const std::optional<QString>& text = (*file)[k])
            values[k] = Value_From_Text(Keys[k], *text);
    }
    return values;
}

void Write_ParGen(const QString& path, const TParGen_Values& values)
{
    TParGen_File file;
    for (int k = 0; k < ParGen_Editor_Key_Count; ++k)
        file[k] = values[k];
    Write_ParGen_File(path, file);
}

int64_t ParGen_Number(const QString& text)
{
    return Parse_Project_Number(text).value_or(-1);
}

std::optional<int> ParGen_Check(const TParGen_Values& values)
{
    for (const TRange_Check& check : Range_Checks) {
        if (check.Condition_Key >= 0 && values[check.Condition_Key] != QLatin1String("1"))
            continue;
        for (int i = 0; i < check.Count; ++i) {
            const QString& text = values[check.First_Key + i];
            const int64_t number = ParGen_Number(text);
            const bool valid =
                check.Not_Blank ? !text.trimmed().isEmpty() : number >= check.Low && number <= check.High;
            if (!valid)
                return check.First_Text + i;
        }
    }
    return std::nullopt;
}
