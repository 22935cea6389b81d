#pragma once
// The about box: the configurator's name, codes and version, and a link to the maker's web site. Its
// texts are fixed English and do not follow a language change.
#include "controls/button/OdButton.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

// The maker's home page, as the about box and the main window link it.
QString Maker_Home_Page();
// Puts the label showing the maker's address at (left, top), or further left when its text would end past
// right: a long address stays whole inside its window.
void Place_Maker_Link(TLabel& label, int left, int top, int right);

class TFAbout : public TForm {
public:
    explicit TFAbout(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TFAbout"); }

    void FormShow(TObject* Sender);
    // Also the click handler of Image2.
    void Label4Click(TObject* Sender);

    TImage* Image2;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4;
    TLabel* Label6;
    TLabel* Label8;
    TLabel* Label9;
    TLabel* Label10;
    TLabel* Label12;
    TOdButton* OdButton1;

private:
    TLabel* newLabel(int left, int top, const QString& caption = QString());
};

extern TFAbout* FAbout;
