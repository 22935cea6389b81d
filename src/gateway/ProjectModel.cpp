#include "gateway/ProjectModel.h"

#include "gateway/ProjectFile.h"
#include "platform/XmlDocument.h"
#include "platform/XmlElementTree.h"
#include "shell/UComon.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace {

const char* const ParGen_Elements[ParGen_Key_Count] = {
    "Eth_Conn_Device_Name",
    "Eth_Conn_DHCP_Cable",
    "Eth_Conn_DHCP_WiFi",
    "Eth_Conn_Enable_DNS",
    "Eth_Conn_Primary_DNS1",
    "Eth_Conn_Primary_DNS2",
    "Eth_Conn_Primary_DNS3",
    "Eth_Conn_Primary_DNS4",
    "Eth_Conn_Secondary_DNS1",
    "Eth_Conn_Secondary_DNS2",
    "Eth_Conn_Secondary_DNS3",
    "Eth_Conn_Secondary_DNS4",
    "EtherCAT_Slave_Revision_Number",
    "EtherCAT_Slave_Name",
    "EtherCAT_Slave_Node_Address",
    "DNETM_ID_DEV",
    "DNETM_BAUDRATE",
    "Ethernet_IP1",
    "Ethernet_IP2",
    "Ethernet_IP3",
    "Ethernet_IP4",
    "Ethernet_SM1",
    "Ethernet_SM2",
    "Ethernet_SM3",
    "Ethernet_SM4",
    "Ethernet_GAT1",
    "Ethernet_GAT2",
    "Ethernet_GAT3",
    "Ethernet_GAT4",
    "Ethernet_EN_GAT",
    "EtherCAT_Slave_Eeprom_Config",
    "EtherCAT_Slave_Vendor_ID",
    "EtherCAT_Slave_Product_Code",
    "EtherCAT_Slave_Serial_Number",
};

// One attribute of a row and the member that holds it, in the order the editors write them.
template <typename Row>
struct TAttribute {
    const char* Name;
    std::optional<QString> Row::*Member;
};

using EtherCAT_Attribute = TAttribute<TEtherCAT_Slave_Row>;
constexpr EtherCAT_Attribute Slave_To_Master_Attributes[] = {
    {"Enable", &TEtherCAT_Slave_Row::Enable},       {"Type", &TEtherCAT_Slave_Row::Type},
    {"Length", &TEtherCAT_Slave_Row::Length},       {"Name", &TEtherCAT_Slave_Row::Name},
    {"InitValue", &TEtherCAT_Slave_Row::InitValue}, {"Position", &TEtherCAT_Slave_Row::Position},
    {"BitStart", &TEtherCAT_Slave_Row::BitStart},   {"Mnemonic", &TEtherCAT_Slave_Row::Mnemonic},
};
constexpr EtherCAT_Attribute Master_To_Slave_Attributes[] = {
    {"Enable", &TEtherCAT_Slave_Row::Enable},     {"Type", &TEtherCAT_Slave_Row::Type},
    {"Length", &TEtherCAT_Slave_Row::Length},     {"Name", &TEtherCAT_Slave_Row::Name},
    {"Position", &TEtherCAT_Slave_Row::Position}, {"BitStart", &TEtherCAT_Slave_Row::BitStart},
    {"Mnemonic", &TEtherCAT_Slave_Row::Mnemonic},
};
constexpr TAttribute<TDNet_Row> DNet_Attributes[] = {
    {"ID", &TDNet_Row::ID},
    {"NB_IN", &TDNet_Row::NB_IN},
    {"NB_OUT", &TDNet_Row::NB_OUT},
    {"Mnemonic", &TDNet_Row::Mnemonic},
    {"Reset_DeviceNet", &TDNet_Row::Reset_DeviceNet},
    {"Reset_PROFINET", &TDNet_Row::Reset_PROFINET},
};
constexpr TAttribute<TDefOff_Byte> DefOff_Attributes[] = {
    {"Offset", &TDefOff_Byte::Offset},
    {"Mnemonic", &TDefOff_Byte::Mnemonic},
};

const QString Version_Comment = QStringLiteral("SW_VERSION = 1.000");

