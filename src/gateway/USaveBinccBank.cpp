// The data bank: DeviceNet scan list and maps, EtherCAT variable section.
#include "gateway/USaveBincc.h"

#include "gateway/ProjectFile.h"
#include "platform/Locale.h"
#include "platform/XmlDocument.h"
#include "shell/UComon.h"

#include <QFileInfo>
#include <bit>
#include <initializer_list>

namespace {

constexpr int Node_Size = 16;
constexpr int Gap_After_Scan_List = 3072;
constexpr int Header_Size = 40;
constexpr int Descriptor_Size = 36;
constexpr int Max_Slave_Byte_Index = 1023; // a larger index reaches into the next MAC ID's keys
constexpr int Max_MAC_ID = 63;

QString File_Name(const QString& path)
{
    return QFileInfo(path).fileName();
}

QString Required_Attribute(const XmlNode& row, const QString& name, const QString& path)
{
    const auto value = row.Attribute(name);
    if (!value)
        throw EProject_Error(QStringLiteral("%1: a row has no attribute %2").arg(File_Name(path), name));
    return *value;
}

int64_t Required_Number(const XmlNode& row, const QString& name, const QString& path)
{
    const QString text = Required_Attribute(row, name, path);
    const auto value = Parse_Project_Number(text);
    if (!value)
        throw EProject_Error(
            QStringLiteral("%1: the attribute %2 \"%3\" is not an integer").arg(File_Name(path), name, text));
    return *value;
}

struct TField {
    uint64_t Value;
    int Width;
};

// Writes the fields one after the other and returns the position after them.
int Put_Fields(TBank_Image& image, int position, std::initializer_list<TField> fields)
{
    for (const TField& field : fields)
        position = TSaveBincc::Put_Number(image, position, field.Value, field.Width);
    return position;
}

bool Is_Yes(const std::optional<QString>& text)
{
    return text && text->trimmed().toUpper() == u"Y";
}

} // namespace

void TSaveBincc::Init_EtherCAT_Slave_Data()
{
    EtherCAT_Header = TEtherCAT_Slave_Header();
    EtherCAT_Variables.fill(TEtherCAT_pd());
}

void TSaveBincc::Init_DeviceNet_Master_Data()
{
    DNETM_Nodes.fill(TDNETM_Node());
    Map_In.fill(TDNETM_Map_Entry());
    Map_Out.fill(TDNETM_Map_Entry());
    Num_Nodes = 0;
    Num_Map_In = 0;
    Num_Map_Out = 0;
}

void TSaveBincc::Read_DeviceNet_Master_XML()
{
    Read_DNETM_Net();
    Read_DNETM_DefOff();
    Put_Parameter(Off_Num_Nodes, 4, static_cast<uint32_t>(Num_Nodes));
    Put_Parameter(Off_Num_Map_In, 4, static_cast<uint32_t>(Num_Map_In));
    Put_Parameter(Off_Num_Map_Out, 4, static_cast<uint32_t>(Num_Map_Out));
}

void TSaveBincc::Read_DNETM_Net()
{
    XmlDocument doc;
    if (!Load_Project_File(doc, File_DNETM_Net))
        return;
    const std::vector<XmlNode> rows = Child_Elements(Project_Root(doc, File_DNETM_Net));
    if (rows.size() > static_cast<size_t>(Max_Nodes))
        throw EProject_Error(QStringLiteral("The DeviceNet network has %1 slaves; the gateway takes at most %2.")
                                 .arg(rows.size())
                                 .arg(Max_Nodes));
    uint16_t sumIn = 0;
    uint16_t sumOut = 0;
    for (const XmlNode& row : rows) {
        TDNETM_Node& node = DNETM_Nodes[Num_Nodes];
        node.ID = static_cast<uint8_t>(Required_Number(row, QStringLiteral("ID"), File_DNETM_Net));
        node.NB_IN = static_cast<uint16_t>(Required_Number(row, QStringLiteral("NB_IN"), File_DNETM_Net));
        node.NB_OUT = static_cast<uint16_t>(Required_Number(row, QStringLiteral("NB_OUT"), File_DNETM_Net));
        if (Is_Yes(row.Attribute(QStringLiteral("Reset_DeviceNet"))))
            node.Flags |= 1;
        if (Is_Yes(row.Attribute(QStringLiteral("Reset_PROFINET"))))
            node.Flags |= 2;
        node.Start_IN = sumIn;
        node.Start_OUT = sumOut;
        sumIn = static_cast<uint16_t>(sumIn + node.NB_IN);
        sumOut = static_cast<uint16_t>(sumOut + node.NB_OUT);
        ++Num_Nodes;
    }
}

