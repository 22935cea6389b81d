#pragma once
// The configuration image compiler: turns the project files into the parameter block (bank1.bin)
// and the data bank (bank2.bin) of the gateway.
#include "gateway/ProjectModel.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

class TBank_Writer;

// One DeviceNet slave of the scan list.
struct TDNETM_Node {
    uint8_t ID = 0;
    uint16_t NB_IN = 0;
    uint16_t NB_OUT = 0;
    uint16_t Flags = 0;      // bit 0 reset DeviceNet, bit 1 reset PROFINET
    uint16_t Start_IN = 0;   // input bytes of the earlier entries
    uint16_t Start_OUT = 0;  // output bytes of the earlier entries
};

// One mapped slave byte; a free entry is 0xFFFF, 0xFFFF.
struct TDNETM_Map_Entry {
    uint16_t Key = 0xFFFF;       // MAC ID * 1024 + byte index
    uint16_t Position = 0xFFFF;  // byte of the gateway's data image
};

struct TEtherCAT_Slave_Header {
    std::array<uint8_t, 14> Eeprom_Config{};
    uint16_t Node_Address = 0;
    uint32_t Vendor_ID = 0;
    uint32_t Product_Code = 0;
    uint32_t Revision_Number = 0;
    uint32_t Serial_Number = 0;
    uint32_t Num_Variables = 0;
    uint32_t Table_Address = 0;
};

// One EtherCAT process-data variable.
struct TEtherCAT_pd {
    uint8_t Data_Type = 0;
    uint8_t length = 0;
    uint8_t access = 0;  // 1 slave to master, 0 master to slave
    uint8_t bit_address = 0;
    uint32_t position = 0;
    uint32_t subindex = 0;
    uint32_t entry_index = 0;
    uint32_t ethercat_offset = 0;
    std::array<uint8_t, 8> init_value{};
    uint32_t name_length = 0;  // UTF-8 bytes
    uint32_t name_add = 0;
};

struct TEtherCAT_Data_Type {
    uint8_t Code = 0;
    uint8_t Size = 0;  // 0 when the Length attribute gives it
};

// The two images of one compile: the parameter block and the data bank, each as long as it is used.
struct TBank_Images {
    QByteArray Bank1;
    QByteArray Bank2;
};

// One compile of the configuration image; its state lives only while Compile runs.
class TSaveBincc {
public:
    static constexpr int Parameter_Bank_Size = 2048;
    static constexpr int Image_Size = 0x20000;
    static constexpr int Max_Nodes = 64;
    static constexpr int Max_Map_Entries = 1536;
    static constexpr int Max_Variables = 512;
    static constexpr int Max_Position = 1439;
    static constexpr uint32_t Scan_List_Address = 0x80000;
    static constexpr uint32_t Map_In_Address = 0x81000;
    static constexpr uint32_t Map_Out_Address = 0x82800;
    static constexpr uint32_t EtherCAT_Section_Address = 0x84000;

    // Builds both images from the project; a refused or malformed project raises EProject_Error.
    static TBank_Images Compile_Bank_Files(const TProject_Model& project);

    static TEtherCAT_Data_Type Get_EtherCAT_Data_Type(const QString& type);
    // The initial value of a variable of that type code, from the text of its InitValue attribute (a real
    // number written with the decimal separator).
    static std::array<uint8_t, 8> EtherCAT_Init_Value(uint8_t dataType, const QString& text, QChar decimalSeparator);

private:
    TSaveBincc();

    void Init_Parameter_Bank();
    void Read_ParGen_XML(const std::optional<TParGen_File>& file);
    void Set_SW_Version();
    void Set_EtherCAT_Eeprom_Config(const QString& text);
    void Write_Parameter_Bank(TBank_Writer& image);

    void Read_DeviceNet_Master_XML(const std::optional<TDNet_File>& net, const std::optional<TDefOff_File>& offsets);
    void Read_DNETM_Net(const TDNet_File& file);
    void Read_DNETM_DefOff(const TDefOff_File& file);
    void Read_Byte_Map(const std::vector<TDefOff_Byte>& bytes, const TDNETM_Node& node, int count, bool input);
    void Read_EtherCAT_Slave_XML(const std::optional<TEtherCAT_Slave_File>& file, uint32_t sectionAddress);
    void Read_EtherCAT_Direction(const TEtherCAT_Slave_Table& table, bool slaveToMaster, uint32_t emptyName);
    void Write_DeviceNet_Master_Bank(TBank_Writer& image) const;
    void Write_EtherCAT_Slave_Bank(TBank_Writer& image) const;

    // Appends a variable's name to Names; its length in bytes.
    uint32_t Append_Name(const QString& name);
    void Put_Parameter(int offset, int width, uint64_t value);
    // The low byte of each character, at most maxChars of them.
    void Put_Text(int offset, int maxChars, const QString& text);

    std::array<uint8_t, Parameter_Bank_Size> Parameter_Bank{};
    TEtherCAT_Slave_Header EtherCAT_Header;
    std::vector<TEtherCAT_pd> EtherCAT_Variables;  // the variables in use
    std::vector<TDNETM_Node> DNETM_Nodes;          // the slaves in use
    std::vector<TDNETM_Map_Entry> Map_In;          // the entries in use
    std::vector<TDNETM_Map_Entry> Map_Out;
    uint32_t Next_Name = 0;
    QByteArray Names;  // the names in UTF-8 in the variables' order, each ended by a zero; empty ones left out
};

// The update step's entries: compile the open project's images, then write them to its bin folder.
TBank_Images Create_Bin_Files();
// Writes bin/bank1.bin and bin/bank2.bin as a pair: both are written in full before either replaces
// its old file. A failure raises EProject_Error and leaves the old pair.
void Save_Bin_Files(const TBank_Images& images);
