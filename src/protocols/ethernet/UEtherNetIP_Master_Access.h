#pragma once
// EtherNet/IP scanner editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFEtherNetIP_Master_Access : public TPlaceholder_Form {
public:
    explicit TFEtherNetIP_Master_Access(TComponent* AOwner)
        : TPlaceholder_Form(AOwner, QStringLiteral("TFEtherNetIP_Master_Access"), 4900)
    {}
};

inline TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access = nullptr;
