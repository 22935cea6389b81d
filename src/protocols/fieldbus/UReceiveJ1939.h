#pragma once
// J1939 receive editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFReceiveJ1939 : public TPlaceholder_Form {
public:
    explicit TFReceiveJ1939(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFReceiveJ1939"), 3500) {}
};

inline TFReceiveJ1939* FReceiveJ1939 = nullptr;
