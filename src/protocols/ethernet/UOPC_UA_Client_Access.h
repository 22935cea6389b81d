#pragma once
// OPC UA client editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFOPC_UA_Client_Access : public TPlaceholder_Form {
public:
    explicit TFOPC_UA_Client_Access(TComponent* AOwner)
        : TPlaceholder_Form(AOwner, QStringLiteral("TFOPC_UA_Client_Access"), 4100)
    {}
};

inline TFOPC_UA_Client_Access* FOPC_UA_Client_Access = nullptr;
