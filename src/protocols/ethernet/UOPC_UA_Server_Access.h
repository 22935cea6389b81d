#pragma once
// OPC UA server variables editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFOPC_UA_Server_Access : public TPlaceholder_Form {
public:
    explicit TFOPC_UA_Server_Access(TComponent* AOwner)
        : TPlaceholder_Form(AOwner, QStringLiteral("TFOPC_UA_Server_Access"), 4500)
    {}
};

inline TFOPC_UA_Server_Access* FOPC_UA_Server_Access = nullptr;
