#pragma once
// Modbus RTU master editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFSetAccess : public TPlaceholder_Form {
public:
    explicit TFSetAccess(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFSetAccess"), 1700) {}
};

inline TFSetAccess* FSetAccess = nullptr;
