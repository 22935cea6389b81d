#include "shell/UPlaceholder_Form.h"
#include "shell/ULanguage.h"

TPlaceholder_Form::TPlaceholder_Form(TComponent* AOwner, const QString& className, int captionText)
    : TForm(AOwner), className_(className), captionText_(captionText)
{
    Name = className.mid(1);
    SetBorderStyle(bsDialog);
    Position = poScreenCenter;
    SetClientWidth(400);
    SetClientHeight(200);
    Set_Lang();
    setLangId_ = Register_Set_Lang([this] { Set_Lang(); });
}

TPlaceholder_Form::~TPlaceholder_Form()
{
    Unregister_Set_Lang(setLangId_);
}

void TPlaceholder_Form::Set_Lang()
{
    if (captionText_ < Lang_Text.Count())
        SetCaption(Lang_Text[captionText_]);
}