void TSaveBincc::Read_DNETM_DefOff()
{
    XmlDocument doc;
    if (!Load_Project_File(doc, File_DNETM_DefOff))
        return;
    const std::vector<XmlNode> slaves = Child_Elements(Project_Root(doc, File_DNETM_DefOff));
    for (int j = 0; j < Num_Nodes && j < static_cast<int>(slaves.size()); ++j) {
        const TDNETM_Node& node = DNETM_Nodes[j];
        Read_Byte_Map(Required_Child(slaves[j], QStringLiteral("ByteIN"), File_DNETM_DefOff), node, node.NB_IN, true);
        Read_Byte_Map(Required_Child(slaves[j], QStringLiteral("ByteOUT"), File_DNETM_DefOff), node, node.NB_OUT,
                      false);
    }
}

void TSaveBincc::Read_Byte_Map(const XmlNode& rows, const TDNETM_Node& node, int count, bool input)
{
    auto& map = input ? Map_In : Map_Out;
    int& used = input ? Num_Map_In : Num_Map_Out;
    const auto direction = [input] { return input ? QStringLiteral("input") : QStringLiteral("output"); };
    const std::vector<XmlNode> bytes = Child_Elements(rows);
    for (int k = 0; k < count && k < static_cast<int>(bytes.size()); ++k) {
        const QString text = Required_Attribute(bytes[k], QStringLiteral("Offset"), File_DNETM_DefOff);
        const auto position = Parse_Project_Number(text);
        if (!position)
            continue; // "None": the byte is not mapped
        const auto which = [&] {
            return QStringLiteral("%1 byte %2 of the DeviceNet slave %3").arg(direction()).arg(k).arg(node.ID);
        };
        if (*position < 0 || *position > Max_Position)
            throw EProject_Error(QStringLiteral("The %1 is at position %2; positions run from 0 to %3.")
                                     .arg(which())
                                     .arg(*position)
                                     .arg(Max_Position));
        if (k > Max_Slave_Byte_Index || node.ID > Max_MAC_ID)
            throw EProject_Error(QStringLiteral("The %1 can't be mapped: only bytes 0 to %2 of slaves with ID 0 to %3 "
                                                "can be.")
                                     .arg(which())
                                     .arg(Max_Slave_Byte_Index)
                                     .arg(Max_MAC_ID));
        if (used == Max_Map_Entries)
            throw EProject_Error(QStringLiteral("More than %1 DeviceNet %2 bytes are mapped.")
                                     .arg(Max_Map_Entries)
                                     .arg(direction()));
        map[used].Key = static_cast<uint16_t>(node.ID * 1024 + k);
        map[used].Position = static_cast<uint16_t>(*position);
        ++used;
    }
}

TEtherCAT_Data_Type TSaveBincc::Get_EtherCAT_Data_Type(const QString& type)
{
    struct Entry {
        const char16_t* Name;
        TEtherCAT_Data_Type Type;
    };
    static constexpr Entry Types[] = {
        {u"Bool", {1, 1}},  {u"Int8", {2, 1}},   {u"Int16", {3, 2}},   {u"Int32", {4, 4}},  {u"UInt8", {5, 1}},
        {u"UInt16", {6, 2}}, {u"UInt32", {7, 4}}, {u"Float32", {8, 4}}, {u"String", {9, 0}},
    };
    for (const Entry& entry : Types)
        if (type == QStringView(entry.Name))
            return entry.Type;
    return {};
}

void TSaveBincc::Set_EtherCAT_Init_Value(const QString& text, int index)
{
    TEtherCAT_pd& variable = EtherCAT_Variables[index];
    variable.init_value.fill(0);
    uint64_t bits = 0;
    int width = 0;
    switch (variable.Data_Type) {
    case 1: case 2: case 3: case 4: case 5: case 6: case 7: {
        const auto value = Parse_Project_Number(text);
        if (!value)
            return;
        bits = static_cast<uint64_t>(*value);
        static constexpr int Widths[] = {0, 1, 1, 2, 4, 1, 2, 4};
        width = Widths[variable.Data_Type];
        if (variable.Data_Type == 1)
            bits &= 1;
        break;
    }
    case 8:
        bits = std::bit_cast<uint32_t>(static_cast<float>(Parse_Project_Real(text, DecimalSeparator()).value_or(0.0)));
        width = 4;
        break;
    default:
        return;
    }
    for (int i = 0; i < width; ++i)
        variable.init_value[i] = static_cast<uint8_t>(bits >> (8 * i));
}

void TSaveBincc::Read_EtherCAT_Slave_XML(uint32_t sectionAddress)
{
    EtherCAT_Header.Table_Address = sectionAddress + Header_Size;
    const uint32_t emptyName = sectionAddress + Header_Size + Max_Variables * Descriptor_Size;
    uint32_t nextName = emptyName + 1;
    int n = 0;
    XmlDocument doc;
    if (Load_Project_File(doc, File_EtherCAT_Slave)) {
        const XmlNode variables = Required_Child(Project_Root(doc, File_EtherCAT_Slave),
                                                 QStringLiteral("EtherCAT_Slave_Variables"), File_EtherCAT_Slave);
        Read_EtherCAT_Direction(
            Required_Child(variables, QStringLiteral("EtherCAT_Slave_To_Master"), File_EtherCAT_Slave), true, n,
            nextName, emptyName);
        Read_EtherCAT_Direction(
            Required_Child(variables, QStringLiteral("EtherCAT_Master_To_Slave"), File_EtherCAT_Slave), false, n,
            nextName, emptyName);
    }
    EtherCAT_Header.Num_Variables = static_cast<uint32_t>(n);
}

