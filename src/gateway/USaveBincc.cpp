#include "gateway/USaveBincc.h"

#include "gateway/BankWriter.h"
#include "gateway/ProjectFile.h"
#include "platform/FileUtils.h"
#include "shell/UComon.h"

#include <QDir>
#include <algorithm>
#include <cctype>

namespace {

// Offsets in the parameter block.
constexpr int Off_DNet_Baudrate = 0x000;
constexpr int Off_IP_Address = 0x028;
constexpr int Off_Subnet_Mask = 0x02C;
constexpr int Off_Gateway = 0x030;
constexpr int Off_Slave_Name = 0x050;
constexpr int Off_DNet_MAC_ID = 0x080;
constexpr int Off_Map_In_Address = 0x0D4;
constexpr int Off_Map_Out_Address = 0x0D8;
constexpr int Off_Scan_List_Address = 0x0DC;
constexpr int Off_Address_Flags = 0x4E8;
constexpr int Off_Device_Name = 0x514;
constexpr int Off_Secondary_DNS = 0x53C;
constexpr int Off_Primary_DNS = 0x58C;
constexpr int Off_SW_Version = 0x66C;
constexpr int Off_EtherCAT_Address = 0x6F0;
constexpr int Off_Checksum = 0x7FC;

// The compiler's value of each ParGen.xml key whose element is missing; a number key also takes it
// when its text is not a number. (Without ParGen.xml the block keeps Init_Parameter_Bank's values.)
constexpr const char* Missing_Value[ParGen_Key_Count] = {
    "",  // Eth_Conn_Device_Name
    "0",
    "0",
    "0",  // Eth_Conn_DHCP_Cable, _DHCP_WiFi, _Enable_DNS
    "8",
    "8",
    "8",
    "8",  // Eth_Conn_Primary_DNS1..4
    "8",
    "8",
    "4",
    "4",            // Eth_Conn_Secondary_DNS1..4
    "0",            // EtherCAT_Slave_Revision_Number
    "devicename1",  // EtherCAT_Slave_Name
    "1",            // EtherCAT_Slave_Node_Address
    "0",            // DNETM_ID_DEV
    "2",            // DNETM_BAUDRATE
    "192",
    "168",
    "0",
    "10",  // Ethernet_IP1..4
    "255",
    "255",
    "255",
    "0",  // Ethernet_SM1..4
    "192",
    "168",
    "0",
    "1",                             // Ethernet_GAT1..4
    "0",                             // Ethernet_EN_GAT
    "800F00CC8813ff00000000800000",  // EtherCAT_Slave_Eeprom_Config
    "0",
    "0",
    "0",  // EtherCAT_Slave_Vendor_ID, _Product_Code, _Serial_Number
};

// ParGen.xml as the compiler reads it: each key on its own, with the table above for what is missing.
class TParGen_Reader {
public:
    explicit TParGen_Reader(const TParGen_File& file) : file_(file) {}
    QString Text(int key) const { return file_[key].value_or(QString::fromLatin1(Missing_Value[key])); }
    bool Checked(int key) const { return file_[key] == u"1"; }
    int64_t Number(int key) const
    {
        const int64_t missing = *Parse_Project_Number(QString::fromLatin1(Missing_Value[key]));
        return file_[key] ? Project_Number_Or(*file_[key], missing) : missing;
    }

private:
    const TParGen_File& file_;
};

bool Is_Hex(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128 && isxdigit(c.unicode()); });
}

}  // namespace

TSaveBincc::TSaveBincc() = default;

