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
#include <initializer_list>

static QString Read_Device_Icon_Hex()
{
    Q_INIT_RESOURCE(esi);
    QFile file(QStringLiteral(":/gateway/esi/Device_Icon.bmp"));
    file.open(QIODevice::ReadOnly);
    return QString::fromLatin1(file.readAll().toHex().toUpper());
}

namespace {

const QString Vendor_Group = QStringLiteral("Orvane Slaves");

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

const QString& Device_Icon_Hex()
{
    static const QString icon = Read_Device_Icon_Hex();
    return icon;
}

QString Hex(uint64_t value, int digits)
{
    return QString::number(value, 16).toUpper().rightJustified(digits, u'0');
}

// A number as text with an optional "#x" before it, in a buffer of its own (no allocation): decimal, or
// upper-case hexadecimal with at least `digits` digits.
class TNumber_Text {
public:
    static TNumber_Text Hex(uint64_t value, int digits) { return TNumber_Text(value, 16, digits, true); }
    static TNumber_Text Decimal(int64_t value)
    {
        TNumber_Text text(value < 0 ? uint64_t(0) - uint64_t(value) : uint64_t(value), 10, 1, false);
        if (value < 0)
            text.buffer_[--text.start_] = u'-';
        return text;
    }
    QStringView View() const { return QStringView(buffer_ + start_, Size - start_); }

private:
    static constexpr int Size = 24;
    TNumber_Text(uint64_t value, unsigned base, int digits, bool hexMark)
    {
        for (int written = 0; value != 0 || written < digits; ++written, value /= base)
            buffer_[--start_] = u"0123456789ABCDEF"[value % base];
        if (hexMark) {
            buffer_[--start_] = u'x';
            buffer_[--start_] = u'#';
        }
    }
    char16_t buffer_[Size];
    int start_ = Size;
};

QString Escaped(const QString& text)
{
    const bool plain = std::none_of(text.begin(), text.end(),
                                    [](QChar c) { return c == u'<' || c == u'>' || c == u'&' || c == u'"'; });
    return plain ? text : text.toHtmlEscaped();
}

} // namespace

std::pair<QString, int64_t> TEtherCAT_ESI_File::Convert_ESI_Data_Type(const QString& type, int64_t length)
{
    struct Entry {
        QStringView Type;
        QString DataType;
        int BitLen;
    };
    static const Entry Types[] = {
        {u"BOOL", QStringLiteral("BIT"), 1},      {u"INT8", QStringLiteral("SINT"), 8},
        {u"INT16", QStringLiteral("INT"), 16},    {u"INT32", QStringLiteral("DINT"), 32},
        {u"UINT8", QStringLiteral("USINT"), 8},   {u"UINT16", QStringLiteral("UINT"), 16},
        {u"UINT32", QStringLiteral("UDINT"), 32}, {u"FLOAT32", QStringLiteral("REAL"), 32},
    };
    const auto same = [](QStringView key, QStringView name) {
        return key.size() == name.size() && key.compare(name, Qt::CaseInsensitive) == 0;
    };
    const QStringView key = QStringView(type).trimmed();
    if (same(key, u"STRING"))
        return {QStringLiteral("STRING(%1)").arg(length), length * 8}; // no overflow: length fits 61 bits
    for (const Entry& entry : Types)
        if (same(key, entry.Type))
            return {entry.DataType, entry.BitLen};
    return {Types[0].DataType, 1};
}

