// The data bank: DeviceNet scan list and maps, EtherCAT variable section.
#include "gateway/USaveBincc.h"

#include "gateway/BankWriter.h"
#include "gateway/ProjectFile.h"
#include "platform/Locale.h"
#include "shell/UComon.h"

#include <QFileInfo>
#include <algorithm>
#include <bit>

namespace {

constexpr int Node_Size = 16;
constexpr int Gap_After_Scan_List = 3072;
constexpr int Header_Size = 40;
constexpr int Descriptor_Size = 36;
constexpr int Max_Slave_Byte_Index = 1023;  // a larger index reaches into the next MAC ID's keys
constexpr int Max_MAC_ID = 63;

// Where the parameter block holds the scan-list and map counts.
constexpr int Off_Num_Nodes = 0x07C;
constexpr int Off_Num_Map_In = 0x088;
constexpr int Off_Num_Map_Out = 0x08C;

QString File_Name(const QString& path)
{
    return QFileInfo(path).fileName();
}

int64_t Required_Number(const std::optional<QString>& value, const char* name, const QString& path)
{
    if (!value)
        throw EProject_Error(
            QStringLiteral("%1: a row has no attribute %2").arg(File_Name(path), QString::fromLatin1(name)));
    const auto number = Parse_Project_Number(*value);
    if (!number)
        throw EProject_Error(QStringLiteral("%1: the attribute %2 \"%3\" is not an integer")
                                 .arg(File_Name(path), QString::fromLatin1(name), *value));
    return *number;
}

bool Is_Yes(const std::optional<QString>& text)
{
    return text && text->trimmed().compare(u"Y", Qt::CaseInsensitive) == 0;
}

}  // namespace

void TSaveBincc::Read_DeviceNet_Master_XML(const std::optional<TDNet_File>& net,
                                           const std::optional<TDefOff_File>& offsets)
{
    if (net)
        Read_DNETM_Net(*net);
    if (offsets)
        Read_DNETM_DefOff(*offsets);
    Put_Parameter(Off_Num_Nodes, 4, DNETM_Nodes.size());
    Put_Parameter(Off_Num_Map_In, 4, Map_In.size());
    Put_Parameter(Off_Num_Map_Out, 4, Map_Out.size());
}

void TSaveBincc::Read_DNETM_Net(const TDNet_File& file)
{
    if (file.Rows.size() > static_cast<size_t>(Max_Nodes))
        throw EProject_Error(QStringLiteral("The DeviceNet network has %1 slaves; the gateway takes at most %2.")
                                 .arg(file.Rows.size())
                                 .arg(Max_Nodes));
    DNETM_Nodes.reserve(file.Rows.size());
    uint16_t sumIn = 0;
    uint16_t sumOut = 0;
    for (const TDNet_Row& row : file.Rows) {
        TDNETM_Node node;
        node.ID = static_cast<uint8_t>(Required_Number(row.ID, "ID", File_DNETM_Net));
        node.NB_IN = static_cast<uint16_t>(Required_Number(row.NB_IN, "NB_IN", File_DNETM_Net));
        node.NB_OUT = static_cast<uint16_t>(Required_Number(row.NB_OUT, "NB_OUT", File_DNETM_Net));
        if (Is_Yes(row.Reset_DeviceNet))
            node.Flags |= 1;
        if (Is_Yes(row.Reset_PROFINET))
            node.Flags |= 2;
        node.Start_IN = sumIn;
        node.Start_OUT = sumOut;
        sumIn = static_cast<uint16_t>(sumIn + node.NB_IN);
        sumOut = static_cast<uint16_t>(sumOut + node.NB_OUT);
        DNETM_Nodes.push_back(node);
    }
}

void TSaveBincc::Read_DNETM_DefOff(const TDefOff_File& file)
{
    Map_In.reserve(Max_Map_Entries);
    Map_Out.reserve(Max_Map_Entries);
    for (size_t j = 0; j < DNETM_Nodes.size() && j < file.Nodes.size(); ++j) {
        const TDNETM_Node& node = DNETM_Nodes[j];
        const TDefOff_Node& offsets = file.Nodes[j];
        Read_Byte_Map(Required_Element(offsets.Byte_In, "ByteIN", File_DNETM_DefOff), node, node.NB_IN, true);
        Read_Byte_Map(Required_Element(offsets.Byte_Out, "ByteOUT", File_DNETM_DefOff), node, node.NB_OUT, false);
    }
}

