#pragma once
// DMX default values editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFDMXDefVal : public TPlaceholder_Form {
public:
    explicit TFDMXDefVal(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFDMXDefVal"), 3100) {}
};

inline TFDMXDefVal* FDMXDefVal = nullptr;
