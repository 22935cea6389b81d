#pragma once
// A form whose editor is not built yet: an empty modal dialog with the caption of its text block.
#include "platform/Forms.h"

class TPlaceholder_Form : public TForm {
public:
    // captionText: the first number of the form's block in Lang_Text.
    TPlaceholder_Form(TComponent* AOwner, const QString& className, int captionText);
    ~TPlaceholder_Form() override;
    QString ClassName() const override { return className_; }

    void Set_Lang();

private:
    QString className_;
    int captionText_;
    int setLangId_;
};
