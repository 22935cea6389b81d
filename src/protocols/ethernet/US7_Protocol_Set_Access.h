#pragma once
// S7comm access editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFS7_Protocol_Set_Access : public TPlaceholder_Form {
public:
    explicit TFS7_Protocol_Set_Access(TComponent* AOwner)
        : TPlaceholder_Form(AOwner, QStringLiteral("TFS7_Protocol_Set_Access"), 5100)
    {}
};

inline TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access = nullptr;
