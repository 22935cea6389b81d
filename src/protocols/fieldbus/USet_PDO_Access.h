#pragma once
// CANopen PDO editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFSet_PDO_Access : public TPlaceholder_Form {
public:
    explicit TFSet_PDO_Access(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFSet_PDO_Access"), 2600)
    {}
};

inline TFSet_PDO_Access* FSet_PDO_Access = nullptr;
