#pragma once
// SNMP manager editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFSNMPManagerAccess : public TPlaceholder_Form {
public:
    explicit TFSNMPManagerAccess(TComponent* AOwner)
        : TPlaceholder_Form(AOwner, QStringLiteral("TFSNMPManagerAccess"), 4600)
    {}
};

inline TFSNMPManagerAccess* FSNMPManagerAccess = nullptr;
