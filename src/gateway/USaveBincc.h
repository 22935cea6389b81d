#pragma once
// The configuration image compiler: turns the project files into the parameter block (bank1.bin)
// and the data bank (bank2.bin) of the gateway.
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

class XmlNode;

using TBank_Image = std::vector<uint8_t>;

// One DeviceNet slave of the scan list.
struct TDNETM_Node {
    uint8_t ID = 0;
    uint16_t NB_IN = 0;
    uint16_t NB_OUT = 0;
    uint16_t Flags = 0;     // bit 0 reset DeviceNet, bit 1 reset PROFINET
    uint16_t Start_IN = 0;  // input bytes of the earlier entries
    uint16_t Start_OUT = 0; // output bytes of the earlier entries
};

// One mapped slave byte; a free entry is 0xFFFF, 0xFFFF.
struct TDNETM_Map_Entry {
    uint16_t Key = 0xFFFF;      // MAC ID * 1024 + byte index
    uint16_t Position = 0xFFFF; // byte of the gateway's data image
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
    uint8_t access = 0; // 1 slave to master, 0 master to slave
    uint8_t bit_address = 0;
    uint32_t position = 0;
    uint32_t subindex = 0;
    uint32_t entry_index = 0;
    uint32_t ethercat_offset = 0;
    std::array<uint8_t, 8> init_value{};
    QString name;
    uint32_t name_length = 0;
    uint32_t name_add = 0;
};

struct TEtherCAT_Data_Type {
    uint8_t Code = 0;
    uint8_t Size = 0; // 0 when the Length attribute gives it
};

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

    TSaveBincc();

    // Builds both images from the project files; a refused or malformed project raises
    // EProject_Error and leaves no image to save.
    void Compile_Bank_Files();
    // Writes bin/bank1.bin and bin/bank2.bin; a file that can't be written raises EProject_Error.
    void Save_Bank_Files() const;

    void Init_Parameter_Bank();
    void Read_ParGen_XML();
    void Set_SW_Version();
    void Set_EtherCAT_Eeprom_Config(const QString& text);
    int Write_Parameter_Bank(int position, TBank_Image& image);

    void Init_EtherCAT_Slave_Data();
    void Init_DeviceNet_Master_Data();
    void Read_DeviceNet_Master_XML();
    void Read_EtherCAT_Slave_XML(uint32_t sectionAddress);
    static TEtherCAT_Data_Type Get_EtherCAT_Data_Type(const QString& type);
    void Set_EtherCAT_Init_Value(const QString& text, int index);
    int Write_DeviceNet_Master_Bank(int position, TBank_Image& image) const;
    int Write_EtherCAT_Slave_Bank(int position, TBank_Image& image) const;
    static int Write_Bank_String(const QString& text, int position, TBank_Image& image);

    // Writes the low width bytes of value at position, least significant first, and returns the
    // position after them; a write past the image's end raises EProject_Error.
    static int Put_Number(TBank_Image& image, int position, uint64_t value, int width);

    std::array<uint8_t, Parameter_Bank_Size> Parameter_Bank{};
    TEtherCAT_Slave_Header EtherCAT_Header;
    std::array<TEtherCAT_pd, Max_Variables> EtherCAT_Variables;
    std::array<TDNETM_Node, Max_Nodes> DNETM_Nodes;
    std::array<TDNETM_Map_Entry, Max_Map_Entries> Map_In;
    std::array<TDNETM_Map_Entry, Max_Map_Entries> Map_Out;
    int Num_Nodes = 0;
    int Num_Map_In = 0;
    int Num_Map_Out = 0;

    TBank_Image Bank1_Image;
    TBank_Image Bank2_Image;
    int Bank1_Length = 0;
    int Bank2_Length = 0;

private:
    // Where the parameter block holds the scan-list and map counts.
    static constexpr int Off_Num_Nodes = 0x07C;
    static constexpr int Off_Num_Map_In = 0x088;
    static constexpr int Off_Num_Map_Out = 0x08C;

    void Read_DNETM_Net();
    void Read_DNETM_DefOff();
    void Read_Byte_Map(const XmlNode& rows, const TDNETM_Node& node, int count, bool input);
    void Read_EtherCAT_Direction(const XmlNode& table, bool slaveToMaster, int& n, uint32_t& nextName,
                                 uint32_t emptyName);
    void Put_Parameter(int offset, int width, uint64_t value);
    // The low byte of each character, at most maxChars of them.
    void Put_Text(int offset, int maxChars, const QString& text);
};

// The program's compiler, whose state lasts for the whole run.
TSaveBincc& SaveBincc();

// The update step's entries: compile the project's images, then write them.
void Create_Bin_Files();
void Save_Bin_Files();
