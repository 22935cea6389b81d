#pragma once
// EtherCAT slave variables editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFEtherCATSlave : public TPlaceholder_Form {
public:
    explicit TFEtherCATSlave(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFEtherCATSlave"), 1000) {}
};

inline TFEtherCATSlave* FEtherCATSlave = nullptr;
