#pragma once
// IEC 61850 server variables editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFIEC61850_Variables : public TPlaceholder_Form {
public:
    explicit TFIEC61850_Variables(TComponent* AOwner)
        : TPlaceholder_Form(AOwner, QStringLiteral("TFIEC61850_Variables"), 3300)
    {}
};

inline TFIEC61850_Variables* FIEC61850_Variables = nullptr;
