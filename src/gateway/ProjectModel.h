#pragma once
// The GX59 project files as typed data: one reader and one writer per file, shared by every part of
// the program that reads them. A reader returns the file as it stands: a key, attribute or element
// that is absent is an empty optional, and each consumer applies its own default. A missing file
// reads as no value; a file that can't be read or parsed raises EProject_Error.
#include <QString>
#include <array>
#include <optional>
#include <vector>

// The keys of ParGen.xml: those of the general parameters editor in file order, then those that only
// the image compiler reads.
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
    ParGen_Editor_Key_Count,
    pg_EtherCAT_Slave_Eeprom_Config = ParGen_Editor_Key_Count,
    pg_EtherCAT_Slave_Vendor_ID,
    pg_EtherCAT_Slave_Product_Code,
    pg_EtherCAT_Slave_Serial_Number,
    ParGen_Key_Count
};

// The element name of a key.
QString ParGen_Element(int key);

// ParGen.xml: the text of each key's element. An absent element, or one that holds child elements
// instead of a text, has no value.
struct TParGen_File {
    std::array<std::optional<QString>, ParGen_Key_Count> Keys;

    const std::optional<QString>& operator[](int key) const { return Keys[static_cast<size_t>(key)]; }
    std::optional<QString>& operator[](int key) { return Keys[static_cast<size_t>(key)]; }
    bool operator==(const TParGen_File&) const = default;
};

std::optional<TParGen_File> Read_ParGen_File(const QString& path);
// Writes the keys that have a value, in key order, under the root Par_Gen.
void Write_ParGen_File(const QString& path, const TParGen_File& file);

// EtherCAT_Slave.xml: the process-data variables of both directions.
struct TEtherCAT_Slave_Row {
    std::optional<QString> Enable, Type, Length, Name, InitValue, Position, BitStart, Mnemonic;
    bool operator==(const TEtherCAT_Slave_Row&) const = default;
};
using TEtherCAT_Slave_Table = std::vector<TEtherCAT_Slave_Row>;

struct TEtherCAT_Slave_Variables {
    std::optional<TEtherCAT_Slave_Table> Slave_To_Master;
    std::optional<TEtherCAT_Slave_Table> Master_To_Slave;
    bool operator==(const TEtherCAT_Slave_Variables&) const = default;
};

struct TEtherCAT_Slave_File {
    std::optional<TEtherCAT_Slave_Variables> Variables;
    bool operator==(const TEtherCAT_Slave_File&) const = default;
};

std::optional<TEtherCAT_Slave_File> Read_EtherCAT_Slave_File(const QString& path);
// Both tables are always written (empty when absent); InitValue only in the slave-to-master rows.
void Write_EtherCAT_Slave_File(const QString& path, const TEtherCAT_Slave_File& file);

// DNETM_Net.xml: the DeviceNet slaves, one row element each under the root.
struct TDNet_Row {
    std::optional<QString> ID, NB_IN, NB_OUT, Mnemonic, Reset_DeviceNet, Reset_PROFINET;
    bool operator==(const TDNet_Row&) const = default;
};

struct TDNet_File {
    std::vector<TDNet_Row> Rows;
    bool operator==(const TDNet_File&) const = default;
};

std::optional<TDNet_File> Read_DNet_File(const QString& path);
void Write_DNet_File(const QString& path, const TDNet_File& file);

// DNETM_DefOff.xml: per slave, in the order of DNETM_Net.xml, the place of each input and output byte.
struct TDefOff_Byte {
    std::optional<QString> Offset, Mnemonic;
    bool operator==(const TDefOff_Byte&) const = default;
};

struct TDefOff_Node {
    std::optional<std::vector<TDefOff_Byte>> Byte_In;
    std::optional<std::vector<TDefOff_Byte>> Byte_Out;
    bool operator==(const TDefOff_Node&) const = default;
};

struct TDefOff_File {
    std::vector<TDefOff_Node> Nodes;
    bool operator==(const TDefOff_File&) const = default;
};

std::optional<TDefOff_File> Read_DefOff_File(const QString& path);
void Write_DefOff_File(const QString& path, const TDefOff_File& file);

// Every project file that the configuration image is compiled from.
struct TProject_Model {
    std::optional<TParGen_File> ParGen;
    std::optional<TDNet_File> DNet;
    std::optional<TDefOff_File> DefOff;
    std::optional<TEtherCAT_Slave_File> EtherCAT_Slave;
};

// Reads the open project's files (File_ParGen, File_DNETM_Net, File_DNETM_DefOff, File_EtherCAT_Slave).
TProject_Model Read_Project_Model();

// Raises EProject_Error: the element of that name is missing from the file.
[[noreturn]] void Missing_Element(const char* name, const QString& path);

// The value of an element the consumer can't do without; a missing one raises EProject_Error.
template <typename T>
const T& Required_Element(const std::optional<T>& element, const char* name, const QString& path)
{
    if (!element)
        Missing_Element(name, path);
    return *element;
}
