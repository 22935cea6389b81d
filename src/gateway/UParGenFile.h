#pragma once
// ParGen.xml: the general parameters of the gateway, one element per key under the root, and the
// checks they must pass before they are written.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class XmlDocument;

// The keys in file order.
enum TParGen_Key {
    pg_Eth_Conn_Device_Name,
    pg_Eth_Conn_DHCP_Cable,
    pg_Eth_Conn_DHCP_WiFi,
    pg_Eth_Conn_Enable_DNS,
    pg_Eth_Conn_Primary_DNS1,
    pg_Eth_Conn_Secondary_DNS1 = pg_Eth_Conn_Primary_DNS1 + 4,
    pg_EtherCAT_Slave_Revision_Number = pg_Eth_Conn_Secondary_DNS1 + 4,
    pg_EtherCAT_Slave_Name,
    pg_EtherCAT_Slave_Node_Address,
    pg_DNETM_ID_DEV,
    pg_DNETM_BAUDRATE,
    pg_Ethernet_IP1,
    pg_Ethernet_SM1 = pg_Ethernet_IP1 + 4,
    pg_Ethernet_GAT1 = pg_Ethernet_SM1 + 4,
    pg_Ethernet_EN_GAT = pg_Ethernet_GAT1 + 4,
    ParGen_Key_Count
};

// How a key's value is kept: the text of an edit, a check box as "1" / "0", a list's selected index.
enum class TParGen_Kind { Text, Check, Index };

struct TParGen_Key_Info {
    const char* Element;
    TParGen_Kind Kind;
    const char* Default;
};

const TParGen_Key_Info& ParGen_Key_Info(int key);

// The stored value of every key, as written to the file: texts unchanged, "1" / "0", an index in
// decimal ("-1" for no selection).
using TParGen_Values = std::array<QString, ParGen_Key_Count>;

// Items of the DeviceNet baud rate list.
inline constexpr int ParGen_Baudrate_Count = 3;

TParGen_Values ParGen_Defaults();

// Reads the file into doc and returns its values, each missing or unreadable key at its default; a
// missing file gives the defaults. A file that can't be read or parsed raises Exception.
TParGen_Values Read_ParGen(XmlDocument& doc, const QString& path);

// Rebuilds doc with every key in order and saves it to path; raises Exception when it can't be written.
void Write_ParGen(XmlDocument& doc, const QString& path, const TParGen_Values& values);

// A number as the checks read it: leading blanks, an optional sign, then decimal digits or a
// hexadecimal number after "$", "0x" or "x"; -1 for any other text.
int64_t ParGen_Number(const QString& text);

// The text number of the first check that fails, in check order; no value when all pass.
std::optional<int> ParGen_Check(const TParGen_Values& values);
