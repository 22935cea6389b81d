#include "gateway/UParGenFile.h"

#include "gateway/ProjectFile.h"
#include "platform/SysUtils.h"
#include "platform/XmlDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

std::optional<int64_t> Parse_Number(const QString& text)
{
    // "x" alone is a hexadecimal prefix here, like "$".
    static const QRegularExpression xPrefix(QStringLiteral("^( *[+-]?)[xX]"));
    QString t = text;
    t.replace(xPrefix, QStringLiteral("\\1$"));
    return Parse_Project_Number(t);
}

using K = TParGen_Kind;

const std::array<TParGen_Key_Info, ParGen_Key_Count> Keys{{
    {"Eth_Conn_Device_Name", K::Text, ""},
    {"Eth_Conn_DHCP_Cable", K::Check, "0"},
    {"Eth_Conn_DHCP_WiFi", K::Check, "0"},
    {"Eth_Conn_Enable_DNS", K::Check, "0"},
    {"Eth_Conn_Primary_DNS1", K::Text, "8"},
    {"Eth_Conn_Primary_DNS2", K::Text, "8"},
    {"Eth_Conn_Primary_DNS3", K::Text, "8"},
    {"Eth_Conn_Primary_DNS4", K::Text, "8"},
    {"Eth_Conn_Secondary_DNS1", K::Text, "8"},
    {"Eth_Conn_Secondary_DNS2", K::Text, "8"},
    {"Eth_Conn_Secondary_DNS3", K::Text, "4"},
    {"Eth_Conn_Secondary_DNS4", K::Text, "4"},
    {"EtherCAT_Slave_Revision_Number", K::Text, "0"},
    {"EtherCAT_Slave_Name", K::Text, "devicename1"},
    {"EtherCAT_Slave_Node_Address", K::Text, "1"},
    {"DNETM_ID_DEV", K::Text, "0"},
    {"DNETM_BAUDRATE", K::Index, "2"},
    {"Ethernet_IP1", K::Text, "192"},
    {"Ethernet_IP2", K::Text, "168"},
    {"Ethernet_IP3", K::Text, "0"},
    {"Ethernet_IP4", K::Text, "5"},
    {"Ethernet_SM1", K::Text, "255"},
    {"Ethernet_SM2", K::Text, "255"},
    {"Ethernet_SM3", K::Text, "255"},
    {"Ethernet_SM4", K::Text, "0"},
    {"Ethernet_GAT1", K::Text, "192"},
    {"Ethernet_GAT2", K::Text, "168"},
    {"Ethernet_GAT3", K::Text, "0"},
    {"Ethernet_GAT4", K::Text, "1"},
    {"Ethernet_EN_GAT", K::Check, "0"},
}};

// The value a key takes from the text of its element.
QString Value_From_Text(const TParGen_Key_Info& key, const QString& text)
{
    switch (key.Kind) {
    case K::Check:
        return text == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0");
    case K::Index: {
        const std::optional<int64_t> index = Parse_Number(text);
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
    int Condition_Key;  // a check box that must be ticked for the check to run; -1: always
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
    for (int k = 0; k < ParGen_Key_Count; ++k)
        values[k] = QString::fromLatin1(Keys[k].Default);
    return values;
}

TParGen_Values Read_ParGen(XmlDocument& doc, const QString& path)
{
    TParGen_Values values = ParGen_Defaults();
    if (!QFileInfo::exists(path))
        return values;
    if (!doc.Load(path))
        throw Exception(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), doc.LastError().Message));
    // The root is the first element, whatever its name; a comment before it is skipped.
    const XmlNode root = doc.Root();
    for (int k = 0; k < ParGen_Key_Count; ++k) {
        if (k == pg_Eth_Conn_DHCP_WiFi)
            continue;  // always off in this model
        const XmlNode element = root.Child(QString::fromLatin1(Keys[k].Element));
        if (!element.IsNull() && element.IsTextElement())
            values[k] = Value_From_Text(Keys[k], element.Text());
    }
    return values;
}

void Write_ParGen(XmlDocument& doc, const QString& path, const TParGen_Values& values)
{
    doc.Clear();
    XmlNode root = doc.Node().AppendElement(QStringLiteral("Par_Gen"));
    doc.Node().AppendComment(QStringLiteral("SW_VERSION = 1.000"));
    for (int k = 0; k < ParGen_Key_Count; ++k)
        root.AppendElement(QString::fromLatin1(Keys[k].Element)).SetText(values[k]);
    if (!doc.Save(path))
        throw Exception(QStringLiteral("The file %1 can't be written.").arg(QDir::toNativeSeparators(path)));
}

int64_t ParGen_Number(const QString& text)
{
    return Parse_Number(text).value_or(-1);
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
