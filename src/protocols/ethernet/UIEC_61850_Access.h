#pragma once
// IEC 61850 client editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFIEC_61850_Access : public TPlaceholder_Form {
public:
    explicit TFIEC_61850_Access(TComponent* AOwner)
        : TPlaceholder_Form(AOwner, QStringLiteral("TFIEC_61850_Access"), 3200)
    {}
};

inline TFIEC_61850_Access* FIEC_61850_Access = nullptr;