void TSaveBincc::Read_Byte_Map(const std::vector<TDefOff_Byte>& bytes, const TDNETM_Node& node, int count, bool input)
{
    std::vector<TDNETM_Map_Entry>& map = input ? Map_In : Map_Out;
    const auto direction = [input] { return input ? QStringLiteral("input") : QStringLiteral("output"); };
    for (int k = 0; k < count && k < static_cast<int>(bytes.size()); ++k) {
        const std::optional<QString>& offset = bytes[k].Offset;
        if (!offset)
            throw EProject_Error(QStringLiteral("%1: a row has no attribute Offset").arg(File_Name(File_DNETM_DefOff)));
        const auto position = Parse_Project_Number(*offset);
        if (!position || *position < 0)
            continue;  // "None" or a negative number: the byte is not mapped
        const auto which = [&] {
            return QStringLiteral("%1 byte %2 of the DeviceNet slave %3").arg(direction()).arg(k).arg(node.ID);
        };
        if (*position > Max_Position)
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
        if (map.size() == static_cast<size_t>(Max_Map_Entries))
            throw EProject_Error(
                QStringLiteral("More than %1 DeviceNet %2 bytes are mapped.").arg(Max_Map_Entries).arg(direction()));
        map.push_back({static_cast<uint16_t>(node.ID * 1024 + k), static_cast<uint16_t>(*position)});
    }
}

TEtherCAT_Data_Type TSaveBincc::Get_EtherCAT_Data_Type(const QString& type)
{
    struct Entry {
        QStringView Name;
        TEtherCAT_Data_Type Type;
    };
    static constexpr Entry Types[] = {
        {u"Bool", {1, 1}},   {u"Int8", {2, 1}},   {u"Int16", {3, 2}},   {u"Int32", {4, 4}},  {u"UInt8", {5, 1}},
        {u"UInt16", {6, 2}}, {u"UInt32", {7, 4}}, {u"Float32", {8, 4}}, {u"String", {9, 0}},
    };
    for (const Entry& entry : Types)
        if (type.size() == entry.Name.size() && type == entry.Name)
            return entry.Type;
    return {};
}

std::array<uint8_t, 8> TSaveBincc::EtherCAT_Init_Value(uint8_t dataType, const QString& text, QChar decimalSeparator)
{
    std::array<uint8_t, 8> bytes{};
    uint64_t bits = 0;
    int width = 0;
    switch (dataType) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7: {
        // The number 8589934591 itself leaves the value zero, like a text that is not a number.
        const auto value = Parse_Project_Number(text);
        if (!value || *value == 8589934591)
            return bytes;
        bits = static_cast<uint64_t>(*value);
        static constexpr int Widths[] = {0, 1, 1, 2, 4, 1, 2, 4};
        width = Widths[dataType];
        if (dataType == 1)
            bits &= 1;
        break;
    }
    case 8:
        bits = std::bit_cast<uint32_t>(static_cast<float>(Parse_Project_Real(text, decimalSeparator).value_or(0.0)));
        width = 4;
        break;
    default:
        return bytes;
    }
    for (int i = 0; i < width; ++i)
        bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
    return bytes;
}

void TSaveBincc::Read_EtherCAT_Slave_XML(const std::optional<TEtherCAT_Slave_File>& file, uint32_t sectionAddress)
{
    EtherCAT_Header.Table_Address = sectionAddress + Header_Size;
    const uint32_t emptyName = sectionAddress + Header_Size + Max_Variables * Descriptor_Size;
    Next_Name = emptyName + 1;
    if (file) {
        const TEtherCAT_Slave_Variables& variables =
            Required_Element(file->Variables, "EtherCAT_Slave_Variables", File_EtherCAT_Slave);
        const TEtherCAT_Slave_Table& slaveToMaster =
            Required_Element(variables.Slave_To_Master, "EtherCAT_Slave_To_Master", File_EtherCAT_Slave);
        const TEtherCAT_Slave_Table& masterToSlave =
            Required_Element(variables.Master_To_Slave, "EtherCAT_Master_To_Slave", File_EtherCAT_Slave);
        EtherCAT_Variables.reserve(std::min(slaveToMaster.size() + masterToSlave.size(), size_t(Max_Variables)));
        Read_EtherCAT_Direction(slaveToMaster, true, emptyName);
        Read_EtherCAT_Direction(masterToSlave, false, emptyName);
    }
    EtherCAT_Header.Num_Variables = static_cast<uint32_t>(EtherCAT_Variables.size());
}

