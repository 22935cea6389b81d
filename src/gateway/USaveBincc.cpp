#include "gateway/USaveBincc.h"

#include "gateway/ProjectFile.h"
#include "platform/FileUtils.h"
#include "platform/XmlDocument.h"
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

const QString Default_Eeprom_Config = QStringLiteral("800F00CC8813ff00000000800000");

bool Is_Checked(const std::optional<QString>& text)
{
    return text && *text == u"1";
}

bool Is_Hex(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128 && isxdigit(c.unicode()); });
}

} // namespace

TSaveBincc::TSaveBincc()
    : Bank1_Image(Image_Size), Bank2_Image(Image_Size)
{
}

int TSaveBincc::Put_Number(TBank_Image& image, int position, uint64_t value, int width)
{
    if (position < 0 || position + width > static_cast<int>(image.size()))
        throw EProject_Error(QStringLiteral("The project does not fit the configuration image (%1 bytes).")
                                 .arg(image.size()));
    for (int i = 0; i < width; ++i)
        image[position + i] = static_cast<uint8_t>(value >> (8 * i));
    return position + width;
}

void TSaveBincc::Put_Parameter(int offset, int width, uint64_t value)
{
    for (int i = 0; i < width; ++i)
        Parameter_Bank[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

void TSaveBincc::Compile_Bank_Files()
{
    // Nothing can be saved until this compile has completed.
    Bank1_Length = 0;
    Bank2_Length = 0;
    Init_Parameter_Bank();
    Init_EtherCAT_Slave_Data();
    Init_DeviceNet_Master_Data();
    Read_ParGen_XML();
    Put_Parameter(Off_Scan_List_Address, 4, Scan_List_Address);
    Put_Parameter(Off_Map_In_Address, 4, Map_In_Address);
    Put_Parameter(Off_Map_Out_Address, 4, Map_Out_Address);
    Put_Parameter(Off_EtherCAT_Address, 4, EtherCAT_Section_Address);
    Read_DeviceNet_Master_XML();
    Read_EtherCAT_Slave_XML(EtherCAT_Section_Address);
    const int length1 = Write_Parameter_Bank(0, Bank1_Image);
    int length2 = Write_DeviceNet_Master_Bank(0, Bank2_Image);
    length2 = Write_EtherCAT_Slave_Bank(length2, Bank2_Image);
    Bank1_Length = length1;
    Bank2_Length = length2;
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
        const QString piece = text.mid(i, 2);
        if (Is_Hex(piece))
            bytes[next++] = static_cast<uint8_t>(piece.toUInt(nullptr, 16));
    }
}

void TSaveBincc::Read_ParGen_XML()
{
    XmlDocument doc;
    if (!Load_Project_File(doc, File_ParGen))
        return;
    const XmlNode root = Project_Root(doc, File_ParGen);
    Set_SW_Version();

    const auto text = [&root](const char* key) { return Child_Text(root, QString::fromLatin1(key)); };
    const auto number = [&root](const QString& key, int64_t missing) {
        const auto t = Child_Text(root, key);
        return t ? Project_Number_Or(*t, missing) : missing;
    };
    const auto put_octets = [&](int offset, const char* key, std::array<int64_t, 4> missing) {
        for (int i = 0; i < 4; ++i)
            Parameter_Bank[offset + i] =
                static_cast<uint8_t>(number(QString::fromLatin1(key) + QString::number(i + 1), missing[i]));
    };

    Put_Text(Off_Device_Name, 31, text("Eth_Conn_Device_Name").value_or(QString()));
    uint16_t flags = 0;
    if (Is_Checked(text("Eth_Conn_DHCP_Cable")))
        flags |= 1;
    if (Is_Checked(text("Eth_Conn_DHCP_WiFi")))
        flags |= 2;
    Put_Parameter(Off_Address_Flags, 2, flags);
    if (Is_Checked(text("Eth_Conn_Enable_DNS"))) {
        put_octets(Off_Primary_DNS, "Eth_Conn_Primary_DNS", {8, 8, 8, 8});
        put_octets(Off_Secondary_DNS, "Eth_Conn_Secondary_DNS", {8, 8, 4, 4});
    }
    Set_EtherCAT_Eeprom_Config(text("EtherCAT_Slave_Eeprom_Config").value_or(Default_Eeprom_Config));
    EtherCAT_Header.Vendor_ID = static_cast<uint32_t>(number(QStringLiteral("EtherCAT_Slave_Vendor_ID"), 0));
    EtherCAT_Header.Product_Code = static_cast<uint32_t>(number(QStringLiteral("EtherCAT_Slave_Product_Code"), 0));
    EtherCAT_Header.Revision_Number =
        static_cast<uint32_t>(number(QStringLiteral("EtherCAT_Slave_Revision_Number"), 0));
    EtherCAT_Header.Serial_Number = static_cast<uint32_t>(number(QStringLiteral("EtherCAT_Slave_Serial_Number"), 0));
    Put_Text(Off_Slave_Name, 15, text("EtherCAT_Slave_Name").value_or(QStringLiteral("devicename1")));
    EtherCAT_Header.Node_Address = static_cast<uint16_t>(number(QStringLiteral("EtherCAT_Slave_Node_Address"), 1));
    put_octets(Off_IP_Address, "Ethernet_IP", {192, 168, 0, 10});
    put_octets(Off_Subnet_Mask, "Ethernet_SM", {255, 255, 255, 0});
    put_octets(Off_Gateway, "Ethernet_GAT", {192, 168, 0, 1});
    if (!Is_Checked(text("Ethernet_EN_GAT")))
        Put_Parameter(Off_Gateway, 4, 0xFFFFFFFF);
    Parameter_Bank[Off_DNet_MAC_ID] = static_cast<uint8_t>(number(QStringLiteral("DNETM_ID_DEV"), 0));
    const int64_t baudrate = number(QStringLiteral("DNETM_BAUDRATE"), 2);
    Put_Parameter(Off_DNet_Baudrate, 4, baudrate == 0 ? 125000 : baudrate == 1 ? 250000 : 500000);
}

int TSaveBincc::Write_Parameter_Bank(int position, TBank_Image& image)
{
    uint32_t sum = 0;
    for (int i = 0; i < Off_Checksum; ++i)
        sum += Parameter_Bank[i];
    Put_Parameter(Off_Checksum, 4, sum);
    for (const uint8_t byte : Parameter_Bank)
        position = Put_Number(image, position, byte, 1);
    return position;
}

void TSaveBincc::Save_Bank_Files() const
{
    if (Bank1_Length == 0)
        throw EProject_Error(QStringLiteral("There is no compiled configuration image to save."));
    const auto save = [](const QString& name, const TBank_Image& image, int length) {
        const QString path = Path_Project + QStringLiteral("/bin/") + name;
        if (!WriteFileAtomic(path, QByteArray(reinterpret_cast<const char*>(image.data()), length)))
            throw EProject_Error(QStringLiteral("The file %1 can't be written.").arg(QDir::toNativeSeparators(path)));
    };
    save(QStringLiteral("bank1.bin"), Bank1_Image, Bank1_Length);
    save(QStringLiteral("bank2.bin"), Bank2_Image, Bank2_Length);
}

TSaveBincc& SaveBincc()
{
    static TSaveBincc compiler;
    return compiler;
}

void Create_Bin_Files()
{
    SaveBincc().Compile_Bank_Files();
}

void Save_Bin_Files()
{
    SaveBincc().Save_Bank_Files();
}
