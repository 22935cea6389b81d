#include "gateway/UEtherCAT_ESI_File.h"

#include "gateway/ProjectFile.h"
#include "platform/Dialogs.h"
#include "platform/FileUtils.h"
#include "shell/UComon.h"
#include "shell/ULanguage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <tuple>

static QByteArray Read_Device_Icon_Hex()
{
    Q_INIT_RESOURCE(esi);
    QFile file(QStringLiteral(":/gateway/esi/Device_Icon.bmp"));
    file.open(QIODevice::ReadOnly);
    return file.readAll().toHex().toUpper();
}

namespace {

constexpr std::string_view Vendor_Group = "Orvane Slaves";

// The writer's value of each ParGen.xml key it reads, when the file, the element or (for a number)
// a number is missing.
struct TESI_Key {
    int Key;
    const char* Missing;
};
constexpr TESI_Key ESI_Name{pg_EtherCAT_Slave_Name, "EtherCAT Slave"};
constexpr TESI_Key ESI_Revision{pg_EtherCAT_Slave_Revision_Number, "0"};
constexpr TESI_Key ESI_Node_Address{pg_EtherCAT_Slave_Node_Address, "1"};

QString Key_Text(const std::optional<TParGen_File>& file, const TESI_Key& key)
{
    const std::optional<QString> text = file ? (*file)[key.Key] : std::nullopt;
    return text.value_or(QString::fromLatin1(key.Missing));
}

int64_t Key_Number(const std::optional<TParGen_File>& file, const TESI_Key& key)
{
    return Project_Number_Or(Key_Text(file, key), *Parse_Project_Number(QString::fromLatin1(key.Missing)));
}

const QByteArray& Device_Icon_Hex()
{
    static const QByteArray icon = Read_Device_Icon_Hex();
    return icon;
}

// A number as text in a buffer of its own (no allocation): decimal, or upper-case hexadecimal with an
// optional "#x" before it; at least `digits` digits, with leading zeros.
class TNumber_Text {
public:
    static TNumber_Text Hex(uint64_t value, int digits, bool mark = true)
    {
        TNumber_Text text;
        text.Put<16>(value, digits);
        if (mark) {
            text.buffer_[--text.start_] = 'x';
            text.buffer_[--text.start_] = '#';
        }
        return text;
    }
    static TNumber_Text Decimal(int64_t value, int digits = 1)
    {
        TNumber_Text text;
        text.Put<10>(value < 0 ? uint64_t(0) - uint64_t(value) : uint64_t(value), digits);
        if (value < 0)
            text.buffer_[--text.start_] = '-';
        return text;
    }
    std::string_view View() const { return std::string_view(buffer_ + start_, size_t(Size - start_)); }
    QString Text() const { return QString::fromLatin1(View()); }

private:
    static constexpr int Size = 24;
    TNumber_Text() = default;
    // The base is a constant, so that each digit takes no division.
    template <unsigned base>
    void Put(uint64_t value, int digits)
    {
        for (int written = 0; value != 0 || written < digits; ++written, value /= base)
            buffer_[--start_] = "0123456789ABCDEF"[value % base];
    }
    char buffer_[Size];
    int start_ = Size;
};

// The ESI name of a variable type; the type compares without case, and with Qt's case folding when it
// holds other than ASCII characters.
bool Same_Type(QStringView key, std::string_view name)
{
    if (key.size() != qsizetype(name.size()))
        return false;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const char16_t c = key[i].unicode();
        if (c >= 0x80)
            return key.compare(QLatin1StringView(name.data(), qsizetype(name.size())), Qt::CaseInsensitive) == 0;
        if ((c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c) != static_cast<unsigned char>(name[size_t(i)]))
            return false;
    }
    return true;
}

// The variable type in upper case as one number, when it is ASCII of at most eight characters; else 0.
uint64_t Type_Key(QStringView type)
{
    if (type.size() > 8)
        return 0;
    uint64_t key = 0;
    for (qsizetype i = 0; i < type.size(); ++i) {
        const char16_t c = type[i].unicode();
        if (c == 0 || c >= 0x80)
            return 0;
        key |= uint64_t(c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c) << (8 * i);
    }
    return key;
}

constexpr uint64_t Type_Key(std::string_view name)
{
    uint64_t key = 0;
    for (size_t i = 0; i < name.size(); ++i)
        key |= uint64_t(static_cast<unsigned char>(name[i])) << (8 * i);
    return key;
}

