#pragma once
// OPC UA add or modify server dialog: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFOPC_UA_Add_Server : public TPlaceholder_Form {
public:
    explicit TFOPC_UA_Add_Server(TComponent* AOwner)
        : TPlaceholder_Form(AOwner, QStringLiteral("TFOPC_UA_Add_Server"), 4300)
    {}
};

inline TFOPC_UA_Add_Server* FOPC_UA_Add_Server = nullptr;
