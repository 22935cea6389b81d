#pragma once
// SNMP agent and traps editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFSNMP_Trap_Access : public TPlaceholder_Form {
public:
    explicit TFSNMP_Trap_Access(TComponent* AOwner)
        : TPlaceholder_Form(AOwner, QStringLiteral("TFSNMP_Trap_Access"), 4700)
    {}
};

inline TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;