std::pair<QByteArray, int64_t> ESI_Data_Type(QStringView type, int64_t length)
{
    struct Entry {
        std::string_view Type;
        QByteArray DataType;
        int BitLen;
        uint64_t Key = Type_Key(Type);
    };
    static const Entry Types[] = {
        {"BOOL", QByteArrayLiteral("BIT"), 1},      {"INT8", QByteArrayLiteral("SINT"), 8},
        {"INT16", QByteArrayLiteral("INT"), 16},    {"INT32", QByteArrayLiteral("DINT"), 32},
        {"UINT8", QByteArrayLiteral("USINT"), 8},   {"UINT16", QByteArrayLiteral("UINT"), 16},
        {"UINT32", QByteArrayLiteral("UDINT"), 32}, {"FLOAT32", QByteArrayLiteral("REAL"), 32},
    };
    constexpr std::string_view String_Type = "STRING";
    const QStringView key = type.trimmed();
    // ASCII types, as nearly all are, compare as one number each.
    const uint64_t asciiKey = Type_Key(key);
    if (asciiKey != 0 ? asciiKey == Type_Key(String_Type) : Same_Type(key, String_Type)) {
        const TNumber_Text number = TNumber_Text::Decimal(length);
        const std::string_view digits = number.View();
        QByteArray name(qsizetype(String_Type.size() + digits.size() + 2), Qt::Uninitialized);
        char* out = std::copy(String_Type.begin(), String_Type.end(), name.data());
        *out++ = '(';
        *std::copy(digits.begin(), digits.end(), out) = ')';
        return {name, length * 8};  // no overflow: length fits 61 bits
    }
    for (const Entry& entry : Types)
        if (asciiKey != 0 ? asciiKey == entry.Key : Same_Type(key, entry.Type))
            return {entry.DataType, entry.BitLen};
    return {Types[0].DataType, 1};
}

bool Is_Reserved(char16_t c)
{
    return c == u'<' || c == u'>' || c == u'&' || c == u'"';
}

std::string_view View(const QByteArray& bytes)
{
    return std::string_view(bytes.constData(), size_t(bytes.size()));
}

}  // namespace

std::pair<QString, int64_t> TEtherCAT_ESI_File::Convert_ESI_Data_Type(const QString& type, int64_t length)
{
    auto [dataType, bits] = ESI_Data_Type(type, length);
    return {QString::fromLatin1(dataType), bits};
}

QString TEtherCAT_ESI_File::Format_Three_Digits(int number)
{
    return TNumber_Text::Decimal(number, 3).Text();
}

void TEtherCAT_ESI_File::Build_ESI_File(const QString& fileName)
{
    Text.clear();
    try {
        const std::optional<TParGen_File> parGen = Read_ParGen_File(File_ParGen);
        Read_EtherCAT_Slave_Data(parGen, Read_EtherCAT_Slave_File(File_EtherCAT_Slave));
        Write_ESI_File(fileName);
    } catch (...) {
        Text.clear();
        throw;
    }
    Text.clear();
}

void TEtherCAT_ESI_File::Read_EtherCAT_Slave_Data(const std::optional<TParGen_File>& parGen,
                                                  const std::optional<TEtherCAT_Slave_File>& variables)
{
    Device_Name = Key_Text(parGen, ESI_Name);
    Revision_Number = static_cast<uint32_t>(Key_Number(parGen, ESI_Revision));
    Station_Alias = static_cast<uint16_t>(Key_Number(parGen, ESI_Node_Address));
    Alias_Text = TNumber_Text::Hex(Station_Alias & 0xFF, 2, false).Text() +
                 TNumber_Text::Hex(Station_Alias >> 8, 2, false).Text();
    Product_Code_Text = QStringLiteral("00000C3B");

    Slave_To_Master.clear();
    Master_To_Slave.clear();
    Input_Bytes = 0;
    Output_Bytes = 0;
    if (variables) {
        const TEtherCAT_Slave_Variables& tables =
            Required_Element(variables->Variables, "EtherCAT_Slave_Variables", File_EtherCAT_Slave);
        Read_Rules(Required_Element(tables.Slave_To_Master, "EtherCAT_Slave_To_Master", File_EtherCAT_Slave),
                   Slave_To_Master, Input_Bytes);
        Read_Rules(Required_Element(tables.Master_To_Slave, "EtherCAT_Master_To_Slave", File_EtherCAT_Slave),
                   Master_To_Slave, Output_Bytes);
    }
}

