#pragma once
// GSDML file name dialog: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFProfinetFileName : public TPlaceholder_Form {
public:
    explicit TFProfinetFileName(TComponent* AOwner)
        : TPlaceholder_Form(AOwner, QStringLiteral("TFProfinetFileName"), 4800)
    {}
};

inline TFProfinetFileName* FProfinetFileName = nullptr;
