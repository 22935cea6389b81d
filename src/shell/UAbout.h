#pragma once
// About box: a stand-in until the box is built. Its texts are fixed and not translated.
#include "platform/Forms.h"

class TFAbout : public TForm {
public:
    explicit TFAbout(TComponent* AOwner) : TForm(AOwner)
    {
        Name = QStringLiteral("FAbout");
        SetCaption(QStringLiteral("About..."));
        SetBorderStyle(bsSingle);
        Position = poScreenCenter;
        SetClientWidth(425);
        SetClientHeight(148);
    }
    QString ClassName() const override { return QStringLiteral("TFAbout"); }
};

inline TFAbout* FAbout = nullptr;
