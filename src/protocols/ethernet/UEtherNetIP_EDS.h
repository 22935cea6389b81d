#pragma once
// EtherNet/IP EDS connection choice: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFEtherNEtIP_EDS : public TPlaceholder_Form {
public:
    explicit TFEtherNEtIP_EDS(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFEtherNEtIP_EDS"), 5000)
    {}
};

inline TFEtherNEtIP_EDS* FEtherNEtIP_EDS = nullptr;
