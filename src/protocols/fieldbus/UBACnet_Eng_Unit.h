#pragma once
// Engineering-unit picker: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFBACnet_Eng_Unit : public TPlaceholder_Form {
public:
    explicit TFBACnet_Eng_Unit(TComponent* AOwner)
        : TPlaceholder_Form(AOwner, QStringLiteral("TFBACnet_Eng_Unit"), 2300)
    {}
};

inline TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;