void TEtherCAT_ESI_File::Read_Rules(const TEtherCAT_Slave_Table& table, std::vector<TEtherCAT_Rule>& rules,
                                    int64_t& bytes)
{
    // A length beyond this can't be a byte count of process data and is refused like one that does not fit.
    constexpr int64_t Length_Limit = int64_t(1) << 40;
    int bitsInRun = 0;
    rules.reserve(table.size());
    for (const TEtherCAT_Slave_Row& row : table) {
        if (!row.Enable || *row.Enable != QLatin1Char('Y'))
            continue;
        const int64_t length =
            row.Length ? std::clamp<int64_t>(Project_Number_Or(*row.Length, 0), -Length_Limit, Length_Limit) : 0;
        TEtherCAT_Rule& rule = rules.emplace_back();
        std::tie(rule.DataType, rule.Length) = ESI_Data_Type(row.Type ? QStringView(*row.Type) : QStringView(), length);
        if (row.Name)
            rule.Name = *row.Name;
        if (!rule.Is_Bit() && length < 0)
            throw EProject_Error(QStringLiteral("%1: the EtherCAT variable \"%2\" has the length %3.")
                                     .arg(QFileInfo(File_EtherCAT_Slave).fileName(), rule.Name)
                                     .arg(length));
        if (!rule.Is_Bit()) {
            bitsInRun = 0;
            bytes += length;
        } else if (bitsInRun++ % 8 == 0) {
            ++bytes;  // the first bit of a run and every ninth one open a byte
        }
    }
}

int64_t TEtherCAT_ESI_File::Outputs_Address() const
{
    const int64_t address = 0x1000 + ((3 * Input_Bytes + 3) / 4) * 4;
    if (address + 3 * Output_Bytes > Process_Memory_End)
        throw EProject_Error(QStringLiteral("The EtherCAT process data (%1 input bytes, %2 output bytes) does not "
                                            "fit the gateway's process memory.")
                                 .arg(Input_Bytes)
                                 .arg(Output_Bytes));
    return address;
}

void TEtherCAT_ESI_File::Grow(size_t count)
{
    Text.resize(std::max(2 * Text.size(), qsizetype(used_ + count)));
}

inline char* TEtherCAT_ESI_File::Room(size_t count)
{
    if (used_ + count > size_t(Text.size()))
        Grow(count);
    char* at = Text.data() + used_;
    used_ += count;
    return at;
}

namespace {

// A piece of text to append: a literal's length is known when this is compiled.
template <size_t N>
constexpr std::string_view Piece(const char (&literal)[N])
{
    return {literal, N - 1};
}

constexpr std::string_view Piece(std::string_view text)
{
    return text;
}

}  // namespace

template <typename... Pieces>
void TEtherCAT_ESI_File::Append(const Pieces&... pieces)
{
    const auto put = [](char* out, std::string_view piece) {
        if (!piece.empty())  // an empty view may have no data at all
            std::memcpy(out, piece.data(), piece.size());
        return out + piece.size();
    };
    char* out = Room((Piece(pieces).size() + ...));
    ((out = put(out, Piece(pieces))), ...);
}

void TEtherCAT_ESI_File::Append_Escaped(const QString& text)
{
    // Nearly every text is plain ASCII and is narrowed in place; any other character takes it back.
    char* out = Room(size_t(text.size()));
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x80 || Is_Reserved(u)) {
            used_ -= size_t(text.size());
            Append(View(text.toHtmlEscaped().toUtf8()));
            return;
        }
        *out++ = static_cast<char>(u);
    }
}

std::string_view TEtherCAT_ESI_File::Indent(int level)
{
    constexpr std::string_view Spaces = "                ";
    return Spaces.substr(0, std::min<size_t>(2 * size_t(level), Spaces.size()));
}

void TEtherCAT_ESI_File::Add(int level, std::string_view text)
{
    Append(Indent(level), text, "\r\n");
}

void TEtherCAT_ESI_File::Add_Element(int level, std::string_view name, std::string_view content,
                                     std::string_view attributes)
{
    Append(Indent(level), "<", name, attributes, ">", content, "</", name, ">\r\n");
}

void TEtherCAT_ESI_File::Add_Text_Element(int level, std::string_view name, const QString& text,
                                          std::string_view attributes)
{
    Append(Indent(level), "<", name, attributes, ">");
    Append_Escaped(text);
    Append("</", name, ">\r\n");
}