void TSaveBincc::Put_Parameter(int offset, int width, uint64_t value)
{
    for (int i = 0; i < width; ++i)
        Parameter_Bank[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

TBank_Images TSaveBincc::Compile_Bank_Files(const TProject_Model& project)
{
    TSaveBincc compile;
    compile.Init_Parameter_Bank();
    compile.Read_ParGen_XML(project.ParGen);
    compile.Put_Parameter(Off_Scan_List_Address, 4, Scan_List_Address);
    compile.Put_Parameter(Off_Map_In_Address, 4, Map_In_Address);
    compile.Put_Parameter(Off_Map_Out_Address, 4, Map_Out_Address);
    compile.Put_Parameter(Off_EtherCAT_Address, 4, EtherCAT_Section_Address);
    compile.Read_DeviceNet_Master_XML(project.DNet, project.DefOff);
    compile.Read_EtherCAT_Slave_XML(project.EtherCAT_Slave, EtherCAT_Section_Address);
    TBank_Writer bank1(Parameter_Bank_Size);
    compile.Write_Parameter_Bank(bank1);
    TBank_Writer bank2(Image_Size);
    compile.Write_DeviceNet_Master_Bank(bank2);
    compile.Write_EtherCAT_Slave_Bank(bank2);
    return {bank1.Take(), bank2.Take()};
}
void TSaveBincc::Init_Parameter_Bank()
{
    Parameter_Bank.fill(0);
    Put_Parameter(0x000, 4, 250000);
    Put_Parameter(0x004, 4, 250000);
    Put_Parameter(0x00C, 4, 9600);
    for (int i = 0; i < 4; ++i) {
        Parameter_Bank[Off_IP_Address + i] = std::array<uint8_t, 4>{192, 168, 2, 205}[i];
        Parameter_Bank[Off_Subnet_Mask + i] = std::array<uint8_t, 4>{255, 255, 255, 0}[i];
        Parameter_Bank[Off_Gateway + i] = 255;
    }
    Put_Parameter(0x034, 2, 10000);
    Put_Parameter(0x036, 2, 10001);
    Put_Parameter(0x038, 2, 10001);
    for (int i = 0; i < 8; ++i)
        Parameter_Bank[0x1B4 + i] = 8;
}

void TSaveBincc::Put_Text(int offset, int maxChars, const QString& text)
{
    for (int i = 0; i < maxChars && i < text.size(); ++i)
        Parameter_Bank[offset + i] = static_cast<uint8_t>(text[i].unicode());
}

void TSaveBincc::Set_SW_Version()
{
    Put_Parameter(Off_SW_Version, 8, 0);
    Put_Text(Off_SW_Version, 7, QStringLiteral("1.000"));
}

void TSaveBincc::Set_EtherCAT_Eeprom_Config(const QString& text)
{
    // Pairs of hexadecimal digits from the left; a piece that is not hexadecimal takes no byte.
    auto& bytes = EtherCAT_Header.Eeprom_Config;
    size_t next = 0;
    for (int i = 0; i < text.size() && next < bytes.size(); i += 2) {
        const QStringView piece = QStringView(text).mid(i, 2);
        if (Is_Hex(piece))
            bytes[next++] = static_cast<uint8_t>(piece.toUInt(nullptr, 16));
    }
}

void TSaveBincc::Read_ParGen_XML(const std::optional<TParGen_File>& file)
{
    if (!file)
        return;
    Set_SW_Version();
    const TParGen_Reader keys(*file);
    const auto put_octets = [&](int offset, int firstKey) {
        for (int i = 0; i < 4; ++i)
            Parameter_Bank[offset + i] = static_cast<uint8_t>(keys.Number(firstKey + i));
    };

    Put_Text(Off_Device_Name, 31, keys.Text(pg_Eth_Conn_Device_Name));
    uint16_t flags = 0;
    if (keys.Checked(pg_Eth_Conn_DHCP_Cable))
        flags |= 1;
    if (keys.Checked(pg_Eth_Conn_DHCP_WiFi))
        flags |= 2;
    Put_Parameter(Off_Address_Flags, 2, flags);
    if (keys.Checked(pg_Eth_Conn_Enable_DNS)) {
        put_octets(Off_Primary_DNS, pg_Eth_Conn_Primary_DNS1);
        put_octets(Off_Secondary_DNS, pg_Eth_Conn_Secondary_DNS1);
    }
    Set_EtherCAT_Eeprom_Config(keys.Text(pg_EtherCAT_Slave_Eeprom_Config));
    EtherCAT_Header.Vendor_ID = static_cast<uint32_t>(keys.Number(pg_EtherCAT_Slave_Vendor_ID));
    EtherCAT_Header.Product_Code = static_cast<uint32_t>(keys.Number(pg_EtherCAT_Slave_Product_Code));
    EtherCAT_Header.Revision_Number = static_cast<uint32_t>(keys.Number(pg_EtherCAT_Slave_Revision_Number));
    EtherCAT_Header.Serial_Number = static_cast<uint32_t>(keys.Number(pg_EtherCAT_Slave_Serial_Number));
    Put_Text(Off_Slave_Name, 15, keys.Text(pg_EtherCAT_Slave_Name));
    EtherCAT_Header.Node_Address = static_cast<uint16_t>(keys.Number(pg_EtherCAT_Slave_Node_Address));
    put_octets(Off_IP_Address, pg_Ethernet_IP1);
    put_octets(Off_Subnet_Mask, pg_Ethernet_SM1);
    put_octets(Off_Gateway, pg_Ethernet_GAT1);
    if (!keys.Checked(pg_Ethernet_EN_GAT))
        Put_Parameter(Off_Gateway, 4, 0xFFFFFFFF);
    Parameter_Bank[Off_DNet_MAC_ID] = static_cast<uint8_t>(keys.Number(pg_DNETM_ID_DEV));
    const int64_t baudrate = keys.Number(pg_DNETM_BAUDRATE);
    Put_Parameter(Off_DNet_Baudrate, 4, baudrate == 0 ? 125000 : baudrate == 1 ? 250000 : 500000);
}

void TSaveBincc::Write_Parameter_Bank(TBank_Writer& image)
{
    uint32_t sum = 0;
    for (int i = 0; i < Off_Checksum; ++i)
        sum += Parameter_Bank[i];
    Put_Parameter(Off_Checksum, 4, sum);
    image.Bytes(reinterpret_cast<const char*>(Parameter_Bank.data()), Parameter_Bank_Size);
}

TBank_Images Create_Bin_Files()
{
    return TSaveBincc::Compile_Bank_Files(Read_Project_Model());
}

void Save_Bin_Files(const TBank_Images& images)
{
    const QString bin = Path_Project + QStringLiteral("/bin/");
    const QString failed = WriteFilesAtomic(
        {{bin + QStringLiteral("bank1.bin"), images.Bank1}, {bin + QStringLiteral("bank2.bin"), images.Bank2}});
    if (!failed.isEmpty())
        throw EProject_Error(QStringLiteral("The file %1 can't be written.").arg(QDir::toNativeSeparators(failed)));
}
