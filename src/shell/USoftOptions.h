#pragma once
// Options dialog and update check: a stand-in until the dialog is built.
#include "shell/UPlaceholder_Form.h"

class TFSoftOptions : public TPlaceholder_Form {
public:
    explicit TFSoftOptions(TComponent* AOwner) : TPlaceholder_Form(AOwner, QStringLiteral("TFSoftOptions"), 300) {}
};

inline TFSoftOptions* FSoftOptions = nullptr;

// True when the maker announces a newer version; the stand-in never finds one.
inline bool Check_Version()
{
    return false;
}
