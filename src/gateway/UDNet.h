#pragma once
// TFDNet: the DeviceNet network editor. One column grid of 64 slaves (MAC ID, input and output byte
// counts, description), saved to DNETM_Net.xml with the rows directly under the root.
#include "shell/UTable_Editor.h"

class TVoColumnGrid;

class TFDNet : public TTable_Editor {
public:
    explicit TFDNet(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TFDNet"); }

    static constexpr int Table_Rows = 64;

    TVoColumnGrid* VSG;

    bool Controllo_dati() override;
    void Set_Lang() override;

protected:
    void Load_File() override;
    void Save_File() override;

private:
    // Over all used rows: no ID twice, and byte totals the data bank can place.
    bool Check_Whole_Table(int used);
};

inline TFDNet* FDNet = nullptr;
