#pragma once
// CANopen SDO client editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFSet_SDO_Client_Access : public TPlaceholder_Form {
public:
    explicit TFSet_SDO_Client_Access(TComponent* AOwner)
        : TPlaceholder_Form(AOwner, QStringLiteral("TFSet_SDO_Client_Access"), 2700)
    {}
};

inline TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;
