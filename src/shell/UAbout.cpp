#include "shell/UAbout.h"
#include "platform/Desktop.h"
#include "shell/UButton_Look.h"
#include "shell/UComon.h"
#include "shell/USoftOptions.h"

#include <algorithm>

TFAbout* FAbout = nullptr;

QString Maker_Home_Page()
{
    return Maker_Url(QStringLiteral("/HOME/default.asp?frompg=GXS59"));
}

void Place_Maker_Link(TLabel& label, int left, int top, int right)
{
    label.SetLeft(std::max(0, std::min(left, right - label.Width())));
    label.SetTop(top);
}

TFAbout::TFAbout(TComponent* AOwner) : TForm(AOwner)
{
    Q_INIT_RESOURCE(about);
    Name = QStringLiteral("FAbout");
    SetCaption(QStringLiteral("About..."));
    SetBorderStyle(bsSingle);
    Position = poScreenCenter;
    Font().SetName(QStringLiteral("Verdana"));
    Font().SetSize(8);
    SetColor(static_cast<TColor>(15595512));

    Image2 = new TImage(this);
    Image2->SetParent(this);
    Image2->SetBounds(32, 24, 81, 81);
    Image2->SetStretch(true);
    Image2->Picture().LoadFromFile(QStringLiteral(":/shell/About.bmp"));
    Image2->OnClick = [this](TObject* Sender) { Label4Click(Sender); };

    Label1 = newLabel(128, 24, QStringLiteral("Software Lattisor "));
    Label1->Font().SetHeight(-13);
    Label1->Font().SetStyle(fsBold);
    Label2 = newLabel(128, 39);
    Label3 = newLabel(128, 77, QStringLiteral("Version :"));
    Label4 = newLabel(316, 131, Maker_Host());
    Label4->Font().SetStyle(fsUnderline);
    Place_Maker_Link(*Label4, 316, 131, 417);
    Label4->SetCursor(crHandPoint);
    Label4->OnClick = [this](TObject* Sender) { Label4Click(Sender); };
    Label6 = newLabel(128, 62, QStringLiteral("Software Code : "));
    Label8 = newLabel(128, 93, QStringLiteral("Document Code :"));
    Label9 = newLabel(240, 62);
    Label10 = newLabel(240, 77);
    Label12 = newLabel(240, 93);

    OdButton1 = New_Button(this, this, Bounds(32, 115, 81, 22), QStringLiteral("OK"));
    OdButton1->SetCaption(QStringLiteral("OK"));
    OdButton1->SetModalResult(mrOk);

    SetClientWidth(425);
    SetClientHeight(148);
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TLabel* TFAbout::newLabel(int left, int top, const QString& caption)
{
    auto* label = new TLabel(this);
    label->SetParent(this);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    return label;
}

void TFAbout::FormShow(TObject*)
{
    Label2->SetCaption(SW_Description);
    Label9->SetCaption(QStringLiteral("GXS59"));
    Label10->SetCaption(SW_Version);
    Label12->SetCaption(QStringLiteral("GXM59"));
    SetClientWidth(425);
    SetClientHeight(148);
}

void TFAbout::Label4Click(TObject*)
{
    ShellOpen(Maker_Home_Page());
}