void TEtherCAT_ESI_File::Add_Pdo_Blocks(const std::vector<TEtherCAT_Rule>& rules, bool outputs)
{
    const std::string_view tag = outputs ? "RxPdo" : "TxPdo";
    const std::string_view sm = outputs ? "2" : "3";
    const int pdoBase = outputs ? 0x1600 : 0x1A00;
    const std::string_view prefix = outputs ? "Outputs_" : "Inputs_";
    const int entryBase = outputs ? 0x7000 : 0x6000;
    int bits = 8;
    const int count = static_cast<int>(rules.size());
    for (int v = 0; v < count; ++v) {
        const TEtherCAT_Rule& rule = rules[v];
        if (v % 16 == 0) {
            const int p = v / 16;
            Append(Indent(4), "<", tag, " Mandatory=\"true\" Fixed=\"true\" Sm=\"", sm, "\">\r\n");
            Add_Element(5, "Index", TNumber_Text::Hex(uint64_t(pdoBase + p), 4).View());
            Append(Indent(5), "<Name>", prefix, TNumber_Text::Decimal(p, 3).View(), "</Name>\r\n\r\n");
        }
        Append(
            "          <Entry>\r\n"
            "            <Index>",
            TNumber_Text::Hex(uint64_t(entryBase + v), 4).View(),
            "</Index>\r\n"
            "            <SubIndex>0</SubIndex>\r\n"
            "            <BitLen>",
            TNumber_Text::Decimal(rule.Length).View(),
            "</BitLen>\r\n"
            "            <Name>");
        Append_Escaped(rule.Name);
        Append(
            "</Name>\r\n"
            "            <DataType>",
            View(rule.DataType),
            "</DataType>\r\n"
            "          </Entry>\r\n"
            "\r\n");
        if (!rule.Is_Bit()) {
            bits = 8;
        } else if (--bits == 0) {
            bits = 8;
        } else if (v == count - 1 || !rules[v + 1].Is_Bit()) {
            // pads the byte that the run of bits leaves open
            Append(
                "\t\t\t\t\t<Entry>\r\n"
                "\t\t\t\t\t\t<Index>#x0</Index>\r\n"
                "\t\t\t\t\t\t<SubIndex>0</SubIndex>\r\n"
                "\t\t\t\t\t\t<BitLen>",
                TNumber_Text::Decimal(bits).View(),
                "</BitLen>\r\n"
                "\t\t\t\t\t</Entry>\r\n"
                "\r\n");
            bits = 8;
        }
        if (v % 16 == 15)
            Append(Indent(4), "</", tag, ">\r\n");
    }
    if (count % 16 != 0)
        Append(Indent(4), "</", tag, ">\r\n");
}

