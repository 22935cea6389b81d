#pragma once
// DeviceNet network editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFDNet : public TPlaceholder_Form {
public:
    explicit TFDNet(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFDNet"), 2900) {}
};

inline TFDNet* FDNet = nullptr;
