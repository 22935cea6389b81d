#pragma once
// The EtherCAT ESI file writer: describes the gateway as an EtherCAT slave for the network master.
#include "gateway/ProjectModel.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

// One process-data entry of the ESI file.
struct TEtherCAT_Rule {
    QByteArray DataType;  // ESI data type name
    int64_t Length = 0;   // bits
    QString Name;
    bool Is_Bit() const { return std::string_view(DataType.constData(), size_t(DataType.size())) == "BIT"; }
};

class TEtherCAT_ESI_File {
public:
    // The sync managers' addresses are 16 bits: the process data must end below this address.
    static constexpr int64_t Process_Memory_End = 0x10000;

    // Reads the project files and writes the ESI file; a malformed project file, process data that
    // does not fit or a file that can't be written raises EProject_Error, and then no file is written.
    void Build_ESI_File(const QString& fileName);
    void Read_EtherCAT_Slave_Data(const std::optional<TParGen_File>& parGen,
                                  const std::optional<TEtherCAT_Slave_File>& variables);
    void Write_ESI_File(const QString& fileName);

    // The ESI data type name and bit length of a variable's Type and Length attributes.
    static std::pair<QString, int64_t> Convert_ESI_Data_Type(const QString& type, int64_t length);
    // Decimal text with leading zeros to three digits.
    static QString Format_Three_Digits(int number);

    QString Device_Name;
    uint32_t Revision_Number = 0;
    uint16_t Station_Alias = 1;
    QString Alias_Text;
    QString Product_Code_Text;
    int64_t Input_Bytes = 0;
    int64_t Output_Bytes = 0;
    std::vector<TEtherCAT_Rule> Slave_To_Master;  // TxPdo entries
    std::vector<TEtherCAT_Rule> Master_To_Slave;  // RxPdo entries
    QByteArray Text;                              // the lines of the file in UTF-8, each ended by CR LF

private:
    static void Read_Rules(const TEtherCAT_Slave_Table& table, std::vector<TEtherCAT_Rule>& rules, int64_t& bytes);
    // The outputs sync manager's address; process data that does not fit raises EProject_Error.
    int64_t Outputs_Address() const;
    // The next count bytes of Text, which grows when they are past its end.
    char* Room(size_t count);
    void Grow(size_t count);
    // Appends the pieces: string views or literals.
    template <typename... Pieces>
    void Append(const Pieces&... pieces);
    // Appends the text in UTF-8 with the characters XML reserves escaped.
    void Append_Escaped(const QString& text);
    static std::string_view Indent(int level);
    void Add(int level, std::string_view text);
    void Add_Element(int level, std::string_view name, std::string_view content, std::string_view attributes = {});
    void Add_Text_Element(int level, std::string_view name, const QString& text, std::string_view attributes = {});
    void Add_Pdo_Blocks(const std::vector<TEtherCAT_Rule>& rules, bool outputs);

    size_t used_ = 0;  // bytes of Text written so far
};

// The ESI step: asks for the file in the project folder, and before replacing an existing one, then
// builds it.
void Save_EtherCAT_ESI_File();
