#pragma once
// OPC UA server scan dialog: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFOPC_UA_Scan_Server : public TPlaceholder_Form {
public:
    explicit TFOPC_UA_Scan_Server(TComponent* AOwner)
        : TPlaceholder_Form(AOwner, QStringLiteral("TFOPC_UA_Scan_Server"), 4400)
    {}
};

inline TFOPC_UA_Scan_Server* FOPC_UA_Scan_Server = nullptr;
