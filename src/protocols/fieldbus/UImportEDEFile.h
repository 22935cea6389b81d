#pragma once
// EDE file import dialog: a stand-in until the editor is built.
#include "shell/UPlaceholder_Form.h"

class TFImportEDEFile : public TPlaceholder_Form {
public:
    explicit TFImportEDEFile(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFImportEDEFile"), 2100) {}
};

inline TFImportEDEFile* FImportEDEFile = nullptr;
