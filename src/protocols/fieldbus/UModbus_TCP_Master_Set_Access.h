#pragma once
// Modbus TCP master editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFModbus_TCP_Master_Set_Access : public TPlaceholder_Form {
public:
    explicit TFModbus_TCP_Master_Set_Access(TComponent* AOwner)
        : TPlaceholder_Form(AOwner, QStringLiteral("TFModbus_TCP_Master_Set_Access"), 1800)
    {}
};

inline TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access = nullptr;
