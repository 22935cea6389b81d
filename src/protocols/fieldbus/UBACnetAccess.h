#pragma once
// BACnet client editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFBACnetAccess : public TPlaceholder_Form {
public:
    explicit TFBACnetAccess(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFBACnetAccess"), 2000) {}
};

inline TFBACnetAccess* FBACnetAccess = nullptr;