XmlNode Child_Element(const XmlNode& parent, const char* name)
{
    return parent.Child(QLatin1StringView(name));
}

// The decimal texts of the numbers below Interned_Numbers, each in a slot ended by a zero.
constexpr int Interned_Numbers = 4096;
constexpr int Number_Slot = 5;

constexpr std::array<char16_t, Interned_Numbers * Number_Slot> numberTexts()
{
    std::array<char16_t, Interned_Numbers * Number_Slot> texts{};
    for (int n = 0; n < Interned_Numbers; ++n) {
        int digits = 1;
        for (int rest = n / 10; rest != 0; rest /= 10)
            ++digits;
        for (int k = digits - 1, rest = n; k >= 0; --k, rest /= 10)
            texts[size_t(n * Number_Slot + k)] = char16_t(u'0' + rest % 10);
    }
    return texts;
}
constexpr std::array<char16_t, Interned_Numbers* Number_Slot> Number_Texts = numberTexts();

// A value that is a small number written plainly (digits, no leading zero), as most values of the
// project files are, as a string over the static text of that number, built inline as a literal is.
std::optional<QString> Interned_Number(std::string_view value)
{
    const size_t digits = value.size();
    if (digits == 0 || digits >= Number_Slot || (value[0] == '0' && digits > 1))
        return std::nullopt;
    int number = 0;
    for (const char c : value) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number >= Interned_Numbers)
        return std::nullopt;
    return QString(QStringPrivate(nullptr, const_cast<char16_t*>(&Number_Texts[size_t(number * Number_Slot)]),
                                  static_cast<qsizetype>(digits)));
}

// The words the tables repeat row after row (the enable flag, the types) as static strings: their
// copies share no count.
const QString* Common_Word(std::string_view text)
{
    static const std::array<QString, 11> words = {
        QStringLiteral("Y"),      QStringLiteral("N"),       QStringLiteral("Bool"),   QStringLiteral("Int8"),
        QStringLiteral("Int16"),  QStringLiteral("Int32"),   QStringLiteral("UInt8"),  QStringLiteral("UInt16"),
        QStringLiteral("UInt32"), QStringLiteral("Float32"), QStringLiteral("String"),
    };
    for (const QString& word : words)
        if (word.size() == static_cast<qsizetype>(text.size()) &&
            word == QLatin1StringView(text.data(), static_cast<qsizetype>(text.size())))
            return &word;
    return nullptr;
}

