#pragma once
// The EtherCAT ESI file writer: describes the gateway as an EtherCAT slave for the network master.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <utility>
#include <vector>

class XmlNode;

// One process-data entry of the ESI file.
struct TEtherCAT_Rule {
    QString DataType; // ESI data type name
    int Length = 0;   // bits
    QString Name;
};

class TEtherCAT_ESI_File {
public:
    // Reads the project files and writes the ESI file; a malformed project file or a file that can't
    // be written raises EProject_Error, and then no file is written.
    void Build_ESI_File(const QString& fileName);
    void Read_EtherCAT_Slave_Data();
    void Write_ESI_File(const QString& fileName);

    // The ESI data type name and bit length of a variable's Type and Length attributes.
    static std::pair<QString, int> Convert_ESI_Data_Type(const QString& type, int length);
    // Decimal text with leading zeros to three digits.
    static QString Format_Three_Digits(int number);

    QString Device_Name;
    uint32_t Revision_Number = 0;
    uint16_t Station_Alias = 1;
    QString Alias_Text;
    QString Product_Code_Text;
    int Input_Bytes = 0;
    std::vector<TEtherCAT_Rule> Slave_To_Master; // TxPdo entries
    std::vector<TEtherCAT_Rule> Master_To_Slave; // RxPdo entries
    QStringList Lines;

private:
    void Read_Rules(const XmlNode& table, std::vector<TEtherCAT_Rule>& rules, int& bytes) const;
    void Add(int level, const QString& text);
    void Add_Element(int level, const QString& name, const QString& content, const QString& attributes = {});
    void Add_Pdo_Blocks(const std::vector<TEtherCAT_Rule>& rules, bool outputs);
};

// The ESI step: asks for the file in the project folder, and before replacing an existing one, then
// builds it.
void Save_EtherCAT_ESI_File();
