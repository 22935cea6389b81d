#pragma once
// TFModbus_TCP_Master_Set_Access: the request tables of the Modbus TCP master, each row naming its
// slave by IP address, port and slave ID; saved to ModbusTCPM_SetAccess.xml.
#include "protocols/fieldbus/UModbus_Master.h"

class TFModbus_TCP_Master_Set_Access : public TModbus_Master_Editor {
public:
    explicit TFModbus_TCP_Master_Set_Access(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TFModbus_TCP_Master_Set_Access"); }

    // The first entry of the topic list equal to the text, or -1.
    int Get_Index_From_Topic(const QString& topic) const { return List_Publish_Topic.IndexOf(topic); }
    void Set_Lang() override;

protected:
    void Prepare() override;
    QString Loaded_Topic(int row, const std::optional<QString>& attribute) override;
    QString Saved_Topic(int row, const QString& cell) const override;
};

inline TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access = nullptr;