// Attribute values as strings. The project files repeat a few values row after row ("Y", a type, a
// length), so the last value that fell on each slot is kept and handed out again instead of converted.
class TValue_Cache {
public:
    QString Get(std::string_view value)
    {
        if (value.empty())
            return Empty;
        if (std::optional<QString> number = Interned_Number(value))
            return *std::move(number);
        // The slot is chosen by the length and a few characters; a value that falls on a taken slot
        // takes it over.
        const size_t size = value.size();
        const auto byte = [value](size_t k) { return static_cast<size_t>(static_cast<unsigned char>(value[k])); };
        const size_t hash = size * 131 + byte(0) * 31 + byte(size / 4) * 17 + byte(size / 2) * 7 +
                            byte(size * 3 / 4) * 3 + byte(size - 1);
        TSlot& slot = slots_[hash % Slot_Count];
        if (!slot.Filled || slot.Key != value) {
            const auto length = static_cast<qsizetype>(size);
            const bool ascii =
                std::all_of(value.begin(), value.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
            if (const QString* word = Common_Word(value))
                slot = {value, *word, true};
            else
                // ASCII, as nearly every value is, widens without the UTF-8 decoder.
                slot = {value,
                        ascii ? QString::fromLatin1(value.data(), length) : QString::fromUtf8(value.data(), length),
                        true};
        }
        return slot.Value;
    }

private:
    const QString Empty = QString::fromLatin1("", 0);  // not null, shared with every other empty string
    static constexpr size_t Slot_Count = 509;
    struct TSlot {
        std::string_view Key;  // into the document, which outlives the cache
        QString Value;
        bool Filled = false;
    };
    std::array<TSlot, Slot_Count> slots_;
};

// What reading the tables of one file shares: the file's elements, the value cache, and room for the
// attribute values of a table's rows.
struct TTable_Reader {
    XmlElementTree Tree;
    TValue_Cache Values;
    std::vector<std::string_view> Found;
};

// A row per child element of the table, with the attributes it has.
template <typename Row, size_t N>
std::vector<Row> Read_Rows(TTable_Reader& reader, XmlElementTree::Index table, const TAttribute<Row> (&attributes)[N])
{
    std::array<const char*, N> names;
    for (size_t k = 0; k < N; ++k)
        names[k] = attributes[k].Name;
    reader.Found.clear();
    reader.Tree.RowValues(table, names, reader.Found);
    std::vector<Row> rows(reader.Found.size() / N);
    const std::string_view* found = reader.Found.data();
    for (Row& row : rows)
        for (size_t k = 0; k < N; ++k, ++found)
            if (found->data() != nullptr)
                row.*attributes[k].Member = reader.Values.Get(*found);
    return rows;
}

template <typename Row, size_t N>
std::optional<std::vector<Row>> Read_Table(TTable_Reader& reader, XmlElementTree::Index parent, const char* name,
                                           const TAttribute<Row> (&attributes)[N])
{
    const XmlElementTree::Index table = reader.Tree.Child(parent, name);
    if (table == XmlElementTree::None)
        return std::nullopt;
    return Read_Rows(reader, table, attributes);
}

// A row element per row, with the attributes that have a value in the given order.
template <typename Row, size_t N>
void Write_Rows(XmlNode table, const std::vector<Row>& rows, const TAttribute<Row> (&attributes)[N])
{
    for (const Row& row : rows) {
        XmlNode element = table.AppendElement(QStringLiteral("row"));
        for (const TAttribute<Row>& attribute : attributes)
            if (const std::optional<QString>& value = row.*attribute.Member)
                element.SetAttribute(QString::fromLatin1(attribute.Name), *value);
    }
}

// Loads the file and reads its root element with read; no value when the file does not exist.
template <typename Read>
auto Read_Project_File(const QString& path, Read read) -> std::optional<decltype(read(XmlNode()))>
{
    XmlDocument doc;
    if (!Load_Project_File(doc, path))
        return std::nullopt;
    return read(Project_Root(doc, path));
}

// Loads a file of tables and reads its root element with read; no value when the file does not exist.
template <typename Read>
auto Read_Table_File(const QString& path, Read read)
    -> std::optional<decltype(read(std::declval<TTable_Reader&>(), XmlElementTree::Index()))>
{
    TTable_Reader reader;
    if (!Load_Project_File(reader.Tree, path))
        return std::nullopt;
    return read(reader, Project_Root(reader.Tree, path));
}

// Starts a new document with the root element and the version comment after it.
XmlNode New_Project_Document(XmlDocument& doc, const char* rootName)
{
    doc.Clear();
    XmlNode root = doc.Node().AppendElement(QString::fromLatin1(rootName));
    doc.Node().AppendComment(Version_Comment);
    return root;
}

void Save_Project_Document(const XmlDocument& doc, const QString& path)
{
    if (!doc.Save(path))
        throw EProject_Error(QStringLiteral("The file %1 can't be written.").arg(QDir::toNativeSeparators(path)));
}

}  // namespace

QString ParGen_Element(int key)
{
    return QString::fromLatin1(ParGen_Elements[key]);
}

std::optional<TParGen_File> Read_ParGen_File(const QString& path)
{
    return Read_Project_File(path, [](const XmlNode& root) {
        TParGen_File file;
        for (int k = 0; k < ParGen_Key_Count; ++k) {
            const XmlNode element = Child_Element(root, ParGen_Elements[k]);
            if (!element.IsNull() && element.IsTextElement())
                file[k] = element.Text();
        }
        return file;
    });
}

void Write_ParGen_File(const QString& path, const TParGen_File& file)
{
    XmlDocument doc;
    XmlNode root = New_Project_Document(doc, "Par_Gen");
    for (int k = 0; k < ParGen_Key_Count; ++k)
        if (file[k])
            root.AppendElement(ParGen_Element(k)).SetText(*file[k]);
    Save_Project_Document(doc, path);
}