void TSaveBincc::Read_EtherCAT_Direction(const XmlNode& table, bool slaveToMaster, int& n, uint32_t& nextName,
                                         uint32_t emptyName)
{
    uint32_t subindex = 0;
    uint32_t offset = 0;
    for (const XmlNode& row : Child_Elements(table)) {
        if (row.Attribute(QStringLiteral("Enable")).value_or(QString()) != u"Y")
            continue;
        if (n == Max_Variables)
            throw EProject_Error(
                QStringLiteral("More than %1 EtherCAT variables are enabled.").arg(Max_Variables));
        TEtherCAT_pd& variable = EtherCAT_Variables[n];
        const auto type = row.Attribute(QStringLiteral("Type"));
        const TEtherCAT_Data_Type dataType = type ? Get_EtherCAT_Data_Type(*type) : TEtherCAT_Data_Type();
        variable.access = slaveToMaster ? 1 : 0;
        variable.Data_Type = dataType.Code;
        variable.length = dataType.Size >= 1
            ? dataType.Size
            : static_cast<uint8_t>(Project_Number_Or(row.Attribute(QStringLiteral("Length")).value_or(QString()), 1));
        variable.position = 0;
        variable.bit_address = 0;
        variable.entry_index = 0;
        variable.subindex = subindex++;
        variable.ethercat_offset = offset;
        offset += variable.length;
        Set_EtherCAT_Init_Value(row.Attribute(QStringLiteral("InitValue")).value_or(QString()), n);
        variable.name = row.Attribute(QStringLiteral("Name")).value_or(QString());
        variable.name_length = static_cast<uint32_t>(variable.name.toUtf8().size());
        if (variable.name_length == 0) {
            variable.name_add = emptyName;
        } else {
            variable.name_add = nextName;
            nextName += variable.name_length + 1;
        }
        ++n;
    }
}

int TSaveBincc::Write_DeviceNet_Master_Bank(int position, TBank_Image& image) const
{
    for (const TDNETM_Node& node : DNETM_Nodes)
        position = Put_Fields(image, position,
                              {{node.ID, 4}, {node.NB_IN, 2}, {node.NB_OUT, 2}, {0, 2}, {node.Flags, 2},
                               {node.Start_IN, 2}, {node.Start_OUT, 2}});
    static_assert(Max_Nodes * Node_Size + Gap_After_Scan_List == int(Map_In_Address - Scan_List_Address));
    for (int i = 0; i < Gap_After_Scan_List; ++i)
        position = Put_Number(image, position, 0, 1);
    for (const auto* map : {&Map_In, &Map_Out})
        for (const TDNETM_Map_Entry& entry : *map)
            position = Put_Fields(image, position, {{entry.Key, 2}, {entry.Position, 2}});
    return position;
}

int TSaveBincc::Write_EtherCAT_Slave_Bank(int position, TBank_Image& image) const
{
    const TEtherCAT_Slave_Header& header = EtherCAT_Header;
    for (const uint8_t byte : header.Eeprom_Config)
        position = Put_Number(image, position, byte, 1);
    position = Put_Fields(image, position,
                          {{header.Node_Address, 2}, {header.Vendor_ID, 4}, {header.Product_Code, 4},
                           {header.Revision_Number, 4}, {header.Serial_Number, 4}, {header.Num_Variables, 4},
                           {header.Table_Address, 4}});
    for (const TEtherCAT_pd& variable : EtherCAT_Variables) {
        uint64_t initValue = 0;
        for (int i = 0; i < 8; ++i)
            initValue |= uint64_t(variable.init_value[i]) << (8 * i);
        position = Put_Fields(image, position,
                              {{variable.Data_Type, 1}, {variable.length, 1}, {variable.access, 1},
                               {variable.bit_address, 1}, {variable.position, 4}, {variable.subindex, 4},
                               {variable.entry_index, 4}, {variable.ethercat_offset, 4}, {initValue, 8},
                               {variable.name_length, 4}, {variable.name_add, 4}});
    }
    static_assert(Header_Size == 14 + 2 + 6 * 4 && Descriptor_Size == 4 + 4 * 4 + 8 + 2 * 4);
    position = Put_Number(image, position, 0, 1);
    for (const TEtherCAT_pd& variable : EtherCAT_Variables)
        position = Write_Bank_String(variable.name, position, image);
    return position;
}

int TSaveBincc::Write_Bank_String(const QString& text, int position, TBank_Image& image)
{
    if (text.isEmpty())
        return position;
    for (const char byte : text.toUtf8())
        position = Put_Number(image, position, static_cast<uint8_t>(byte), 1);
    return Put_Number(image, position, 0, 1);
}
