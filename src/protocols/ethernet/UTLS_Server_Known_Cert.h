#pragma once
// TLS known certificates editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFTLS_Server_Known_Cert : public TPlaceholder_Form {
public:
    explicit TFTLS_Server_Known_Cert(TComponent* AOwner)
        : TPlaceholder_Form(AOwner, QStringLiteral("TFTLS_Server_Known_Cert"), 3400)
    {}
};

inline TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert = nullptr;