void TEtherCAT_ESI_File::Write_ESI_File(const QString& fileName)
{
    const int64_t outputsAddress = Outputs_Address();
    const std::string_view icon = View(Device_Icon_Hex());
    const auto name = [this](int level, std::string_view lcId) { Add_Text_Element(level, "Name", Device_Name, lcId); };
    used_ = 0;
    Text.resize(16384 + 256 * static_cast<qsizetype>(Slave_To_Master.size() + Master_To_Slave.size()));
    Add(0, "<?xml version=\"1.0\"?>");
    Add(0,
        "<EtherCATInfo xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
        "xsi:noNamespaceSchemaLocation=\"EtherCATInfo.xsd\" Version=\"1.6\">");
    Add(1, "<Vendor>");
    Add_Element(2, "Id", "#x00000A4E");
    Add_Element(2, "Name", "Orvane");
    Add_Element(2, "ImageData16x14", icon);
    Add(1, "</Vendor>");
    Add(1, "<Descriptions>");
    Add(2, "<Groups>");
    Add(3, "<Group SortOrder=\"0\">");
    Add_Element(4, "Type", Vendor_Group);
    Add_Element(4, "Name", Vendor_Group, " LcId=\"1031\"");
    Add_Element(4, "Name", Vendor_Group, " LcId=\"1033\"");
    Add_Element(4, "ImageData16x14", icon);
    Add(3, "</Group>");
    Add(2, "</Groups>");
    Add(2, "<Devices>");
    Add(3, "<Device Physics=\"YY\">");
    const QByteArray product = Product_Code_Text.toUtf8();
    const TNumber_Text revision = TNumber_Text::Hex(Revision_Number, 2);
    const QByteArray type = " ProductCode=\"#x" + product + "\" RevisionNo=\"" +
                            QByteArray(revision.View().data(), qsizetype(revision.View().size())) + "\"";
    Add_Text_Element(4, "Type", Device_Name, View(type));
    name(4, " LcId=\"1033\"");
    name(4, " LcId=\"1031\"");
    Add(4, "<Info>");
    Add(5, "<StateMachine>");
    Add(6, "<Timeout>");
    Add_Element(7, "PreopTimeout", "2000");
    Add_Element(7, "SafeopOpTimeout", "9000");
    Add_Element(7, "BackToInitTimeout", "5000");
    Add_Element(7, "BackToSafeopTimeout", "200");
    Add(6, "</Timeout>");
    Add(5, "</StateMachine>");
    Add(5, "<Mailbox>");
    Add(6, "<Timeout>");
    Add_Element(7, "RequestTimeout", "100");
    Add_Element(7, "ResponseTimeout", "2000");
    Add(6, "</Timeout>");
    Add(5, "</Mailbox>");
    Add_Element(5, "IdentificationReg134", "true");
    Add(4, "</Info>");
    Add_Element(4, "GroupType", Vendor_Group);
    Add_Element(4, "Fmmu", "Outputs");
    Add_Element(4, "Fmmu", "Inputs");
    Add_Element(4, "Sm", "MBoxOut",
                " MinSize=\"0\" MaxSize=\"0\" DefaultSize=\"0\" StartAddress=\"#x1FFF\" ControlByte=\"#x26\" "
                "Enable=\"0\"");
    Add_Element(4, "Sm", "MBoxIn",
                " MinSize=\"0\" MaxSize=\"0\" DefaultSize=\"0\" StartAddress=\"#x1FFF\" ControlByte=\"#x22\" "
                "Enable=\"0\"");
    Append(Indent(4), "<Sm StartAddress=\"", TNumber_Text::Hex(static_cast<uint64_t>(outputsAddress), 4).View(),
           "\" ControlByte=\"#x64\" DefaultSize=\"1\" Enable=\"1\">Outputs</Sm>\r\n");
    Add_Element(4, "Sm", "Inputs", " StartAddress=\"#x1000\" ControlByte=\"#x20\" DefaultSize=\"1\" Enable=\"1\"");
    Add_Pdo_Blocks(Master_To_Slave, true);
    Add_Pdo_Blocks(Slave_To_Master, false);
    Add(4, "<Mailbox DataLinkLayer=\"true\">");
    Add(5, "<EoE />");
    Add(5, "<CoE SdoInfo=\"true\" SegmentedSdo=\"true\" CompleteAccess=\"true\" />");
    Add(5, "<FoE />");
    Add(4, "</Mailbox>");
    Add(4, "<Dc>");
    struct Op_Mode {
        std::string_view Name;
        std::string_view Desc;
        std::string_view AssignActivate;
    };
    for (const Op_Mode& mode : {Op_Mode{"Synchron", "SM-Synchron", "#x0"}, Op_Mode{"DC", "DC-Synchron", "#x300"}}) {
        Add(5, "<OpMode>");
        Add_Element(6, "Name", mode.Name);
        Add_Element(6, "Desc", mode.Desc);
        Add_Element(6, "AssignActivate", mode.AssignActivate);
        Add_Element(6, "CycleTimeSync0", "0", " Factor=\"1\"");
        Add_Element(6, "ShiftTimeSync0", "0");
        Add_Element(6, "CycleTimeSync1", "0", " Factor=\"1\"");
        Add(5, "</OpMode>");
    }
    Add(4, "</Dc>");
    Add(4, "<Eeprom>");
    Add_Element(5, "ByteSize", "2048");
    const QByteArray alias = Alias_Text.toUtf8();
    Append(Indent(5), "<ConfigData>800F00CC8813ff00", View(alias), "00800000</ConfigData>\r\n");
    Add(4, "</Eeprom>");
    Add_Element(4, "ImageData16x14", icon);
    Add(3, "</Device>");
    Add(2, "</Devices>");
    Add(1, "</Descriptions>");
    Add(0, "</EtherCATInfo>");
    Text.truncate(qsizetype(used_));

    if (!WriteFilesAtomic({{fileName, Text}}).isEmpty())
        throw EProject_Error(QStringLiteral("The file %1 can't be written.").arg(QDir::toNativeSeparators(fileName)));
}

void Save_EtherCAT_ESI_File()
{
    TSaveDialog SaveESI(nullptr);
    SaveESI.Filter = QStringLiteral("EtherCAT ESI File (*.xml)|*.xml");
    SaveESI.DefaultExt = QStringLiteral("xml");
    SaveESI.InitialDir = Path_Project;
    if (!SaveESI.Execute())
        return;
    if (FileExists(SaveESI.FileName) && MessageDlg(Lang_Text[1105], mtConfirmation, mbYesNo) == mrNo)
        return;
    TEtherCAT_ESI_File().Build_ESI_File(SaveESI.FileName);
}
