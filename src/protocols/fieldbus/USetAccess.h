#pragma once
// TFSetAccess: the request tables of the Modbus master on a serial line, saved to ModbusM_SetAccess.xml.
#include "protocols/fieldbus/UModbus_Master.h"

#include <vector>

class TFSetAccess : public TModbus_Master_Editor {
public:
    explicit TFSetAccess(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TFSetAccess"); }

    // The topic index remembered for each read row; -1 for none.
    std::vector<int> ComboItem_Topic;

    // The remembered index when its entry is the topic, else the first entry equal to it, else -1.
    int Get_Index_From_Topic(const QString& topic, int remembered) const;
    void ComboChange(int ACol, int ARow, int AItemIndex);

protected:
    void Prepare() override;
    QString Loaded_Topic(int row, const std::optional<QString>& attribute) override;
    QString Saved_Topic(int row, const QString& cell) const override;
};

inline TFSetAccess* FSetAccess = nullptr;
