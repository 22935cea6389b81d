#pragma once
// NMEA 2000 receive editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFReceiveNMEA : public TPlaceholder_Form {
public:
    explicit TFReceiveNMEA(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFReceiveNMEA"), 3900) {}
};

inline TFReceiveNMEA* FReceiveNMEA = nullptr;
