#pragma once
// TFDMXDefVal: the default value (0 to 255) and description of every DMX channel, saved to
// DMX_Default_Values.xml with one "Row" per channel; the channel count comes from ParGen.xml.
#include "shell/UTable_Editor.h"

class TVoColumnGrid;

class TFDMXDefVal : public TTable_Editor {
public:
    explicit TFDMXDefVal(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TFDMXDefVal"); }

    static constexpr int Default_Channels = 512;
    static constexpr int Min_Channels = 24;

    TVoColumnGrid* ACG_DMX_Def_Val;

    // The channel count of the general parameters; 512 when it is missing or outside 24 to 512.
    static int Channel_Count();
    bool Controllo_dati() override;
    void Set_Lang() override;

protected:
    void Prepare() override;
    void Reset_Table(TTable& table) override;
    void Load_File() override;
    void Save_File() override;
};

inline TFDMXDefVal* FDMXDefVal = nullptr;
