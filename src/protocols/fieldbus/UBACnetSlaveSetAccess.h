#pragma once
// BACnet server editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFBACnetSlaveSetAccess : public TPlaceholder_Form {
public:
    explicit TFBACnetSlaveSetAccess(TComponent* AOwner)
        : TPlaceholder_Form(AOwner, QStringLiteral("TFBACnetSlaveSetAccess"), 2200)
    {}
};

inline TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;
