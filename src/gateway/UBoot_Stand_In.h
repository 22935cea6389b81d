#pragma once
// Device update dialog: a stand-in until the dialog is built (then this file goes and "gateway/UBoot.h"
// is included in its place).
#include "shell/UPlaceholder_Form.h"

class TFBoot : public TPlaceholder_Form {
public:
    explicit TFBoot(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFBoot"), 1200) {}
    int Form_Type = 0;  // 0 serial, 1 Ethernet
};

inline TFBoot* FBoot = nullptr;
