#pragma once
// CANopen SDO server editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFSet_SDO_Server_Access : public TPlaceholder_Form {
public:
    explicit TFSet_SDO_Server_Access(TComponent* AOwner)
        : TPlaceholder_Form(AOwner, QStringLiteral("TFSet_SDO_Server_Access"), 2800)
    {}
};

inline TFSet_SDO_Server_Access* FSet_SDO_Server_Access = nullptr;