QString TEtherCAT_ESI_File::Format_Three_Digits(int number)
{
    return QStringLiteral("%1").arg(number, 3, 10, QChar(u'0'));
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
    Alias_Text = Hex(Station_Alias & 0xFF, 2) + Hex(Station_Alias >> 8, 2);
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
    for (const TEtherCAT_Slave_Row& row : table) {
        if (row.Enable != u"Y")
            continue;
        const int64_t length =
            std::clamp<int64_t>(Project_Number_Or(row.Length.value_or(QString()), 0), -Length_Limit, Length_Limit);
        auto [dataType, bitLen] = Convert_ESI_Data_Type(row.Type.value_or(QString()), length);
        if (dataType != u"BIT" && length < 0)
            throw EProject_Error(QStringLiteral("%1: the EtherCAT variable \"%2\" has the length %3.")
                                     .arg(QFileInfo(File_EtherCAT_Slave).fileName(), row.Name.value_or(QString()))
                                     .arg(length));
        if (dataType != u"BIT") {
            bitsInRun = 0;
            bytes += length;
        } else if (bitsInRun++ % 8 == 0) {
            ++bytes; // the first bit of a run and every ninth one open a byte
        }
        rules.push_back({std::move(dataType), bitLen, row.Name.value_or(QString())});
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

void TEtherCAT_ESI_File::Append(std::initializer_list<QStringView> pieces)
{
    // Almost all of the file is ASCII: the pieces are narrowed in one pass after one resize, and when
    // one holds any other character they all go through the UTF-8 encoder instead.
    qsizetype size = 0;
    for (const QStringView piece : pieces)
        size += piece.size();
    const qsizetype at = Text.size();
    Text.resize(at + size);
    char* out = Text.data() + at;
    for (const QStringView piece : pieces)
        for (const QChar c : piece) {
            if (c.unicode() >= 0x80) {
                Text.truncate(at);
                for (const QStringView text : pieces)
                    Text.append(text.toUtf8());
                return;
            }
            *out++ = static_cast<char>(c.unicode());
        }
}

QStringView TEtherCAT_ESI_File::Indent(int level)
{
    static constexpr char16_t Spaces[] = u"                ";
    return QStringView(Spaces, std::min<qsizetype>(2 * level, std::size(Spaces) - 1));
}

void TEtherCAT_ESI_File::Add(int level, QStringView text)
{
    Append({Indent(level), text, u"\r\n"});
}

void TEtherCAT_ESI_File::Add_Element(int level, QStringView name, QStringView content, QStringView attributes)
{
    Append({Indent(level), u"<", name, attributes, u">", content, u"</", name, u">\r\n"});
}

void TEtherCAT_ESI_File::Add_Pdo_Blocks(const std::vector<TEtherCAT_Rule>& rules, bool outputs)
{
    const QString tag = outputs ? QStringLiteral("RxPdo") : QStringLiteral("TxPdo");
    const QString sm = outputs ? QStringLiteral("2") : QStringLiteral("3");
    const int pdoBase = outputs ? 0x1600 : 0x1A00;
    const QString prefix = outputs ? QStringLiteral("Outputs_") : QStringLiteral("Inputs_");
    const int entryBase = outputs ? 0x7000 : 0x6000;
    int bits = 8;
    const int count = static_cast<int>(rules.size());
    for (int v = 0; v < count; ++v) {
        const TEtherCAT_Rule& rule = rules[v];
        if (v % 16 == 0) {
            const int p = v / 16;
            Add(4, QStringLiteral("<%1 Mandatory=\"true\" Fixed=\"true\" Sm=\"%2\">").arg(tag, sm));
            Add_Element(5, QStringLiteral("Index"), QStringLiteral("#x") + Hex(pdoBase + p, 4));
            Add_Element(5, QStringLiteral("Name"), prefix + Format_Three_Digits(p));
            Text.append("\r\n");
        }
        Add(5, u"<Entry>");
        Add_Element(6, u"Index", TNumber_Text::Hex(entryBase + v, 4).View());
        Add_Element(6, u"SubIndex", u"0");
        Add_Element(6, u"BitLen", TNumber_Text::Decimal(rule.Length).View());
        Add_Element(6, u"Name", Escaped(rule.Name));
        Add_Element(6, u"DataType", Escaped(rule.DataType));
        Add(5, u"</Entry>");
        Text.append("\r\n");
        if (rule.DataType != u"BIT") {
            bits = 8;
        } else if (--bits == 0) {
            bits = 8;
        } else if (v == count - 1 || rules[v + 1].DataType != u"BIT") {
            // pads the byte that the run of bits leaves open
            Append({QStringLiteral("\t\t\t\t\t<Entry>\r\n"
                                       "\t\t\t\t\t\t<Index>#x0</Index>\r\n"
                                       "\t\t\t\t\t\t<SubIndex>0</SubIndex>\r\n"
                                       "\t\t\t\t\t\t<BitLen>%1</BitLen>\r\n"
                                       "\t\t\t\t\t</Entry>\r\n"
                                       "\r\n")
                        .arg(bits)});
            bits = 8;
        }
        if (v % 16 == 15)
            Add(4, QStringLiteral("</%1>").arg(tag));
    }
    if (count % 16 != 0)
        Add(4, QStringLiteral("</%1>").arg(tag));
}

void TEtherCAT_ESI_File::Write_ESI_File(const QString& fileName)
{
    const int64_t outputsAddress = Outputs_Address();
    const QString& icon = Device_Icon_Hex();
    const QString name = Escaped(Device_Name);
    const auto element = [this](int level, const char* tag, QStringView content, QStringView attributes = {}) {
        Add_Element(level, QString::fromLatin1(tag), content, attributes);
    };
    Text.reserve(8192 + 320 * static_cast<qsizetype>(Slave_To_Master.size() + Master_To_Slave.size()));
    Add(0, QStringLiteral("<?xml version=\"1.0\"?>"));
    Add(0, QStringLiteral("<EtherCATInfo xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                          "xsi:noNamespaceSchemaLocation=\"EtherCATInfo.xsd\" Version=\"1.6\">"));
    Add(1, QStringLiteral("<Vendor>"));
    element(2, "Id", QStringLiteral("#x00000A4E"));
    element(2, "Name", QStringLiteral("Orvane"));
    element(2, "ImageData16x14", icon);
    Add(1, QStringLiteral("</Vendor>"));
    Add(1, QStringLiteral("<Descriptions>"));
    Add(2, QStringLiteral("<Groups>"));
    Add(3, QStringLiteral("<Group SortOrder=\"0\">"));
    element(4, "Type", Vendor_Group);
    element(4, "Name", Vendor_Group, QStringLiteral(" LcId=\"1031\""));
    element(4, "Name", Vendor_Group, QStringLiteral(" LcId=\"1033\""));
    element(4, "ImageData16x14", icon);
    Add(3, QStringLiteral("</Group>"));
    Add(2, QStringLiteral("</Groups>"));
    Add(2, QStringLiteral("<Devices>"));
    Add(3, QStringLiteral("<Device Physics=\"YY\">"));
    element(4, "Type", name,
            QStringLiteral(" ProductCode=\"#x%1\" RevisionNo=\"#x%2\"").arg(Product_Code_Text, Hex(Revision_Number, 2)));
    element(4, "Name", name, QStringLiteral(" LcId=\"1033\""));
    element(4, "Name", name, QStringLiteral(" LcId=\"1031\""));
    Add(4, QStringLiteral("<Info>"));
    Add(5, QStringLiteral("<StateMachine>"));
    Add(6, QStringLiteral("<Timeout>"));
    element(7, "PreopTimeout", QStringLiteral("2000"));
    element(7, "SafeopOpTimeout", QStringLiteral("9000"));
    element(7, "BackToInitTimeout", QStringLiteral("5000"));
    element(7, "BackToSafeopTimeout", QStringLiteral("200"));
    Add(6, QStringLiteral("</Timeout>"));
    Add(5, QStringLiteral("</StateMachine>"));
    Add(5, QStringLiteral("<Mailbox>"));
    Add(6, QStringLiteral("<Timeout>"));
    element(7, "RequestTimeout", QStringLiteral("100"));
    element(7, "ResponseTimeout", QStringLiteral("2000"));
    Add(6, QStringLiteral("</Timeout>"));
    Add(5, QStringLiteral("</Mailbox>"));
    element(5, "IdentificationReg134", QStringLiteral("true"));
    Add(4, QStringLiteral("</Info>"));
    element(4, "GroupType", Vendor_Group);
    element(4, "Fmmu", QStringLiteral("Outputs"));
    element(4, "Fmmu", QStringLiteral("Inputs"));
    const QString mailboxSm = QStringLiteral(" MinSize=\"0\" MaxSize=\"0\" DefaultSize=\"0\" StartAddress=\"#x1FFF\" "
                                             "ControlByte=\"#x%1\" Enable=\"0\"");
    element(4, "Sm", QStringLiteral("MBoxOut"), mailboxSm.arg(QStringLiteral("26")));
    element(4, "Sm", QStringLiteral("MBoxIn"), mailboxSm.arg(QStringLiteral("22")));
    element(4, "Sm", QStringLiteral("Outputs"),
            QStringLiteral(" StartAddress=\"#x%1\" ControlByte=\"#x64\" DefaultSize=\"1\" Enable=\"1\"")
                .arg(Hex(static_cast<uint64_t>(outputsAddress), 4)));
    element(4, "Sm", QStringLiteral("Inputs"),
            QStringLiteral(" StartAddress=\"#x1000\" ControlByte=\"#x20\" DefaultSize=\"1\" Enable=\"1\""));
    Add_Pdo_Blocks(Master_To_Slave, true);
    Add_Pdo_Blocks(Slave_To_Master, false);
    Add(4, QStringLiteral("<Mailbox DataLinkLayer=\"true\">"));
    Add(5, QStringLiteral("<EoE />"));
    Add(5, QStringLiteral("<CoE SdoInfo=\"true\" SegmentedSdo=\"true\" CompleteAccess=\"true\" />"));
    Add(5, QStringLiteral("<FoE />"));
    Add(4, QStringLiteral("</Mailbox>"));
    Add(4, QStringLiteral("<Dc>"));
    struct Op_Mode {
        const char* Name;
        const char* Desc;
        const char* AssignActivate;
    };
    for (const Op_Mode& mode : {Op_Mode{"Synchron", "SM-Synchron", "#x0"}, Op_Mode{"DC", "DC-Synchron", "#x300"}}) {
        Add(5, QStringLiteral("<OpMode>"));
        element(6, "Name", QString::fromLatin1(mode.Name));
        element(6, "Desc", QString::fromLatin1(mode.Desc));
        element(6, "AssignActivate", QString::fromLatin1(mode.AssignActivate));
        element(6, "CycleTimeSync0", QStringLiteral("0"), QStringLiteral(" Factor=\"1\""));
        element(6, "ShiftTimeSync0", QStringLiteral("0"));
        element(6, "CycleTimeSync1", QStringLiteral("0"), QStringLiteral(" Factor=\"1\""));
        Add(5, QStringLiteral("</OpMode>"));
    }
    Add(4, QStringLiteral("</Dc>"));
    Add(4, QStringLiteral("<Eeprom>"));
    element(5, "ByteSize", QStringLiteral("2048"));
    element(5, "ConfigData", QStringLiteral("800F00CC8813ff00") + Alias_Text + QStringLiteral("00800000"));
    Add(4, QStringLiteral("</Eeprom>"));
    element(4, "ImageData16x14", icon);
    Add(3, QStringLiteral("</Device>"));
    Add(2, QStringLiteral("</Devices>"));
    Add(1, QStringLiteral("</Descriptions>"));
    Add(0, QStringLiteral("</EtherCATInfo>"));

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
