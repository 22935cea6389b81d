#pragma once
// J1939 transmit editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFTransmitJ1939 : public TPlaceholder_Form {
public:
    explicit TFTransmitJ1939(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFTransmitJ1939"), 3600) {}
};

inline TFTransmitJ1939* FTransmitJ1939 = nullptr;
