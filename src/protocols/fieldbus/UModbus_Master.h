#pragma once
// The request tables of a Modbus master, shared by the serial and the TCP master editors: a read page and
// a write page, each row polling or writing a range of one slave, placed in the gateway's data image.
// The editors differ in the slave's address columns, the file, the texts and the Topic link.
#include "shell/UTable_Editor.h"

#include <span>

class TVoColumnGrid;

// A designed column: its width, its in-place editor and, for a drop-down, its list.
enum class TModbus_List { None, Read_Types, Write_Types, Positions, Bits };
struct TModbus_Column_Design {
    int Width;
    int Editor;  // a TEditorType
    TModbus_List List = TModbus_List::None;
};

// The rules of one request table: the real columns it tests and the texts of their failures. IP and Port
// are -1 in a table without them.
struct TModbus_Rules {
    bool Read;
    int IP, Port, Slave_ID, Type, Address, NPoint, Poll_Time, Max_Error, Position, Bit;
    int Text_IP, Text_Port, Text_Slave_ID, Text_Type, Text_Address, Text_NPoint, Text_Poll_Time, Text_Max_Error,
        Text_Position, Text_Bit, Text_Too_Many;
};

// The table of an editor page: its design, its file columns and its rules.
struct TModbus_Table_Design {
    const char* Name;
    std::span<const TModbus_Column_Design> Columns;
    std::span<const TTable_Column> File_Columns;
    TModbus_Rules Rules;
};

// The first rule a row breaks: its text and the bound appended to it (0 and empty when the row passes).
struct TModbus_Failure {
    int Text = 0;
    QString Bound;
};
TModbus_Failure Check_Modbus_Row(VOroDavoduRuzu& grid, int row, const TModbus_Rules& rules, int imageBytes);

class TModbus_Master_Editor : public TTable_Editor {
public:
    TVoColumnGrid* ACG_Modbus_Read;
    TVoColumnGrid* ACG_Modbus_Write;
    TTabSheet* TS_Modbus_Read;
    TTabSheet* TS_Modbus_Write;

    // The topics a read row may name; nothing in these editors fills it.
    TStringList List_Publish_Topic;
    int NByte_IN = Image_Bytes;
    int NByte_OUT = Image_Bytes;

    static constexpr int Image_Bytes = 1500;
    static constexpr int Grid_Rows = 512;

    bool Controllo_dati() override;
    void Set_Lang() override;
    // True when the text is NOT a dotted address of four parts 0 to 255 (the fourth the whole rest).
    static bool Check_IP_Address(const QString& text);
    // Entry index of the topic list, or the empty text.
    QString Get_Topic_From_Index(int index) const;

protected:
    struct TTexts {
        int Row_Prefix;
        int Delete_Question;
        int Pages;  // captions of the read and write pages
        std::span<const int> Read_Headers, Write_Headers;
        std::span<const int> Read_Hints, Write_Hints;
    };
    TModbus_Master_Editor(TComponent* AOwner, int textBase, int clientWidth, const TModbus_Table_Design& read,
                          const TModbus_Table_Design& write, const QString& file, const char* root,
                          const TTexts& texts);

    // The Topic column of the read grid (real index).
    int Topic_Column() const { return read_.File_Columns[read_.File_Columns.size() - 2].Column; }
    // The Topic cell of a loaded read row from its attribute, and the attribute saved for a Topic cell.
    virtual QString Loaded_Topic(int row, const std::optional<QString>& attribute) = 0;
    virtual QString Saved_Topic(int row, const QString& cell) const = 0;

    void Prepare() override;
    void Load_File() override;
    void Save_File() override;
    QString Delete_Question(int row) const override;

    const TTexts texts_;

private:
    TVoColumnGrid* New_Grid(const TModbus_Table_Design& design);

    const TModbus_Table_Design& read_;
    const TModbus_Table_Design& write_;
    const QString& file_;
    const char* root_;
};
