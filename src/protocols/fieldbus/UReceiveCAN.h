#pragma once
// CAN receive editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFReceiveCAN : public TPlaceholder_Form {
public:
    explicit TFReceiveCAN(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFReceiveCAN"), 2400) {}
};

inline TFReceiveCAN* FReceiveCAN = nullptr;
