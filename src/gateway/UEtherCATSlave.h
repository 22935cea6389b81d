#pragma once
// TFEtherCATSlave: the EtherCAT slave variables editor. Two string grids of 256 variables each, the
// data the gateway sends to the master ("Slave To Master") and receives from it ("Master To Slave"),
// with their types, lengths and the computed byte position and start bit of each; saved to
// EtherCAT_Slave.xml.
#include "shell/UTable_Editor.h"

#include "grid/base/BaseGrid/BaseGrid.h"
#include "platform/Classes.h"

class TFEtherCATSlave : public TTable_Editor {
public:
    explicit TFEtherCATSlave(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TFEtherCATSlave"); }

    static constexpr int Table_Rows = 256;
    // Strings are stored with a one-byte length.
    static constexpr int Max_String_Length = 255;

    TTabSheet* TS_SlaveToMaster;
    TTabSheet* TS_MasterToSlave;
    VOroDavoduRuzu* VSG_SlaveMaster;
    VOroDavoduRuzu* VSG_MasterSlave;
    // The type names offered in the Type column.
    TStringList VarType;

    // Columns, widths, check boxes, colours and read-only cells of both grids.
    void Init_Table();
    // The Length rule of a type on a row: a fixed size read-only, "10" editable for a String, nothing
    // for an unknown type.
    void VarSetLength(VOroDavoduRuzu& Grid, const QString& Type, int ARow, int ACol);
    // Position and Start Bit of the rows in use; SlaveMaster: the slave-to-master grid.
    void Calc_Position_Bit(VOroDavoduRuzu& Grid, bool SlaveMaster);
    // The length of every enabled String is within 1 .. Max_String_Length.
    bool Controllo_dati() override;
    void Set_Lang() override;

    // The grid events, bound on both grids.
    void VSG_SlaveMasterGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
    void VSG_SlaveMasterComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection);
    void VSG_SlaveMasterCellValidate(TObject* Sender, int ACol, int ARow, QString& Value, bool& Valid);
    void VSG_SlaveMasterCheckBoxChange(TObject* Sender, int ACol, int ARow, bool State);

protected:
    void Load_File() override;
    void Complete_Load() override;
    void Save_File() override;
    QString Delete_Question(int row) const override;
    void Reset_Table(TTable& table) override;
    void Paste_Row(TTable& table, int row) override;
    void Rows_Changed(TTable& table) override;

private:
    VOroDavoduRuzu* New_Grid(const QString& name);
    void Init_Grid(VOroDavoduRuzu& grid, bool slaveMaster);
    bool Is_Slave_Master(const VOroDavoduRuzu& grid) const { return &grid == VSG_SlaveMaster; }
    // Recomputes the grid an event came from.
    void Recalc(TObject* Sender);
};

inline TFEtherCATSlave* FEtherCATSlave = nullptr;
