#pragma once
// MQTT topic template dialog: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFTopicTemplate : public TPlaceholder_Form {
public:
    explicit TFTopicTemplate(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFTopicTemplate"), 3800) {}
};

inline TFTopicTemplate* FTopicTemplate = nullptr;
