#pragma once
// CAN transmit editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFTransmitCAN : public TPlaceholder_Form {
public:
    explicit TFTransmitCAN(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFTransmitCAN"), 2500) {}
};

inline TFTransmitCAN* FTransmitCAN = nullptr;
