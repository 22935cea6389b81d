#pragma once
// MQTT topics editor: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFMQTT_Set_Topic : public TPlaceholder_Form {
public:
    explicit TFMQTT_Set_Topic(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFMQTT_Set_Topic"), 3700)
    {}
};

inline TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;