void TSaveBincc::Read_EtherCAT_Direction(const TEtherCAT_Slave_Table& table, bool slaveToMaster, uint32_t emptyName)
{
    uint32_t subindex = 0;
    uint32_t offset = 0;
    const QChar decimalSeparator = DecimalSeparator();
    for (const TEtherCAT_Slave_Row& row : table) {
        if (!row.Enable || *row.Enable != QLatin1Char('Y'))
            continue;
        if (EtherCAT_Variables.size() == static_cast<size_t>(Max_Variables))
            throw EProject_Error(QStringLiteral("More than %1 EtherCAT variables are enabled.").arg(Max_Variables));
        TEtherCAT_pd& variable = EtherCAT_Variables.emplace_back();
        const TEtherCAT_Data_Type dataType = row.Type ? Get_EtherCAT_Data_Type(*row.Type) : TEtherCAT_Data_Type();
        variable.access = slaveToMaster ? 1 : 0;
        variable.Data_Type = dataType.Code;
        variable.length = dataType.Size >= 1
                              ? dataType.Size
                              : static_cast<uint8_t>(Project_Number_Or(row.Length.value_or(QString()), 1));
        variable.subindex = subindex++;
        variable.ethercat_offset = offset;
        offset += variable.length;
        variable.init_value =
            EtherCAT_Init_Value(variable.Data_Type, row.InitValue ? *row.InitValue : QString(), decimalSeparator);
        variable.name_length = row.Name ? Append_Name(*row.Name) : 0;
        if (variable.name_length == 0) {
            variable.name_add = emptyName;
        } else {
            variable.name_add = Next_Name;
            Next_Name += variable.name_length + 1;
        }
    }
}

uint32_t TSaveBincc::Append_Name(const QString& name)
{
    if (name.isEmpty())
        return 0;
    const qsizetype start = Names.size();
    // ASCII, as names nearly always are, is narrowed without the encoder; other text takes it back.
    Names.resize(start + name.size() + 1);
    char* out = Names.data() + start;
    const auto ascii = std::find_if(name.begin(), name.end(), [&out](QChar c) {
                           *out++ = static_cast<char>(c.unicode());
                           return c.unicode() >= 0x80;
                       }) == name.end();
    if (ascii) {
        *out = '\0';
    } else {
        Names.truncate(start);
        Names += name.toUtf8();
        Names += '\0';
    }
    return static_cast<uint32_t>(Names.size() - start - 1);
}

void TSaveBincc::Write_DeviceNet_Master_Bank(TBank_Writer& image) const
{
    for (const TDNETM_Node& node : DNETM_Nodes)
        image.Fields<4, 2, 2, 2, 2, 2, 2>(node.ID, node.NB_IN, node.NB_OUT, 0, node.Flags, node.Start_IN,
                                          node.Start_OUT);
    image.Fill(0, (Max_Nodes - static_cast<qsizetype>(DNETM_Nodes.size())) * Node_Size);
    static_assert(Max_Nodes * Node_Size + Gap_After_Scan_List == int(Map_In_Address - Scan_List_Address));
    image.Fill(0, Gap_After_Scan_List);
    for (const auto* map : {&Map_In, &Map_Out}) {
        for (const TDNETM_Map_Entry& entry : *map)
            image.Fields<2, 2>(entry.Key, entry.Position);
        image.Fill(char(0xFF), (Max_Map_Entries - static_cast<qsizetype>(map->size())) * 4);
    }
}

void TSaveBincc::Write_EtherCAT_Slave_Bank(TBank_Writer& image) const
{
    const TEtherCAT_Slave_Header& header = EtherCAT_Header;
    image.Bytes(reinterpret_cast<const char*>(header.Eeprom_Config.data()), header.Eeprom_Config.size());
    image.Fields<2, 4, 4, 4, 4, 4, 4>(header.Node_Address, header.Vendor_ID, header.Product_Code,
                                      header.Revision_Number, header.Serial_Number, header.Num_Variables,
                                      header.Table_Address);
    for (const TEtherCAT_pd& variable : EtherCAT_Variables) {
        uint64_t initValue = 0;
        for (int i = 0; i < 8; ++i)
            initValue |= uint64_t(variable.init_value[i]) << (8 * i);
        image.Fields<1, 1, 1, 1, 4, 4, 4, 4, 8, 4, 4>(variable.Data_Type, variable.length, variable.access,
                                                      variable.bit_address, variable.position, variable.subindex,
                                                      variable.entry_index, variable.ethercat_offset, initValue,
                                                      variable.name_length, variable.name_add);
    }
    image.Fill(0, (Max_Variables - static_cast<qsizetype>(EtherCAT_Variables.size())) * Descriptor_Size);
    static_assert(Header_Size == 14 + 2 + 6 * 4 && Descriptor_Size == 4 + 4 * 4 + 8 + 2 * 4);
    image.Number(0, 1);
    image.Bytes(Names.constData(), Names.size());
}