std::optional<TEtherCAT_Slave_File> Read_EtherCAT_Slave_File(const QString& path)
{
    return Read_Table_File(path, [](TTable_Reader& reader, XmlElementTree::Index root) {
        TEtherCAT_Slave_File file;
        const XmlElementTree::Index variables = reader.Tree.Child(root, "EtherCAT_Slave_Variables");
        if (variables != XmlElementTree::None)
            file.Variables = TEtherCAT_Slave_Variables{
                Read_Table(reader, variables, "EtherCAT_Slave_To_Master", Slave_To_Master_Attributes),
                Read_Table(reader, variables, "EtherCAT_Master_To_Slave", Slave_To_Master_Attributes)};
        return file;
    });
}

void Write_EtherCAT_Slave_File(const QString& path, const TEtherCAT_Slave_File& file)
{
    XmlDocument doc;
    XmlNode variables =
        New_Project_Document(doc, "EtherCAT_Slave").AppendElement(QStringLiteral("EtherCAT_Slave_Variables"));
    const TEtherCAT_Slave_Variables tables = file.Variables.value_or(TEtherCAT_Slave_Variables());
    Write_Rows(variables.AppendElement(QStringLiteral("EtherCAT_Slave_To_Master")),
               tables.Slave_To_Master.value_or(TEtherCAT_Slave_Table()), Slave_To_Master_Attributes);
    Write_Rows(variables.AppendElement(QStringLiteral("EtherCAT_Master_To_Slave")),
               tables.Master_To_Slave.value_or(TEtherCAT_Slave_Table()), Master_To_Slave_Attributes);
    Save_Project_Document(doc, path);
}

std::optional<TDNet_File> Read_DNet_File(const QString& path)
{
    return Read_Table_File(path, [](TTable_Reader& reader, XmlElementTree::Index root) {
        return TDNet_File{Read_Rows(reader, root, DNet_Attributes)};
    });
}

void Write_DNet_File(const QString& path, const TDNet_File& file)
{
    XmlDocument doc;
    Write_Rows(New_Project_Document(doc, "DNET_Net"), file.Rows, DNet_Attributes);
    Save_Project_Document(doc, path);
}

std::optional<TDefOff_File> Read_DefOff_File(const QString& path)
{
    return Read_Table_File(path, [](TTable_Reader& reader, XmlElementTree::Index root) {
        TDefOff_File file;
        for (auto node = reader.Tree.FirstElement(root); node != XmlElementTree::None;
             node = reader.Tree.NextElement(node))
            file.Nodes.push_back({Read_Table(reader, node, "ByteIN", DefOff_Attributes),
                                  Read_Table(reader, node, "ByteOUT", DefOff_Attributes)});
        return file;
    });
}

void Write_DefOff_File(const QString& path, const TDefOff_File& file)
{
    XmlDocument doc;
    XmlNode root = New_Project_Document(doc, "Define_Offset");
    for (const TDefOff_Node& node : file.Nodes) {
        XmlNode element = root.AppendElement(QStringLiteral("Nodo_DNET"));
        Write_Rows(element.AppendElement(QStringLiteral("ByteIN")), node.Byte_In.value_or(std::vector<TDefOff_Byte>()),
                   DefOff_Attributes);
        Write_Rows(element.AppendElement(QStringLiteral("ByteOUT")),
                   node.Byte_Out.value_or(std::vector<TDefOff_Byte>()), DefOff_Attributes);
    }
    Save_Project_Document(doc, path);
}

TProject_Model Read_Project_Model()
{
    TProject_Model model;
    model.ParGen = Read_ParGen_File(File_ParGen);
    model.DNet = Read_DNet_File(File_DNETM_Net);
    model.DefOff = Read_DefOff_File(File_DNETM_DefOff);
    model.EtherCAT_Slave = Read_EtherCAT_Slave_File(File_EtherCAT_Slave);
    return model;
}

void Missing_Element(const char* name, const QString& path)
{
    throw EProject_Error(
        QStringLiteral("%1: the element %2 is missing").arg(QFileInfo(path).fileName(), QString::fromLatin1(name)));
}
