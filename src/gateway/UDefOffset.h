#pragma once
// DeviceNet offsets editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFDefOffset : public TPlaceholder_Form {
public:
    explicit TFDefOffset(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFDefOffset"), 3000) {}
};

inline TFDefOffset* FDefOffset = nullptr;
