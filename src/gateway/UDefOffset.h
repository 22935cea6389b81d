#pragma once
// TFDefOffset: the DeviceNet offsets editor. Every input and output byte of every slave of
// DNETM_Net.xml is placed at a position of the gateway's 1440-byte data image, or left unplaced
// ("None"); saved to DNETM_DefOff.xml, one Nodo_DNET per slave in the network's order.
#include "shell/UTable_Editor.h"

#include <QStringList>
#include <array>
#include <utility>
#include <vector>

class TVoColumnGrid;
class TSplitter;

// One DeviceNet slave while the editor is open: its bytes' positions and mnemonics, from byte 0.
struct TSlave_DN {
    int ID = 0;
    int ByteIN = 0;
    int ByteOUT = 0;
    QStringList SL_ByteIN;
    QStringList SL_ByteOUT;
    QStringList SL_ByteIN_M;
    QStringList SL_ByteOUT_M;
};

class TFDefOffset : public TTable_Editor {
public:
    explicit TFDefOffset(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TFDefOffset"); }

    static constexpr int Positions = 1440;

    TPanel* P_Slaves;
    TLabel* Label1;
    TVoColumnGrid* ACG_DN_Slaves;
    TSplitter* Splitter1;
    TPanel* P_Bytes;
    TLabel* Label2;
    TLabel* Label3;
    TTabSheet* TabSheet1;
    TTabSheet* TabSheet2;
    TVoColumnGrid* ACG_ByteIN;
    TVoColumnGrid* ACG_ByteOUT;

    std::vector<TSlave_DN> List_Slaves_DN;
    int Slave_Before_Select = -1;
    int MAX_BYTE_IN = Positions;
    int MAX_BYTE_OUT = Positions;

    // A click in the slave grid: keeps the shown slave's bytes and shows the current row's slave.
    void ACG_DN_SlavesClick(TObject* Sender);
    void Load_Slave_DN();
    void Load_Offset_Slave_DN();
    void Select_First();
    void Update_Slave_DN();
    bool Save_Data_ByteIN_ByteOUT();
    void Reset_Array_Check();
    // Every position is None or within the image, and no output position is used twice.
    bool Check_Data();
    void Save_Offset_Slave_DN();
    bool Controllo_dati() override;
    void Set_Lang() override;

protected:
    void Prepare() override;
    void Load_File() override;
    void Complete_Load() override { Select_First(); }
    void Save_File() override { Save_Offset_Slave_DN(); }

private:
    void Fill_Byte_Grid(TVoColumnGrid& grid, const QStringList& positions, const QStringList& mnemonics);
    void Store_Byte_Grid(TVoColumnGrid& grid, QStringList& positions, QStringList& mnemonics) const;

    // Per position, the MAC ID and byte number of the output byte placed there; -1, -1 when free.
    std::array<std::pair<int, int>, Positions> Check_Byte_Offset;
};

inline TFDefOffset* FDefOffset = nullptr;
