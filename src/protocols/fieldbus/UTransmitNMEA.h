#pragma once
// NMEA 2000 transmit editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFTransmitNMEA : public TPlaceholder_Form {
public:
    explicit TFTransmitNMEA(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFTransmitNMEA"), 4000) {}
};

inline TFTransmitNMEA* FTransmitNMEA = nullptr;
